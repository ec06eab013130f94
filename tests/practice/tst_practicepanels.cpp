// The practice window's panels alone, without a window, a course or a data folder: the paper
// summary, the status strip and the answer sheet, each driven through its own setters.

#include "practice/answersheet.h"
#include "practice/paper.h"
#include "practice/papersummary.h"
#include "practice/sheethandle.h"
#include "practice/statusstrip.h"

#include "marking/marking.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace practice;

class TestPracticePanels : public QObject
{
    Q_OBJECT
private slots:
    void summaryShowsScore_data();
    void summaryShowsScore();
    void summaryMarkedSwapsClockForTimeTaken();
    void stripChoosesQuestionAndClearsChoice();
    void stripProgressFillsInFifteenSteps();
    void sheetStoresTypedAnswersAtQuestionOffset();
    void sheetReturnSkipsLockedBoxes_data();
    void sheetReturnSkipsLockedBoxes();
    void handleToggles_data();
    void handleToggles();
};

void TestPracticePanels::summaryShowsScore_data()
{
    QTest::addColumn<Take>("take");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("description");
    QTest::newRow("first take marked") << Take::First << "57.1"
                                       << "57.1%"
                                       << "57.1 percent";
    QTest::newRow("first take unmarked") << Take::First << ""
                                         << ""
                                         << "Not marked yet";
    // The second take's "%" is a label of its own beside the score.
    QTest::newRow("second take marked") << Take::Second << "80"
                                        << "80"
                                        << "80 percent";
    QTest::newRow("second take unmarked") << Take::Second << ""
                                          << ""
                                          << "Not marked yet";
}

void TestPracticePanels::summaryShowsScore()
{
    QFETCH(Take, take);
    QFETCH(QString, percent);
    QFETCH(QString, score);
    QFETCH(QString, description);
    QWidget host;
    PaperSummary summary(take, &host);
    summary.setScore(percent, QStringLiteral("0:12:5"), QStringLiteral("9 Dec 2026"));
    summary.setAnswered(7);
    summary.setTotal(34);
    auto *label = summary.findChild<QLabel *>(QStringLiteral("PScoring"));
    QVERIFY(label);
    QCOMPARE(label->text(), score);
    QCOMPARE(label->accessibleDescription(), description);
    QCOMPARE(summary.findChild<QLabel *>(QStringLiteral("lblAnsweredQ"))->text(), "7");
    QCOMPARE(summary.findChild<QLabel *>(QStringLiteral("lblTotalQ"))->text(), "34");
    auto *timeTaken = summary.findChild<QLabel *>(QStringLiteral("LTime"));
    QCOMPARE(timeTaken != nullptr, take == Take::First);
    if (timeTaken)
        QCOMPARE(timeTaken->text(), "0:12:5");
    QCOMPARE(summary.findChild<QLabel *>(QStringLiteral("lblPercent")) != nullptr,
             take == Take::Second);
    // The score's font shrinks until the widest score fits its label.
    QVERIFY(QFontMetrics(label->font())
                .horizontalAdvance(take == Take::First ? QStringLiteral("88.8%")
                                                       : QStringLiteral("88.8")) <= label->width());
}

void TestPracticePanels::summaryMarkedSwapsClockForTimeTaken()
{
    QWidget host;
    PaperSummary summary(Take::First, &host);
    host.show();
    summary.setClock(QStringLiteral("0:0:9"));
    const auto shown = [&](const char *name) {
        return summary.findChild<QLabel *>(QString::fromLatin1(name))->isVisible();
    };
    QCOMPARE(summary.findChild<QLabel *>(QStringLiteral("lblClock"))->text(), "0:0:9");
    QVERIFY(shown("lblClock") && shown("lblDate"));
    QVERIFY(!shown("LTime") && !shown("ETime"));
    summary.showMarked();
    QVERIFY(!shown("lblClock") && !shown("lblDate"));
    QVERIFY(shown("LTime") && shown("ETime"));
}

void TestPracticePanels::stripChoosesQuestionAndClearsChoice()
{
    QWidget host;
    StatusStrip strip(Take::First, &host);
    strip.setRemaining({QStringLiteral("2"), QStringLiteral("5"), QStringLiteral("11")});
    QComboBox *list = strip.remainingList();
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->currentIndex(), -1); // an entry on show would read like a count
    QSignalSpy chosen(&strip, &StatusStrip::questionChosen);
    list->setCurrentIndex(2);
    emit list->activated(2);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.at(0).at(0).toInt(), 11);
    QCOMPARE(list->currentIndex(), -1);
    // A list built again replaces the old entries.
    strip.setRemaining({QStringLiteral("5")});
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->currentIndex(), -1);
}

void TestPracticePanels::stripProgressFillsInFifteenSteps()
{
    QWidget host;
    StatusStrip strip(Take::Second, &host);
    host.show();
    auto *remaining = strip.findChild<QWidget *>(QStringLiteral("TxtRem"));
    auto *marking = strip.findChild<QWidget *>(QStringLiteral("fmeMark"));
    QVERIFY(remaining->isVisible() && !marking->isVisible());
    // The second take has no middle piece of the strip.
    QVERIFY(!strip.findChild<QWidget *>(QStringLiteral("Bot2")));
    for (int round = 0; round < 2; ++round) {
        strip.startProgress();
        QVERIFY(!remaining->isVisible() && marking->isVisible());
        int steps = 1;
        while (strip.advanceProgress())
            ++steps;
        QCOMPARE(steps, StatusStrip::ProgressSteps);
        for (int i = 1; i <= StatusStrip::ProgressSteps; ++i)
            QVERIFY(
                strip.findChild<QWidget *>(QStringLiteral("imgBar%1").arg(i, 2, 10, QChar(u'0')))
                    ->isVisible());
        QVERIFY(!strip.advanceProgress()); // a full bar stays full
        strip.hideProgress();
        QVERIFY(!marking->isVisible());
    }
}

namespace {

// Two questions of three and two blanks, nothing typed, not marked.
Paper twoQuestions(Take take)
{
    Paper paper(take);
    paper.questionIds = {QStringLiteral("0"), QStringLiteral("0")};
    paper.blanksPerQuestion = {3, 2};
    paper.blankCount = 5;
    for (int i = 0; i < paper.blankCount; ++i) {
        paper.answerKeys.append(QStringLiteral("key%1").arg(i));
        paper.answerTypes.append(QStringLiteral("1"));
        paper.answerFlags.append(QString());
        paper.answers.append(QString());
        paper.outcomes.append(QString());
        paper.firstOutcomes.append(QString());
    }
    return paper;
}

} // namespace

void TestPracticePanels::sheetStoresTypedAnswersAtQuestionOffset()
{
    QWidget host;
    AnswerSheet sheet(Take::First, &host);
    Paper paper = twoQuestions(Take::First);
    paper.answers[0] = QStringLiteral("kept");
    sheet.FillAnswerSheet(paper, 2);
    host.show();
    QVERIFY(sheet.row(1)->isVisible() && sheet.row(2)->isVisible());
    QVERIFY(!sheet.row(3)->isVisible());
    sheet.row(1)->answer->setText(QStringLiteral("goat"));
    sheet.row(2)->answer->setText(QStringLiteral("field"));
    sheet.StoreAnswers(paper);
    QCOMPARE(paper.answers, QStringList({"kept", "", "", "goat", "field"}));
    // Question 1's rows show what is stored for it.
    sheet.FillAnswerSheet(paper, 1);
    QCOMPARE(sheet.row(1)->answer->text(), "kept");
    QVERIFY(sheet.row(3)->isVisible());
}

void TestPracticePanels::sheetReturnSkipsLockedBoxes_data()
{
    QTest::addColumn<QString>("firstOutcomes"); // question 1's three blanks; "r" right first time
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("next box") << "---" << 1 << 2;
    QTest::newRow("last wraps to first") << "---" << 3 << 1;
    QTest::newRow("locked box passed over") << "-r-" << 1 << 3;
    QTest::newRow("locked first passed over on wrap") << "r--" << 3 << 2;
    QTest::newRow("only open box stays") << "rr-" << 3 << 3;
    QTest::newRow("all locked: the next") << "rrr" << 1 << 2;
}

void TestPracticePanels::sheetReturnSkipsLockedBoxes()
{
    QFETCH(QString, firstOutcomes);
    QFETCH(int, from);
    QFETCH(int, to);
    QWidget host;
    AnswerSheet sheet(Take::Second, &host);
    Paper paper = twoQuestions(Take::Second);
    for (int i = 0; i < firstOutcomes.size(); ++i) {
        if (firstOutcomes[i] == u'r') {
            paper.firstOutcomes[i] = QString(marking::RightMark);
            paper.outcomes[i] = QString(marking::RightMark);
        }
    }
    sheet.FillAnswerSheet(paper, 1);
    host.show();
    QVERIFY(QTest::qWaitForWindowActive(&host));
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(sheet.row(k)->answer->isReadOnly(), firstOutcomes[k - 1] == u'r');
    sheet.focusRow(from);
    QTest::keyClick(sheet.row(from)->answer, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), sheet.row(to)->answer);
}

void TestPracticePanels::handleToggles_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("release"); // where the button is let go, on the handle
    QTest::addColumn<int>("toggles");
    QTest::newRow("left click") << int(Qt::LeftButton) << QPoint(2, 2) << 1;
    QTest::newRow("right click") << int(Qt::RightButton) << QPoint(2, 2) << 0;
    QTest::newRow("let go off the handle") << int(Qt::LeftButton) << QPoint(2, -30) << 0;
}

void TestPracticePanels::handleToggles()
{
    QFETCH(int, button);
    QFETCH(QPoint, release);
    QFETCH(int, toggles);
    QWidget host;
    SheetHandle handle(Take::Second, &host);
    handle.place(QRect(0, 0, 20, 400));
    auto *image = handle.findChild<QWidget *>(QStringLiteral("ImgHandle"));
    QVERIFY(image && image->width() > 2);
    QSignalSpy toggled(&handle, &SheetHandle::toggleRequested);
    QTest::mouseRelease(image, Qt::MouseButton(button), {}, release);
    QCOMPARE(toggled.size(), toggles);
    handle.setSheetShown(false);
    QCOMPARE(image->toolTip(), QStringLiteral("Show answer sheet (Ctrl+H)"));
}

QTEST_MAIN(TestPracticePanels)
#include "tst_practicepanels.moc"

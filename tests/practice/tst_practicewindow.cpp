// The practice window on the offscreen platform: a stub viewer, a small course of our own in a
// temporary item folder, the data folder in a temporary LARKSPUR_HOME and dialog answers preset
// through the message dialog's test hook.

#include "practice/documentguard.h"
#include "practice/practice.h"
#include "practice/practicewindow.h"
#include "practice/questionviewer.h"
#include "practice/viewerhost.h"

#include "chrome/imagebutton.h"
#include "chrome/picturebox.h"
#include "chrome/pictures.h"
#include "chrome/popup.h"
#include "content/content.h"
#include "marking/marking.h"
#include "results/results.h"

#include "../common/testfiles.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QtTest/qtestspontaneevent.h>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#endif

using namespace practice;

namespace {

// Stands in for the HTML viewer: remembers what it was asked to show and reports each document
// as loaded at once.
class StubViewer final : public QuestionViewer
{
public:
    explicit StubViewer(QWidget *parent) : widget_(new QWidget(parent)) {}
    ~StubViewer() override { delete widget_.data(); }
    QWidget *widget() override { return widget_; }
    void navigate(const QString &filePath) override
    {
        shown.append(filePath);
        shownBytes = QFile(filePath).open(QIODevice::ReadOnly) ? QByteArray("ok") : QByteArray();
        if (onComplete_)
            onComplete_();
    }
    void setDocumentCompleteHandler(std::function<void()> handler) override
    {
        onComplete_ = std::move(handler);
    }
    QWidget *eventTarget() override { return widget_; }
    void print(QPrinter *, std::function<void(bool)> done) override
    {
        ++prints;
        done(true);
    }

    QStringList shown;
    QByteArray shownBytes;
    int prints = 0;

private:
    QPointer<QWidget> widget_;
    std::function<void()> onComplete_;
};

class StubFactory final : public QuestionViewerFactory
{
public:
    QuestionViewer *createViewer(QWidget *parent) override
    {
        last = new StubViewer(parent);
        return last;
    }
    bool warmUp() override { return true; }
    StubViewer *last = nullptr;
};

StubFactory stubFactory;

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += l.toLatin1() + "\r\n";
    return out;
}

using testfiles::readBytes;

} // namespace

class PracticeWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void documentGuardRefusesCopying();

    void firstTakeWritesEveryFile();
    void reopenMarkedPaper();
    void decliningMarksNothing();
    void rowsPerQuestion();
    void remainingListAndCount();
    void backNextAtTheEnds();
    void layoutAfterResize();
    void cornerResizeKeepsMinimum();
    void guards();
    void clockText();
    void refusedCharacters();
    void enterMovesToNextRow();
    void failedWriteKeepsAnswers();
    void failedTrendWriteMarksNothing();
    void markedReviewMovesOnAFailedWrite();
    void pendingMarkKeptByTheNextMark();
    void unfinishablePendingMarkSaysWhatToDo();
    void staysWithItsSubject();
    void damagedFileToldOnce();
    void unreadableAnswersReadAgainOnRetry();
    void fullDiskSaveFailsAndKeepsTheFile();
    void commandsIgnoredWhileMarking();
    void closeDiscardsTypingAndUnloads();
    void closeAndMarkAnsweredByKeys();
    void programCloseAsksOnlyForUnsavedTyping_data();
    void programCloseAsksOnlyForUnsavedTyping();
    void printGoesToViewer();
    void noViewerShowsNotice();
    void secondTakeCarriesOver();
    void secondTakeToldOfDamagedFirstOutcomes();
    void secondTakeConfirmation_data();
    void secondTakeConfirmation();
    void secondTakeMarksAndReopens();
    void secondTakeShowsMarkingFlags();
    void keyboardPaths_data();
    void keyboardPaths();
    void accessibleNamesAndTabOrder();

private:
    PracticeWindow *open(int paper);
    void writeFile(results::ResultFile f, const QByteArray &bytes);
    void markFirstTakeOf101();
    // The percent score reads at a glance: bold, larger than the panel's small print, the widest
    // score shown whole and clear of the other read-outs.
    void checkScoreReadable(std::initializer_list<const char *> others, const QString &widest)
    {
        auto *score = child<QLabel>("PScoring");
        QVERIFY(score->font().bold());
        QVERIFY(score->font().pointSizeF() > child<QLabel>("lblTotalQ")->font().pointSizeF());
        QVERIFY(QFontMetrics(score->font()).horizontalAdvance(widest) <= score->width());
        auto *total = child<QLabel>("lblTotalQ"); // two-digit counts show whole beside it
        QVERIFY(QFontMetrics(total->font()).horizontalAdvance(QStringLiteral("88")) <=
                total->width());
        QVERIFY(QRect(QPoint(), child("PaperSum")->size()).contains(score->geometry()));
        for (const char *other : others)
            QVERIFY2(!score->geometry().intersects(child(QString::fromLatin1(other))->geometry()),
                     other);
    }
    template<typename T = QWidget> T *child(const QString &name)
    {
        return window_->findChild<T *>(name);
    }
    QLineEdit *box(int k) { return window_->findChild<QLineEdit *>(QStringLiteral("FA%1").arg(k)); }
    QString file(results::ResultFile f)
    {
        return results::resultFilePath(home_.path(), f, 1, QStringLiteral("TC"));
    }

    QTemporaryDir items_;
    QTemporaryDir home_;
    results::PaperPlace place_;
    QPointer<PracticeWindow> window_;
    int unloads_ = 0;
};

void PracticeWindowTest::initTestCase()
{
    QVERIFY(items_.isValid());
    // Paper 101: one question of 16 blanks. Paper 102: questions of 1, 2 and 2 blanks, the last
    // one a long answer.
    const auto item = [this](int n, const QByteArray &bytes) {
        QFile f(items_.filePath(QString::number(n)));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    QStringList sixteen, sixteenTypes, sixteenMarks;
    for (int i = 0; i < 16; ++i) {
        sixteen << QString(QChar(u'a' + i));
        sixteenTypes << "T";
        sixteenMarks << "1";
    }
    item(30012, crlf({"...", "#101#>13001", "#102#>13002>13003>13004", "..."}));
    item(30013, crlf({"...", "#13001#>" + sixteen.join('>'), "#13002#>2", "#13003#>cat>12",
                      "#13004#>dog>A long answer", "..."}));
    item(30014, crlf({"...", "#13001#>" + sixteenTypes.join('>'), "#13002#>Q", "#13003#>T>N",
                      "#13004#>T>L", "..."}));
    item(30015, crlf({"...", "#13001#>" + sixteenMarks.join('>'), "#13002#>1", "#13003#>1>2",
                      "#13004#>1>1", "..."}));
    for (int id : {13001, 13002, 13003, 13004})
        item(id, "MIME-Version: 1.0\r\nContent-Type: text/html\r\n\r\n<p>Question</p>\r\n");
    content::setItemRoot(items_.path());
    setViewerFactory(&stubFactory);
    chrome::setPopUpDefaultAnswer(false);
}

void PracticeWindowTest::init()
{
    QVERIFY(home_.isValid());
    QDir(home_.path()).removeRecursively();
    QDir().mkpath(home_.path());
    qputenv("LARKSPUR_HOME", home_.path().toLocal8Bit());
    chrome::Pictures::setDataFolder(home_.path());
    using results::ResultFile;
    for (ResultFile f : results::AllResultFiles) {
        QFile out(file(f));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(results::makeTemplate(f, {16, 5}));
    }
    place_ = results::PaperPlace{};
    place_.dataFolder = home_.path();
    place_.subject = 1;
    place_.code = QStringLiteral("TC");
    place_.paperCount = 2;
    place_.topicFirst = 1;
    place_.topicName = QStringLiteral("Tiny topic");
    place_.subjectName = QStringLiteral("Tiny subject");
    place_.take = 1;
    unloads_ = 0;
    chrome::takePopUpCalls();
    chrome::setNextPopUpAnswers({});
}

void PracticeWindowTest::cleanup()
{
    PracticeWindow::setGuardMessageHook({});
    PracticeWindow::setPrintDialogHook({});
    setViewerFactory(&stubFactory);
    delete window_.data();
}

PracticeWindow *PracticeWindowTest::open(int paper)
{
    place_.paperNumber = paper;
    window_ = static_cast<PracticeWindow *>(openPracticeWindow(place_, [this] { ++unloads_; }));
    if (window_)
        window_->setProgressStepInterval(1);
    return window_;
}

void PracticeWindowTest::firstTakeWritesEveryFile()
{
    QVERIFY(open(102));
    QCOMPARE(window_->objectName(), QStringLiteral("Test1"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Tiny topic - Paper 2"));
    QVERIFY(!QFile::exists(content::tableTempPath(home_.path())));
    QVERIFY(stubFactory.last->shown.last().endsWith("temppaper13002.mht"));
    QCOMPARE(window_->findChild<QLabel *>("lblTotalQ")->text(), QStringLiteral("5"));
    QCOMPARE(window_->focusWidget(), box(1));

    QTest::keyClicks(box(1), "2");
    window_->ShowQuestion(2);
    // Every move writes the answer file; the template's filler lines are gone.
    QCOMPARE(readBytes(file(results::ResultFile::FirstAnswers)),
             crlf({"#101#>>>>>>>>>>>>>>>>", "#102#>2>>>>"}));
    QVERIFY(!QFile::exists(home_.filePath("temppaper13002.mht")));
    QVERIFY(QFile::exists(home_.filePath("temppaper13003.mht")));
    QTest::keyClicks(box(1), "cat");
    QTest::keyClicks(box(2), "12 kg"); // the right number, but the rule takes no unit
    window_->ShowQuestion(3);
    QTest::keyClicks(box(1), "dog");
    QTest::keyClicks(box(2), "long text");

    window_->setStartTime(QDateTime::currentDateTime().addSecs(-3723));
    chrome::setNextPopUpAnswers({true});
    window_->MarkPaper();
    QVERIFY(window_->isMarking());
    QTRY_VERIFY(window_->paper().isMarked());

    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].Title, QStringLiteral("Marking"));
    QCOMPARE(calls[0].Msg, QStringLiteral("Do you want to mark your practice now?"));
    QVERIFY(calls[0].answer);

    const QString taken = window_->findChild<QLabel *>("LTime")->text();
    QVERIFY2(taken == "1:2:3" || taken == "1:2:4", qPrintable(taken));
    const QString date = results::shortDateText(QDate::currentDate());
    QCOMPARE(window_->findChild<QLabel *>("ETime")->text(), date);

    QCOMPARE(readBytes(file(results::ResultFile::FirstAnswers)),
             crlf({"#101#>>>>>>>>>>>>>>>>", "#102#>2>cat>12 kg>dog>long text"}));
    QCOMPARE(readBytes(file(results::ResultFile::FirstResults)),
             QByteArray("#101#>>>>>>>>>>>>>>>>\r\n#102#>\xfc>\xfc>\xfb>\xfc>\xfb\r\n"));
    // 3 of 6 marks: the 2-mark number blank was wrong.
    QCOMPARE(readBytes(file(results::ResultFile::Summary)),
             crlf({"#FSE#>>50", "#SSE#>>", "#LTM#>>" + taken, "#CDD#>>" + date, "#FST#>0>1",
                   "#SST#>0>0"}));
    QCOMPARE(readBytes(file(results::ResultFile::Trend)), QByteArray("#TRD#>50\r\n"));
    // Untouched: the second take's files.
    QCOMPARE(readBytes(file(results::ResultFile::SecondAnswers)),
             results::makeTemplate(results::ResultFile::SecondAnswers, {16, 5}));

    // The marked state: locked boxes, outcomes shown, clock and date replaced.
    QVERIFY(box(1)->isReadOnly());
    QVERIFY(window_->findChild<QLabel *>("FR1")->isVisible());
    QVERIFY(!window_->findChild<QWidget *>("TxtRem")->isVisible());
    QVERIFY(!window_->findChild<QLabel *>("lblClock")->isVisible());
    QVERIFY(window_->findChild<QLabel *>("LTime")->isVisible());
    QCOMPARE(window_->findChild<QLabel *>("PScoring")->text(), QStringLiteral("50%"));
    checkScoreReadable({"lblAnsweredQ", "lblTotalQ", "LTime", "ETime"}, QStringLiteral("100%"));
    window_->PaperClock();
    QVERIFY(!window_->findChild<QWidget *>("ToolBar01")->isEnabled());
    QVERIFY(!window_->findChild<QWidget *>("ToolBar02")->isEnabled());
    QVERIFY(window_->findChild<QWidget *>("ToolBar03")->isEnabled());

    // Beside the cross, why the answer is close, without the answer itself; nothing beside a
    // tick or a wrong answer that is not close.
    window_->ShowQuestion(2);
    QCOMPARE(child("FR1")->toolTip(), QString());
    QCOMPARE(child("FR2")->toolTip(), QStringLiteral("Write the number without the unit"));
    QVERIFY(!child("M2")->isVisible());
    window_->ShowQuestion(3);
    QCOMPARE(child("FR2")->toolTip(), QString());
}

void PracticeWindowTest::reopenMarkedPaper()
{
    const auto write = [this](results::ResultFile f, const QByteArray &bytes) {
        QFile out(file(f));
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
    };
    write(results::ResultFile::FirstAnswers, crlf({"#101#>>>>>>>>>>>>>>>>", "#102#>2>x>12>y>z"}));
    write(results::ResultFile::FirstResults,
          "#101#>>>>>>>>>>>>>>>>\r\n#102#>\xfc>\xfb>\xfc>\xfb>\xfb\r\n");
    write(results::ResultFile::Summary, crlf({"#FSE#>>66.7", "#SSE#>>", "#LTM#>>0:7:5",
                                              "#CDD#>>1/2/24", "#FST#>0>1", "#SST#>0>0"}));
    QByteArray before;
    for (results::ResultFile f : results::AllResultFiles)
        before += readBytes(file(f));

    QVERIFY(open(102));
    QVERIFY(window_->paper().isMarked());
    QVERIFY(box(1)->isReadOnly());
    QCOMPARE(box(1)->text(), QStringLiteral("2"));
    QVERIFY(window_->findChild<QLabel *>("FR1")->isVisible());
    QCOMPARE(window_->findChild<QLabel *>("LTime")->text(), QStringLiteral("0:7:5"));
    QVERIFY(window_->findChild<QLabel *>("LTime")->isVisible());
    QCOMPARE(window_->findChild<QLabel *>("ETime")->text(), QStringLiteral("1/2/24"));
    QCOMPARE(window_->findChild<QLabel *>("PScoring")->text(), QStringLiteral("66.7%"));
    window_->PaperClock();
    QVERIFY(!window_->findChild<QWidget *>("ToolBar01")->isEnabled());
    QVERIFY(!window_->findChild<QWidget *>("ToolBar02")->isEnabled());

    // Nothing is asked and no file changes, even when marking is asked for again.
    window_->MarkPaper();
    window_->ShowQuestion(2);
    QVERIFY(chrome::takePopUpCalls().isEmpty());
    QByteArray after;
    for (results::ResultFile f : results::AllResultFiles)
        after += readBytes(file(f));
    // The answer file is rewritten on a move (same answers), without the filler lines it never
    // had here; every byte stays the same.
    QCOMPARE(after, before);
}

void PracticeWindowTest::decliningMarksNothing()
{
    QVERIFY(open(102));
    QTest::keyClicks(box(1), "2");
    chrome::setNextPopUpAnswers({false});
    window_->MarkPaper();
    QVERIFY(!window_->isMarking());
    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].Msg, QStringLiteral("You have not answered all the questions.  Do you "
                                          "still want to mark your practice?"));
    QCOMPARE(calls[0].NumofButtons, 2);
    QCOMPARE(window_->paper().status, QStringLiteral("0"));
    QCOMPARE(readBytes(file(results::ResultFile::FirstAnswers)),
             crlf({"#101#>>>>>>>>>>>>>>>>", "#102#>2>>>>"}));
    for (results::ResultFile f : {results::ResultFile::FirstResults, results::ResultFile::Summary,
                                  results::ResultFile::Trend})
        QCOMPARE(readBytes(file(f)), results::makeTemplate(f, {16, 5}));
    QVERIFY(!box(1)->isReadOnly());
    // The answers were saved all the same: the list of questions left follows them.
    QCOMPARE(window_->findChild<QComboBox *>("RemQns")->count(), 2);
}

void PracticeWindowTest::rowsPerQuestion()
{
    QVERIFY(open(102));
    const auto frame = [this](int k) {
        return window_->findChild<QWidget *>(QStringLiteral("Frame%1").arg(k));
    };
    // Question 1: one multiple-choice blank, no letter, one character.
    QVERIFY(frame(1)->isVisible());
    QVERIFY(!frame(2)->isVisible());
    QVERIFY(!window_->findChild<QLabel *>("QL1")->isVisible());
    QCOMPARE(box(1)->maxLength(), 1);
    window_->ShowQuestion(2);
    QVERIFY(frame(2)->isVisible() && !frame(3)->isVisible());
    QVERIFY(window_->findChild<QLabel *>("QL1")->isVisible());
    QCOMPARE(window_->findChild<QLabel *>("QL2")->text(), QStringLiteral("(b)"));
    QVERIFY(box(1)->maxLength() > 1);
    QCOMPARE(frame(1)->height(), 25);                // 375 twips
    QCOMPARE(frame(2)->y(), frame(1)->y() + 25 + 7); // 105-twip gap
    window_->ShowQuestion(3);
    // Row 1 is a one-line answer, row 2 (the long answer) keeps the design geometry; a long
    // first row is checked on paper 101 below.
    QCOMPARE(frame(1)->height(), 25);
    delete window_.data();

    // Paper 101: sixteen blanks close up with a 10-twip overlap.
    QVERIFY(open(101));
    QVERIFY(frame(16)->isVisible() && !frame(17)->isVisible());
    QCOMPARE(frame(1)->y(), 3);                         // 50 twips
    QCOMPARE(frame(2)->y(), qRound((50 + 365) / 15.0)); // 365 twips further down
    QCOMPARE(frame(16)->y(), qRound((50 + 15 * 365) / 15.0));
}

void PracticeWindowTest::remainingListAndCount()
{
    QVERIFY(open(102));
    auto *list = window_->findChild<QComboBox *>("RemQns");
    QCOMPARE(list->count(), 3);
    // No entry shows until the list is opened: "Qns left: 1" would read like a count.
    QCOMPARE(list->currentIndex(), -1);
    QVERIFY(list->currentText().isEmpty());
    QTest::keyClicks(box(1), "2");
    // Saving rebuilds the list as a move does.
    window_->SavePaper();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentIndex(), -1);
    window_->ShowQuestion(2);
    QTest::keyClicks(box(1), " ");
    QTest::keyClicks(box(2), "12");
    window_->ShowQuestion(3);
    QTest::keyClicks(box(1), "dog");
    // The list reflects the stored answers: question 3's typing is not stored yet.
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemText(0), QStringLiteral("2"));
    QCOMPARE(list->itemText(1), QStringLiteral("3"));
    window_->PaperClock();
    QCOMPARE(window_->findChild<QLabel *>("lblAnsweredQ")->text(), QStringLiteral("3"));
    // Choosing an entry moves there.
    list->activated(0);
    QCOMPARE(window_->QSCount(), 2);
    QCOMPARE(box(1)->text(), QStringLiteral(" "));
    window_->PaperClock();
    QCOMPARE(window_->findChild<QLabel *>("lblAnsweredQ")->text(), QStringLiteral("4"));
}

void PracticeWindowTest::backNextAtTheEnds()
{
    QVERIFY(open(102));
    auto *back = window_->findChild<chrome::ImageButton *>("ToolBar05");
    auto *next = window_->findChild<chrome::ImageButton *>("ToolBar06");
    window_->PaperClock();
    QVERIFY(!back->isEnabled());
    QVERIFY(next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(window_->QSCount(), 2);
    QTest::mouseClick(next, Qt::LeftButton);
    window_->PaperClock();
    QCOMPARE(window_->QSCount(), 3);
    QVERIFY(!next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(window_->QSCount(), 3);
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(window_->QSCount(), 2);
    delete window_.data();

    // A paper of one question: both disabled.
    QVERIFY(open(101));
    window_->PaperClock();
    QVERIFY(!window_->findChild<QWidget *>("ToolBar05")->isEnabled());
    QVERIFY(!window_->findChild<QWidget *>("ToolBar06")->isEnabled());
}

void PracticeWindowTest::layoutAfterResize()
{
    QVERIFY(open(102));
    window_->resize(1000, 700);
    const chrome::FrameRects f = window_->frameRects();
    FrameMetrics m{f.topLeft.height(), f.left.width(), f.right.width(), f.bottom.height()};
    PracticeLayout l = layoutPractice(QSize(1000, 700), true, m);
    const auto geometry = [this](const char *name) {
        return window_->findChild<QWidget *>(QString::fromLatin1(name))->geometry();
    };
    QCOMPARE(geometry("AnsBox"), l.answerBox);
    QCOMPARE(geometry("brwWebBrowser"), l.viewer);
    QCOMPARE(geometry("RemQnsBG"), l.statusBar);
    QCOMPARE(geometry("ToolBar06"), l.tools[5]);
    QCOMPARE(geometry("Sizer"), l.sizer);
    QCOMPARE(geometry("AnsBox").right() + 1 + f.right.width(), 1000);

    window_->toggleAnswerSheet();
    QVERIFY(!window_->answerSheetShown());
    QCOMPARE(window_->findChild<QWidget *>("ImgHandle")->toolTip(),
             QStringLiteral("Show answer sheet (Ctrl+H)"));
    window_->resize(900, 650);
    l = layoutPractice(QSize(900, 650), false, m);
    QCOMPARE(geometry("AnsBox").left(), 900); // still hidden after the resize
    QCOMPARE(geometry("brwWebBrowser"), l.viewer);
    QCOMPARE(geometry("PicHideAns").right() + 1 + f.right.width(), 900);
    window_->toggleAnswerSheet();
    QCOMPARE(geometry("AnsBox").right() + 1 + f.right.width(), 900);
    QCOMPARE(window_->findChild<QWidget *>("ImgHandle")->toolTip(),
             QStringLiteral("Hide answer sheet (Ctrl+H)"));
    // The instruction picture keeps inside the sheet and clear of the resize grip.
    QWidget *picture = child("PicInstruction");
    const QRect onSheet = picture->geometry();
    QVERIFY(QRect(QPoint(), geometry("AnsBox").size()).contains(onSheet));
    QVERIFY(
        !QRect(picture->mapTo(window_, QPoint()), onSheet.size()).intersects(geometry("Sizer")));
}

void PracticeWindowTest::cornerResizeKeepsMinimum()
{
    QVERIFY(open(102));
    window_->resize(800, 600);
    const auto send = [this](QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
        QMouseEvent e(type, QPointF(pos), QPointF(window_->mapToGlobal(pos)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(window_, &e);
    };
    send(QEvent::MouseButtonPress, QPoint(798, 598), Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(900, 700), Qt::LeftButton);
    QCOMPARE(window_->size(), QSize(900, 700));
    // Below the limits (7300 x 5000 twips) a side keeps its last size.
    send(QEvent::MouseMove, QPoint(400, 300), Qt::LeftButton);
    QCOMPARE(window_->size(), QSize(900, 700));
    send(QEvent::MouseMove, QPoint(487, 334), Qt::LeftButton);
    QCOMPARE(window_->size(), QSize(487, 334));
    send(QEvent::MouseButtonRelease, QPoint(487, 334), Qt::NoButton);

    // A press on the right edge away from the corner does not resize.
    send(QEvent::MouseButtonPress, QPoint(485, 100), Qt::LeftButton);
    send(QEvent::MouseMove, QPoint(700, 500), Qt::LeftButton);
    QCOMPARE(window_->size(), QSize(487, 334));
    send(QEvent::MouseButtonRelease, QPoint(700, 500), Qt::NoButton);
}

void PracticeWindowTest::guards()
{
    QVERIFY(open(102));
    QStringList seen;
    PracticeWindow::setGuardMessageHook(
        [&seen](const QString &title, const QString &text) { seen << title + "|" + text; });
    QWidget *doc = stubFactory.last->eventTarget();
    QTest::keyClick(doc, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(seen, QStringList{"Error|Invalid operation"});
    QTest::keyClick(doc, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(seen.size(), 2);
    QTest::keyClick(doc, Qt::Key_C);
    QTest::keyClick(doc, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(seen.size(), 2);
    QTest::mousePress(doc, Qt::RightButton);
    QCOMPARE(seen.size(), 3);
    QTest::mousePress(doc, Qt::LeftButton);
    QCOMPARE(seen.size(), 3);
    // The answer boxes are not part of the document.
    QTest::keyClick(box(1), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(seen.size(), 3);
    // A new document keeps the guards in place.
    window_->ShowQuestion(2);
    QTest::keyClick(stubFactory.last->eventTarget(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(seen.size(), 4);
}

void PracticeWindowTest::clockText()
{
    QVERIFY(open(102));
    auto *clock = window_->findChild<QLabel *>("lblClock");
    window_->setStartTime(QDateTime::currentDateTime().addSecs(-65));
    window_->PaperClock();
    QVERIFY2(clock->text() == "0:1:5" || clock->text() == "0:1:6", qPrintable(clock->text()));
    window_->setStartTime(QDateTime::currentDateTime().addSecs(-3600));
    window_->PaperClock();
    QVERIFY2(clock->text() == "1:0:0" || clock->text() == "1:0:1", qPrintable(clock->text()));
    QCOMPARE(window_->findChild<QLabel *>("lblDate")->text(),
             results::shortDateText(QDate::currentDate()));
}

void PracticeWindowTest::refusedCharacters()
{
    QVERIFY(open(102));
    window_->ShowQuestion(2);
    QTest::keyClicks(box(1), "a>b#c");
    QCOMPARE(box(1)->text(), QStringLiteral("abc"));
    box(2)->insert(QStringLiteral("x\u03c0y"));
    QVERIFY(!box(2)->text().contains(QChar(0x3c0)));
    QKeyEvent accent(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u00e9"));
    QCoreApplication::sendEvent(box(2), &accent);
    QVERIFY(box(2)->text().endsWith(QChar(0xe9)));
}

void PracticeWindowTest::enterMovesToNextRow()
{
    QVERIFY(open(102));
    window_->activateWindow();
    window_->ShowQuestion(2);
    box(1)->setFocus();
    QTest::keyClick(box(1), Qt::Key_Return);
    QCOMPARE(window_->focusWidget(), box(2));
    QTest::keyClick(box(2), Qt::Key_Return);
    QCOMPARE(window_->focusWidget(), box(1));
}

void PracticeWindowTest::failedWriteKeepsAnswers()
{
    QVERIFY(open(102));
    QTest::keyClicks(box(1), "2");
    // A folder where the result file should be: the write cannot succeed, even as root.
    const QString resultPath = file(results::ResultFile::FirstResults);
    QVERIFY(QFile::remove(resultPath));
    QVERIFY(QDir().mkdir(resultPath));
    chrome::takePopUpCalls();
    chrome::setNextPopUpAnswers({true});
    window_->MarkPaper();
    QTRY_VERIFY(!window_->isMarking());
    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 2);
    QVERIFY(calls[1].Msg.contains(QStringLiteral("could not be marked")));
    QVERIFY(!window_->paper().isMarked());
    QCOMPARE(box(1)->text(), QStringLiteral("2"));
    QVERIFY(!box(1)->isReadOnly());
    for (results::ResultFile f : {results::ResultFile::Summary, results::ResultFile::Trend})
        QCOMPARE(readBytes(file(f)), results::makeTemplate(f, {16, 5}));

    // Saving to a folder that is in the way tells the pupil, and the answers stay.
    const QString answerPath = file(results::ResultFile::FirstAnswers);
    QVERIFY(QFile::remove(answerPath));
    QVERIFY(QDir().mkdir(answerPath));
    window_->SavePaper();
    const QList<chrome::PopUpCall> saveCalls = chrome::takePopUpCalls();
    QCOMPARE(saveCalls.size(), 1);
    QVERIFY(saveCalls[0].Msg != QStringLiteral("Paper saved"));
    window_->ShowQuestion(2); // refused: the answers would be lost
    QCOMPARE(window_->QSCount(), 1);
    QCOMPARE(box(1)->text(), QStringLiteral("2"));
    // Refused from Qns left, the move leaves no entry on show that would read like a count.
    auto *list = window_->findChild<QComboBox *>("RemQns");
    list->setCurrentIndex(1);
    emit list->activated(1);
    QCOMPARE(window_->QSCount(), 1);
    QCOMPARE(list->currentIndex(), -1);
}

void PracticeWindowTest::failedTrendWriteMarksNothing()
{
    QVERIFY(open(102));
    QTest::keyClicks(box(1), "2");
    const QString trendPath = file(results::ResultFile::Trend);
    QVERIFY(QFile::remove(trendPath));
    QVERIFY(QDir().mkdir(trendPath));
    chrome::takePopUpCalls();
    chrome::setNextPopUpAnswers({true});
    window_->MarkPaper();
    QTRY_VERIFY(!window_->isMarking());
    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 2);
    QVERIFY(calls[1].Msg.contains(QStringLiteral("could not be marked")));
    // A mark is one step: without its trend entry nothing of it is written.
    QVERIFY(!window_->paper().isMarked());
    QVERIFY(!box(1)->isReadOnly());
    for (results::ResultFile f : {results::ResultFile::Summary, results::ResultFile::FirstResults})
        QCOMPARE(readBytes(file(f)), results::makeTemplate(f, {16, 5}));
    QVERIFY(!QFile::exists(results::journalPath(home_.path())));
}

void PracticeWindowTest::markedReviewMovesOnAFailedWrite()
{
    QVERIFY(open(102));
    chrome::setNextPopUpAnswers({true});
    window_->MarkPaper();
    QTRY_VERIFY(window_->paper().isMarked());
    // The answer file can no longer be written (a full disk, a folder in the way): the marked
    // paper's answers are locked and on disk, so the review still moves, with no message.
    const QString answerPath = file(results::ResultFile::FirstAnswers);
    QVERIFY(QFile::remove(answerPath));
    QVERIFY(QDir().mkdir(answerPath));
    chrome::takePopUpCalls();
    window_->ShowQuestion(2);
    QCOMPARE(window_->QSCount(), 2);
    QVERIFY(chrome::takePopUpCalls().isEmpty());
}

void PracticeWindowTest::pendingMarkKeptByTheNextMark()
{
    // Paper 101's mark was left to its journal (its files could not all be written, nor put
    // back). Within the same session the paper opens marked, and a mark of paper 102 keeps it.
    using results::ResultFile;
    QVERIFY(open(101));
    chrome::setNextPopUpAnswers({true});
    window_->MarkPaper();
    QTRY_VERIFY(window_->paper().isMarked());
    delete window_.data();
    QList<records::FileWrite> pending;
    for (ResultFile f : {ResultFile::FirstResults, ResultFile::Summary, ResultFile::Trend})
        pending.append({file(f), readBytes(file(f))});
    const QString journalPath = results::journalPath(home_.path());
    const auto leavePending = [&] {
        for (ResultFile f : {ResultFile::FirstResults, ResultFile::Summary, ResultFile::Trend})
            writeFile(f, results::makeTemplate(f, {16, 5}));
        QByteArray journal;
        QVERIFY(records::composeJournal(journalPath, pending, journal));
        QFile out(journalPath);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(journal) == journal.size());
    };
    leavePending();
    QVERIFY(open(101));
    QVERIFY(window_->paper().isMarked());
    delete window_.data();

    QVERIFY(open(102));
    leavePending(); // after the opening: the mark itself must finish it first
    QTest::keyClicks(box(1), "2");
    chrome::setNextPopUpAnswers({true});
    window_->MarkPaper();
    QTRY_VERIFY(window_->paper().isMarked());
    QCOMPARE(results::ReadSummary(file(ResultFile::Summary), 2)[results::FST],
             (QStringList{"1", "1"}));
    QCOMPARE(results::ReadTrend(file(ResultFile::Trend)), (QStringList{"0", "16.7"}));
    QCOMPARE(results::ReadTakeRecord(file(ResultFile::FirstResults), 2, 101, 16).fields,
             QStringList(16, QString(marking::WrongMark)));
}

void PracticeWindowTest::unfinishablePendingMarkSaysWhatToDo()
{
    // An earlier mark's journal cannot be finished: its trend file became a folder. Marking
    // names that file and says what to do; nothing of this mark is written.
    using results::ResultFile;
    QVERIFY(open(102));
    QTest::keyClicks(box(1), "2");
    const QString trendPath = file(ResultFile::Trend);
    QByteArray journal;
    QVERIFY(records::composeJournal(results::journalPath(home_.path()),
                                    {{trendPath, "#TRD#>50\r\n"}}, journal));
    QVERIFY(records::writeFileAtomically(results::journalPath(home_.path()), journal));
    QVERIFY(QFile::remove(trendPath));
    QVERIFY(QDir().mkdir(trendPath));
    chrome::takePopUpCalls();
    chrome::setNextPopUpAnswers({true});
    window_->MarkPaper();
    QTRY_VERIFY(!window_->isMarking());
    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 2);
    QVERIFY2(calls[1].Msg.contains(trendPath) && calls[1].Msg.contains("mark the paper again"),
             qPrintable(calls[1].Msg));
    QVERIFY(!window_->paper().isMarked());
    QCOMPARE(readBytes(file(ResultFile::Summary)),
             results::makeTemplate(ResultFile::Summary, {16, 5}));
}

void PracticeWindowTest::staysWithItsSubject()
{
    QVERIFY(open(102));
    QTest::keyClicks(box(1), "2");
    // The pupil clicks another subject's tab on the home window: another subject, fewer papers.
    place_.subject = 2;
    place_.paperCount = 1;
    place_.paperNumber = 101;
    place_.topicName = QStringLiteral("Other topic");
    chrome::takePopUpCalls();
    window_->ShowQuestion(2);
    QCOMPARE(window_->QSCount(), 2);
    QTest::keyClicks(box(1), "cat");
    window_->SavePaper();
    QCOMPARE(chrome::takePopUpCalls().size(), 1); // "Paper saved", nothing refused
    QCOMPARE(readBytes(file(results::ResultFile::FirstAnswers)),
             crlf({"#101#>>>>>>>>>>>>>>>>", "#102#>2>cat>>>"}));
    chrome::setNextPopUpAnswers({true});
    window_->MarkPaper();
    QTRY_VERIFY(window_->paper().isMarked());
    QCOMPARE(results::ReadSummary(file(results::ResultFile::Summary), 2)[results::FST],
             (QStringList{"0", "1"}));
    QCOMPARE(results::ReadTakeRecord(file(results::ResultFile::FirstResults), 2, 101, 16).fields,
             QStringList(16, QString()));
    QCOMPARE(QDir(home_.path()).entryList({"*2TC.txt"}), QStringList{});
}

void PracticeWindowTest::damagedFileToldOnce()
{
    // Records out of order and a line of garbage: both records are kept, the file copied aside.
    const QByteArray damaged = "#102#>9>dog>>>\r\n\x01\xff\r\n#101#>a>>>>>>>>>>>>>>>\r\n";
    writeFile(results::ResultFile::FirstAnswers, damaged);
    QVERIFY(open(102));
    QCOMPARE(box(1)->text(), QStringLiteral("9"));
    chrome::takePopUpCalls();
    window_->SavePaper();
    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 2);
    QVERIFY(calls[0].Msg.contains(QStringLiteral("damaged")));
    QVERIFY(calls[0].Msg.contains(QStringLiteral("Tiny subject")));
    QCOMPARE(calls[1].Msg, QStringLiteral("Paper saved"));
    QCOMPARE(readBytes(file(results::ResultFile::FirstAnswers)),
             crlf({"#101#>a>>>>>>>>>>>>>>>", "#102#>9>dog>>>"}));
    const QStringList copies = QDir(home_.path()).entryList({"first1TC-damaged-*.txt"});
    QCOMPARE(copies.size(), 1);
    QCOMPARE(readBytes(home_.filePath(copies[0])), damaged);
    window_->SavePaper();
    QCOMPARE(chrome::takePopUpCalls().size(), 1); // told once
}

void PracticeWindowTest::unreadableAnswersReadAgainOnRetry()
{
    const QString answers = file(results::ResultFile::FirstAnswers);
    QVERIFY(QFile::remove(answers));
    QVERIFY(QDir().mkdir(answers));
    QVERIFY(open(102));
    QTest::keyClicks(box(1), "2");
    chrome::takePopUpCalls();
    window_->SavePaper();
    QVERIFY(chrome::takePopUpCalls().value(0).Msg.contains(QStringLiteral("try again")));
    // The pupil puts things right and tries again: the file is read now and saved whole.
    QVERIFY(QDir().rmdir(answers));
    writeFile(results::ResultFile::FirstAnswers, "#101#>q>>>>>>>>>>>>>>>\r\n#102#>>>>>\r\n");
    window_->SavePaper();
    QCOMPARE(chrome::takePopUpCalls().value(0).Msg, QStringLiteral("Paper saved"));
    QCOMPARE(readBytes(answers), crlf({"#101#>q>>>>>>>>>>>>>>>", "#102#>2>>>>"}));
}

void PracticeWindowTest::fullDiskSaveFailsAndKeepsTheFile()
{
#ifdef Q_OS_LINUX
    // The data folder on a small file system that is then filled up.
    QTemporaryDir disk;
    const QByteArray mountPoint = QFile::encodeName(disk.path());
    if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=256k") != 0)
        QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs here (%1); the records "
                                        "tests cover a full disk with a file-size limit")
                             .arg(QString::fromLocal8Bit(std::strerror(errno)))));
    const auto unmount = qScopeGuard([&] {
        delete window_.data();
        ::umount2(mountPoint.constData(), MNT_DETACH);
    });
    place_.dataFolder = disk.path();
    const QString answers =
        results::resultFilePath(disk.path(), results::ResultFile::FirstAnswers, 1, "TC");
    for (results::ResultFile f : results::AllResultFiles) {
        QFile out(results::resultFilePath(disk.path(), f, 1, "TC"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(results::makeTemplate(f, {16, 5}));
    }
    QVERIFY(open(102));
    {
        QFile filler(disk.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
    }
    const QByteArray before = readBytes(answers);
    QTest::keyClicks(box(1), "2");
    chrome::takePopUpCalls();
    window_->SavePaper();
    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 1);
    QVERIFY2(calls[0].Msg.contains(QStringLiteral("could not be saved")), qPrintable(calls[0].Msg));
    QCOMPARE(readBytes(answers), before);
    QCOMPARE(box(1)->text(), QStringLiteral("2"));
#else
    QSKIP("small file systems are mounted with Linux calls here");
#endif
}

void PracticeWindowTest::commandsIgnoredWhileMarking()
{
    QVERIFY(open(102));
    window_->setProgressStepInterval(20);
    chrome::setNextPopUpAnswers({true});
    window_->MarkPaper();
    QVERIFY(window_->isMarking());
    QVERIFY(window_->findChild<QWidget *>("fmeMark")->isVisible());
    chrome::takePopUpCalls();
    window_->SavePaper();
    window_->ClosePaper();
    window_->MarkPaper();
    QVERIFY(chrome::takePopUpCalls().isEmpty());
    // Half-way the bar is partly filled, and the window still serves its events.
    QTRY_VERIFY(window_->findChild<QWidget *>("imgBar05")->isVisible());
    QVERIFY(window_->isMarking());
    QTRY_VERIFY(window_->paper().isMarked());
    QVERIFY(!window_->findChild<QWidget *>("fmeMark")->isVisible());
    QVERIFY(window_);
}

void PracticeWindowTest::closeDiscardsTypingAndUnloads()
{
    QVERIFY(open(102));
    const QByteArray before = readBytes(file(results::ResultFile::FirstAnswers));
    QTest::keyClicks(box(1), "2");
    chrome::setNextPopUpAnswers({false});
    window_->ClosePaper();
    QVERIFY(window_);
    QCOMPARE(unloads_, 0);
    chrome::setNextPopUpAnswers({true});
    window_->ClosePaper();
    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.last().Title, QStringLiteral("Close Practice"));
    QCOMPARE(calls.last().Msg, QStringLiteral("Confirm?"));
    QTRY_VERIFY(!window_);
    QCOMPARE(unloads_, 1);
    QVERIFY(!QFile::exists(home_.filePath("temppaper13002.mht")));
    QCOMPARE(readBytes(file(results::ResultFile::FirstAnswers)), before);

    // Closed from the window manager, answered yes: the same unload.
    QVERIFY(open(102));
    chrome::setNextPopUpAnswers({true});
    QCloseEvent fromOutside;
    QSpontaneKeyEvent::setSpontaneous(&fromOutside);
    QCoreApplication::sendEvent(window_->windowHandle(), &fromOutside);
    QTRY_VERIFY(!window_);
    QCOMPARE(unloads_, 2);
    QVERIFY(!QFile::exists(home_.filePath("temppaper13002.mht")));
}

void PracticeWindowTest::closeAndMarkAnsweredByKeys()
{
    // Ctrl+W and Ctrl+M are finished with the keyboard alone, in the real dialog: a stray
    // Return answers No, Tab then Return answers Yes.
    QVERIFY(open(102));
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    chrome::setPopUpDefaultAnswer(std::nullopt);
    auto restore = qScopeGuard([] { chrome::setPopUpDefaultAnswer(false); });
    QStringList seen; // each dialog's title and the button the focus started on
    QTimer poll;
    QList<Qt::Key> keys;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget *focus = QApplication::focusWidget();
        auto *dialog = focus ? qobject_cast<chrome::frmPopUp *>(focus->window()) : nullptr;
        if (!dialog || !dialog->isVisible() || keys.isEmpty())
            return;
        seen << dialog->windowTitle() + u':' + focus->objectName();
        for (Qt::Key key : std::exchange(keys, {}))
            QTest::keyClick(QApplication::focusWidget(), key);
    });
    poll.start();
    auto press = [&](Qt::Key key, QList<Qt::Key> answer) {
        keys = answer;
        // The window is active again once the last dialog has gone; its keys work then.
        if (!QTest::qWaitForWindowActive(window_))
            qWarning("the practice window is not active");
        QTest::keyClick(window_, key, Qt::ControlModifier);
    };

    QTest::keyClicks(box(1), "2");
    press(Qt::Key_W, {Qt::Key_Return});
    QVERIFY(window_);
    press(Qt::Key_M, {Qt::Key_Escape});
    QVERIFY(window_ && !window_->isMarking());
    press(Qt::Key_W, {Qt::Key_Tab, Qt::Key_Return});
    QTRY_VERIFY(!window_);
    QCOMPARE(seen, (QStringList{"Close Practice:But2", "Marking:But2", "Close Practice:But2"}));
    QCOMPARE(unloads_, 1);
}

void PracticeWindowTest::programCloseAsksOnlyForUnsavedTyping_data()
{
    QTest::addColumn<QString>("before"); // what happens before the program asks
    QTest::addColumn<QString>("answer"); // the pupil's answer, "" when not asked
    QTest::addColumn<bool>("mayClose");
    QTest::newRow("nothing typed") << ""
                                   << "" << true;
    QTest::newRow("typed, no") << "type"
                               << "False" << false;
    QTest::newRow("typed, yes") << "type"
                                << "True" << true;
    QTest::newRow("typed and saved") << "type save"
                                     << "" << true;
    QTest::newRow("second take, nothing typed") << "second"
                                                << "" << true;
    QTest::newRow("second take, typed, no") << "second type"
                                            << "False" << false;
    QTest::newRow("while marking") << "type mark"
                                   << "" << false;
}

void PracticeWindowTest::programCloseAsksOnlyForUnsavedTyping()
{
    QFETCH(QString, before);
    QFETCH(QString, answer);
    QFETCH(bool, mayClose);
    if (before.contains("second"))
        markFirstTakeOf101();
    QVERIFY(open(before.contains("second") ? 101 : 102));
    if (before.contains("type"))
        QTest::keyClicks(before.contains("second") ? box(2) : box(1), "7"); // box 1 is locked
    if (before.contains("save"))
        window_->ShowQuestion(2);
    if (before.contains("mark")) {
        chrome::setNextPopUpAnswers({true});
        window_->setProgressStepInterval(60000);
        window_->MarkPaper();
        QVERIFY(window_->isMarking());
    }
    chrome::takePopUpCalls();
    if (!answer.isEmpty())
        chrome::setNextPopUpAnswers({answer == QLatin1String("True")});
    QCOMPARE(practice::mayClose(window_), mayClose);
    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), answer.isEmpty() ? 0 : 1);
    if (!calls.isEmpty())
        QCOMPARE(calls[0].Msg, QStringLiteral("Confirm?"));
    QCOMPARE(unloads_, 0); // asking closes nothing
}

void PracticeWindowTest::printGoesToViewer()
{
    QVERIFY(open(102));
    int dialogs = 0;
    PracticeWindow::setPrintDialogHook([&dialogs](QPrinter *) {
        ++dialogs;
        return dialogs == 2; // cancelled the first time, accepted the second
    });
    window_->PrintQuestion();
    QCOMPARE(stubFactory.last->prints, 0);
    window_->PrintQuestion();
    QCOMPARE(stubFactory.last->prints, 1);
    QCOMPARE(dialogs, 2);
}

void PracticeWindowTest::noViewerShowsNotice()
{
    setViewerFactory(nullptr);
    QVERIFY(open(102));
    auto *notice = window_->findChild<QLabel *>("brwWebBrowser");
    QVERIFY(notice);
    QCOMPARE(notice->text(), viewerMissingText());
    QTest::keyClicks(box(1), "2");
    chrome::setNextPopUpAnswers({true});
    window_->MarkPaper();
    QTRY_VERIFY(window_->paper().isMarked());
}

void PracticeWindowTest::writeFile(results::ResultFile f, const QByteArray &bytes)
{
    QFile out(file(f));
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(bytes);
}

// Paper 101 (16 one-mark blanks "a" to "p") marked in a first take that got blanks 1 and 3 right.
void PracticeWindowTest::markFirstTakeOf101()
{
    writeFile(results::ResultFile::FirstAnswers,
              crlf({"#101#>a>x>c>x>x>x>x>x>x>x>x>x>x>x>x>x", "#102#>>>>>"}));
    QByteArray outcomes = "#101#>\xfc>\xfb>\xfc";
    for (int i = 4; i <= 16; ++i)
        outcomes += ">\xfb";
    writeFile(results::ResultFile::FirstResults, outcomes + "\r\n#102#>>>>>\r\n");
    writeFile(results::ResultFile::Summary, crlf({"#FSE#>12.5>", "#SSE#>>", "#LTM#>0:7:5>",
                                                  "#CDD#>1/2/24>", "#FST#>1>0", "#SST#>0>0"}));
    writeFile(results::ResultFile::Trend, "#TRD#>40>12.5\r\n");
    // What the second-take file holds for blank 1 gives way to the first take's right answer.
    writeFile(results::ResultFile::SecondAnswers,
              crlf({"#101#>zzz>b>>>>>>>>>>>>>>", "#102#>>>>>"}));
    place_.take = 2;
}

void PracticeWindowTest::secondTakeCarriesOver()
{
    {
        // Until a paper is loaded the second-take window carries its design caption.
        PracticeWindow bare(place_, Take::Second, {});
        QCOMPARE(bare.windowTitle(), QStringLiteral("Try Again"));
        QCOMPARE(bare.findChild<QLabel *>("Title")->text(), QStringLiteral("Try Again"));
    }
    markFirstTakeOf101();
    const QByteArray secondBefore = readBytes(file(results::ResultFile::SecondAnswers));
    QVERIFY(open(101));
    QCOMPARE(window_->objectName(), QStringLiteral("Test2"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Tiny topic - Paper 1"));

    const QColor tint(192, 192, 255);
    for (int k : {1, 3}) {
        QCOMPARE(box(k)->text(), QString(QChar(u'a' + k - 1)));
        QVERIFY(box(k)->isReadOnly());
        QCOMPARE(box(k)->palette().color(QPalette::Base), tint);
        auto *mark = child<QLabel>(QStringLiteral("FR%1").arg(k));
        QVERIFY(mark->isVisible());
        QCOMPARE(mark->text(), QStringLiteral("\u2714"));
        // 105 twips right of the box.
        QCOMPARE(mark->x(), qRound((450 + 1575 + 105) / 15.0));
        QVERIFY(!child(QStringLiteral("SR%1").arg(k))->isVisible());
    }
    for (int k : {2, 4}) {
        QVERIFY(!box(k)->isReadOnly());
        QCOMPARE(box(k)->palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(!child(QStringLiteral("FR%1").arg(k))->isVisible());
        QVERIFY(!child(QStringLiteral("SR%1").arg(k))->isVisible());
        QVERIFY(!child(QStringLiteral("M%1").arg(k))->isVisible());
    }
    QCOMPARE(box(2)->text(), QStringLiteral("b")); // the second take's own answer
    QVERIFY(box(4)->text().isEmpty());
    // Box 1 is locked: the typing goes to the first box that takes it, and Enter passes over
    // locked boxes.
    QCOMPARE(window_->focusWidget(), box(2));
    QTest::keyClick(box(2), Qt::Key_Return);
    QCOMPARE(window_->focusWidget(), box(4));
    // Carried over in memory only: the file changes with the next save.
    QCOMPARE(readBytes(file(results::ResultFile::SecondAnswers)), secondBefore);
    window_->PaperClock();
    QCOMPARE(child<QLabel>("lblAnsweredQ")->text(), QStringLiteral("3"));

    // No clock, time or date in a second take; its heading and the score's own "%" instead.
    for (const char *name : {"lblClock", "LTime", "lblDate", "ETime"})
        QVERIFY2(!child(QString::fromLatin1(name)), name);
    QVERIFY(child<QLabel>("lblSecondAttempt")->isVisible());
    QCOMPARE(child<QLabel>("lblSecondAttempt")->text(), QStringLiteral("Second Attempt"));
    QCOMPARE(child<QLabel>("lblPercent")->text(), QStringLiteral("%"));
    QVERIFY(child<QLabel>("PScoring")->text().isEmpty());

    // The second take's own design: a wider handle, Bot1 and Bot3 only.
    QCOMPARE(child("PicHideAns")->width(), 8);
    QCOMPARE(child("ImgHandle")->width(), 8);
    QVERIFY(!child("Bot2"));
    QCOMPARE(child<chrome::PictureBox>("Bot1")->pictureName(), QStringLiteral("bottombg1.bmp"));
    QCOMPARE(child<chrome::PictureBox>("Bot3")->pictureName(), QStringLiteral("bottombg3.bmp"));

    // Sixteen blanks stack without a gap (the first take overlaps them).
    const auto frame = [this](int k) { return child(QStringLiteral("Frame%1").arg(k)); };
    QCOMPARE(frame(1)->y(), 3);
    QCOMPARE(frame(2)->y(), qRound((50 + 375) / 15.0));
    QCOMPARE(frame(16)->y(), qRound((50 + 15 * 375) / 15.0));
    QVERIFY(frame(16)->isVisible() && !frame(17)->isVisible());

    // The first save writes the carried-over answers to the second-take file.
    window_->SavePaper();
    QCOMPARE(readBytes(file(results::ResultFile::SecondAnswers)),
             crlf({"#101#>a>b>c>>>>>>>>>>>>>", "#102#>>>>>"}));
}

void PracticeWindowTest::secondTakeToldOfDamagedFirstOutcomes()
{
    // Another program re-encoded the ticks as UTF-8: nothing can carry over, and the pupil is
    // told at opening (only the first take rewrites that file), once.
    markFirstTakeOf101();
    QByteArray outcomes = "#101#>\xc3\xbc>\xfb>\xc3\xbc";
    for (int i = 4; i <= 16; ++i)
        outcomes += ">\xfb";
    writeFile(results::ResultFile::FirstResults, outcomes + "\r\n#102#>>>>>\r\n");
    chrome::takePopUpCalls();
    QVERIFY(open(101));
    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 1);
    QVERIFY2(calls[0].Msg.contains("damaged"), qPrintable(calls[0].Msg));
    QVERIFY(!box(1)->isReadOnly());
    delete window_.data();
    QVERIFY(open(101));
    QVERIFY(chrome::takePopUpCalls().isEmpty());
}

void PracticeWindowTest::secondTakeConfirmation_data()
{
    QTest::addColumn<QString>("leftOut");
    QTest::addColumn<bool>("longer");
    QTest::newRow("every open blank filled") << QString() << false;
    QTest::newRow("one open blank empty") << QStringLiteral("") << true;
    QTest::newRow("one open blank a space") << QStringLiteral(" ") << false;
}

void PracticeWindowTest::secondTakeConfirmation()
{
    QFETCH(QString, leftOut);
    QFETCH(bool, longer);
    markFirstTakeOf101();
    QVERIFY(open(101));
    for (int k = 2; k <= 16; ++k) {
        if (k == 3)
            continue;
        box(k)->clear();
        if (k == 16 && !leftOut.isNull())
            QTest::keyClicks(box(k), leftOut);
        else
            QTest::keyClicks(box(k), "q");
    }
    chrome::setNextPopUpAnswers({false});
    window_->MarkPaper();
    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].Title, QStringLiteral("Marking"));
    QCOMPARE(calls[0].Msg, QString::fromLatin1(longer ? MarkNotAllAnswered : MarkAllAnswered));
    QCOMPARE(window_->paper().status, QStringLiteral("0"));
    QCOMPARE(readBytes(file(results::ResultFile::SecondResults)),
             results::makeTemplate(results::ResultFile::SecondResults, {16, 5}));
}

// A blank whose capitals count and a sentence blank: the review shows the expected answer with
// its capitals and says what counted; a sentence right without its full stop is reminded of it.
void PracticeWindowTest::secondTakeShowsMarkingFlags()
{
    const QString keysItem = items_.filePath(QStringLiteral("30013"));
    const QByteArray keysBefore = readBytes(keysItem);
    const auto restore = qScopeGuard([&] {
        QFile::remove(items_.filePath(QStringLiteral("30016")));
        QFile out(keysItem);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write(keysBefore);
    });
    QByteArray keys = keysBefore;
    keys.replace("#13004#>dog>A long answer", "#13004#>Leeds>It is raining.");
    QVERIFY(keys != keysBefore);
    QFile out(keysItem);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(keys);
    out.close();
    QFile flags(items_.filePath(QStringLiteral("30016")));
    QVERIFY(flags.open(QIODevice::WriteOnly));
    flags.write(crlf({"...", "#13004#>C>S", "..."}));
    flags.close();

    // Paper 102 marked once, with only its choice right.
    writeFile(results::ResultFile::FirstAnswers,
              crlf({"#101#>>>>>>>>>>>>>>>>", "#102#>2>x>x>x>x"}));
    writeFile(results::ResultFile::FirstResults,
              "#101#>>>>>>>>>>>>>>>>\r\n#102#>\xfc>\xfb>\xfb>\xfb>\xfb\r\n");
    writeFile(results::ResultFile::Summary, crlf({"#FSE#>>20", "#SSE#>>", "#LTM#>>0:1:0",
                                                  "#CDD#>>1/2/24", "#FST#>0>1", "#SST#>0>0"}));
    place_.take = 2;
    QVERIFY(open(102));
    window_->ShowQuestion(2);
    QTest::keyClicks(box(1), "cat");
    QTest::keyClicks(box(2), "12");
    window_->ShowQuestion(3);
    QTest::keyClicks(box(1), "leeds");
    QTest::keyClicks(box(2), "it is  raining");
    chrome::setNextPopUpAnswers({true});
    window_->MarkPaper();
    QTRY_VERIFY(window_->paper().isMarked());
    QCOMPARE(window_->paper().outcomes,
             (QStringList{QString(marking::RightMark), QString(marking::RightMark),
                          QString(marking::RightMark), QString(marking::WrongMark),
                          QString(marking::RightMark)}));

    window_->ShowQuestion(3);
    auto *model = child<QLineEdit>(QStringLiteral("M1"));
    QVERIFY(model->isVisible());
    QCOMPARE(model->text(), QStringLiteral("Leeds"));
    QCOMPARE(model->toolTip(), QStringLiteral("Expected answer\nCapital letters count.\n"
                                              "Check your capital letters"));
    QCOMPARE(child(QStringLiteral("SR1"))->toolTip(), QStringLiteral("Check your capital letters"));
    QVERIFY(!child(QStringLiteral("M2"))->isVisible());
    QCOMPARE(child(QStringLiteral("SR2"))->toolTip(), QStringLiteral("Remember the full stop"));
    QCOMPARE(box(2)->accessibleDescription(),
             QStringLiteral("Marked right. Remember the full stop"));
}

void PracticeWindowTest::secondTakeMarksAndReopens()
{
    markFirstTakeOf101();
    QByteArray firstBefore;
    for (results::ResultFile f : {results::ResultFile::FirstAnswers,
                                  results::ResultFile::FirstResults, results::ResultFile::Trend})
        firstBefore += readBytes(file(f));
    QVERIFY(open(101));
    // 10 more right (blanks 2, 4 to 12), 4 wrong: 12 of 16 marks.
    for (int k = 2; k <= 16; ++k) {
        if (k == 3)
            continue;
        box(k)->clear();
        // Blank 13 gets its letter with a full stop: wrong, but close.
        QTest::keyClicks(box(k), k <= 12   ? QString(QChar(u'a' + k - 1))
                                 : k == 13 ? QStringLiteral("m.")
                                           : QStringLiteral("no"));
    }
    chrome::setNextPopUpAnswers({true});
    window_->MarkPaper();
    QTRY_VERIFY(window_->paper().isMarked());
    QCOMPARE(chrome::takePopUpCalls().size(), 1);

    QCOMPARE(readBytes(file(results::ResultFile::SecondAnswers)),
             crlf({"#101#>a>b>c>d>e>f>g>h>i>j>k>l>m.>no>no>no", "#102#>>>>>"}));
    QByteArray outcomes = "#101#";
    for (int i = 1; i <= 16; ++i)
        outcomes += i <= 12 ? ">\xfc" : ">\xfb";
    QCOMPARE(readBytes(file(results::ResultFile::SecondResults)), outcomes + "\r\n#102#>>>>>\r\n");
    // Only SSE and SST change; the first take's score, time, date and the trend stay.
    QCOMPARE(readBytes(file(results::ResultFile::Summary)),
             crlf({"#FSE#>12.5>", "#SSE#>75>", "#LTM#>0:7:5>", "#CDD#>1/2/24>", "#FST#>1>0",
                   "#SST#>1>0"}));
    QByteArray firstAfter;
    for (results::ResultFile f : {results::ResultFile::FirstAnswers,
                                  results::ResultFile::FirstResults, results::ResultFile::Trend})
        firstAfter += readBytes(file(f));
    QCOMPARE(firstAfter, firstBefore);

    const auto checkMarked = [this] {
        QCOMPARE(child<QLabel>("PScoring")->text(), QStringLiteral("75"));
        QVERIFY(child("lblPercent")->isVisible());
        checkScoreReadable({"lblAnsweredQ", "lblTotalQ", "lblPercent", "lblSecondAttempt"},
                           QStringLiteral("100"));
        QVERIFY(!child("TxtRem")->isVisible());
        for (int k = 1; k <= 16; ++k) {
            const QString where = QStringLiteral("row %1").arg(k);
            QVERIFY2(box(k)->isReadOnly(), qPrintable(where));
            QVERIFY2(!child(QStringLiteral("FR%1").arg(k))->isVisible(), qPrintable(where));
            auto *mark = child<QLabel>(QStringLiteral("SR%1").arg(k));
            QVERIFY2(mark->isVisible(), qPrintable(where));
            QCOMPARE(mark->text(), k <= 12 ? QStringLiteral("\u2714") : QStringLiteral("\u2718"));
            // SR sits where FR's design puts it.
            QCOMPARE(mark->x(), qRound(2040 / 15.0));
            auto *model = child<QLineEdit>(QStringLiteral("M%1").arg(k));
            QCOMPARE(model->isVisible(), k > 12);
            QCOMPARE(model->text(), QString(QChar(u'a' + k - 1)));
            // Told apart from the pupil's answers by its tool tip and colours.
            QVERIFY2(model->toolTip().startsWith(QStringLiteral("Expected answer")),
                     qPrintable(where));
            QVERIFY(model->palette().color(QPalette::Base) != QColor(Qt::white));
            QVERIFY(model->palette().color(QPalette::Base) !=
                    box(k)->palette().color(QPalette::Base));
            const bool carried = k == 1 || k == 3;
            QCOMPARE(box(k)->palette().color(QPalette::Base),
                     carried ? QColor(192, 192, 255) : QColor(Qt::white));
        }
        window_->PaperClock();
        QVERIFY(!child("ToolBar01")->isEnabled());
        QVERIFY(!child("ToolBar02")->isEnabled());
    };
    checkMarked();
    if (QTest::currentTestFailed())
        return;
    // The hint stands with the expected answer and beside the cross.
    QCOMPARE(child("M13")->toolTip(), QStringLiteral("Expected answer\nLeave out the full stop"));
    QCOMPARE(child("SR13")->toolTip(), QStringLiteral("Leave out the full stop"));
    QCOMPARE(child("M14")->toolTip(), QStringLiteral("Expected answer"));
    // ... and on the screen, in the hint line: the focused row's hint, else the first one's.
    auto *hint = child<QLabel>("lblHint");
    QVERIFY(hint->isVisible());
    box(13)->setFocus();
    QCOMPARE(hint->text(), QStringLiteral("Hint for (m): Leave out the full stop"));
    box(14)->setFocus();
    QCOMPARE(hint->text(), QStringLiteral("Hint for (m): Leave out the full stop"));
    // A move (here to the same question) takes a tip away; the line is filled again.
    QToolTip::showText(child("SR13")->mapToGlobal(QPoint(2, 2)), hint->text(), child("SR13"));
    QVERIFY(QToolTip::isVisible());
    window_->ShowQuestion(1);
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 1000);
    QVERIFY(hint->isVisible());
    QCOMPARE(hint->text(), QStringLiteral("Hint for (m): Leave out the full stop"));

    // Reopened: the same marked look, straight away, and nothing asked or written.
    delete window_.data();
    QByteArray before;
    for (results::ResultFile f : results::AllResultFiles)
        before += readBytes(file(f));
    QVERIFY(open(101));
    QVERIFY(window_->paper().isMarked());
    checkMarked();
    window_->MarkPaper();
    QVERIFY(chrome::takePopUpCalls().isEmpty());
    QByteArray after;
    for (results::ResultFile f : results::AllResultFiles)
        after += readBytes(file(f));
    QCOMPARE(after, before);
}

void PracticeWindowTest::keyboardPaths_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("focus");    // 0 the viewer, 1 an answer box, 2 a locked answer box
    QTest::addColumn<int>("question"); // on view afterwards, starting from question 2

    QTest::newRow("Alt+Right in a box") << int(Qt::Key_Right) << int(Qt::AltModifier) << 1 << 3;
    QTest::newRow("Alt+Left in a box") << int(Qt::Key_Left) << int(Qt::AltModifier) << 1 << 1;
    QTest::newRow("Alt+Right in a locked box")
        << int(Qt::Key_Right) << int(Qt::AltModifier) << 2 << 3;
    QTest::newRow("Alt+Left outside") << int(Qt::Key_Left) << int(Qt::AltModifier) << 0 << 1;
    // Page Up and Page Down scroll the question, never change it.
    QTest::newRow("Page Down outside") << int(Qt::Key_PageDown) << 0 << 0 << 2;
    QTest::newRow("Page Up outside") << int(Qt::Key_PageUp) << 0 << 0 << 2;
    QTest::newRow("Page Down in a box") << int(Qt::Key_PageDown) << 0 << 1 << 2;
    QTest::newRow("Page Up in a box") << int(Qt::Key_PageUp) << 0 << 1 << 2;
    QTest::newRow("Page Down in a locked box") << int(Qt::Key_PageDown) << 0 << 2 << 2;
    QTest::newRow("Right alone") << int(Qt::Key_Right) << 0 << 0 << 2;
}

void PracticeWindowTest::keyboardPaths()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, focus);
    QFETCH(int, question);
    QVERIFY(open(102));
    QVERIFY(QTest::qWaitForWindowActive(window_));
    window_->ShowQuestion(2);
    QWidget *target = focus > 0 ? static_cast<QWidget *>(box(1)) : child("brwWebBrowser");
    box(1)->setReadOnly(focus == 2);
    target->setFocusPolicy(Qt::StrongFocus);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(window_->QSCount(), question);
}

void PracticeWindowTest::accessibleNamesAndTabOrder()
{
    QVERIFY(open(102));
    QVERIFY(QTest::qWaitForWindowActive(window_));
    window_->ShowQuestion(3);
    const auto name = [](QWidget *w, QAccessible::Text t) {
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
        return i ? i->text(t) : QString();
    };
    QCOMPARE(name(box(1), QAccessible::Name), QStringLiteral("Answer (a) of question 3"));
    QCOMPARE(name(box(2), QAccessible::Name), QStringLiteral("Answer (b) of question 3"));
    QCOMPARE(name(box(1), QAccessible::Description), QStringLiteral("Enter your answer"));
    // Every control of the window says what it is and what it does.
    for (const char *control : {"ToolBar01", "ToolBar02", "ToolBar03", "ToolBar04", "ToolBar05",
                                "ToolBar06", "imgProgClose", "imgProgMin", "imgProgMax",
                                "ImgHandle", "RemQns", "brwWebBrowser", "FA1", "FA2", "M1", "M2"}) {
        QWidget *w = child(QString::fromLatin1(control));
        QVERIFY2(w, control);
        QVERIFY2(!name(w, QAccessible::Name).isEmpty(), control);
        QVERIFY2(!name(w, QAccessible::Description).isEmpty(), control);
    }
    // The picture buttons are buttons to a screen reader, pressed through it like a click.
    QAccessibleInterface *print = QAccessible::queryAccessibleInterface(child("ToolBar03"));
    QCOMPARE(print->role(), QAccessible::Button);
    int printed = 0;
    PracticeWindow::setPrintDialogHook([&printed](QPrinter *) {
        ++printed;
        return false;
    });
    // The press returns before the command runs: a screen reader waiting for its reply is not
    // held up by a dialog the command opens.
    print->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(printed, 0);
    QTRY_COMPARE(printed, 1);
    window_->PaperClock(); // on the last question: Back enabled, Next not
    QVERIFY(!QAccessible::queryAccessibleInterface(child("ToolBar05"))->state().disabled);
    QVERIFY(QAccessible::queryAccessibleInterface(child("ToolBar06"))->state().disabled);
    // Tool tips name the keys.
    QCOMPARE(child("ToolBar01")->toolTip(), QStringLiteral("Save paper (Ctrl+S)"));
    QCOMPARE(child("lblTB06")->toolTip(), QStringLiteral("Next question (Alt+Right)"));
    QCOMPARE(child("ImgHandle")->toolTip(), QStringLiteral("Hide answer sheet (Ctrl+H)"));

    // Tab runs through the answer boxes in order.
    box(1)->setFocus();
    QTest::keyClick(box(1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box(2));

    // The keys of the other commands.
    QTest::keyClick(box(2), Qt::Key_H, Qt::ControlModifier);
    QVERIFY(!window_->answerSheetShown());
    QTest::keyClick(window_, Qt::Key_H, Qt::ControlModifier);
    QVERIFY(window_->answerSheetShown());
    int prints = 0;
    PracticeWindow::setPrintDialogHook([&prints](QPrinter *) {
        ++prints;
        return false;
    });
    QTest::keyClick(box(1), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(prints, 1);
    QTest::keyClicks(box(1), "dog");
    chrome::takePopUpCalls();
    QTest::keyClick(box(1), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(readBytes(file(results::ResultFile::FirstAnswers)),
             crlf({"#101#>>>>>>>>>>>>>>>>", "#102#>>>>dog>"}));
    chrome::setNextPopUpAnswers({false});
    QTest::keyClick(box(1), Qt::Key_M, Qt::ControlModifier);
    chrome::setNextPopUpAnswers({false});
    QTest::keyClick(box(1), Qt::Key_W, Qt::ControlModifier);
    QStringList titles;
    for (const chrome::PopUpCall &c : chrome::takePopUpCalls())
        titles << c.Title;
    QCOMPARE(titles, QStringList({"Larkspur", "Marking", "Close Practice"}));
}

void PracticeWindowTest::documentGuardRefusesCopying()
{
    // Key and mouse events that would copy the question are eaten and told; typing passes.
    QStringList told;
    DocumentGuard::setMessageHook([&](const QString &, const QString &text) { told << text; });
    const auto restore = qScopeGuard([] { DocumentGuard::setMessageHook({}); });
    QLineEdit first, second;
    DocumentGuard guard;
    guard.guard(&first);
    QTest::keyClick(&first, Qt::Key_A);
    QCOMPARE(first.text(), QStringLiteral("a"));
    first.selectAll();
    QTest::keyClick(&first, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(first.text(), QStringLiteral("a")); // not cut
    QTest::mouseClick(&first, Qt::RightButton);
    QCOMPARE(told, (QStringList{"Invalid operation", "Invalid operation"}));
    // A new target: the old one is free again.
    guard.guard(&second);
    QCOMPARE(guard.guarded(), &second);
    first.selectAll();
    QTest::keyClick(&first, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(first.text(), QString());
    QCOMPARE(told.size(), 2);
}

QTEST_MAIN(PracticeWindowTest)
#include "tst_practicewindow.moc"

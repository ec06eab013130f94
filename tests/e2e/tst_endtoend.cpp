// The program as a pupil uses it, with the course it ships: start-up as main() does it, a
// Mathematics paper picked from the home page, every question answered through the answer boxes
// with the paper's own model answers except one deliberate slip, the paper marked and closed, the
// new score on the home page and in the result files, then the second take of the same paper.
//
// The real question viewer is used when its plugin loads; without it the window shows its notice
// and everything here works the same. Setting LARKSPUR_E2E_PAUSE_S holds the screen for that many
// seconds after marking, after closing and in the second take, for looking at the windows by hand.

#include "app/datafolder.h"
#include "chrome/popup.h"
#include "content/content.h"
#include "home/homewindow.h"
#include "marking/marking.h"
#include "practice/practice.h"
#include "practice/practicewindow.h"
#include "practice/viewerhost.h"
#include "results/results.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

constexpr int Mathematics = 2;
constexpr int TopicClicked = 2;    // the second topic of the subject
constexpr int PaperRowClicked = 3; // its third paper
constexpr int PaperNumber = 100 + 5 * (TopicClicked - 1) + PaperRowClicked;
constexpr int AnswerRows = 20;

const QString Right(marking::RightMark);
const QString Wrong(marking::WrongMark);

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Types as a keyboard would: one key event per character. Characters outside ASCII go as text
// events, which is what a keyboard layout delivers for them.
void typeInto(QLineEdit *box, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void pauseForLooking()
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("LARKSPUR_E2E_PAUSE_S", &ok);
    if (ok && seconds > 0)
        QTest::qWait(seconds * 1000);
}

} // namespace

class EndToEndTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void firstTakeFromTheHomePage();
    void homePageAndFilesShowTheScore();
    void secondTakeLocksTheRightBlanks();
    void closingTheProgramAsksForUnsavedTyping();

private:
    template<typename T = QWidget> T *child(QWidget *w, const QString &name)
    {
        T *found = w ? w->findChild<T *>(name) : nullptr;
        if (!found)
            qWarning("no control %s", qPrintable(name));
        return found;
    }
    QString file(results::ResultFile f) const
    {
        return results::resultFilePath(data_.path(), f, Mathematics, home_->course().code);
    }
    practice::PracticeWindow *practiceWindow() const
    {
        return qobject_cast<practice::PracticeWindow *>(home_->practiceWindow());
    }
    // Clicks a toolbar button of the practice window once it is enabled.
    bool clickTool(practice::PracticeWindow *w, const QString &name);
    // Walks the practice window to question q with Back and Next.
    bool goToQuestion(practice::PracticeWindow *w, int q);
    int currentQuestion(practice::PracticeWindow *w);
    // The question (1-based) that blank i (paper-wide, 0-based) belongs to.
    int questionOfBlank(int i) const;

    QTemporaryDir data_;
    std::unique_ptr<app::SingleInstance> instance_;
    std::unique_ptr<home::HomeWindow> home_;
    content::PaperTables tables_;
    int paperCount_ = 0;
    QStringList typed_;       // what was typed into each blank, paper-wide order
    QStringList outcomes_;    // what marking must give each blank
    int wrongBlank_ = -1;     // the blank answered wrongly on purpose
    QString percent_;         // the expected first-take score text
    bool marked_ = false;     // the first take got through marking and closing
    bool realViewer_ = false; // the viewer plugin loaded
};

void EndToEndTest::initTestCase()
{
    QVERIFY(data_.isValid());
    qputenv("LARKSPUR_HOME", data_.path().toLocal8Bit());
#if defined(LARKSPUR_VIEWER_PLUGIN)
    practice::setViewerPluginPath(QStringLiteral(LARKSPUR_VIEWER_PLUGIN));
#endif
    // No dialog may ever wait for a pupil here: anything not preset answers "False" at once, and
    // every question asked is checked below.
    chrome::setPopUpDefaultAnswer(false);

    // As main() starts the program.
    const app::DataFolder folder = app::prepareDataFolder();
    QVERIFY(folder.ok);
    QCOMPARE(QFileInfo(folder.path).canonicalFilePath(),
             QFileInfo(data_.path()).canonicalFilePath());
    instance_ = std::make_unique<app::SingleInstance>(folder.path);
    QVERIFY(instance_->tryLock());
    home_ = std::make_unique<home::HomeWindow>(folder.path);
    home_->setPracticeOpener(
        [](const results::PaperPlace &place, std::function<void()> onUnload) -> QWidget * {
            return practice::openPracticeWindow(place, std::move(onUnload));
        });
    home_->setPracticeCloseQuery(practice::mayClose);
    QCOMPARE(home_->startUp(), home::HomeWindow::StartUpStatus::Ok);
    home_->show();
    home_->activateWindow();
    practice::preloadViewer();
    QVERIFY(QTest::qWaitForWindowExposed(home_.get()));

    realViewer_ = practice::viewerFactory() != nullptr;
    qInfo("question viewer: %s",
          realViewer_ ? "the HTML engine plugin" : "not loaded, the notice stands in for it");

    const content::SubjectInfo &maths = home_->course().subjects[Mathematics - 1];
    QCOMPARE(maths.name, QStringLiteral("Mathematics"));
    paperCount_ = maths.paperCount;
    QVERIFY(PaperNumber - 100 <= paperCount_);

    // What the pupil will type: the paper's model answers, computed against empty answers so
    // that each blank of a group gets its own alternative, and one slip.
    const content::PaperLoad load =
        content::LoadPaperTables(data_.path(), Mathematics, PaperNumber);
    QVERIFY(load.ok());
    tables_ = load.tables;
    QVERIFY(tables_.questionIds.size() >= 2);
    const QStringList empty(tables_.blankCount, QString());
    for (int i = 0; i < tables_.blankCount; ++i)
        typed_ << marking::ModelAnswer(empty, tables_.answerKeys, tables_.answerTypes, i,
                                       tables_.answerFlags);

    // The slip goes into the first blank of the second question that carries marks, with a text
    // that marking judges wrong and the box can hold.
    const int secondQuestionStart = tables_.blanksPerQuestion.at(0);
    for (int i = secondQuestionStart; i < tables_.blankCount && wrongBlank_ < 0; ++i) {
        if (tables_.blankMarks.at(i).toInt() <= 0)
            continue;
        for (const QString &slip : {QStringLiteral("zzq"), QStringLiteral("z"),
                                    QStringLiteral("98765"), QStringLiteral("9")}) {
            if (tables_.answerTypes.at(i) == QLatin1String("Q") && slip.size() > 1)
                continue; // a one-letter box
            QStringList attempt = typed_;
            attempt[i] = slip;
            const marking::TakeResult r =
                marking::MarkTake(attempt, tables_.answerKeys, tables_.answerTypes,
                                  tables_.blankMarks, tables_.answerFlags);
            if (r.outcomes.at(i) == Wrong) {
                typed_ = attempt;
                wrongBlank_ = i;
                break;
            }
        }
    }
    QVERIFY2(wrongBlank_ >= 0, "no blank of the paper can be answered wrongly");

    const marking::TakeResult expected = marking::MarkTake(
        typed_, tables_.answerKeys, tables_.answerTypes, tables_.blankMarks, tables_.answerFlags);
    outcomes_ = expected.outcomes;
    for (int i = 0; i < tables_.blankCount; ++i)
        QCOMPARE(outcomes_.at(i), i == wrongBlank_ ? Wrong : Right);
    const int score = tables_.totalMarks - tables_.blankMarks.at(wrongBlank_).toInt();
    QCOMPARE(expected.score, score);
    percent_ = marking::PercentText(score, tables_.totalMarks);
    QVERIFY(!percent_.isEmpty());
}

void EndToEndTest::cleanupTestCase()
{
    if (home_ && home_->practiceWindow()) {
        chrome::setNextPopUpAnswers({true});
        delete home_->practiceWindow();
    }
    home_.reset();
    instance_.reset();
    chrome::setPopUpDefaultAnswer({});
    qunsetenv("LARKSPUR_HOME");
}

bool EndToEndTest::clickTool(practice::PracticeWindow *w, const QString &name)
{
    QWidget *button = child(w, name);
    if (!button || !QTest::qWaitFor([button] { return button->isEnabled(); }, 2000))
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

int EndToEndTest::currentQuestion(practice::PracticeWindow *w)
{
    static const QRegularExpression title(QStringLiteral("^Question (\\d+)$"));
    const QRegularExpressionMatch m =
        title.match(child<QLabel>(w, QStringLiteral("QnTitle"))->text());
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

int EndToEndTest::questionOfBlank(int i) const
{
    for (int q = 1, end = 0; q <= tables_.blanksPerQuestion.size(); ++q) {
        end += tables_.blanksPerQuestion.at(q - 1);
        if (i < end)
            return q;
    }
    return 0;
}

bool EndToEndTest::goToQuestion(practice::PracticeWindow *w, int q)
{
    for (int steps = 0; steps < 2 * tables_.questionIds.size(); ++steps) {
        const int at = currentQuestion(w);
        if (at == q)
            return true;
        if (!clickTool(w, at < q ? QStringLiteral("ToolBar06") : QStringLiteral("ToolBar05")))
            return false;
    }
    return currentQuestion(w) == q;
}

void EndToEndTest::firstTakeFromTheHomePage()
{
    chrome::takePopUpCalls();

    // The subject, the topic, the paper.
    QTest::mouseClick(child(home_.get(), QStringLiteral("Tab02")), Qt::LeftButton);
    QCOMPARE(home_->state().LChose, Mathematics);
    QTest::mouseClick(child(home_.get(), QStringLiteral("Topic%1").arg(TopicClicked)),
                      Qt::LeftButton);
    QCOMPARE(home_->selectedTopic(), TopicClicked);
    const QString topicName =
        home_->course().subjects[Mathematics - 1].topicNames.at(TopicClicked - 1);
    QCOMPARE(child<QLabel>(home_.get(), QStringLiteral("SubH1"))->text(), topicName);
    // A fresh data folder: no score yet, so no second take offered.
    const QString row = QString::number(PaperRowClicked);
    QVERIFY(child<QLabel>(home_.get(), QStringLiteral("MSA") + row)->text().isEmpty());
    QVERIFY(!child(home_.get(), QStringLiteral("P%1b").arg(row))->isVisible());
    QTest::mouseClick(child(home_.get(), QStringLiteral("P%1a").arg(row)), Qt::LeftButton);
    QCOMPARE(home_->state().PaperNum, PaperNumber);
    QCOMPARE(home_->state().TakeNum, 1);

    QPointer<practice::PracticeWindow> w = practiceWindow();
    QVERIFY2(w, "no practice window opened");
    QCOMPARE(w->objectName(), QStringLiteral("Test1"));
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->windowTitle(), QStringLiteral("%1 - Paper %2").arg(topicName, row));
    QCOMPARE(child<QLabel>(w, QStringLiteral("lblTotalQ"))->text(),
             QString::number(tables_.blankCount));
    w->setProgressStepInterval(1);

    QWidget *view = child(w, QStringLiteral("brwWebBrowser"));
    QVERIFY(view && view->isVisible());
    if (realViewer_) {
        // The engine hands its page a widget of its own once the document has loaded.
        const bool rendered =
            QTest::qWaitFor([view] { return view->focusProxy() != nullptr; }, 20000);
        qInfo("question viewer: %s (%s)", view->metaObject()->className(),
              rendered ? "document loaded" : "no document loaded within 20 s");
    } else {
        QVERIFY(qobject_cast<QLabel *>(view));
        QCOMPARE(static_cast<QLabel *>(view)->text(), practice::viewerMissingText());
    }

    // Every question, box by box, then Next.
    const int questions = int(tables_.questionIds.size());
    int offset = 0;
    for (int q = 1; q <= questions; ++q) {
        QCOMPARE(currentQuestion(w), q);
        const int blanks = tables_.blanksPerQuestion.at(q - 1);
        for (int k = 1; k <= AnswerRows; ++k) {
            auto *box = child<QLineEdit>(w, QStringLiteral("FA%1").arg(k));
            QVERIFY(box);
            QCOMPARE(box->isVisible(), k <= blanks);
            if (k > blanks)
                continue;
            QVERIFY(box->text().isEmpty());
            QVERIFY(!box->isReadOnly());
            typeInto(box, typed_.at(offset + k - 1));
            QCOMPARE(box->text(), typed_.at(offset + k - 1));
        }
        offset += blanks;
        if (q < questions) {
            QVERIFY(clickTool(w, QStringLiteral("ToolBar06")));
        } else {
            // The last question: Next goes grey with the next tick.
            QTRY_VERIFY(!child(w, QStringLiteral("ToolBar06"))->isEnabled());
        }
    }
    QCOMPARE(offset, tables_.blankCount);
    // The count follows the stored answers: the last question's are stored by Mark.
    QLabel *answered = child<QLabel>(w, QStringLiteral("lblAnsweredQ"));
    QTRY_COMPARE(answered->text(),
                 QString::number(tables_.blankCount - tables_.blanksPerQuestion.last()));
    QVERIFY(chrome::takePopUpCalls().isEmpty());

    // Mark, confirming.
    chrome::setNextPopUpAnswers({true});
    QVERIFY(clickTool(w, QStringLiteral("ToolBar02")));
    QTRY_VERIFY(w && w->paper().isMarked());
    QVERIFY(!w->isMarking());
    QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].Title, QStringLiteral("Marking"));
    QCOMPARE(calls[0].Msg, QStringLiteral("Do you want to mark your practice now?"));
    QVERIFY(calls[0].answer);

    // The score, with or without the percent sign drawn in the same label.
    QString shown = child<QLabel>(w, QStringLiteral("PScoring"))->text();
    if (shown.endsWith(u'%'))
        shown.chop(1);
    QCOMPARE(shown, percent_);
    QTRY_COMPARE(answered->text(), QString::number(tables_.blankCount));
    QVERIFY(child(w, QStringLiteral("LTime"))->isVisible());
    QVERIFY(!child(w, QStringLiteral("lblClock"))->isVisible());
    QTRY_VERIFY(!child(w, QStringLiteral("ToolBar02"))->isEnabled());

    // The outcomes, question by question from the last one back: a tick or a cross beside each
    // box, the boxes locked.
    for (int q = questions; q >= 1; --q) {
        QVERIFY(goToQuestion(w, q));
        const int first = [&] {
            int o = 0;
            for (int i = 0; i < q - 1; ++i)
                o += tables_.blanksPerQuestion.at(i);
            return o;
        }();
        for (int k = 1; k <= tables_.blanksPerQuestion.at(q - 1); ++k) {
            const int i = first + k - 1;
            auto *mark = child<QLabel>(w, QStringLiteral("FR%1").arg(k));
            auto *box = child<QLineEdit>(w, QStringLiteral("FA%1").arg(k));
            QVERIFY2(mark->isVisible(),
                     qPrintable(QStringLiteral("FR%1 of question %2").arg(k).arg(q)));
            QCOMPARE(mark->text(), outcomes_.at(i) == Right ? QStringLiteral("\u2714")
                                                            : QStringLiteral("\u2718"));
            QVERIFY(box->isReadOnly());
            QCOMPARE(box->text(), typed_.at(i));
        }
    }
    QVERIFY(chrome::takePopUpCalls().isEmpty());
    // The pupil ends on the slip, where the cross is.
    QVERIFY(goToQuestion(w, questionOfBlank(wrongBlank_)));
    pauseForLooking();

    // Close, confirming; the window goes and the home page is refreshed.
    chrome::setNextPopUpAnswers({true});
    QVERIFY(clickTool(w, QStringLiteral("ToolBar04")));
    QTRY_VERIFY(w.isNull());
    calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].Title, QStringLiteral("Close Practice"));
    QCOMPARE(calls[0].Msg, QStringLiteral("Confirm?"));
    QVERIFY(!home_->practiceWindow());
    QVERIFY(!QFile::exists(content::questionFilePath(data_.path(), tables_.questionIds.last())));
    marked_ = true;
}

void EndToEndTest::homePageAndFilesShowTheScore()
{
    if (!marked_)
        QSKIP("the first take did not get through");
    const QString row = QString::number(PaperRowClicked);

    // The home page, refreshed by the window's unload, still on the same topic.
    QCOMPARE(home_->selectedTopic(), TopicClicked);
    QCOMPARE(child<QLabel>(home_.get(), QStringLiteral("MSA") + row)->text(), percent_);
    QVERIFY(child<QLabel>(home_.get(), QStringLiteral("MSB") + row)->text().isEmpty());
    QVERIFY(child(home_.get(), QStringLiteral("P%1b").arg(row))->isVisible());
    QVERIFY(child(home_.get(), QStringLiteral("P%1a").arg(row))->isVisible());
    pauseForLooking();

    // The answers as typed.
    const results::TakeRecord answers = results::ReadTakeRecord(
        file(results::ResultFile::FirstAnswers), paperCount_, PaperNumber, tables_.blankCount);
    QCOMPARE(answers.fields, typed_);

    // The outcomes as the bytes the files have always held: 252 right, 251 wrong.
    const QList<QByteArray> lines = readAll(file(results::ResultFile::FirstResults)).split('\n');
    QCOMPARE(lines.size(), paperCount_ + 1); // CR LF after every record
    const QByteArray key = "#" + QByteArray::number(PaperNumber) + "#";
    QByteArray record;
    for (const QByteArray &line : lines) {
        if (line.startsWith(key))
            record = line.chopped(line.endsWith('\r') ? 1 : 0);
        else if (!line.isEmpty())
            QVERIFY2(!line.contains('\xfc') && !line.contains('\xfb'), line.constData());
    }
    QList<QByteArray> fields = record.split('>');
    QCOMPARE(fields.takeFirst(), key);
    QCOMPARE(fields.size(), tables_.blankCount);
    for (int i = 0; i < tables_.blankCount; ++i)
        QCOMPARE(fields.at(i), i == wrongBlank_ ? QByteArray("\xfb") : QByteArray("\xfc"));

    // The summary: score, status, time and date of this paper only.
    const results::Summary summary =
        results::ReadSummary(file(results::ResultFile::Summary), paperCount_);
    for (int p = 101; p <= 100 + paperCount_; ++p) {
        const bool self = p == PaperNumber;
        QCOMPARE(summary.field(results::FSE, p), self ? percent_ : QString());
        QCOMPARE(summary.field(results::FST, p), self ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(summary.field(results::SSE, p), QString());
        QCOMPARE(summary.field(results::SST, p), QStringLiteral("0"));
    }
    QVERIFY(QRegularExpression(QStringLiteral("^\\d+:\\d+:\\d+$"))
                .match(summary.field(results::LTM, PaperNumber))
                .hasMatch());
    QCOMPARE(summary.field(results::CDD, PaperNumber),
             results::shortDateText(QDate::currentDate()));

    // One trend entry.
    QCOMPARE(results::ReadTrend(file(results::ResultFile::Trend)), QStringList{percent_});
    QCOMPARE(readAll(file(results::ResultFile::Trend)), "#TRD#>" + percent_.toLatin1() + "\r\n");
}

void EndToEndTest::secondTakeLocksTheRightBlanks()
{
    if (!marked_)
        QSKIP("the first take did not get through");
    chrome::takePopUpCalls();

    QTest::mouseClick(child(home_.get(), QStringLiteral("P%1b").arg(PaperRowClicked)),
                      Qt::LeftButton);
    QCOMPARE(home_->state().PaperNum, PaperNumber);
    QCOMPARE(home_->state().TakeNum, 2);
    QPointer<practice::PracticeWindow> w = practiceWindow();
    QVERIFY2(w, "no practice window opened for the second take");
    QCOMPARE(w->objectName(), QStringLiteral("Test2"));
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QVERIFY(!w->paper().isMarked());
    // A second take has no clock, time or date; it says what it is instead.
    for (const char *name : {"lblClock", "LTime", "lblDate", "ETime"})
        QVERIFY2(!w->findChild<QLabel *>(QString::fromLatin1(name)), name);
    QCOMPARE(child<QLabel>(w, QStringLiteral("lblSecondAttempt"))->text(),
             QStringLiteral("Second Attempt"));

    // Question by question: the blanks right the first time are filled in and locked, with
    // their tick; the slip's box is open and empty.
    int first = 0;
    for (int q = 1; q <= tables_.questionIds.size(); ++q) {
        QVERIFY(goToQuestion(w, q));
        for (int k = 1; k <= tables_.blanksPerQuestion.at(q - 1); ++k) {
            const int i = first + k - 1;
            auto *box = child<QLineEdit>(w, QStringLiteral("FA%1").arg(k));
            auto *mark = child<QLabel>(w, QStringLiteral("FR%1").arg(k));
            const QString where = QStringLiteral("FA%1 of question %2").arg(k).arg(q);
            QVERIFY2(box->isVisible(), qPrintable(where));
            if (i == wrongBlank_) {
                QVERIFY2(!box->isReadOnly(), qPrintable(where));
                QVERIFY2(box->text().isEmpty(), qPrintable(where));
                QVERIFY2(!mark->isVisible(), qPrintable(where));
            } else {
                QVERIFY2(box->isReadOnly(), qPrintable(where));
                QCOMPARE(box->text(), typed_.at(i));
                QVERIFY2(mark->isVisible(), qPrintable(where));
                QCOMPARE(mark->text(), QStringLiteral("\u2714"));
            }
        }
        first += tables_.blanksPerQuestion.at(q - 1);
    }
    QVERIFY(chrome::takePopUpCalls().isEmpty());
    QVERIFY(goToQuestion(w, questionOfBlank(wrongBlank_)));
    pauseForLooking();

    // Closed without marking: the first take's score stays on the home page.
    chrome::setNextPopUpAnswers({true});
    QVERIFY(clickTool(w, QStringLiteral("ToolBar04")));
    QTRY_VERIFY(w.isNull());
    QCOMPARE(chrome::takePopUpCalls().size(), 1);
    QCOMPARE(child<QLabel>(home_.get(), QStringLiteral("MSA%1").arg(PaperRowClicked))->text(),
             percent_);
    QVERIFY(
        child<QLabel>(home_.get(), QStringLiteral("MSB%1").arg(PaperRowClicked))->text().isEmpty());
    // The second take never writes over the first take's answers.
    QCOMPARE(results::ReadTakeRecord(file(results::ResultFile::FirstAnswers), paperCount_,
                                     PaperNumber, tables_.blankCount)
                 .fields,
             typed_);
}

void EndToEndTest::closingTheProgramAsksForUnsavedTyping()
{
    QTest::mouseClick(child(home_.get(), QStringLiteral("P1a")), Qt::LeftButton);
    QPointer<QWidget> w = home_->practiceWindow();
    QVERIFY(w);
    typeInto(child<QLineEdit>(w, QStringLiteral("FA1")), QStringLiteral("7"));
    chrome::takePopUpCalls();
    // The home window's Close: the paper asks first, and "No" keeps both windows.
    chrome::setNextPopUpAnswers({false});
    QTest::mouseClick(child(home_.get(), QStringLiteral("ToolBar04")), Qt::LeftButton);
    QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].Msg, QStringLiteral("Confirm?"));
    QVERIFY(w && w->isVisible() && home_->isVisible());
    // The title bar's close asks the same; "Yes" closes the paper, then the program.
    chrome::setNextPopUpAnswers({true});
    QTest::mouseClick(child(home_.get(), QStringLiteral("imgProgClose")), Qt::LeftButton);
    QCOMPARE(chrome::takePopUpCalls().size(), 1);
    QTRY_VERIFY(w.isNull());
    QVERIFY(!home_->isVisible());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Larkspur"));
    QApplication::setOrganizationName(QStringLiteral("Larkspur"));
    EndToEndTest test;
    const int failures = QTest::qExec(&test, argc, argv);
    // Leave as the program does, through the event loop, so that what waits for the end of the
    // run (the viewer's engine) is let go in order.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    QApplication::exec();
    return failures;
}

#include "tst_endtoend.moc"

// A teacher's course as one file, end to end: the small course of the author's guide, copied
// from the guide and built with coursepack into a course file; the program started with --course
// and that file; a paper opened, answered, marked and found under the course's code; then the
// course updated (one paper's blanks changed, a topic added): the unchanged paper keeps its
// results, the changed one's are in the archive, the pupil is told once, nothing is "damaged".

#include "app/commandline.h"
#include "app/coursestart.h"
#include "app/datafolder.h"
#include "chrome/popup.h"
#include "content/content.h"
#include "courses/layouts.h"
#include "home/homewindow.h"
#include "marking/marking.h"
#include "practice/practice.h"
#include "practice/practicewindow.h"
#include "practice/viewerhost.h"
#include "results/results.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString Code = QStringLiteral("PETS");

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeText(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text) == text.size();
}

struct Run
{
    int exitCode = -1;
    QString out, err;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    Run r;
    if (p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit)
        r.exitCode = p.exitCode();
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

// The files of "A complete small course" in the guide, as a teacher copies them.
bool copyGuideCourse(const QString &guide, const QString &into)
{
    const QString text = QString::fromUtf8(readAll(guide));
    const qsizetype section = text.indexOf(QStringLiteral("## A complete small course"));
    if (section < 0)
        return false;
    static const QRegularExpression file(
        QStringLiteral("^`(pets/[^`]+)`[^:]*:\\n\\n```[a-z]*\\n(.*?)```"),
        QRegularExpression::MultilineOption | QRegularExpression::DotMatchesEverythingOption);
    int copied = 0;
    for (auto it = file.globalMatch(text, section); it.hasNext(); ++copied) {
        const QRegularExpressionMatch m = it.next();
        if (!writeText(into + u'/' + m.captured(1), m.captured(2).toUtf8()))
            return false;
    }
    // "paper2.txt to paper5.txt, which may list the same or other questions": other ones, so
    // that a change to one question changes one paper.
    for (int p = 2; p <= 5; ++p)
        writeText(into + QStringLiteral("/pets/pets/care/paper%1.txt").arg(p), "food.html\n");
    QImage rabbit(48, 32, QImage::Format_RGB32);
    rabbit.fill(QColor(200, 120, 60));
    return copied == 5 && rabbit.save(into + QStringLiteral("/pets/pets/care/rabbit.png"));
}

} // namespace

class CourseShareTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void programOpensTheCourseFile();
    void paperMarkedUnderTheCourseCode();
    void updateKeepsResults();

private:
    QString build(const QString &name);
    bool startHome(const QString &courseFile);
    // Opens paper `row` of the first topic, answers every blank with its model answer, marks it
    // and closes it.
    void takePaper(int row);
    template<typename T = QWidget> T *child(QWidget *w, const QString &name)
    {
        return w ? w->findChild<T *>(name) : nullptr;
    }
    QString resultFile(results::ResultFile f) const
    {
        return results::resultFilePath(data_.path(), f, 1, Code);
    }

    QTemporaryDir work_, data_;
    QString sources_;
    QString courseFile_;
    std::unique_ptr<home::HomeWindow> home_;
};

void CourseShareTest::initTestCase()
{
    QVERIFY(work_.isValid() && data_.isValid());
    // No installed course of this machine takes part.
    qputenv("XDG_DATA_HOME", work_.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", work_.filePath(QStringLiteral("system")).toLocal8Bit());
#if defined(LARKSPUR_VIEWER_PLUGIN)
    practice::setViewerPluginPath(QStringLiteral(LARKSPUR_VIEWER_PLUGIN));
#endif
    chrome::setPopUpDefaultAnswer(false);
    sources_ = work_.filePath(QStringLiteral("src"));
    QVERIFY(copyGuideCourse(QStringLiteral(LARKSPUR_GUIDE), sources_));
    courseFile_ = build(QStringLiteral("pets.larkspur"));
    QVERIFY(!courseFile_.isEmpty());
}

void CourseShareTest::cleanupTestCase()
{
    home_.reset();
    content::setCourseItems(nullptr);
    chrome::setPopUpDefaultAnswer({});
}

QString CourseShareTest::build(const QString &name)
{
    const QString file = work_.filePath(name);
    const Run r = run(QStringLiteral(LARKSPUR_COURSEPACK),
                      {QStringLiteral("--file"), file, sources_ + QStringLiteral("/pets")});
    if (r.exitCode != 0) {
        qWarning("coursepack: %s%s", qPrintable(r.out), qPrintable(r.err));
        return {};
    }
    return file;
}

void CourseShareTest::programOpensTheCourseFile()
{
    // The program itself, as a teacher tests the file.
    const QString folder = work_.filePath(QStringLiteral("selftest"));
    Run r = run(QStringLiteral(LARKSPUR_PROGRAM),
                {QStringLiteral("--data-dir"), folder, QStringLiteral("--course"), courseFile_,
                 QStringLiteral("--self-test")});
    QVERIFY2(r.out.contains(QStringLiteral("course: Pets Practice (PETS)")),
             qPrintable(r.out + r.err));
    QVERIFY(QFile::exists(folder + QStringLiteral("/marks1PETS.txt")));

    // A damaged copy is refused with its reason, and nothing is started.
    const QString broken = work_.filePath(QStringLiteral("broken.larkspur"));
    QVERIFY(writeText(broken, readAll(courseFile_).chopped(100)));
    r = run(QStringLiteral(LARKSPUR_PROGRAM),
            {QStringLiteral("--data-dir"), work_.filePath(QStringLiteral("broken")),
             QStringLiteral("--course"), broken, QStringLiteral("--self-test")});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("cannot be opened: the file is damaged or cut short")),
             qPrintable(r.err));
    QVERIFY(!QFile::exists(work_.filePath(QStringLiteral("broken/marks1PETS.txt"))));

    // Installed for every user, it is listed beside the built-in course.
    const QString system = work_.filePath(QStringLiteral("system/larkspur/courses"));
    QVERIFY(QDir().mkpath(system));
    QVERIFY(QFile::copy(courseFile_, system + QStringLiteral("/pets.larkspur")));
    r = run(QStringLiteral(LARKSPUR_PROGRAM), {QStringLiteral("--list-courses")});
    QCOMPARE(r.exitCode, 0);
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].endsWith(QStringLiteral("(built in)")), qPrintable(r.out));
    QVERIFY2(lines[1].startsWith(QStringLiteral("PETS\tPets Practice, version 1\t")),
             qPrintable(r.out));
    QVERIFY(QFile::remove(system + QStringLiteral("/pets.larkspur")));
}

bool CourseShareTest::startHome(const QString &courseFile)
{
    home_.reset();
    app::CommandLine line;
    line.courseFile = courseFile;
    const app::CourseStart start = app::startCourse(line, data_.path(), {});
    if (!start.ok) {
        qWarning("%s", qPrintable(start.error));
        return false;
    }
    home_ = std::make_unique<home::HomeWindow>(data_.path());
    home_->setPracticeOpener(
        [](const results::PaperPlace &place, std::function<void()> onUnload) -> QWidget * {
            return practice::openPracticeWindow(place, std::move(onUnload));
        });
    home_->setPracticeCloseQuery(practice::mayClose);
    if (home_->startUp() != home::HomeWindow::StartUpStatus::Ok)
        return false;
    home_->show();
    return QTest::qWaitForWindowExposed(home_.get());
}

void CourseShareTest::takePaper(int row)
{
    const int paper = 100 + row;
    const content::PaperLoad load = content::LoadPaperTables(data_.path(), 1, paper);
    QVERIFY(load.ok());
    const content::PaperTables &t = load.tables;
    const QStringList empty(t.blankCount, QString());

    QTest::mouseClick(child(home_.get(), QStringLiteral("P%1a").arg(row)), Qt::LeftButton);
    QPointer<practice::PracticeWindow> w =
        qobject_cast<practice::PracticeWindow *>(home_->practiceWindow());
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->setProgressStepInterval(1);
    // LARKSPUR_E2E_PAUSE_S holds the first question on screen, for looking at it by hand.
    bool pause = false;
    if (const int seconds = qEnvironmentVariableIntValue("LARKSPUR_E2E_PAUSE_S", &pause); pause)
        QTest::qWait(seconds * 1000);
    int offset = 0;
    for (qsizetype q = 0; q < t.questionIds.size(); ++q) {
        for (int k = 1; k <= t.blanksPerQuestion.at(q); ++k) {
            auto *box = child<QLineEdit>(w, QStringLiteral("FA%1").arg(k));
            QVERIFY(box && box->isVisible());
            const QString answer =
                marking::ModelAnswer(empty, t.answerKeys, t.answerTypes, offset + k - 1);
            QTest::keyClicks(box, answer);
            QCOMPARE(box->text(), answer);
        }
        offset += t.blanksPerQuestion.at(q);
        if (q + 1 < t.questionIds.size()) {
            QWidget *next = child(w, QStringLiteral("ToolBar06"));
            QTRY_VERIFY(next->isEnabled());
            QTest::mouseClick(next, Qt::LeftButton);
        }
    }
    chrome::setNextPopUpAnswers({true});
    QWidget *mark = child(w, QStringLiteral("ToolBar02"));
    QTRY_VERIFY(mark->isEnabled());
    QTest::mouseClick(mark, Qt::LeftButton);
    QTRY_VERIFY(w && w->paper().isMarked());
    chrome::setNextPopUpAnswers({true});
    QWidget *close = child(w, QStringLiteral("ToolBar04"));
    QTRY_VERIFY(close->isEnabled());
    QTest::mouseClick(close, Qt::LeftButton);
    QTRY_VERIFY(w.isNull());
}

void CourseShareTest::paperMarkedUnderTheCourseCode()
{
    QVERIFY(startHome(courseFile_));
    QCOMPARE(home_->course().code, Code);
    QCOMPARE(home_->course().subjects[0].name, QStringLiteral("Pets"));
    QVERIFY(home_->courseUpdateNotice().isEmpty());
    chrome::takePopUpCalls();
    takePaper(1);
    if (QTest::currentTestFailed())
        return;
    takePaper(2);
    if (QTest::currentTestFailed())
        return;

    const results::Summary summary =
        results::ReadSummary(resultFile(results::ResultFile::Summary), 5);
    QCOMPARE(summary.field(results::FST, 101), QStringLiteral("1"));
    QCOMPARE(summary.field(results::FSE, 101), QStringLiteral("100"));
    QCOMPARE(summary.field(results::FST, 102), QStringLiteral("1"));
    QCOMPARE(results::ReadTrend(resultFile(results::ResultFile::Trend)).size(), 2);
    // Nothing under the built-in course's code.
    QVERIFY(QDir(data_.path()).entryList({QStringLiteral("marks1LPP.txt")}).isEmpty());
}

void CourseShareTest::updateKeepsResults()
{
    // The teacher's next edition: paper 1's second question gains a blank, a topic is added.
    const QString care = sources_ + QStringLiteral("/pets/pets/care/");
    QByteArray counting = readAll(care + QStringLiteral("counting.html"));
    QVERIFY(!counting.isEmpty());
    counting += "<p>How many kilograms are left after 2 weeks? <blank type=\"N\">1.5</blank></p>\n";
    QVERIFY(writeText(care + QStringLiteral("counting.html"), counting));
    QByteArray subject = readAll(sources_ + QStringLiteral("/pets/pets/subject.json"));
    subject.replace("\"care/paper5.txt\"] }",
                    "\"care/paper5.txt\"] },\n    { \"name\": \"Feeding\", \"papers\": "
                    "[\"care/paper2.txt\", \"care/paper3.txt\", \"care/paper4.txt\", "
                    "\"care/paper5.txt\", \"care/paper1.txt\"] }");
    QVERIFY(writeText(sources_ + QStringLiteral("/pets/pets/subject.json"), subject));
    const QString updated = build(QStringLiteral("pets-2.larkspur"));
    QVERIFY(!updated.isEmpty());

    QVERIFY(startHome(updated));
    QCOMPARE(home_->course().subjects[0].paperCount, 10);
    const QString notice = home_->courseUpdateNotice();
    QVERIFY2(notice.startsWith(QStringLiteral(
                 "The Pets course was updated: your earlier results for 1 paper were kept in ")),
             qPrintable(notice));
    const QString archive = courses::archiveFolderPath(data_.path()) +
                            QStringLiteral("/results1PETS-") +
                            QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".txt");
    QVERIFY2(notice.contains(QDir::toNativeSeparators(archive)), qPrintable(notice));
    const QByteArray archived = readAll(archive);
    QVERIFY(archived.contains("#first101#>"));
    QVERIFY(archived.contains("#marks101#>100>"));
    QVERIFY(!archived.contains("#first102#"));
    chrome::takePopUpCalls();
    home_->showCourseUpdateNotice();
    home_->showCourseUpdateNotice();
    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].Msg, notice);

    // The unchanged paper keeps its results; the changed one starts afresh; the new ones exist.
    const results::Summary summary =
        results::ReadSummary(resultFile(results::ResultFile::Summary), 10);
    QVERIFY(!summary.damaged);
    QCOMPARE(summary.field(results::FST, 101), QStringLiteral("0"));
    QCOMPARE(summary.field(results::FSE, 101), QString());
    QCOMPARE(summary.field(results::FST, 102), QStringLiteral("1"));
    QCOMPARE(summary.field(results::FSE, 102), QStringLiteral("100"));
    QCOMPARE(summary.field(results::FST, 110), QStringLiteral("0"));

    // The changed paper taken anew, under its new blanks: no "damaged" copy anywhere.
    takePaper(1);
    const QStringList damaged =
        QDir(data_.path()).entryList({QStringLiteral("*-damaged-*")}, QDir::Files);
    QVERIFY2(damaged.isEmpty(), qPrintable(damaged.join(u' ')));
    QCOMPARE(
        results::ReadSummary(resultFile(results::ResultFile::Summary), 10).field(results::FST, 101),
        QStringLiteral("1"));

    // Told once: the next start has nothing to say.
    QVERIFY(startHome(updated));
    QVERIFY(home_->courseUpdateNotice().isEmpty());
    QCOMPARE(QDir(courses::archiveFolderPath(data_.path())).entryList(QDir::Files).size(), 1);
}

QTEST_MAIN(CourseShareTest)
#include "tst_courseshare.moc"

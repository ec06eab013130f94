#include "coursefixture.h"

#include "chrome/imagebutton.h"
#include "chrome/popup.h"
#include "content/content.h"
#include "home/homewindow.h"
#include "records/records.h"
#include "results/results.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using home::HomeWindow;

// The home window on a course written into a temporary folder; LARKSPUR_HOME points at a second
// temporary folder, the data folder.
class TestHomeWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void firstStartWritesEveryFileBeforeReading();
    void missingFilesOnlyAreWritten_data();
    void missingFilesOnlyAreWritten();
    void unnamedSecondSubject();
    void topicLabelsFollowTopicCount_data();
    void topicLabelsFollowTopicCount();
    void scoreRows_data();
    void scoreRows();
    void secondTakeOfPaper108();
    void openingClosesThePracticeWindowFirst();
    void noOpenerShowsNotice();
    void refreshKeepsTopicTabClickReturnsToFirst();
    void tabClickRaisesTab();
    void missingDescriptorStopsInOrder();
    void interruptedMarkFinishedBeforeFiguresShow();

private:
    std::unique_ptr<HomeWindow> start(const TestCourse &course = {});
    template<typename T = QWidget> T *child(HomeWindow &w, const QString &name)
    {
        T *found = w.findChild<T *>(name);
        if (!found)
            qWarning("no control %s", qPrintable(name));
        return found;
    }

    std::unique_ptr<QTemporaryDir> m_items;
    std::unique_ptr<QTemporaryDir> m_data;
};

void TestHomeWindow::init()
{
    m_items = std::make_unique<QTemporaryDir>();
    m_data = std::make_unique<QTemporaryDir>();
    QVERIFY(m_items->isValid() && m_data->isValid());
    qputenv("LARKSPUR_HOME", m_data->path().toLocal8Bit());
    content::setItemRoot(m_items->path());
    chrome::setNextPopUpAnswers({});
    chrome::takePopUpCalls();
}

void TestHomeWindow::cleanup()
{
    content::setItemRoot(QStringLiteral(":/items"));
    qunsetenv("LARKSPUR_HOME");
}

std::unique_ptr<HomeWindow> TestHomeWindow::start(const TestCourse &course)
{
    writeCourse(m_items->path(), course);
    auto w = std::make_unique<HomeWindow>(m_data->path());
    const HomeWindow::StartUpStatus status = w->startUp();
    if (status != HomeWindow::StartUpStatus::Ok)
        qWarning("start-up failed");
    w->show();
    return w;
}

void TestHomeWindow::firstStartWritesEveryFileBeforeReading()
{
    writeCourse(m_items->path(), TestCourse{});
    HomeWindow w(m_data->path());
    const QString folder = m_data->path();
    int reads = 0;
    QStringList missingAtFirstRead;
    w.setSummaryReadObserver([&](const QString &path) {
        if (reads++ == 0) {
            for (int s = 1; s <= 3; ++s)
                for (const QString &base : resultBases())
                    if (!QFile::exists(resultFile(folder, base, s)))
                        missingAtFirstRead << resultFile(folder, base, s);
        }
        QCOMPARE(path, resultFile(folder, QStringLiteral("marks"), 1));
    });
    QCOMPARE(w.startUp(), HomeWindow::StartUpStatus::Ok);
    QVERIFY(reads > 0);
    QCOMPARE(missingAtFirstRead, QStringList{});
    // The summary came from the template just written: 30 papers, every status "0".
    QCOMPARE(w.summary().records[4], QStringList(30, QStringLiteral("0")));
    QCOMPARE(readBytes(resultFile(folder, QStringLiteral("marks"), 2)), summaryTemplate(35));
    QCOMPARE(readBytes(resultFile(folder, QStringLiteral("trend"), 3)), QByteArray("#TRD#\r\n"));
    // The temporary descriptor is gone; the graphics folder exists.
    QVERIFY(!QFile::exists(folder + QStringLiteral("/temptext30000.txt")));
    QVERIFY(QDir(folder + QStringLiteral("/Graphics")).exists());
}

void TestHomeWindow::missingFilesOnlyAreWritten_data()
{
    QTest::addColumn<QStringList>("present"); // "base:subject" kept from an earlier run
    QTest::newRow("one subject's marks and trend")
        << QStringList{QStringLiteral("marks:1"), QStringLiteral("trend:1")};
    QTest::newRow("everything but one answer file")
        << QStringList{"marks:1", "first:1",  "fresults:1", "sresults:1", "trend:1", "marks:2",
                       "first:2", "second:2", "fresults:2", "sresults:2", "trend:2", "marks:3",
                       "first:3", "second:3", "fresults:3", "sresults:3", "trend:3"};
    QTest::newRow("other subjects complete, first subject empty")
        << QStringList{"marks:2", "first:2", "second:2", "fresults:2", "sresults:2", "trend:2",
                       "marks:3", "first:3", "second:3", "fresults:3", "sresults:3", "trend:3"};
}

void TestHomeWindow::missingFilesOnlyAreWritten()
{
    QFETCH(QStringList, present);
    const QString folder = m_data->path();
    QHash<QString, QByteArray> stored;
    for (const QString &entry : present) {
        const QString base = entry.section(u':', 0, 0);
        const int s = entry.section(u':', 1, 1).toInt();
        const QString path = resultFile(folder, base, s);
        const QByteArray bytes = base == QLatin1String("marks")
                                     ? summaryWith(s == 1 ? 30 : 35, {QStringLiteral("88.8")}, {})
                                     : QByteArray("#101#>kept ") + QByteArray::number(s) + "\r\n";
        QVERIFY(writeBytes(path, bytes));
        stored.insert(path, bytes);
    }

    auto w = start();
    for (int s = 1; s <= 3; ++s) {
        const int papers = s == 1 ? 30 : 35;
        for (const QString &base : resultBases()) {
            const QString path = resultFile(folder, base, s);
            if (stored.contains(path)) {
                QCOMPARE(readBytes(path), stored.value(path));
                continue;
            }
            const QByteArray expected = base == QLatin1String("marks")   ? summaryTemplate(papers)
                                        : base == QLatin1String("trend") ? QByteArray("#TRD#\r\n")
                                                                         : answerTemplate(papers);
            QCOMPARE(readBytes(path), expected);
        }
    }
    if (present.contains(QStringLiteral("marks:1")))
        QCOMPARE(child<QLabel>(*w, QStringLiteral("MSA1"))->text(), QStringLiteral("88.8"));
}

void TestHomeWindow::unnamedSecondSubject()
{
    TestCourse course;
    course.subjects[1].name.clear();
    auto w = start(course);
    QWidget *t1 = child(*w, QStringLiteral("Tab01"));
    QWidget *t2 = child(*w, QStringLiteral("Tab02"));
    QWidget *t3 = child(*w, QStringLiteral("Tab03"));
    QWidget *t4 = child(*w, QStringLiteral("Tab04"));
    QCOMPARE(t1->x(), 2);
    QCOMPARE(t2->x(), -t1->width());
    QVERIFY(t2->geometry().right() < 0); // entirely off the window
    QCOMPARE(t3->x(), 2 + t1->width() - 4);
    QCOMPARE(t4->x(), t3->x() + t3->width() - 4);
    QCOMPARE(child<QLabel>(*w, QStringLiteral("Tab04lbl"))->text(), QStringLiteral("Help"));
    QCOMPARE(child<QLabel>(*w, QStringLiteral("Tab03lbl"))->text(), QStringLiteral("Science"));
    QCOMPARE(t3->toolTip(), QStringLiteral("Load Science Module"));
    for (const QString &base : resultBases()) {
        QVERIFY(!QFile::exists(resultFile(m_data->path(), base, 2)));
        QVERIFY(QFile::exists(resultFile(m_data->path(), base, 3)));
    }
    // The Science tab opens subject 3.
    QTest::mouseClick(t3, Qt::LeftButton);
    QCOMPARE(w->state().LChose, 3);
    QCOMPARE(w->state().TtPapersCon, 35);
}

void TestHomeWindow::topicLabelsFollowTopicCount_data()
{
    QTest::addColumn<int>("topics");
    QTest::newRow("6 topics") << 6;
    QTest::newRow("7 topics") << 7;
    QTest::newRow("10 topics") << 10;
}

void TestHomeWindow::topicLabelsFollowTopicCount()
{
    QFETCH(int, topics);
    TestCourse course;
    course.subjects[0].topics = topics;
    auto w = start(course);
    for (int n = 1; n <= 10; ++n) {
        QWidget *label = child(*w, QStringLiteral("Topic%1").arg(n));
        QWidget *bullet = child(*w, QStringLiteral("Bullet%1").arg(n));
        QCOMPARE(label->isVisible(), n <= topics);
        QCOMPARE(bullet->isVisible(), n <= topics);
        if (n <= topics)
            QCOMPARE(static_cast<QLabel *>(label)->text(), topicName(1, n));
    }
    // The last topic shows the subject's last five papers.
    QTest::mouseClick(child(*w, QStringLiteral("Topic%1").arg(topics)), Qt::LeftButton);
    QCOMPARE(w->state().TopicCount, 5 * (topics - 1) + 1);
    QCOMPARE(w->state().SubH1, topicName(1, topics));
}

void TestHomeWindow::scoreRows_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("tryAgain");
    QTest::newRow("100") << "100"
                         << "" << false;
    QTest::newRow("99.5") << "99.5"
                          << "" << false;
    QTest::newRow("99") << "99"
                        << "100" << true;
    QTest::newRow("no score") << ""
                              << "" << false;
    QTest::newRow("second take without a first") << ""
                                                 << "75" << false;
}

void TestHomeWindow::scoreRows()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, tryAgain);
    // Paper 4 of topic 1 (paper 104).
    QVERIFY(writeBytes(resultFile(m_data->path(), QStringLiteral("marks"), 1),
                       summaryWith(30, {"50", "", "", first}, {"", "", "", second})));
    auto w = start();
    auto *msa = child<QLabel>(*w, QStringLiteral("MSA4"));
    auto *msb = child<QLabel>(*w, QStringLiteral("MSB4"));
    QWidget *percent = child(*w, QStringLiteral("Percent1a"));
    QCOMPARE(msa->text(), first);
    QCOMPARE(msb->text(), second);
    QCOMPARE(child(*w, QStringLiteral("P4b"))->isVisible(), tryAgain);
    QVERIFY(child(*w, QStringLiteral("P4a"))->isVisible());
    // Scores end just before the percent column, right-aligned whatever their width.
    if (!first.isEmpty()) {
        QCOMPARE(msa->geometry().right() + 1, percent->x() - 1);
        QVERIFY(msa->width() >= msa->fontMetrics().horizontalAdvance(first));
    }
    if (!second.isEmpty())
        QCOMPARE(msb->geometry().right() + 1, percent->x() - 1);
    // Paper 1 has a first take of 50: its second-take button is there.
    QVERIFY(child(*w, QStringLiteral("P1b"))->isVisible());
}

void TestHomeWindow::secondTakeOfPaper108()
{
    QVERIFY(writeBytes(resultFile(m_data->path(), QStringLiteral("marks"), 1),
                       summaryWith(30, {"", "", "", "", "", "", "", "40"}, {})));
    auto w = start();
    home::HomeState seen;
    int opened = 0;
    w->setPracticeOpener([&](home::HomeState &state, std::function<void()>) -> QWidget * {
        seen = state;
        ++opened;
        return nullptr;
    });
    QTest::mouseClick(child(*w, QStringLiteral("Topic2")), Qt::LeftButton);
    QWidget *p3b = child(*w, QStringLiteral("P3b"));
    QVERIFY(p3b->isVisible());
    QTest::mouseClick(p3b, Qt::LeftButton);
    QCOMPARE(opened, 1);
    QCOMPARE(seen.PaperNum, 108);
    QCOMPARE(seen.TakeNum, 2);
    QCOMPARE(seen.LChose, 1);
    QCOMPARE(seen.lblCOD, QStringLiteral("TC"));
    QCOMPARE(seen.TopicCount, 6);
    QCOMPARE(seen.SubH1, topicName(1, 2));
    QCOMPARE(seen.TtPapersCon, 30);
    QCOMPARE(seen.dataFolder, m_data->path());
}

void TestHomeWindow::openingClosesThePracticeWindowFirst()
{
    QStringList events; // outlives the window, whose practice window logs into it
    QPointer<QWidget> firstWindow;
    auto w = start();
    w->setPracticeOpener([&](home::HomeState &state, std::function<void()> onUnload) -> QWidget * {
        events << QStringLiteral("open %1/%2").arg(state.PaperNum).arg(state.TakeNum);
        auto *practice = new QWidget;
        practice->setAttribute(Qt::WA_DeleteOnClose);
        // The practice window's unload refreshes the home page.
        QObject::connect(practice, &QObject::destroyed, [&events, onUnload] {
            events << QStringLiteral("unloaded");
            onUnload();
        });
        return practice;
    });
    QTest::mouseClick(child(*w, QStringLiteral("P2a")), Qt::LeftButton);
    QVERIFY(w->practiceWindow() && w->practiceWindow()->isVisible());
    firstWindow = w->practiceWindow();
    // The pupil marks paper 102 meanwhile: the refresh must show it.
    QVERIFY(writeBytes(resultFile(m_data->path(), QStringLiteral("marks"), 1),
                       summaryWith(30, {"", "70"}, {})));
    QVERIFY(!child(*w, QStringLiteral("P2b"))->isVisible()); // not refreshed yet
    QTest::mouseClick(child(*w, QStringLiteral("P5a")), Qt::LeftButton);
    QVERIFY(!firstWindow);
    QCOMPARE(events, (QStringList{"open 102/1", "unloaded", "open 105/1"}));
    QCOMPARE(child<QLabel>(*w, QStringLiteral("MSA2"))->text(), QStringLiteral("70"));
    QVERIFY(child(*w, QStringLiteral("P2b"))->isVisible());
    QVERIFY(w->practiceWindow() && w->practiceWindow() != firstWindow);
}

void TestHomeWindow::noOpenerShowsNotice()
{
    auto w = start();
    w->state().PopUpResponse = QStringLiteral("True");
    chrome::setNextPopUpAnswers({QStringLiteral("True")});
    QTest::mouseClick(child(*w, QStringLiteral("P1a")), Qt::LeftButton);
    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].NumofButtons, 1);
    QCOMPARE(w->state().PaperNum, 101);
    QCOMPARE(w->state().PopUpResponse, QStringLiteral("True")); // a notice answers nothing
}

void TestHomeWindow::refreshKeepsTopicTabClickReturnsToFirst()
{
    auto w = start();
    QTest::mouseClick(child(*w, QStringLiteral("Topic3")), Qt::LeftButton);
    QCOMPARE(w->selectedTopic(), 3);
    QCOMPARE(w->state().TopicCount, 11);
    QCOMPARE(child<QLabel>(*w, QStringLiteral("MSA1"))->text(), QString());

    // Paper 111 was marked in a practice window that has just closed.
    QVERIFY(writeBytes(resultFile(m_data->path(), QStringLiteral("marks"), 1),
                       summaryWith(30, QStringList(10) << QStringLiteral("62.5"), {})));
    w->RefreshContents();
    QCOMPARE(w->selectedTopic(), 3);
    QCOMPARE(w->state().TopicCount, 11);
    QCOMPARE(w->state().SubH1, topicName(1, 3));
    QCOMPARE(child<QLabel>(*w, QStringLiteral("SubH1"))->text(), topicName(1, 3));
    QCOMPARE(child<QLabel>(*w, QStringLiteral("MSA1"))->text(), QStringLiteral("62.5"));
    QVERIFY(child(*w, QStringLiteral("P1b"))->isVisible());
    QVERIFY(!w->state().RefreshLog);

    // The highlighted topic wears the selection colours, the others not.
    const QColor selectedBg =
        child(*w, QStringLiteral("Topic3"))->palette().color(QPalette::Window);
    QCOMPARE(selectedBg, QColor(128, 128, 128));
    QVERIFY(child(*w, QStringLiteral("Topic1"))->palette().color(QPalette::Window) != selectedBg);

    QTest::mouseClick(child(*w, QStringLiteral("Tab01lbl")), Qt::LeftButton);
    QCOMPARE(w->selectedTopic(), 1);
    QCOMPARE(w->state().TopicCount, 1);
    QCOMPARE(w->state().SubH1, topicName(1, 1));
}

void TestHomeWindow::tabClickRaisesTab()
{
    auto w = start();
    QWidget *strip = child(*w, QStringLiteral("ScnTabBG"));
    QWidget *t1 = child(*w, QStringLiteral("Tab01"));
    QWidget *t2 = child(*w, QStringLiteral("Tab02"));
    QCOMPARE(t1->geometry().bottom() + 1, strip->y() + 0); // selected: sits on the strip
    QCOMPARE(t2->geometry().bottom() + 1, strip->y() + 2); // others: under its upper edge
    w->state().txtToolBarPos = 3;
    w->state().txtReportPos = 2;
    QTest::mouseClick(t2, Qt::LeftButton);
    QCOMPARE(w->state().txtTabPos, 2);
    QCOMPARE(w->state().LChose, 2);
    QCOMPARE(w->state().txtToolBarPos, 1);
    QCOMPARE(w->state().txtReportPos, 1);
    QCOMPARE(w->state().TtPapersCon, 35);
    QCOMPARE(t2->geometry().bottom() + 1, strip->y());
    QCOMPARE(t1->geometry().bottom() + 1, strip->y() + 2);
    QCOMPARE(child<QLabel>(*w, QStringLiteral("Topic7"))->text(), topicName(2, 7));
    // Stacking: the strip over the unselected tabs, the selected tab over the strip.
    const QObjectList order = w->children();
    QVERIFY(order.indexOf(t2) > order.indexOf(strip));
    QVERIFY(order.indexOf(strip) > order.indexOf(t1));
    // The Help tab leaves the subject alone.
    QTest::mouseClick(child(*w, QStringLiteral("Tab04")), Qt::LeftButton);
    QCOMPARE(w->state().txtTabPos, 4);
    QCOMPARE(w->state().LChose, 2);
}

void TestHomeWindow::missingDescriptorStopsInOrder()
{
    TestCourse course;
    course.withDescriptor = false;
    writeCourse(m_items->path(), course);
    HomeWindow w(m_data->path());
    int reads = 0;
    w.setSummaryReadObserver([&](const QString &) { ++reads; });
    QCOMPARE(w.startUp(), HomeWindow::StartUpStatus::NoDescriptor);
    QVERIFY(!HomeWindow::startUpFailureText(HomeWindow::StartUpStatus::NoDescriptor).isEmpty());
    QCOMPARE(reads, 0);
    QCOMPARE(w.state().LChose, 0);
    const QStringList written =
        QDir(m_data->path()).entryList({QStringLiteral("*.txt")}, QDir::Files);
    QCOMPARE(written, QStringList{});

    // A course with no named subject stops the same way.
    course = TestCourse{};
    for (TestSubject &s : course.subjects)
        s.name.clear();
    writeCourse(m_items->path(), course);
    HomeWindow w2(m_data->path());
    w2.setSummaryReadObserver([&](const QString &) { ++reads; });
    QCOMPARE(w2.startUp(), HomeWindow::StartUpStatus::NoSubject);
    QCOMPARE(reads, 0);
}

void TestHomeWindow::interruptedMarkFinishedBeforeFiguresShow()
{
    // Killed in the middle of a mark: its journal is on disk, the summary not yet rewritten, a
    // temporary file of the interrupted write lies beside it.
    const QString folder = m_data->path();
    const QString marks = resultFile(folder, QStringLiteral("marks"), 1);
    const QString trend = resultFile(folder, QStringLiteral("trend"), 1);
    QVERIFY(writeBytes(marks, summaryTemplate(30)));
    QVERIFY(writeBytes(trend, "#TRD#\r\n"));
    QByteArray journal;
    QVERIFY(records::composeJournal(
        results::journalPath(folder),
        {{marks, summaryWith(30, {QStringLiteral("75")}, {})}, {trend, "#TRD#>75\r\n"}}, journal));
    QVERIFY(writeBytes(results::journalPath(folder), journal));
    QVERIFY(writeBytes(marks + QStringLiteral(".part-x1y2"), "half"));
    auto w = start();
    QCOMPARE(child<QLabel>(*w, QStringLiteral("MSA1"))->text(), QStringLiteral("75"));
    QCOMPARE(readBytes(trend), QByteArray("#TRD#>75\r\n"));
    QVERIFY(!QFile::exists(results::journalPath(folder)));
    QVERIFY(!QFile::exists(marks + QStringLiteral(".part-x1y2")));
}

QTEST_MAIN(TestHomeWindow)
#include "tst_homewindow.moc"

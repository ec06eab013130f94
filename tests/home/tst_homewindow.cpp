#include "coursefixture.h"

#include "chrome/imagebutton.h"
#include "chrome/popup.h"
#include "chrome/units.h"
#include "content/content.h"
#include "home/homewindow.h"
#include "records/records.h"
#include "results/results.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

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
    void tabOpenedBeforeTheFirstFrameHasItsFiles();
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
    void reportPanels_data();
    void reportPanels();
    void reportCard_data();
    void reportCard();
    void toolbarFollowsTab();
    void showPageByTabAndPosition_data();
    void showPageByTabAndPosition();
    void trashStatesAndReset();
    void trashFailuresInPlainWords_data();
    void trashFailuresInPlainWords();
    void printedResultsReadBack();
    void printSetupCancelChangesNothing();
    void closeAsksThePracticeWindowFirst_data();
    void closeAsksThePracticeWindowFirst();
    void reportCaptions_data();
    void reportCaptions();
    void interruptedMarkFinishedBeforeFiguresShow();
    void unfinishableMarkIsToldAtStartUp();

private:
    std::unique_ptr<HomeWindow> start(const TestCourse &course = {});
    template<typename T = QWidget> T *child(HomeWindow &w, const QString &name)
    {
        T *found = w.findChild<T *>(name);
        if (!found)
            qWarning("no control %s", qPrintable(name));
        return found;
    }

    void printToPdf(HomeWindow &w, const QString &pdf) { w.printer().setOutputFileName(pdf); }

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
    // Subjects without result files get theirs once the first frame is on screen.
    const QString folder = m_data->path();
    const bool settled = QTest::qWaitFor([&] {
        for (int s = 1; s <= 3; ++s) {
            if (course.subjects[std::size_t(s - 1)].name.isEmpty())
                continue;
            for (const QString &base : resultBases())
                if (!QFile::exists(resultFile(folder, base, s)))
                    return false;
        }
        return true;
    });
    if (!settled)
        qWarning("result files still missing after the first frame");
    return w;
}

void TestHomeWindow::firstStartWritesEveryFileBeforeReading()
{
    writeCourse(m_items->path(), TestCourse{});
    HomeWindow w(m_data->path());
    const QString folder = m_data->path();
    int reads = 0;
    QStringList missingAtFirstRead;
    QStringList writtenBeforeFrame; // of the subjects not on show
    w.setSummaryReadObserver([&](const QString &path) {
        if (reads++ == 0) {
            for (int s = 1; s <= 3; ++s)
                for (const QString &base : resultBases()) {
                    const bool there = QFile::exists(resultFile(folder, base, s));
                    if (s == 1 && !there)
                        missingAtFirstRead << resultFile(folder, base, s);
                    if (s > 1 && there)
                        writtenBeforeFrame << resultFile(folder, base, s);
                }
        }
        QCOMPARE(path, resultFile(folder, QStringLiteral("marks"), 1));
    });
    QCOMPARE(w.startUp(), HomeWindow::StartUpStatus::Ok);
    QVERIFY(reads > 0);
    QCOMPARE(missingAtFirstRead, QStringList{});
    // The summary came from the template just written: 30 papers, every status "0".
    QCOMPARE(w.summary().records[4], QStringList(30, QStringLiteral("0")));
    // The other subjects' files wait for the first frame, then are written whole.
    QCOMPARE(writtenBeforeFrame, QStringList{});
    w.show();
    QTRY_COMPARE(readBytes(resultFile(folder, QStringLiteral("marks"), 2)), summaryTemplate(35));
    QTRY_COMPARE(readBytes(resultFile(folder, QStringLiteral("trend"), 3)),
                 QByteArray("#TRD#\r\n"));
    // The temporary descriptor is gone; the graphics folder exists.
    QVERIFY(!QFile::exists(folder + QStringLiteral("/temptext30000.txt")));
    QVERIFY(QDir(folder + QStringLiteral("/Graphics")).exists());
}

void TestHomeWindow::tabOpenedBeforeTheFirstFrameHasItsFiles()
{
    writeCourse(m_items->path(), TestCourse{});
    HomeWindow w(m_data->path());
    const QString folder = m_data->path();
    QCOMPARE(w.startUp(), HomeWindow::StartUpStatus::Ok);
    QVERIFY(!QFile::exists(resultFile(folder, QStringLiteral("marks"), 2)));
    QStringList missingAtRead;
    w.setSummaryReadObserver([&](const QString &) {
        for (const QString &base : resultBases())
            if (!QFile::exists(resultFile(folder, base, 2)))
                missingAtRead << base;
    });
    QTest::mouseClick(child(w, QStringLiteral("Tab02")), Qt::LeftButton);
    QCOMPARE(w.state().LChose, 2);
    QCOMPARE(missingAtRead, QStringList{});
    QCOMPARE(w.summary().records[4], QStringList(35, QStringLiteral("0")));
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
    QTest::addColumn<QString>("shownFirst"); // empty: shown as no take
    QTest::addColumn<QString>("shownSecond");
    QTest::newRow("100") << "100"
                         << "" << false << "100"
                         << "";
    QTest::newRow("99.5") << "99.5"
                          << "" << false << "99.5"
                          << "";
    QTest::newRow("99") << "99"
                        << "100" << true << "99"
                        << "100";
    QTest::newRow("no score") << ""
                              << "" << false << ""
                              << "";
    QTest::newRow("second take without a first") << ""
                                                 << "75" << false << ""
                                                 << "75";
    // A damaged score reads as no take, as on the report card; the paper was marked, so its
    // second take is still offered.
    QTest::newRow("damaged first score") << "abc"
                                         << "" << true << ""
                                         << "";
    QTest::newRow("damaged second score") << "70"
                                          << "nan" << true << "70"
                                          << "";
}

void TestHomeWindow::scoreRows()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, tryAgain);
    QFETCH(QString, shownFirst);
    QFETCH(QString, shownSecond);
    // Paper 4 of topic 1 (paper 104).
    QVERIFY(writeBytes(resultFile(m_data->path(), QStringLiteral("marks"), 1),
                       summaryWith(30, {"50", "", "", first}, {"", "", "", second})));
    auto w = start();
    auto *msa = child<QLabel>(*w, QStringLiteral("MSA4"));
    auto *msb = child<QLabel>(*w, QStringLiteral("MSB4"));
    QWidget *percent = child(*w, QStringLiteral("Percent1a"));
    QCOMPARE(msa->text(), shownFirst);
    QCOMPARE(msb->text(), shownSecond);
    QCOMPARE(child(*w, QStringLiteral("P4b"))->isVisible(), tryAgain);
    QVERIFY(child(*w, QStringLiteral("P4a"))->isVisible());
    // Scores end just before the percent column, right-aligned whatever their width.
    if (!shownFirst.isEmpty()) {
        QCOMPARE(msa->geometry().right() + 1, percent->x() - 1);
        QVERIFY(msa->width() >= msa->fontMetrics().horizontalAdvance(first));
    }
    if (!shownSecond.isEmpty())
        QCOMPARE(msb->geometry().right() + 1, percent->x() - 1);
    // Paper 1 has a first take of 50: its second-take button is there.
    QVERIFY(child(*w, QStringLiteral("P1b"))->isVisible());
}

void TestHomeWindow::secondTakeOfPaper108()
{
    QVERIFY(writeBytes(resultFile(m_data->path(), QStringLiteral("marks"), 1),
                       summaryWith(30, {"", "", "", "", "", "", "", "40"}, {})));
    auto w = start();
    results::PaperPlace seen;
    int opened = 0;
    w->setPracticeOpener([&](const results::PaperPlace &place, std::function<void()>) -> QWidget * {
        seen = place;
        ++opened;
        return nullptr;
    });
    QTest::mouseClick(child(*w, QStringLiteral("Topic2")), Qt::LeftButton);
    QWidget *p3b = child(*w, QStringLiteral("P3b"));
    QVERIFY(p3b->isVisible());
    QTest::mouseClick(p3b, Qt::LeftButton);
    QCOMPARE(opened, 1);
    QCOMPARE(seen.paperNumber, 108);
    QCOMPARE(seen.take, 2);
    QCOMPARE(seen.subject, 1);
    QCOMPARE(seen.code, QStringLiteral("TC"));
    QCOMPARE(seen.topicFirst, 6);
    QCOMPARE(seen.topicName, topicName(1, 2));
    QCOMPARE(seen.paperCount, 30);
    QCOMPARE(seen.dataFolder, m_data->path());
}

void TestHomeWindow::openingClosesThePracticeWindowFirst()
{
    QStringList events; // outlives the window, whose practice window logs into it
    QPointer<QWidget> firstWindow;
    auto w = start();
    w->setPracticeOpener(
        [&](const results::PaperPlace &place, std::function<void()> onUnload) -> QWidget * {
            events << QStringLiteral("open %1/%2").arg(place.paperNumber).arg(place.take);
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
    chrome::setNextPopUpAnswers({true});
    QTest::mouseClick(child(*w, QStringLiteral("P1a")), Qt::LeftButton);
    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].NumofButtons, 1);
    QCOMPARE(w->state().PaperNum, 101);
    QVERIFY(!w->practiceWindow()); // whatever the notice answers, nothing opens
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

void TestHomeWindow::reportPanels_data()
{
    QTest::addColumn<int>("pos");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("above"); // the bar over the open panel
    QTest::addColumn<int>("below"); // the bar under it, 0 for the page's bottom
    QTest::newRow("1 by its bar") << 1 << "RCBar1" << 1 << 2;
    QTest::newRow("2 by its caption") << 2 << "lblRCBar2" << 2 << 3;
    QTest::newRow("3 by its caption") << 3 << "lblRCBar3" << 3 << 0;
}

void TestHomeWindow::reportPanels()
{
    QFETCH(int, pos);
    QFETCH(QString, clicked);
    QFETCH(int, above);
    QFETCH(int, below);
    auto w = start();
    w->showReportCard();
    QWidget *page = child(*w, QStringLiteral("Body_Report"));
    QVERIFY(page->isVisible());
    QCOMPARE(page->geometry(), w->pageRect());
    std::array<QWidget *, 3> bars{}, panels{};
    const QStringList panelNames{"RC1Summary", "RC2Topical", "RC3Trend"};
    for (int i = 0; i < 3; ++i) {
        bars[i] = child(*w, QStringLiteral("RCBar%1").arg(i + 1));
        panels[i] = child(*w, panelNames[i]);
    }
    QVERIFY(panels[0]->isVisible()); // the card opens on the overall panel after start-up

    // Another panel first, so that the click changes the arrangement.
    QTest::mouseClick(child(*w, pos == 3 ? "lblRCBar1" : "lblRCBar3"), Qt::LeftButton);
    QTest::mouseClick(child(*w, clicked), Qt::LeftButton);
    QCOMPARE(w->state().txtReportPos, pos);

    const int H = page->height();
    QWidget *open = panels[pos - 1];
    QCOMPARE(bars[0]->y(), 0);
    QCOMPARE(open->y(), bars[above - 1]->geometry().bottom() + 1);
    QCOMPARE(open->geometry().bottom() + 1, below ? bars[below - 1]->y() : H);
    if (below)
        QCOMPARE(bars[2]->geometry().bottom() + 1, H);
    for (int i = 0; i < 2; ++i)
        if (i + 1 != above)
            QCOMPARE(bars[i]->geometry().bottom() + 1, bars[i + 1]->y());
    for (int i = 0; i < 3; ++i)
        QCOMPARE(panels[i]->isVisible(), i == pos - 1);
    const QObjectList order = page->children();
    for (QWidget *bar : bars)
        QVERIFY(order.indexOf(bar) > order.indexOf(open));

    // A tab click brings the next report card back to the overall panel.
    QTest::mouseClick(child(*w, QStringLiteral("Tab01")), Qt::LeftButton);
    QCOMPARE(w->state().txtReportPos, 1);
    const QObjectList pages = w->children();
    QVERIFY(pages.indexOf(child(*w, QStringLiteral("Body_Home"))) > pages.indexOf(page));
    w->showReportCard();
    QVERIFY(panels[0]->isVisible());
    QCOMPARE(bars[2]->geometry().bottom() + 1, H);
}

void TestHomeWindow::reportCard_data()
{
    QTest::addColumn<int>("topics");
    QTest::addColumn<QStringList>("fse");
    QTest::addColumn<QStringList>("sse");
    QTest::addColumn<QByteArray>("trend");
    // OScore1, WT, ST, PCNum, TMark1A, TMark1B, TMark2A, TMark3A
    QTest::addColumn<QStringList>("expected");
    const QStringList fse{"80", "90", "", "", "", "62.5", "", "", "", "", "abc"};
    QTest::newRow("6 topics") << 6 << fse << QStringList{"100"} << QByteArray("#TRD#>80>90>62.5")
                              << QStringList{"77.5%", "Topic 1.2 ", "Topic 1.1 ", "3 / 30",
                                             "85%",   "100%",       "62.5%",      ""};
    QTest::newRow("7 topics") << 7 << fse << QStringList{"100"}
                              << QByteArray("#TRD#>80>>90>62.5>\r\n")
                              << QStringList{"77.5%", "Topic 1.2 ", "Topic 1.1 ", "3 / 35",
                                             "85%",   "100%",       "62.5%",      ""};
    QTest::newRow("takes, trend started afresh")
        << 6 << fse << QStringList{"100"} << QByteArray("#TRD#\r\n")
        << QStringList{"77.5%", "Topic 1.2 ", "Topic 1.1 ", "3 / 30", "85%", "100%", "62.5%", ""};
    QTest::newRow("no takes") << 7 << QStringList{} << QStringList{} << QByteArray("#TRD#\r\n")
                              << QStringList{"-", "-", "-", "0 / 35", "", "", "", ""};
}

void TestHomeWindow::reportCard()
{
    QFETCH(int, topics);
    QFETCH(QStringList, fse);
    QFETCH(QStringList, sse);
    QFETCH(QByteArray, trend);
    QFETCH(QStringList, expected);
    TestCourse course;
    course.subjects[0].topics = topics;
    auto w = start(course);
    // Marked after the home page read its scores: the report card reads the files as they are.
    QVERIFY(writeBytes(resultFile(m_data->path(), QStringLiteral("marks"), 1),
                       summaryWith(topics * 5, fse, sse)));
    QVERIFY(writeBytes(resultFile(m_data->path(), QStringLiteral("trend"), 1), trend));
    w->showReportCard();

    auto text = [&](const QString &name) { return child<QLabel>(*w, name)->text(); };
    QCOMPARE((QStringList{text("OScore1"), text("WT"), text("ST"), text("PCNum"), text("TMark1A"),
                          text("TMark1B"), text("TMark2A"), text("TMark3A")}),
             expected);
    QWidget *back2A = child(*w, QStringLiteral("TBack2A"));
    const double inner2A = back2A->width() - 2;
    QCOMPARE(child(*w, QStringLiteral("TBar2A"))->width(),
             expected[6].isEmpty() ? 0 : qRound(inner2A * 0.625));
    QCOMPARE(child(*w, QStringLiteral("TBar1A"))->toolTip(),
             expected[4].isEmpty() ? QString() : topicName(1, 1) + ": 85% over 2 papers");

    // Rows of the subject's topics only; each fits its panel.
    QTest::mouseClick(child(*w, QStringLiteral("RCBar2")), Qt::LeftButton);
    QWidget *topical = child(*w, QStringLiteral("RC2Topical"));
    for (int t = 1; t <= 10; ++t) {
        auto *name = child<QLineEdit>(*w, QStringLiteral("TopLab%1").arg(t));
        QCOMPARE(name->isVisible(), t <= topics);
        QCOMPARE(child(*w, QStringLiteral("TBack%1A").arg(t))->isVisible(), t <= topics);
        QCOMPARE(child(*w, QStringLiteral("TBack%1B").arg(t))->isVisible(), t <= topics);
        QCOMPARE(name->text(), t <= topics ? topicName(1, t) : QString());
        QVERIFY(name->geometry().bottom() < topical->height());
    }

    // The trend: the notice without scores (saying nothing was attempted only when so),
    // otherwise the blue of the dots and the line.
    QTest::mouseClick(child(*w, QStringLiteral("RCBar3")), Qt::LeftButton);
    const bool scores = trend.contains('>');
    auto *notice = child<QLabel>(*w, QStringLiteral("TrendEmpty"));
    QCOMPARE(notice->isVisible(), !scores);
    QCOMPARE(notice->text().startsWith(QLatin1String("No papers attempted")), fse.isEmpty());
    QVERIFY(child(*w, QStringLiteral("Label8"))->geometry().bottom() <
            child(*w, QStringLiteral("RC3Trend"))->height());
    // The plot's box keeps its design size, with 3 pixels around it so edge dots are whole.
    QWidget *plot = child(*w, QStringLiteral("RC3TrendPlot"));
    QCOMPARE(plot->size() - QSize(6, 6),
             QSize(qRound(chrome::twipsToPx(5055)), qRound(chrome::twipsToPx(3975))));
    const QImage image = plot->grab().toImage();
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            blue += image.pixel(x, y) == qRgb(0, 0, 255) ? 1 : 0;
    QCOMPARE(blue > 0, scores);
}

void TestHomeWindow::reportCaptions_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip"); // of the label and, for a header bar, of the bar too
    const char *const rows[][3] = {
        {"lblRCBar1", "Overall Results", "Click to show overall results"},
        {"lblRCBar2", "Topical Results", "Click to show topical results"},
        {"lblRCBar3", "Trend Analysis", "Click to show past trends"},
        {"SumyL1", "First Attempt Average Score:", ""},
        {"SumyL2", "Second Attempt Average Score:", ""},
        {"SumyL3", "Weakest Topic:", ""},
        {"SumyL4", "Strongest Topic:", ""},
        {"SumyL5", "Number of Papers Completed:", ""},
        {"Label5", "First Attempt results", ""},
        {"Label6", "Second Attempt Score", ""},
        {"Label7", "100%\n90%\n80%\n70%\n60%\n50%\n40%\n30%\n20%\n10%\n0%", ""},
        {"Label8", "Recent Papers Attempted", ""},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << QString::fromUtf8(row[1]) << QString::fromUtf8(row[2]);
}

void TestHomeWindow::reportCaptions()
{
    const QString name = QString::fromUtf8(QTest::currentDataTag());
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    auto w = start();
    w->showReportCard();
    auto *label = child<QLabel>(*w, name);
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->toolTip(), tip);
    if (name.startsWith(QLatin1String("lblRCBar")))
        QCOMPARE(child(*w, name.mid(3))->toolTip(), tip);
}

void TestHomeWindow::toolbarFollowsTab()
{
    QCoreApplication::setApplicationVersion(QStringLiteral("7.8.9"));
    auto w = start();
    auto *tool1 = child<chrome::ImageButton>(*w, QStringLiteral("ToolBar01"));
    auto *caption4 = child<QLabel>(*w, QStringLiteral("lblTB04"));
    QCOMPARE(child<QLabel>(*w, QStringLiteral("lblTB01"))->text(), QStringLiteral("Home"));
    QCOMPARE(tool1->toolTip(), QStringLiteral("Load Home page"));
    QCOMPARE(caption4->text(), QStringLiteral("Close"));
    QTest::mouseClick(child(*w, QStringLiteral("Tab04lbl")), Qt::LeftButton);
    QCOMPARE(child<QLabel>(*w, QStringLiteral("lblTB01"))->text(), QStringLiteral("About"));
    QCOMPARE(tool1->toolTip(), QStringLiteral("About Larkspur"));
    QCOMPARE(tool1->currentPicture(), QStringLiteral("about_off.bmp"));
    QCOMPARE(caption4->text(), QStringLiteral("Setup"));
    QCOMPARE(caption4->toolTip(), QStringLiteral("Printer Setup"));
    QVERIFY(!child(*w, QStringLiteral("ToolBar03"))->isVisible());
    // The Help tab opens on the About page.
    QVERIFY(child(*w, QStringLiteral("Body_About"))->isVisible());
    QVERIFY(!child(*w, QStringLiteral("Body_Home"))->isVisible());
    QCOMPARE(child<QLabel>(*w, QStringLiteral("ProgramName"))->text(),
             QStringLiteral("Tiny Course"));
    QCOMPARE(child<QLabel>(*w, QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version 7.8.9"));
    QVERIFY(child<QLabel>(*w, QStringLiteral("lblPlatform"))->text().startsWith("For "));
    // The link: the platform's warning only when no browser opens the address.
    QStringList warnings;
    bool opens = false;
    w->setUrlOpener([&opens](const QUrl &url) { return url.scheme() == "https" && opens; });
    w->setWarningHook([&](const QString &t, const QString &m) { warnings << t + ": " + m; });
    QTest::mouseClick(child(*w, QStringLiteral("lbl_LSURL")), Qt::LeftButton);
    opens = true;
    QTest::mouseClick(child(*w, QStringLiteral("lbl_LSURL")), Qt::LeftButton);
    QCOMPARE(warnings, QStringList{"Browser Not Found: Could not find associated Browser"});
    QTest::mouseClick(child(*w, QStringLiteral("Tab02")), Qt::LeftButton);
    QCOMPARE(tool1->currentPicture(), QStringLiteral("home_off.bmp"));
    QVERIFY(child(*w, QStringLiteral("ToolBar03"))->isVisible());
}

void TestHomeWindow::showPageByTabAndPosition_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("page"); // the page in front afterwards
    QTest::addColumn<QString>("effect");
    const char *subjectPages[] = {"Body_Home", "Body_Report", "Body_Home", "Body_Home"};
    const char *subjectEffects[] = {"", "", "printed", "closed"};
    const char *helpPages[] = {"Body_About", "Body_Trash", "Body_About", "Body_About"};
    const char *helpEffects[] = {"", "", "", "setup"}; // position 3 does nothing
    for (int t = 1; t <= 4; ++t)
        for (int p = 1; p <= 4; ++p)
            QTest::addRow("tab %d, position %d", t, p)
                << t << p << QString::fromLatin1((t == 4 ? helpPages : subjectPages)[p - 1])
                << QString::fromLatin1((t == 4 ? helpEffects : subjectEffects)[p - 1]);
}

void TestHomeWindow::showPageByTabAndPosition()
{
    QFETCH(int, tab);
    QFETCH(int, position);
    QFETCH(QString, page);
    QFETCH(QString, effect);
    auto w = start();
    const QString pdf = m_data->filePath(QStringLiteral("out.pdf"));
    printToPdf(*w, pdf);
    int setups = 0;
    w->setPrintSetupHook([&setups](QPrinter *) { return ++setups, false; });
    QTest::mouseClick(child(*w, QStringLiteral("Tab0%1").arg(tab)), Qt::LeftButton);
    QCOMPARE(w->state().LChose, tab <= 3 ? tab : 1);
    if (effect == QLatin1String("printed"))
        chrome::setNextPopUpAnswers({true}); // the notice that it printed
    // The call itself, as the hidden third button on the Help tab cannot be clicked.
    w->clickToolBar(position);
    QVERIFY(chrome::pendingPopUpAnswers().isEmpty());
    QCOMPARE(w->state().txtToolBarPos, position);
    // A page never shown may not be built yet.
    for (const char *name : {"Body_Home", "Body_Report", "Body_Trash", "Body_About"}) {
        const QWidget *shown = w->findChild<QWidget *>(QString::fromLatin1(name));
        QCOMPARE(shown && shown->isVisibleTo(w.get()), page == QLatin1String(name));
    }
    QCOMPARE(QFile::exists(pdf), effect == QLatin1String("printed"));
    QCOMPARE(w->isVisible(), effect != QLatin1String("closed"));
    QCOMPARE(setups, effect == QLatin1String("setup") ? 1 : 0);
}

void TestHomeWindow::trashStatesAndReset()
{
    const QString folder = m_data->path();
    const QByteArray marks = summaryWith(30, {"75", "", "50"}, {"90"});
    QVERIFY(writeBytes(resultFile(folder, QStringLiteral("marks"), 1), marks));
    QVERIFY(writeBytes(resultFile(folder, QStringLiteral("trend"), 3), "#TRD#>75>50\r\n"));
    auto w = start();
    QTest::mouseClick(child(*w, QStringLiteral("Tab04")), Qt::LeftButton);
    QTest::mouseClick(child(*w, QStringLiteral("lblTB02")), Qt::LeftButton);
    auto shown = [&] {
        QStringList names;
        for (const char *n :
             {"Trashlbl1", "ButTrash", "Trashlbl2", "ButTrash_Yes", "ButTrash_No", "Trashlbl3"})
            if (child(*w, QString::fromLatin1(n))->isVisible())
                names << QString::fromLatin1(n);
        return names;
    };
    const QStringList offer{"Trashlbl1", "ButTrash"};
    QCOMPARE(shown(), offer);
    QTest::mouseClick(child(*w, QStringLiteral("ButTrashlbl")), Qt::LeftButton);
    QCOMPARE(shown(), (QStringList{"Trashlbl2", "ButTrash_Yes", "ButTrash_No"}));
    QTest::mouseClick(child(*w, QStringLiteral("ButTrash_No")), Qt::LeftButton);
    QCOMPARE(shown(), offer);
    QCOMPARE(readBytes(resultFile(folder, QStringLiteral("marks"), 1)), marks);
    QVERIFY(!QDir(folder + QStringLiteral("/Backups")).exists());

    QTest::mouseClick(child(*w, QStringLiteral("ButTrash")), Qt::LeftButton);
    QTest::mouseClick(child(*w, QStringLiteral("ButTrash_Yeslbl")), Qt::LeftButton);
    QCOMPARE(shown(), QStringList{"Trashlbl3"});
    // It says where the copy of the results is.
    const QString erased = child<QLabel>(*w, QStringLiteral("Trashlbl3"))->text();
    QVERIFY2(erased.startsWith(QStringLiteral("All your past results have been erased.")),
             qPrintable(erased));
    for (int s = 1; s <= 3; ++s) {
        const int papers = s == 1 ? 30 : 35;
        QCOMPARE(readBytes(resultFile(folder, QStringLiteral("marks"), s)),
                 summaryTemplate(papers));
        QCOMPARE(readBytes(resultFile(folder, QStringLiteral("trend"), s)), "#TRD#\r\n");
    }
    // The results as they were are in one dated backup folder.
    const QStringList backups =
        QDir(folder + QStringLiteral("/Backups")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(backups.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^results-\\d{4}-\\d\\d-\\d\\d-\\d{6}$"))
                 .match(backups[0])
                 .hasMatch(),
             qPrintable(backups[0]));
    const QString backup = folder + QStringLiteral("/Backups/") + backups[0];
    QCOMPARE(QDir(backup).entryList(QDir::Files).size(), 18);
    QVERIFY2(erased.contains(QDir::toNativeSeparators(backup)), qPrintable(erased));
    QCOMPARE(readBytes(backup + QStringLiteral("/marks1TC.txt")), marks);
    QCOMPARE(readBytes(backup + QStringLiteral("/trend3TC.txt")), "#TRD#>75>50\r\n");

    // The trash page opens in its first state again; a subject tab shows the empty results.
    QTest::mouseClick(child(*w, QStringLiteral("ToolBar02")), Qt::LeftButton);
    QCOMPARE(shown(), offer);
    QTest::mouseClick(child(*w, QStringLiteral("Tab01")), Qt::LeftButton);
    QCOMPARE(child<QLabel>(*w, QStringLiteral("MSA1"))->text(), QString());
    QVERIFY(!child(*w, QStringLiteral("P1b"))->isVisible());
}

void TestHomeWindow::trashFailuresInPlainWords_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("words");
    QTest::addColumn<bool>("erased");
    QTest::newRow("no backup folder") << "backup"
                                      << "Nothing has been erased" << false;
    QTest::newRow("a template missing") << "template"
                                        << "fresults2TC.txt" << true;
    QTest::newRow("a paper open") << "practice"
                                  << "" << false;
}

void TestHomeWindow::trashFailuresInPlainWords()
{
    QFETCH(QString, fault);
    QFETCH(QString, words);
    QFETCH(bool, erased);
    const QString folder = m_data->path();
    const QByteArray marks = summaryWith(30, {"75"}, {});
    QVERIFY(writeBytes(resultFile(folder, QStringLiteral("marks"), 1), marks));
    auto w = start();
    if (fault == QLatin1String("backup")) // a file where the backups' folder should be
        QVERIFY(writeBytes(folder + QStringLiteral("/Backups"), "x"));
    if (fault == QLatin1String("template"))
        QVERIFY(QFile::remove(m_items->filePath(QStringLiteral("30124"))));
    if (fault == QLatin1String("practice")) {
        w->setPracticeOpener(
            [](const results::PaperPlace &, std::function<void()>) { return new QWidget; });
        QTest::mouseClick(child(*w, QStringLiteral("P1a")), Qt::LeftButton);
    }
    QTest::mouseClick(child(*w, QStringLiteral("Tab04")), Qt::LeftButton);
    QTest::mouseClick(child(*w, QStringLiteral("ToolBar02")), Qt::LeftButton);
    QTest::mouseClick(child(*w, QStringLiteral("ButTrash")), Qt::LeftButton);
    chrome::takePopUpCalls();
    chrome::setNextPopUpAnswers({true});
    QTest::mouseClick(child(*w, QStringLiteral("ButTrash_Yes")), Qt::LeftButton);
    QCOMPARE(readBytes(resultFile(folder, QStringLiteral("marks"), 1)) == marks, !erased);
    if (words.isEmpty()) { // told in a notice, back to the first state
        QCOMPARE(chrome::takePopUpCalls().size(), 1);
        QVERIFY(child(*w, QStringLiteral("ButTrash"))->isVisible());
        return;
    }
    auto *outcome = child<QLabel>(*w, QStringLiteral("Trashlbl3"));
    QVERIFY(outcome->isVisible());
    QVERIFY2(outcome->text().contains(words), qPrintable(outcome->text()));
    QVERIFY(!outcome->text().contains(QLatin1String("have been erased")));
}

void TestHomeWindow::printedResultsReadBack()
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QStringList fse(30), ltm(30), cdd(30);
    fse[0] = "100";
    fse[6] = "abc"; // damaged: printed as no take
    ltm[0] = "0:12:40";
    cdd[0] = "01/02/2026";
    QByteArray marks =
        summaryWith(30, fse, {"", "", "", "", "", "", "", "", "", "", "", "", "87.5"});
    marks.replace("#LTM#>", "#LTM#>0:12:40").replace("#CDD#>", "#CDD#>01/02/2026");
    auto w = start();
    // Written after the home page has read the file, as by a paper marked and still open.
    QVERIFY(writeBytes(resultFile(m_data->path(), QStringLiteral("marks"), 1), marks));
    const QString pdf = m_data->filePath(QStringLiteral("results.pdf"));
    printToPdf(*w, pdf);
    chrome::setNextPopUpAnswers({true});
    QTest::mouseClick(child(*w, QStringLiteral("ToolBar03")), Qt::LeftButton);
    QVERIFY(child(*w, QStringLiteral("Body_Home"))->isVisible());
    // The pupil is told that it printed, and where.
    const QList<chrome::PopUpCall> told = chrome::takePopUpCalls();
    QCOMPARE(told.size(), 1);
    QCOMPARE(told[0].NumofButtons, 1);
    QVERIFY2(told[0].Msg.contains(QStringLiteral("printed")) &&
                 told[0].Msg.contains(QDir::toNativeSeparators(pdf)),
             qPrintable(told[0].Msg));

    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished(30000));
    const QStringList text = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n');
    QStringList papers, topics;
    QList<qsizetype> dateColumns; // every heading's "Date" and the one printed date
    for (const QString &line : text) {
        if (line.contains(QRegularExpression(QStringLiteral("^\\s*Paper [1-5]\\b"))))
            papers << line.trimmed().left(7);
        if (line.contains(QRegularExpression(QStringLiteral("^\\s*Topic 1\\.\\d$"))))
            topics << line.trimmed();
        for (const char *date : {"Date", "01/02/2026"})
            if (line.contains(QLatin1String(date)))
                dateColumns << line.indexOf(QLatin1String(date));
    }
    QCOMPARE(topics.size(), 6);
    QCOMPARE(papers.size(), 30);
    QCOMPARE(papers.mid(5, 5),
             (QStringList{"Paper 1", "Paper 2", "Paper 3", "Paper 4", "Paper 5"}));
    QCOMPARE(dateColumns.size(), 7);
    QCOMPARE(dateColumns.count(dateColumns[0]), 7); // the columns line up
    QVERIFY(text.join(u'\n').contains(QRegularExpression(QStringLiteral("Paper 3\\s+%\\s+87.5%"))));
    QVERIFY(!text.join(u'\n').contains(QStringLiteral("abc")));
}

void TestHomeWindow::printSetupCancelChangesNothing()
{
    auto w = start();
    const QString first = m_data->filePath(QStringLiteral("first.pdf"));
    const QString second = m_data->filePath(QStringLiteral("second.pdf"));
    printToPdf(*w, first);
    bool accept = false;
    w->setPrintSetupHook([&](QPrinter *p) {
        p->setOutputFileName(second);
        p->setPageOrientation(QPageLayout::Landscape);
        return accept;
    });
    QTest::mouseClick(child(*w, QStringLiteral("Tab04")), Qt::LeftButton);
    QTest::mouseClick(child(*w, QStringLiteral("ToolBar04")), Qt::LeftButton);
    QCOMPARE(w->printer().outputFileName(), first);
    QCOMPARE(w->printer().pageLayout().orientation(), QPageLayout::Portrait);
    accept = true;
    QTest::mouseClick(child(*w, QStringLiteral("lblTB04")), Qt::LeftButton);
    QCOMPARE(w->printer().pageLayout().orientation(), QPageLayout::Landscape);
    // The printer chosen stays the program's: the next print goes to it.
    QTest::mouseClick(child(*w, QStringLiteral("Tab01")), Qt::LeftButton);
    chrome::setNextPopUpAnswers({true});
    QTest::mouseClick(child(*w, QStringLiteral("ToolBar03")), Qt::LeftButton);
    QVERIFY(QFile::exists(second));
    QVERIFY(!QFile::exists(first));
}

void TestHomeWindow::closeAsksThePracticeWindowFirst_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("mayClose");
    QTest::newRow("Close, pupil says no") << "ToolBar04" << false;
    QTest::newRow("Close, pupil says yes") << "lblTB04" << true;
    QTest::newRow("title bar, pupil says no") << "imgProgClose" << false;
    QTest::newRow("title bar, pupil says yes") << "imgProgClose" << true;
    QTest::newRow("window manager, pupil says no") << "" << false;
}

void TestHomeWindow::closeAsksThePracticeWindowFirst()
{
    QFETCH(QString, how);
    QFETCH(bool, mayClose);
    QStringList events; // outlives the window, whose practice window logs into it
    QPointer<QWidget> practice;
    auto w = start();
    w->setPracticeOpener([&](const results::PaperPlace &, std::function<void()> onUnload) {
        practice = new QWidget;
        QObject::connect(practice, &QObject::destroyed, [&events, onUnload] {
            events << QStringLiteral("practice gone");
            onUnload();
        });
        return practice.data();
    });
    w->setPracticeCloseQuery([&](QWidget *asked) {
        events << (asked == practice ? QStringLiteral("asked") : QStringLiteral("asked another"));
        return mayClose;
    });
    QTest::mouseClick(child(*w, QStringLiteral("P1a")), Qt::LeftButton);
    QVERIFY(practice);
    if (how.isEmpty())
        QVERIFY(!w->close()); // as the window manager's close arrives
    else
        QTest::mouseClick(child(*w, how), Qt::LeftButton);
    if (!mayClose) {
        QCOMPARE(events, QStringList{"asked"});
        QVERIFY(practice && w->isVisible());
        return;
    }
    QCOMPARE(events, (QStringList{"asked", "practice gone"}));
    QVERIFY(!w->isVisible());
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

void TestHomeWindow::unfinishableMarkIsToldAtStartUp()
{
    // The journal of a mark cannot be finished (its trend file became a folder): the pupil is
    // told which file, once, and the journal stays for the next try.
    const QString folder = m_data->path();
    const QString trend = resultFile(folder, QStringLiteral("trend"), 1);
    QByteArray journal;
    QVERIFY(
        records::composeJournal(results::journalPath(folder), {{trend, "#TRD#>75\r\n"}}, journal));
    QVERIFY(writeBytes(results::journalPath(folder), journal));
    QVERIFY(QDir().mkpath(trend));
    chrome::setPopUpDefaultAnswer(true);
    const auto restore = qScopeGuard([] { chrome::setPopUpDefaultAnswer({}); });
    auto w = start();
    const QList<chrome::PopUpCall> calls = chrome::takePopUpCalls();
    QCOMPARE(calls.size(), 1);
    QVERIFY2(calls[0].Msg.contains(trend), qPrintable(calls[0].Msg));
    QVERIFY(QFile::exists(results::journalPath(folder)));
}

QTEST_MAIN(TestHomeWindow)
#include "tst_homewindow.moc"

#include "home/homelogic.h"
#include "home/hometoolbar.h"

#include <QTest>

using namespace home;

class TestHomeLogic : public QObject
{
    Q_OBJECT
private slots:
    void tabLefts_data();
    void tabLefts();
    void tabTops();
    void topicVisibility_data();
    void topicVisibility();
    void topicOrdinals_data();
    void topicOrdinals();
    void secondTake_data();
    void secondTake();
    void shownScores_data();
    void shownScores();
    void paperRows();
    void paperNumbers_data();
    void paperNumbers();
    void scoreLeftEndsBeforePercent();
    void firstNamed_data();
    void firstNamed();
    void pageCommands_data();
    void pageCommands();
    void printedResults();
    void platformTexts();
    void homeToolbarIdentities_data();
    void homeToolbarIdentities();
};

using Lefts = std::array<int, 4>;
using Named = std::array<bool, 3>;
Q_DECLARE_METATYPE(Lefts)
Q_DECLARE_METATYPE(Named)

void TestHomeLogic::tabLefts_data()
{
    QTest::addColumn<Named>("named");
    QTest::addColumn<Lefts>("widths");
    QTest::addColumn<Lefts>("expected");
    const Lefts w{79, 79, 79, 79};
    QTest::newRow("three subjects") << Named{true, true, true} << w << Lefts{2, 77, 152, 227};
    QTest::newRow("second unnamed") << Named{true, false, true} << w << Lefts{2, -79, 77, 152};
    QTest::newRow("only third") << Named{false, false, true} << w << Lefts{-79, -79, 2, 77};
    QTest::newRow("none") << Named{false, false, false} << w << Lefts{-79, -79, -79, 2};
    // Off-window tabs use the width of Tab01, whatever their own.
    QTest::newRow("different widths")
        << Named{true, false, true} << Lefts{90, 60, 70, 50} << Lefts{2, -90, 88, 154};
}

void TestHomeLogic::tabLefts()
{
    QFETCH(Named, named);
    QFETCH(Lefts, widths);
    QFETCH(Lefts, expected);
    QCOMPARE(home::tabLefts(named, widths, 2), expected);
}

void TestHomeLogic::tabTops()
{
    // The selected tab stands 2 px higher; both reach into the strip.
    QCOMPARE(tabTop(60, 26, false), 36);
    QCOMPARE(tabTop(60, 27, true), 33);
    QCOMPARE(tabTop(60, 26, false) - tabTop(60, 26, true), 2);
}

void TestHomeLogic::topicVisibility_data()
{
    QTest::addColumn<int>("topicCount");
    QTest::addColumn<QList<int>>("visible");
    QTest::newRow("6 topics") << 6 << QList<int>{1, 2, 3, 4, 5, 6};
    QTest::newRow("7 topics") << 7 << QList<int>{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("10 topics") << 10 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("none") << 0 << QList<int>{};
}

void TestHomeLogic::topicVisibility()
{
    QFETCH(int, topicCount);
    QFETCH(QList<int>, visible);
    QList<int> shown;
    for (int n = 1; n <= 10; ++n) {
        if (topicVisible(n, topicCount))
            shown << n;
    }
    QCOMPARE(shown, visible);
}

void TestHomeLogic::topicOrdinals_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("topic"); // 0: not a topic's first paper
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("6") << 6 << 2;
    QTest::newRow("46") << 46 << 10;
    QTest::newRow("2") << 2 << 0;
    QTest::newRow("51") << 51 << 0;
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("-4") << -4 << 0;
}

void TestHomeLogic::topicOrdinals()
{
    QFETCH(int, first);
    QFETCH(int, topic);
    const std::optional<int> found = topicOfFirstOrdinal(first);
    QCOMPARE(found.value_or(0), topic);
    if (topic)
        QCOMPARE(topicFirstOrdinal(topic), first);
}

void TestHomeLogic::secondTake_data()
{
    QTest::addColumn<QString>("firstScore");
    QTest::addColumn<bool>("visible");
    QTest::newRow("100") << "100" << false;
    QTest::newRow("99.5") << "99.5" << false;
    QTest::newRow("99.1") << "99.1" << false;
    QTest::newRow("99") << "99" << true;
    QTest::newRow("0") << "0" << true;
    QTest::newRow("66.7") << "66.7" << true;
    QTest::newRow("no first take") << "" << false;
    QTest::newRow("damaged text") << "abc" << true;
}

void TestHomeLogic::secondTake()
{
    QFETCH(QString, firstScore);
    QFETCH(bool, visible);
    QCOMPARE(secondTakeVisible(firstScore), visible);
}

void TestHomeLogic::shownScores_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("buttonName"); // of the first take's button, paper 3
    QTest::newRow("a score") << "66.7"
                             << "66.7"
                             << "Paper 3, 1st attempt, 66.7%";
    QTest::newRow("0") << "0"
                       << "0"
                       << "Paper 3, 1st attempt, 0%";
    QTest::newRow("no take") << ""
                             << ""
                             << "Paper 3, 1st attempt";
    QTest::newRow("damaged text") << "abc"
                                  << ""
                                  << "Paper 3, 1st attempt";
    QTest::newRow("damaged, not a finite number") << "inf"
                                                  << ""
                                                  << "Paper 3, 1st attempt";
    QTest::newRow("blank") << " "
                           << ""
                           << "Paper 3, 1st attempt";
}

void TestHomeLogic::shownScores()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QFETCH(QString, buttonName);
    QCOMPARE(shownScore(stored), shown);
    QCOMPARE(paperButtonName(3, 1, shownScore(stored)), buttonName);
    // The printout shows the same: "%" alone where the page shows no score.
    QStringList fse(30);
    fse[2] = stored;
    const QStringList lines = resultsPrintLines(QStringLiteral("C"), {QStringLiteral("T1")}, 1, fse,
                                                QStringList(30), QStringList(30), QStringList(30));
    QCOMPARE(lines.value(14).mid(42, 14).trimmed(), shown + u'%');
}

void TestHomeLogic::paperRows()
{
    QStringList fse(35), sse(35);
    fse[10] = QStringLiteral("100"); // paper 111: topic 3, row 1
    sse[12] = QStringLiteral("80");  // paper 113, no first take
    fse[14] = QStringLiteral("99");  // paper 115
    const PaperRow r1 = paperRow(fse, sse, 11, 1);
    QCOMPARE(r1.firstScore, QStringLiteral("100"));
    QVERIFY(!r1.secondTakeVisible);
    const PaperRow r3 = paperRow(fse, sse, 11, 3);
    QCOMPARE(r3.firstScore, QString());
    QCOMPARE(r3.secondScore, QStringLiteral("80"));
    QVERIFY(!r3.secondTakeVisible);
    QVERIFY(paperRow(fse, sse, 11, 5).secondTakeVisible);
    // Short arrays (a damaged summary) give empty rows rather than a crash.
    const PaperRow beyond = paperRow(QStringList{}, QStringList{}, 46, 5);
    QVERIFY(beyond.firstScore.isEmpty() && !beyond.secondTakeVisible);
}

void TestHomeLogic::paperNumbers_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("paper");
    QTest::newRow("topic 1 paper 1") << 1 << 0 << 101;
    QTest::newRow("topic 2 paper 3") << 6 << 2 << 108;
    QTest::newRow("topic 3 paper 3") << 11 << 2 << 113;
    QTest::newRow("topic 10 paper 5") << 46 << 4 << 150;
}

void TestHomeLogic::paperNumbers()
{
    QFETCH(int, first);
    QFETCH(int, offset);
    QFETCH(int, paper);
    QCOMPARE(paperNumber(first, offset), paper);
}

void TestHomeLogic::scoreLeftEndsBeforePercent()
{
    // 20 twips are 1.33 px: the score's last pixel column is one short of the gap.
    QCOMPARE(scoreLeft(300, 25), 274);
}

void TestHomeLogic::firstNamed_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("subject");
    QTest::newRow("first") << QStringList{"A", "B", "C"} << 1;
    QTest::newRow("second") << QStringList{"", "B", "C"} << 2;
    QTest::newRow("third") << QStringList{"", "", "C"} << 3;
    QTest::newRow("none") << QStringList{"", "", ""} << 0;
}

void TestHomeLogic::firstNamed()
{
    QFETCH(QStringList, names);
    QFETCH(int, subject);
    QCOMPARE(firstNamedSubject({names[0], names[1], names[2]}), subject);
}

Q_DECLARE_METATYPE(home::PageCommand)

void TestHomeLogic::pageCommands_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("position");
    QTest::addColumn<PageCommand>("command");
    using C = PageCommand;
    const C subject[] = {C::HomePage, C::ReportPage, C::Print, C::Close};
    for (int t = 1; t <= 3; ++t)
        for (int p = 1; p <= 4; ++p)
            QTest::addRow("subject tab %d, position %d", t, p) << t << p << subject[p - 1];
    QTest::newRow("Help 1: about") << 4 << 1 << C::AboutPage;
    QTest::newRow("Help 2: trash") << 4 << 2 << C::TrashPage;
    QTest::newRow("Help 3: nothing") << 4 << 3 << C::None;
    QTest::newRow("Help 4: setup") << 4 << 4 << C::PrintSetup;
    QTest::newRow("position 0 (design value)") << 1 << 0 << C::None;
    QTest::newRow("position 5") << 2 << 5 << C::None;
    QTest::newRow("tab 0") << 0 << 1 << C::None;
    QTest::newRow("tab 5") << 5 << 1 << C::None;
}

void TestHomeLogic::pageCommands()
{
    QFETCH(int, tab);
    QFETCH(int, position);
    QFETCH(PageCommand, command);
    QCOMPARE(pageCommand(tab, position), command);
}

// A line with each text starting at its column.
static QString columns(const QList<std::pair<int, QString>> &items)
{
    QString line;
    for (const auto &[column, text] : items)
        line = line.leftJustified(column, u' ') + text;
    return line;
}

void TestHomeLogic::printedResults()
{
    QStringList topics, fse(30), ltm(30), cdd(30), sse(30);
    for (int t = 1; t <= 10; ++t)
        topics << QStringLiteral("Topic %1").arg(t);
    // Paper 8 (topic 2, paper 3) has both takes; paper 9 none.
    fse[7] = "66.7";
    ltm[7] = "0:7:5";
    cdd[7] = "08/12/2026";
    sse[7] = "100";
    const QStringList lines = resultsPrintLines("Course", topics, 6, fse, ltm, cdd, sse);
    QCOMPARE(lines.size(), 5 + 6 * 12); // heading, then 6 blocks of 12 lines
    QCOMPARE(lines.mid(0, 5), (QStringList{"", "", "              Course", "", ""}));
    const QString rule = QString(14, u' ') + QString(128, u'-');
    const QStringList block2 = lines.mid(5 + 12, 12);
    QCOMPARE(block2.mid(0, 3), (QStringList{"", "", "              Topic 2"}));
    QCOMPARE(block2[3], rule);
    // Zones start at columns 14, 28, 42, 56, 70, 84 and 98.
    QCOMPARE(block2[4], columns({{14, "Papers"},
                                 {42, "First take"},
                                 {56, "Time taken"},
                                 {70, "Date"},
                                 {98, "Second take"}}));
    QCOMPARE(block2[5], columns({{42, "score"}, {98, "score"}}));
    QCOMPARE(block2[6], rule);
    QCOMPARE(
        block2[9],
        columns({{14, "Paper 3"}, {42, "66.7%"}, {56, "0:7:5"}, {70, "08/12/2026"}, {98, "100%"}}));
    // Without a take: "%" alone, and the empty time and date still take their zones.
    QCOMPARE(block2[10], columns({{14, "Paper 4"}, {42, "%"}, {98, "%"}}));
    QVERIFY(!lines.join(u'\n').contains(QLatin1String("Topic 7")));
}

void TestHomeLogic::platformTexts()
{
    QCOMPARE(platformText("linux"), "For Linux");
    QCOMPARE(platformText("winnt"), "For Windows");
    QCOMPARE(platformText("darwin"), "For macOS");
    QCOMPARE(platformText("freebsd"), "For freebsd");
}

void TestHomeLogic::homeToolbarIdentities_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("help");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("pressed");
    QTest::newRow("Home") << 1 << false << "Home"
                          << "Load Home page"
                          << "home_pressed.bmp";
    QTest::newRow("Report") << 2 << false << "Report"
                            << "Load Report card"
                            << "report_pressed.bmp";
    QTest::newRow("Print") << 3 << false << "Print"
                           << "Print results"
                           << "print_pressed.bmp";
    QTest::newRow("Close") << 4 << false << "Close"
                           << "Close program"
                           << "close_pressed.bmp";
    QTest::newRow("About") << 1 << true << "About"
                           << "About Larkspur"
                           << "about_pressed.bmp";
    QTest::newRow("Trash") << 2 << true << "Trash"
                           << "Trash past results"
                           << "trash_pressed.bmp";
    QTest::newRow("Setup") << 4 << true << "Setup"
                           << "Printer Setup"
                           << "setup_pressed.bmp";
}

void TestHomeLogic::homeToolbarIdentities()
{
    QFETCH(int, position);
    QFETCH(bool, help);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    QFETCH(QString, pressed);
    const chrome::ButtonIdentity id = homeToolbarIdentity(position, help);
    QCOMPARE(id.caption, caption);
    QCOMPARE(id.toolTip, tip);
    QCOMPARE(id.pressed, pressed);
    QVERIFY(id.hasCommand);
    QVERIFY(!homeToolbarIdentity(3, true).hasCommand);
}

QTEST_APPLESS_MAIN(TestHomeLogic)
#include "tst_homelogic.moc"

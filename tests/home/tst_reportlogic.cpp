#include "home/reportlogic.h"

#include <QTest>

using namespace home;

class TestReportLogic : public QObject
{
    Q_OBJECT
private slots:
    void rounding_data();
    void rounding();
    void overall_data();
    void overall();
    void topicBars_data();
    void topicBars();
    void trend_data();
    void trend();
    void trendPointUnderPointer();
    void panels_data();
    void panels();
};

using Heights = std::array<int, 3>;
Q_DECLARE_METATYPE(Heights)

void TestReportLogic::rounding_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 85.0 << "85";
    QTest::newRow("85 and 86") << (85.0 + 86.0) / 2 << "85.5";
    QTest::newRow("1, 1 and 2") << (1.0 + 1.0 + 2.0) / 3 << "1.3";
    QTest::newRow("62.5") << 62.5 << "62.5";
    QTest::newRow("half up to even") << (66.7 + 66.8) / 2 << "66.8";
    QTest::newRow("half down to even") << (66.6 + 66.7) / 2 << "66.6";
    QTest::newRow("half above by binary noise") << (60.1 + 60.2) / 2 << "60.2";
    QTest::newRow("half to even carries") << (99.9 + 100.0) / 2 << "100";
    QTest::newRow("below half") << 0.04 << "0";
    QTest::newRow("just above half") << 72.36 << "72.4";
    QTest::newRow("damaged, beyond whole numbers") << 1e300 << "1e+300";
    QTest::newRow("damaged, sum overflowed") << qInf() << "inf";
}

void TestReportLogic::rounding()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(oneDecimalText(value), expected);
}

// Topic names are "T1", "T2", ...; the last topic is the mock examination when asked for.
void TestReportLogic::overall_data()
{
    QTest::addColumn<int>("topics");
    QTest::addColumn<bool>("mockLast");
    QTest::addColumn<QStringList>("fse"); // index 0 = paper 101
    QTest::addColumn<QStringList>("sse");
    QTest::addColumn<QStringList>("expected"); // OScore1, OScore2, WT, ST, PCNum

    const QStringList none;
    QTest::newRow("no first take")
        << 6 << true << none << none << QStringList{"-", "-", "-", "-", "0 / 30"};
    QTest::newRow("one topic attempted") << 6 << true << QStringList{"80", "90"} << none
                                         << QStringList{"85%", "-", "-", "-", "2 / 30"};
    QStringList mock(35);
    mock[0] = "40";
    mock[30] = "90";
    QTest::newRow("mock and one other")
        << 7 << true << mock << none << QStringList{"65%", "-", "T1 ", "T1 ", "2 / 35"};
    QTest::newRow("mock counts as a name only when it is one")
        << 7 << false << mock << none << QStringList{"65%", "-", "T1 ", "T7 ", "2 / 35"};
    QTest::newRow("equal averages go to the later topic")
        << 6 << true << QStringList{"60.1", "60.2", "", "", "", "60.3", "60"} << none
        << QStringList{"60.2%", "-", "T2 ", "T2 ", "4 / 30"};
    QTest::newRow("topic 1 without first takes")
        << 6 << true << QStringList{"", "", "", "", "", "70", "", "", "", "", "90"}
        << QStringList{"100"} << QStringList{"80%", "100%", "T2 ", "T3 ", "2 / 30"};
    // Topic 1 averages 90 with its second take (85 without), so topic 2 at 88 is the weakest.
    QTest::newRow("second takes join the topic average")
        << 6 << true << QStringList{"80", "90", "", "", "", "88"} << QStringList{"100"}
        << QStringList{"86%", "100%", "T2 ", "T1 ", "3 / 30"};
    QTest::newRow("a topic with second takes only is not attempted")
        << 6 << true << QStringList{"50", "", "", "", "", "60"}
        << QStringList{"", "", "", "", "", "", "", "", "", "", "1"}
        << QStringList{"55%", "1%", "T1 ", "T2 ", "2 / 30"};
    QTest::newRow("85 and 86, seconds 1, 1 and 2")
        << 6 << true << QStringList{"85", "86"} << QStringList{"1", "1", "2"}
        << QStringList{"85.5%", "1.3%", "-", "-", "2 / 30"};
    QTest::newRow("damaged scores are no takes")
        << 6 << true << QStringList{"", "abc", "80", " ", "nan", "70"}
        << QStringList{"", "", "x", "inf"} << QStringList{"75%", "-", "T2 ", "T1 ", "2 / 30"};
    QStringList beyond(35);
    beyond[0] = "50";
    beyond[30] = "100"; // a paper past a 6-topic subject's last
    QTest::newRow("papers past the topic count")
        << 6 << true << beyond << none << QStringList{"50%", "-", "-", "-", "1 / 30"};
}

void TestReportLogic::overall()
{
    QFETCH(int, topics);
    QFETCH(bool, mockLast);
    QFETCH(QStringList, fse);
    QFETCH(QStringList, sse);
    QFETCH(QStringList, expected);
    QStringList names;
    for (int t = 1; t <= 10; ++t)
        names << (t <= topics ? QStringLiteral("T%1").arg(t) : QString());
    if (mockLast)
        names[topics - 1] = QStringLiteral("Mock Examination");
    const OverallFigures f =
        overallFigures(topicTotals(fse, sse, topics), names, topics, topics * PapersPerTopic);
    QCOMPARE((QStringList{f.OScore1, f.OScore2, f.WT, f.ST, f.PCNum}), expected);
}

void TestReportLogic::topicBars_data()
{
    QTest::addColumn<double>("sum");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("inner");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("tip");
    QTest::newRow("62.5") << 62.5 << 1 << 200 << "62.5%" << 125 << "Fractions: 62.5% over 1 paper";
    QTest::newRow("80 and 90") << 170.0 << 2 << 84 << "85%" << 71 << "Fractions: 85% over 2 papers";
    // The mark shows 85.2, the bar stands for 85.25.
    QTest::newRow("width from the unrounded average")
        << 170.5 << 2 << 1000 << "85.2%" << 853 << "Fractions: 85.2% over 2 papers";
    QTest::newRow("no take") << 0.0 << 0 << 84 << "" << 0 << "";
    QTest::newRow("damaged score above 100")
        << 150.0 << 1 << 84 << "150%" << 84 << "Fractions: 150% over 1 paper";
    QTest::newRow("damaged negative score")
        << -20.0 << 1 << 84 << "-20%" << 0 << "Fractions: -20% over 1 paper";
    QTest::newRow("damaged scores summing past any number")
        << qInf() << 2 << 84 << "inf%" << 84 << "Fractions: inf% over 2 papers";
}

void TestReportLogic::topicBars()
{
    QFETCH(double, sum);
    QFETCH(int, count);
    QFETCH(int, inner);
    QFETCH(QString, mark);
    QFETCH(int, width);
    QFETCH(QString, tip);
    QCOMPARE(topicMark(sum, count), mark);
    QCOMPARE(barWidth(inner, sum, count), width);
    QCOMPARE(topicBarToolTip(QStringLiteral("Fractions"), sum, count), tip);
}

void TestReportLogic::trend_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QList<double>>("values");
    QStringList numbers;
    QList<double> all;
    for (int i = 1; i <= 60; ++i) {
        numbers << QString::number(i);
        all << i;
    }
    QTest::newRow("0 scores") << QStringList{} << QList<double>{};
    QTest::newRow("1 score") << QStringList{"80"} << QList<double>{80};
    QTest::newRow("20 scores") << numbers.mid(0, 20) << all.mid(0, 20);
    QTest::newRow("25 scores") << numbers.mid(0, 25) << all.mid(5, 20);
    QTest::newRow("more than a record holds") << numbers << all.mid(40, 20);
    QTest::newRow("damaged entries skipped")
        << QStringList{"80", "", "x", "62.5", ""} << QList<double>{80, 62.5};
}

void TestReportLogic::trend()
{
    QFETCH(QStringList, entries);
    QFETCH(QList<double>, values);
    QCOMPARE(trendValues(entries), values);

    // On a 210 x 100 area a step is 10 wide and a score point 1 high.
    const TrendGeometry g = trendGeometry(QSizeF(210, 100), values);
    QCOMPARE(g.gridY, (QList<double>{10, 20, 30, 40, 50, 60, 70, 80, 90}));
    QCOMPARE(g.start, QPointF(0, 100));
    QCOMPARE(g.points.size(), values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        QCOMPARE(g.points[i], QPointF(10.0 * (i + 1), 100 - values[i]));
}

void TestReportLogic::trendPointUnderPointer()
{
    const TrendGeometry g = trendGeometry(QSizeF(210, 100), {80, 120, -5});
    // Scores outside 0..100 stay on the plot.
    QCOMPARE(g.points, (QList<QPointF>{{10, 20}, {20, 0}, {30, 100}}));
    QCOMPARE(trendPointAt(g.points, QPointF(14, 22), 6), 0);
    QCOMPARE(trendPointAt(g.points, QPointF(16, 12), 6), -1);
    QCOMPARE(trendPointAt(g.points, QPointF(16, 8), 15), 1); // both in reach: the nearer one
    QCOMPARE(trendPointToolTip(11, 20, 80), QStringLiteral("Paper 12 of 20 recent: 80%"));
}

void TestReportLogic::panels_data()
{
    QTest::addColumn<int>("pos");
    QTest::addColumn<Heights>("tops");
    QTest::addColumn<int>("open");
    QTest::addColumn<int>("panelTop");
    // Page 300 high, bars 20, 22 and 24 high: the panel is 234 high in every position.
    QTest::newRow("1") << 1 << Heights{0, 254, 276} << 1 << 20;
    QTest::newRow("2") << 2 << Heights{0, 20, 276} << 2 << 42;
    QTest::newRow("3") << 3 << Heights{0, 20, 42} << 3 << 66;
    QTest::newRow("0 opens the trend") << 0 << Heights{0, 20, 42} << 3 << 66;
}

void TestReportLogic::panels()
{
    QFETCH(int, pos);
    QFETCH(Heights, tops);
    QFETCH(int, open);
    QFETCH(int, panelTop);
    const PanelLayout layout = reportPanelLayout(pos, 300, {20, 22, 24});
    QCOMPARE(layout.barTops, tops);
    QCOMPARE(layout.open, open);
    QCOMPARE(layout.panelTop, panelTop);
    QCOMPARE(layout.panelHeight, 234);
}

QTEST_APPLESS_MAIN(TestReportLogic)
#include "tst_reportlogic.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The home page panel on its own: what it shows for the scores it is given, and what its clicks
// report.
#include "home/homepanel.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace home;

class TestHomePanel : public QObject
{
    Q_OBJECT
private slots:
    void showsTheTopicsItIsGiven();
    void scoresAndSecondTakes_data();
    void scoresAndSecondTakes();
    void clicksAreReported();
};

namespace {
QWidget *child(const HomePanel &panel, const QString &name)
{
    QWidget *w = panel.findChild<QWidget *>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}
QString text(const HomePanel &panel, const QString &name)
{
    return static_cast<QLabel *>(child(panel, name))->text();
}
} // namespace

void TestHomePanel::showsTheTopicsItIsGiven()
{
    HomePanel panel;
    QCOMPARE(panel.objectName(), QStringLiteral("Body_Home"));
    panel.setTopics({"Grammar", "Vocabulary", "Spelling"}, 2);
    QCOMPARE(text(panel, "Topic1"), QStringLiteral("Grammar"));
    QVERIFY(!child(panel, "Topic2")->isHidden());
    QVERIFY(!child(panel, "Bullet2")->isHidden());
    // Past the topic count: hidden, name or not.
    QVERIFY(child(panel, "Topic3")->isHidden());
    QVERIFY(child(panel, "Bullet3")->isHidden());
    QCOMPARE(text(panel, "Topic10"), QString());
}

void TestHomePanel::scoresAndSecondTakes_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("shownFirst");
    QTest::addColumn<bool>("secondTakeOffered");
    QTest::newRow("not taken") << ""
                               << ""
                               << "" << false;
    QTest::newRow("first take") << "50"
                                << ""
                                << "50" << true;
    QTest::newRow("both takes") << "50"
                                << "80"
                                << "50" << true;
}

void TestHomePanel::scoresAndSecondTakes()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, shownFirst);
    QFETCH(bool, secondTakeOffered);
    HomePanel panel;
    // The second topic (papers 6 to 10): its first paper's scores stand at index 5.
    QStringList fse(10), sse(10);
    fse[5] = first;
    sse[5] = second;
    panel.TopicChoosing(fse, sse, 6, QStringLiteral("Vocabulary"));
    QCOMPARE(text(panel, "SubH1"), QStringLiteral("Vocabulary"));
    QCOMPARE(text(panel, "MSA1"), shownFirst);
    QCOMPARE(text(panel, "MSB1"), second);
    QCOMPARE(!child(panel, "P1b")->isHidden(), secondTakeOffered);
    QVERIFY(child(panel, "P2b")->isHidden()); // paper 7 has no take
}

void TestHomePanel::clicksAreReported()
{
    HomePanel panel;
    panel.setTopics({"Grammar", "Vocabulary"}, 2);
    QStringList fse(5), sse(5);
    fse[0] = QStringLiteral("40");
    panel.TopicChoosing(fse, sse, 1, QStringLiteral("Grammar"));
    panel.resize(400, 400);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy topics(&panel, &HomePanel::topicClicked);
    QSignalSpy papers(&panel, &HomePanel::paperRequested);
    QTest::mouseClick(child(panel, "Topic2"), Qt::LeftButton);
    QTest::mouseClick(child(panel, "P2a"), Qt::LeftButton);
    QTest::mouseClick(child(panel, "P1b"), Qt::LeftButton);
    QCOMPARE(topics.size(), 1);
    QCOMPARE(topics[0][0].toInt(), 2);
    QCOMPARE(papers.size(), 2);
    QCOMPARE(papers[0], (QList<QVariant>{1, 1}));
    QCOMPARE(papers[1], (QList<QVariant>{0, 2}));
    // The keyboard meets the paper buttons row by row, first take before second.
    const QList<QWidget *> order = panel.paperControls();
    QCOMPARE(order.size(), 10);
    QCOMPARE(order[0]->objectName(), QStringLiteral("P1a"));
    QCOMPARE(order[1]->objectName(), QStringLiteral("P1b"));
    QCOMPARE(order[2]->objectName(), QStringLiteral("P2a"));
}

QTEST_MAIN(TestHomePanel)
#include "tst_homepanel.moc"

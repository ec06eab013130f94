// SPDX-License-Identifier: GPL-3.0-or-later
// Parts of the home window on their own: the tab row and the page stack.
#include "chrome/imagebutton.h"
#include "home/aboutpage.h"
#include "home/homepages.h"
#include "home/homepanel.h"
#include "home/homewidgets.h"
#include "home/reportpage.h"
#include "home/subjecttabs.h"
#include "home/trashpage.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

using namespace home;

class TestHomeParts : public QObject
{
    Q_OBJECT
private slots:
    void tabsFollowTheNamedSubjects_data();
    void tabsFollowTheNamedSubjects();
    void raisedTabStandsInFront_data();
    void raisedTabStandsInFront();
    void tabClicksAndNames();
    void pagesMadeOnceAndNamed();
    void oneVisiblePageAtATime();
};

namespace {
// The strip as the window places it: tabs stand on its top edge.
constexpr int StripLeft = 2;
constexpr int StripTop = 60;
constexpr int Back = StripTop - 26 + 2; // an unselected tab's top
constexpr int Front = StripTop - 27;    // the selected tab: taller and 2 px higher still

int stackIndex(const QWidget *w)
{
    return int(w->parentWidget()->children().indexOf(w));
}
} // namespace

void TestHomeParts::tabsFollowTheNamedSubjects_data()
{
    QTest::addColumn<QList<bool>>("named");
    QTest::addColumn<QList<int>>("lefts");
    constexpr int W = SubjectTabs::TabWidth;
    constexpr int Step = W - 4; // neighbouring tabs overlap by 4 px
    constexpr int Parked = -W;
    const int a = StripLeft, b = StripLeft + Step, c = StripLeft + 2 * Step;
    QTest::newRow("all named") << QList<bool>{true, true, true}
                               << QList<int>{a, b, c, StripLeft + 3 * Step};
    QTest::newRow("second unnamed")
        << QList<bool>{true, false, true} << QList<int>{a, Parked, b, c};
    QTest::newRow("first unnamed") << QList<bool>{false, true, true} << QList<int>{Parked, a, b, c};
    QTest::newRow("only the first")
        << QList<bool>{true, false, false} << QList<int>{a, Parked, Parked, b};
    QTest::newRow("none") << QList<bool>{false, false, false}
                          << QList<int>{Parked, Parked, Parked, a};
}

void TestHomeParts::tabsFollowTheNamedSubjects()
{
    QFETCH(const QList<bool>, named);
    QFETCH(const QList<int>, lefts);
    QWidget window;
    window.resize(400, 300);
    SubjectTabs tabs(&window);
    tabs.strip()->setGeometry(StripLeft, StripTop, 396, 8);
    tabs.layOut({named[0], named[1], named[2]});
    for (int i = 0; i < 4; ++i) {
        const chrome::ImageButton *tab = tabs.buttons()[std::size_t(i)];
        QCOMPARE(tab->parentWidget(), &window);
        QCOMPARE(tab->objectName(), QStringLiteral("Tab0%1").arg(i + 1));
        QCOMPARE(tab->pos(), QPoint(lefts[i], Back));
    }
}

void TestHomeParts::raisedTabStandsInFront_data()
{
    QTest::addColumn<int>("tab");
    for (int tab = 1; tab <= 4; ++tab)
        QTest::addRow("Tab0%d", tab) << tab;
}

void TestHomeParts::raisedTabStandsInFront()
{
    QFETCH(const int, tab);
    QWidget window;
    window.resize(400, 300);
    SubjectTabs tabs(&window);
    tabs.strip()->setGeometry(StripLeft, StripTop, 396, 8);
    tabs.layOut({true, true, true});
    // Another tab first: raising this one must put that one back.
    tabs.raiseTab(tab % 4 + 1);
    tabs.raiseTab(tab);
    for (int i = 0; i < 4; ++i) {
        const chrome::ImageButton *t = tabs.buttons()[std::size_t(i)];
        const bool front = i + 1 == tab;
        QCOMPARE(t->height(), front ? 27 : 26);
        QCOMPARE(t->y(), front ? Front : Back);
        QCOMPARE(t->isAccessibleSelected(), front);
        // The strip's line runs under the selected tab only.
        QCOMPARE(stackIndex(t) > stackIndex(tabs.strip()), front);
    }
    // A tick that finds the same selection changes nothing.
    tabs.showSelected(tab);
    QCOMPARE(tabs.buttons()[std::size_t(tab - 1)]->y(), Front);
}

void TestHomeParts::tabClicksAndNames()
{
    QWidget window;
    window.resize(400, 300);
    SubjectTabs tabs(&window);
    tabs.strip()->setGeometry(StripLeft, StripTop, 396, 8);
    tabs.setSubjectNames({QStringLiteral("English"), QString(), QStringLiteral("Science")});
    tabs.layOut({true, false, true});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QSignalSpy clicked(&tabs, &SubjectTabs::tabClicked);
    QTest::mouseClick(tabs.buttons()[2], Qt::LeftButton);
    QTest::mouseClick(window.findChild<QLabel *>(QStringLiteral("Tab04lbl")), Qt::LeftButton);
    QCOMPARE(clicked.size(), 2);
    QCOMPARE(clicked[0][0].toInt(), 3);
    QCOMPARE(clicked[1][0].toInt(), 4);

    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Tab01lbl"))->text(),
             QStringLiteral("English"));
    QCOMPARE(tabs.buttons()[2]->toolTip(), QStringLiteral("Load Science Module"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Tab04lbl"))->text(),
             QStringLiteral("Help"));
}

void TestHomeParts::pagesMadeOnceAndNamed()
{
    QWidget window;
    const QRect area(2, 68, 380, 200);
    HomePages pages(&window, [area] { return area; });
    QCOMPARE(pages.home()->parentWidget(), &window);
    // Nothing but the home page until a page is asked for.
    QVERIFY(!window.findChild<ReportPage *>());
    QVERIFY(!window.findChild<AboutPage *>());

    // A name given before the about page exists reaches it when it is made, and later names too.
    pages.setProgramName(QStringLiteral("Tiny Course"));
    AboutPage *about = pages.about();
    QCOMPARE(pages.about(), about);
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("ProgramName"))->text(),
             QStringLiteral("Tiny Course"));
    pages.setProgramName(QStringLiteral("Other Course"));
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("ProgramName"))->text(),
             QStringLiteral("Other Course"));

    ReportPage *report = pages.report();
    QCOMPARE(pages.report(), report);
    QCOMPARE(report->parentWidget(), &window);
    QCOMPARE(report->geometry(), area);
    QVERIFY(report->isHidden());
    QCOMPARE(window.findChildren<ReportPage *>().size(), 1);
}

void TestHomeParts::oneVisiblePageAtATime()
{
    QWidget window;
    window.resize(400, 300);
    QRect area(2, 68, 380, 200);
    HomePages pages(&window, [&area] { return area; });
    QSignalSpy erase(&pages, &HomePages::eraseConfirmed);
    pages.show(pages.trash());
    pages.show(pages.about());
    QVERIFY(!pages.about()->isHidden());
    QVERIFY(pages.trash()->isHidden());
    QVERIFY(pages.home()->isHidden());

    // A page brought back takes the page area as it is now.
    area = QRect(2, 70, 380, 180);
    pages.show(pages.home());
    QVERIFY(!pages.home()->isHidden());
    QCOMPARE(pages.home()->geometry(), area);
    QVERIFY(pages.about()->isHidden());

    // The trash page's answer reaches the window through the stack.
    emit pages.trash()->eraseConfirmed();
    QCOMPARE(erase.size(), 1);
}

QTEST_MAIN(TestHomeParts)
#include "tst_homeparts.moc"

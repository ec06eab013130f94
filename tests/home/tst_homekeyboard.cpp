// SPDX-License-Identifier: GPL-3.0-or-later
#include "coursefixture.h"

#include "chrome/imagebutton.h"
#include "chrome/popup.h"
#include "content/content.h"
#include "home/homewindow.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

using home::HomeWindow;

// The home window driven by the keyboard alone, and read as a screen reader reads it.
class TestHomeKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void keys_data();
    void keys();
    void startUpToAPaperByKeys();
    void focusStartsOnTheFirstNamedSubject();
    void focusRingShows_data();
    void focusRingShows();
    void namesAndRoles();
    void pickAPaperThroughTheInterface();

private:
    std::unique_ptr<HomeWindow> start(const TestCourse &course = {});
    // Presses `keys` ("Tab Down Ctrl+Tab Return ...") as the keyboard would: each to the control
    // that has the focus, or to the window while none has.
    void press(HomeWindow &w, const QString &keys);
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    std::unique_ptr<QTemporaryDir> m_items;
    std::unique_ptr<QTemporaryDir> m_data;
};

void TestHomeKeyboard::init()
{
    m_items = std::make_unique<QTemporaryDir>();
    m_data = std::make_unique<QTemporaryDir>();
    QVERIFY(m_items->isValid() && m_data->isValid());
    content::setItemRoot(m_items->path());
    chrome::setNextPopUpAnswers({});
    chrome::takePopUpCalls();
}

void TestHomeKeyboard::cleanup()
{
    content::setItemRoot(QStringLiteral(":/items"));
}

std::unique_ptr<HomeWindow> TestHomeKeyboard::start(const TestCourse &course)
{
    writeCourse(m_items->path(), course);
    auto w = std::make_unique<HomeWindow>(m_data->path());
    if (w->startUp() != HomeWindow::StartUpStatus::Ok)
        qWarning("start-up failed");
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("the home window is not active");
    return w;
}

void TestHomeKeyboard::press(HomeWindow &w, const QString &keys)
{
    const QHash<QString, Qt::Key> names{{"Tab", Qt::Key_Tab},       {"Backtab", Qt::Key_Backtab},
                                        {"Up", Qt::Key_Up},         {"Down", Qt::Key_Down},
                                        {"Left", Qt::Key_Left},     {"Right", Qt::Key_Right},
                                        {"Home", Qt::Key_Home},     {"End", Qt::Key_End},
                                        {"Return", Qt::Key_Return}, {"Space", Qt::Key_Space},
                                        {"1", Qt::Key_1},           {"2", Qt::Key_2},
                                        {"3", Qt::Key_3},           {"Escape", Qt::Key_Escape}};
    for (QString key : keys.split(u' ', Qt::SkipEmptyParts)) {
        Qt::KeyboardModifiers mods;
        if (key.startsWith(QLatin1String("Ctrl+"))) {
            mods |= Qt::ControlModifier;
            key.remove(0, 5);
        }
        if (key.startsWith(QLatin1String("Shift+"))) {
            mods |= Qt::ShiftModifier;
            key.remove(0, 6);
        }
        QVERIFY2(names.contains(key), qPrintable(key));
        QWidget *target = QApplication::focusWidget();
        if (!target || target->window() != &w)
            target = &w;
        QTest::keyClick(target, names.value(key), mods);
    }
}

void TestHomeKeyboard::keys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("focus"); // the control with the focus afterwards
    QTest::addColumn<int>("tab");       // txtTabPos afterwards
    QTest::addColumn<int>("topic");     // the highlighted topic afterwards
    QTest::addColumn<QString>("page");  // the page on show afterwards

    // The keyboard starts on the selected subject's tab. Tab goes from group to group: tabs,
    // topics, papers, toolbar, and round again.
    QTest::newRow("nothing pressed") << ""
                                     << "Tab01" << 1 << 1 << "Body_Home";
    QTest::newRow("into the topics") << "Tab"
                                     << "Topic1" << 1 << 1 << "Body_Home";
    QTest::newRow("into the papers") << "Tab Tab"
                                     << "P1a" << 1 << 1 << "Body_Home";
    QTest::newRow("into the toolbar") << "Tab Tab Tab"
                                      << "ToolBar01" << 1 << 1 << "Body_Home";
    QTest::newRow("round again") << "Tab Tab Tab Tab"
                                 << "Tab01" << 1 << 1 << "Body_Home";
    QTest::newRow("Shift+Tab to the toolbar") << "Backtab"
                                              << "ToolBar01" << 1 << 1 << "Body_Home";
    QTest::newRow("Shift+Tab back to the topics") << "Tab Tab Backtab"
                                                  << "Topic1" << 1 << 1 << "Body_Home";

    // Arrows move the focus within a group and choose nothing.
    QTest::newRow("arrows along the tabs") << "Right Right"
                                           << "Tab03" << 1 << 1 << "Body_Home";
    QTest::newRow("no arrow past the last tab") << "End Right"
                                                << "Tab04" << 1 << 1 << "Body_Home";
    QTest::newRow("down the topics") << "Tab Down Down"
                                     << "Topic3" << 1 << 1 << "Body_Home";
    QTest::newRow("End: the last of the 6 topics") << "Tab End"
                                                   << "Topic6" << 1 << 1 << "Body_Home";
    QTest::newRow("Home after End") << "Tab End Up Home"
                                    << "Topic1" << 1 << 1 << "Body_Home";
    QTest::newRow("along the toolbar") << "Backtab Right Right Left"
                                       << "ToolBar02" << 1 << 1 << "Body_Home";

    // Return and Space act on the focused control.
    QTest::newRow("Return picks a topic") << "Tab Down Return"
                                          << "Topic2" << 1 << 2 << "Body_Home";
    QTest::newRow("Space picks a topic") << "Tab End Space"
                                         << "Topic6" << 1 << 6 << "Body_Home";
    QTest::newRow("Tab comes back to the picked topic") << "Tab Down Down Return Tab Tab Tab Tab"
                                                        << "Topic3" << 1 << 3 << "Body_Home";
    QTest::newRow("Return on a tab") << "Right Return"
                                     << "Tab02" << 2 << 1 << "Body_Home";
    QTest::newRow("Space on Report") << "Backtab Right Space"
                                     << "ToolBar02" << 1 << 1 << "Body_Report";
    QTest::newRow("the report's bars after the tabs") << "Backtab Right Space Tab Tab Down"
                                                      << "lblRCBar2" << 1 << 1 << "Body_Report";
    QTest::newRow("Help, then Trash") << "End Return Backtab Right Return Tab Tab"
                                      << "ButTrash" << 4 << 1 << "Body_Trash";
    QTest::newRow("Trash, then its Yes and No")
        << "End Return Backtab Right Return Tab Tab Return Right"
        << "ButTrash_No" << 4 << 1 << "Body_Trash";
    QTest::newRow("No: the focus goes back to Trash")
        << "End Return Backtab Right Return Tab Tab Return Right Space"
        << "ButTrash" << 4 << 1 << "Body_Trash";

    // Ctrl+Tab and Ctrl+1..3 switch subjects and take the focus to the tab.
    QTest::newRow("Ctrl+Tab") << "Ctrl+Tab"
                              << "Tab02" << 2 << 1 << "Body_Home";
    QTest::newRow("Ctrl+Tab round to Help and back") << "Ctrl+Tab Ctrl+Tab Ctrl+Tab Ctrl+Tab"
                                                     << "Tab01" << 1 << 1 << "Body_Home";
    QTest::newRow("Ctrl+Shift+Tab to Help") << "Ctrl+Shift+Tab"
                                            << "Tab04" << 4 << 1 << "Body_About";
    QTest::newRow("Ctrl+3") << "Ctrl+3"
                            << "Tab03" << 3 << 1 << "Body_Home";
    QTest::newRow("Ctrl+2 from the report") << "Backtab Right Return Ctrl+2"
                                            << "Tab02" << 2 << 1 << "Body_Home";
    QTest::newRow("Ctrl+1 on the subject shown: back to topic 1")
        << "Tab End Return Ctrl+1"
        << "Tab01" << 1 << 1 << "Body_Home";
}

void TestHomeKeyboard::keys()
{
    QFETCH(QString, keys);
    QFETCH(QString, focus);
    QFETCH(int, tab);
    QFETCH(int, topic);
    QFETCH(QString, page);
    auto w = start();
    press(*w, keys);
    QCOMPARE(focused(), focus);
    QCOMPARE(w->state().txtTabPos, tab);
    QCOMPARE(w->selectedTopic(), topic);
    QWidget *shown = w->findChild<QWidget *>(page);
    QVERIFY(shown && shown->isVisible());
    QVERIFY(chrome::takePopUpCalls().isEmpty());
}

void TestHomeKeyboard::startUpToAPaperByKeys()
{
    // Paper 107 has a first take of 60: its second-take button is offered.
    QVERIFY(writeBytes(resultFile(m_data->path(), QStringLiteral("marks"), 2),
                       summaryWith(35, {"", "", "", "", "", "", "60"}, {})));
    auto w = start();
    QList<std::pair<int, int>> opened;
    w->setPracticeOpener([&](const results::PaperPlace &place, std::function<void()>) -> QWidget * {
        opened.append({place.paperNumber, place.take});
        return nullptr;
    });
    // Mathematics, its second topic, paper 2 (107), the second take.
    press(*w, QStringLiteral("Ctrl+2 Tab Down Return"));
    QCOMPARE(w->state().LChose, 2);
    QCOMPARE(w->selectedTopic(), 2);
    press(*w, QStringLiteral("Tab Down"));
    QCOMPARE(focused(), QStringLiteral("P2a"));
    press(*w, QStringLiteral("Down"));
    QCOMPARE(focused(), QStringLiteral("P2b"));
    press(*w, QStringLiteral("Return"));
    QCOMPARE(opened, (QList<std::pair<int, int>>{{107, 2}}));
    press(*w, QStringLiteral("Up Space"));
    QCOMPARE(opened.value(1), (std::pair<int, int>{107, 1}));

    // A practice window that closes hands the keyboard back to the paper that opened it.
    std::function<void()> unload;
    w->setPracticeOpener(
        [&](const results::PaperPlace &, std::function<void()> onUnload) -> QWidget * {
            unload = onUnload;
            auto *practice = new QWidget;
            practice->show();
            practice->activateWindow();
            return practice;
        });
    press(*w, QStringLiteral("Return"));
    QPointer<QWidget> practice = w->practiceWindow();
    QVERIFY(practice);
    QVERIFY(QTest::qWaitForWindowActive(practice));
    practice->close();
    unload();
    delete practice.data();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(focused(), QStringLiteral("P2a"));
}

void TestHomeKeyboard::focusStartsOnTheFirstNamedSubject()
{
    TestCourse course;
    course.subjects[0].name.clear(); // its tab is parked off the window
    auto w = start(course);
    QCOMPARE(focused(), QStringLiteral("Tab02"));
    press(*w, QStringLiteral("Left Left"));
    QCOMPARE(focused(), QStringLiteral("Tab02"));
    press(*w, QStringLiteral("Ctrl+1 Ctrl+Shift+Tab"));
    QCOMPARE(w->state().txtTabPos, 4);
    press(*w, QStringLiteral("Ctrl+Tab"));
    QCOMPARE(w->state().txtTabPos, 2);
}

void TestHomeKeyboard::focusRingShows_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("control");
    QTest::newRow("a tab") << "Right"
                           << "Tab02";
    QTest::newRow("a topic, highlighted") << "Tab"
                                          << "Topic1";
    QTest::newRow("a topic") << "Tab Down"
                             << "Topic2";
    QTest::newRow("a paper button") << "Tab Tab"
                                    << "P1a";
    QTest::newRow("a toolbar button") << "Backtab"
                                      << "ToolBar01";
}

void TestHomeKeyboard::focusRingShows()
{
    QFETCH(QString, keys);
    QFETCH(QString, control);
    auto w = start();
    QWidget *c = w->findChild<QWidget *>(control);
    QVERIFY(c);
    // The ring runs just inside the control's edge, in the ring colour, only while focused.
    auto ringShown = [c] {
        const QImage image = c->grab().toImage();
        const int y = image.height() / 2;
        return image.pixelColor(1, y) == chrome::focusRingColour() &&
               image.pixelColor(image.width() - 2, y) == chrome::focusRingColour();
    };
    QVERIFY(!ringShown());
    press(*w, keys);
    QCOMPARE(focused(), control);
    QVERIFY(ringShown());
    press(*w, QStringLiteral("Tab"));
    QVERIFY(!ringShown());
}

void TestHomeKeyboard::namesAndRoles()
{
    QVERIFY(writeBytes(resultFile(m_data->path(), QStringLiteral("marks"), 1),
                       summaryWith(30, {"80"}, {"90"})));
    auto w = start();
    auto iface = [&](const QString &name) {
        QWidget *c = w->findChild<QWidget *>(name);
        QAccessibleInterface *i = c ? QAccessible::queryAccessibleInterface(c) : nullptr;
        if (!i)
            qFatal("no accessible control %s", qPrintable(name));
        return i;
    };
    struct Expect
    {
        const char *control;
        QAccessible::Role role;
        const char *name;
    };
    const Expect expected[] = {
        {"Tab01", QAccessible::PageTab, "English"},
        {"Tab02", QAccessible::PageTab, "Mathematics"},
        {"Tab04", QAccessible::PageTab, "Help"},
        {"Topic1", QAccessible::ListItem, "Topic 1.1"},
        {"Topic6", QAccessible::ListItem, "Topic 1.6"},
        {"P1a", QAccessible::Button, "Paper 1, 1st attempt, 80%"},
        {"P1b", QAccessible::Button, "Paper 1, 2nd attempt, 90%"},
        {"P2a", QAccessible::Button, "Paper 2, 1st attempt"},
        {"ToolBar01", QAccessible::Button, "Home"},
        {"ToolBar02", QAccessible::Button, "Report"},
        {"ToolBar03", QAccessible::Button, "Print"},
        {"ToolBar04", QAccessible::Button, "Close"},
        {"imgProgClose", QAccessible::Button, "Close"},
        {"imgProgMin", QAccessible::Button, "Minimise"},
    };
    for (const Expect &e : expected) {
        QAccessibleInterface *i = iface(QString::fromLatin1(e.control));
        QVERIFY2(i, e.control);
        QCOMPARE(i->role(), e.role);
        QCOMPARE(i->text(QAccessible::Name), QString::fromLatin1(e.name));
    }
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(w.get());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Tiny Course"));
    // Selection reads from the interface: the front tab and the highlighted topic.
    QVERIFY(iface("Tab01")->state().selected);
    QVERIFY(!iface("Tab02")->state().selected);
    QVERIFY(iface("Topic1")->state().selected);
    QVERIFY(!iface("Topic2")->state().selected);
    QVERIFY(iface("Topic2")->state().focusable);
    QTest::mouseClick(w->findChild<QWidget *>("Topic2"), Qt::LeftButton);
    QVERIFY(!iface("Topic1")->state().selected);
    QVERIFY(iface("Topic2")->state().selected);
    // On the Help tab the toolbar says what it does there.
    QTest::mouseClick(w->findChild<QWidget *>("Tab04"), Qt::LeftButton);
    QCOMPARE(iface("ToolBar01")->text(QAccessible::Name), QStringLiteral("About"));
    QCOMPARE(iface("ToolBar04")->text(QAccessible::Name), QStringLiteral("Setup"));
    QVERIFY(iface("Tab04")->state().selected);
    QCOMPARE(iface("lbl_LSURL")->role(), QAccessible::Link);
}

void TestHomeKeyboard::pickAPaperThroughTheInterface()
{
    auto w = start();
    int opened = 0;
    w->setPracticeOpener([&](const results::PaperPlace &place, std::function<void()>) -> QWidget * {
        opened = place.paperNumber;
        return nullptr;
    });
    auto action = [&](const QString &name) {
        QWidget *c = w->findChild<QWidget *>(name);
        QAccessibleInterface *i = c ? QAccessible::queryAccessibleInterface(c) : nullptr;
        return i ? i->actionInterface() : nullptr;
    };
    QAccessibleActionInterface *topic3 = action(QStringLiteral("Topic3"));
    QVERIFY(topic3);
    QVERIFY(topic3->actionNames().contains(QAccessibleActionInterface::pressAction()));
    topic3->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(w->selectedTopic(), 3);
    QCOMPARE(w->state().SubH1, topicName(1, 3));
    action(QStringLiteral("Topic4"))->doAction(QAccessibleActionInterface::setFocusAction());
    QCOMPARE(focused(), QStringLiteral("Topic4"));
    QCOMPARE(w->selectedTopic(), 3); // focus alone picks nothing
    QAccessibleActionInterface *paper = action(QStringLiteral("P3a"));
    QVERIFY(paper);
    paper->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(opened, 113);
}

QTEST_MAIN(TestHomeKeyboard)
#include "tst_homekeyboard.moc"

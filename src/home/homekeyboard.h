// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

#include <array>
#include <utility>

class QKeyEvent;
class QWidget;

namespace chrome {
class ImageButton;
} // namespace chrome

namespace home {

class HomePanel;
class HomeToolBar;
class HomeWindow;

// The home window by keyboard: Tab and Shift+Tab go from group to group (tabs, topics, papers
// or the page's controls, toolbar), the arrows, Home and End move within a group, and Ctrl+Tab,
// Ctrl+Shift+Tab and Ctrl+1..3 switch tabs. The window hands its Tab and key presses over.
class HomeKeyboard : public QObject
{
    Q_OBJECT
public:
    HomeKeyboard(HomeWindow *window, const std::array<chrome::ImageButton *, 4> &tabs,
                 HomeToolBar *tools, HomePanel *homePanel);

    // Tab (next) or Shift+Tab; false when there is nothing to go to.
    bool focusNextPrevChild(bool next);
    // An arrow, Home or End without modifiers: true when it was taken.
    bool keyPress(QKeyEvent *event);

private:
    // Keyboard groups, in Tab order; only controls on show are in them.
    enum class FocusGroup
    {
        None,
        Tabs,
        Topics,
        Papers,
        Page, // the controls of the report, trash or about page
        Tools
    };
    QList<std::pair<FocusGroup, QList<QWidget *>>> focusGroups() const;
    FocusGroup focusGroupOf(const QWidget *w) const;
    QWidget *groupEntry(FocusGroup group, const QList<QWidget *> &members) const;
    bool subjectNamed(int subject) const;
    void switchTab(int step);     // Ctrl+Tab, Ctrl+Shift+Tab: the next or previous tab
    void selectSubjectKey(int s); // Ctrl+1..3

    HomeWindow *m_window;
    std::array<chrome::ImageButton *, 4> m_tabs;
    HomeToolBar *m_tools;
    HomePanel *m_homePanel;
};

} // namespace home

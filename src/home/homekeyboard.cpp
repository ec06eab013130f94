// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/homekeyboard.h"

#include "home/homewindow.h"

#include "chrome/imagebutton.h"
#include "home/homelogic.h"
#include "home/homepanel.h"
#include "home/hometoolbar.h"
#include "home/homewidgets.h"

#include <QKeyEvent>
#include <QShortcut>

#include <algorithm>

namespace home {

HomeKeyboard::HomeKeyboard(HomeWindow *window, const std::array<chrome::ImageButton *, 4> &tabs,
                           HomeToolBar *tools, HomePanel *homePanel)
    : QObject(window), m_window(window), m_tabs(tabs), m_tools(tools), m_homePanel(homePanel)
{
    // Ctrl+Tab and Ctrl+Shift+Tab go through the tabs as in any tabbed window; Ctrl+1..3
    // pick a subject.
    const QList<QKeySequence> next{QKeySequence(Qt::CTRL | Qt::Key_Tab)};
    const QList<QKeySequence> previous{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)};
    for (const QKeySequence &keys : next)
        connect(new QShortcut(keys, window), &QShortcut::activated, this, [this] { switchTab(1); });
    for (const QKeySequence &keys : previous)
        connect(new QShortcut(keys, window), &QShortcut::activated, this,
                [this] { switchTab(-1); });
    for (int s = 1; s <= SubjectCount; ++s)
        connect(new QShortcut(QKeySequence(Qt::CTRL | (Qt::Key_0 + s)), window),
                &QShortcut::activated, this, [this, s] { selectSubjectKey(s); });
}

bool HomeKeyboard::subjectNamed(int subject) const
{
    return m_window->course().subjects[subject - 1].exists();
}

void HomeKeyboard::switchTab(int step)
{
    QList<int> tabs;
    for (int n = 1; n <= 4; ++n) {
        if (n == 4 || subjectNamed(n))
            tabs << n;
    }
    const qsizetype at = tabs.indexOf(m_window->state().txtTabPos);
    const int n = tabs[((at < 0 ? 0 : at) + step + tabs.size()) % tabs.size()];
    m_window->clickTab(n);
    m_tabs[n - 1]->setFocus(Qt::TabFocusReason);
}

void HomeKeyboard::selectSubjectKey(int s)
{
    if (s < 1 || s > SubjectCount || !subjectNamed(s))
        return;
    m_window->clickTab(s);
    m_tabs[s - 1]->setFocus(Qt::TabFocusReason);
}

HomeKeyboard::FocusGroup HomeKeyboard::focusGroupOf(const QWidget *w) const
{
    if (!w)
        return FocusGroup::None;
    auto in = [w](const auto &list) {
        return std::find(list.begin(), list.end(), w) != list.end();
    };
    if (in(m_tabs))
        return FocusGroup::Tabs;
    if (in(m_tools->buttons()))
        return FocusGroup::Tools;
    if (in(m_homePanel->topicControls()))
        return FocusGroup::Topics;
    if (in(m_homePanel->paperControls()))
        return FocusGroup::Papers;
    for (const QWidget *p = w->parentWidget(); p && p != m_window; p = p->parentWidget()) {
        if (p->parentWidget() == m_window && p->objectName().startsWith(QLatin1String("Body_")))
            return FocusGroup::Page;
    }
    return FocusGroup::None;
}

QList<std::pair<HomeKeyboard::FocusGroup, QList<QWidget *>>> HomeKeyboard::focusGroups() const
{
    auto usable = [](QWidget *w) {
        return w && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus);
    };
    QList<std::pair<FocusGroup, QList<QWidget *>>> groups;
    auto add = [&](FocusGroup g, const QList<QWidget *> &members) {
        if (!members.isEmpty())
            groups.append({g, members});
    };

    QList<QWidget *> tabs;
    for (int i = 0; i < 4; ++i) {
        // An unnamed subject's tab is parked off the window.
        if (usable(m_tabs[i]) && (i == 3 || subjectNamed(i + 1)))
            tabs << m_tabs[i];
    }
    add(FocusGroup::Tabs, tabs);

    if (m_homePanel->isVisible()) {
        QList<QWidget *> topics, papers;
        for (ClickLabel *t : m_homePanel->topicControls()) {
            if (usable(t))
                topics << t;
        }
        for (QWidget *b : m_homePanel->paperControls()) {
            if (usable(b))
                papers << b;
        }
        add(FocusGroup::Topics, topics);
        add(FocusGroup::Papers, papers);
    } else {
        // Another page: its keyboard controls in the order they were made.
        for (QWidget *page : m_window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!page->isVisible() || !page->objectName().startsWith(QLatin1String("Body_")))
                continue;
            QList<QWidget *> controls;
            for (QWidget *c : page->findChildren<QWidget *>()) {
                if (usable(c))
                    controls << c;
            }
            add(FocusGroup::Page, controls);
        }
    }

    QList<QWidget *> tools;
    for (chrome::ImageButton *b : m_tools->buttons()) {
        if (usable(b))
            tools << b;
    }
    add(FocusGroup::Tools, tools);
    return groups;
}

QWidget *HomeKeyboard::groupEntry(FocusGroup group, const QList<QWidget *> &members) const
{
    // Into the tabs at the selected tab, into the topics at the selected topic.
    QWidget *preferred = nullptr;
    const int tab = m_window->state().txtTabPos;
    const int topic = m_window->selectedTopic();
    if (group == FocusGroup::Tabs && tab >= 1 && tab <= 4)
        preferred = m_tabs[tab - 1];
    if (group == FocusGroup::Topics && topic >= 1 && topic <= MaxTopics)
        preferred = m_homePanel->topicControls()[topic - 1];
    return members.contains(preferred) ? preferred : members.first();
}

bool HomeKeyboard::focusNextPrevChild(bool next)
{
    const auto groups = focusGroups();
    if (groups.isEmpty())
        return false;
    QWidget *current = m_window->focusWidget();
    const FocusGroup kind = focusGroupOf(current);
    qsizetype at = -1;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        if (groups[i].first == kind)
            at = i;
    }
    qsizetype target = 0;
    if (at < 0) {
        target = next ? 0 : groups.size() - 1;
    } else if (!groups[at].second.contains(current)) {
        // The focused control has just been hidden (a second-take button, a topic of another
        // subject): the focus stays in its group.
        target = at;
    } else {
        target = (at + (next ? 1 : -1) + groups.size()) % groups.size();
    }
    groupEntry(groups[target].first, groups[target].second)
        ->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool HomeKeyboard::keyPress(QKeyEvent *event)
{
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Home:
        step = -MaxTopics * PapersPerTopic;
        break;
    case Qt::Key_End:
        step = MaxTopics * PapersPerTopic;
        break;
    default:
        break;
    }
    if (!plain || step == 0)
        return false;
    event->accept();
    const auto groups = focusGroups();
    if (groups.isEmpty())
        return true;
    QWidget *current = m_window->focusWidget();
    const FocusGroup kind = focusGroupOf(current);
    for (const auto &[group, members] : groups) {
        const qsizetype at = members.indexOf(current);
        if (group != kind || at < 0)
            continue;
        const qsizetype to = std::clamp<qsizetype>(at + step, 0, members.size() - 1);
        members[to]->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    }
    // Nothing focused yet: an arrow starts where Tab would.
    groupEntry(groups.first().first, groups.first().second)->setFocus(Qt::TabFocusReason);
    return true;
}

} // namespace home

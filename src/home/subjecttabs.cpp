// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/subjecttabs.h"

#include "chrome/identities.h"
#include "chrome/imagebutton.h"
#include "chrome/look.h"
#include "home/homewidgets.h"

#include <QLabel>

namespace home {

SubjectTabs::SubjectTabs(QWidget *window) : QObject(window), m_strip(new TabStrip(window))
{
    for (int i = 0; i < 4; ++i) {
        const int n = i + 1;
        auto *tab = new chrome::ImageButton(QStringLiteral("Tab0%1").arg(n), window);
        tab->setAutoSize(false);
        tab->resize(TabWidth, 26);
        const chrome::ButtonIdentity look = chrome::tabIdentity(false);
        tab->setPictures(look.off, look.on);
        tab->setKeyboardFocusable(true);
        tab->setAccessibleRole(QAccessible::PageTab);
        QLabel *label = tab->caption(QStringLiteral("Tab0%1lbl").arg(n));
        label->setFont(chrome::pageFont(8.25, true));
        label->setGeometry(3, 4, TabWidth - 6, 20);
        connect(tab, &chrome::ImageButton::clicked, this, [this, n] { emit tabClicked(n); });
        m_tabs[i] = tab;
    }
}

void SubjectTabs::setSubjectNames(const std::array<QString, SubjectCount> &names)
{
    for (int s = 0; s < SubjectCount; ++s) {
        m_tabs[s]->setCaptionText(names[s]);
        m_tabs[s]->setToolTips(subjectTabToolTip(names[s]));
    }
    m_tabs[3]->setCaptionText(QStringLiteral("Help"));
    m_tabs[3]->setToolTips(QStringLiteral("Help"));
}

void SubjectTabs::layOut(const std::array<bool, SubjectCount> &named)
{
    std::array<int, 4> widths{};
    for (int i = 0; i < 4; ++i)
        widths[i] = m_tabs[i]->width();
    const std::array<int, 4> lefts = tabLefts(named, widths, m_strip->x());
    for (int i = 0; i < 4; ++i)
        m_tabs[i]->move(lefts[i], tabTop(m_strip->y(), m_tabs[i]->height(), false));
}

void SubjectTabs::raiseTab(int tab)
{
    for (int i = 3; i >= 0; --i)
        m_tabs[i]->raise();
    m_strip->raise();
    if (tab >= 1 && tab <= 4)
        m_tabs[tab - 1]->raise();
    showSelected(tab);
    for (int i = 0; i < 4; ++i) {
        chrome::ImageButton *t = m_tabs[i];
        t->move(t->x(), tabTop(m_strip->y(), t->height(), i + 1 == tab));
    }
}

void SubjectTabs::showSelected(int tab)
{
    for (int i = 0; i < 4; ++i) {
        const bool front = tab == i + 1;
        m_tabs[i]->setAccessibleSelected(front);
        const chrome::ButtonIdentity look = chrome::tabIdentity(front);
        if (m_tabs[i]->pictureFor(chrome::Look::Off) == look.off)
            continue;
        m_tabs[i]->setPictures(look.off, look.on);
        m_tabs[i]->resize(TabWidth, front ? 27 : 26);
        m_tabs[i]->move(m_tabs[i]->x(), tabTop(m_strip->y(), m_tabs[i]->height(), front));
    }
}

} // namespace home

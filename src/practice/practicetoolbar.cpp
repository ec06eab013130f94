// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practicetoolbar.h"

#include "chrome/identities.h"
#include "chrome/look.h"

#include <QLabel>

namespace practice {

chrome::ButtonIdentity practiceToolbarIdentity(int position)
{
    switch (position) {
    case 1:
        return chrome::buttonIdentity(QStringLiteral("Save"), QStringLiteral("Save paper"),
                                      QStringLiteral("save"), true);
    case 2:
        return chrome::buttonIdentity(QStringLiteral("Mark"), QStringLiteral("Mark paper"),
                                      QStringLiteral("mark"), true);
    case 3:
        return chrome::buttonIdentity(QStringLiteral("Print"), QStringLiteral("Print question"),
                                      QStringLiteral("print"));
    case 4:
        return chrome::buttonIdentity(QStringLiteral("Close"), QStringLiteral("Close paper"),
                                      QStringLiteral("close"));
    case 5:
        return chrome::buttonIdentity(QStringLiteral("Back"), QStringLiteral("Previous question"),
                                      QStringLiteral("back"), true);
    case 6:
        return chrome::buttonIdentity(QStringLiteral("Next"), QStringLiteral("Next question"),
                                      QStringLiteral("forward"), true);
    default:
        return {};
    }
}

PracticeToolBar::PracticeToolBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ScnTabBG"));
    chrome::setBackground(this, chrome::palette::Panel);
    // Every command also has its keys; the tool tips name them.
    const Command commands[6] = {Command::Save,  Command::Mark, Command::Print,
                                 Command::Close, Command::Back, Command::Next};
    for (int i = 0; i < 6; ++i) {
        const QString n = QStringLiteral("%1").arg(i + 1, 2, 10, QChar(u'0'));
        auto *b = new chrome::ImageButton(QStringLiteral("ToolBar") + n, this);
        b->setAutoSize(false);
        b->setTracksPress(true);
        b->caption(QStringLiteral("lblTB") + n);
        const chrome::ButtonIdentity id = practiceToolbarIdentity(i + 1);
        b->setIdentity(id);
        const QString tip = toolTipWithKey(id.toolTip, commands[i]);
        b->setToolTips(tip);
        b->setAccessibleName(id.caption);
        b->setAccessibleDescription(tip);
        const Command command = commands[i];
        connect(b, &chrome::ImageButton::clicked, this,
                [this, command] { emit commandChosen(command); });
        m_tools[i] = b;
    }
}

void PracticeToolBar::place(const PracticeLayout &layout)
{
    setGeometry(layout.toolStrip);
    for (int i = 0; i < 6; ++i) {
        m_tools[i]->setGeometry(layout.tools[i]);
        if (QLabel *c = m_tools[i]->captionLabel())
            c->setGeometry(0, layout.tools[i].height() - 15, layout.tools[i].width(), 14);
    }
}

void PracticeToolBar::setToolsEnabled(const ToolbarState &s)
{
    const bool enabled[6] = {s.save, s.mark, s.print, s.close, s.back, s.next};
    for (int i = 0; i < 6; ++i)
        m_tools[i]->setEnabled(enabled[i]);
}

} // namespace practice

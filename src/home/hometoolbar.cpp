// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/hometoolbar.h"

#include "chrome/identities.h"
#include "chrome/look.h"

#include <QLabel>

namespace home {

namespace {
constexpr int ButtonWidth = 44; // the toolbar pictures
constexpr int ButtonHeight = 45;
constexpr int Gap = 8;
constexpr int CaptionHeight = 14;
} // namespace

chrome::ButtonIdentity homeToolbarIdentity(int position, bool helpTab)
{
    // Tool tips are built around the caption, as the captions may one day be translated.
    if (!helpTab) {
        switch (position) {
        case 1: {
            const QString c = QStringLiteral("Home");
            return chrome::buttonIdentity(c, QStringLiteral("Load ") + c + QStringLiteral(" page"),
                                          QStringLiteral("home"));
        }
        case 2: {
            const QString c = QStringLiteral("Report");
            return chrome::buttonIdentity(c, QStringLiteral("Load ") + c + QStringLiteral(" card"),
                                          QStringLiteral("report"));
        }
        case 3: {
            const QString c = QStringLiteral("Print");
            return chrome::buttonIdentity(c, c + QStringLiteral(" results"),
                                          QStringLiteral("print"));
        }
        case 4: {
            const QString c = QStringLiteral("Close");
            return chrome::buttonIdentity(c, c + QStringLiteral(" program"),
                                          QStringLiteral("close"));
        }
        default:
            return {};
        }
    }
    switch (position) {
    case 1: {
        const QString c = QStringLiteral("About");
        return chrome::buttonIdentity(c, c + QStringLiteral(" Larkspur"), QStringLiteral("about"));
    }
    case 2: {
        const QString c = QStringLiteral("Trash");
        return chrome::buttonIdentity(c, c + QStringLiteral(" past results"),
                                      QStringLiteral("trash"));
    }
    case 3: {
        chrome::ButtonIdentity id = chrome::buttonIdentity({}, {}, QStringLiteral("print"));
        id.hasCommand = false;
        return id;
    }
    case 4: {
        const QString c = QStringLiteral("Setup");
        return chrome::buttonIdentity(c, QStringLiteral("Printer ") + c, QStringLiteral("setup"));
    }
    default:
        return {};
    }
}
HomeToolBar::HomeToolBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ToolBarArea"));
    chrome::setBackground(this, chrome::palette::Panel);
}

void HomeToolBar::showFor(bool helpTab)
{
    if (!m_buttons[0]) {
        // Made on first use, once the window's other controls exist, so that the keyboard
        // meets them after the pages.
        for (int i = 0; i < 4; ++i) {
            const int n = i + 1;
            auto *button = new chrome::ImageButton(QStringLiteral("ToolBar0%1").arg(n), this);
            button->setAutoSize(false);
            button->setTracksPress(true);
            button->setKeyboardFocusable(true);
            button->setGeometry(Gap + i * (ButtonWidth + Gap), (Height - ButtonHeight) / 2,
                                ButtonWidth, ButtonHeight);
            QLabel *label = button->caption(QStringLiteral("lblTB0%1").arg(n));
            label->setFont(chrome::pageFont(7.5));
            label->setGeometry(0, ButtonHeight - CaptionHeight - 1, ButtonWidth, CaptionHeight);
            connect(button, &chrome::ImageButton::clicked, this,
                    [this, n] { emit commandClicked(n); });
            m_buttons[i] = button;
        }
    }
    for (int i = 0; i < 4; ++i) {
        const chrome::ButtonIdentity id = homeToolbarIdentity(i + 1, helpTab);
        m_buttons[i]->setIdentity(id);
        // The Help tab has no third command: the button is not offered there.
        m_buttons[i]->setVisible(id.hasCommand);
    }
}

} // namespace home

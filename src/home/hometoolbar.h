// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chrome/imagebutton.h"

#include <QWidget>

#include <array>

namespace home {

// The home toolbar's buttons (positions 1-4) for a subject tab or for the Help tab. On the Help
// tab position 3 has no command: it keeps the print pictures with no caption, no tool tip and
// hasCommand false, and the home window may hide or disable it.
chrome::ButtonIdentity homeToolbarIdentity(int position, bool helpTab);

// The foot of the home window `ToolBarArea` with its four buttons ToolBar01-04, whose captions,
// tool tips and pictures follow the selected tab.
class HomeToolBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Height = 56;

    explicit HomeToolBar(QWidget *parent = nullptr);

    // HoverHomeTool: the buttons of a subject tab or of the Help tab.
    void showFor(bool helpTab);
    const std::array<chrome::ImageButton *, 4> &buttons() const { return m_buttons; }

signals:
    // A click on ToolBar0<position> or its caption.
    void commandClicked(int position);

private:
    std::array<chrome::ImageButton *, 4> m_buttons{};
};

} // namespace home

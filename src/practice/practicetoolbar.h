#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/practicelogic.h"

#include "chrome/imagebutton.h"

#include <QWidget>

#include <array>

namespace practice {

// The practice toolbar's buttons (positions 1-6: Save, Mark, Print, Close, Back, Next).
chrome::ButtonIdentity practiceToolbarIdentity(int position);

// The strip along the top of the practice window (ScnTabBG) with its six buttons, ToolBar01 to
// ToolBar06; the paper summary stands on it too.
class PracticeToolBar : public QWidget
{
    Q_OBJECT
public:
    explicit PracticeToolBar(QWidget *parent);
    void place(const PracticeLayout &layout);
    void setToolsEnabled(const ToolbarState &state);

signals:
    void commandChosen(Command command);

private:
    std::array<chrome::ImageButton *, 6> m_tools{};
};

} // namespace practice

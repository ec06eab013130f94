// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "home/homelogic.h"

#include <QObject>
#include <QString>

#include <array>

class QWidget;

namespace chrome {
class ImageButton;
} // namespace chrome

namespace home {

class TabStrip;

// The row of tabs over the home window's pages: the tab strip and Tab01..Tab04 (three subjects
// and Help). The controls are the window's children, so that the window's Tab order and
// painting order stay as they are; this class only makes them, lays them out and dresses them.
class SubjectTabs : public QObject
{
    Q_OBJECT
public:
    static constexpr int TabWidth = 79;

    // Makes the strip, then Tab01..Tab04, on `window`.
    explicit SubjectTabs(QWidget *window);

    TabStrip *strip() const { return m_strip; }
    const std::array<chrome::ImageButton *, 4> &buttons() const { return m_tabs; }

    // The subjects' tabs carry their names (and a tool tip made of them); the last one is Help.
    void setSubjectNames(const std::array<QString, SubjectCount> &names);
    // Places the tabs along the strip: named subjects side by side, unnamed ones parked off the
    // window, Help after the last named one. Every tab stands as an unselected one.
    void layOut(const std::array<bool, SubjectCount> &named);
    // Brings tab `tab` (1..4) to the front and above the strip and shows it selected.
    void raiseTab(int tab);
    // The selected tab (1..4) wears the front pictures, the others the back ones.
    void showSelected(int tab);

signals:
    void tabClicked(int tab);

private:
    TabStrip *m_strip;
    std::array<chrome::ImageButton *, 4> m_tabs{};
};

} // namespace home

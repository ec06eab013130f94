#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QPoint>
#include <QSize>
#include <Qt>

#include <optional>

// Resizing a skinned window by its frame: the edge bands a press falls in, the pointer over
// them, and the sizes a drag of the corner gives. Plain functions, so that they can be checked
// without a window.
namespace chrome {

// The corner resize: the pointer's offset from the window's top-left corner, in twips, gives a
// new width or height only above the limits; otherwise that side keeps its last size.
inline constexpr int MinResizeWidthTwips = 7300;
inline constexpr int MinResizeHeightTwips = 5000;
inline constexpr int EdgeBandPx = 6;
// The smallest window the limits above allow, in pixels: also told to the window manager, whose
// own resizing must not go below it either.
QSize minimumWindowSize();
struct ResizeStep
{
    std::optional<int> widthTwips, heightTwips;
};
ResizeStep resizeStep(int dxTwips, int dyTwips, int edgeBandTwips);

// Edge zones of a press at X, Y (window pixels) in a window of the given size.
struct EdgeZones
{
    bool left = false, top = false, right = false, bottom = false;
    bool corner() const { return right && bottom; }
};
EdgeZones edgeZones(QPoint pos, QSize size, int band = EdgeBandPx);
// Where a press in an edge band puts the pointer (window pixels): onto the pressed edges.
QPoint snapToEdges(QPoint pos, QSize size, const EdgeZones &zones);
// The pointer shape over the window surface; the later rules win.
Qt::CursorShape pointerShape(QPoint pos, QSize size, bool leftHeld, Qt::CursorShape current,
                             int band = EdgeBandPx);

} // namespace chrome

#pragma once

#include <QSize>

// Layout constants keep the unit they were designed in; these helpers turn them into Qt's
// device-independent pixels (and back) at the one place where they are used. A twip is 1/15 of
// a pixel at 96 dpi; HIMETRIC is 0.01 mm, 2540 of them make an inch of 96 pixels.
namespace chrome {

constexpr double twipsToPx(double twips)
{
    return twips / 15.0;
}

constexpr double himetricToPx(double himetric)
{
    return himetric * 96.0 / 2540.0;
}

// Rounded half away from zero, for a widget's geometry.
constexpr int wholePx(double px)
{
    return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}

constexpr int twipsToWholePx(double twips)
{
    return wholePx(twipsToPx(twips));
}

constexpr int himetricToWholePx(double himetric)
{
    return wholePx(himetricToPx(himetric));
}

// Pixels back to twips, for rules that were designed in twips.
constexpr int pxToTwips(int px)
{
    return px * 15;
}

constexpr QSize pxToTwips(QSize px)
{
    return QSize(pxToTwips(px.width()), pxToTwips(px.height()));
}

} // namespace chrome

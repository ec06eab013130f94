#pragma once

namespace chrome {

// Layout constants keep the unit they were designed in; these helpers turn them into Qt's
// device-independent pixels at the one place where they are used.
constexpr double twipsToPx(double twips)
{
    return twips / 15.0;
}

// The same, rounded to whole pixels, for a widget's geometry.
constexpr int twipsToWholePx(double twips)
{
    const double px = twipsToPx(twips);
    return static_cast<int>(px < 0 ? px - 0.5 : px + 0.5);
}

// Pixels back to twips, for rules that were designed in twips.
constexpr int pxToTwips(int px)
{
    return px * 15;
}

// HIMETRIC is 0.01 mm; 2540 of them make an inch of 96 pixels.
constexpr double himetricToPx(double himetric)
{
    return himetric * 96.0 / 2540.0;
}

} // namespace chrome

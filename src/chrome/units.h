#pragma once

namespace chrome {

// Layout constants keep the unit they were designed in; these helpers turn them into Qt's
// device-independent pixels at the one place where they are used.
constexpr double twipsToPx(double twips)
{
    return twips / 15.0;
}

// HIMETRIC is 0.01 mm; 2540 of them make an inch of 96 pixels.
constexpr double himetricToPx(double himetric)
{
    return himetric * 96.0 / 2540.0;
}

} // namespace chrome

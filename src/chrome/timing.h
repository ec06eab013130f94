#pragma once

// Stamps for the launch benchmark (bench/launch). Silent unless LARKSPUR_TIMING is set in the
// environment; then each call prints one line on standard error, with the monotonic clock in
// milliseconds, so a program outside can line the program's steps up with what X shows.

class QWidget;

namespace chrome::timing {

bool enabled();
// "larkspur-stamp NAME MS"
void stamp(const char *name);
// "larkspur-place OBJECTNAME X Y": the centre of the widget on the screen, where a click lands.
void place(const QWidget *widget);
// "larkspur-rect OBJECTNAME X Y W H": the widget's area on the screen, in device pixels, where
// the benchmark reads back what the pupil sees.
void rect(const QWidget *widget);

} // namespace chrome::timing

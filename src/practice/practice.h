#pragma once

// What the rest of the program uses of the practice module.

#include "results/paperplace.h"

#include <functional>

class QWidget;

namespace practice {

// Creates and shows the practice window for the paper and take of `place`, not modally. The
// window deletes itself when it closes; when it unloads it deletes its temporary question file
// and then calls onUnload (the home window's RefreshContents). Returns nullptr when the paper
// cannot be opened (the pupil has been told).
QWidget *openPracticeWindow(const results::PaperPlace &place, std::function<void()> onUnload);

// Asks an open practice window whether the program may close it: false while it marks, or when
// the pupil answers "No" to its "Confirm?" (asked only when answers were typed since the last
// save). True for any other widget.
bool mayClose(QWidget *practiceWindow);

// Loads the question viewer in steps from the next turn of the event loop on, so the first paper
// opens without waiting for the HTML engine. The program calls it once its window has settled.
void preloadViewer();

} // namespace practice

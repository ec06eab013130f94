#pragma once

#include <functional>
#include <vector>

class QObject;
class QWidget;

namespace chrome {

// Runs `work` once the window's first frame has been painted, on a later turn of the event loop
// so the frame reaches the screen first. Work that nothing on screen needs waits here, out of
// the way of the frame the pupil waits for. Call it before the window's first paint; nothing
// runs if the window goes first. Without a window, the work runs on the next turn.
void afterFirstFrame(QWidget *window, std::function<void()> work);

// Runs `work` once `window` is the active window (at once when it already is), or after
// `timeoutMs` where it does not become active, whichever comes first; once, and not at all if the
// window goes first.
void whenActiveOrAfter(QWidget *window, int timeoutMs, std::function<void()> work);

// Runs `jobs` in order, one a turn of the event loop, each after the loop has taken what was
// waiting (a key, a click, a repaint), so no answer to the pupil waits for more than one job.
// The jobs stop if `context` goes.
void oneATurn(QObject *context, std::vector<std::function<void()>> jobs);

} // namespace chrome

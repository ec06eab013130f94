#include "chrome/timing.h"

#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace chrome::timing {

bool enabled()
{
    static const bool on = std::getenv("LARKSPUR_TIMING") != nullptr;
    return on;
}

void stamp(const char *name)
{
    if (!enabled())
        return;
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    std::fprintf(stderr, "larkspur-stamp %s %.3f\n", name,
                 double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6);
    std::fflush(stderr);
}

void place(const QWidget *widget)
{
    if (!enabled() || !widget)
        return;
    const QPoint centre = widget->mapToGlobal(widget->rect().center());
    std::fprintf(stderr, "larkspur-place %s %d %d\n", qPrintable(widget->objectName()), centre.x(),
                 centre.y());
    std::fflush(stderr);
}

void rect(const QWidget *widget)
{
    if (!enabled() || !widget)
        return;
    const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0));
    const qreal ratio = widget->devicePixelRatioF();
    std::fprintf(stderr, "larkspur-rect %s %d %d %d %d\n", qPrintable(widget->objectName()),
                 int(topLeft.x() * ratio), int(topLeft.y() * ratio), int(widget->width() * ratio),
                 int(widget->height() * ratio));
    std::fflush(stderr);
}

} // namespace chrome::timing

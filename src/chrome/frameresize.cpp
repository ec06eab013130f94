// SPDX-License-Identifier: GPL-3.0-or-later
#include "chrome/frameresize.h"

#include "chrome/units.h"

namespace chrome {

ResizeStep resizeStep(int dxTwips, int dyTwips, int edgeBandTwips)
{
    ResizeStep step;
    if (dxTwips > 2 * edgeBandTwips && dyTwips > 2 * edgeBandTwips) {
        if (dxTwips > MinResizeWidthTwips)
            step.widthTwips = dxTwips;
        if (dyTwips > MinResizeHeightTwips)
            step.heightTwips = dyTwips;
    }
    return step;
}

QSize minimumWindowSize()
{
    // The drag takes whole pixels and only sizes above the limits.
    return QSize(static_cast<int>(twipsToPx(MinResizeWidthTwips)) + 1,
                 static_cast<int>(twipsToPx(MinResizeHeightTwips)) + 1);
}

EdgeZones edgeZones(QPoint pos, QSize size, int band)
{
    EdgeZones z;
    z.left = pos.x() < band;
    z.top = pos.y() < band;
    z.right = pos.x() > size.width() - band;
    z.bottom = pos.y() > size.height() - band;
    return z;
}

QPoint snapToEdges(QPoint pos, QSize size, const EdgeZones &z)
{
    QPoint p = pos;
    if (z.left)
        p = QPoint(0, pos.y());
    if (z.top)
        p = QPoint(pos.x(), 0);
    if (z.right)
        p = QPoint(size.width(), pos.y());
    if (z.bottom)
        p = QPoint(pos.x(), size.height());
    return p;
}

Qt::CursorShape pointerShape(QPoint pos, QSize size, bool leftHeld, Qt::CursorShape current,
                             int band)
{
    // The normal pointer returns only when the button is up; the edge rules then win.
    Qt::CursorShape shape = leftHeld ? current : Qt::ArrowCursor;
    const EdgeZones z = edgeZones(pos, size, band);
    if (z.left || z.right)
        shape = Qt::SizeHorCursor;
    if (z.top || z.bottom)
        shape = Qt::SizeVerCursor;
    if ((z.left && z.top) || (z.right && z.bottom))
        shape = Qt::SizeFDiagCursor;
    if ((z.left && z.bottom) || (z.right && z.top))
        shape = Qt::SizeBDiagCursor;
    return shape;
}

} // namespace chrome

// SPDX-License-Identifier: GPL-3.0-or-later
#include "chrome/cornerdrag.h"

#include "chrome/frameresize.h"
#include "chrome/units.h"

#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

namespace chrome {

CornerDrag::CornerDrag(QWidget *window) : QObject(window), m_window(window)
{
    window->setMouseTracking(true);
    window->installEventFilter(this);
}

bool CornerDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() != Qt::LeftButton)
            return false;
        const QPoint pos = me->position().toPoint();
        const EdgeZones zones = edgeZones(pos, m_window->size());
        if (zones.left || zones.top || zones.right || zones.bottom)
            QCursor::setPos(m_window->mapToGlobal(snapToEdges(pos, m_window->size(), zones)));
        // Only the bottom-right corner band resizes.
        m_resizing = zones.corner();
        me->accept();
        return true;
    }
    case QEvent::MouseMove: {
        auto *me = static_cast<QMouseEvent *>(event);
        const QPoint pos = me->position().toPoint();
        const bool held = me->buttons() & Qt::LeftButton;
        m_window->setCursor(pointerShape(pos, m_window->size(), held, m_window->cursor().shape()));
        if (m_resizing && held && !m_window->isMaximized()) {
            const ResizeStep step =
                resizeStep(pxToTwips(pos.x()), pxToTwips(pos.y()), pxToTwips(EdgeBandPx));
            QSize s = m_window->size();
            if (step.widthTwips)
                s.setWidth(twipsToWholePx(*step.widthTwips));
            if (step.heightTwips)
                s.setHeight(twipsToWholePx(*step.heightTwips));
            if (s != m_window->size())
                m_window->resize(s);
        }
        me->accept();
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() == Qt::LeftButton)
            m_resizing = false;
        me->accept();
        return true;
    }
    default:
        return false;
    }
}

} // namespace chrome

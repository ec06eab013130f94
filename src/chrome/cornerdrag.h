#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QObject>

class QWidget;

namespace chrome {

// The frame's mouse rules on a window (see frameresize.h): a left press in an edge band puts
// the pointer onto that edge, a press in the bottom-right corner band starts a resize that
// follows the drag in the resize steps, and the pointer shape follows the bands. It watches the
// window's own mouse events; a press with another button goes on to the window.
class CornerDrag : public QObject
{
    Q_OBJECT
public:
    explicit CornerDrag(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_resizing = false;
};

} // namespace chrome

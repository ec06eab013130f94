// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/sheethandle.h"

#include "chrome/look.h"
#include "chrome/picturebox.h"

#include <QMouseEvent>

namespace practice {

SheetHandle::SheetHandle(Take take, QWidget *parent)
    : QWidget(parent), m_take(take),
      m_handle(new chrome::PictureBox(QStringLiteral("ImgHandle"), this,
                                      chrome::PictureBox::Fit::Stretch))
{
    setObjectName(QStringLiteral("PicHideAns"));
    chrome::setBackground(this, chrome::palette::Panel);
    m_handle->setPicture(QStringLiteral("Handle.bmp"));
    m_handle->setAccessibleName(QStringLiteral("Answer sheet handle"));
    m_handle->setCursor(Qt::PointingHandCursor);
    m_handle->installEventFilter(this);
    setSheetShown(true);
}

void SheetHandle::place(const QRect &strip)
{
    setGeometry(strip);
    m_handle->setGeometry(0, px(1440), px(handleImageWidthTwips(m_take)), px(600));
}

void SheetHandle::setSheetShown(bool shown)
{
    m_handle->setToolTip(toolTipWithKey(shown ? QStringLiteral("Hide answer sheet")
                                              : QStringLiteral("Show answer sheet"),
                                        Command::ToggleSheet));
}

bool SheetHandle::eventFilter(QObject *watched, QEvent *event)
{
    // A click counts where it is let go: on the handle, with the left button.
    if (watched == m_handle && event->type() == QEvent::MouseButtonRelease) {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() == Qt::LeftButton && m_handle->rect().contains(me->position().toPoint()))
            emit toggleRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace practice

#include "picturebox.h"

#include "pictures.h"

#include <QPainter>

namespace chrome {

PictureBox::PictureBox(const QString &objectName, QWidget *parent, Fit fit)
    : QWidget(parent), m_fit(fit)
{
    setObjectName(objectName);
}

void PictureBox::setPicture(const QString &fileName)
{
    if (fileName == m_file)
        return;
    m_file = fileName;
    m_pixmap = Pictures::get(fileName);
    if (m_fit == Fit::Natural && !m_pixmap.isNull())
        resize(m_pixmap.deviceIndependentSize().toSize());
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_pixmap.isNull())
        return;
    QPainter p(this);
    // Pictures are drawn in device-independent pixels; at high scale they are smoothed.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), m_pixmap);
}

} // namespace chrome

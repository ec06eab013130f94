#include "home/homewidgets.h"

#include "chrome/units.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>

namespace home {

QFont pageFont(double points, bool bold)
{
    // The first of the faces this machine has, found once: every font of the pages then names
    // one family, and matching it does not walk the list again for each size.
    static const QStringList families = [] {
        const QStringList wanted{QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                                 QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
        for (const QString &family : wanted) {
            if (QFontDatabase::hasFamily(family))
                return QStringList{family};
        }
        return wanted;
    }();
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setColour(QWidget *w, QPalette::ColorRole role, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

ClickLabel::ClickLabel(const QString &name, QWidget *parent) : QLabel(parent)
{
    setObjectName(name);
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    if (!m_elide) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(margin() + indent(), 0, -margin(), 0);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(area, alignment(), shown);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button());
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

PercentColumn::PercentColumn(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Percent1a"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PercentColumn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    const QColor full = palette().color(QPalette::WindowText);
    const QColor faint(190, 190, 190);
    const int h = fontMetrics().height();
    for (qsizetype i = 0; i < m_centres.size(); ++i) {
        const int centre = m_centres[i];
        painter.setPen(m_filled.value(i, true) ? full : faint);
        painter.drawText(QRect(0, centre - h / 2, width(), h), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("%"));
    }
}

TabStrip::TabStrip(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ScnTabBG"));
}

void TabStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(244, 245, 235));
    // The line sits 10 twips above the bottom edge: the last whole pixel row.
    const int y = height() - 1 - static_cast<int>(chrome::twipsToPx(10));
    painter.fillRect(QRect(0, y, width(), 1), Qt::black);
}

} // namespace home

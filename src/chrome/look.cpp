// SPDX-License-Identifier: GPL-3.0-or-later
#include "chrome/look.h"

#include <QFontDatabase>
#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace chrome {

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

void setBackground(QWidget *w, const QColor &colour)
{
    w->setAutoFillBackground(true);
    setColour(w, QPalette::Window, colour);
}

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent, const QString &toolTip)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    if (!toolTip.isEmpty())
        label->setToolTip(toolTip);
    return label;
}

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent, const QFont &font,
                  Qt::Alignment align)
{
    QLabel *label = makeLabel(name, text, parent);
    label->setFont(font);
    label->setAlignment(align);
    return label;
}

} // namespace chrome

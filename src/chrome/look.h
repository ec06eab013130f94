#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QColor>
#include <QFont>
#include <QPalette>

class QLabel;
class QString;
class QWidget;

// The look every window shares: the named colours, the pages' font and the small helpers that
// apply them, so that a colour is changed in one place.
namespace chrome {

namespace palette {
inline constexpr QColor Panel(244, 245, 235);  // tab strip, toolbar area, report card, status
inline constexpr QColor Page(255, 255, 255);   // the home page and the text pages
inline constexpr QColor Window(228, 232, 240); // the home window behind its pages
inline constexpr QColor HeadText(24, 58, 110); // column and panel headings
inline constexpr QColor Rule(226, 230, 236);   // thin lines between rows
} // namespace palette

// The pages' sans-serif font, the same on every platform as far as the fonts installed allow.
QFont pageFont(double points, bool bold = false);
void setColour(QWidget *w, QPalette::ColorRole role, const QColor &colour);
// A label named `name` in `font`.
QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent, const QFont &font,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);

} // namespace chrome

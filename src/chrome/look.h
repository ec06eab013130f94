#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QLabel;
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
// The practice window's own.
inline constexpr QColor ScoreText(0, 51, 153);       // the score on the paper summary
inline constexpr QColor QuestionHead(222, 234, 246); // behind the question's title
inline constexpr QColor HintGround(255, 248, 214);   // the hint line under the answer rows
inline constexpr QColor LockedTint(192, 192, 255);   // a box right the first time, locked
inline constexpr QColor RightMark(0, 128, 0);        // the tick
inline constexpr QColor WrongMark(200, 0, 0);        // the cross
// The expected answer beside a wrong one must not be taken for the pupil's own: dark green text
// on a pale green ground, like a teacher's correction.
inline constexpr QColor ExpectedGround(226, 244, 226);
inline constexpr QColor ExpectedText(0, 100, 0);
} // namespace palette

// The pages' sans-serif font, the same on every platform as far as the fonts installed allow.
QFont pageFont(double points, bool bold = false);
void setColour(QWidget *w, QPalette::ColorRole role, const QColor &colour);
// Fills w's background with colour.
void setBackground(QWidget *w, const QColor &colour);
// A label named `name` in `font`.
QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent, const QFont &font,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
// A label named `name` in its parent's font, with a tool tip when one is given.
QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent,
                  const QString &toolTip = QString());

} // namespace chrome

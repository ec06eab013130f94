#pragma once

#include "geometry.h"

class QPainter;
class QWidget;

namespace chrome {

// Frame `cntl` on its container `Parent`: a one-pixel line 30 twips out at the top and left
// and 15 twips out at the bottom and right. `inout` 0 draws light blue, 2 erases (draws the
// container's background colour), any other value draws light grey. The lines stay on the
// container (beneath its child controls) until drawn over.
void drawborder(QWidget *cntl, QWidget *Parent, int inout);

// The four lines of a border at (topf, leftf)-(bottf, rightf), in pixels of `formf`. A border
// drawn again at the same place replaces the earlier one.
void createborder(QWidget *formf, double topf, double leftf, double bottf, double rightf,
                  int inout);

// Paints the four lines of a border (see borderLines) in `colour`.
void paintBorderLines(QPainter &painter, const BorderLines &lines, const QColor &colour);

} // namespace chrome

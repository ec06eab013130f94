#pragma once

// Plain geometry and decision rules of the window chrome, free of any window so that they can be
// checked directly.

#include <QColor>
#include <QPointF>
#include <QPolygon>
#include <QRect>
#include <QRectF>
#include <QRegion>
#include <QSize>
#include <QString>

namespace chrome {

// ---- Outlines -------------------------------------------------------------------------------

// 12 points: top corners rounded (radius 5), bottom corners square. W and H are the window's
// inner size in pixels.
QPolygon windowOutline(QSize inner);
// 18 points: top corners of radius 5, bottom corners of radius 7 (the message dialog).
QPolygon dialogOutline(QSize inner);

enum class OutlineKind
{
    Window,
    Dialog
};
QPolygon outline(OutlineKind kind, QSize inner);
// The outline as a winding-fill region, ready for QWidget::setMask.
QRegion outlineRegion(OutlineKind kind, QSize inner);

// ---- Frame placement ------------------------------------------------------------------------

// Natural sizes of the frame pictures; the defaults are the sizes of the shipped pictures, used
// while a picture is missing so the layout still holds.
struct FramePieceSizes
{
    QSize topLeft{48, 28};
    QSize topRight{48, 28};
    int leftWidth = 4;
    int rightWidth = 4;
    int bottomHeight = 4;
    QSize bottomLeft{6, 4};
    QSize bottomRight{6, 4};
};

struct FrameRects
{
    QRect topLeft, topCentre, topRight;
    QRect left, right;
    QRect bottomLeft, bottom, bottomRight;
};

// How far the middle title piece reaches: between the two end pieces (home window, dialog), or
// on to the window's right end under the right piece (practice windows, which resize).
enum class CentreRule
{
    BetweenEnds,
    UnderRightPiece
};

FrameRects placeFrame(QSize inner, const FramePieceSizes &sizes, CentreRule rule);

// ---- Button looks ---------------------------------------------------------------------------

enum class Look
{
    Off,
    On,
    Pressed,
    Disabled,
    Inactive
};

struct LookInputs
{
    bool enabled = true;
    bool hovered = false;
    bool pressFlag = false;         // the window-wide "toolbar button held" flag
    bool tracksPress = false;       // toolbar buttons show a pressed look, others do not
    bool followsActivation = false; // title-bar buttons keep their inactive look
    bool windowActive = true;
};

Look decideLook(const LookInputs &in);

// The pointer is inside a button's screen rectangle; the right and bottom edges (one past the
// last pixel column and row) are outside.
bool pointerInside(QPoint cursor, QRect rect);

// ---- Message dialog layout ------------------------------------------------------------------

struct PopUpLayout
{
    QSizeF dialog;
    QPointF title;
    QSizeF titleSize;
    QPointF icon;
    QPointF message;
    double messageWidth = 0;
    QPointF button1;
    QPointF button2;
    QSizeF buttonSize;
    bool button1Visible = true;
    bool button2Visible = true;
    QString caption1;
    QString caption2;
};

// The dialog's positions in pixels after its load and a CallPop with these arguments.
// `titleBarPiece` and `infoPicture` are the natural sizes of the right title piece and the
// information icon (the layout follows the pictures as loaded).
PopUpLayout popUpLayout(const QString &Msg, int NumofButtons, QSizeF titleBarPiece = {48, 28},
                        QSizeF infoPicture = {32, 27});

// Top-left of a window of size `size` centred on `master` (outer geometry).
QPoint centredOn(QRect master, QSize size);

// A press on a title bar starts the window move only once the pointer has travelled `distance`
// pixels with the button still held: a quick click under a window manager could otherwise start
// a move that goes on following the pointer after the release.
bool moveStarts(QPoint pressGlobal, QPoint pointerGlobal, bool buttonHeld, int distance);

// ---- Answer-box borders ---------------------------------------------------------------------

// The four lines `createborder` draws, as filled one-pixel rectangles so they stay crisp at any
// scale: (left, top)-(right, top), (left, top)-(left, bottom), (left, bottom)-(right + 1,
// bottom), (right, top)-(right, bottom + 1), end points excluded.
struct BorderLines
{
    QRectF top, left, bottom, right;
};
BorderLines borderLines(double topf, double leftf, double bottf, double rightf);

// The box `drawborder` frames around a control: 30 twips out at the top and left, 15 at the
// bottom and right. Returned as (top, left, bottom, right) in pixels.
struct BorderBox
{
    double top, left, bottom, right;
};
BorderBox drawborderBox(QRectF control);

// Line colour for a border style: 0 light blue, 2 the container's background (erases), any
// other value light grey.
QColor borderColour(int inout, QColor background);

} // namespace chrome

#include "geometry.h"

#include "units.h"

namespace chrome {

namespace {

// The rounded top shared by both outlines: radius 5 at each corner, from the left edge to the
// right edge of a window `w` pixels wide.
QPolygon roundedTop(int w)
{
    return QPolygon({{0, 5},
                     {1, 3},
                     {2, 2},
                     {3, 1},
                     {5, 0},
                     {w - 5, 0},
                     {w - 3, 1},
                     {w - 2, 2},
                     {w - 1, 3},
                     {w, 5}});
}

} // namespace

QPolygon windowOutline(QSize inner)
{
    const int w = inner.width();
    const int h = inner.height();
    QPolygon points = roundedTop(w);
    points << QPoint(w, h) << QPoint(0, h);
    return points;
}

QPolygon dialogOutline(QSize inner)
{
    const int w = inner.width();
    const int h = inner.height();
    QPolygon points = roundedTop(w);
    // Bottom corners of radius 7, right to left.
    points << QPolygon({{w, h - 7},
                        {w - 2, h - 3},
                        {w - 3, h - 2},
                        {w - 7, h},
                        {7, h},
                        {3, h - 2},
                        {2, h - 3},
                        {0, h - 7}});
    return points;
}

QPolygon outline(OutlineKind kind, QSize inner)
{
    return kind == OutlineKind::Dialog ? dialogOutline(inner) : windowOutline(inner);
}

QRegion outlineRegion(OutlineKind kind, QSize inner)
{
    return QRegion(outline(kind, inner), Qt::WindingFill);
}

FrameRects placeFrame(QSize inner, const FramePieceSizes &s, CentreRule rule)
{
    const int w = inner.width();
    const int h = inner.height();
    FrameRects r;
    r.topLeft = QRect(QPoint(0, 0), s.topLeft);
    r.topRight = QRect(QPoint(w - s.topRight.width(), 0), s.topRight);
    const int centreLeft = r.topLeft.x() + s.topLeft.width();
    const int centreWidth =
        rule == CentreRule::BetweenEnds ? r.topRight.x() - centreLeft : w - centreLeft;
    r.topCentre = QRect(centreLeft, 0, qMax(0, centreWidth), s.topLeft.height());

    r.bottomLeft = QRect(QPoint(0, h - s.bottomLeft.height()), s.bottomLeft);
    const int leftTop = r.topLeft.y() + s.topLeft.height();
    r.left = QRect(0, leftTop, s.leftWidth, qMax(0, r.bottomLeft.y() - leftTop));

    r.bottomRight =
        QRect(QPoint(w - s.bottomRight.width(), h - s.bottomRight.height()), s.bottomRight);
    const int rightTop = r.topRight.y() + s.topRight.height();
    r.right =
        QRect(w - s.rightWidth, rightTop, s.rightWidth, qMax(0, r.bottomRight.y() - rightTop));

    const int bottomLeft = r.bottomLeft.x() + s.bottomLeft.width();
    r.bottom = QRect(bottomLeft, h - s.bottomHeight, qMax(0, r.bottomRight.x() - bottomLeft),
                     s.bottomHeight);
    return r;
}

Look decideLook(const LookInputs &in)
{
    if (!in.enabled)
        return Look::Disabled;
    if (in.followsActivation && !in.windowActive)
        return Look::Inactive;
    if (!in.hovered)
        return Look::Off;
    return in.tracksPress && in.pressFlag ? Look::Pressed : Look::On;
}

bool pointerInside(QPoint cursor, QRect rect)
{
    // QRect::contains treats left + width as outside, which is the rule we want.
    return rect.contains(cursor);
}

PopUpLayout popUpLayout(const QString &Msg, int NumofButtons, QSizeF titleBarPiece,
                        QSizeF infoPicture)
{
    // Design numbers of the dialog, in twips.
    constexpr double dialogWidth = 3975, dialogHeight = 2250;
    constexpr double titleLeft = 240, titleHeight = 270;
    constexpr double iconGap = 240;    // below the title bar
    constexpr double messageGap = 150; // right of the icon
    constexpr double messageWidth = 2880;
    constexpr double buttonWidth = 1200, buttonHeight = 375;
    constexpr double buttonBottomGap = 240;
    constexpr double buttonLeftDefault = 480, button2LeftDefault = 1920;
    constexpr double buttonGapPx = 10; // between the two buttons, already in pixels
    constexpr double shortMessageDropPx = 7;
    constexpr int shortMessageLength = 32;

    PopUpLayout l;
    l.dialog = QSizeF(twipsToPx(dialogWidth), twipsToPx(dialogHeight));
    // The title runs across the dialog, with the margin of its left on its right: the design's
    // narrow box cut titles such as "Close Practice".
    l.titleSize = QSizeF(l.dialog.width() - 2 * twipsToPx(titleLeft), twipsToPx(titleHeight));
    l.title = QPointF(twipsToPx(titleLeft), (titleBarPiece.height() - l.titleSize.height()) / 2);
    l.icon = QPointF(l.title.x(), titleBarPiece.height() + twipsToPx(iconGap));
    l.message = QPointF(l.icon.x() + infoPicture.width() + twipsToPx(messageGap), l.icon.y());
    l.messageWidth = twipsToPx(messageWidth);
    l.buttonSize = QSizeF(twipsToPx(buttonWidth), twipsToPx(buttonHeight));
    const double buttonTop = l.dialog.height() - l.buttonSize.height() - twipsToPx(buttonBottomGap);
    l.button1 = QPointF(twipsToPx(buttonLeftDefault), buttonTop);
    l.button2 = QPointF(twipsToPx(button2LeftDefault), buttonTop);
    l.caption1 = QStringLiteral("OK");
    l.caption2 = QStringLiteral("Cancel");

    if (NumofButtons == 1) {
        l.button2Visible = false;
        l.button1.setX((l.dialog.width() - l.buttonSize.width()) / 2);
        l.caption1 = QStringLiteral("OK");
    } else if (NumofButtons == 2) {
        l.button1.setX(l.message.x());
        l.button2.setX(l.button1.x() + l.buttonSize.width() + buttonGapPx);
        l.caption1 = QStringLiteral("Yes");
        l.caption2 = QStringLiteral("No");
    }
    if (Msg.size() <= shortMessageLength)
        l.message.setY(l.icon.y() + shortMessageDropPx);
    return l;
}

QPoint centredOn(QRect master, QSize size)
{
    return QPoint(master.left() + (master.width() - size.width()) / 2,
                  master.top() + (master.height() - size.height()) / 2);
}

bool moveStarts(QPoint pressGlobal, QPoint pointerGlobal, bool buttonHeld, int distance)
{
    return buttonHeld && (pointerGlobal - pressGlobal).manhattanLength() >= distance;
}

BorderLines borderLines(double topf, double leftf, double bottf, double rightf)
{
    // A one-pixel line from a to b, b excluded, as a filled rectangle.
    BorderLines b;
    b.top = QRectF(leftf, topf, rightf - leftf, 1);
    b.left = QRectF(leftf, topf, 1, bottf - topf);
    b.bottom = QRectF(leftf, bottf, rightf + 1 - leftf, 1);
    b.right = QRectF(rightf, topf, 1, bottf + 1 - topf);
    return b;
}

BorderBox drawborderBox(QRectF c)
{
    constexpr double outsideTopLeft = 30;     // twips
    constexpr double outsideBottomRight = 15; // twips
    return BorderBox{c.top() - twipsToPx(outsideTopLeft), c.left() - twipsToPx(outsideTopLeft),
                     c.top() + c.height() + twipsToPx(outsideBottomRight),
                     c.left() + c.width() + twipsToPx(outsideBottomRight)};
}

QColor borderColour(int inout, QColor background)
{
    if (inout == 0)
        return QColor(178, 217, 246);
    if (inout == 2)
        return background;
    return QColor(192, 192, 192);
}

} // namespace chrome

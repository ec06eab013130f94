#include "border.h"

#include "geometry.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace chrome {

namespace {
// Lines drawn on a container live on this canvas: the container's first child, kept at the
// bottom of its stacking order and as large as the container, so the lines lie on the
// container's surface beneath its controls and survive repaints.
class BorderCanvas : public QWidget
{
public:
    explicit BorderCanvas(QWidget *container) : QWidget(container)
    {
        setObjectName(QStringLiteral("chromeBorderCanvas"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(container->rect());
        lower();
        container->installEventFilter(this);
    }

    void add(const QRectF &box, const QColor &colour)
    {
        for (Border &b : m_borders) {
            if (b.box == box) {
                b.colour = colour;
                update();
                return;
            }
        }
        m_borders.push_back({box, colour});
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        for (const Border &b : m_borders) {
            paintBorderLines(
                p, borderLines(b.box.top(), b.box.left(), b.box.bottom(), b.box.right()), b.colour);
        }
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }

private:
    struct Border
    {
        QRectF box; // (left, top) to (right, bottom) as given
        QColor colour;
    };
    QList<Border> m_borders;
};

BorderCanvas *canvasOf(QWidget *container)
{
    if (auto *c = container->findChild<BorderCanvas *>(QStringLiteral("chromeBorderCanvas"),
                                                       Qt::FindDirectChildrenOnly))
        return c;
    return new BorderCanvas(container);
}
} // namespace

void drawborder(QWidget *cntl, QWidget *Parent, int inout)
{
    if (!cntl || !Parent)
        return;
    QRectF box(cntl->geometry());
    if (cntl->parentWidget() != Parent)
        box.moveTopLeft(cntl->mapTo(Parent, QPoint(0, 0)));
    const BorderBox b = drawborderBox(box);
    createborder(Parent, b.top, b.left, b.bottom, b.right, inout);
}

void createborder(QWidget *formf, double topf, double leftf, double bottf, double rightf, int inout)
{
    if (!formf)
        return;
    const QColor colour = borderColour(inout, formf->palette().color(formf->backgroundRole()));
    BorderCanvas *canvas = canvasOf(formf);
    canvas->add(QRectF(QPointF(leftf, topf), QPointF(rightf, bottf)), colour);
}

void paintBorderLines(QPainter &painter, const BorderLines &lines, const QColor &colour)
{
    for (const QRectF &r : {lines.top, lines.left, lines.bottom, lines.right})
        painter.fillRect(r, colour);
}

} // namespace chrome

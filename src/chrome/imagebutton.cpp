#include "imagebutton.h"

#include "pictures.h"
#include "skinnedwindow.h"

#include <QAccessibleWidget>
#include <QCursor>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace chrome {

namespace {
constexpr char PressTrackProperty[] = "txtPressTrack";

// Screen readers see a picture button as a button they can press, not as a bare surface.
class AccessibleImageButton : public QAccessibleWidget
{
public:
    explicit AccessibleImageButton(ImageButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }
    // Read afresh: the interface may be made before the button is given its role.
    QAccessible::Role role() const override
    {
        const auto *button = static_cast<const ImageButton *>(widget());
        return button ? button->accessibleRole() : QAccessible::Button;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.disabled = !widget()->isEnabled();
        if (role() == QAccessible::PageTab) {
            s.selectable = true;
            s.selected = static_cast<ImageButton *>(widget())->isAccessibleSelected();
        }
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action != pressAction() || !widget()->isEnabled())
            return;
        // The screen reader waits for this call to return, and a command may open a modal box
        // and run its event loop: the click comes after the reply. A button gone meanwhile is
        // not clicked.
        QPointer<ImageButton> button = static_cast<ImageButton *>(widget());
        QMetaObject::invokeMethod(
            button,
            [button] {
                if (button && button->isEnabled())
                    emit button->clicked();
            },
            Qt::QueuedConnection);
    }
};

QAccessibleInterface *accessibleImageButton(const QString &className, QObject *object)
{
    if (className == QLatin1String("chrome::ImageButton"))
        return new AccessibleImageButton(static_cast<ImageButton *>(object));
    return nullptr;
}
} // namespace

ImageButton::ImageButton(const QString &objectName, QWidget *parent) : QWidget(parent)
{
    static const bool accessible = [] {
        QAccessible::installFactory(&accessibleImageButton);
        return true;
    }();
    Q_UNUSED(accessible);
    setObjectName(objectName);
    setMouseTracking(true);
}

void ImageButton::setPictures(const QString &off, const QString &on, const QString &pressed,
                              const QString &disabled)
{
    m_off = off;
    m_on = on;
    m_pressed = pressed;
    m_disabled = disabled;
    if (m_autoSize) {
        const QPixmap pm = Pictures::get(off);
        if (!pm.isNull())
            resize(pm.deviceIndependentSize().toSize());
    }
    // Show the new pictures in the current look at once rather than at the next tick.
    const Look look = m_look;
    m_look = Look::Off;
    m_shown.clear();
    setLook(look);
}

void ImageButton::setInactivePicture(const QString &inactive)
{
    m_inactive = inactive;
    if (m_look == Look::Inactive) {
        m_shown.clear();
        setLook(Look::Inactive);
    }
}

void ImageButton::setIdentity(const ButtonIdentity &identity)
{
    if (m_off != identity.off || m_on != identity.on || m_pressed != identity.pressed ||
        m_disabled != identity.disabled)
        setPictures(identity.off, identity.on, identity.pressed, identity.disabled);
    setCaptionText(identity.caption);
    setToolTips(identity.toolTip);
}

QLabel *ImageButton::caption(const QString &name)
{
    if (!m_caption) {
        auto *label = new QLabel(this);
        label->setAlignment(Qt::AlignCenter);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->setGeometry(rect());
        attachCaption(label);
    }
    if (!name.isEmpty())
        m_caption->setObjectName(name);
    return m_caption;
}

void ImageButton::attachCaption(QLabel *label)
{
    if (m_caption)
        m_caption->removeEventFilter(this);
    m_caption = label;
    if (label) {
        label->installEventFilter(this);
        label->setEnabled(isEnabled());
        label->setToolTip(toolTip());
    }
}

void ImageButton::setCaptionText(const QString &text)
{
    if (text.isEmpty() && !m_caption)
        return;
    if (caption()->text() != text)
        m_caption->setText(text);
    // A screen reader names the button by its caption.
    if (accessibleName() != text)
        setAccessibleName(text);
}

void announceSelectionChange(QWidget *widget)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(widget, changed);
    QAccessible::updateAccessibility(&event);
}

void ImageButton::setKeyboardFocusable(bool on)
{
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void ImageButton::setAccessibleSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    announceSelectionChange(this);
}

void ImageButton::setToolTips(const QString &tip)
{
    if (toolTip() != tip)
        setToolTip(tip);
    if (m_caption && m_caption->toolTip() != tip)
        m_caption->setToolTip(tip);
}

QString ImageButton::pictureFor(Look look) const
{
    switch (look) {
    case Look::On:
        return m_on.isEmpty() ? m_off : m_on;
    case Look::Pressed:
        return !m_pressed.isEmpty() ? m_pressed : (m_on.isEmpty() ? m_off : m_on);
    case Look::Disabled:
        return m_disabled.isEmpty() ? m_off : m_disabled;
    case Look::Inactive:
        return m_inactive.isEmpty() ? m_off : m_inactive;
    case Look::Off:
        break;
    }
    return m_off;
}

QString ImageButton::currentPicture() const
{
    return m_shown;
}

void ImageButton::setLook(Look look)
{
    const QString file = pictureFor(look);
    m_look = look;
    if (file == m_shown)
        return;
    m_shown = file;
    m_pixmap = Pictures::get(file);
    update();
}

bool ImageButton::windowActive() const
{
    if (const auto *w = qobject_cast<const SkinnedWindow *>(window()))
        return w->isSkinActive();
    return window()->isActiveWindow();
}

void ImageButton::refreshAt(QPoint globalCursor)
{
    LookInputs in;
    in.enabled = isEnabled();
    in.hovered = pointerInside(globalCursor, QRect(mapToGlobal(QPoint(0, 0)), size()));
    in.pressFlag = pressTrack(this);
    in.tracksPress = m_tracksPress;
    in.followsActivation = m_followsActivation;
    in.windowActive = windowActive();
    setLook(decideLook(in));
}

void ImageButton::refresh()
{
    refreshAt(QCursor::pos());
}

bool ImageButton::pressTrack(const QWidget *w)
{
    return w && w->window()->property(PressTrackProperty).toBool();
}

void ImageButton::setPressTrack(QWidget *w, bool held)
{
    if (w)
        w->window()->setProperty(PressTrackProperty, held);
}

void ImageButton::refreshWindow(QWidget *w, QPoint globalCursor)
{
    if (!w)
        return;
    const auto buttons = w->window()->findChildren<ImageButton *>();
    for (ImageButton *b : buttons)
        b->refreshAt(globalCursor);
}

void ImageButton::paintEvent(QPaintEvent *)
{
    if (m_pixmap.isNull() && !hasFocus())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), m_pixmap);
    if (hasFocus())
        paintFocusRing(p, rect());
}

void ImageButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() != Qt::NoModifier && event->modifiers() != Qt::KeypadModifier)
            break;
        if (!event->isAutoRepeat() && isEnabled())
            emit clicked();
        event->accept();
        return;
    default:
        break;
    }
    // Arrows, Escape and the rest belong to the window.
    QWidget::keyPressEvent(event);
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    if (!isEnabled())
        return;
    if (m_tracksPress) {
        m_heldHere = true;
        setPressTrack(this, true);
    }
    refreshWindow(this, event->globalPosition().toPoint());
}

void ImageButton::mouseMoveEvent(QMouseEvent *event)
{
    // While held, the button has the mouse: the other buttons learn of the pointer from here.
    refreshWindow(this, event->globalPosition().toPoint());
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_heldHere) {
        m_heldHere = false;
        setPressTrack(this, false);
    }
    const bool inside = rect().contains(event->position().toPoint());
    refreshWindow(this, event->globalPosition().toPoint());
    if (isEnabled() && inside && event->button() == Qt::LeftButton)
        emit clicked();
}

void ImageButton::enterEvent(QEnterEvent *event)
{
    refreshWindow(this, event->globalPosition().toPoint());
}

void ImageButton::leaveEvent(QEvent *)
{
    refreshWindow(this, QCursor::pos());
}

void ImageButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (m_caption && m_caption->parentWidget() != this)
            m_caption->setEnabled(isEnabled());
        if (!isEnabled() && m_heldHere) {
            m_heldHere = false;
            setPressTrack(this, false);
        }
        refresh();
    }
    QWidget::changeEvent(event);
}

bool ImageButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_caption)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A press on the caption shows the hovered look, never the pressed one.
        return true;
    case QEvent::MouseButtonRelease: {
        auto *me = static_cast<QMouseEvent *>(event);
        if (isEnabled() && me->button() == Qt::LeftButton &&
            m_caption->rect().contains(me->position().toPoint()))
            emit clicked();
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

QColor focusRingColour()
{
    return QColor(16, 52, 128);
}

void paintFocusRing(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(focusRingColour(), 2);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect).adjusted(1, 1, -1, -1), 3, 3);
    // A light line inside the dark one keeps the ring plain on dark and blue pictures too.
    painter.setPen(QPen(QColor(255, 255, 255, 220), 1));
    painter.drawRoundedRect(QRectF(rect).adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
    painter.restore();
}

} // namespace chrome

#include "skinnedwindow.h"

#include "imagebutton.h"
#include "picturebox.h"
#include "units.h"

#include <QAccessibleWidget>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTimer>
#include <QWindow>

namespace chrome {

namespace {
constexpr int TickMs = 100;
constexpr QSize TitleButtonSize{19, 19};
constexpr QSize IconSize{16, 16};

const QColor TitleActive(0xFF, 0xFF, 0xFF);
const QColor TitleInactive(0x80, 0x80, 0x80);

// To a screen reader the home and practice windows are application windows (frames), not
// bare surfaces.
QAccessibleInterface *accessibleWindow(const QString &className, QObject *object)
{
    if (className == QLatin1String("chrome::SkinnedWindow") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

PictureBox *makePiece(const char *name, QWidget *parent, PictureBox::Fit fit, QSize design,
                      const QString &file)
{
    auto *piece = new PictureBox(QString::fromLatin1(name), parent, fit);
    piece->resize(design);
    piece->setPicture(file);
    return piece;
}

ImageButton *makeTitleButton(const char *name, QWidget *parent)
{
    auto *b = new ImageButton(QString::fromLatin1(name), parent);
    b->resize(TitleButtonSize);
    b->setFollowsActivation(true);
    return b;
}
} // namespace

SkinnedWindow::SkinnedWindow(Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    static const bool accessible = [] {
        QAccessible::installFactory(&accessibleWindow);
        return true;
    }();
    Q_UNUSED(accessible);
    setWindowFlags((kind == Kind::Dialog ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint);

    using Fit = PictureBox::Fit;
    const bool dialog = kind == Kind::Dialog;
    // Creation order is stacking order: the middle title piece lies under the right one (a
    // practice window's middle piece runs on beneath it), and everything created later -- the
    // title, icon, buttons and the window's own content -- lies above the frame.
    m_topCentre = makePiece("BTopCentre", this, Fit::Stretch, {2, 28}, {});
    m_topLeft = makePiece("BTopLeft", this, Fit::Natural, {48, 28}, {});
    m_topRight = makePiece("BTopRight", this, Fit::Natural, {48, 28}, {});
    m_left = makePiece("BLeft", this, Fit::Stretch, {4, 2}, QStringLiteral("border_left.bmp"));
    m_right = makePiece("BRight", this, Fit::Stretch, {4, 2}, QStringLiteral("border_right.bmp"));
    m_bottom = makePiece("BBot", this, Fit::Stretch, {2, 4}, QStringLiteral("border_bot.bmp"));
    m_bottomLeft = makePiece("BBotLeft", this, Fit::Natural, dialog ? QSize(6, 7) : QSize(6, 4),
                             dialog ? QStringLiteral("Border_bot_left.gif")
                                    : QStringLiteral("border_left_corners.bmp"));
    m_bottomRight = makePiece("BBotRight", this, Fit::Natural, dialog ? QSize(6, 7) : QSize(6, 4),
                              dialog ? QStringLiteral("Border_bot_right.gif")
                                     : QStringLiteral("border_right_corners.bmp"));

    if (!dialog) {
        m_icon = makePiece("ImgIco", this, Fit::Stretch, IconSize,
                           kind == Kind::Home ? QStringLiteral("LSicon.ico")
                                              : QStringLiteral("Pencil.ico"));
        m_icon->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    m_title = new QLabel(this);
    m_title->setObjectName(dialog ? QStringLiteral("lblTitle") : QStringLiteral("Title"));
    QFont titleFont(QStringLiteral("Trebuchet MS"));
    titleFont.setPointSizeF(9.75);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setAttribute(Qt::WA_TranslucentBackground);
    if (dialog)
        m_title->setGeometry(twipsToWholePx(240), 5, twipsToWholePx(1185), twipsToWholePx(270));

    for (QObject *source : {static_cast<QObject *>(m_topLeft), static_cast<QObject *>(m_topCentre),
                            static_cast<QObject *>(m_topRight), static_cast<QObject *>(m_title)})
        source->installEventFilter(this);

    if (!dialog) {
        m_close = makeTitleButton("imgProgClose", this);
        if (kind == Kind::Practice)
            m_maximise = makeTitleButton("imgProgMax", this);
        m_minimise = makeTitleButton("imgProgMin", this);
        // Pictures only: a screen reader needs their names.
        m_close->setAccessibleName(QStringLiteral("Close"));
        m_minimise->setAccessibleName(QStringLiteral("Minimise"));
        connect(m_close, &ImageButton::clicked, this, &SkinnedWindow::closeRequested);
        connect(m_minimise, &ImageButton::clicked, this, [this] { showMinimized(); });
        if (m_maximise) {
            connect(m_maximise, &ImageButton::clicked, this, [this] {
                if (isMinimized())
                    return;
                if (isMaximized())
                    showNormal();
                else
                    showMaximized();
            });
        }
    }

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(TickMs);
    connect(m_timer, &QTimer::timeout, this, &SkinnedWindow::tick);
    m_timer->start();

    setPressTrack(false);
    applySkin(true);

    switch (kind) {
    case Kind::Home:
        resize(twipsToWholePx(6070), twipsToWholePx(7380));
        break;
    case Kind::Practice:
        resize(twipsToWholePx(12000), twipsToWholePx(9000));
        break;
    case Kind::Dialog:
        setFixedSize(twipsToWholePx(3975), twipsToWholePx(2250));
        break;
    }
    layoutFrame();
    layoutTitleBar();
    pRoundCorners();
}

void SkinnedWindow::setTitle(const QString &title)
{
    setWindowTitle(title);
    m_title->setText(title);
    layoutTitleBar();
}

PictureBox *SkinnedWindow::framePiece(const QString &name) const
{
    for (PictureBox *p : {m_topLeft, m_topCentre, m_topRight, m_left, m_right, m_bottom,
                          m_bottomLeft, m_bottomRight}) {
        if (p->objectName() == name)
            return p;
    }
    return nullptr;
}

QRect SkinnedWindow::clientRect() const
{
    const int top = m_frame.topLeft.bottom() + 1;
    const int left = m_frame.left.width();
    return QRect(left, top, width() - left - m_frame.right.width(),
                 height() - top - m_frame.bottom.height());
}

void SkinnedWindow::applySkin(bool active)
{
    // The dialog has no inactive skin.
    if (m_kind == Kind::Dialog)
        active = true;
    m_active = active;

    QPalette pal = m_title->palette();
    pal.setColor(QPalette::WindowText, active ? TitleActive : TitleInactive);
    m_title->setPalette(pal);

    if (active) {
        m_topLeft->setPicture(QStringLiteral("border_top_left.bmp"));
        m_topRight->setPicture(QStringLiteral("border_top_right.bmp"));
        m_topCentre->setPicture(QStringLiteral("border_top_center.bmp"));
    } else {
        m_topLeft->setPicture(QStringLiteral("border_white_top_left.bmp"));
        m_topRight->setPicture(QStringLiteral("border_white_top_right.bmp"));
        m_topCentre->setPicture(QStringLiteral("border_white_top_center.bmp"));
    }
    updateTitleButtonPictures();
    layoutFrame();
    layoutTitleBar();
    emit activationChanged(active);
    ImageButton::refreshWindow(this, QCursor::pos());
}

void SkinnedWindow::updateTitleButtonPictures()
{
    if (m_close) {
        m_close->setPictures(QStringLiteral("prog_blueoff_close.bmp"),
                             QStringLiteral("prog_blue_close.bmp"));
        m_close->setInactivePicture(QStringLiteral("prog_white_close.bmp"));
    }
    if (m_minimise) {
        m_minimise->setPictures(QStringLiteral("prog_blueoff_min.bmp"),
                                QStringLiteral("prog_blue_min.bmp"));
        m_minimise->setInactivePicture(QStringLiteral("prog_white_min.bmp"));
    }
    if (m_maximise) {
        // Restore pictures while maximised; a minimised window keeps what it had.
        if (windowState() & Qt::WindowMaximized) {
            m_maximise->setPictures(QStringLiteral("prog_blueoff_norm.bmp"),
                                    QStringLiteral("prog_blue_norm.bmp"));
            m_maximise->setAccessibleName(QStringLiteral("Restore"));
        } else if (!(windowState() & Qt::WindowMinimized) ||
                   m_maximise->pictureFor(Look::Off).isEmpty()) {
            m_maximise->setPictures(QStringLiteral("prog_blueoff_max.bmp"),
                                    QStringLiteral("prog_blue_max.bmp"));
            m_maximise->setAccessibleName(QStringLiteral("Maximise"));
        }
        m_maximise->setInactivePicture(QStringLiteral("prog_white_max.bmp"));
    }
}

bool SkinnedWindow::pressTrack() const
{
    return ImageButton::pressTrack(this);
}

void SkinnedWindow::setPressTrack(bool held)
{
    ImageButton::setPressTrack(this, held);
}

void SkinnedWindow::pRoundCorners()
{
    m_outline = outline(m_kind == Kind::Dialog ? OutlineKind::Dialog : OutlineKind::Window, size());
    // setMask replaces the previous outline; nothing accumulates across resizes.
    setMask(QRegion(m_outline, Qt::WindingFill));
}

void SkinnedWindow::MoveForm()
{
    emit moveStarted();
    if (QWindow *handle = windowHandle(); handle && handle->startSystemMove())
        return;
    // No system move loop on this platform: follow the pointer ourselves until release.
    m_manualDrag = true;
    m_dragOffset = QCursor::pos() - frameGeometry().topLeft();
}

void SkinnedWindow::tick()
{
    emit ticked();
    ImageButton::refreshWindow(this, QCursor::pos());
}

FramePieceSizes SkinnedWindow::pieceSizes() const
{
    FramePieceSizes s;
    s.topLeft = m_topLeft->size();
    s.topRight = m_topRight->size();
    s.bottomLeft = m_bottomLeft->size();
    s.bottomRight = m_bottomRight->size();
    if (!m_left->pixmap().isNull())
        s.leftWidth = m_left->pixmap().deviceIndependentSize().toSize().width();
    if (!m_right->pixmap().isNull())
        s.rightWidth = m_right->pixmap().deviceIndependentSize().toSize().width();
    if (!m_bottom->pixmap().isNull())
        s.bottomHeight = m_bottom->pixmap().deviceIndependentSize().toSize().height();
    return s;
}

void SkinnedWindow::layoutFrame()
{
    m_frame = placeFrame(size(), pieceSizes(),
                         m_kind == Kind::Practice ? CentreRule::UnderRightPiece
                                                  : CentreRule::BetweenEnds);
    m_topLeft->setGeometry(m_frame.topLeft);
    m_topCentre->setGeometry(m_frame.topCentre);
    m_topRight->setGeometry(m_frame.topRight);
    m_left->setGeometry(m_frame.left);
    m_right->setGeometry(m_frame.right);
    m_bottom->setGeometry(m_frame.bottom);
    m_bottomLeft->setGeometry(m_frame.bottomLeft);
    m_bottomRight->setGeometry(m_frame.bottomRight);
}

void SkinnedWindow::layoutTitleBar()
{
    const int barHeight = m_frame.topLeft.height();
    const int rightBar = m_frame.topRight.height();
    const double w = width();
    if (m_kind == Kind::Dialog) {
        m_title->move(m_title->x(), (rightBar - m_title->height()) / 2);
        return;
    }
    m_title->adjustSize();
    const double titleLeft = m_kind == Kind::Home ? twipsToPx(450) : himetricToPx(800);
    m_title->move(wholePx(titleLeft), (barHeight - m_title->height()) / 2);
    m_icon->move(himetricToWholePx(240), (barHeight - m_icon->height()) / 2);

    // Home: 60 and 30 twips apart; practice: 120 and 60 HIMETRIC.
    const double edgeGap = m_kind == Kind::Home ? twipsToPx(60) : himetricToPx(120);
    const double buttonGap = m_kind == Kind::Home ? twipsToPx(30) : himetricToPx(60);
    double left = w - m_close->width() - edgeGap;
    m_close->move(wholePx(left), (rightBar - m_close->height()) / 2);
    if (m_maximise) {
        left = left - m_maximise->width() - buttonGap;
        m_maximise->move(wholePx(left), (rightBar - m_maximise->height()) / 2);
    }
    left = left - m_minimise->width() - buttonGap;
    m_minimise->move(wholePx(left), (rightBar - m_minimise->height()) / 2);
}

bool SkinnedWindow::isDragSource(QObject *o) const
{
    return o == m_topLeft || o == m_topCentre || o == m_topRight || o == m_title;
}

void SkinnedWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutFrame();
    layoutTitleBar();
    pRoundCorners();
}

void SkinnedWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && m_kind != Kind::Dialog)
        applySkin(isActiveWindow());
    else if (event->type() == QEvent::WindowStateChange)
        updateTitleButtonPictures();
    QWidget::changeEvent(event);
}

bool SkinnedWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (!isDragSource(watched))
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // Any mouse button drags, once the pointer moves with it held.
        m_movePending = true;
        m_pressGlobal = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        return true;
    case QEvent::MouseMove: {
        auto *me = static_cast<QMouseEvent *>(event);
        const QPoint pointer = me->globalPosition().toPoint();
        if (m_movePending && moveStarts(m_pressGlobal, pointer, me->buttons() != Qt::NoButton,
                                        QGuiApplication::styleHints()->startDragDistance())) {
            m_movePending = false;
            MoveForm();
            // The window follows from where it was pressed, not from where the move began.
            m_dragOffset = m_pressGlobal - frameGeometry().topLeft();
            if (m_manualDrag)
                move(pointer - m_dragOffset);
            return true;
        }
        if (m_manualDrag) {
            move(pointer - m_dragOffset);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        m_movePending = false;
        m_manualDrag = false;
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace chrome

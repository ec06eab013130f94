#include "popup.h"

#include "imagebutton.h"
#include "picturebox.h"
#include "units.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <cmath>

namespace chrome {

namespace {
struct Hooks
{
    QList<bool> queued;
    std::optional<bool> fallback;
    QList<PopUpCall> calls;
};

Hooks &hooks()
{
    static Hooks h;
    return h;
}

// A screen reader announces the dialog as an alert: its title as the name, the message as the
// description.
class AccessiblePopUp : public QAccessibleWidget
{
public:
    explicit AccessiblePopUp(QWidget *w) : QAccessibleWidget(w, QAccessible::AlertMessage) {}
};

QAccessibleInterface *accessiblePopUp(const QString &className, QObject *object)
{
    if (className == QLatin1String("chrome::frmPopUp") && object->isWidgetType())
        return new AccessiblePopUp(static_cast<QWidget *>(object));
    return nullptr;
}

int floorPx(double v)
{
    return static_cast<int>(std::floor(v));
}

ImageButton *makeButton(const char *name, const char *captionName, QWidget *parent)
{
    auto *b = new ImageButton(QString::fromLatin1(name), parent);
    b->setAutoSize(false);
    b->resize(twipsToWholePx(1200), twipsToWholePx(375));
    b->setPictures(QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"));
    b->setKeyboardFocusable(true);
    QLabel *caption = b->caption(QString::fromLatin1(captionName));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    caption->setFont(font);
    caption->setGeometry(0, twipsToWholePx(60), twipsToWholePx(1215), twipsToWholePx(255));
    return b;
}
} // namespace

frmPopUp::frmPopUp(QWidget *parent) : SkinnedWindow(Kind::Dialog, parent)
{
    static const bool accessible = [] {
        QAccessible::installFactory(&accessiblePopUp);
        return true;
    }();
    Q_UNUSED(accessible);
    setObjectName(QStringLiteral("frmPopUp"));
    setWindowModality(Qt::ApplicationModal);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    m_info = new PictureBox(QStringLiteral("ImgInfo"), this);
    m_info->resize(32, 27);
    m_info->setPicture(QStringLiteral("info_mark.gif"));

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setAttribute(Qt::WA_TranslucentBackground);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    m_message->setFont(font);
    QPalette mp = m_message->palette();
    mp.setColor(QPalette::WindowText, Qt::black);
    m_message->setPalette(mp);

    m_but1 = makeButton("But1", "But1_lbl", this);
    m_but2 = makeButton("But2", "But2_lbl", this);
    connect(m_but1, &ImageButton::clicked, this, [this] { choose(true); });
    connect(m_but2, &ImageButton::clicked, this, [this] { choose(false); });

    // The design state: captions "OK" and "Cancel", both buttons at their design places.
    CallPop(QString(), QString(), 0, nullptr);
}

void frmPopUp::CallPop(const QString &Title, const QString &Msg, int NumofButtons, QWidget *Master)
{
    const QSizeF titlePiece = frameRects().topRight.size();
    const PopUpLayout l = popUpLayout(Msg, NumofButtons, titlePiece, m_info->size());

    titleLabel()->setText(Title);
    titleLabel()->setGeometry(floorPx(l.title.x()), floorPx(l.title.y()),
                              floorPx(l.titleSize.width()), floorPx(l.titleSize.height()));
    setWindowTitle(Title);
    setAccessibleName(Title);
    setAccessibleDescription(Msg);
    m_info->move(floorPx(l.icon.x()), floorPx(l.icon.y()));

    m_message->setText(Msg);
    const int messageWidth = floorPx(l.messageWidth);
    const int designHeight = twipsToWholePx(420);
    // The message grows downward to fit its text.
    m_message->setGeometry(floorPx(l.message.x()), floorPx(l.message.y()), messageWidth,
                           qMax(designHeight, m_message->heightForWidth(messageWidth)));

    if (NumofButtons == 1 || NumofButtons == 2 || Title.isNull()) {
        m_but1->move(floorPx(l.button1.x()), floorPx(l.button1.y()));
        m_but2->move(floorPx(l.button2.x()), floorPx(l.button2.y()));
        m_but1->setCaptionText(l.caption1);
        m_but2->setCaptionText(l.caption2);
        m_but1->setVisible(l.button1Visible);
        m_but2->setVisible(l.button2Visible);
    }

    QRect master;
    if (Master)
        master = Master->frameGeometry();
    else if (QScreen *screen = QGuiApplication::primaryScreen())
        master = screen->availableGeometry();
    if (master.isValid())
        move(centredOn(master, frameGeometry().size()));
}

bool frmPopUp::exec()
{
    if (m_finished)
        return m_answer.value_or(false);
    // The keyboard goes back to the window that asked, whatever the window manager does.
    const QPointer<QWidget> asking = QApplication::activeWindow();
    QEventLoop loop;
    connect(this, &frmPopUp::finished, &loop, &QEventLoop::quit);
    show();
    raise();
    activateWindow();
    // The answer that changes nothing has the focus: "No" of a question, "OK" of a notice.
    (m_but2->isHidden() ? m_but1 : m_but2)->setFocus(Qt::OtherFocusReason);
    if (!m_finished)
        loop.exec(QEventLoop::DialogExec);
    if (asking && asking != this && asking->isVisible())
        asking->activateWindow();
    return m_answer.value_or(false);
}

void frmPopUp::choose(bool yes)
{
    if (m_finished)
        return;
    m_answer = yes;
    close();
}

void frmPopUp::closeEvent(QCloseEvent *event)
{
    // Closed without a button: the answer is no.
    if (!m_answer)
        m_answer = false;
    if (!m_finished) {
        m_finished = true;
        emit finished(*m_answer);
    }
    SkinnedWindow::closeEvent(event);
}

void frmPopUp::keyPressEvent(QKeyEvent *event)
{
    // Space and Return reach the focused button first; what arrives here is for the dialog.
    switch (event->key()) {
    case Qt::Key_Escape:
        choose(false);
        return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!m_but2->isHidden()) {
            (m_but1->hasFocus() ? m_but2 : m_but1)->setFocus(Qt::TabFocusReason);
            return;
        }
        break;
    default:
        break;
    }
    SkinnedWindow::keyPressEvent(event);
}

namespace {
bool showPopUp(const QString &title, const QString &message, int buttons, QWidget *master)
{
    Hooks &h = hooks();
    bool answer = false;
    if (!h.queued.isEmpty()) {
        answer = h.queued.takeFirst();
    } else if (h.fallback) {
        answer = *h.fallback;
    } else {
        frmPopUp dialog;
        dialog.CallPop(title, message, buttons, master);
        answer = dialog.exec();
    }
    h.calls.push_back({title, message, buttons, answer});
    return answer;
}
} // namespace

bool ask(const QString &title, const QString &message, QWidget *master)
{
    return showPopUp(title, message, 2, master);
}

void tell(const QString &title, const QString &message, QWidget *master)
{
    showPopUp(title, message, 1, master);
}

void setNextPopUpAnswers(const QList<bool> &answers)
{
    hooks().queued = answers;
}

QList<bool> pendingPopUpAnswers()
{
    return hooks().queued;
}

void setPopUpDefaultAnswer(std::optional<bool> answer)
{
    hooks().fallback = answer;
}

QList<PopUpCall> takePopUpCalls()
{
    QList<PopUpCall> calls;
    calls.swap(hooks().calls);
    return calls;
}

} // namespace chrome

#include "popup.h"

#include "imagebutton.h"
#include "picturebox.h"
#include "units.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <cmath>

namespace chrome {

namespace {
struct Hooks
{
    QStringList queued;
    QString fallback;
    QList<PopUpCall> calls;
};

Hooks &hooks()
{
    static Hooks h;
    return h;
}

const QString kYes = QStringLiteral("True");
const QString kNo = QStringLiteral("False");

int floorPx(double v)
{
    return static_cast<int>(std::floor(v));
}

ImageButton *makeButton(const char *name, const char *captionName, QWidget *parent)
{
    auto *b = new ImageButton(QString::fromLatin1(name), parent);
    b->setAutoSize(false);
    b->resize(qRound(twipsToPx(1200)), qRound(twipsToPx(375)));
    b->setPictures(QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"));
    QLabel *caption = b->caption(QString::fromLatin1(captionName));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    caption->setFont(font);
    caption->setGeometry(0, qRound(twipsToPx(60)), qRound(twipsToPx(1215)), qRound(twipsToPx(255)));
    return b;
}
} // namespace

frmPopUp::frmPopUp(QWidget *parent) : SkinnedWindow(Kind::Dialog, parent)
{
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
    connect(m_but1, &ImageButton::clicked, this, [this] { choose(kYes); });
    connect(m_but2, &ImageButton::clicked, this, [this] { choose(kNo); });

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
    m_info->move(floorPx(l.icon.x()), floorPx(l.icon.y()));

    m_message->setText(Msg);
    const int messageWidth = floorPx(l.messageWidth);
    const int designHeight = qRound(twipsToPx(420));
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

QString frmPopUp::exec()
{
    if (m_finished)
        return m_answer;
    QEventLoop loop;
    connect(this, &frmPopUp::finished, &loop, &QEventLoop::quit);
    show();
    raise();
    activateWindow();
    if (!m_finished)
        loop.exec(QEventLoop::DialogExec);
    return m_answer;
}

void frmPopUp::choose(const QString &answer)
{
    if (m_finished)
        return;
    m_answer = answer;
    close();
}

void frmPopUp::closeEvent(QCloseEvent *event)
{
    // Closed without a button: the answer is no.
    if (m_answer.isEmpty())
        m_answer = kNo;
    if (!m_finished) {
        m_finished = true;
        emit finished(m_answer);
    }
    SkinnedWindow::closeEvent(event);
}

QString CallPop(const QString &Title, const QString &Msg, int NumofButtons, QWidget *Master,
                QString *PopUpResponse)
{
    Hooks &h = hooks();
    QString answer;
    if (!h.queued.isEmpty())
        answer = h.queued.takeFirst();
    else if (!h.fallback.isEmpty())
        answer = h.fallback;
    else {
        frmPopUp dialog;
        dialog.CallPop(Title, Msg, NumofButtons, Master);
        answer = dialog.exec();
    }
    h.calls.push_back({Title, Msg, NumofButtons, answer});
    if (PopUpResponse)
        *PopUpResponse = answer;
    return answer;
}

void setNextPopUpAnswers(const QStringList &answers)
{
    hooks().queued = answers;
}

QStringList pendingPopUpAnswers()
{
    return hooks().queued;
}

void setPopUpDefaultAnswer(const QString &answer)
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

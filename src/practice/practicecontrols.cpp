// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practicewindow.h"

#include "chrome/look.h"

#include "practice/documentguard.h"
#include "practice/practicetoolbar.h"
#include "practice/questionviewer.h"
#include "practice/viewerhost.h"

#include "chrome/border.h"
#include "chrome/geometry.h"
#include "chrome/imagebutton.h"
#include "chrome/picturebox.h"
#include "chrome/popup.h"
#include "chrome/timing.h"
#include "content/content.h"
#include "content/gaps.h"
#include "marking/hint.h"
#include "marking/marking.h"
#include "results/results.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

// The practice window's controls: what it is made of, where each part stands and how the parts
// follow the window's size.
namespace practice {

namespace {

void setBackground(QWidget *w, const QColor &colour)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
}

QLabel *makeLabel(const QString &name, QWidget *parent, const QString &text = {},
                  const QString &toolTip = {})
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    if (!toolTip.isEmpty())
        l->setToolTip(toolTip);
    return l;
}

} // namespace

void PracticeWindow::buildControls()
{
    using chrome::ImageButton;
    using chrome::PictureBox;

    m_toolStrip = new QWidget(this);
    m_toolStrip->setObjectName(QStringLiteral("ScnTabBG"));
    setBackground(m_toolStrip, chrome::palette::Panel);

    for (int i = 0; i < 6; ++i) {
        const QString n = QStringLiteral("%1").arg(i + 1, 2, 10, QChar(u'0'));
        auto *b = new ImageButton(QStringLiteral("ToolBar") + n, m_toolStrip);
        b->setAutoSize(false);
        b->setTracksPress(true);
        b->caption(QStringLiteral("lblTB") + n);
        b->setIdentity(practiceToolbarIdentity(i + 1));
        m_tools[i] = b;
    }
    connect(m_tools[0], &ImageButton::clicked, this, &PracticeWindow::SavePaper);
    connect(m_tools[1], &ImageButton::clicked, this, &PracticeWindow::MarkPaper);
    connect(m_tools[2], &ImageButton::clicked, this, &PracticeWindow::PrintQuestion);
    connect(m_tools[3], &ImageButton::clicked, this, &PracticeWindow::ClosePaper);
    connect(m_tools[4], &ImageButton::clicked, this, [this] { ShowQuestion(m_qsCount - 1); });
    connect(m_tools[5], &ImageButton::clicked, this, [this] { ShowQuestion(m_qsCount + 1); });
    // Every command also has its keys; the tool tips name them.
    const Command toolCommands[6] = {Command::Save,  Command::Mark, Command::Print,
                                     Command::Close, Command::Back, Command::Next};
    for (int i = 0; i < 6; ++i) {
        const chrome::ButtonIdentity id = practiceToolbarIdentity(i + 1);
        const QString tip = toolTipWithKey(id.toolTip, toolCommands[i]);
        m_tools[i]->setToolTips(tip);
        m_tools[i]->setAccessibleName(id.caption);
        m_tools[i]->setAccessibleDescription(tip);
    }
    for (const CommandKey &key : commandKeys()) {
        auto *shortcut = new QShortcut(key.keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, key] { runCommand(key.command); });
    }
    const auto describe = [](QWidget *w, const QString &name, const QString &description) {
        if (!w)
            return;
        w->setAccessibleName(name);
        w->setAccessibleDescription(description);
    };
    describe(closeButton(), QStringLiteral("Close"),
             toolTipWithKey(QStringLiteral("Close paper"), Command::Close));
    describe(minimiseButton(), QStringLiteral("Minimise"), QStringLiteral("Minimise the window"));
    describe(maximiseButton(), QStringLiteral("Maximise"),
             QStringLiteral("Maximise or restore the window"));

    m_paperSum = new PictureBox(QStringLiteral("PaperSum"), m_toolStrip, PictureBox::Fit::Stretch);
    m_paperSum->setPicture(QStringLiteral("pen.bmp"));
    QFont small = font();
    small.setPointSizeF(8);
    // The counts on the top row take what two digits need in the small font; the score has the
    // rest of the row.
    const QFontMetrics smallMetrics(small);
    const int countW = smallMetrics.horizontalAdvance(QStringLiteral("88")) + 1;
    const int slashW = smallMetrics.horizontalAdvance(u'/') + 1;
    const int countsLeft = 32, slashLeft = countsLeft + countW, totalLeft = slashLeft + slashW;
    const int scoreLeft = totalLeft + countW + 1, panelRight = 116;
    auto placed = [&](QLabel *l, int x, int y, int w) {
        l->setFont(small);
        l->setGeometry(x, y, w, 13);
        return l;
    };
    m_answeredLabel =
        placed(makeLabel(QStringLiteral("lblAnsweredQ"), m_paperSum, QStringLiteral("0"),
                         QStringLiteral("Number of questions answered")),
               countsLeft, 1, countW);
    m_answeredLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_slashLabel = placed(makeLabel(QStringLiteral("lblSlash"), m_paperSum, QStringLiteral("/")),
                          slashLeft, 1, slashW);
    m_slashLabel->setAlignment(Qt::AlignCenter);
    m_totalLabel = placed(makeLabel(QStringLiteral("lblTotalQ"), m_paperSum, QStringLiteral("0"),
                                    QStringLiteral("Total number of questions")),
                          totalLeft, 1, countW);
    // The percent score is the number a pupil looks for: bold and larger, on the panel's top row
    // right of the answered count, the small print below it. The font shrinks rather than clip
    // the widest score.
    m_scoreLabel =
        makeLabel(QStringLiteral("PScoring"), m_paperSum, {}, QStringLiteral("Your score"));
    m_scoreLabel->setAccessibleName(QStringLiteral("Your score"));
    m_scoreLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The second take's "%" is a label of its own, right of the score.
    const int percentW = m_take == Take::First ? 0 : 15;
    m_scoreLabel->setGeometry(scoreLeft, 0, panelRight - percentW - scoreLeft, 16);
    QFont scoreFont = font();
    scoreFont.setBold(true);
    scoreFont.setPointSizeF(11);
    const QString widest = m_take == Take::First ? QStringLiteral("88.8%") : QStringLiteral("88.8");
    const auto tooWide = [&](const QFont &f) {
        const QFontMetrics m(f);
        return m.horizontalAdvance(widest) > m_scoreLabel->width() ||
               (percentW > 0 && m.horizontalAdvance(u'%') > percentW);
    };
    while (scoreFont.pointSizeF() > 7 && tooWide(scoreFont))
        scoreFont.setPointSizeF(scoreFont.pointSizeF() - 0.5);
    m_scoreLabel->setFont(scoreFont);
    QPalette scorePalette = m_scoreLabel->palette();
    scorePalette.setColor(QPalette::WindowText, QColor(0, 51, 153));
    m_scoreLabel->setPalette(scorePalette);
    if (m_take == Take::First) {
        m_clockLabel = placed(makeLabel(QStringLiteral("lblClock"), m_paperSum,
                                        QStringLiteral("00:00:00"), QStringLiteral("Clock")),
                              40, 16, 75);
        m_timeTakenLabel =
            placed(makeLabel(QStringLiteral("LTime"), m_paperSum, {}, QStringLiteral("Time taken")),
                   40, 16, 75);
        m_dateLabel =
            placed(makeLabel(QStringLiteral("lblDate"), m_paperSum, {}, QStringLiteral("Date")), 40,
                   28, 75);
        m_dateDoneLabel = placed(
            makeLabel(QStringLiteral("ETime"), m_paperSum, {}, QStringLiteral("Date completed")),
            40, 28, 75);
        m_timeTakenLabel->hide();
        m_dateDoneLabel->hide();
    } else {
        // No clock in a second take: the score's "%" is a label of its own, and the heading
        // takes the clock's place.
        m_percentLabel = makeLabel(QStringLiteral("lblPercent"), m_paperSum, QStringLiteral("%"),
                                   QStringLiteral("Your score"));
        m_percentLabel->setGeometry(panelRight - percentW, 0, percentW, 16);
        m_percentLabel->setFont(scoreFont);
        m_percentLabel->setPalette(scorePalette);
        m_headingLabel = placed(makeLabel(QStringLiteral("lblSecondAttempt"), m_paperSum,
                                          QString::fromLatin1(SecondTakeHeading)),
                                36, 20, 80);
        // Bold where it fits; the panel is narrow, so the font shrinks rather than clip the text.
        QFont heading = m_headingLabel->font();
        heading.setBold(true);
        while (heading.pointSizeF() > 6 && QFontMetrics(heading).horizontalAdvance(
                                               m_headingLabel->text()) > m_headingLabel->width())
            heading.setPointSizeF(heading.pointSizeF() - 0.5);
        m_headingLabel->setFont(heading);
    }

    m_answerBox = new QWidget(this);
    m_answerBox->setObjectName(QStringLiteral("AnsBox"));
    setBackground(m_answerBox, Qt::white);
    m_instruction =
        new PictureBox(QStringLiteral("PicInstruction"), m_answerBox, PictureBox::Fit::Natural);
    m_instruction->setPicture(QStringLiteral("instruction.gif"));
    m_instruction->hide();
    for (int k = 1; k <= AnswerRowCount; ++k) {
        auto *row = new AnswerRow(k, m_take, m_answerBox);
        setBackground(row, Qt::white);
        connect(row->answer, &QLineEdit::returnPressed, this, [this, k] { focusNextRow(k); });
        row->hide();
        m_rows[k - 1] = row;
    }

    m_handleStrip = new QWidget(this);
    m_handleStrip->setObjectName(QStringLiteral("PicHideAns"));
    setBackground(m_handleStrip, chrome::palette::Panel);
    m_handle = new PictureBox(QStringLiteral("ImgHandle"), m_handleStrip, PictureBox::Fit::Stretch);
    m_handle->setPicture(QStringLiteral("Handle.bmp"));
    m_handle->setToolTip(toolTipWithKey(QStringLiteral("Hide answer sheet"), Command::ToggleSheet));
    m_handle->setAccessibleName(QStringLiteral("Answer sheet handle"));
    m_handle->setCursor(Qt::PointingHandCursor);
    m_handle->installEventFilter(this);

    m_viewer.reset(createViewer(this));
    m_viewer->widget()->setObjectName(QStringLiteral("brwWebBrowser"));
    m_viewer->widget()->setAccessibleName(QStringLiteral("Question"));
    m_viewer->widget()->setAccessibleDescription(
        QStringLiteral("The question on view; Page Up and Page Down scroll it, Alt+Left and "
                       "Alt+Right move between questions"));
    m_viewer->setDocumentCompleteHandler([this] {
        chrome::timing::stamp("question-loaded");
        chrome::timing::rect(m_viewer->widget());
        attachDocument();
    });
    attachDocument();

    m_questionTitleBg = new QWidget(this);
    m_questionTitleBg->setObjectName(QStringLiteral("QnTitleBG"));
    setBackground(m_questionTitleBg, QColor(222, 234, 246));
    m_questionTitle =
        makeLabel(QStringLiteral("QnTitle"), m_questionTitleBg, QStringLiteral("Question 1"));
    QFont heading = font();
    heading.setBold(true);
    heading.setPointSizeF(10);
    m_questionTitle->setFont(heading);
    m_questionTitle->move(8, 4);
    m_questionTitle->setToolTip(QStringLiteral("Page Up and Page Down scroll the question; "
                                               "Alt+Left and Alt+Right change question"));

    m_statusBar = new QWidget(this);
    m_statusBar->setObjectName(QStringLiteral("RemQnsBG"));
    setBackground(m_statusBar, chrome::palette::Panel);
    for (const StatusPiece &piece : statusBarPieces(m_take)) {
        auto *bot = new PictureBox(piece.name, m_statusBar, PictureBox::Fit::Stretch);
        bot->setPicture(piece.picture);
        m_bots[piece.name.back().digitValue() - 1] = bot;
    }
    m_remPanel = new PictureBox(QStringLiteral("TxtRem"), m_statusBar, PictureBox::Fit::Stretch);
    m_remPanel->setPicture(QStringLiteral("bottombg2.bmp"));
    auto *remCaption =
        makeLabel(QStringLiteral("lblQnsLeft"), m_remPanel, QStringLiteral("Qns left:"));
    remCaption->setGeometry(6, 4, 56, 17);
    m_remQns = new QComboBox(m_remPanel);
    m_remQns->setObjectName(QStringLiteral("RemQns"));
    m_remQns->setToolTip(QStringLiteral("Select a remaining question"));
    m_remQns->setAccessibleName(QStringLiteral("Questions left"));
    m_remQns->setAccessibleDescription(QStringLiteral("Select a remaining question"));
    m_remQns->setGeometry(64, 2, 60, 21);
    connect(m_remQns, &QComboBox::activated, this, [this](int index) {
        const int q = m_remQns->itemText(index).toInt();
        if (q >= 1 && q <= m_paper.questionCount())
            ShowQuestion(q);
        // A move refused by a failed save leaves the chosen entry on show, where it would read
        // like a count.
        m_remQns->setCurrentIndex(-1);
    });
    // After marking, under the answer rows: the hint of the row with the focus, on the screen
    // for every pupil, not only in a tool tip or to a screen reader.
    m_hintLabel = makeLabel(QStringLiteral("lblHint"), m_answerBox);
    QFont hintFont = font();
    hintFont.setBold(true);
    m_hintLabel->setFont(hintFont);
    m_hintLabel->setTextFormat(Qt::PlainText);
    m_hintLabel->setWordWrap(true);
    m_hintLabel->setMargin(4);
    setBackground(m_hintLabel, QColor(255, 248, 214));
    m_hintLabel->hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == this)
            showHintLine();
    });
    m_markPanel = new PictureBox(QStringLiteral("fmeMark"), m_statusBar, PictureBox::Fit::Stretch);
    m_markPanel->setPicture(QStringLiteral("bottombg4.bmp"));
    for (int i = 0; i < 15; ++i) {
        m_bars[i] = new PictureBox(QStringLiteral("imgBar%1").arg(i + 1, 2, 10, QChar(u'0')),
                                   m_markPanel, PictureBox::Fit::Stretch);
        m_bars[i]->setPicture(QStringLiteral("progressbar.bmp"));
        m_bars[i]->setGeometry(70 + i * 9, 8, 8, 10);
        m_bars[i]->hide();
    }
    auto *markCaption =
        makeLabel(QStringLiteral("lblMarking"), m_markPanel, QStringLiteral("Marking..."));
    markCaption->setGeometry(6, 4, 62, 17);
    m_markPanel->hide();

    m_sizer = new PictureBox(QStringLiteral("Sizer"), this, PictureBox::Fit::Stretch);
    m_sizer->setPicture(QStringLiteral("statusgrabber.bmp"));
    m_sizer->setCursor(Qt::SizeFDiagCursor);

    // Tab runs through the answer boxes in order (an expected answer after its box when shown),
    // then to the list of questions left.
    QWidget *previous = nullptr;
    for (AnswerRow *row : m_rows) {
        for (QWidget *w :
             {static_cast<QWidget *>(row->answer), static_cast<QWidget *>(row->model)}) {
            if (previous)
                setTabOrder(previous, w);
            previous = w;
        }
    }
    setTabOrder(previous, m_remQns);
}

void PracticeWindow::placeWindow()
{
    QScreen *scr = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect screenPx = scr ? scr->geometry() : QRect(0, 0, 1024, 768);
    const QRect tw = initialGeometryTwips(chrome::pxToTwips(screenPx.size()));
    setGeometry(screenPx.x() + px(tw.x()), screenPx.y() + px(tw.y()), px(tw.width()),
                px(tw.height()));
}

void PracticeWindow::applyLayout()
{
    if (isMinimized())
        return; // the rules would give negative sizes
    const chrome::FrameRects frame = frameRects();
    FrameMetrics m;
    m.topHeight = frame.topLeft.height();
    m.leftWidth = frame.left.width();
    m.rightWidth = frame.right.width();
    m.bottomHeight = frame.bottom.height();
    const PracticeLayout l = layoutPractice(size(), m_answerSheetShown, m, m_take);

    m_sizer->setGeometry(l.sizer);
    m_toolStrip->setGeometry(l.toolStrip);
    for (int i = 0; i < 6; ++i) {
        m_tools[i]->setGeometry(l.tools[i]);
        if (QLabel *c = m_tools[i]->captionLabel())
            c->setGeometry(0, l.tools[i].height() - 15, l.tools[i].width(), 14);
    }
    m_paperSum->setGeometry(l.paperSum);
    m_answerBox->setGeometry(l.answerBox);
    placeHintLine();
    m_handleStrip->setGeometry(l.handleStrip);
    m_handle->setGeometry(0, px(1440), px(handleImageWidthTwips(m_take)), px(600));
    m_viewer->widget()->setGeometry(l.viewer);
    m_questionTitleBg->setGeometry(l.questionTitle);
    m_questionTitle->resize(l.questionTitle.width() - 16, l.questionTitle.height() - 6);
    m_statusBar->setGeometry(l.statusBar);
    const int w = l.statusBar.width(), h = l.statusBar.height();
    m_bots[0]->setGeometry(0, 0, w, h);
    if (m_bots[1])
        m_bots[1]->setGeometry(w / 3, 0, w / 3, h);
    m_bots[2]->setGeometry(2 * w / 3, 0, w - 2 * w / 3, h);
    m_remPanel->setGeometry(0, 0, 140, h);
    m_markPanel->setGeometry(std::max(0, w - 220), 0, 220, h);
    m_instruction->move(px(120), l.instructionTop);

    // Title-bar pieces and the window's own surface lie beneath; the body goes on top of them,
    // the grip above everything.
    m_sizer->raise();
}

} // namespace practice

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

    toolStrip_ = new QWidget(this);
    toolStrip_->setObjectName(QStringLiteral("ScnTabBG"));
    setBackground(toolStrip_, chrome::palette::Panel);

    for (int i = 0; i < 6; ++i) {
        const QString n = QStringLiteral("%1").arg(i + 1, 2, 10, QChar(u'0'));
        auto *b = new ImageButton(QStringLiteral("ToolBar") + n, toolStrip_);
        b->setAutoSize(false);
        b->setTracksPress(true);
        b->caption(QStringLiteral("lblTB") + n);
        b->setIdentity(practiceToolbarIdentity(i + 1));
        tools_[i] = b;
    }
    connect(tools_[0], &ImageButton::clicked, this, &PracticeWindow::SavePaper);
    connect(tools_[1], &ImageButton::clicked, this, &PracticeWindow::MarkPaper);
    connect(tools_[2], &ImageButton::clicked, this, &PracticeWindow::PrintQuestion);
    connect(tools_[3], &ImageButton::clicked, this, &PracticeWindow::ClosePaper);
    connect(tools_[4], &ImageButton::clicked, this, [this] { ShowQuestion(qsCount_ - 1); });
    connect(tools_[5], &ImageButton::clicked, this, [this] { ShowQuestion(qsCount_ + 1); });
    // Every command also has its keys; the tool tips name them.
    const Command toolCommands[6] = {Command::Save,  Command::Mark, Command::Print,
                                     Command::Close, Command::Back, Command::Next};
    for (int i = 0; i < 6; ++i) {
        const chrome::ButtonIdentity id = practiceToolbarIdentity(i + 1);
        const QString tip = toolTipWithKey(id.toolTip, toolCommands[i]);
        tools_[i]->setToolTips(tip);
        tools_[i]->setAccessibleName(id.caption);
        tools_[i]->setAccessibleDescription(tip);
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

    paperSum_ = new PictureBox(QStringLiteral("PaperSum"), toolStrip_, PictureBox::Fit::Stretch);
    paperSum_->setPicture(QStringLiteral("pen.bmp"));
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
    answeredLabel_ =
        placed(makeLabel(QStringLiteral("lblAnsweredQ"), paperSum_, QStringLiteral("0"),
                         QStringLiteral("Number of questions answered")),
               countsLeft, 1, countW);
    answeredLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    slashLabel_ = placed(makeLabel(QStringLiteral("lblSlash"), paperSum_, QStringLiteral("/")),
                         slashLeft, 1, slashW);
    slashLabel_->setAlignment(Qt::AlignCenter);
    totalLabel_ = placed(makeLabel(QStringLiteral("lblTotalQ"), paperSum_, QStringLiteral("0"),
                                   QStringLiteral("Total number of questions")),
                         totalLeft, 1, countW);
    // The percent score is the number a pupil looks for: bold and larger, on the panel's top row
    // right of the answered count, the small print below it. The font shrinks rather than clip
    // the widest score.
    scoreLabel_ =
        makeLabel(QStringLiteral("PScoring"), paperSum_, {}, QStringLiteral("Your score"));
    scoreLabel_->setAccessibleName(QStringLiteral("Your score"));
    scoreLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The second take's "%" is a label of its own, right of the score.
    const int percentW = take_ == Take::First ? 0 : 15;
    scoreLabel_->setGeometry(scoreLeft, 0, panelRight - percentW - scoreLeft, 16);
    QFont scoreFont = font();
    scoreFont.setBold(true);
    scoreFont.setPointSizeF(11);
    const QString widest = take_ == Take::First ? QStringLiteral("88.8%") : QStringLiteral("88.8");
    const auto tooWide = [&](const QFont &f) {
        const QFontMetrics m(f);
        return m.horizontalAdvance(widest) > scoreLabel_->width() ||
               (percentW > 0 && m.horizontalAdvance(u'%') > percentW);
    };
    while (scoreFont.pointSizeF() > 7 && tooWide(scoreFont))
        scoreFont.setPointSizeF(scoreFont.pointSizeF() - 0.5);
    scoreLabel_->setFont(scoreFont);
    QPalette scorePalette = scoreLabel_->palette();
    scorePalette.setColor(QPalette::WindowText, QColor(0, 51, 153));
    scoreLabel_->setPalette(scorePalette);
    if (take_ == Take::First) {
        clockLabel_ = placed(makeLabel(QStringLiteral("lblClock"), paperSum_,
                                       QStringLiteral("00:00:00"), QStringLiteral("Clock")),
                             40, 16, 75);
        timeTakenLabel_ =
            placed(makeLabel(QStringLiteral("LTime"), paperSum_, {}, QStringLiteral("Time taken")),
                   40, 16, 75);
        dateLabel_ =
            placed(makeLabel(QStringLiteral("lblDate"), paperSum_, {}, QStringLiteral("Date")), 40,
                   28, 75);
        dateDoneLabel_ = placed(
            makeLabel(QStringLiteral("ETime"), paperSum_, {}, QStringLiteral("Date completed")), 40,
            28, 75);
        timeTakenLabel_->hide();
        dateDoneLabel_->hide();
    } else {
        // No clock in a second take: the score's "%" is a label of its own, and the heading
        // takes the clock's place.
        percentLabel_ = makeLabel(QStringLiteral("lblPercent"), paperSum_, QStringLiteral("%"),
                                  QStringLiteral("Your score"));
        percentLabel_->setGeometry(panelRight - percentW, 0, percentW, 16);
        percentLabel_->setFont(scoreFont);
        percentLabel_->setPalette(scorePalette);
        headingLabel_ = placed(makeLabel(QStringLiteral("lblSecondAttempt"), paperSum_,
                                         QString::fromLatin1(SecondTakeHeading)),
                               36, 20, 80);
        // Bold where it fits; the panel is narrow, so the font shrinks rather than clip the text.
        QFont heading = headingLabel_->font();
        heading.setBold(true);
        while (heading.pointSizeF() > 6 && QFontMetrics(heading).horizontalAdvance(
                                               headingLabel_->text()) > headingLabel_->width())
            heading.setPointSizeF(heading.pointSizeF() - 0.5);
        headingLabel_->setFont(heading);
    }

    answerBox_ = new QWidget(this);
    answerBox_->setObjectName(QStringLiteral("AnsBox"));
    setBackground(answerBox_, Qt::white);
    instruction_ =
        new PictureBox(QStringLiteral("PicInstruction"), answerBox_, PictureBox::Fit::Natural);
    instruction_->setPicture(QStringLiteral("instruction.gif"));
    instruction_->hide();
    for (int k = 1; k <= AnswerRowCount; ++k) {
        auto *row = new AnswerRow(k, take_, answerBox_);
        setBackground(row, Qt::white);
        connect(row->answer, &QLineEdit::returnPressed, this, [this, k] { focusNextRow(k); });
        row->hide();
        rows_[k - 1] = row;
    }

    handleStrip_ = new QWidget(this);
    handleStrip_->setObjectName(QStringLiteral("PicHideAns"));
    setBackground(handleStrip_, chrome::palette::Panel);
    handle_ = new PictureBox(QStringLiteral("ImgHandle"), handleStrip_, PictureBox::Fit::Stretch);
    handle_->setPicture(QStringLiteral("Handle.bmp"));
    handle_->setToolTip(toolTipWithKey(QStringLiteral("Hide answer sheet"), Command::ToggleSheet));
    handle_->setAccessibleName(QStringLiteral("Answer sheet handle"));
    handle_->setCursor(Qt::PointingHandCursor);
    handle_->installEventFilter(this);

    viewer_.reset(createViewer(this));
    viewer_->widget()->setObjectName(QStringLiteral("brwWebBrowser"));
    viewer_->widget()->setAccessibleName(QStringLiteral("Question"));
    viewer_->widget()->setAccessibleDescription(
        QStringLiteral("The question on view; Page Up and Page Down scroll it, Alt+Left and "
                       "Alt+Right move between questions"));
    viewer_->setDocumentCompleteHandler([this] {
        chrome::timing::stamp("question-loaded");
        chrome::timing::rect(viewer_->widget());
        attachDocument();
    });
    attachDocument();

    questionTitleBg_ = new QWidget(this);
    questionTitleBg_->setObjectName(QStringLiteral("QnTitleBG"));
    setBackground(questionTitleBg_, QColor(222, 234, 246));
    questionTitle_ =
        makeLabel(QStringLiteral("QnTitle"), questionTitleBg_, QStringLiteral("Question 1"));
    QFont heading = font();
    heading.setBold(true);
    heading.setPointSizeF(10);
    questionTitle_->setFont(heading);
    questionTitle_->move(8, 4);
    questionTitle_->setToolTip(QStringLiteral("Page Up and Page Down scroll the question; "
                                              "Alt+Left and Alt+Right change question"));

    statusBar_ = new QWidget(this);
    statusBar_->setObjectName(QStringLiteral("RemQnsBG"));
    setBackground(statusBar_, chrome::palette::Panel);
    for (const StatusPiece &piece : statusBarPieces(take_)) {
        auto *bot = new PictureBox(piece.name, statusBar_, PictureBox::Fit::Stretch);
        bot->setPicture(piece.picture);
        bots_[piece.name.back().digitValue() - 1] = bot;
    }
    remPanel_ = new PictureBox(QStringLiteral("TxtRem"), statusBar_, PictureBox::Fit::Stretch);
    remPanel_->setPicture(QStringLiteral("bottombg2.bmp"));
    auto *remCaption =
        makeLabel(QStringLiteral("lblQnsLeft"), remPanel_, QStringLiteral("Qns left:"));
    remCaption->setGeometry(6, 4, 56, 17);
    remQns_ = new QComboBox(remPanel_);
    remQns_->setObjectName(QStringLiteral("RemQns"));
    remQns_->setToolTip(QStringLiteral("Select a remaining question"));
    remQns_->setAccessibleName(QStringLiteral("Questions left"));
    remQns_->setAccessibleDescription(QStringLiteral("Select a remaining question"));
    remQns_->setGeometry(64, 2, 60, 21);
    connect(remQns_, &QComboBox::activated, this, [this](int index) {
        const int q = remQns_->itemText(index).toInt();
        if (q >= 1 && q <= paper_.questionCount())
            ShowQuestion(q);
        // A move refused by a failed save leaves the chosen entry on show, where it would read
        // like a count.
        remQns_->setCurrentIndex(-1);
    });
    // After marking, under the answer rows: the hint of the row with the focus, on the screen
    // for every pupil, not only in a tool tip or to a screen reader.
    hintLabel_ = makeLabel(QStringLiteral("lblHint"), answerBox_);
    QFont hintFont = font();
    hintFont.setBold(true);
    hintLabel_->setFont(hintFont);
    hintLabel_->setTextFormat(Qt::PlainText);
    hintLabel_->setWordWrap(true);
    hintLabel_->setMargin(4);
    setBackground(hintLabel_, QColor(255, 248, 214));
    hintLabel_->hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == this)
            showHintLine();
    });
    markPanel_ = new PictureBox(QStringLiteral("fmeMark"), statusBar_, PictureBox::Fit::Stretch);
    markPanel_->setPicture(QStringLiteral("bottombg4.bmp"));
    for (int i = 0; i < 15; ++i) {
        bars_[i] = new PictureBox(QStringLiteral("imgBar%1").arg(i + 1, 2, 10, QChar(u'0')),
                                  markPanel_, PictureBox::Fit::Stretch);
        bars_[i]->setPicture(QStringLiteral("progressbar.bmp"));
        bars_[i]->setGeometry(70 + i * 9, 8, 8, 10);
        bars_[i]->hide();
    }
    auto *markCaption =
        makeLabel(QStringLiteral("lblMarking"), markPanel_, QStringLiteral("Marking..."));
    markCaption->setGeometry(6, 4, 62, 17);
    markPanel_->hide();

    sizer_ = new PictureBox(QStringLiteral("Sizer"), this, PictureBox::Fit::Stretch);
    sizer_->setPicture(QStringLiteral("statusgrabber.bmp"));
    sizer_->setCursor(Qt::SizeFDiagCursor);

    // Tab runs through the answer boxes in order (an expected answer after its box when shown),
    // then to the list of questions left.
    QWidget *previous = nullptr;
    for (AnswerRow *row : rows_) {
        for (QWidget *w :
             {static_cast<QWidget *>(row->answer), static_cast<QWidget *>(row->model)}) {
            if (previous)
                setTabOrder(previous, w);
            previous = w;
        }
    }
    setTabOrder(previous, remQns_);
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
    const PracticeLayout l = layoutPractice(size(), answerSheetShown_, m, take_);

    sizer_->setGeometry(l.sizer);
    toolStrip_->setGeometry(l.toolStrip);
    for (int i = 0; i < 6; ++i) {
        tools_[i]->setGeometry(l.tools[i]);
        if (QLabel *c = tools_[i]->captionLabel())
            c->setGeometry(0, l.tools[i].height() - 15, l.tools[i].width(), 14);
    }
    paperSum_->setGeometry(l.paperSum);
    answerBox_->setGeometry(l.answerBox);
    placeHintLine();
    handleStrip_->setGeometry(l.handleStrip);
    handle_->setGeometry(0, px(1440), px(handleImageWidthTwips(take_)), px(600));
    viewer_->widget()->setGeometry(l.viewer);
    questionTitleBg_->setGeometry(l.questionTitle);
    questionTitle_->resize(l.questionTitle.width() - 16, l.questionTitle.height() - 6);
    statusBar_->setGeometry(l.statusBar);
    const int w = l.statusBar.width(), h = l.statusBar.height();
    bots_[0]->setGeometry(0, 0, w, h);
    if (bots_[1])
        bots_[1]->setGeometry(w / 3, 0, w / 3, h);
    bots_[2]->setGeometry(2 * w / 3, 0, w - 2 * w / 3, h);
    remPanel_->setGeometry(0, 0, 140, h);
    markPanel_->setGeometry(std::max(0, w - 220), 0, 220, h);
    instruction_->move(px(120), l.instructionTop);

    // Title-bar pieces and the window's own surface lie beneath; the body goes on top of them,
    // the grip above everything.
    sizer_->raise();
}

} // namespace practice

#include "practice/practicewindow.h"

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

namespace practice {

namespace {

const QColor PanelColour(244, 245, 235);
const QColor LockedTint(192, 192, 255);

std::function<bool(QPrinter *)> &printDialogHook()
{
    static std::function<bool(QPrinter *)> hook;
    return hook;
}

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

void setBoxColour(QLineEdit *box, const QColor &colour)
{
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, colour);
    box->setPalette(pal);
}

} // namespace

// ---------------------------------------------------------------------------------------------

// ---------------------------------------------------------------------------------------------

PracticeWindow::PracticeWindow(const PaperPlace &place, Take take, std::function<void()> onUnload,
                               QWidget *parent)
    : chrome::SkinnedWindow(Kind::Practice, parent), place_(place), onUnload_(std::move(onUnload)),
      take_(take), paper_(take), guard_(new DocumentGuard(this))
{
    setObjectName(take == Take::First ? QStringLiteral("Test1") : QStringLiteral("Test2"));
    if (take == Take::Second)
        setTitle(QString::fromLatin1(SecondTakeCaption)); // until the paper's own caption
    setAttribute(Qt::WA_DeleteOnClose);
    // The window manager's own resizing (keys, its frame) keeps to the corner drag's limits.
    setMinimumSize(minimumWindowSize());
    setMouseTracking(true);
    buildControls();
    connect(this, &SkinnedWindow::ticked, this, &PracticeWindow::PaperClock);
    connect(this, &SkinnedWindow::closeRequested, this, &PracticeWindow::ClosePaper);
    progressTimer_ = new QTimer(this);
    progressTimer_->setSingleShot(true);
    connect(progressTimer_, &QTimer::timeout, this, &PracticeWindow::progressStep);
}

PracticeWindow::~PracticeWindow()
{
    unload();
    // The viewer's widget is a child; let the viewer delete it while both still exist.
    viewer_.reset();
}

void PracticeWindow::buildControls()
{
    using chrome::ImageButton;
    using chrome::PictureBox;

    toolStrip_ = new QWidget(this);
    toolStrip_->setObjectName(QStringLiteral("ScnTabBG"));
    setBackground(toolStrip_, PanelColour);

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
    setBackground(handleStrip_, PanelColour);
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
    setBackground(statusBar_, PanelColour);
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

void PracticeWindow::runCommand(Command command)
{
    switch (command) {
    case Command::Save:
        SavePaper();
        break;
    case Command::Mark:
        MarkPaper();
        break;
    case Command::Print:
        PrintQuestion();
        break;
    case Command::Close:
        ClosePaper();
        break;
    case Command::Back:
        ShowQuestion(qsCount_ - 1);
        break;
    case Command::Next:
        ShowQuestion(qsCount_ + 1);
        break;
    case Command::ToggleSheet:
        toggleAnswerSheet();
        break;
    }
}

void PracticeWindow::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key != Qt::Key_PageUp && key != Qt::Key_PageDown) ||
        event->modifiers() != Qt::NoModifier) {
        chrome::SkinnedWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    // A key the document itself left over (at the end of the passage) goes no further.
    QWidget *view = viewer_ ? viewer_->widget() : nullptr;
    QWidget *focus = QApplication::focusWidget();
    if (scrolling_ || (view && focus && (focus == view || view->isAncestorOf(focus))))
        return;
    scrollDocument(key);
}

void PracticeWindow::scrollDocument(int key)
{
    // The document scrolls itself on the key, as when it has the focus; the focus stays where it
    // is, so a pupil can read on and type on. A key the document does not take comes back here
    // through its parents, and stops.
    QWidget *target = viewer_ ? viewer_->eventTarget() : nullptr;
    if (!target)
        return;
    scrolling_ = true;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
    scrolling_ = false;
}

void PracticeWindow::showHintLine()
{
    const int b = std::clamp(paper_.blanksOn(qsCount_), 0, AnswerRowCount);
    QStringList rowHints;
    int focused = 0;
    QWidget *focus = QApplication::focusWidget();
    for (int k = 1; k <= b; ++k) {
        rowHints.append(hints_[k - 1]);
        if (focus && (focus == rows_[k - 1]->answer || focus == rows_[k - 1]->model))
            focused = k;
    }
    const QString line = hintLine(rowHints, focused);
    if (hintLabel_->text() != line)
        hintLabel_->setText(line);
    hintLabel_->setVisible(!line.isEmpty());
    placeHintLine();
}

void PracticeWindow::placeHintLine()
{
    if (!hintLabel_)
        return;
    // Just below the last row on show, across the sheet.
    int top = 0;
    for (AnswerRow *row : rows_)
        if (!row->isHidden())
            top = std::max(top, row->geometry().bottom() + 1);
    const int width = std::max(0, answerBox_->width() - 16);
    hintLabel_->setGeometry(8, top + 8, width, hintLabel_->heightForWidth(width));
    hintLabel_->raise();
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

bool PracticeWindow::LoadPaper()
{
    placeWindow();
    applyLayout();

    // The paper belongs to the subject it is opened from, whatever the home window shows later.
    paper_.setPlace(place_);
    const PaperPlace &place = paper_.place();
    setTitle(paperCaption(place.topicName, place.paperNumber, place.topicFirst));
    questionTitle_->setText(QStringLiteral("Question %1").arg(qsCount_));
    questionTitle_->adjustSize();

    if (const std::optional<QString> failed = paper_.loadTables()) {
        notify(
            QStringLiteral("Larkspur"),
            QStringLiteral("This paper cannot be opened: its %1 could not be read.").arg(*failed));
        QTimer::singleShot(0, this, [this] { close(); });
        return false;
    }

    showDocument();
    paper_.loadRecords();
    tellKeptCopies();
    FillAnswerSheet();
    ShowAnswerRows();
    showScore();
    remQns_->clear();
    BuildRemainingList();
    if (paper_.isMarked())
        MarkPaper();
    answerSheetShown_ = true;
    startTime_ = QDateTime::currentDateTime();
    loaded_ = true;
    totalLabel_->setText(QString::number(paper_.blankCount));
    if (dateLabel_)
        dateLabel_->setText(results::shortDateText(startTime_.date()));
    PaperClock();
    if (const std::optional<int> k = openRow())
        rows_[*k - 1]->answer->setFocus();
    return true;
}

void PracticeWindow::showDocument()
{
    const QString id = qsCount_ >= 1 && qsCount_ <= paper_.questionIds.size()
                           ? paper_.questionIds[qsCount_ - 1]
                           : QString();
    currentQuestionId_ = id.toInt();
    questionFilePath_ = content::questionFilePath(paper_.place().dataFolder, id);
    if (content::ExtractItem(currentQuestionId_, QStringLiteral("Custom"), questionFilePath_,
                             records::Keep::Temporary) == 0)
        viewer_->navigate(questionFilePath_);
}

void PracticeWindow::attachDocument()
{
    // The document's key and mouse events reach the window through the viewer's event target;
    // a newly loaded document may bring a new one.
    QWidget *target = viewer_ ? viewer_->eventTarget() : nullptr;
    guard_->guard(target);
}

void PracticeWindow::StoreAnswers()
{
    const int b = paper_.blanksOn(qsCount_);
    const int offset = paper_.offsetOf(qsCount_);
    for (int k = 1; k <= AnswerRowCount; ++k) {
        if (b > k - 1 && offset + k - 1 < paper_.answers.size())
            paper_.answers[offset + k - 1] = rows_[k - 1]->answer->text();
    }
}

bool PracticeWindow::SaveAnswers()
{
    const std::optional<WriteFailure> f = paper_.saveAnswers();
    tellKeptCopies();
    if (f) {
        reportWriteFailure(*f);
        return false;
    }
    return true;
}

void PracticeWindow::ShowQuestion(int number)
{
    if (number < 1 || number > paper_.questionCount() || marking_)
        return;
    StoreAnswers();
    if (paper_.isMarked()) {
        // The boxes are locked and their answers were written when the paper was marked, so a
        // failed write loses nothing: the pupil goes on reviewing, untroubled.
        paper_.saveAnswers();
        tellKeptCopies();
    } else if (!SaveAnswers()) {
        return; // a failed write keeps the pupil on this question with the answers on screen
    }
    qsCount_ = number;
    // A tip shown for the last question's rows would stand beside the wrong answers.
    QToolTip::hideText();
    questionTitle_->setText(QStringLiteral("Question %1").arg(qsCount_));
    questionTitle_->adjustSize();
    FillAnswerSheet();
    ShowAnswerRows();
    discardQuestionFile();
    showDocument();
    remQns_->clear();
    BuildRemainingList();
    rows_[openRow().value_or(1) - 1]->answer->setFocus();
}

marking::GapSurroundings PracticeWindow::besideGap(int k)
{
    // Read from the question's document once per question.
    const QString id = paper_.questionIds.value(qsCount_ - 1);
    if (id != gapsQuestion_) {
        gapsQuestion_ = id;
        gaps_ = content::GapTexts(content::itemBytes(id.toInt()).value_or(QByteArray()));
    }
    const content::GapText g = gaps_.value(k - 1);
    return {g.before, g.after};
}

std::optional<int> PracticeWindow::openRow() const
{
    const int b = paper_.blanksOn(qsCount_);
    return firstOpenRow(take_, paper_.firstOutcomes.mid(paper_.offsetOf(qsCount_), b), b,
                        paper_.isMarked());
}

void PracticeWindow::FillAnswerSheet()
{
    const int q = qsCount_;
    const int offset = paper_.offsetOf(q);
    const int b = paper_.blanksOn(q);
    if (const std::optional<bool> show = instructionShown(paper_.typesOf(q)))
        instruction_->setVisible(*show);
    const auto typeAt = [&](int i) {
        return i < paper_.answerTypes.size() ? paper_.answerTypes[i] : QString();
    };
    // Row 1's geometry goes first, so that a mark placed beside its box sees the box's size.
    if (b >= 1) {
        rows_[0]->applyGeometry(rowGeometryTwips(typeAt(offset)));
        FillAnswerRow(1, offset);
    }
    for (int k = 2; k <= AnswerRowCount; ++k)
        if (b > k - 1)
            FillAnswerRow(k, offset + k - 1);
    for (int k = b + 1; k <= AnswerRowCount; ++k)
        hints_[k - 1].clear();
    showHintLine();
}

void PracticeWindow::FillAnswerRow(int k, int i)
{
    AnswerRow *row = rows_[k - 1];
    const auto at = [i](const QStringList &l) { return i < l.size() ? l[i] : QString(); };
    const QString type = at(paper_.answerTypes);
    row->answer->setAccessibleName(answerBoxName(k, qsCount_));
    row->model->setAccessibleName(expectedAnswerName(k, qsCount_));
    // Why a wrong answer is close, beside its cross; it never gives the answer away. A right
    // sentence may still be reminded of its final mark.
    const QString marked = paper_.isMarked() ? at(paper_.outcomes) : QString();
    const QString hint =
        marked == QString(marking::WrongMark) || marked == QString(marking::RightMark)
            ? marking::AnswerHint(paper_.answers, paper_.answerKeys, paper_.answerTypes, i,
                                  besideGap(k), paper_.answerFlags)
            : QString();
    hints_[k - 1] = hint;
    row->answer->setAccessibleDescription(
        answerDescription(take_, at(paper_.firstOutcomes), marked, hint));
    if (take_ == Take::First) {
        row->model->setText(at(paper_.answerKeys));
        row->setOutcome(at(paper_.outcomes));
        row->result->setToolTip(hint);
        row->answer->setMaxLength(answerMaxLength(type));
        row->answer->setText(at(paper_.answers));
        return;
    }
    // Second take: FR shows the first take's outcome, SR this take's; the blanks right the
    // first time are locked and tinted, with their tick beside the box.
    row->setOutcome(at(paper_.firstOutcomes));
    row->setSecondOutcome(at(paper_.outcomes));
    row->second->setToolTip(hint);
    // The expected answer as its flags judge it: written as the key writes it, with a note on
    // what counts.
    const QString note =
        marking::FlagNote(paper_.answerKeys, paper_.answerTypes, i, paper_.answerFlags);
    QString expected = QStringLiteral("Expected answer");
    if (!note.isEmpty())
        expected += u'\n' + note;
    row->model->setToolTip(hint.isEmpty() ? expected : expected + u'\n' + hint);
    row->model->setText(marking::ModelAnswer(paper_.answers, paper_.answerKeys, paper_.answerTypes,
                                             i, paper_.answerFlags));
    row->answer->setMaxLength(answerMaxLength(type));
    row->answer->setText(at(paper_.answers));
    const SecondTakeRowLook look =
        secondTakeRowLook(at(paper_.firstOutcomes), at(paper_.outcomes), paper_.isMarked());
    setBoxColour(row->answer, look.tinted ? LockedTint : QColor(Qt::white));
    if (look.locked)
        row->answer->setReadOnly(*look.locked);
    if (look.firstMarkShown) {
        if (*look.firstMarkShown)
            row->result->move(px(carriedMarkLeftTwips(row->geometryTwips().answer)),
                              row->result->y());
        row->result->setVisible(*look.firstMarkShown);
    }
    if (look.modelShown)
        row->model->setVisible(*look.modelShown);
}

void PracticeWindow::ShowAnswerRows()
{
    const int b = paper_.blanksOn(qsCount_);
    QList<int> heights;
    for (AnswerRow *row : rows_)
        heights.append(chrome::pxToTwips(row->height()));
    const QList<int> tops = stackRowTopsTwips(heights, b, take_);
    for (int k = 1; k <= AnswerRowCount; ++k) {
        AnswerRow *row = rows_[k - 1];
        row->move(row->x(), px(tops[k - 1]));
        row->setVisible(rowShown(k, b));
    }
    if (const std::optional<bool> shown = firstLetterShown(b))
        rows_[0]->letter->setVisible(*shown);
    placeHintLine();
}

void PracticeWindow::BuildRemainingList()
{
    remQns_->addItems(
        remainingQuestions(paper_.answers, paper_.blanksPerQuestion, paper_.blankCount));
    // The first entry on show would read like a count ("Qns left: 4"); the list shows its
    // entries only when opened.
    remQns_->setCurrentIndex(-1);
}

void PracticeWindow::focusNextRow(int k)
{
    const int b = paper_.blanksOn(qsCount_);
    if (b <= 0)
        return;
    // The next box the pupil can type in; locked boxes are passed over unless all are locked.
    int next = k % b;
    for (int step = 0; step < b; ++step) {
        const int candidate = (k + step) % b;
        if (!rows_[candidate]->answer->isReadOnly()) {
            next = candidate;
            break;
        }
    }
    rows_[next]->answer->setFocus();
    rows_[next]->answer->selectAll();
}

void PracticeWindow::SavePaper()
{
    if (marking_ || paper_.isMarked())
        return;
    StoreAnswers();
    if (!SaveAnswers())
        return;
    // The list follows the stored answers, as after a move.
    remQns_->clear();
    BuildRemainingList();
    notify(QStringLiteral("Larkspur"), QStringLiteral("Paper saved"));
}

void PracticeWindow::ClosePaper()
{
    if (marking_)
        return;
    if (ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?")))
        close();
}

bool PracticeWindow::mayCloseWithProgram()
{
    if (marking_)
        return false; // the take is being recorded
    if (!loaded_ || paper_.isMarked())
        return true;
    StoreAnswers();
    // Before marking, only the blanks carried over from a first take hold a tick; they are
    // locked, so they differ from the file until the first save without any typing.
    const QStringList &saved = paper_.answerRecord.fields;
    bool unsaved = false;
    for (qsizetype i = 0; i < std::max(paper_.answers.size(), saved.size()); ++i) {
        const bool carried = paper_.outcomes.value(i) == QString(marking::RightMark);
        unsaved = unsaved || (!carried && paper_.answers.value(i) != saved.value(i));
    }
    return !unsaved || ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"));
}

void PracticeWindow::MarkPaper()
{
    if (marking_)
        return;
    if (paper_.isMarked()) {
        ShowMarkedState();
        return;
    }
    StoreAnswers();
    if (!SaveAnswers())
        return;
    // The answers are saved whatever the pupil answers below; the list follows them as it
    // does after Save.
    remQns_->clear();
    BuildRemainingList();
    const QString question =
        take_ == Take::First
            ? markingQuestion(paper_.answers, paper_.blankCount)
            : secondTakeMarkingQuestion(paper_.answers, paper_.firstOutcomes, paper_.blankCount);
    if (!ask(QString::fromLatin1(MarkTitle), question))
        return;
    // The bar fills in fifteen steps on a timer, so the window keeps painting meanwhile.
    marking_ = true;
    progress_ = 0;
    for (auto *bar : bars_)
        bar->hide();
    remPanel_->hide();
    markPanel_->show();
    markPanel_->raise();
    progressTimer_->start(progressStepMs_);
}

void PracticeWindow::progressStep()
{
    if (progress_ < 15)
        bars_[progress_++]->show();
    if (progress_ < 15) {
        progressTimer_->start(progressStepMs_);
        return;
    }
    markPanel_->hide();
    finishMarking();
}

void PracticeWindow::finishMarking()
{
    marking_ = false;
    const QDateTime completed = QDateTime::currentDateTime();
    const qint64 elapsed = startTime_.secsTo(completed);
    const std::optional<WriteFailure> f = paper_.mark(elapsed, completed.date());
    tellKeptCopies();
    if (f) {
        reportWriteFailure(*f);
        if (!paper_.isMarked()) {
            remPanel_->show();
            return;
        }
    }
    showScore();
    ShowMarkedState();
    PaperClock();
}

void PracticeWindow::ShowMarkedState()
{
    for (AnswerRow *row : rows_) {
        row->answer->setReadOnly(true);
        if (take_ == Take::First) {
            row->result->show();
        } else {
            // The second take's own marks replace the first take's.
            row->second->show();
            row->result->hide();
        }
    }
    remPanel_->hide();
    FillAnswerSheet();
    ShowAnswerRows();
    if (take_ == Take::First) {
        clockLabel_->hide();
        timeTakenLabel_->show();
        dateLabel_->hide();
        dateDoneLabel_->show();
    }
}

void PracticeWindow::showScore()
{
    if (take_ == Take::First) {
        timeTakenLabel_->setText(paper_.timeTaken);
        dateDoneLabel_->setText(paper_.dateDone);
        scoreLabel_->setText(paper_.percent.isEmpty() ? QString() : paper_.percent + u'%');
    } else {
        scoreLabel_->setText(paper_.percent); // its "%" is the label beside it
    }
    scoreLabel_->setAccessibleDescription(paper_.percent.isEmpty()
                                              ? QStringLiteral("Not marked yet")
                                              : paper_.percent + QStringLiteral(" percent"));
}

void PracticeWindow::PaperClock()
{
    if (!loaded_)
        return;
    const ToolbarState s = toolbarState(paper_.statusNumber(), qsCount_, paper_.questionCount());
    const bool enabled[6] = {s.save, s.mark, s.print, s.close, s.back, s.next};
    for (int i = 0; i < 6; ++i)
        tools_[i]->setEnabled(enabled[i]);
    if (take_ == Take::First)
        clockLabel_->setText(clockText(startTime_.secsTo(QDateTime::currentDateTime())));
    answeredLabel_->setText(QString::number(answeredCount(paper_.answers, paper_.blankCount)));
}

void PracticeWindow::PrintQuestion()
{
    if (printer_)
        return; // a print is still running
    printer_ = std::make_unique<QPrinter>();
    bool accepted = false;
    if (printDialogHook()) {
        accepted = printDialogHook()(printer_.get());
    } else {
        QPrintDialog dialog(printer_.get(), this);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted) {
        printer_.reset();
        return;
    }
    viewer_->print(printer_.get(), [this](bool) { printer_.reset(); });
}

void PracticeWindow::toggleAnswerSheet()
{
    answerSheetShown_ = !answerSheetShown_;
    handle_->setToolTip(toolTipWithKey(answerSheetShown_ ? QStringLiteral("Hide answer sheet")
                                                         : QStringLiteral("Show answer sheet"),
                                       Command::ToggleSheet));
    applyLayout();
}

void PracticeWindow::resizeEvent(QResizeEvent *event)
{
    chrome::SkinnedWindow::resizeEvent(event);
    // A hidden sheet stays hidden: the layout places it by answerSheetShown.
    applyLayout();
}

void PracticeWindow::closeEvent(QCloseEvent *event)
{
    // A close from outside the program's own buttons (the window manager) asks like Close does.
    // It asks once this event is over: a close() from inside it would be taken for this close
    // still under way, and the window would lose its native window without unloading.
    if (event->spontaneous()) {
        event->ignore();
        QTimer::singleShot(0, this, &PracticeWindow::ClosePaper);
        return;
    }
    progressTimer_->stop();
    marking_ = false;
    chrome::SkinnedWindow::closeEvent(event);
    unload();
}

void PracticeWindow::unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    timer()->stop();
    discardQuestionFile();
    if (onUnload_)
        onUnload_();
}

void PracticeWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        chrome::SkinnedWindow::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    const EdgeZones zones = edgeZones(pos, size());
    if (zones.left || zones.top || zones.right || zones.bottom)
        QCursor::setPos(mapToGlobal(snapToEdges(pos, size(), zones)));
    // Only the bottom-right corner band resizes.
    resizing_ = zones.corner();
    event->accept();
}

void PracticeWindow::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const bool held = event->buttons() & Qt::LeftButton;
    setCursor(pointerShape(pos, size(), held, cursor().shape()));
    if (resizing_ && held && !isMaximized()) {
        const ResizeStep step = resizeStep(chrome::pxToTwips(pos.x()), chrome::pxToTwips(pos.y()),
                                           chrome::pxToTwips(EdgeBandPx));
        QSize s = size();
        if (step.widthTwips)
            s.setWidth(px(*step.widthTwips));
        if (step.heightTwips)
            s.setHeight(px(*step.heightTwips));
        if (s != size())
            resize(s);
    }
    event->accept();
}

void PracticeWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        resizing_ = false;
    event->accept();
}

bool PracticeWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == handle_ && event->type() == QEvent::MouseButtonRelease) {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() == Qt::LeftButton && handle_->rect().contains(me->position().toPoint()))
            toggleAnswerSheet();
        return true;
    }
    return chrome::SkinnedWindow::eventFilter(watched, event);
}

bool PracticeWindow::ask(const QString &title, const QString &message)
{
    return chrome::ask(title, message, this);
}

void PracticeWindow::notify(const QString &title, const QString &message)
{
    chrome::tell(title, message, this);
}

void PracticeWindow::discardQuestionFile()
{
    // Only the question on view has a file; it is written again whenever it is shown.
    if (!questionFilePath_.isEmpty())
        QFile::remove(questionFilePath_);
}

void PracticeWindow::reportWriteFailure(const WriteFailure &failure)
{
    const QString reason = failure.error.isEmpty() ? failure.path : failure.error;
    QString message;
    switch (failure.file) {
    case WriteFailure::File::Answers:
        message = QStringLiteral("Your answers could not be saved (%1). They are still on the "
                                 "screen; please try again.");
        break;
    case WriteFailure::File::Outcomes:
    case WriteFailure::File::Summary:
        message = QStringLiteral("Your paper could not be marked because its results could not "
                                 "be saved (%1). Your answers are still on the screen; please try "
                                 "again.");
        break;
    case WriteFailure::File::Unfinished:
        message = QStringLiteral("Your paper is marked, but its results could not all be written "
                                 "(%1). Larkspur will finish writing them when it next starts.");
        break;
    case WriteFailure::File::Pending:
        message = QStringLiteral("Your paper could not be marked: an earlier mark is still to be "
                                 "finished, and %2 could not be written (%1). Please make sure "
                                 "%2 is a file Larkspur may write (move anything else of that "
                                 "name elsewhere), then mark the paper again. Your answers are "
                                 "still on the screen.");
        break;
    }
    notify(QStringLiteral("Larkspur"), failure.file == WriteFailure::File::Pending
                                           ? message.arg(reason, failure.path)
                                           : message.arg(reason));
}

void PracticeWindow::tellKeptCopies()
{
    const QStringList copies = paper_.takeKeptCopies();
    if (copies.isEmpty())
        return;
    QStringList names;
    for (const QString &copy : copies)
        names.append(QFileInfo(copy).fileName());
    const QString &subject = paper_.place().subjectName;
    notify(
        QStringLiteral("Larkspur"),
        QStringLiteral("Some of your %1results were damaged; a copy was kept as %2.")
            .arg(subject.isEmpty() ? QString() : subject + u' ', names.join(QStringLiteral(", "))));
}

void PracticeWindow::setGuardMessageHook(std::function<void(const QString &, const QString &)> hook)
{
    DocumentGuard::setMessageHook(std::move(hook));
}

void PracticeWindow::setPrintDialogHook(std::function<bool(QPrinter *)> hook)
{
    printDialogHook() = std::move(hook);
}

} // namespace practice

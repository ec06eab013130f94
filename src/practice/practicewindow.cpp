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

std::function<bool(QPrinter *)> &printDialogHook()
{
    static std::function<bool(QPrinter *)> hook;
    return hook;
}

} // namespace

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

void PracticeWindow::setGuardMessageHook(std::function<void(const QString &, const QString &)> hook)
{
    DocumentGuard::setMessageHook(std::move(hook));
}

void PracticeWindow::setPrintDialogHook(std::function<bool(QPrinter *)> hook)
{
    printDialogHook() = std::move(hook);
}

} // namespace practice

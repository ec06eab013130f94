// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practicewindow.h"

#include "practice/answersheet.h"
#include "practice/documentguard.h"
#include "practice/papersummary.h"
#include "practice/questionviewer.h"
#include "practice/sheethandle.h"
#include "practice/statusstrip.h"

#include "chrome/cornerdrag.h"
#include "chrome/frameresize.h"
#include "chrome/popup.h"
#include "content/content.h"
#include "marking/marking.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
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
    : chrome::SkinnedWindow(Kind::Practice, parent), m_place(place),
      m_onUnload(std::move(onUnload)), m_take(take), m_paper(take), m_guard(new DocumentGuard(this))
{
    setObjectName(take == Take::First ? QStringLiteral("Test1") : QStringLiteral("Test2"));
    if (take == Take::Second)
        setTitle(QString::fromLatin1(SecondTakeCaption)); // until the paper's own caption
    setAttribute(Qt::WA_DeleteOnClose);
    // The window manager's own resizing (keys, its frame) keeps to the corner drag's limits.
    setMinimumSize(chrome::minimumWindowSize());
    new chrome::CornerDrag(this); // the frame's own resizing, by the corner
    buildControls();
    connect(this, &SkinnedWindow::ticked, this, &PracticeWindow::PaperClock);
    connect(this, &SkinnedWindow::closeRequested, this, &PracticeWindow::ClosePaper);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setSingleShot(true);
    connect(m_progressTimer, &QTimer::timeout, this, &PracticeWindow::progressStep);
}

PracticeWindow::~PracticeWindow()
{
    unload();
    // The viewer's widget is a child; let the viewer delete it while both still exist.
    m_viewer.reset();
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
        ShowQuestion(m_qsCount - 1);
        break;
    case Command::Next:
        ShowQuestion(m_qsCount + 1);
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
    QWidget *view = m_viewer ? m_viewer->widget() : nullptr;
    QWidget *focus = QApplication::focusWidget();
    if (m_scrolling || (view && focus && (focus == view || view->isAncestorOf(focus))))
        return;
    scrollDocument(key);
}

void PracticeWindow::scrollDocument(int key)
{
    // The document scrolls itself on the key, as when it has the focus; the focus stays where it
    // is, so a pupil can read on and type on. A key the document does not take comes back here
    // through its parents, and stops.
    QWidget *target = m_viewer ? m_viewer->eventTarget() : nullptr;
    if (!target)
        return;
    m_scrolling = true;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(target, &release);
    m_scrolling = false;
}

bool PracticeWindow::LoadPaper()
{
    placeWindow();
    applyLayout();

    // The paper belongs to the subject it is opened from, whatever the home window shows later.
    m_paper.setPlace(m_place);
    const PaperPlace &place = m_paper.place();
    setTitle(paperCaption(place.topicName, place.paperNumber, place.topicFirst));
    m_questionTitle->setText(QStringLiteral("Question %1").arg(m_qsCount));
    m_questionTitle->adjustSize();

    if (const std::optional<QString> failed = m_paper.loadTables()) {
        notify(
            QStringLiteral("Larkspur"),
            QStringLiteral("This paper cannot be opened: its %1 could not be read.").arg(*failed));
        QTimer::singleShot(0, this, [this] { close(); });
        return false;
    }

    showDocument();
    m_paper.loadRecords();
    tellKeptCopies();
    m_sheet->FillAnswerSheet(m_paper, m_qsCount);
    showScore();
    BuildRemainingList();
    if (m_paper.isMarked())
        MarkPaper();
    m_answerSheetShown = true;
    m_startTime = QDateTime::currentDateTime();
    m_loaded = true;
    m_summary->setTotal(m_paper.blankCount);
    m_summary->setStartDate(m_startTime.date());
    PaperClock();
    if (const std::optional<int> k = openRow())
        m_sheet->focusRow(*k);
    return true;
}

void PracticeWindow::showDocument()
{
    const QString id = m_qsCount >= 1 && m_qsCount <= m_paper.questionIds.size()
                           ? m_paper.questionIds[m_qsCount - 1]
                           : QString();
    const int questionItem = id.toInt();
    m_questionFilePath = content::questionFilePath(m_paper.place().dataFolder, id);
    if (content::ExtractItem(questionItem, QStringLiteral("Custom"), m_questionFilePath,
                             records::Keep::Temporary) == 0)
        m_viewer->navigate(m_questionFilePath);
}

void PracticeWindow::attachDocument()
{
    // The document's key and mouse events reach the window through the viewer's event target;
    // a newly loaded document may bring a new one.
    QWidget *target = m_viewer ? m_viewer->eventTarget() : nullptr;
    m_guard->guard(target);
}

void PracticeWindow::StoreAnswers()
{
    m_sheet->StoreAnswers(m_paper);
}

void PracticeWindow::BuildRemainingList()
{
    // Built afresh each time: every caller wants the list as the stored answers make it now.
    m_status->setRemaining(
        remainingQuestions(m_paper.answers, m_paper.blanksPerQuestion, m_paper.blankCount));
}

bool PracticeWindow::SaveAnswers()
{
    const std::optional<WriteFailure> f = m_paper.saveAnswers();
    tellKeptCopies();
    if (f) {
        reportWriteFailure(*f);
        return false;
    }
    return true;
}

void PracticeWindow::ShowQuestion(int number)
{
    if (number < 1 || number > m_paper.questionCount() || m_marking)
        return;
    StoreAnswers();
    if (m_paper.isMarked()) {
        // The boxes are locked and their answers were written when the paper was marked, so a
        // failed write loses nothing: the pupil goes on reviewing, untroubled.
        m_paper.saveAnswers();
        tellKeptCopies();
    } else if (!SaveAnswers()) {
        return; // a failed write keeps the pupil on this question with the answers on screen
    }
    m_qsCount = number;
    // A tip shown for the last question's rows would stand beside the wrong answers.
    QToolTip::hideText();
    m_questionTitle->setText(QStringLiteral("Question %1").arg(m_qsCount));
    m_questionTitle->adjustSize();
    m_sheet->FillAnswerSheet(m_paper, m_qsCount);
    discardQuestionFile();
    showDocument();
    BuildRemainingList();
    m_sheet->focusRow(openRow().value_or(1));
}

std::optional<int> PracticeWindow::openRow() const
{
    const int b = m_paper.blanksOn(m_qsCount);
    return firstOpenRow(m_take, m_paper.firstOutcomes.mid(m_paper.offsetOf(m_qsCount), b), b,
                        m_paper.isMarked());
}

void PracticeWindow::SavePaper()
{
    if (m_marking || m_paper.isMarked())
        return;
    StoreAnswers();
    if (!SaveAnswers())
        return;
    // The list follows the stored answers, as after a move.
    BuildRemainingList();
    notify(QStringLiteral("Larkspur"), QStringLiteral("Paper saved"));
}

void PracticeWindow::ClosePaper()
{
    if (m_marking)
        return;
    if (ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?")))
        close();
}

bool PracticeWindow::mayCloseWithProgram()
{
    if (m_marking)
        return false; // the take is being recorded
    if (!m_loaded || m_paper.isMarked())
        return true;
    StoreAnswers();
    // Before marking, only the blanks carried over from a first take hold a tick; they are
    // locked, so they differ from the file until the first save without any typing.
    const QStringList &saved = m_paper.answerRecord.fields;
    bool unsaved = false;
    for (qsizetype i = 0; i < std::max(m_paper.answers.size(), saved.size()); ++i) {
        const bool carried = m_paper.outcomes.value(i) == QString(marking::RightMark);
        unsaved = unsaved || (!carried && m_paper.answers.value(i) != saved.value(i));
    }
    return !unsaved || ask(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"));
}

void PracticeWindow::PrintQuestion()
{
    if (m_printer)
        return; // a print is still running
    m_printer = std::make_unique<QPrinter>();
    bool accepted = false;
    if (printDialogHook()) {
        accepted = printDialogHook()(m_printer.get());
    } else {
        QPrintDialog dialog(m_printer.get(), this);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted) {
        m_printer.reset();
        return;
    }
    m_viewer->print(m_printer.get(), [this](bool) { m_printer.reset(); });
}

void PracticeWindow::toggleAnswerSheet()
{
    m_answerSheetShown = !m_answerSheetShown;
    m_handle->setSheetShown(m_answerSheetShown);
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
    m_progressTimer->stop();
    m_marking = false;
    chrome::SkinnedWindow::closeEvent(event);
    unload();
}

void PracticeWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    timer()->stop();
    discardQuestionFile();
    if (m_onUnload)
        m_onUnload();
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
    if (!m_questionFilePath.isEmpty())
        QFile::remove(m_questionFilePath);
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

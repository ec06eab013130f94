// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practicewindow.h"

#include "practice/answersheet.h"
#include "practice/documentguard.h"
#include "practice/papersummary.h"
#include "practice/practicetoolbar.h"
#include "practice/questionviewer.h"
#include "practice/statusstrip.h"
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

// Marking a paper in the practice window: the confirmation, the progress, the score and what
// the pupil is told when a file cannot be written.
namespace practice {

void PracticeWindow::MarkPaper()
{
    if (m_marking)
        return;
    if (m_paper.isMarked()) {
        ShowMarkedState();
        return;
    }
    StoreAnswers();
    if (!SaveAnswers())
        return;
    // The answers are saved whatever the pupil answers below; the list follows them as it
    // does after Save.
    BuildRemainingList();
    const QString question =
        m_take == Take::First
            ? markingQuestion(m_paper.answers, m_paper.blankCount)
            : secondTakeMarkingQuestion(m_paper.answers, m_paper.firstOutcomes, m_paper.blankCount);
    if (!ask(QString::fromLatin1(MarkTitle), question))
        return;
    // The bar fills in fifteen steps on a timer, so the window keeps painting meanwhile.
    m_marking = true;
    m_status->startProgress();
    m_progressTimer->start(m_progressStepMs);
}

void PracticeWindow::progressStep()
{
    if (m_status->advanceProgress()) {
        m_progressTimer->start(m_progressStepMs);
        return;
    }
    m_status->hideProgress();
    finishMarking();
}

void PracticeWindow::finishMarking()
{
    m_marking = false;
    const QDateTime completed = QDateTime::currentDateTime();
    const qint64 elapsed = m_startTime.secsTo(completed);
    const std::optional<WriteFailure> f = m_paper.mark(elapsed, completed.date());
    tellKeptCopies();
    if (f) {
        reportWriteFailure(*f);
        if (!m_paper.isMarked()) {
            m_status->showRemaining(true);
            return;
        }
    }
    showScore();
    ShowMarkedState();
    PaperClock();
}

void PracticeWindow::ShowMarkedState()
{
    m_sheet->lockForReview();
    m_status->showRemaining(false);
    m_sheet->FillAnswerSheet(m_paper, m_qsCount);
    m_summary->showMarked();
}

void PracticeWindow::showScore()
{
    m_summary->setScore(m_paper.percent, m_paper.timeTaken, m_paper.dateDone);
}

void PracticeWindow::PaperClock()
{
    if (!m_loaded)
        return;
    const ToolbarState s = toolbarState(m_paper.statusNumber(), m_qsCount, m_paper.questionCount());
    const bool enabled[6] = {s.save, s.mark, s.print, s.close, s.back, s.next};
    for (int i = 0; i < 6; ++i)
        m_tools[i]->setEnabled(enabled[i]);
    if (m_take == Take::First)
        m_summary->setClock(clockText(m_startTime.secsTo(QDateTime::currentDateTime())));
    m_summary->setAnswered(answeredCount(m_paper.answers, m_paper.blankCount));
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
    const QStringList copies = m_paper.takeKeptCopies();
    if (copies.isEmpty())
        return;
    QStringList names;
    for (const QString &copy : copies)
        names.append(QFileInfo(copy).fileName());
    const QString &subject = m_paper.place().subjectName;
    notify(
        QStringLiteral("Larkspur"),
        QStringLiteral("Some of your %1results were damaged; a copy was kept as %2.")
            .arg(subject.isEmpty() ? QString() : subject + u' ', names.join(QStringLiteral(", "))));
}

} // namespace practice

// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practicewindow.h"

#include "practice/answersheet.h"
#include "practice/papersummary.h"
#include "practice/practicetoolbar.h"
#include "practice/statusstrip.h"

#include <QFileInfo>
#include <QTimer>

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
    m_toolBar->setToolsEnabled(s);
    if (m_take == Take::First)
        m_summary->setClock(clockText(m_startTime.secsTo(QDateTime::currentDateTime())));
    m_summary->setAnswered(answeredCount(m_paper.answers, m_paper.blankCount));
}

void PracticeWindow::reportWriteFailure(const WriteFailure &failure)
{
    notify(QStringLiteral("Larkspur"), writeFailureMessage(failure));
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

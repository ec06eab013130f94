// SPDX-License-Identifier: GPL-3.0-or-later
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

// Marking a paper in the practice window: the confirmation, the progress, the score and what
// the pupil is told when a file cannot be written.
namespace practice {

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

} // namespace practice

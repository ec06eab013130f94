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

// The answer sheet of the practice window: its rows for the question on view, their looks in
// each take, and the list of questions left.
namespace practice {

namespace {

const QColor LockedTint(192, 192, 255);

void setBoxColour(QLineEdit *box, const QColor &colour)
{
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, colour);
    box->setPalette(pal);
}

} // namespace

void PracticeWindow::FillAnswerSheet()
{
    const int q = m_qsCount;
    const int offset = m_paper.offsetOf(q);
    const int b = m_paper.blanksOn(q);
    if (const std::optional<bool> show = instructionShown(m_paper.typesOf(q)))
        m_instruction->setVisible(*show);
    const auto typeAt = [&](int i) {
        return i < m_paper.answerTypes.size() ? m_paper.answerTypes[i] : QString();
    };
    // Row 1's geometry goes first, so that a mark placed beside its box sees the box's size.
    if (b >= 1) {
        m_rows[0]->applyGeometry(rowGeometryTwips(typeAt(offset)));
        FillAnswerRow(1, offset);
    }
    for (int k = 2; k <= AnswerRowCount; ++k)
        if (b > k - 1)
            FillAnswerRow(k, offset + k - 1);
    for (int k = b + 1; k <= AnswerRowCount; ++k)
        m_hints[k - 1].clear();
    showHintLine();
}

void PracticeWindow::FillAnswerRow(int k, int i)
{
    AnswerRow *row = m_rows[k - 1];
    const auto at = [i](const QStringList &l) { return i < l.size() ? l[i] : QString(); };
    const QString type = at(m_paper.answerTypes);
    row->answer->setAccessibleName(answerBoxName(k, m_qsCount));
    row->model->setAccessibleName(expectedAnswerName(k, m_qsCount));
    // Why a wrong answer is close, beside its cross; it never gives the answer away. A right
    // sentence may still be reminded of its final mark.
    const QString marked = m_paper.isMarked() ? at(m_paper.outcomes) : QString();
    const QString hint =
        marked == QString(marking::WrongMark) || marked == QString(marking::RightMark)
            ? marking::AnswerHint(m_paper.answers, m_paper.answerKeys, m_paper.answerTypes, i,
                                  besideGap(k), m_paper.answerFlags)
            : QString();
    m_hints[k - 1] = hint;
    row->answer->setAccessibleDescription(
        answerDescription(m_take, at(m_paper.firstOutcomes), marked, hint));
    if (m_take == Take::First) {
        row->model->setText(at(m_paper.answerKeys));
        row->setOutcome(at(m_paper.outcomes));
        row->result->setToolTip(hint);
        row->answer->setMaxLength(answerMaxLength(type));
        row->answer->setText(at(m_paper.answers));
        return;
    }
    // Second take: FR shows the first take's outcome, SR this take's; the blanks right the
    // first time are locked and tinted, with their tick beside the box.
    row->setOutcome(at(m_paper.firstOutcomes));
    row->setSecondOutcome(at(m_paper.outcomes));
    row->second->setToolTip(hint);
    // The expected answer as its flags judge it: written as the key writes it, with a note on
    // what counts.
    const QString note =
        marking::FlagNote(m_paper.answerKeys, m_paper.answerTypes, i, m_paper.answerFlags);
    QString expected = QStringLiteral("Expected answer");
    if (!note.isEmpty())
        expected += u'\n' + note;
    row->model->setToolTip(hint.isEmpty() ? expected : expected + u'\n' + hint);
    row->model->setText(marking::ModelAnswer(m_paper.answers, m_paper.answerKeys,
                                             m_paper.answerTypes, i, m_paper.answerFlags));
    row->answer->setMaxLength(answerMaxLength(type));
    row->answer->setText(at(m_paper.answers));
    const SecondTakeRowLook look =
        secondTakeRowLook(at(m_paper.firstOutcomes), at(m_paper.outcomes), m_paper.isMarked());
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
    const int b = m_paper.blanksOn(m_qsCount);
    QList<int> heights;
    for (AnswerRow *row : m_rows)
        heights.append(chrome::pxToTwips(row->height()));
    const QList<int> tops = stackRowTopsTwips(heights, b, m_take);
    for (int k = 1; k <= AnswerRowCount; ++k) {
        AnswerRow *row = m_rows[k - 1];
        row->move(row->x(), px(tops[k - 1]));
        row->setVisible(rowShown(k, b));
    }
    if (const std::optional<bool> shown = firstLetterShown(b))
        m_rows[0]->letter->setVisible(*shown);
    placeHintLine();
}

void PracticeWindow::BuildRemainingList()
{
    // Built afresh each time: every caller wants the list as the stored answers make it now.
    m_remQns->clear();
    m_remQns->addItems(
        remainingQuestions(m_paper.answers, m_paper.blanksPerQuestion, m_paper.blankCount));
    // The first entry on show would read like a count ("Qns left: 4"); the list shows its
    // entries only when opened.
    m_remQns->setCurrentIndex(-1);
}

void PracticeWindow::focusNextRow(int k)
{
    const int b = m_paper.blanksOn(m_qsCount);
    if (b <= 0)
        return;
    // The next box the pupil can type in; locked boxes are passed over unless all are locked.
    int next = k % b;
    for (int step = 0; step < b; ++step) {
        const int candidate = (k + step) % b;
        if (!m_rows[candidate]->answer->isReadOnly()) {
            next = candidate;
            break;
        }
    }
    m_rows[next]->answer->setFocus();
    m_rows[next]->answer->selectAll();
}

} // namespace practice

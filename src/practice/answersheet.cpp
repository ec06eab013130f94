// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/answersheet.h"

#include "practice/paper.h"

#include "chrome/look.h"
#include "chrome/picturebox.h"
#include "content/content.h"
#include "marking/marking.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace practice {

namespace {

void setBoxColour(QLineEdit *box, const QColor &colour)
{
    chrome::setColour(box, QPalette::Base, colour);
}

} // namespace

AnswerSheet::AnswerSheet(Take take, QWidget *parent) : QWidget(parent), m_take(take)
{
    setObjectName(QStringLiteral("AnsBox"));
    chrome::setBackground(this, chrome::palette::Page);
    m_instruction = new chrome::PictureBox(QStringLiteral("PicInstruction"), this,
                                           chrome::PictureBox::Fit::Natural);
    m_instruction->setPicture(QStringLiteral("instruction.gif"));
    m_instruction->hide();
    for (int k = 1; k <= AnswerRowCount; ++k) {
        auto *row = new AnswerRow(k, take, this);
        chrome::setBackground(row, chrome::palette::Page);
        connect(row->answer, &QLineEdit::returnPressed, this, [this, k] { focusNextRow(k); });
        row->hide();
        m_rows[k - 1] = row;
    }
    // Tab runs through the answer boxes in order, an expected answer after its box when shown.
    QWidget *previous = nullptr;
    for (AnswerRow *row : m_rows) {
        for (QWidget *w :
             {static_cast<QWidget *>(row->answer), static_cast<QWidget *>(row->model)}) {
            if (previous)
                setTabOrder(previous, w);
            previous = w;
        }
    }
    // After marking, under the answer rows: the hint of the row with the focus, on the screen
    // for every pupil, not only in a tool tip or to a screen reader.
    m_hintLabel = chrome::makeLabel(QStringLiteral("lblHint"), QString(), this);
    QFont hintFont = font();
    hintFont.setBold(true);
    m_hintLabel->setFont(hintFont);
    m_hintLabel->setTextFormat(Qt::PlainText);
    m_hintLabel->setWordWrap(true);
    m_hintLabel->setMargin(4);
    chrome::setBackground(m_hintLabel, chrome::palette::HintGround);
    m_hintLabel->hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && now->window() == window())
            showHintLine();
    });
}

void AnswerSheet::place(const QRect &geometry, int instructionTop)
{
    setGeometry(geometry);
    placeHintLine();
    m_instruction->move(px(120), instructionTop);
}

QWidget *AnswerSheet::lastTabStop() const
{
    return m_rows.back()->model;
}

void AnswerSheet::FillAnswerSheet(const Paper &paper, int question)
{
    m_question = question;
    const int offset = paper.offsetOf(question);
    const int b = m_blanks = paper.blanksOn(question);
    if (const std::optional<bool> show = instructionShown(paper.typesOf(question)))
        m_instruction->setVisible(*show);
    const auto typeAt = [&](int i) {
        return i < paper.answerTypes.size() ? paper.answerTypes[i] : QString();
    };
    // Row 1's geometry goes first, so that a mark placed beside its box sees the box's size.
    if (b >= 1) {
        m_rows[0]->applyGeometry(rowGeometryTwips(typeAt(offset)));
        FillAnswerRow(paper, 1, offset);
    }
    for (int k = 2; k <= AnswerRowCount; ++k)
        if (b > k - 1)
            FillAnswerRow(paper, k, offset + k - 1);
    for (int k = b + 1; k <= AnswerRowCount; ++k)
        m_hints[k - 1].clear();
    showHintLine();
    ShowAnswerRows();
}

void AnswerSheet::FillAnswerRow(const Paper &paper, int k, int i)
{
    AnswerRow *row = m_rows[k - 1];
    const auto at = [i](const QStringList &l) { return i < l.size() ? l[i] : QString(); };
    const QString type = at(paper.answerTypes);
    row->answer->setAccessibleName(answerBoxName(k, m_question));
    row->model->setAccessibleName(expectedAnswerName(k, m_question));
    // Why a wrong answer is close, beside its cross; it never gives the answer away. A right
    // sentence may still be reminded of its final mark.
    const QString marked = paper.isMarked() ? at(paper.outcomes) : QString();
    const QString hint =
        marked == QString(marking::WrongMark) || marked == QString(marking::RightMark)
            ? marking::AnswerHint(paper.answers, paper.answerKeys, paper.answerTypes, i,
                                  besideGap(paper, k), paper.answerFlags)
            : QString();
    m_hints[k - 1] = hint;
    row->answer->setAccessibleDescription(
        answerDescription(m_take, at(paper.firstOutcomes), marked, hint));
    if (m_take == Take::First) {
        row->model->setText(at(paper.answerKeys));
        row->setOutcome(at(paper.outcomes));
        row->result->setToolTip(hint);
        row->answer->setMaxLength(answerMaxLength(type));
        row->answer->setText(at(paper.answers));
        return;
    }
    // Second take: FR shows the first take's outcome, SR this take's; the blanks right the
    // first time are locked and tinted, with their tick beside the box.
    row->setOutcome(at(paper.firstOutcomes));
    row->setSecondOutcome(at(paper.outcomes));
    row->second->setToolTip(hint);
    // The expected answer as its flags judge it: written as the key writes it, with a note on
    // what counts.
    const QString note =
        marking::FlagNote(paper.answerKeys, paper.answerTypes, i, paper.answerFlags);
    QString expected = QStringLiteral("Expected answer");
    if (!note.isEmpty())
        expected += u'\n' + note;
    row->model->setToolTip(hint.isEmpty() ? expected : expected + u'\n' + hint);
    row->model->setText(marking::ModelAnswer(paper.answers, paper.answerKeys, paper.answerTypes, i,
                                             paper.answerFlags));
    row->answer->setMaxLength(answerMaxLength(type));
    row->answer->setText(at(paper.answers));
    const SecondTakeRowLook look =
        secondTakeRowLook(at(paper.firstOutcomes), at(paper.outcomes), paper.isMarked());
    setBoxColour(row->answer, look.tinted ? chrome::palette::LockedTint : chrome::palette::Page);
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

void AnswerSheet::ShowAnswerRows()
{
    const int b = m_blanks;
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

void AnswerSheet::StoreAnswers(Paper &paper) const
{
    const int offset = paper.offsetOf(m_question);
    for (int k = 1; k <= AnswerRowCount; ++k) {
        if (m_blanks > k - 1 && offset + k - 1 < paper.answers.size())
            paper.answers[offset + k - 1] = m_rows[k - 1]->answer->text();
    }
}

void AnswerSheet::lockForReview()
{
    for (AnswerRow *row : m_rows) {
        row->answer->setReadOnly(true);
        if (m_take == Take::First) {
            row->result->show();
        } else {
            // The second take's own marks replace the first take's.
            row->second->show();
            row->result->hide();
        }
    }
}

void AnswerSheet::focusRow(int k)
{
    m_rows[k - 1]->answer->setFocus();
}

void AnswerSheet::focusNextRow(int k)
{
    const int b = m_blanks;
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

void AnswerSheet::showHintLine()
{
    const int b = std::clamp(m_blanks, 0, AnswerRowCount);
    QStringList rowHints;
    int focused = 0;
    QWidget *focus = QApplication::focusWidget();
    for (int k = 1; k <= b; ++k) {
        rowHints.append(m_hints[k - 1]);
        if (focus && (focus == m_rows[k - 1]->answer || focus == m_rows[k - 1]->model))
            focused = k;
    }
    const QString line = hintLine(rowHints, focused);
    if (m_hintLabel->text() != line)
        m_hintLabel->setText(line);
    m_hintLabel->setVisible(!line.isEmpty());
    placeHintLine();
}

void AnswerSheet::placeHintLine()
{
    // Just below the last row on show, across the sheet.
    int top = 0;
    for (AnswerRow *row : m_rows)
        if (!row->isHidden())
            top = std::max(top, row->geometry().bottom() + 1);
    const int width = std::max(0, this->width() - 16);
    m_hintLabel->setGeometry(8, top + 8, width, m_hintLabel->heightForWidth(width));
    m_hintLabel->raise();
}

marking::GapSurroundings AnswerSheet::besideGap(const Paper &paper, int k)
{
    // Read from the question's document once per question.
    const QString id = paper.questionIds.value(m_question - 1);
    if (id != m_gapsQuestion) {
        m_gapsQuestion = id;
        m_gaps = content::GapTexts(content::itemBytes(id.toInt()).value_or(QByteArray()));
    }
    const content::GapText g = m_gaps.value(k - 1);
    return {g.before, g.after};
}

} // namespace practice

#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/answerrow.h"
#include "practice/practicelogic.h"

#include "content/gaps.h"
#include "marking/hint.h"

#include <QWidget>

#include <array>

class QLabel;

namespace chrome {
class PictureBox;
} // namespace chrome

namespace practice {

class Paper;

// The answer sheet (AnsBox): a row for each blank of the question on view, the instruction
// picture above them and, once the paper is marked, the hint line of the row with the focus.
// Return in a box moves to the next box the pupil can type in.
class AnswerSheet : public QWidget
{
    Q_OBJECT
public:
    AnswerSheet(Take take, QWidget *parent);
    void place(const QRect &geometry, int instructionTop);

    // Fills the rows for question `question` of `paper` (as stored and marked) and stacks them.
    void FillAnswerSheet(const Paper &paper, int question);
    // The answers typed into the question's rows, back into `paper`.
    void StoreAnswers(Paper &paper) const;
    // After marking: every box locked, the marks shown.
    void lockForReview();
    void focusRow(int k);
    AnswerRow *row(int k) const { return m_rows[k - 1]; }
    QWidget *lastTabStop() const;

private:
    void FillAnswerRow(const Paper &paper, int k, int blank);
    void ShowAnswerRows();
    void focusNextRow(int k);
    void showHintLine();
    void placeHintLine();
    marking::GapSurroundings besideGap(const Paper &paper, int k); // printed beside row k's gap

    Take m_take;
    int m_question = 1;
    int m_blanks = 0; // on the question on view
    chrome::PictureBox *m_instruction = nullptr;
    std::array<AnswerRow *, AnswerRowCount> m_rows{};
    QLabel *m_hintLabel = nullptr;
    std::array<QString, AnswerRowCount> m_hints{}; // each row's hint on the question on view
    QString m_gapsQuestion;                        // the question whose gap texts m_gaps holds
    QList<content::GapText> m_gaps;
};

} // namespace practice

#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/practicelogic.h"

#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <QWidget>

namespace practice {

// Refuses what would corrupt a result file: ">", "#", line breaks, control characters and
// characters that Windows-1252 cannot hold.
class AnswerValidator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

// One row of the answer sheet (Frame k): the answer box FA k, the expected answer M k, the
// outcome FR k and the letter QL k; in the second take also that take's outcome SR k, while FR k
// shows the first take's. It draws the light border around its answer box.
class AnswerRow : public QWidget
{
    Q_OBJECT
public:
    AnswerRow(int k, Take take, QWidget *parent);
    void applyGeometry(const RowGeometry &twips);
    const RowGeometry &geometryTwips() const { return m_geometry; }
    void setOutcome(const QString &outcome);       // FR k
    void setSecondOutcome(const QString &outcome); // SR k

    QLineEdit *answer;
    QLineEdit *model;
    QLabel *result;
    QLabel *second = nullptr; // second take only
    QLabel *letter;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    RowGeometry m_geometry;
};

} // namespace practice

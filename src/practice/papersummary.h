#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/practicelogic.h"

#include "chrome/picturebox.h"

class QDate;
class QLabel;

namespace practice {

// The paper summary on the practice toolbar (PaperSum): answered and total counts, the score,
// and below them the clock and today's date in a first take (the time taken and the date done
// once marked), or the second take's heading.
class PaperSummary : public chrome::PictureBox
{
    Q_OBJECT
public:
    PaperSummary(Take take, QWidget *parent);

    void setAnswered(int count);
    void setTotal(int count);
    // First take only; the second take has no clock and no date.
    void setClock(const QString &text);
    void setStartDate(const QDate &date);
    // The percent ("" before marking); in a first take also the time taken and the date done.
    void setScore(const QString &percent, const QString &timeTaken, const QString &dateDone);
    // A first take's time taken and date done take the places of the clock and the date.
    void showMarked();

private:
    QLabel *placed(QLabel *label, int x, int y, int width) const;

    Take m_take;
    QLabel *m_answered = nullptr, *m_total = nullptr;
    QLabel *m_score = nullptr;
    QLabel *m_clock = nullptr, *m_date = nullptr;         // first take
    QLabel *m_timeTaken = nullptr, *m_dateDone = nullptr; // first take, once marked
    QLabel *m_heading = nullptr, *m_percent = nullptr;    // second take
};

} // namespace practice

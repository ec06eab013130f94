#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/practicelogic.h"

#include <QWidget>

#include <array>

class QComboBox;

namespace chrome {
class PictureBox;
} // namespace chrome

namespace practice {

// The strip under the question (RemQnsBG): the list of questions left, and while a paper is
// being marked the progress bar in fifteen steps.
class StatusStrip : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ProgressSteps = 15;

    StatusStrip(Take take, QWidget *parent);
    void place(const QRect &geometry);

    // The questions left, as the list offers them; none is on show until the list opens.
    void setRemaining(const QStringList &questions);
    void showRemaining(bool shown);
    QComboBox *remainingList() const { return m_remQns; }

    // The progress bar replaces the list, empty; each step shows one more bar. false once the
    // bar is full.
    void startProgress();
    bool advanceProgress();
    void hideProgress();

signals:
    void questionChosen(int number);

private:
    std::array<chrome::PictureBox *, 3> m_bots{}; // Bot1..Bot3; the second take has no Bot2
    chrome::PictureBox *m_remPanel = nullptr;
    QComboBox *m_remQns = nullptr;
    chrome::PictureBox *m_markPanel = nullptr;
    std::array<chrome::PictureBox *, ProgressSteps> m_bars{};
    int m_progress = 0;
};

} // namespace practice

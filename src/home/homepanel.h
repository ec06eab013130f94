// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "home/homelogic.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>

class QLabel;

namespace chrome {
class ImageButton;
class PictureBox;
} // namespace chrome

namespace home {

class ClickLabel;
class PercentColumn;

// The home page `Body_Home`: the selected subject's topics on the left, the papers of the
// selected topic on the right with the score of each take and a button to open it. It shows
// what it is given and reports clicks; the home window decides what follows.
class HomePanel : public QWidget
{
    Q_OBJECT
public:
    explicit HomePanel(QWidget *parent = nullptr);

    // Names the topics (missing names read as empty) and shows the first `topicCount`.
    void setTopics(const QStringList &names, int topicCount);
    // The paper rows of the topic whose first paper has the ordinal `first`, from the summary's
    // first- and second-take scores, under the topic's name.
    void TopicChoosing(const QStringList &firstScores, const QStringList &secondScores, int first,
                       const QString &topicName);
    // Highlights topic 1..10 (0: none).
    void Topicbuttoncolour(int topic);
    // Names the page's pictures again, after the picture folder changed.
    void loadPictures();

    // The keyboard's groups: the topics, then the load buttons (P1a, P1b, P2a, ...).
    const std::array<ClickLabel *, MaxTopics> &topicControls() const { return m_topicLabels; }
    QList<QWidget *> paperControls() const;

signals:
    void topicClicked(int topic);
    // A paper's button: its place in the topic (0..4) and the take (1 or 2).
    void paperRequested(int offset, int take);

private:
    void buildTopics();
    void buildPapers();
    void ShowTopicButton(int n, int topicCount);
    void ShowPaperRows();

    std::array<ClickLabel *, MaxTopics> m_topicLabels{};
    std::array<chrome::PictureBox *, MaxTopics> m_bullets{};
    chrome::PictureBox *m_colHead1 = nullptr;
    chrome::PictureBox *m_colHead2 = nullptr;
    QLabel *m_subH1 = nullptr;
    std::array<QLabel *, PapersPerTopic> m_msa{}, m_msb{};
    std::array<chrome::ImageButton *, PapersPerTopic> m_pa{}, m_pb{};
    std::array<QString, PapersPerTopic>
        m_storedFirst; // first-take scores as stored, damaged or not
    PercentColumn *m_percent = nullptr;
};

} // namespace home

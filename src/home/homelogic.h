#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The decisions of the home window as plain functions, so that they can be checked without a
// window. Positions are device-independent pixels unless a name says otherwise.
namespace home {

inline constexpr int MaxTopics = 10;
inline constexpr int PapersPerTopic = 5;
inline constexpr int SubjectCount = 3;

// Step 8 of start-up: the lefts of Tab01..Tab04. A named subject's tab follows the previous one
// with a 4 px overlap; an unnamed subject's tab is parked off the window (left = -width of Tab01);
// the Help tab follows the last named tab.
std::array<int, 4> tabLefts(const std::array<bool, SubjectCount> &named,
                            const std::array<int, 4> &widths, int start = 2);

// RaiseTab: tops of the tabs against the tab strip. The selected tab stands 2 px higher.
int tabTop(int stripTop, int tabHeight, bool selected);

// ShowTopicButton: topic n (1..10) is shown when the subject has at least n topics.
bool topicVisible(int n, int topicCount);

// Ordinal of a topic's first paper: 1, 6, 11, ... 46.
int topicFirstOrdinal(int topic);

// The topic whose first-paper ordinal is `first`, or nullopt when it is none of 1, 6, ... 46.
std::optional<int> topicOfFirstOrdinal(int first);

// OpenPaper: the paper number of the paper at `offset` (0..4) of the topic starting at `first`.
int paperNumber(int first, int offset);

// Reads a stored score the way the home page compares it; text that is not a number counts as
// 0, so a damaged score never hides the second-take button.
double scoreValue(const QString &text);

// ShowPaperRows: the second-take button shows only once a first take exists and its score is
// not above 99.
bool secondTakeVisible(const QString &firstScore);

// ShowPaperRows: a score ends 20 twips before the percent column.
int scoreLeft(int percentLeft, int scoreWidth);

// The texts and the second-take visibility of paper row n (1..5) of the topic starting at
// `first`, taken from the first-take and second-take score arrays (index 0 = paper 101).
struct PaperRow
{
    QString firstScore;
    QString secondScore;
    bool secondTakeVisible = false;
};
PaperRow paperRow(const QStringList &firstScores, const QStringList &secondScores, int first,
                  int n);

// Step 10: the first subject (1..3) that has a name, or 0 when none has.
int firstNamedSubject(const std::array<QString, SubjectCount> &names);

// Step 7: tool tip of a subject tab.
QString subjectTabToolTip(const QString &subjectName);

} // namespace home

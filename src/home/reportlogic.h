// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "home/homelogic.h"

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

// The figures of the report card as plain functions over the summary arrays and the trend
// record, so that every number the pupil sees can be checked without a window.
namespace home {

// The last topic of a subject; it sums up the others, so it is never the weakest or strongest.
inline constexpr QStringView MockExamination = u"Mock Examination";
// The trend plot shows this many of the most recent scores.
inline constexpr int TrendPoints = 20;

// A stored score as a take. Empty text, or text that is not a finite number (an older or
// damaged file), is no take at all: it must not pull an average down as a 0.
std::optional<double> takeScore(const QString &text);

// The per-topic accumulators: count and sum of the first-take and the second-take scores.
struct TopicTotals
{
    double sumA = 0;
    int countA = 0;
    double sumB = 0;
    int countB = 0;
};
using AllTopicTotals = std::array<TopicTotals, MaxTopics>;

// Accumulates the takes of topics 1..topicCount, five papers each, from the first-take and
// second-take score arrays (index 0 = paper 101). Topics past the count stay at zero.
AllTopicTotals topicTotals(const QStringList &firstScores, const QStringList &secondScores,
                           int topicCount);

// One decimal place, a value exactly halfway going to the even digit, in its shortest form:
// 85 -> "85", 85.5 -> "85.5", 4/3 -> "1.3", 66.75 -> "66.8", 66.65 -> "66.6".
QString oneDecimalText(double value);

// An average as the overall panel shows it: "-" without takes, else e.g. "85.5%".
QString averageText(double sum, int count);

// A topical mark: empty without takes, else e.g. "62.5%".
QString topicMark(double sum, int count);

// The width of a topical bar on a track of `innerWidth`, from the unrounded average; a score
// outside 0..100 (a damaged file) never draws outside the track.
int barWidth(int innerWidth, double sum, int count);

// A topic's combined average: first and second takes together, second takes counting only when
// the topic has first takes; 0 for a topic without first takes.
double topicAverage(const TopicTotals &totals);

// The overall panel's values.
struct OverallFigures
{
    QString OScore1;
    QString OScore2;
    QString WT;
    QString ST;
    QString PCNum;
    int weakest = 0;   // topic 1..10, 0 when WT shows "-"
    int strongest = 0; // topic 1..10, 0 when ST shows "-"
};

// Averages, papers completed, and the weakest and strongest topic: with fewer than two attempted
// topics both are "-"; otherwise the attempted topics other than the mock examination compete,
// and equal averages go to the later topic.
OverallFigures overallFigures(const AllTopicTotals &totals, const QStringList &topicNames,
                              int topicCount, int paperCount);

// Tool tip of a topical bar: "Fractions: 72.5% over 4 papers"; empty without takes.
QString topicBarToolTip(const QString &topicName, double sum, int count);

// The scores the trend plot shows, oldest first: the last 20 of the trend record's entries that
// are takes (entries that are empty or not numbers are skipped).
QList<double> trendValues(const QStringList &entries);

// The trend plot on an inner area of `size`: grid lines at 10, 20, ... 90 (their y), and the
// point of every value (x = i * width / 21 for i = 1..n, score 100 at the top edge, 0 at the
// bottom). The line starts at the bottom-left corner and runs through the points in order.
// Values outside 0..100 are drawn at the nearest edge.
struct TrendGeometry
{
    QList<double> gridY;
    QList<QPointF> points;
    QPointF start; // the bottom-left corner
};
TrendGeometry trendGeometry(const QSizeF &size, const QList<double> &values);

// The point under `pos` (within `reach` of its centre, the nearest one when several are), as an
// index into `points`, or -1.
int trendPointAt(const QList<QPointF> &points, const QPointF &pos, double reach);

// Tool tip of trend point `index` (0-based) of `count`: "Paper 12 of 20 recent: 80%".
QString trendPointToolTip(int index, int count, double value);

// ArrangeReportPanels: where the three header bars stand and where the open panel lies, for the
// panel position (1, 2, anything else is 3), the page's inner height and the bars' heights.
struct PanelLayout
{
    std::array<int, 3> barTops{};
    int open = 1; // 1 RC1Summary, 2 RC2Topical, 3 RC3Trend
    int panelTop = 0;
    int panelHeight = 0;
};
PanelLayout reportPanelLayout(int reportPos, int innerHeight, const std::array<int, 3> &barHeights);

} // namespace home

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "home/reportlogic.h"

#include <QStringList>
#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;

namespace home {

class ClickLabel;
class ReportBar;
class TrendPlot;

// What the report card is built from: the selected subject's descriptor entries, its first-take
// and second-take score arrays (index 0 = paper 101) and the entries of its trend record.
struct ReportSource
{
    QStringList topicNames;
    int topicCount = 0;
    int paperCount = 0;
    QStringList firstScores;
    QStringList secondScores;
    QStringList trendEntries;
};

// The report card page `Body_Report`: three panels stacked like an accordion under the header
// bars RCBar1..RCBar3 (overall results, topical results, trend). The home window asks it to
// rebuild and to open a panel; a click on a header bar is reported through `barClicked`, and the
// page stack answers with ArrangeReportPanels while the home window keeps the panel's number.
class ReportPage : public QWidget
{
    Q_OBJECT
public:
    explicit ReportPage(QWidget *parent = nullptr);
    ~ReportPage() override;

    // Fills all three panels from `source`.
    void BuildReportCard(const ReportSource &source);
    // Opens panel `reportPos` (1 overall, 2 topical, anything else trend).
    void ArrangeReportPanels(int reportPos);
    // Row t (1..10) of the topical panel.
    void ShowTopicBars(int t, const QString &topicName, const TopicTotals &totals);

signals:
    void barClicked(int n);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildBars();
    void buildSummary();
    void buildTopical();
    void buildTrend();
    void layoutPanels();

    struct TopicRow
    {
        QLineEdit *name = nullptr;
        QWidget *backA = nullptr;
        QWidget *backB = nullptr;
        QLabel *barA = nullptr;
        QLabel *barB = nullptr;
        QLabel *markA = nullptr;
        QLabel *markB = nullptr;
    };

    std::array<ReportBar *, 3> m_bars{};
    std::array<QWidget *, 3> m_panels{};
    int m_reportPos = 1;

    // Overall panel
    QLabel *m_oscore1 = nullptr;
    QLabel *m_oscore2 = nullptr;
    QLabel *m_wt = nullptr;
    QLabel *m_st = nullptr;
    QLabel *m_pcnum = nullptr;
    std::array<QLabel *, 5> m_summaryLabels{};

    // Topical panel
    QLabel *m_headA = nullptr;
    QLabel *m_headB = nullptr;
    std::array<TopicRow, MaxTopics> m_rows{};

    // Trend panel
    QLabel *m_scale = nullptr;
    TrendPlot *m_plot = nullptr;
    QLabel *m_plotCaption = nullptr;
    QLabel *m_plotEmpty = nullptr;
};

} // namespace home

// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/reportlogic.h"

#include <algorithm>
#include <cmath>

namespace home {

namespace {

// Averages of scores with one decimal place are exact multiples of 1 / (10 * count), so a
// halfway value is either exactly halfway or far from it; this only absorbs the binary error of
// the sum ((60.1 + 60.2) / 2 is 60.150000000000006).
bool nearlyEqual(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

} // namespace

std::optional<double> takeScore(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

AllTopicTotals topicTotals(const QStringList &firstScores, const QStringList &secondScores,
                           int topicCount)
{
    AllTopicTotals totals{};
    const int topics = std::clamp(topicCount, 0, MaxTopics);
    for (int t = 1; t <= topics; ++t) {
        TopicTotals &topic = totals[t - 1];
        for (int k = 1; k <= PapersPerTopic; ++k) {
            const int index = k + PapersPerTopic * (t - 1) - 1;
            if (const std::optional<double> a = takeScore(firstScores.value(index))) {
                ++topic.countA;
                topic.sumA += *a;
            }
            if (const std::optional<double> b = takeScore(secondScores.value(index))) {
                ++topic.countB;
                topic.sumB += *b;
            }
        }
    }
    return totals;
}

QString oneDecimalText(double value)
{
    // Only a damaged file gets here with such a figure; it is shown as it is rather than
    // squeezed through a whole-number conversion that cannot hold it.
    if (!std::isfinite(value) || std::fabs(value) >= 1e14)
        return QString::number(value, 'g', 6);
    const double scaled = value * 10.0;
    double tenths = std::floor(scaled);
    const double fraction = scaled - tenths;
    if (nearlyEqual(fraction, 0.5)) {
        if (std::fmod(tenths, 2.0) != 0.0)
            tenths += 1.0;
    } else if (fraction > 0.5) {
        tenths += 1.0;
    }
    const qint64 whole = static_cast<qint64>(std::fabs(tenths));
    const QString sign = tenths < 0 ? QStringLiteral("-") : QString();
    const qint64 units = whole / 10;
    const qint64 digit = whole % 10;
    return digit == 0 ? sign + QString::number(units)
                      : sign + QStringLiteral("%1.%2").arg(units).arg(digit);
}

QString averageText(double sum, int count)
{
    if (count < 1)
        return QStringLiteral("-");
    return oneDecimalText(sum / count) + u'%';
}

QString topicMark(double sum, int count)
{
    if (count < 1)
        return {};
    return oneDecimalText(sum / count) + u'%';
}

int barWidth(int innerWidth, double sum, int count)
{
    if (count < 1 || innerWidth <= 0 || std::isnan(sum))
        return 0;
    const double width = std::clamp(innerWidth * (sum / count) / 100.0, 0.0, double(innerWidth));
    return static_cast<int>(std::lround(width));
}

double topicAverage(const TopicTotals &totals)
{
    if (totals.countA <= 0)
        return 0.0;
    if (totals.countB > 0)
        return (totals.sumA + totals.sumB) / (totals.countA + totals.countB);
    return totals.sumA / totals.countA;
}

OverallFigures overallFigures(const AllTopicTotals &totals, const QStringList &topicNames,
                              int topicCount, int paperCount)
{
    OverallFigures figures;
    double sumA = 0, sumB = 0;
    int countA = 0, countB = 0;
    for (const TopicTotals &t : totals) {
        sumA += t.sumA;
        countA += t.countA;
        sumB += t.sumB;
        countB += t.countB;
    }
    figures.OScore1 = averageText(sumA, countA);
    figures.OScore2 = averageText(sumB, countB);
    figures.PCNum = QStringLiteral("%1 / %2").arg(countA).arg(paperCount);

    int attempted = 0;
    const int topics = std::clamp(topicCount, 0, MaxTopics);
    for (int t = 1; t <= topics; ++t)
        attempted += totals[t - 1].countA > 0 ? 1 : 0;
    if (attempted >= 2) {
        double low = 0, high = 0;
        for (int t = 1; t <= topics; ++t) {
            if (totals[t - 1].countA <= 0 || topicNames.value(t - 1) == MockExamination)
                continue;
            const double avg = topicAverage(totals[t - 1]);
            // A later topic wins a tie, so "equal" includes the rounding noise of the sums.
            if (figures.weakest == 0 || avg < low || nearlyEqual(avg, low)) {
                figures.weakest = t;
                low = avg;
            }
            if (figures.strongest == 0 || avg > high || nearlyEqual(avg, high)) {
                figures.strongest = t;
                high = avg;
            }
        }
    }
    // Each caption is the topic's name followed by one space.
    const auto caption = [&](int topic) {
        return topic ? topicNames.value(topic - 1) + u' ' : QStringLiteral("-");
    };
    figures.WT = caption(figures.weakest);
    figures.ST = caption(figures.strongest);
    return figures;
}

QString topicBarToolTip(const QString &topicName, double sum, int count)
{
    if (count < 1)
        return {};
    return QStringLiteral("%1: %2 over %3 %4")
        .arg(topicName, topicMark(sum, count), QString::number(count),
             count == 1 ? QStringLiteral("paper") : QStringLiteral("papers"));
}

QList<double> trendValues(const QStringList &entries)
{
    QList<double> values;
    for (const QString &entry : entries)
        if (const std::optional<double> v = takeScore(entry))
            values.append(*v);
    if (values.size() > TrendPoints)
        values = values.mid(values.size() - TrendPoints);
    return values;
}

TrendGeometry trendGeometry(const QSizeF &size, const QList<double> &values)
{
    TrendGeometry g;
    const double w = size.width();
    const double h = size.height();
    const double xStep = w / (TrendPoints + 1);
    const double yUnit = h / 100.0;
    for (int grid = 10; grid <= 90; grid += 10)
        g.gridY.append(grid * yUnit);
    const qsizetype n = std::min<qsizetype>(values.size(), TrendPoints);
    for (qsizetype i = 0; i < n; ++i) {
        const double v = std::clamp(values[i], 0.0, 100.0);
        g.points.append(QPointF((i + 1) * xStep, (100.0 - v) * yUnit));
    }
    g.start = QPointF(0, h);
    return g;
}

int trendPointAt(const QList<QPointF> &points, const QPointF &pos, double reach)
{
    int found = -1;
    double best = reach * reach;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPointF d = points[i] - pos;
        const double distance = QPointF::dotProduct(d, d);
        if (distance <= best) {
            best = distance;
            found = static_cast<int>(i);
        }
    }
    return found;
}

QString trendPointToolTip(int index, int count, double value)
{
    return QStringLiteral("Paper %1 of %2 recent: %3%")
        .arg(index + 1)
        .arg(count)
        .arg(oneDecimalText(value));
}

PanelLayout reportPanelLayout(int reportPos, int innerHeight, const std::array<int, 3> &barHeights)
{
    const auto [h1, h2, h3] = barHeights;
    const int H = innerHeight;
    PanelLayout layout;
    layout.panelHeight = std::max(0, H - h1 - h2 - h3);
    switch (reportPos) {
    case 1:
        layout.barTops = {0, H - h3 - h2, H - h3};
        layout.open = 1;
        layout.panelTop = h1;
        break;
    case 2:
        layout.barTops = {0, h1, H - h3};
        layout.open = 2;
        layout.panelTop = h1 + h2;
        break;
    default:
        layout.barTops = {0, h1, h1 + h2};
        layout.open = 3;
        layout.panelTop = h1 + h2 + h3;
        break;
    }
    return layout;
}

} // namespace home

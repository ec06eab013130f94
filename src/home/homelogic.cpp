// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/homelogic.h"

#include "chrome/units.h"

#include <algorithm>
#include <cmath>

namespace home {

std::array<int, 4> tabLefts(const std::array<bool, SubjectCount> &named,
                            const std::array<int, 4> &widths, int start)
{
    std::array<int, 4> lefts{};
    int x = start;
    for (int i = 0; i < SubjectCount; ++i) {
        if (named[i]) {
            lefts[i] = x;
            x += widths[i] - 4;
        } else {
            lefts[i] = -widths[0];
        }
    }
    lefts[3] = x;
    return lefts;
}

int tabTop(int stripTop, int tabHeight, bool selected)
{
    // The design offsets are +2.5 and +0.5; whole pixels keep the 2 px step between them.
    return stripTop - tabHeight + (selected ? 0 : 2);
}

bool topicVisible(int n, int topicCount)
{
    return n >= 1 && n <= topicCount;
}

int topicFirstOrdinal(int topic)
{
    return PapersPerTopic * (topic - 1) + 1;
}

std::optional<int> topicOfFirstOrdinal(int first)
{
    if (first < 1 || first > topicFirstOrdinal(MaxTopics) || (first - 1) % PapersPerTopic != 0)
        return std::nullopt;
    return (first - 1) / PapersPerTopic + 1;
}

int paperNumber(int first, int offset)
{
    return 100 + first + offset;
}

double scoreValue(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0.0;
    return value;
}

QString shownScore(const QString &stored)
{
    bool ok = false;
    const double value = stored.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? stored : QString();
}

QString paperButtonName(int n, int take, const QString &score)
{
    const QString name = QStringLiteral("Paper %1, %2 attempt")
                             .arg(n)
                             .arg(take == 2 ? QStringLiteral("2nd") : QStringLiteral("1st"));
    return score.isEmpty() ? name : name + QStringLiteral(", ") + score + u'%';
}

bool secondTakeVisible(const QString &firstScore)
{
    if (firstScore.isEmpty())
        return false;
    return !(scoreValue(firstScore) > 99.0);
}

int scoreLeft(int percentLeft, int scoreWidth)
{
    return percentLeft - scoreWidth - chrome::twipsToWholePx(20);
}

PaperRow paperRow(const QStringList &firstScores, const QStringList &secondScores, int first, int n)
{
    const int index = first + n - 2; // ordinal first + n - 1, stored from index 0
    PaperRow row;
    row.firstScore = firstScores.value(index);
    row.secondScore = secondScores.value(index);
    row.secondTakeVisible = secondTakeVisible(row.firstScore);
    return row;
}

int firstNamedSubject(const std::array<QString, SubjectCount> &names)
{
    for (int s = 0; s < SubjectCount; ++s) {
        if (!names[s].isEmpty())
            return s + 1;
    }
    return 0;
}

QString subjectTabToolTip(const QString &subjectName)
{
    return QStringLiteral("Load ") + subjectName + QStringLiteral(" Module");
}

PageCommand pageCommand(int tab, int position)
{
    if (tab >= 1 && tab <= SubjectCount) {
        switch (position) {
        case 1:
            return PageCommand::HomePage;
        case 2:
            return PageCommand::ReportPage;
        case 3:
            return PageCommand::Print;
        case 4:
            return PageCommand::Close;
        default:
            return PageCommand::None;
        }
    }
    if (tab == 4) {
        switch (position) {
        case 1:
            return PageCommand::AboutPage;
        case 2:
            return PageCommand::TrashPage;
        case 4:
            return PageCommand::PrintSetup;
        default:
            return PageCommand::None;
        }
    }
    return PageCommand::None;
}

TrashVisibility trashVisibility(TrashState state)
{
    TrashVisibility v;
    switch (state) {
    case TrashState::Offer:
        v.lbl1 = v.trash = true;
        break;
    case TrashState::Confirm:
        v.lbl2 = v.yes = v.no = true;
        break;
    case TrashState::Done:
        v.lbl3 = true;
        break;
    }
    return v;
}

QString platformText(const QString &kernelType)
{
    const QString kernel = kernelType.toLower();
    if (kernel == QLatin1String("linux"))
        return QStringLiteral("For Linux");
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("For Windows");
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("For macOS");
    return QStringLiteral("For ") + kernelType;
}

QString printZoneLine(const QStringList &items)
{
    QString line;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0) {
            // An empty item still takes its zone, as the print zones of a line printer do.
            const qsizetype zone = (line.size() / PrintZoneWidth + 1) * PrintZoneWidth;
            line += QString(zone - line.size(), u' ');
        }
        line += items[i];
    }
    return line;
}

QStringList resultsPrintLines(const QString &courseName, const QStringList &topicNames,
                              int topicCount, const QStringList &fse, const QStringList &ltm,
                              const QStringList &cdd, const QStringList &sse)
{
    const QString space = QStringLiteral(" ");
    const QString rule(PrintRuleWidth, u'-');
    QStringList out{QString(), QString(), printZoneLine({space, courseName}), QString(), QString()};
    const int topics = std::clamp(topicCount, 0, MaxTopics);
    for (int t = 1; t <= topics; ++t) {
        out << QString() << QString() << printZoneLine({space, topicNames.value(t - 1)})
            << printZoneLine({space, rule})
            << printZoneLine({space, QStringLiteral("Papers"), space, QStringLiteral("First take"),
                              QStringLiteral("Time taken"), QStringLiteral("Date"), space,
                              QStringLiteral("Second take")})
            << printZoneLine({space, space, space, QStringLiteral("score"), space, space, space,
                              QStringLiteral("score")})
            << printZoneLine({space, rule});
        for (int k = 1; k <= PapersPerTopic; ++k) {
            const int i = k + PapersPerTopic * (t - 1) - 1;
            out << printZoneLine({space, QStringLiteral("Paper %1").arg(k), space,
                                  shownScore(fse.value(i)) + u'%', ltm.value(i), cdd.value(i),
                                  space, shownScore(sse.value(i)) + u'%'});
        }
    }
    return out;
}

double fittingPointSize(double basePoints, double widthAtBase, double available)
{
    if (widthAtBase <= available || widthAtBase <= 0 || available <= 0)
        return basePoints;
    return basePoints * available / widthAtBase;
}

} // namespace home

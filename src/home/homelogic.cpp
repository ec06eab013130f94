#include "home/homelogic.h"

#include "chrome/units.h"

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

bool secondTakeVisible(const QString &firstScore)
{
    if (firstScore.isEmpty())
        return false;
    return !(scoreValue(firstScore) > 99.0);
}

int scoreLeft(int percentLeft, int scoreWidth)
{
    return percentLeft - scoreWidth - static_cast<int>(std::lround(chrome::twipsToPx(20)));
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

} // namespace home

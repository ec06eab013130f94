#include "marking.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace marking {

namespace {

const QString kContinuationKey = QStringLiteral(" ");

// A group holds at most this many blanks; the search for a group's head looks back no further.
constexpr int kGroupReach = 20;

QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}



QString outcome(bool right)
{
    return QString(right ? RightMark : WrongMark);
}

bool isContinuation(const QStringList &keys, int i)
{
    return keys.value(i) == kContinuationKey;
}


// A working copy of the group's alternatives, normalised; cleared entries become empty.
QStringList normalisedAlternatives(const QString &headKey, bool *ok)
{
    const std::optional<QStringList> alternatives = splitAlternatives(headKey);
    *ok = alternatives.has_value();
    QStringList list;
    if (alternatives) {
        for (const QString &alternative : *alternatives)
            list.append(normalisedText(alternative));
    }
    return list;
}

void clearMatching(QStringList &alternatives, const QString &normalisedAnswer)
{
    if (normalisedAnswer.isEmpty())
        return;
    for (QString &alternative : alternatives) {
        if (alternative == normalisedAnswer)
            alternative.clear();
    }
}

// The original spelling of the n-th (from 1) alternative of the head key that is still unclaimed.
QString nthUnclaimed(const QString &headKey, const QStringList &working, int n)
{
    const QStringList original = splitAlternatives(headKey).value_or(QStringList());
    int seen = 0;
    for (int k = 0; k < working.size(); ++k) {
        if (working.at(k).isEmpty())
            continue;
        if (++seen == n)
            return original.value(k);
    }
    return {};
}

bool markSpacing(const QString &answer, const QString &key)
{
    // The one space a mixed number needs sits where the key has its first space; every other
    // space the pupil typed is dropped.
    const qsizetype keepAt = key.indexOf(u' '); // 0-based, -1 when the key has none
    const QString trimmed = trimSpaces(answer);
    QString compact;
    compact.reserve(trimmed.size());
    for (qsizetype p = 0; p < trimmed.size(); ++p) {
        const QChar c = trimmed.at(p);
        if (p == keepAt || c != u' ')
            compact.append(c);
    }
    return compact == trimSpaces(key);
}

} // namespace

QString normalisedText(const QString &text)
{
    return trimSpaces(text).toLower();
}

int GroupHead(const QStringList &keys, int i)
{
    for (int j = i - 1; j >= 0 && j >= i - kGroupReach; --j) {
        if (!isContinuation(keys, j))
            return j;
    }
    return -1;
}

std::optional<double> parseNumber(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^[+-]?(?:\d{1,3}(?:,\d{3})+|\d*)(?:\.\d*)?$)"));
    const QString trimmed = trimSpaces(text);
    if (!pattern.match(trimmed).hasMatch())
        return std::nullopt;
    if (!std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    QString plain = trimmed;
    plain.remove(u',');
    if (plain.endsWith(u'.'))
        plain.chop(1);
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<QStringList> splitAlternatives(const QString &key)
{
    if (!key.startsWith(u';'))
        return std::nullopt;
    return key.mid(1).split(u';');
}

QString MarkAnswer(const QString &answer, const QString &key, const QString &type)
{
    // A blank left empty is never right, whatever its key holds (a group continuation's key is a
    // space, and an empty key would otherwise equal an empty answer).
    const bool known = type == u"N" || type == u"Q" || type == u"T" || type == u"L" ||
                       type == u"F" || type == u"X" || type == u"R";
    if (known && trimSpaces(answer).isEmpty())
        return outcome(false);
    if (type == u"N") {
        const std::optional<double> given = parseNumber(answer);
        const std::optional<double> expected = parseNumber(key);
        // A key that is not a number cannot be matched; the blank is judged wrong.
        return outcome(given && expected && *given == *expected);
    }
    if (type == u"Q" || type == u"T" || type == u"L")
        return outcome(normalisedText(answer) == normalisedText(key));
    if (type == u"F" || type == u"X" || type == u"R")
        return outcome(markSpacing(answer, key));
    return {};
}

QString MarkChoiceAnswer(const QStringList &answers, const QStringList &keys, int i)
{
    const QString answer = normalisedText(answers.value(i));
    bool ok = false;
    if (!isContinuation(keys, i)) {
        const QStringList alternatives = normalisedAlternatives(keys.value(i), &ok);
        return outcome(ok && !answer.isEmpty() && alternatives.contains(answer));
    }

    const int head = GroupHead(keys, i);
    if (head < 0)
        return outcome(false);
    QStringList working = normalisedAlternatives(keys.value(head), &ok);
    if (!ok)
        return outcome(false);
    // Each alternative serves the earliest blank that gives it.
    for (int j = head; j < i; ++j)
        clearMatching(working, normalisedText(answers.value(j)));
    return outcome(!answer.isEmpty() && working.contains(answer));
}

QString ModelGroupAnswer(const QStringList &answers, const QStringList &keys, int i)
{
    const bool continuation = isContinuation(keys, i);
    const int head = continuation ? GroupHead(keys, i) : i;
    if (head < 0)
        return {};
    const int position = i - head + 1;

    int size = 1;
    while (size <= kGroupReach && isContinuation(keys, head + size))
        ++size;

    bool ok = false;
    const QString headKey = keys.value(head);
    QStringList working = normalisedAlternatives(headKey, &ok);
    if (!ok)
        return {};

    // Earlier blanks that were right each used up one place in the list of model answers.
    int claimedBefore = 0;
    if (continuation) {
        for (int j = head; j < i; ++j) {
            const QString answer = normalisedText(answers.value(j));
            if (!answer.isEmpty())
                claimedBefore += int(working.count(answer));
        }
    }

    for (int j = head; j < head + size; ++j)
        clearMatching(working, normalisedText(answers.value(j)));

    // The head always gets the first unclaimed alternative, also when its own answer is empty.
    if (!continuation)
        return nthUnclaimed(headKey, working, 1);
    const int rank = position - claimedBefore;
    return rank < 1 ? QString() : nthUnclaimed(headKey, working, rank);
}

QString ModelAnswer(const QStringList &answers, const QStringList &keys, const QStringList &types,
                    int i)
{
    const QString type = types.value(i);
    const QString key = keys.value(i);
    if (type == u"G")
        return ModelGroupAnswer(answers, keys, i);
    if (type == u"M") {
        const std::optional<QStringList> alternatives = splitAlternatives(key);
        return alternatives ? alternatives->value(0) : key;
    }
    return key;
}

TakeResult MarkTake(const QStringList &answers, const QStringList &keys, const QStringList &types,
                    const QStringList &marks)
{
    TakeResult result;
    result.outcomes.reserve(keys.size());
    for (int i = 0; i < keys.size(); ++i) {
        bool ok = false;
        const qint64 mark = marks.value(i).toLongLong(&ok);
        // Summed in 64 bits and each mark capped, so no content can wrap the total negative.
        const qint64 value = ok && mark > 0 ? std::min(mark, MaxBlankMark) : 0;
        result.totalMarks += value;

        const QString type = types.value(i);
        const QString judged = (type == u"G" || type == u"M")
                                   ? MarkChoiceAnswer(answers, keys, i)
                                   : MarkAnswer(answers.value(i), keys.at(i), type);
        if (judged == RightMark)
            result.score += value;
        result.outcomes.append(judged);
    }
    result.percent = PercentText(result.score, result.totalMarks);
    return result;
}

QString PercentText(qint64 score, qint64 total)
{
    if (total <= 0 || score < 0)
        return {};
    const qint64 scaled = qint64(score) * 1000;
    qint64 tenths = scaled / total;
    const qint64 remainder = scaled % total;
    if (2 * remainder > total || (2 * remainder == total && tenths % 2 == 1))
        ++tenths;
    const qint64 whole = tenths / 10;
    const qint64 digit = tenths % 10;
    return digit == 0 ? QString::number(whole) : QStringLiteral("%1.%2").arg(whole).arg(digit);
}

} // namespace marking

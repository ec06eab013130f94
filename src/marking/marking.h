#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>

// Judging typed answers against the answer key. Pure functions: no files, no windows.
// Blanks are indexed from 0 over the whole paper (question by question, blank by blank).
namespace marking {

// Outcomes of a blank; an empty outcome means the answer type is unknown (not judged).
inline constexpr QChar RightMark{0x00FC};
inline constexpr QChar WrongMark{0x00FB};

// The number rule: optional surrounding spaces, an optional sign, digits with optional English
// grouping ("7,200") and an optional decimal point. Anything else (exponents, hexadecimal,
// currency signs, words, empty text) is not a number.
std::optional<double> parseNumber(const QString &text);

// The alternatives of an "M" key or a group head (";Skin;Moist skin" -> Skin, Moist skin).
// nullopt when the key does not begin with ";".
std::optional<QStringList> splitAlternatives(const QString &key);

// The text rule's view of an answer or key: leading and trailing spaces removed, letters
// lower-cased; inner spaces and punctuation count.
QString normalisedText(const QString &text);

// The head of the group that continuation blank i (key " ") belongs to, or -1 when none lies
// within the 20 blanks before it.
int GroupHead(const QStringList &keys, int i);

// Judges one blank of type Q, T, L, N, F, X or R; any other type gives an empty outcome. An
// empty answer (or one of spaces only) is wrong for every type.
QString MarkAnswer(const QString &answer, const QString &key, const QString &type);

// Judges blank i of type M or G; a group blank depends on the group's other answers.
QString MarkChoiceAnswer(const QStringList &answers, const QStringList &keys, int i);

// The expected answer shown beside a wrong group blank: distinct unclaimed alternatives, in
// list order, for the group's wrong blanks.
QString ModelGroupAnswer(const QStringList &answers, const QStringList &keys, int i);

// The expected answer shown beside any wrong blank.
QString ModelAnswer(const QStringList &answers, const QStringList &keys, const QStringList &types,
                    int i);

struct TakeResult
{
    QStringList outcomes;  // one per blank
    qint64 score = 0;      // marks of the blanks judged right
    qint64 totalMarks = 0; // marks of every blank, judged or not
    QString percent;       // PercentText(score, totalMarks)
};

// The most one blank can be worth in MarkTake; a larger mark counts as this much.
inline constexpr qint64 MaxBlankMark = 1'000'000;

// Judges a whole paper. The key list decides the number of blanks; missing answers, types or
// marks count as empty, a mark that is not a positive whole number as 0.
TakeResult MarkTake(const QStringList &answers, const QStringList &keys, const QStringList &types,
                    const QStringList &marks);

// score / total x 100 to one decimal, ties to the even digit, without trailing zeros ("66.7",
// "100", "0"); computed in integers so 6.25 always gives "6.2". Empty for a total of 0.
QString PercentText(qint64 score, qint64 total);

} // namespace marking

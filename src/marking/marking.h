#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Judging typed answers against the answer key. Pure functions: no files, no windows.
// Blanks are indexed from 0 over the whole paper (question by question, blank by blank).
namespace marking {

// Outcomes of a blank; an empty outcome means the answer type is unknown (not judged).
inline constexpr QChar RightMark{0x00FC};
inline constexpr QChar WrongMark{0x00FB};

// What a course author can say about a blank beyond its type. A blank without flags is judged
// by the plain rules of its type.
struct BlankFlags
{
    bool caseExact = false;         // capital letters count (T, L, M, G)
    bool sentence = false;          // a whole sentence (T, L, M): spacing and quotes folded, the
                                    // final . ? or ! optional
    bool punctuationCounts = false; // with sentence: the final mark is required
    // A group head's alternatives taken as sets of equivalent forms, each set scoring once:
    // the number of forms in each set, in key order. Empty: every alternative is a set of one.
    QList<int> setSizes;
    bool isEmpty() const
    {
        return !caseExact && !sentence && !punctuationCounts && setSizes.isEmpty();
    }
    bool operator==(const BlankFlags &) const = default;
};

// A field of the answer flags table: the letters C (case), S (sentence) and P (punctuation
// counts), then for a group head with sets ":" and the set sizes ("CS", "P", ":3,1,2").
// Unknown letters are ignored and a malformed list of sets reads as none, so a blank is never
// judged more strictly than its table says.
BlankFlags parseBlankFlags(const QString &field);
QString blankFlagsField(const BlankFlags &flags);

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

// A sentence's text as its flag compares it: typographic quotes and apostrophes made plain,
// runs of spaces made one, spaces before . , ; : ? ! dropped, ends trimmed. Contractions stay
// as written: "doesn't" and "does not" are different answers.
QString foldedSentence(const QString &text);

// How an answer compares with one accepted text of a text blank (T, L, or one alternative of
// M or G) under the blank's flags. Without flags: the text rule.
struct TextMatch
{
    bool right = false;
    QChar missingMark; // right, but without the accepted text's final . ? or ! (else null)
};
TextMatch MatchText(const QString &answer, const QString &accepted, const BlankFlags &flags);

// The head of the group that continuation blank i (key " ") belongs to, or -1 when none lies
// within the 20 blanks before it.
int GroupHead(const QStringList &keys, int i);

// In the functions below, `flags` holds the answer flags table's field of each blank (see
// parseBlankFlags); missing entries are blanks without flags. A group's flags are its head's.

// Judges one blank of type Q, T, L, N, F, X or R; any other type gives an empty outcome. An
// empty answer (or one of spaces only) is wrong for every type. Flags count for T and L only.
QString MarkAnswer(const QString &answer, const QString &key, const QString &type,
                   const BlankFlags &flags = {});

// Judges blank i of type M or G; a group blank depends on the group's other answers. A group
// with sets of forms gives each set once: the earliest blank that gives one of its forms has it.
QString MarkChoiceAnswer(const QStringList &answers, const QStringList &keys, int i,
                         const QStringList &flags = {});

// The expected answer shown beside a wrong group blank: distinct unclaimed alternatives (the
// first form of each unclaimed set), in list order, for the group's wrong blanks.
QString ModelGroupAnswer(const QStringList &answers, const QStringList &keys, int i,
                         const QStringList &flags = {});

// The expected answer shown beside any wrong blank, written as the key writes it (so with the
// capitals and the final mark a flag makes count).
QString ModelAnswer(const QStringList &answers, const QStringList &keys, const QStringList &types,
                    int i, const QStringList &flags = {});

// What a blank's flags ask of the answer, for the expected answer's tool tip ("Capital letters
// count."); empty without flags. A group's continuation blanks tell their head's.
QString FlagNote(const QStringList &keys, const QStringList &types, int i,
                 const QStringList &flags);

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
                    const QStringList &marks, const QStringList &flags = {});

// score / total x 100 to one decimal, ties to the even digit, without trailing zeros ("66.7",
// "100", "0"); computed in integers so 6.25 always gives "6.2". Empty for a total of 0.
QString PercentText(qint64 score, qint64 total);

} // namespace marking

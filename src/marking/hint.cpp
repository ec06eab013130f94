#include "hint.h"

#include "marking.h"

#include <QRegularExpression>

#include <algorithm>
#include <numeric>
#include <optional>

namespace marking {

namespace {

// --- Numbers in their written forms -------------------------------------------------------------

enum class Form
{
    Whole,    // "7200", "7,200", "7 200"
    Decimal,  // "0.75", "7200.0"
    Fraction, // "3/4", "6/8", "5/3"
    Mixed,    // "1 2/3"
};

struct Reading
{
    qint64 num = 0; // the value as a fraction in lowest terms, den > 0
    qint64 den = 1;
    Form form = Form::Whole;
    bool simplest = true; // a fraction in lowest terms; for a mixed number also a proper one
    QChar grouping;       // ' ' or ',' between groups of three digits, else null
};

// Reads whole numbers, decimals, fractions and mixed numbers the way a pupil might write them.
// Lengths are limited so that the arithmetic below stays exact in 64 bits.
std::optional<Reading> readNumber(const QString &text)
{
    static const QRegularExpression mixed(
        QStringLiteral(R"(^(-?)(\d{1,6}) +(\d{1,6}) */ *(\d{1,6})$)"));
    static const QRegularExpression fraction(QStringLiteral(R"(^(-?)(\d{1,6}) */ *(\d{1,6})$)"));
    static const QRegularExpression decimal(
        QStringLiteral(R"(^(-?)(\d{1,3}(?:([ ,])\d{3})(?:\3\d{3}){0,1}|\d{1,9})?(\.(\d{0,6}))?$)"));
    const QString t = text.trimmed();
    Reading r;
    qint64 sign = 1;
    if (const QRegularExpressionMatch m = mixed.match(t); m.hasMatch()) {
        const qint64 whole = m.captured(2).toLongLong(), n = m.captured(3).toLongLong(),
                     d = m.captured(4).toLongLong();
        if (d == 0)
            return std::nullopt;
        sign = m.captured(1).isEmpty() ? 1 : -1;
        r.form = Form::Mixed;
        r.simplest = n < d && std::gcd(n, d) == 1;
        r.num = whole * d + n;
        r.den = d;
    } else if (const QRegularExpressionMatch f = fraction.match(t); f.hasMatch()) {
        const qint64 n = f.captured(2).toLongLong(), d = f.captured(3).toLongLong();
        if (d == 0)
            return std::nullopt;
        sign = f.captured(1).isEmpty() ? 1 : -1;
        r.form = Form::Fraction;
        r.simplest = std::gcd(n, d) == 1;
        r.num = n;
        r.den = d;
    } else if (const QRegularExpressionMatch n = decimal.match(t); n.hasMatch()) {
        const QString whole = n.captured(2);
        const QString decimals = n.captured(5);
        if (whole.isEmpty() && decimals.isEmpty())
            return std::nullopt;
        sign = n.captured(1).isEmpty() ? 1 : -1;
        if (!n.captured(3).isEmpty())
            r.grouping = n.captured(3).at(0);
        r.form = n.captured(4).isEmpty() ? Form::Whole : Form::Decimal;
        QString digits = whole;
        digits.remove(u' ');
        digits.remove(u',');
        r.den = 1;
        for (qsizetype k = 0; k < decimals.size(); ++k)
            r.den *= 10;
        r.num = (digits.isEmpty() ? 0 : digits.toLongLong()) * r.den +
                (decimals.isEmpty() ? 0 : decimals.toLongLong());
    } else {
        return std::nullopt;
    }
    const qint64 g = std::gcd(r.num, r.den);
    if (g > 1) {
        r.num /= g;
        r.den /= g;
    }
    r.num *= sign;
    return r;
}

// The answer has the key's value but not the form the rule accepts.
QString formHint(const QString &answer, const QString &key)
{
    const std::optional<Reading> a = readNumber(answer);
    const std::optional<Reading> k = readNumber(key);
    if (!a || !k || a->num != k->num || a->den != k->den)
        return {};
    if (a->form == k->form) {
        if (a->grouping == u' ')
            return QStringLiteral("Write the number without spaces");
        if (a->grouping == u',')
            return QStringLiteral("Write the number without commas");
        if (!a->simplest && k->simplest)
            return QStringLiteral("Write the fraction in its simplest form");
        return {};
    }
    switch (k->form) {
    case Form::Whole:
        return QStringLiteral("Write it as a whole number");
    case Form::Decimal:
        return QStringLiteral("Write it as a decimal");
    case Form::Fraction:
        return a->form == Form::Mixed
                   ? QStringLiteral("Write it as a fraction, not as a mixed number")
                   : QStringLiteral("Write it as a fraction");
    case Form::Mixed:
        return QStringLiteral("Write it as a mixed number");
    }
    return {};
}

// --- Spelling ---------------------------------------------------------------------------------

bool isVowel(QChar c)
{
    return QStringLiteral("aeiou").contains(c);
}

// One letter added, left out, changed or two neighbours swapped. A vowel changed for another
// vowel is left out: "wrote" for "write" or "begun" for "began" is another word form, not a slip
// of spelling, and the pupil should not be told to check the spelling of a grammar answer.
bool oneLetterAway(const QString &a, const QString &b)
{
    if (a == b)
        return false;
    const qsizetype la = a.size(), lb = b.size();
    if (la == lb) {
        QList<qsizetype> diffs;
        for (qsizetype p = 0; p < la && diffs.size() <= 2; ++p)
            if (a.at(p) != b.at(p))
                diffs.append(p);
        if (diffs.size() == 1)
            return !(isVowel(a.at(diffs[0])) && isVowel(b.at(diffs[0])));
        return diffs.size() == 2 && diffs[1] == diffs[0] + 1 && a.at(diffs[0]) == b.at(diffs[1]) &&
               a.at(diffs[1]) == b.at(diffs[0]);
    }
    if (qAbs(la - lb) != 1)
        return false;
    const QString &longer = la > lb ? a : b;
    const QString &shorter = la > lb ? b : a;
    qsizetype p = 0;
    while (p < shorter.size() && shorter.at(p) == longer.at(p))
        ++p;
    return QStringView(shorter).mid(p) == QStringView(longer).mid(p + 1);
}

bool hasLetter(const QString &s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.isLetter(); });
}

// The texts a text blank accepts: its key, or the alternatives of an "M" blank or of its group.
QStringList acceptedTexts(const QStringList &keys, const QString &type, int i)
{
    const QString key = keys.value(i);
    if (type == u"T" || type == u"L")
        return {key};
    if (type == u"M")
        return splitAlternatives(key).value_or(QStringList());
    if (type == u"G") {
        const int head = key == QStringLiteral(" ") ? GroupHead(keys, i) : i;
        return splitAlternatives(keys.value(head)).value_or(QStringList());
    }
    return {};
}

// --- Signs and units the rule does not accept -------------------------------------------------

enum class Extra
{
    FullStop,
    Percent,
    Currency,
    Unit
};

struct Stripped
{
    Extra extra;
    QString rest;  // the answer without it
    QString taken; // what was taken off
};

QList<Stripped> strippings(const QString &answer)
{
    QList<Stripped> out;
    const QString t = answer.trimmed();
    if (t.size() > 1 && t.endsWith(u'.'))
        out.append({Extra::FullStop, t.chopped(1), QStringLiteral(".")});
    if (t.size() > 1 && t.endsWith(u'%'))
        out.append({Extra::Percent, t.chopped(1), QStringLiteral("%")});
    static const QString currency = QStringLiteral("\u00a3$\u20ac");
    if (t.size() > 1 && currency.contains(t.front()))
        out.append({Extra::Currency, t.mid(1), t.left(1)});
    static const QRegularExpression unit(QStringLiteral(
        R"(^(.*\d) *([A-Za-z\x{00B0}\x{00B5}][A-Za-z\x{00B0}\x{00B2}\x{00B3}/]*)\.?$)"));
    if (const QRegularExpressionMatch m = unit.match(t); m.hasMatch())
        out.append({Extra::Unit, m.captured(1), m.captured(2)});
    return out;
}

// Whether the page prints what the pupil added right beside the gap.
bool printedBeside(const Stripped &s, const GapSurroundings &beside)
{
    const QString after = beside.after.trimmed();
    switch (s.extra) {
    case Extra::FullStop:
    case Extra::Percent:
        return after.startsWith(s.taken);
    case Extra::Currency:
        return beside.before.trimmed().endsWith(s.taken);
    case Extra::Unit: {
        const QString word = after.section(u' ', 0, 0);
        return !word.isEmpty() &&
               (word.compare(s.taken, Qt::CaseInsensitive) == 0 ||
                word.chopped(word.endsWith(u'.') ? 1 : 0).compare(s.taken, Qt::CaseInsensitive) ==
                    0);
    }
    }
    return false;
}

QString extraHint(const Stripped &s, bool printed)
{
    switch (s.extra) {
    case Extra::FullStop:
        return printed ? QStringLiteral("Leave out the full stop, it is printed for you")
                       : QStringLiteral("Leave out the full stop");
    case Extra::Percent:
        return printed ? QStringLiteral("Leave out the % sign, it is printed for you")
                       : QStringLiteral("Write the number without the % sign");
    case Extra::Currency:
        return printed ? QStringLiteral("Leave out the %1 sign, it is printed for you").arg(s.taken)
                       : QStringLiteral("Write the number without the %1 sign").arg(s.taken);
    case Extra::Unit:
        return printed ? QStringLiteral("Leave out the unit, it is printed for you")
                       : QStringLiteral("Write the number without the unit");
    }
    return {};
}

QString finalMarkHint(QChar mark)
{
    if (mark == u'?')
        return QStringLiteral("Remember the question mark");
    if (mark == u'!')
        return QStringLiteral("Remember the exclamation mark");
    return QStringLiteral("Remember the full stop");
}

} // namespace

QString AnswerHint(const QStringList &answers, const QStringList &keys, const QStringList &types,
                   int i, const GapSurroundings &beside, const QStringList &flags)
{
    const QString answer = answers.value(i);
    const QString key = keys.value(i);
    const QString type = types.value(i);
    if (answer.trimmed().isEmpty() || i < 0 || i >= keys.size())
        return {};
    const bool choice = type == u"G" || type == u"M";
    const bool text = type == u"T" || type == u"L" || choice;
    // The flags that judge this blank: a group's are its head's.
    const int owner = type == u"G" && key == QStringLiteral(" ") ? GroupHead(keys, i) : i;
    const BlankFlags own = text && owner >= 0 ? parseBlankFlags(flags.value(owner)) : BlankFlags();
    // Judged as the engine judges it, with the pupil's answer replaced by `typed` and the blank's
    // flags replaced by `with`.
    const auto judgedWith = [&](const QString &typed, const BlankFlags &with) {
        if (!choice)
            return MarkAnswer(typed, key, type, with);
        QStringList changed = answers;
        while (changed.size() <= i)
            changed.append(QString());
        changed[i] = typed;
        QStringList changedFlags = flags;
        while (changedFlags.size() <= owner)
            changedFlags.append(QString());
        if (owner >= 0)
            changedFlags[owner] = blankFlagsField(with);
        return MarkChoiceAnswer(changed, keys, i, changedFlags);
    };
    const auto rightWith = [&](const QString &typed) {
        return judgedWith(typed, own) == RightMark;
    };
    const QString judged = judgedWith(answer, own);
    if (judged == RightMark) {
        // A sentence may leave out its final mark; the pupil is reminded of it all the same.
        if (!own.sentence || own.punctuationCounts)
            return {};
        QChar missing;
        for (const QString &accepted : acceptedTexts(keys, type, i)) {
            const TextMatch match = MatchText(answer, accepted, own);
            if (match.right && match.missingMark.isNull())
                return {}; // one accepted text needs no mark at the end
            if (match.right && missing.isNull())
                missing = match.missingMark;
        }
        return missing.isNull() ? QString() : finalMarkHint(missing);
    }
    if (judged != WrongMark)
        return {}; // of a type the engine does not judge

    // What the flags make count, one at a time.
    if (own.caseExact) {
        BlankFlags blind = own;
        blind.caseExact = false;
        if (judgedWith(answer, blind) == RightMark)
            return QStringLiteral("Check your capital letters");
    }
    if (own.sentence) {
        // Right but for the mark at the end: missing where punctuation counts, or another mark.
        BlankFlags optional = own;
        optional.punctuationCounts = false;
        const QString folded = foldedSentence(answer);
        const bool marked = !folded.isEmpty() && QStringLiteral(".?!").contains(folded.back());
        if (judgedWith(answer, optional) == RightMark ||
            (marked && folded.size() > 1 && judgedWith(folded.chopped(1), optional) == RightMark))
            return QStringLiteral("Check the mark at the end of the sentence");
        // The same words, with a comma, apostrophe or quotation mark missing or too many.
        const auto words = [&](const QString &t) {
            QString out = foldedSentence(t);
            out.removeIf([](QChar c) { return c.isPunct(); });
            return own.caseExact ? out : out.toLower();
        };
        const QString typedWords = words(answer);
        for (const QString &accepted : acceptedTexts(keys, type, i)) {
            if (words(accepted) == typedWords)
                return QStringLiteral("Check your punctuation");
        }
    }
    if (type == u"G" && !own.setSizes.isEmpty()) {
        // Right on its own, so another blank of the group has given this idea already.
        QStringList alone = answers.mid(0, owner);
        while (alone.size() < owner)
            alone.append(QString());
        alone.append(answer);
        QStringList headKeys = keys.mid(0, owner + 1);
        QStringList headFlags = flags.mid(0, owner + 1);
        if (MarkChoiceAnswer(alone, headKeys, owner, headFlags) == RightMark)
            return QStringLiteral("You have given this idea already: give a different one");
    }

    for (const Stripped &s : strippings(answer)) {
        if (rightWith(s.rest))
            return extraHint(s, printedBeside(s, beside));
    }
    if (type == u"N" || type == u"F" || type == u"X" || type == u"R") {
        if (QString form = formHint(answer, key); !form.isEmpty())
            return form;
    }
    const QString typed = normalisedText(answer);
    for (const QString &accepted : acceptedTexts(keys, type, i)) {
        const QString text = normalisedText(accepted);
        if (text.size() >= 4 && hasLetter(text) && oneLetterAway(typed, text))
            return QStringLiteral("Check your spelling");
    }
    return {};
}

} // namespace marking

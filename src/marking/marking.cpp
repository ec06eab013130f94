#include "marking.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>

namespace marking {

namespace {

const QString ContinuationKey = QStringLiteral(" ");

// A group holds at most this many blanks; the search for a group's head looks back no further.
constexpr int GroupReach = 20;

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
    return keys.value(i) == ContinuationKey;
}

// The text as the flags compare it: a sentence's spaces folded (others' trimmed), and lower
// case unless case counts.
QString folded(const QString &text, const BlankFlags &flags)
{
    const QString t = flags.sentence ? foldedSentence(text) : trimSpaces(text);
    return flags.caseExact ? t : t.toLower();
}

// The text the flags compare, or nullopt when a sentence's optional final mark makes the
// comparison more than equality (MatchText decides then).
std::optional<QString> comparable(const QString &text, const BlankFlags &flags)
{
    if (flags.sentence && !flags.punctuationCounts)
        return std::nullopt;
    return folded(text, flags);
}

// The sets of a group with the ones already used marked. A set whose forms are all empty text
// can never be given, so it starts as used. Forms are compared as the flags say; without a
// sentence's optional mark each is made comparable once, as a group is judged blank by blank.
struct GroupState
{
    QStringList forms;    // every form of every set, in key order
    QStringList compared; // the forms made comparable, when equality decides
    QList<int> setOf;     // the set of each form
    QList<bool> used;     // per set
    BlankFlags flags;
    bool plain = true; // equality of comparable texts decides

    // The head key's alternatives, cut into sets by the set sizes of the flags, or one set per
    // alternative when there are none (or sizes that do not fit the key, as in a damaged
    // table). False when the key does not begin with ";".
    bool load(const QString &headKey, const BlankFlags &headFlags)
    {
        flags = headFlags;
        plain = !(flags.sentence && !flags.punctuationCounts);
        const std::optional<QStringList> alternatives = splitAlternatives(headKey);
        if (!alternatives)
            return false;
        forms = *alternatives;
        qsizetype total = 0;
        for (int size : flags.setSizes)
            total += size;
        const bool sets = !flags.setSizes.isEmpty() && total == forms.size();
        int set = -1;
        int left = 0; // forms still to come in the current set
        for (const QString &form : std::as_const(forms)) {
            if (left == 0) {
                ++set;
                left = sets ? flags.setSizes.at(set) : 1;
                used.append(true);
            }
            --left;
            setOf.append(set);
            const QString text = plain ? *comparable(form, flags) : normalisedText(form);
            if (plain)
                compared.append(text);
            used[set] = used.at(set) && text.isEmpty();
        }
        return true;
    }
    // Calls hit(set) for every set the answer belongs to, once per form that matches.
    template<typename Hit> void forMatching(const QString &answer, Hit hit) const
    {
        if (plain) {
            const QString typed = *comparable(answer, flags);
            if (typed.isEmpty())
                return;
            for (qsizetype f = 0; f < compared.size(); ++f) {
                if (compared.at(f) == typed)
                    hit(setOf.at(f));
            }
            return;
        }
        for (qsizetype f = 0; f < forms.size(); ++f) {
            if (MatchText(answer, forms.at(f), flags).right)
                hit(setOf.at(f));
        }
    }
    // Every set the answer belongs to becomes used.
    void claim(const QString &answer)
    {
        forMatching(answer, [this](int set) { used[set] = true; });
    }
    bool canTake(const QString &answer) const
    {
        bool free = false;
        forMatching(answer, [&](int set) { free = free || !used.at(set); });
        return free;
    }
    int setsMatching(const QString &answer) const
    {
        QList<bool> hit(used.size(), false);
        forMatching(answer, [&](int set) { hit[set] = true; });
        return int(hit.count(true));
    }
    // The first form, as the key writes it, of the n-th (from 1) set still unused.
    QString nthUnused(int n) const
    {
        int seen = 0;
        for (qsizetype f = 0; f < forms.size(); ++f) {
            const int set = setOf.at(f);
            if ((f == 0 || setOf.at(f - 1) != set) && !used.at(set) && ++seen == n)
                return forms.at(f);
        }
        return {};
    }
};

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

BlankFlags parseBlankFlags(const QString &field)
{
    BlankFlags flags;
    const qsizetype colon = field.indexOf(u':');
    for (QChar c : QStringView(field).left(colon < 0 ? field.size() : colon)) {
        if (c == u'C')
            flags.caseExact = true;
        else if (c == u'S')
            flags.sentence = true;
        else if (c == u'P')
            flags.punctuationCounts = true;
    }
    if (colon >= 0) {
        // A group holds at most 20 blanks, so sizes beyond a few hundred forms are damage.
        for (const QString &part : field.mid(colon + 1).split(u',')) {
            bool ok = false;
            const int size = part.toInt(&ok);
            if (!ok || size < 1 || size > 999) {
                flags.setSizes.clear();
                break;
            }
            flags.setSizes.append(size);
        }
    }
    return flags;
}

QString blankFlagsField(const BlankFlags &flags)
{
    QString field;
    if (flags.caseExact)
        field += u'C';
    if (flags.sentence)
        field += u'S';
    if (flags.punctuationCounts)
        field += u'P';
    if (!flags.setSizes.isEmpty()) {
        QStringList sizes;
        for (int size : flags.setSizes)
            sizes.append(QString::number(size));
        field += u':' + sizes.join(u',');
    }
    return field;
}

QString normalisedText(const QString &text)
{
    return trimSpaces(text).toLower();
}

QString foldedSentence(const QString &text)
{
    static const QString closingPunctuation = QStringLiteral(".,;:?!");
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case 0x2018: // curly and low single quotes, prime, acute accent, backtick
        case 0x2019:
        case 0x201A:
        case 0x201B:
        case 0x2032:
        case 0x00B4:
        case u'`':
            c = u'\'';
            break;
        case 0x201C: // curly and low double quotes, double prime
        case 0x201D:
        case 0x201E:
        case 0x201F:
        case 0x2033:
            c = u'"';
            break;
        case u'\t':
        case 0x00A0:
            c = u' ';
            break;
        default:
            break;
        }
        if (c == u' ') {
            if (!out.isEmpty() && !out.endsWith(u' '))
                out.append(c);
            continue;
        }
        if (closingPunctuation.contains(c) && out.endsWith(u' '))
            out.chop(1);
        out.append(c);
    }
    if (out.endsWith(u' '))
        out.chop(1);
    return out;
}

TextMatch MatchText(const QString &answer, const QString &accepted, const BlankFlags &flags)
{
    const QString a = folded(answer, flags);
    const QString k = folded(accepted, flags);
    if (a.isEmpty())
        return {};
    if (a == k)
        return {true, {}};
    if (!flags.sentence || flags.punctuationCounts)
        return {};
    // The final mark is optional; when both have one it must be the same.
    const auto finalMark = [](const QString &t) {
        return !t.isEmpty() && QStringLiteral(".?!").contains(t.back()) ? t.back() : QChar();
    };
    const QChar am = finalMark(a), km = finalMark(k);
    const QString aBody = am.isNull() ? a : a.chopped(1);
    const QString kBody = km.isNull() ? k : k.chopped(1);
    if (aBody.isEmpty() || aBody != kBody || (!am.isNull() && !km.isNull() && am != km))
        return {};
    return {true, am.isNull() ? km : QChar()};
}

int GroupHead(const QStringList &keys, int i)
{
    for (int j = i - 1; j >= 0 && j >= i - GroupReach; --j) {
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

QString MarkAnswer(const QString &answer, const QString &key, const QString &type,
                   const BlankFlags &flags)
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
    if (type == u"T" || type == u"L")
        return outcome(MatchText(answer, key, flags).right);
    if (type == u"Q")
        return outcome(normalisedText(answer) == normalisedText(key));
    if (type == u"F" || type == u"X" || type == u"R")
        return outcome(markSpacing(answer, key));
    return {};
}

QString MarkChoiceAnswer(const QStringList &answers, const QStringList &keys, int i,
                         const QStringList &flags)
{
    const QString answer = answers.value(i);
    if (!isContinuation(keys, i)) {
        GroupState group;
        return outcome(group.load(keys.value(i), parseBlankFlags(flags.value(i))) &&
                       group.canTake(answer));
    }

    const int head = GroupHead(keys, i);
    if (head < 0)
        return outcome(false);
    GroupState group;
    if (!group.load(keys.value(head), parseBlankFlags(flags.value(head))))
        return outcome(false);
    // Each set serves the earliest blank that gives one of its forms.
    for (int j = head; j < i; ++j)
        group.claim(answers.value(j));
    return outcome(group.canTake(answer));
}

QString ModelGroupAnswer(const QStringList &answers, const QStringList &keys, int i,
                         const QStringList &flags)
{
    const bool continuation = isContinuation(keys, i);
    const int head = continuation ? GroupHead(keys, i) : i;
    if (head < 0)
        return {};
    const int position = i - head + 1;

    int size = 1;
    while (size <= GroupReach && isContinuation(keys, head + size))
        ++size;

    GroupState group;
    if (!group.load(keys.value(head), parseBlankFlags(flags.value(head))))
        return {};

    // Earlier blanks that were right each used up one place in the list of model answers.
    int claimedBefore = 0;
    if (continuation) {
        for (int j = head; j < i; ++j)
            claimedBefore += group.setsMatching(answers.value(j));
    }

    for (int j = head; j < head + size; ++j)
        group.claim(answers.value(j));

    // The head always gets the first unclaimed alternative, also when its own answer is empty.
    if (!continuation)
        return group.nthUnused(1);
    const int rank = position - claimedBefore;
    return rank < 1 ? QString() : group.nthUnused(rank);
}

QString ModelAnswer(const QStringList &answers, const QStringList &keys, const QStringList &types,
                    int i, const QStringList &flags)
{
    const QString type = types.value(i);
    const QString key = keys.value(i);
    if (type == u"G")
        return ModelGroupAnswer(answers, keys, i, flags);
    if (type == u"M") {
        const std::optional<QStringList> alternatives = splitAlternatives(key);
        return alternatives ? alternatives->value(0) : key;
    }
    return key;
}

QString FlagNote(const QStringList &keys, const QStringList &types, int i, const QStringList &flags)
{
    const QString type = types.value(i);
    const int owner = type == u"G" && isContinuation(keys, i) ? GroupHead(keys, i) : i;
    if (owner < 0)
        return {};
    const BlankFlags f = parseBlankFlags(flags.value(owner));
    QStringList notes;
    if (f.caseExact && (type == u"T" || type == u"L" || type == u"M" || type == u"G"))
        notes.append(QStringLiteral("Capital letters count."));
    if (f.sentence && f.punctuationCounts && (type == u"T" || type == u"L" || type == u"M"))
        notes.append(QStringLiteral("The mark at the end counts."));
    if (!f.setSizes.isEmpty() && type == u"G")
        notes.append(QStringLiteral("Each idea scores once."));
    return notes.join(u' ');
}

TakeResult MarkTake(const QStringList &answers, const QStringList &keys, const QStringList &types,
                    const QStringList &marks, const QStringList &flags)
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
        const QString judged =
            (type == u"G" || type == u"M")
                ? MarkChoiceAnswer(answers, keys, i, flags)
                : MarkAnswer(answers.value(i), keys.at(i), type, parseBlankFlags(flags.value(i)));
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

#include "records.h"

#include <QFile>

#include <algorithm>

namespace records {

namespace {

// Windows-1252 bytes 0x80-0x9F. The five slots the code page leaves undefined map to the C1
// control of the same value so that no byte is lost on a round trip.
constexpr char16_t HighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

// The byte for a code point, or -1 when Windows-1252 cannot hold it.
int byteFor(char32_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return int(u);
    for (int i = 0; i < 32; ++i) {
        if (HighTable[i] == u)
            return 0x80 + i;
    }
    return -1;
}

bool keyIsUsable(QStringView key)
{
    if (key.isEmpty())
        return false;
    return std::none_of(key.begin(), key.end(),
                        [](QChar c) { return c == u'#' || c == u'>' || c == u'\r' || c == u'\n'; });
}

// Index in `line` just past the record marker "#key#", or -1 when the line holds no such marker.
qsizetype fieldStartForKey(QStringView line, QStringView key)
{
    if (!keyIsUsable(key))
        return -1;
    for (qsizetype at = line.indexOf(u'#'); at >= 0; at = line.indexOf(u'#', at + 1)) {
        const qsizetype end = at + 1 + key.size();
        if (end < line.size() && line[end] == u'#' && line.mid(at + 1, key.size()) == key)
            return end + 1;
    }
    return -1;
}

// For a line held in memory without its key: just past the first "#...#" marker, or -1.
qsizetype fieldStartOfLine(QStringView line)
{
    const qsizetype open = line.indexOf(u'#');
    if (open < 0)
        return -1;
    const qsizetype close = line.indexOf(u'#', open + 1);
    return close < 0 ? -1 : close + 1;
}

// The first n fields of the record whose field part starts at `start`; the n-th field holds the
// rest of the line. Missing fields are empty.
QStringList fieldsFrom(QStringView line, qsizetype start, int n)
{
    QStringList fields(n);
    if (start < 0 || n <= 0)
        return fields;
    qsizetype pos = line.indexOf(u'>', start);
    for (int k = 0; k < n && pos >= 0; ++k) {
        if (k == n - 1) {
            fields[k] = line.mid(pos + 1).toString();
            break;
        }
        const qsizetype next = line.indexOf(u'>', pos + 1);
        fields[k] = (next < 0 ? line.mid(pos + 1) : line.mid(pos + 1, next - pos - 1)).toString();
        pos = next;
    }
    return fields;
}

// Every field of the record whose field part starts at `start`.
QStringList allFieldsFrom(QStringView line, qsizetype start)
{
    if (start < 0)
        return {};
    const qsizetype first = line.indexOf(u'>', start);
    if (first < 0)
        return {};
    return line.mid(first + 1).toString().split(u'>');
}

int fieldCountFrom(QStringView line, qsizetype start)
{
    if (start < 0)
        return 0;
    return int(line.mid(start).count(u'>'));
}

int clampCount(int n, int capacity)
{
    return std::clamp(n, 0, capacity);
}

// Index of the next record marker ("#" KEY "#", KEY not empty and without ">") at or after
// `from`, or -1. Fields never hold "#", so any such marker inside a record is the start of
// another record whose line break was lost.
qsizetype nextMarker(QStringView line, qsizetype from)
{
    qsizetype at = line.indexOf(u'#', from);
    while (at >= 0) {
        const qsizetype close = line.indexOf(u'#', at + 1);
        if (close < 0)
            return -1;
        if (close > at + 1 && !line.sliced(at + 1, close - at - 1).contains(u'>'))
            return at;
        at = close;
    }
    return -1;
}

// The record of `key` in `line`: from its marker (the one opening the line when `atLineStart`,
// else the first one fieldStartForKey finds) to the next marker or the end of the line; empty
// text when there is no such marker.
QString recordFrom(const QString &line, QStringView key, bool atLineStart)
{
    qsizetype marker = 0;
    if (atLineStart) {
        if (!line.startsWith(u'#') || !QStringView(line).sliced(1).startsWith(key) ||
            line.size() <= key.size() + 1 || line[key.size() + 1] != u'#')
            return {};
    } else {
        const qsizetype start = fieldStartForKey(line, key);
        if (start < 0)
            return {};
        marker = start - key.size() - 2;
    }
    const qsizetype next = nextMarker(line, marker + key.size() + 2);
    if (marker == 0 && next < 0)
        return line;
    return line.mid(marker, next < 0 ? -1 : next - marker);
}

// The record of `key` among lines[from..]: the first line that opens with its marker or, when
// none does, the first line that holds the marker further on (two records run together); the
// record is cut at the next marker. `found` receives the line's index, -1 when there is none.
QString recordIn(const QStringList &lines, QStringView key, qsizetype from, qsizetype &found)
{
    found = -1;
    if (!keyIsUsable(key))
        return {};
    for (bool atLineStart : {true, false}) {
        for (qsizetype i = from; i < lines.size(); ++i) {
            QString record = recordFrom(lines[i], key, atLineStart);
            if (!record.isEmpty()) {
                found = i;
                return record;
            }
        }
    }
    return {};
}

// The record of `key` in the file, or empty text.
QString findLine(const QString &path, const QString &key)
{
    if (!keyIsUsable(key))
        return {};
    const std::optional<QStringList> lines = readLines(path);
    if (!lines)
        return {};
    qsizetype found = -1;
    return recordIn(*lines, key, 0, found);
}

QStringList readFieldsCapped(const QString &path, const QString &key, int n, int capacity)
{
    n = clampCount(n, capacity);
    const QString line = findLine(path, key);
    return fieldsFrom(line, fieldStartForKey(line, key), n);
}

// Walks the lines once, finding each key on or after the line after the previous match.
// `visit(keyIndex, record, fieldStart)` is called for every key found.
template<typename Visit>
void readSequentially(const QStringList &lines, const QStringList &keys, Visit visit)
{
    qsizetype from = 0;
    for (qsizetype k = 0; k < keys.size(); ++k) {
        qsizetype found = -1;
        const QString record = recordIn(lines, keys[k], from, found);
        if (found >= 0) {
            visit(k, record, fieldStartForKey(record, keys[k]));
            from = found + 1;
        }
    }
}

bool hasLineBreak(QStringView text)
{
    return text.contains(u'\r') || text.contains(u'\n');
}

// Why a record cannot be written as asked, or empty text when it can.
QString recordProblem(const QString &key, const QStringList &fields, int n)
{
    if (!keyIsUsable(key) || !fieldCanHold(key))
        return QStringLiteral("record key \"%1\" cannot be stored").arg(key);
    const qsizetype present = std::min<qsizetype>(n, fields.size());
    for (qsizetype i = 0; i < present; ++i) {
        if (!fieldCanHold(fields[i]))
            return QStringLiteral("field %1 of record \"%2\" holds a character that cannot be "
                                  "stored")
                .arg(i + 1)
                .arg(key);
    }
    return {};
}

} // namespace

// ---------------------------------------------------------------------------------------------

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = (u >= 0x80 && u < 0xA0) ? QChar(HighTable[u - 0x80]) : QChar(u);
    }
    return text;
}

QByteArray toWindows1252(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        char32_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            u = QChar::surrogateToUcs4(c, text[i + 1]);
            ++i;
        }
        const int b = byteFor(u);
        bytes.append(b < 0 ? '?' : char(b));
    }
    return bytes;
}

bool windows1252CanHold(QChar c)
{
    return byteFor(c.unicode()) >= 0;
}

bool fieldCanHold(QChar c)
{
    return windows1252CanHold(c) && c != u'>' && c != u'#' && c != u'\r' && c != u'\n';
}

bool fieldCanHold(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return fieldCanHold(c); });
}
QStringList splitLines(QStringView text)
{
    QStringList lines;
    qsizetype begin = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(begin, i - begin).toString());
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        begin = i + 1;
    }
    if (begin < size)
        lines.append(text.mid(begin).toString());
    return lines;
}

std::optional<QStringList> readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return splitLines(fromWindows1252(bytes));
}

bool lineMatchesKey(QStringView line, QStringView key)
{
    return fieldStartForKey(line, key) >= 0;
}

QString ReadValue(const QString &path, const QString &key)
{
    const QString line = findLine(path, key);
    const qsizetype start = fieldStartForKey(line, key);
    if (start < 0)
        return {};
    const qsizetype first = line.indexOf(u'>', start);
    return first < 0 ? QString() : line.mid(first + 1);
}

QStringList ReadFields(const QString &path, const QString &key, int n)
{
    return readFieldsCapped(path, key, n, FieldCapacity);
}

QStringList ReadFieldsSmall(const QString &path, const QString &key, int n)
{
    return readFieldsCapped(path, key, n, SmallCapacity);
}

QString ReadLine(const QString &path, const QString &key)
{
    return findLine(path, key);
}

QStringList SplitLine(const QString &line, int n)
{
    return fieldsFrom(line, fieldStartOfLine(line), clampCount(n, FieldCapacity));
}

QStringList SplitAnswerLine(const QString &line, int n)
{
    return fieldsFrom(line, fieldStartOfLine(line), clampCount(n, AnswerCapacity));
}

QStringList ReadAllFields(const QString &path, const QString &key)
{
    const QString line = findLine(path, key);
    return allFieldsFrom(line, fieldStartForKey(line, key));
}

QStringList allFields(const QString &line)
{
    return allFieldsFrom(line, fieldStartOfLine(line));
}

int countFields(const QString &line)
{
    return fieldCountFrom(line, fieldStartOfLine(line));
}

QList<int> CountQuestionFields(const QString &path, const QStringList &keys)
{
    QList<int> counts(keys.size(), 0);
    const std::optional<QStringList> lines = readLines(path);
    if (!lines)
        return counts;
    readSequentially(*lines, keys, [&](qsizetype k, const QString &line, qsizetype start) {
        counts[k] = fieldCountFrom(line, start);
    });
    return counts;
}

QStringList ReadQuestionFields(const QString &path, const QStringList &keys)
{
    QStringList fields;
    const std::optional<QStringList> lines = readLines(path);
    if (!lines)
        return fields;
    readSequentially(*lines, keys, [&](qsizetype, const QString &line, qsizetype start) {
        fields.append(allFieldsFrom(line, start));
    });
    return fields;
}

QStringList ReadPaperLines(const QString &path, int count)
{
    const std::optional<QStringList> lines = readLines(path);
    if (!lines)
        return QStringList(clampCount(count, PaperCapacity));
    return paperLines(*lines, count);
}

QStringList paperLines(const QStringList &lines, int count)
{
    count = clampCount(count, PaperCapacity);
    // As recordIn for every paper, in one pass over the lines (a damaged file may be large):
    // for each paper the first line that opens with its marker, else the first line that holds
    // it further on. Each paper's record is found by its own key wherever it stands, so records
    // out of order or a damaged line never hide the records after it.
    QList<qsizetype> atStart(count, -1), anywhere(count, -1);
    int startsFound = 0;
    for (qsizetype i = 0; i < lines.size() && startsFound < count; ++i) {
        const QStringView line = lines[i];
        for (qsizetype at = line.indexOf(u'#'); at >= 0;) {
            const qsizetype close = line.indexOf(u'#', at + 1);
            if (close < 0)
                break;
            const QStringView key = line.sliced(at + 1, close - at - 1);
            if (key.size() == 3 && std::all_of(key.begin(), key.end(),
                                               [](QChar c) { return c >= u'0' && c <= u'9'; })) {
                const int b = key.toInt() - 100;
                if (b >= 1 && b <= count) {
                    if (at == 0 && atStart[b - 1] < 0) {
                        atStart[b - 1] = i;
                        ++startsFound;
                    }
                    if (anywhere[b - 1] < 0)
                        anywhere[b - 1] = i;
                }
            }
            at = close;
        }
    }
    QStringList result(count);
    for (int b = 1; b <= count; ++b) {
        const QString key = QString::number(100 + b);
        if (atStart[b - 1] >= 0)
            result[b - 1] = recordFrom(lines[atStart[b - 1]], key, true);
        else if (anywhere[b - 1] >= 0)
            result[b - 1] = recordFrom(lines[anywhere[b - 1]], key, false);
    }
    return result;
}

QString findRecord(const QStringList &lines, QStringView key)
{
    qsizetype found = -1;
    return recordIn(lines, key, 0, found);
}

bool holdsSecondMarker(QStringView line)
{
    const qsizetype first = nextMarker(line, 0);
    if (first < 0)
        return false;
    return nextMarker(line, line.indexOf(u'#', first + 1) + 1) >= 0;
}

QString composeRecord(const QString &key, const QStringList &fields, int n)
{
    QString line = u'#' + key + u'#';
    for (int i = 0; i < n; ++i) {
        line += u'>';
        if (i < fields.size())
            line += fields[i];
    }
    return line;
}

QByteArray encodeLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += toWindows1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

SaveResult composePaperLines(const QStringList &lines, const QStringList &fields,
                             const QString &lineIndexText, const QString &key, int lineCount,
                             int fieldCount, QStringList &updated)
{
    bool isNumber = false;
    const int index = lineIndexText.trimmed().toInt(&isNumber);
    if (lineCount < 1 || lineCount > PaperCapacity)
        return SaveResult::refused(QStringLiteral("%1 lines cannot be read back (at most %2)")
                                       .arg(lineCount)
                                       .arg(PaperCapacity));
    if (!isNumber || index < 1 || index > lineCount)
        return SaveResult::refused(
            QStringLiteral("line %1 is not within 1..%2").arg(lineIndexText).arg(lineCount));
    if (fieldCount < 0 || fieldCount > AnswerCapacity)
        return SaveResult::refused(QStringLiteral("%1 fields cannot be read back (at most %2)")
                                       .arg(fieldCount)
                                       .arg(AnswerCapacity));
    if (const QString why = recordProblem(key, fields, fieldCount); !why.isEmpty())
        return SaveResult::refused(why);

    QStringList result = lines.mid(0, lineCount);
    while (result.size() < lineCount)
        result.append(QString());
    for (const QString &line : std::as_const(result)) {
        if (hasLineBreak(line))
            return SaveResult::refused(QStringLiteral("a line to be written holds a line break"));
        // It would read back as two records, the second one's marker inside a field.
        if (holdsSecondMarker(line))
            return SaveResult::refused(
                QStringLiteral("a line to be written holds two record markers"));
    }
    result[index - 1] = composeRecord(key, fields, fieldCount);
    updated = result;
    return SaveResult{true, {}};
}

SaveResult SavePaperLine(QStringList &lines, const QStringList &fields,
                         const QString &lineIndexText, const QString &key, int lineCount,
                         int fieldCount, const QString &path)
{
    QStringList updated;
    if (SaveResult composed =
            composePaperLines(lines, fields, lineIndexText, key, lineCount, fieldCount, updated);
        !composed)
        return composed;
    const SaveResult saved = writeFileAtomically(path, encodeLines(updated));
    if (saved) {
        // Keep lines beyond lineCount that the caller may hold; only the written ones change.
        const int index = lineIndexText.trimmed().toInt();
        while (lines.size() < lineCount)
            lines.append(QString());
        lines[index - 1] = updated[index - 1];
    }
    return saved;
}

SaveResult composeSummaryFile(const std::array<QStringList, 6> &values,
                              const std::array<QString, 6> &keys, int n, QByteArray &bytes)
{
    if (n < 0 || n > FieldCapacity)
        return SaveResult::refused(
            QStringLiteral("%1 fields cannot be read back (at most %2)").arg(n).arg(FieldCapacity));
    QStringList lines;
    for (std::size_t j = 0; j < keys.size(); ++j) {
        if (const QString why = recordProblem(keys[j], values[j], n); !why.isEmpty())
            return SaveResult::refused(why);
        lines.append(composeRecord(keys[j], values[j], n));
    }
    bytes = encodeLines(lines);
    return SaveResult{true, {}};
}

SaveResult SaveSummaryFile(const std::array<QStringList, 6> &values,
                           const std::array<QString, 6> &keys, int n, const QString &path)
{
    QByteArray bytes;
    if (SaveResult composed = composeSummaryFile(values, keys, n, bytes); !composed)
        return composed;
    return writeFileAtomically(path, bytes);
}
} // namespace records

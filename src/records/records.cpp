#include "records.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace records {

namespace {

// Windows-1252 bytes 0x80-0x9F. The five slots the code page leaves undefined map to the C1
// control of the same value so that no byte is lost on a round trip.
constexpr char16_t kHighTable[32] = {
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
        if (kHighTable[i] == u)
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

// The first line of the file that matches `key`, or empty text.
QString findLine(const QString &path, const QString &key)
{
    if (!keyIsUsable(key))
        return {};
    const std::optional<QStringList> lines = readLines(path);
    if (!lines)
        return {};
    for (const QString &line : *lines) {
        if (fieldStartForKey(line, key) >= 0)
            return line;
    }
    return {};
}

QStringList readFieldsCapped(const QString &path, const QString &key, int n, int capacity)
{
    n = clampCount(n, capacity);
    const QString line = findLine(path, key);
    return fieldsFrom(line, fieldStartForKey(line, key), n);
}

// Walks the lines once, finding each key on or after the line after the previous match.
// `visit(keyIndex, line, fieldStart)` is called for every key found.
template<typename Visit>
void readSequentially(const QStringList &lines, const QStringList &keys, Visit visit)
{
    qsizetype from = 0;
    for (qsizetype k = 0; k < keys.size(); ++k) {
        for (qsizetype i = from; i < lines.size(); ++i) {
            const qsizetype start = fieldStartForKey(lines[i], keys[k]);
            if (start >= 0) {
                visit(k, lines[i], start);
                from = i + 1;
                break;
            }
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

SaveResult refused(const QString &why)
{
    return SaveResult{false, why};
}

} // namespace

// ---------------------------------------------------------------------------------------------

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = (u >= 0x80 && u < 0xA0) ? QChar(kHighTable[u - 0x80]) : QChar(u);
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

#ifdef Q_OS_UNIX
namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// write(2) until every byte is out; false with errno set on the first failure.
bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, std::size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes, Keep keep)
{
    // Written unbuffered into a temporary file beside the target, synced, renamed over the
    // target, then the folder synced: the write counts only when every step succeeded, and
    // until the rename the old file is untouched.
    const QFileInfo target(path);
    if (target.isDir())
        return refused(QStringLiteral("%1 is a folder").arg(path));
    const QString folder = target.absolutePath();
    int fd = -1;
    QByteArray temp;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = QFile::encodeName(target.absoluteFilePath() + QLatin1String(InterruptedWriteMarker) +
                                 QString::number(QRandomGenerator::global()->generate(), 36));
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return refused(systemReason(errno));
    }
    if (fd < 0)
        return refused(QStringLiteral("no temporary file could be made beside %1").arg(path));

    const auto fail = [&](int error) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.constData());
        return refused(systemReason(error));
    };
    // Keep the permissions of the file being replaced.
    struct stat old
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    if (!writeAll(fd, bytes.constData(), bytes.size()))
        return fail(errno);
    if (keep == Keep::OnDisk && ::fsync(fd) != 0)
        return fail(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return fail(errno);
    if (::rename(temp.constData(), QFile::encodeName(path).constData()) != 0)
        return fail(errno);

    if (keep == Keep::Temporary)
        return SaveResult{true, {}};
    // The rename itself is durable only once the folder is.
    const int dir =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return refused(systemReason(errno));
    const int synced = ::fsync(dir);
    const int error = errno;
    ::close(dir);
    if (synced != 0)
        return refused(systemReason(error));
    return SaveResult{true, {}};
}
#else
SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes, Keep keep)
{
    // Unbuffered, so that a full disk fails the write itself instead of a flush whose error
    // QSaveFile::commit() may not report. QSaveFile syncs in any case.
    Q_UNUSED(keep);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return refused(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return refused(why);
    }
    if (!file.commit())
        return refused(file.errorString());
    return SaveResult{true, {}};
}
#endif

bool isInterruptedWrite(const QString &fileName)
{
    return fileName.contains(QLatin1String(InterruptedWriteMarker));
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
    count = clampCount(count, PaperCapacity);
    QStringList result(count);
    const std::optional<QStringList> lines = readLines(path);
    if (!lines)
        return result;
    // Each paper's record is found by its own key wherever it stands, so records out of order
    // or a damaged line never hide the records after it.
    for (int b = 1; b <= count; ++b) {
        const QString key = QString::number(100 + b);
        for (const QString &line : *lines) {
            if (fieldStartForKey(line, key) >= 0) {
                result[b - 1] = line;
                break;
            }
        }
    }
    return result;
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
        return refused(QStringLiteral("%1 lines cannot be read back (at most %2)")
                           .arg(lineCount)
                           .arg(PaperCapacity));
    if (!isNumber || index < 1 || index > lineCount)
        return refused(
            QStringLiteral("line %1 is not within 1..%2").arg(lineIndexText).arg(lineCount));
    if (fieldCount < 0 || fieldCount > AnswerCapacity)
        return refused(QStringLiteral("%1 fields cannot be read back (at most %2)")
                           .arg(fieldCount)
                           .arg(AnswerCapacity));
    if (const QString why = recordProblem(key, fields, fieldCount); !why.isEmpty())
        return refused(why);

    QStringList result = lines.mid(0, lineCount);
    while (result.size() < lineCount)
        result.append(QString());
    for (const QString &line : std::as_const(result)) {
        if (hasLineBreak(line))
            return refused(QStringLiteral("a line to be written holds a line break"));
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
        return refused(
            QStringLiteral("%1 fields cannot be read back (at most %2)").arg(n).arg(FieldCapacity));
    QStringList lines;
    for (std::size_t j = 0; j < keys.size(); ++j) {
        if (const QString why = recordProblem(keys[j], values[j], n); !why.isEmpty())
            return refused(why);
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

// ---------------------------------------------------------------------------------------------
// Files written together

namespace {

constexpr QByteArrayView JournalHead = "LARKSPUR JOURNAL 1\n";
constexpr QByteArrayView JournalEnd = "END ";

QByteArray journalDigest(QByteArrayView body)
{
    return QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex();
}

// A journal names its files by their plain names inside its own folder, nothing else.
bool plainFileName(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(u'\\') && !name.contains(u'\n') && !name.contains(QChar(0));
}

std::optional<QList<FileWrite>> parseJournal(const QByteArray &bytes, const QString &folder)
{
    if (!bytes.startsWith(JournalHead))
        return std::nullopt;
    const qsizetype end = bytes.lastIndexOf("\n" + JournalEnd.toByteArray());
    if (end < 0)
        return std::nullopt;
    const QByteArrayView body = QByteArrayView(bytes).first(end + 1);
    const QByteArray trailer = bytes.mid(end + 1 + JournalEnd.size());
    if (trailer != journalDigest(body) + "\n")
        return std::nullopt;

    QList<FileWrite> writes;
    qsizetype at = JournalHead.size();
    while (at < body.size()) {
        const qsizetype nameEnd = body.indexOf('\n', at);
        if (nameEnd < 0)
            return std::nullopt;
        const QString name = QString::fromUtf8(body.sliced(at, nameEnd - at));
        const qsizetype sizeEnd = body.indexOf('\n', nameEnd + 1);
        if (sizeEnd < 0 || !plainFileName(name))
            return std::nullopt;
        bool ok = false;
        const qsizetype size = body.sliced(nameEnd + 1, sizeEnd - nameEnd - 1).toLongLong(&ok);
        if (!ok || size < 0 || sizeEnd + 1 + size + 1 > body.size() ||
            body.at(sizeEnd + 1 + size) != '\n')
            return std::nullopt;
        writes.append(
            FileWrite{folder + u'/' + name, body.sliced(sizeEnd + 1, size).toByteArray()});
        at = sizeEnd + 1 + size + 1;
    }
    return writes;
}

bool removeDurably(const QString &path)
{
    if (!QFile::remove(path) && QFile::exists(path))
        return false;
#ifdef Q_OS_UNIX
    const int dir = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
#endif
    return true;
}

} // namespace

SaveResult composeJournal(const QString &journalPath, const QList<FileWrite> &writes,
                          QByteArray &bytes)
{
    const QString folder = QFileInfo(journalPath).absolutePath();
    QByteArray journal = JournalHead.toByteArray();
    for (const FileWrite &w : writes) {
        const QFileInfo info(w.path);
        if (info.absolutePath() != folder || !plainFileName(info.fileName()))
            return refused(QStringLiteral("%1 is not in the journal's folder").arg(w.path));
        journal += info.fileName().toUtf8() + '\n' + QByteArray::number(w.bytes.size()) + '\n' +
                   w.bytes + '\n';
    }
    journal += JournalEnd.toByteArray() + journalDigest(journal) + '\n';
    bytes = journal;
    return SaveResult{true, {}};
}

TogetherResult writeFilesTogether(const QString &journalPath, const QList<FileWrite> &writes)
{
    TogetherResult result;
    // An earlier set that never finished goes first: it is older than this one.
    if (const ReplayResult pending = replayJournal(journalPath); !pending.ok) {
        result.error = pending.error;
        return result;
    }

    QByteArray journal;
    if (const SaveResult composed = composeJournal(journalPath, writes, journal); !composed) {
        result.error = composed.error;
        return result;
    }
    QList<std::optional<QByteArray>> before;
    for (const FileWrite &w : writes) {
        QFile file(w.path);
        before.append(file.open(QIODevice::ReadOnly) ? std::optional<QByteArray>(file.readAll())
                                                     : std::nullopt);
    }

    // Once the journal is on disk the set counts as written: a crash from here on is finished
    // by replayJournal at the next start.
    if (const SaveResult saved = writeFileAtomically(journalPath, journal); !saved) {
        result.error = saved.error;
        return result;
    }
    for (qsizetype i = 0; i < writes.size(); ++i) {
        const SaveResult saved = writeFileAtomically(writes[i].path, writes[i].bytes);
        if (saved)
            continue;
        result.error = saved.error;
        // Put back what was already written, so the set is either all there or not at all.
        bool restored = true;
        for (qsizetype j = 0; j < i; ++j) {
            if (before[j])
                restored = writeFileAtomically(writes[j].path, *before[j]).ok && restored;
            else
                restored = removeDurably(writes[j].path) && restored;
        }
        if (restored && removeDurably(journalPath))
            return result;
        result.written = true; // the journal stays and finishes the set at the next start
        result.finished = false;
        return result;
    }
    result.ok = true;
    result.written = true;
    result.finished = removeDurably(journalPath);
    return result;
}

ReplayResult replayJournal(const QString &journalPath)
{
    ReplayResult result;
    QFile file(journalPath);
    if (!file.exists())
        return result;
    if (!file.open(QIODevice::ReadOnly)) {
        result.ok = false;
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    const std::optional<QList<FileWrite>> writes =
        parseJournal(bytes, QFileInfo(journalPath).absolutePath());
    // A journal that does not read back whole was never finished being written, so none of
    // its files was touched: dropping it leaves every file as it was.
    if (writes) {
        for (const FileWrite &w : *writes) {
            if (const SaveResult saved = writeFileAtomically(w.path, w.bytes); !saved) {
                result.ok = false;
                result.error = saved.error;
                return result;
            }
        }
        result.replayed = true;
    }
    if (!removeDurably(journalPath)) {
        result.ok = false;
        result.error = QStringLiteral("%1 could not be removed").arg(journalPath);
    }
    return result;
}

} // namespace records

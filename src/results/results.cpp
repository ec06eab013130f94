#include "results.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace results {

namespace {

QString summaryKey(int r)
{
    return QString::fromLatin1(SummaryKeys[std::size_t(r)]);
}

QString freshSummaryValue(int r)
{
    return (r == FST || r == SST) ? QStringLiteral("0") : QString();
}

// The index of paper `paperNumber` in a record of paperCount fields, or -1.
int paperIndex(int paperNumber, int paperCount)
{
    const int index = paperNumber - 101;
    return (index >= 0 && index < paperCount) ? index : -1;
}

void padTo(QStringList &list, int count, const QString &value)
{
    while (list.size() < count)
        list.append(value);
}

// A record holding more fields than asked for (a template of a longer paper, a course whose
// paper count changed) leaves the surplus, separators included, in the last field. Those
// fields belong to nothing here; dropping them keeps ">" out of every field, so the record can
// be written back, and the next write gives it the right number of fields.
QStringList withoutSurplus(QStringList fields)
{
    if (!fields.isEmpty())
        fields.last() = fields.last().section(u'>', 0, 0);
    return fields;
}

bool isFiller(const QString &line)
{
    return std::all_of(line.begin(), line.end(),
                       [](QChar c) { return c == u'.' || c == u'-' || c == u' '; });
}

// The key of a line that opens with a record marker ("#KEY#" then nothing or ">"), or empty.
QString markerKey(const QString &line)
{
    if (!line.startsWith(u'#'))
        return {};
    const qsizetype close = line.indexOf(u'#', 1);
    if (close <= 1 || (close + 1 < line.size() && line[close + 1] != u'>'))
        return {};
    return line.mid(1, close - 1);
}

// True when every field of an outcome record holds a tick, a cross or nothing. Anything else
// (a tick re-encoded by another program, say) would silently count as not right.
bool outcomesOnly(const QString &line, const QString &key)
{
    const QStringList fields = line.mid(key.size() + 2).split(u'>');
    return std::all_of(fields.begin() + 1, fields.end(), [](const QString &f) {
        return f.isEmpty() || f == QChar(RightTick) || f == QChar(WrongTick);
    });
}

// A copy is kept before the first rewrite of a damaged file; the result names it.
records::SaveResult copyAsideIfDamaged(bool damaged, const QString &path)
{
    records::SaveResult kept{true, {}};
    if (damaged && QFile::exists(path)) {
        QString copy;
        kept = keepDamagedCopy(path, copy);
        if (!kept)
            kept.error =
                QStringLiteral("a copy of the damaged file could not be kept (%1)").arg(kept.error);
        kept.keptCopy = copy;
    }
    return kept;
}

// Rewrites a result file whole, keeping a copy first when the file was found damaged; the result
// names the copy.
records::SaveResult rewriteKeepingDamaged(bool damaged, const QString &path,
                                          const QByteArray &bytes)
{
    records::SaveResult kept = copyAsideIfDamaged(damaged, path);
    if (!kept)
        return kept;
    records::SaveResult saved = records::writeFileAtomically(path, bytes);
    saved.keptCopy = kept.keptCopy;
    return saved;
}

} // namespace

QString baseName(ResultFile file)
{
    switch (file) {
    case ResultFile::Summary:
        return QStringLiteral("marks");
    case ResultFile::FirstAnswers:
        return QStringLiteral("first");
    case ResultFile::SecondAnswers:
        return QStringLiteral("second");
    case ResultFile::FirstResults:
        return QStringLiteral("fresults");
    case ResultFile::SecondResults:
        return QStringLiteral("sresults");
    case ResultFile::Trend:
        return QStringLiteral("trend");
    }
    return {};
}

QString resultFilePath(const QString &dataFolder, ResultFile file, int subject, const QString &code)
{
    return dataFolder + u'/' + baseName(file) + QString::number(subject) + code +
           QStringLiteral(".txt");
}

int templateItem(ResultFile file, int subject)
{
    return 30100 + 10 * subject + static_cast<int>(file);
}

QByteArray makeTemplate(ResultFile file, const QList<int> &blanksPerPaper)
{
    const int papers = int(blanksPerPaper.size());
    QStringList lines;
    switch (file) {
    case ResultFile::Trend:
        return "#TRD#\r\n";
    case ResultFile::Summary:
        lines.append(QStringLiteral("..."));
        for (int r = FSE; r <= SST; ++r)
            lines.append(records::composeRecord(summaryKey(r),
                                                QStringList(papers, freshSummaryValue(r)), papers));
        return records::encodeLines(lines) + "...";
    default:
        lines.append(QStringLiteral("..."));
        for (int p = 0; p < papers; ++p)
            lines.append(records::composeRecord(QString::number(101 + p), {}, blanksPerPaper[p]));
        lines.append(QStringLiteral("..."));
        return records::encodeLines(lines);
    }
}

QString Summary::field(SummaryRecord r, int paperNumber) const
{
    return records[r].value(paperNumber - 101);
}

Summary ReadSummary(const QString &path, int paperCount)
{
    Summary summary;
    const std::optional<QStringList> lines = records::readLines(path);
    const QStringList none;
    for (int r = FSE; r <= SST; ++r)
        summary.records[std::size_t(r)] = withoutSurplus(records::SplitLine(
            records::findRecord(lines ? *lines : none, summaryKey(r)), paperCount));
    summary.damaged = lines && fileDamaged(*lines, FileShape::Summary, paperCount);
    // FST and SST are the last records: a summary cut short loses them first. A paper whose
    // score is still there was marked.
    for (qsizetype j = 0; j < summary[FST].size(); ++j) {
        if (summary[FST][j].isEmpty() && !summary[FSE][j].isEmpty())
            summary[FST][j] = QStringLiteral("1");
        if (summary[SST][j].isEmpty() && !summary[SSE][j].isEmpty())
            summary[SST][j] = QStringLiteral("1");
    }
    return summary;
}

records::SaveResult composeSummary(const Summary &summary, int paperCount, QByteArray &bytes)
{
    std::array<QString, 6> keys;
    for (int r = FSE; r <= SST; ++r)
        keys[std::size_t(r)] = summaryKey(r);
    return records::composeSummaryFile(summary.records, keys, paperCount, bytes);
}

records::SaveResult SaveSummary(const QString &path, const Summary &summary, int paperCount)
{
    QByteArray bytes;
    if (records::SaveResult composed = composeSummary(summary, paperCount, bytes); !composed)
        return composed;
    return rewriteKeepingDamaged(summary.damaged, path, bytes);
}

bool setFirstTake(Summary &summary, int paperNumber, int paperCount, const QString &percent,
                  const QString &elapsed, const QString &date)
{
    const int j = paperIndex(paperNumber, paperCount);
    if (j < 0)
        return false;
    for (int r = FSE; r <= SST; ++r)
        padTo(summary.records[std::size_t(r)], paperCount, freshSummaryValue(r));
    summary[FSE][j] = percent;
    summary[LTM][j] = elapsed;
    summary[CDD][j] = date;
    summary[FST][j] = QStringLiteral("1");
    return true;
}

bool setSecondTake(Summary &summary, int paperNumber, int paperCount, const QString &percent)
{
    const int j = paperIndex(paperNumber, paperCount);
    if (j < 0)
        return false;
    for (int r = FSE; r <= SST; ++r)
        padTo(summary.records[std::size_t(r)], paperCount, freshSummaryValue(r));
    summary[SSE][j] = percent;
    summary[SST][j] = QStringLiteral("1");
    return true;
}

TakeRecord ReadTakeRecord(const QString &path, int paperCount, int paperNumber, int blankCount,
                          FileShape shape)
{
    TakeRecord record;
    const std::optional<QStringList> all = records::readLines(path);
    record.loaded = all.has_value();
    record.damaged = all && fileDamaged(*all, shape, paperCount);
    record.lines = records::paperLines(all ? *all : QStringList(), paperCount);
    const int j = paperIndex(paperNumber, int(record.lines.size()));
    record.fields =
        withoutSurplus(records::SplitAnswerLine(j < 0 ? QString() : record.lines[j], blankCount));
    return record;
}

QStringList freshPaperLines(int templateItemNumber, int paperCount)
{
    const std::optional<QByteArray> bytes = content::itemBytes(templateItemNumber);
    const QStringList lines =
        records::splitLines(bytes ? records::fromWindows1252(*bytes) : QString());
    QStringList fresh;
    for (int p = 0; p < paperCount; ++p) {
        const QString key = QString::number(101 + p);
        QString line = u'#' + key + u'#';
        for (const QString &l : lines) {
            if (l.startsWith(line) && markerKey(l) == key) {
                line = l;
                break;
            }
        }
        fresh.append(line);
    }
    return fresh;
}

records::SaveResult composeTakeFile(const TakeRecord &record, int paperNumber, int paperCount,
                                    int blankCount, const QStringList &freshLines,
                                    QByteArray &bytes, QStringList &lines)
{
    if (paperCount < 1 || paperCount > records::PaperCapacity)
        return records::SaveResult{false,
                                   QStringLiteral("%1 papers cannot be read back").arg(paperCount)};
    if (paperIndex(paperNumber, paperCount) < 0)
        return records::SaveResult{false, QStringLiteral("paper %1 is not within 101..%2")
                                              .arg(paperNumber)
                                              .arg(100 + paperCount)};
    // Every paper gets a well-formed record: its own as read from its marker on, or a fresh one.
    QStringList out;
    for (int p = 0; p < paperCount; ++p) {
        const QString key = QString::number(101 + p);
        const QString marker = u'#' + key + u'#';
        const QString read = record.lines.value(p);
        const qsizetype at = read.indexOf(marker);
        if (at >= 0)
            out.append(read.mid(at));
        else
            out.append(freshLines.value(p, marker));
    }
    const records::SaveResult composed =
        records::composePaperLines(out, record.fields, QString::number(paperNumber - 100),
                                   QString::number(paperNumber), paperCount, blankCount, out);
    if (!composed)
        return composed;
    bytes = records::encodeLines(out);
    lines = out;
    return records::SaveResult{true, {}};
}

records::SaveResult SaveTakeRecord(TakeRecord &record, int paperNumber, int paperCount,
                                   int blankCount, const QString &path,
                                   const QStringList &freshLines)
{
    TakeRecord current = record;
    if (!current.loaded) {
        // Unreadable when the paper opened: it may be readable now (the pupil was asked to try
        // again). Its records are taken as they are now; this paper's fields stay ours.
        const TakeRecord now = ReadTakeRecord(path, paperCount, paperNumber, blankCount);
        if (!now.loaded && QFile::exists(path))
            return records::SaveResult{false, QStringLiteral("the file could not be read")};
        current.lines = now.lines;
        current.damaged = now.damaged;
        current.loaded = true;
    }
    QByteArray bytes;
    QStringList lines;
    if (records::SaveResult composed =
            composeTakeFile(current, paperNumber, paperCount, blankCount, freshLines, bytes, lines);
        !composed)
        return composed;
    records::SaveResult saved = rewriteKeepingDamaged(current.damaged, path, bytes);
    if (saved) {
        record.lines = lines;
        record.loaded = true;
        record.damaged = false;
    }
    return saved;
}

bool fileDamaged(const QStringList &lines, FileShape shape, int paperCount)
{
    QStringList expected;
    if (shape == FileShape::PaperRecords || shape == FileShape::Outcomes) {
        for (int p = 0; p < paperCount; ++p)
            expected.append(QString::number(101 + p));
    } else if (shape == FileShape::Summary) {
        for (const char *key : SummaryKeys)
            expected.append(QString::fromLatin1(key));
    } else {
        expected.append(QStringLiteral("TRD"));
    }
    QStringList seen;
    for (const QString &line : lines) {
        if (isFiller(line))
            continue;
        const QString key = markerKey(line);
        if (!expected.contains(key) || seen.contains(key) || records::holdsSecondMarker(line))
            return true;
        if (shape == FileShape::Summary && records::countFields(line) > paperCount)
            return true;
        if (shape == FileShape::Outcomes && !outcomesOnly(line, key))
            return true;
        seen.append(key);
    }
    return seen.size() != expected.size();
}

QString damagedCopyPath(const QString &path, const QDate &date)
{
    const QFileInfo info(path);
    const QString stem = info.absolutePath() + u'/' + info.completeBaseName() +
                         QStringLiteral("-damaged-") + date.toString(Qt::ISODate);
    QString candidate = stem + QStringLiteral(".txt");
    for (int n = 2; QFile::exists(candidate); ++n)
        candidate = stem + QStringLiteral("-%1.txt").arg(n);
    return candidate;
}

records::SaveResult keepDamagedCopy(const QString &path, QString &copyPath, const QDate &date,
                                    bool *alreadyKept)
{
    if (alreadyKept)
        *alreadyKept = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return records::SaveResult{false, file.errorString()};
    const QByteArray bytes = file.readAll();
    // The same damage copied the same day already has its copy.
    const QFileInfo info(path);
    const QString first = info.absolutePath() + u'/' + info.completeBaseName() +
                          QStringLiteral("-damaged-") + date.toString(Qt::ISODate);
    for (int n = 1;; ++n) {
        const QString name =
            n == 1 ? first + QStringLiteral(".txt") : first + QStringLiteral("-%1.txt").arg(n);
        QFile existing(name);
        if (!existing.open(QIODevice::ReadOnly))
            break;
        if (existing.readAll() == bytes) {
            copyPath = name;
            if (alreadyKept)
                *alreadyKept = true;
            return records::SaveResult{true, {}};
        }
    }
    copyPath = damagedCopyPath(path, date);
    return records::writeFileAtomically(copyPath, bytes);
}

QStringList ReadTrend(const QString &path)
{
    const std::optional<QStringList> lines = records::readLines(path);
    return lines ? records::allFields(records::findRecord(*lines, u"TRD")) : QStringList();
}

records::SaveResult composeTrend(const QString &path, const QString &percentText, QByteArray &bytes,
                                 bool &damaged)
{
    if (!records::fieldCanHold(percentText))
        return records::SaveResult{false, QStringLiteral("the score text cannot be stored")};
    // Read once: the checks and the entries come from the same bytes.
    const std::optional<QStringList> lines = records::readLines(path);
    if (!lines && QFile::exists(path))
        return records::SaveResult{false, QStringLiteral("the file could not be read")};
    damaged = lines && fileDamaged(*lines, FileShape::Trend, 0);
    QStringList entries =
        lines ? records::allFields(records::findRecord(*lines, u"TRD")) : QStringList();
    entries.append(percentText);
    const QString line =
        records::composeRecord(QStringLiteral("TRD"), entries, int(entries.size()));
    bytes = records::encodeLines({line});
    return records::SaveResult{true, {}};
}

records::SaveResult AppendTrend(const QString &path, const QString &percentText)
{
    QByteArray bytes;
    bool damaged = false;
    if (records::SaveResult composed = composeTrend(path, percentText, bytes, damaged); !composed)
        return composed;
    return rewriteKeepingDamaged(damaged, path, bytes);
}

QString elapsedText(qint64 seconds)
{
    seconds = std::max<qint64>(seconds, 0);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg((seconds % 3600) / 60)
        .arg(seconds % 60);
}

QString shortDateText(const QDate &date, const QLocale &locale)
{
    if (!date.isValid())
        return {};
    const QString text = locale.toString(date, QLocale::ShortFormat);
    if (!text.isEmpty() && records::fieldCanHold(text))
        return text;
    return date.toString(Qt::ISODate);
}

} // namespace results

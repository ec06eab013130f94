#include "results.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// True when the file exists but cannot be read: rewriting it would lose what it holds.
bool existsUnreadable(const QString &path)
{
    return QFile::exists(path) && !records::readLines(path).has_value();
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

QList<FileRef> ResetResults(const QString &dataFolder, const content::CourseDescriptor &course)
{
    QList<FileRef> failed;
    for (int s = 1; s <= 3; ++s) {
        if (!course.subjects[s - 1].exists())
            continue;
        for (ResultFile f : AllResultFiles) {
            const QString path = resultFilePath(dataFolder, f, s, course.code);
            if (content::ExtractItem(templateItem(f, s), QStringLiteral("Custom"), path) !=
                content::ExtractOk)
                failed.append(FileRef{s, f});
        }
    }
    return failed;
}

QString backupFolderPath(const QString &dataFolder, const QDateTime &when)
{
    return dataFolder + QStringLiteral("/Backups/results-") +
           when.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
}

BackupOutcome BackupResults(const QString &dataFolder, const content::CourseDescriptor &course,
                            const QDateTime &when)
{
    BackupOutcome out;
    // Two resets within a second must not share (and overwrite) one folder.
    const QString base = backupFolderPath(dataFolder, when);
    QString folder = base;
    for (int n = 2; QFileInfo::exists(folder); ++n)
        folder = base + QStringLiteral("-%1").arg(n);
    if (!QDir().mkpath(folder))
        return out;
    out.folder = folder;
    out.folderMade = true;
    for (int s = 1; s <= 3; ++s) {
        if (!course.subjects[s - 1].exists())
            continue;
        for (ResultFile f : AllResultFiles) {
            const QString path = resultFilePath(dataFolder, f, s, course.code);
            if (!QFile::exists(path))
                continue;
            QFile in(path);
            const bool read = in.open(QIODevice::ReadOnly);
            const QByteArray bytes = read ? in.readAll() : QByteArray();
            const QString target = folder + u'/' + QFileInfo(path).fileName();
            if (!read || in.error() != QFileDevice::NoError ||
                !records::writeFileAtomically(target, bytes))
                out.failed.append(FileRef{s, f});
            else
                ++out.copied;
        }
    }
    return out;
}

QList<ResultFile> EnsureResultFiles(const QString &dataFolder, int subject, const QString &code)
{
    QList<ResultFile> stillMissing;
    for (ResultFile f : AllResultFiles) {
        const QString path = resultFilePath(dataFolder, f, subject, code);
        if (QFile::exists(path))
            continue;
        if (content::ExtractItem(templateItem(f, subject), QStringLiteral("Custom"), path) !=
            content::ExtractOk)
            stillMissing.append(f);
    }
    return stillMissing;
}

QList<FileRef> EnsureAllResultFiles(const QString &dataFolder,
                                    const content::CourseDescriptor &course)
{
    QList<FileRef> stillMissing;
    for (int s = 1; s <= 3; ++s) {
        if (!course.subjects[s - 1].exists())
            continue;
        for (ResultFile f : EnsureResultFiles(dataFolder, s, course.code))
            stillMissing.append(FileRef{s, f});
    }
    return stillMissing;
}

QString Summary::field(SummaryRecord r, int paperNumber) const
{
    return records[r].value(paperNumber - 101);
}

Summary ReadSummary(const QString &path, int paperCount)
{
    Summary summary;
    for (int r = FSE; r <= SST; ++r)
        summary.records[std::size_t(r)] =
            withoutSurplus(records::ReadFields(path, summaryKey(r), paperCount));
    return summary;
}

records::SaveResult SaveSummary(const QString &path, const Summary &summary, int paperCount)
{
    std::array<QString, 6> keys;
    for (int r = FSE; r <= SST; ++r)
        keys[std::size_t(r)] = summaryKey(r);
    return records::SaveSummaryFile(summary.records, keys, paperCount, path);
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

TakeRecord ReadTakeRecord(const QString &path, int paperCount, int paperNumber, int blankCount)
{
    TakeRecord record;
    record.loaded = records::readLines(path).has_value();
    record.lines = records::ReadPaperLines(path, paperCount);
    const int j = paperIndex(paperNumber, int(record.lines.size()));
    record.fields =
        withoutSurplus(records::SplitAnswerLine(j < 0 ? QString() : record.lines[j], blankCount));
    return record;
}

records::SaveResult SaveTakeRecord(TakeRecord &record, int paperNumber, int paperCount,
                                   int blankCount, const QString &path)
{
    if (!record.loaded && QFile::exists(path))
        return records::SaveResult{false, QStringLiteral("the file could not be read")};
    const records::SaveResult saved =
        records::SavePaperLine(record.lines, record.fields, QString::number(paperNumber - 100),
                               QString::number(paperNumber), paperCount, blankCount, path);
    if (saved)
        record.loaded = true;
    return saved;
}

QStringList ReadTrend(const QString &path)
{
    return records::ReadAllFields(path, QStringLiteral("TRD"));
}

records::SaveResult AppendTrend(const QString &path, const QString &percentText)
{
    if (existsUnreadable(path))
        return records::SaveResult{false, QStringLiteral("the file could not be read")};
    if (!records::fieldCanHold(percentText))
        return records::SaveResult{false, QStringLiteral("the score text cannot be stored")};
    QStringList entries = ReadTrend(path);
    entries.append(percentText);
    const QString line =
        records::composeRecord(QStringLiteral("TRD"), entries, int(entries.size()));
    return records::writeFileAtomically(path, records::encodeLines({line}));
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

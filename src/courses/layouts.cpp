#include "courses/layouts.h"

#include "courses/tables.h"
#include "records/records.h"
#include "results/results.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>

namespace courses {

namespace {

using results::ResultFile;

constexpr std::array<ResultFile, 4> PaperFiles{ResultFile::FirstAnswers, ResultFile::SecondAnswers,
                                               ResultFile::FirstResults, ResultFile::SecondResults};
const QString LayoutKey = QStringLiteral("LAY");
// The stamps of the tables the layouts were taken from: while they are unchanged, the layouts
// are too, and a start need not unpack and read the tables.
const QString SourceKey = QStringLiteral("SRC");

QStringList tableStamps(int subject)
{
    return {QString::fromLatin1(
                content::itemStamp(content::tableItem(subject, content::PaperTable::PaperList))),
            QString::fromLatin1(
                content::itemStamp(content::tableItem(subject, content::PaperTable::AnswerTypes)))};
}

// Every field of the record `key` among `lines` (none when there is no such record).
QStringList recordFields(const QStringList &lines, const QString &key)
{
    return records::allFields(records::findRecord(lines, key));
}

QByteArray layoutFileBytes(const QStringList &layouts, const QStringList &stamps)
{
    QStringList lines{records::composeRecord(LayoutKey, layouts, int(layouts.size()))};
    if (!stamps.contains(QString()))
        lines.append(records::composeRecord(SourceKey, stamps, int(stamps.size())));
    return records::encodeLines(lines);
}

std::optional<Table> itemTable(int item)
{
    const std::optional<QByteArray> bytes = content::itemBytes(item);
    QString problem;
    return bytes ? parseTable(*bytes, QString(), problem) : std::nullopt;
}

// A result file as stored: its records by key, or nullopt when it holds something a rewrite
// would lose (the damaged-file handling takes those).
struct StoredFile
{
    bool exists = false;
    QMap<QString, QStringList> records;
};

std::optional<StoredFile> readStored(const QString &path, const QStringList &allowedKeys,
                                     bool paperKeys)
{
    StoredFile stored;
    if (!QFile::exists(path))
        return stored;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString problem;
    const std::optional<Table> table = parseTable(file.readAll(), path, problem);
    if (!table)
        return std::nullopt;
    stored.exists = true;
    for (const auto &[key, fields] : table->records) {
        const int paper = key.toInt();
        const bool known = paperKeys ? (paper >= 101 && paper <= 100 + records::PaperCapacity &&
                                        key == QString::number(paper))
                                     : allowedKeys.contains(key);
        if (!known)
            return std::nullopt;
        stored.records.insert(key, fields);
    }
    return stored;
}

bool anyText(const QStringList &fields)
{
    return std::any_of(fields.begin(), fields.end(),
                       [](const QString &f) { return !f.trimmed().isEmpty(); });
}

QString archivePathFor(const QString &dataFolder, int subject, const QString &code,
                       const QDate &today, const QByteArray &bytes)
{
    const QString stem =
        archiveFolderPath(dataFolder) +
        QStringLiteral("/results%1%2-%3").arg(subject).arg(code, today.toString(Qt::ISODate));
    for (int n = 1;; ++n) {
        const QString name =
            n == 1 ? stem + QStringLiteral(".txt") : stem + QStringLiteral("-%1.txt").arg(n);
        QFile existing(name);
        if (!existing.exists())
            return name;
        // The same records archived once already (an update cut short): that copy serves.
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
            return name;
    }
}

} // namespace

QList<PaperLayout> paperLayouts(int subject, int paperCount)
{
    const std::optional<Table> paperList =
        itemTable(content::tableItem(subject, content::PaperTable::PaperList));
    const std::optional<Table> types =
        itemTable(content::tableItem(subject, content::PaperTable::AnswerTypes));
    if (!paperList || !types)
        return {};
    QList<PaperLayout> layouts;
    for (int p = 1; p <= paperCount; ++p) {
        const QStringList *ids = paperList->fields(QString::number(100 + p));
        if (!ids || ids->isEmpty())
            return {};
        PaperLayout layout;
        QStringList shape;
        for (const QString &id : *ids) {
            const QStringList *t = types->fields(id);
            if (!t || t->isEmpty())
                return {};
            layout.blanks += int(t->size());
            shape.append(t->join(u','));
        }
        const QByteArray digest =
            QCryptographicHash::hash(shape.join(u'|').toUtf8(), QCryptographicHash::Sha256);
        layout.fingerprint = QString::fromLatin1(digest.toHex().left(16));
        layouts.append(layout);
    }
    return layouts;
}

QString layoutFilePath(const QString &dataFolder, int subject, const QString &code)
{
    return dataFolder + QStringLiteral("/layouts%1%2.txt").arg(subject).arg(code);
}

QString archiveFolderPath(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/Archive");
}

namespace {

UpdateOutcome keepSubjectsAcrossUpdate(const QString &dataFolder,
                                       const content::CourseDescriptor &course, int first, int last,
                                       const QDate &today)
{
    UpdateOutcome outcome;
    for (int s = std::max(first, 1); s <= std::min(last, 3); ++s) {
        const content::SubjectInfo &info = course.subjects[std::size_t(s - 1)];
        if (!info.exists() || info.paperCount < 1)
            continue;
        const int P = info.paperCount;
        const QString layoutPath = layoutFilePath(dataFolder, s, course.code);
        const QStringList layoutLines = records::readLines(layoutPath).value_or(QStringList());
        const QStringList stored = recordFields(layoutLines, LayoutKey);
        const QStringList stamps = tableStamps(s);
        // The usual start: the tables are the ones the recorded layouts came from.
        if (stored.size() == P && !stored.contains(QString()) && !stamps.contains(QString()) &&
            recordFields(layoutLines, SourceKey) == stamps)
            continue;
        const QList<PaperLayout> layouts = paperLayouts(s, P);
        if (layouts.size() != P)
            continue; // the paper load reports a broken table; nothing to compare with
        QStringList current;
        for (const PaperLayout &l : layouts)
            current.append(l.fingerprint);
        // The layouts recorded last time are today's: the result files need not be read at all,
        // and the tables' stamps are recorded for the next start.
        if (stored == current) {
            if (const records::SaveResult r =
                    records::writeFileAtomically(layoutPath, layoutFileBytes(current, stamps));
                !r)
                outcome.errors.append(QStringLiteral("%1: %2").arg(layoutPath, r.error));
            continue;
        }

        // The stored files; a damaged one leaves the subject to the damaged-file handling.
        std::array<std::optional<StoredFile>, 4> files;
        std::array<QString, 4> paths;
        bool sound = true;
        for (std::size_t f = 0; f < PaperFiles.size(); ++f) {
            paths[f] = results::resultFilePath(dataFolder, PaperFiles[f], s, course.code);
            files[f] = readStored(paths[f], {}, true);
            sound = sound && files[f].has_value();
        }
        QStringList summaryKeys;
        for (const char *key : results::SummaryKeys)
            summaryKeys.append(QString::fromLatin1(key));
        const QString summaryPath =
            results::resultFilePath(dataFolder, ResultFile::Summary, s, course.code);
        const std::optional<StoredFile> summary = readStored(summaryPath, summaryKeys, false);
        if (!sound || !summary) {
            continue;
        }

        // The papers the stored results cover.
        int storedPapers = 0;
        for (const std::optional<StoredFile> &file : files) {
            for (auto it = file->records.constBegin(); it != file->records.constEnd(); ++it)
                storedPapers = std::max(storedPapers, it.key().toInt() - 100);
        }
        for (const QString &key : summaryKeys)
            storedPapers = std::max(storedPapers, int(summary->records.value(key).size()));
        storedPapers = std::min(storedPapers, int(records::PaperCapacity));

        const auto summaryField = [&](int r, int p) {
            return summary->records.value(summaryKeys.at(r)).value(p - 1);
        };
        QList<int> archived;
        QList<bool> fresh(P, false); // the paper's records start anew
        bool reshaped = storedPapers != P;
        for (int p = 1; p <= std::max(P, storedPapers); ++p) {
            const QString key = QString::number(100 + p);
            bool inUse =
                summaryField(results::FST, p) == u"1" || summaryField(results::SST, p) == u"1";
            for (int r = results::FSE; r <= results::CDD; ++r)
                inUse = inUse || !summaryField(r, p).trimmed().isEmpty();
            bool changed = false;
            for (const std::optional<StoredFile> &file : files) {
                const auto it = file->records.constFind(key);
                if (it == file->records.constEnd())
                    continue;
                inUse = inUse || anyText(*it);
                // Without a stored fingerprint, the records' own shape tells the old layout.
                if (p <= P && stored.value(p - 1).isEmpty() && it->size() != layouts[p - 1].blanks)
                    changed = true;
            }
            if (p > P)
                changed = true;
            else if (!stored.value(p - 1).isEmpty())
                changed = stored.value(p - 1) != current.at(p - 1);
            if (!changed)
                continue;
            reshaped = true;
            if (p <= P)
                fresh[p - 1] = true;
            if (inUse)
                archived.append(100 + p);
        }
        if (!reshaped) {
            const QByteArray bytes = layoutFileBytes(current, stamps);
            if (const records::SaveResult r = records::writeFileAtomically(layoutPath, bytes); !r)
                outcome.errors.append(QStringLiteral("%1: %2").arg(layoutPath, r.error));
            continue;
        }

        // 1. The archive: every record of the archived papers, with what they belonged to.
        QString archivePath;
        if (!archived.isEmpty()) {
            QStringList lines{QStringLiteral("...")};
            lines << records::composeRecord(QStringLiteral("NME"), {course.name}, 1)
                  << records::composeRecord(QStringLiteral("COD"), {course.code}, 1)
                  << records::composeRecord(QStringLiteral("SUB"), {info.name}, 1)
                  << records::composeRecord(QStringLiteral("DAT"), {today.toString(Qt::ISODate)},
                                            1);
            QStringList numbers;
            for (int paper : std::as_const(archived))
                numbers.append(QString::number(paper));
            lines << records::composeRecord(QStringLiteral("PAPERS"), numbers, int(numbers.size()));
            for (int paper : std::as_const(archived)) {
                const QString key = QString::number(paper);
                for (std::size_t f = 0; f < PaperFiles.size(); ++f) {
                    const auto it = files[f]->records.constFind(key);
                    if (it != files[f]->records.constEnd())
                        lines << records::composeRecord(results::baseName(PaperFiles[f]) + key, *it,
                                                        int(it->size()));
                }
                QStringList scores;
                for (int r = results::FSE; r <= results::SST; ++r)
                    scores.append(summaryField(r, paper - 100));
                lines << records::composeRecord(QStringLiteral("marks") + key, scores, 6);
                const QString fingerprint = stored.value(paper - 101);
                if (!fingerprint.isEmpty())
                    lines << records::composeRecord(QStringLiteral("layout") + key, {fingerprint},
                                                    1);
            }
            lines << QStringLiteral("...");
            const QByteArray bytes = records::encodeLines(lines);
            QDir().mkpath(archiveFolderPath(dataFolder));
            archivePath = archivePathFor(dataFolder, s, course.code, today, bytes);
            if (const records::SaveResult r = records::writeFileAtomically(archivePath, bytes);
                !r) {
                outcome.errors.append(QStringLiteral("%1: %2").arg(archivePath, r.error));
                continue; // nothing is rewritten: the results stay where they are
            }
        }

        // 2. The result files in the course's shape, and the fingerprints, as one step.
        QList<records::FileWrite> writes;
        for (std::size_t f = 0; f < PaperFiles.size(); ++f) {
            QStringList lines;
            for (int p = 1; p <= P; ++p) {
                const QString key = QString::number(100 + p);
                const auto it = files[f]->records.constFind(key);
                const bool keep = !fresh[p - 1] && it != files[f]->records.constEnd();
                lines << records::composeRecord(key, keep ? *it : QStringList(),
                                                keep ? int(it->size()) : layouts[p - 1].blanks);
            }
            writes.append({paths[f], records::encodeLines(lines)});
        }
        results::Summary next;
        for (int r = results::FSE; r <= results::SST; ++r) {
            QStringList fields;
            for (int p = 1; p <= P; ++p) {
                const QString value = summaryField(r, p);
                const bool blank =
                    fresh[p - 1] || p > int(summary->records.value(summaryKeys.at(r)).size());
                fields.append(blank ? (r >= results::FST ? QStringLiteral("0") : QString())
                                    : value);
            }
            next.records[std::size_t(r)] = fields;
        }
        QByteArray summaryBytes;
        if (const records::SaveResult r = results::composeSummary(next, P, summaryBytes); !r) {
            outcome.errors.append(QStringLiteral("%1: %2").arg(summaryPath, r.error));
            continue;
        }
        writes.append({summaryPath, summaryBytes});
        writes.append({layoutPath, layoutFileBytes(current, stamps)});
        const records::TogetherResult written =
            records::writeFilesTogether(results::journalPath(dataFolder), writes);
        if (!written.written) {
            outcome.errors.append(written.error);
            continue;
        }
        if (!archived.isEmpty())
            outcome.archived.append({s, info.name, archived, archivePath});
    }
    return outcome;
}

} // namespace

UpdateOutcome keepResultsAcrossUpdate(const QString &dataFolder,
                                      const content::CourseDescriptor &course, const QDate &today)
{
    return keepSubjectsAcrossUpdate(dataFolder, course, 1, 3, today);
}

UpdateOutcome keepResultsAcrossUpdate(const QString &dataFolder,
                                      const content::CourseDescriptor &course, int subject,
                                      const QDate &today)
{
    return keepSubjectsAcrossUpdate(dataFolder, course, subject, subject, today);
}

} // namespace courses

// SPDX-License-Identifier: GPL-3.0-or-later
#include "results.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

// The data folder as a whole: its result files made, reset and backed up, and what a crash may
// have left in it found and cleared at start-up.
namespace results {

QList<FileRef> ResetResults(const QString &dataFolder, const content::CourseDescriptor &course)
{
    QFile::remove(journalPath(dataFolder));
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

bool anyResultFile(const QString &dataFolder, int subject, const QString &code)
{
    return std::any_of(AllResultFiles.begin(), AllResultFiles.end(), [&](ResultFile f) {
        return QFile::exists(resultFilePath(dataFolder, f, subject, code));
    });
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

QString journalPath(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/marking.journal");
}

QString leftoversFolderPath(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/Leftovers");
}

namespace {

// The names of the temporary files the program itself makes in the data folder of a course with
// this code (see RecoverDataFolder).
QRegularExpression ownTemporaries(const QString &code)
{
    QStringList bases;
    for (ResultFile f : AllResultFiles)
        bases.append(baseName(f));
    const QString results =
        QStringLiteral("(?:%1)[1-3]%2").arg(bases.join(u'|'), QRegularExpression::escape(code));
    const auto plain = [](const QString &path) {
        return QRegularExpression::escape(QFileInfo(path).fileName());
    };
    const QString extracted = plain(content::tableTempPath(QString())) + u'|' +
                              plain(content::descriptorTempPath(QString())) +
                              QStringLiteral("|temppaper\\d+\\.mht");
    const QString written =
        QStringLiteral("%1\\.txt|%1-damaged-\\d{4}-\\d{2}-\\d{2}(?:-\\d+)?\\.txt|%2|%3")
            .arg(results, plain(journalPath(QString())), extracted);
    const QString marker =
        QRegularExpression::escape(QLatin1String(records::InterruptedWriteMarker));
    return QRegularExpression(
        QStringLiteral("^(?:%1|(?:%2)%3[0-9a-z]{1,7})$").arg(extracted, written, marker));
}

} // namespace

Recovery RecoverDataFolder(const QString &dataFolder, const QString &code)
{
    Recovery recovery;
    const records::ReplayResult replay = records::replayJournal(journalPath(dataFolder));
    recovery.ok = replay.ok;
    recovery.replayed = replay.replayed;
    recovery.failedPath = replay.path;
    recovery.error = replay.error;

    // Names that look like temporary files: the program's own are left behind only by a crash
    // (every routine that writes one deletes it after use) and are removed. Anything else of
    // that look (a hand-made "marks1LPP.txt.backup", the "<file>.txt.XXXXXX" of old versions)
    // is not the program's to delete: it is moved to the Leftovers folder.
    static const QRegularExpression lookalike(
        QStringLiteral("^.+\\.txt\\.[A-Za-z0-9]{6}$|^temppaper.*\\.mht$"));
    const QDir folder(dataFolder);
    const QString leftovers = leftoversFolderPath(dataFolder);
    const QRegularExpression own = ownTemporaries(code);
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!code.isEmpty() && own.match(name).hasMatch()) {
            if (QFile::remove(folder.filePath(name)))
                ++recovery.removedTemporaries;
            continue;
        }
        if (!records::isInterruptedWrite(name) && !lookalike.match(name).hasMatch())
            continue;
        if (!QDir().mkpath(leftovers))
            continue;
        QString target = leftovers + u'/' + name;
        for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
            target = leftovers + u'/' + name + QStringLiteral("-%1").arg(n);
        if (QFile::rename(folder.filePath(name), target))
            ++recovery.movedLeftovers;
    }
    return recovery;
}

} // namespace results

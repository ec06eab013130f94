// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/journal.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace records {

namespace {

SaveResult refused(const QString &why)
{
    return SaveResult{false, why};
}

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

// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/journal.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace records {

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

std::optional<QList<FileWrite>> parseJournal(QByteArrayView bytes, const QString &folder)
{
    if (bytes.size() > MaxJournalSize || !bytes.startsWith(JournalHead))
        return std::nullopt;
    const qsizetype end = bytes.lastIndexOf(QByteArrayView("\nEND "));
    if (end < JournalHead.size() - 1)
        return std::nullopt;
    const QByteArrayView body = bytes.first(end + 1);
    if (bytes.sliced(end + 1 + JournalEnd.size()) != journalDigest(body) + "\n")
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
        // Plain decimal digits only, few enough that the value cannot overflow; then the size
        // must fit the bytes left after its line, with the closing line end.
        const QByteArrayView digits = body.sliced(nameEnd + 1, sizeEnd - nameEnd - 1);
        if (digits.isEmpty() || digits.size() > 18 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        qsizetype size = 0;
        for (const char c : digits)
            size = size * 10 + (c - '0');
        const qsizetype left = body.size() - (sizeEnd + 1);
        if (size >= left || body.at(sizeEnd + 1 + size) != '\n')
            return std::nullopt;
        writes.append(
            FileWrite{folder + u'/' + name, body.sliced(sizeEnd + 1, size).toByteArray()});
        at = sizeEnd + 1 + size + 1;
    }
    return writes;
}

SaveResult composeJournal(const QString &journalPath, const QList<FileWrite> &writes,
                          QByteArray &bytes)
{
    const QString folder = QFileInfo(journalPath).absolutePath();
    QByteArray journal = JournalHead.toByteArray();
    for (const FileWrite &w : writes) {
        const QFileInfo info(w.path);
        if (info.absolutePath() != folder || !plainFileName(info.fileName()))
            return SaveResult::refused(
                QStringLiteral("%1 is not in the journal's folder").arg(w.path));
        journal += info.fileName().toUtf8() + '\n' + QByteArray::number(w.bytes.size()) + '\n' +
                   w.bytes + '\n';
    }
    journal += JournalEnd.toByteArray() + journalDigest(journal) + '\n';
    // Start-up drops a larger journal unread; a set that large is refused here instead.
    if (journal.size() > MaxJournalSize)
        return SaveResult::refused(
            QStringLiteral("the files are too large to be written together"));
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
    const auto fail = [&](const QString &path, const QString &why) {
        result.ok = false;
        result.path = path;
        result.error = why;
        return result;
    };
    const QFileInfo info(journalPath);
    if (!info.exists())
        return result;
    if (info.isDir())
        return fail(journalPath, QStringLiteral("%1 is a folder").arg(journalPath));
    // A journal larger than any set of writes is none of ours: it is dropped unread.
    QByteArray bytes;
    if (info.size() <= MaxJournalSize) {
        QFile file(journalPath);
        if (!file.open(QIODevice::ReadOnly))
            return fail(journalPath, file.errorString());
        bytes = file.read(MaxJournalSize + 1);
    }
    const std::optional<QList<FileWrite>> writes = parseJournal(bytes, info.absolutePath());
    // A journal that does not read back whole was never finished being written, so none of
    // its files was touched: dropping it leaves every file as it was.
    if (writes) {
        for (const FileWrite &w : *writes) {
            if (const SaveResult saved = writeFileAtomically(w.path, w.bytes); !saved)
                return fail(w.path, saved.error);
        }
        result.replayed = true;
    }
    if (!removeDurably(journalPath))
        return fail(journalPath, QStringLiteral("%1 could not be removed").arg(journalPath));
    return result;
}

} // namespace records

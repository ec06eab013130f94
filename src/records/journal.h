#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

// Files written together, part of the records module (see records.h).

#include "records/atomicwrite.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace records {

// Files written together
//
// Some changes span several files (a mark changes the outcomes, the summary and the trend). They
// are written as one step through a journal in the files' folder: the journal, holding every
// file's new bytes, is written and synced first, then each file is replaced, then the journal
// is removed. After a crash at any moment, replayJournal at the next start either finds no
// journal (no file was touched) or finishes every file from it.

struct FileWrite
{
    QString path; // in the journal's folder
    QByteArray bytes;
};

struct TogetherResult
{
    bool ok = false;      // every file holds its new bytes
    bool written = false; // the set counts as written (ok, or left to the journal to finish)
    bool finished = true; // false while the journal still has to finish the set
    QString error;        // why a write failed
};

// Writes the files as one step. A pending journal is finished first (refused when that fails).
// When a file cannot be written, the files written before it are put back as they were and the
// journal is dropped (ok and written false); only when that too fails is the journal left to
// finish the set at the next start (written true, finished false).
TogetherResult writeFilesTogether(const QString &journalPath, const QList<FileWrite> &writes);

// The journal's bytes for a set of writes (refused for a file outside the journal's folder, and
// beyond MaxJournalSize).
SaveResult composeJournal(const QString &journalPath, const QList<FileWrite> &writes,
                          QByteArray &bytes);

struct ReplayResult
{
    bool ok = true;        // no journal, or it was finished (or dropped as never completed)
    bool replayed = false; // a complete journal was written out
    QString path;          // the file that could not be written (or the journal itself)
    QString error;
};

// No set of writes makes a larger journal (composeJournal refuses one), so a larger file is
// dropped unread.
inline constexpr qsizetype MaxJournalSize = 64 * 1024 * 1024;

// The writes a journal holds; nullopt unless it is complete and well-formed (its digest
// matches, every name is a plain file name, every size fits the bytes that follow).
std::optional<QList<FileWrite>> parseJournal(QByteArrayView bytes, const QString &folder);

// Finishes what a journal holds and removes it; a journal that was never completed is dropped.
ReplayResult replayJournal(const QString &journalPath);

} // namespace records

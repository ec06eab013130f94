#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

// The one write routine of the program, part of the records module (see records.h).

#include <QByteArray>
#include <QString>

#include <utility>

namespace records {

struct SaveResult
{
    SaveResult(bool ok = false, QString error = {}, QString keptCopy = {})
        : ok(ok), error(std::move(error)), keptCopy(std::move(keptCopy))
    {
    }
    bool ok = false;
    QString error; // why the write failed (system reason or the refused content); empty on success
    QString keptCopy; // a damaged file was copied aside here before it was rewritten
    explicit operator bool() const { return ok; }
    // A write that did not happen, and why.
    static SaveResult refused(QString why) { return SaveResult(false, std::move(why)); }
};

// The one write routine of the program: replaces the file at `path` with `bytes` atomically.
// Done only when every byte reached the disk: the bytes go to a temporary file beside the
// target (its name holds InterruptedWriteMarker), which is synced and renamed over the target,
// and then the folder is synced. On any failure (a full disk included) the error comes back and
// the previous file, if any, stays exactly as it was. A new file gets mode 0600; a replaced
// file keeps its mode.
//
// A temporary file (a table or a question document written out to be read at once, a picture
// written again at every start) needs no sync: a crash cannot lose anything it holds, and the
// syncs would only slow down opening a paper. It is still written whole or not at all.
enum class Keep
{
    OnDisk,   // synced: results and everything else that must survive a power cut
    Temporary // not synced
};
SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes,
                               Keep keep = Keep::OnDisk);

// The temporary file of a write that never finished (the program was killed in between) keeps
// this in its name; start-up removes such files.
inline constexpr auto InterruptedWriteMarker = ".part-";
bool isInterruptedWrite(const QString &fileName);

} // namespace records

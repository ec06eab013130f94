// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds the journal parser any bytes: once as they come (a journal file as found at start-up)
// and once sealed with the head and a matching digest, so that the checks of names and sizes
// behind the digest see every input too.

#include "records/journal.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(QByteArrayView bytes)
{
    const std::optional<QList<records::FileWrite>> writes =
        records::parseJournal(bytes, QStringLiteral("/journal-folder"));
    if (!writes)
        return;
    qsizetype total = 0;
    for (const records::FileWrite &w : *writes) {
        total += w.bytes.size();
        if (!w.path.startsWith(QStringLiteral("/journal-folder/")) ||
            w.path.sliced(16).contains(u'/'))
            std::abort(); // a journal names files of its own folder only
    }
    if (total > bytes.size())
        std::abort(); // no file can be larger than the journal that holds it
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    check(input);

    QByteArray sealed = QByteArrayLiteral("LARKSPUR JOURNAL 1\n") + input.toByteArray();
    if (!sealed.endsWith('\n'))
        sealed += '\n';
    sealed += "END " + QCryptographicHash::hash(sealed, QCryptographicHash::Sha256).toHex() + '\n';
    check(sealed);
    return 0;
}

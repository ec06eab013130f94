// SPDX-License-Identifier: GPL-3.0-or-later

#include "records/atomicwrite.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace records {

namespace {

#ifdef Q_OS_UNIX
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

#endif

} // namespace

#ifdef Q_OS_UNIX
SaveResult writeFileAtomically(const QString &path, const QByteArray &bytes, Keep keep)
{
    // Written unbuffered into a temporary file beside the target, synced, renamed over the
    // target, then the folder synced: the write counts only when every step succeeded, and
    // until the rename the old file is untouched.
    const QFileInfo target(path);
    if (target.isDir())
        return SaveResult::refused(QStringLiteral("%1 is a folder").arg(path));
    const QString folder = target.absolutePath();
    int fd = -1;
    QByteArray temp;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = QFile::encodeName(target.absoluteFilePath() + QLatin1String(InterruptedWriteMarker) +
                                 QString::number(QRandomGenerator::global()->generate(), 36));
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            return SaveResult::refused(systemReason(errno));
    }
    if (fd < 0)
        return SaveResult::refused(
            QStringLiteral("no temporary file could be made beside %1").arg(path));

    const auto fail = [&](int error) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.constData());
        return SaveResult::refused(systemReason(error));
    };
    // A new file is the pupil's alone (0600, whatever the umask); a file being replaced keeps
    // its permissions, so that a mode the pupil chose survives every rewrite.
    struct stat old
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &old) == 0 &&
        ::fchmod(fd, old.st_mode & 07777) != 0)
        return fail(errno);
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
        return SaveResult::refused(systemReason(errno));
    const int synced = ::fsync(dir);
    const int error = errno;
    ::close(dir);
    if (synced != 0)
        return SaveResult::refused(systemReason(error));
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
        return SaveResult::refused(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return SaveResult::refused(why);
    }
    if (!file.commit())
        return SaveResult::refused(file.errorString());
    return SaveResult{true, {}};
}
#endif

bool isInterruptedWrite(const QString &fileName)
{
    return fileName.contains(QLatin1String(InterruptedWriteMarker));
}
} // namespace records

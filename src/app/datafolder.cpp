#include "app/datafolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app {

namespace {

using Fault = DataFolder::Fault;

QString parentOf(const QString &path)
{
    return QFileInfo(path).path();
}

bool statOf(const QString &path, struct stat &info)
{
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

// A failed mkdir/access on `path`, by its errno. `detail` names what the pupil must look at.
Fault faultOf(int error, const QString &path, QString &detail)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return Fault::NoPermission;
    case EROFS:
        return Fault::ReadOnly;
    case ENOENT:
    case ENOTDIR:
    case ELOOP:
        detail = QDir::toNativeSeparators(parentOf(path));
        return Fault::MissingParent;
    default:
        detail = qt_error_string(error);
        return Fault::Other;
    }
}

// The folder can be read, written and entered (root passes whatever the mode, but not on a
// read-only file system).
Fault usable(const QString &path, QString &detail)
{
    struct stat info;
    if (!statOf(path, info))
        return faultOf(errno, path, detail);
    if (!S_ISDIR(info.st_mode))
        return Fault::NotAFolder;
    if (::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), R_OK | W_OK | X_OK,
                    AT_EACCESS) != 0)
        return faultOf(errno, path, detail);
    return Fault::None;
}

// Makes `path` and the folders above it that are missing, each readable by its owner only:
// the results are the pupil's own, and a home folder is often readable by every account.
Fault makeFolder(const QString &path, QString &detail)
{
    struct stat info;
    if (statOf(path, info) || errno != ENOENT)
        return usable(path, detail);
    QStringList toMake{path};
    for (QString above = parentOf(path); above != toMake.first(); above = parentOf(above)) {
        if (statOf(above, info)) {
            if (!S_ISDIR(info.st_mode)) {
                detail = QDir::toNativeSeparators(above);
                return Fault::MissingParent;
            }
            break;
        }
        if (errno != ENOENT)
            return faultOf(errno, above, detail);
        // A link that leads nowhere (a drive that is not mounted, say) is not made a folder.
        if (::lstat(QFile::encodeName(above).constData(), &info) == 0) {
            detail = QDir::toNativeSeparators(above);
            return Fault::MissingParent;
        }
        toMake.prepend(above);
    }
    for (const QString &folder : std::as_const(toMake)) {
        if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST)
            return faultOf(errno, folder, detail);
    }
    return usable(path, detail);
}

} // namespace

FolderChoice resolveFolderChoice(const QString &given, const QString &source,
                                 const QString &currentFolder, const QString &homeFolder)
{
    FolderChoice choice;
    if (given.trimmed().isEmpty()) {
        choice.refusal = QStringLiteral("%1 is blank; give it a folder.").arg(source);
    } else if (given.trimmed() != given) {
        choice.refusal =
            QStringLiteral("%1 '%2' begins or ends with a space; give the folder without it.")
                .arg(source, given);
    } else if (given == QStringLiteral("~") || given.startsWith(QStringLiteral("~/"))) {
        // The shell did not expand it (quoted, or after '='): read it as the shell would.
        choice.path = QDir::cleanPath(homeFolder + given.mid(1));
        choice.note =
            QStringLiteral("%1: '~' is read as the home folder: %2").arg(source, choice.path);
    } else if (given.startsWith(QLatin1Char('~'))) {
        choice.refusal = QStringLiteral("%1 '%2' names another account's home folder, which "
                                        "Larkspur does not look up; give the folder's full path.")
                             .arg(source, given);
    } else if (QDir::isRelativePath(given)) {
        choice.path = QDir::cleanPath(currentFolder + QLatin1Char('/') + given);
        choice.note = QStringLiteral("%1: '%2' is read from the current folder: %3")
                          .arg(source, given, choice.path);
    } else {
        choice.path = QDir::cleanPath(given);
    }
    return choice;
}

DataFolder prepareDataFolder(const QString &chosen)
{
    DataFolder folder;
    QString given = chosen;
    const QString home = qEnvironmentVariable("LARKSPUR_HOME");
    // Empty counts as not set, as with the XDG variables.
    if (given.isEmpty() && !home.isEmpty()) {
        const FolderChoice choice = resolveFolderChoice(home, QStringLiteral("LARKSPUR_HOME"),
                                                        QDir::currentPath(), QDir::homePath());
        if (!choice.refusal.isEmpty()) {
            folder.path = home;
            folder.fault = Fault::Refused;
            folder.detail = choice.refusal;
            return folder;
        }
        given = choice.path;
    }
    folder.path =
        given.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : given;
    if (folder.path.isEmpty()) {
        folder.fault = Fault::Other;
        folder.detail = QStringLiteral("No per-user data folder is known on this system.");
        return folder;
    }
    folder.path = QDir::cleanPath(QDir(folder.path).absolutePath());
    folder.fault = makeFolder(folder.path, folder.detail);
    folder.ok = folder.fault == Fault::None;
    return folder;
}

int exitCodeOf(DataFolder::Fault fault)
{
    switch (fault) {
    case Fault::None:
        return ExitOk;
    case Fault::Refused:
        return ExitUsage;
    case Fault::NotAFolder:
        return ExitNotAFolder;
    case Fault::MissingParent:
        return ExitMissingParent;
    case Fault::NoPermission:
        return ExitNoPermission;
    case Fault::ReadOnly:
        return ExitReadOnly;
    case Fault::Other:
        break;
    }
    return ExitFailed;
}

QString dataFolderFaultText(const DataFolder &folder)
{
    QString why;
    switch (folder.fault) {
    case Fault::None:
        return QString();
    case Fault::NotAFolder:
        why = QStringLiteral("It is a file, not a folder.");
        break;
    case Fault::MissingParent:
        why = QStringLiteral("The folder above it, %1, is missing and cannot be made, or is not a "
                             "folder.")
                  .arg(folder.detail);
        break;
    case Fault::NoPermission:
        why = QStringLiteral("You have no permission to make it or to write in it.");
        break;
    case Fault::ReadOnly:
        why = QStringLiteral("It is on a disk that cannot be written to (read-only).");
        break;
    case Fault::Refused:
    case Fault::Other:
        why = folder.detail;
        break;
    }
    return QStringLiteral("Larkspur cannot use its data folder:\n%1\n\n%2\n\nPlease choose a "
                          "folder you can write to (with --data-dir or LARKSPUR_HOME), then "
                          "start Larkspur again.")
        .arg(QDir::toNativeSeparators(folder.path), why);
}

SingleInstance::SingleInstance(const QString &dataFolder)
    : m_lock(std::make_unique<QLockFile>(lockFilePath(dataFolder)))
{
    // A running copy never refreshes its lock, so age must not make it stale; a lock whose
    // process has gone is still recognised as stale.
    m_lock->setStaleLockTime(0);
}

bool SingleInstance::tryLock()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}

QString SingleInstance::lockFilePath(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/larkspur.lock");
}

QString alreadyRunningText()
{
    return QStringLiteral("Larkspur is already running.");
}

QString lockFailureText(QLockFile::LockError error, const QString &dataFolder)
{
    if (error == QLockFile::LockFailedError)
        return alreadyRunningText();
    return QStringLiteral("Larkspur cannot write to its data folder, so it cannot keep your "
                          "results:\n%1\n\nPlease check that this folder can be written to, "
                          "then start Larkspur again.")
        .arg(QDir::toNativeSeparators(dataFolder));
}

int lockFailureExitCode(QLockFile::LockError error)
{
    switch (error) {
    case QLockFile::LockFailedError:
        return ExitAlreadyRunning;
    case QLockFile::PermissionError:
        return ExitNoPermission;
    default:
        return ExitFailed;
    }
}

} // namespace app

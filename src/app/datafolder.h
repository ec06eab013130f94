#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace app {

// The program's exit codes; --help and the manual page list them (commandline.cpp).
enum ExitCode
{
    ExitOk = 0,
    ExitFailed = 1,         // start-up failed, or the self-test found a fault
    ExitUsage = 2,          // the command line or LARKSPUR_HOME was refused
    ExitAlreadyRunning = 3, // another copy uses the data folder
    ExitNotAFolder = 4,     // the data folder's path is a file
    ExitMissingParent = 5,  // a folder above it is missing and cannot be made
    ExitNoPermission = 6,   // no permission to make or write the data folder
    ExitReadOnly = 7,       // the data folder is on a read-only file system
    ExitNoDisplay = 8,      // no display to show the windows on
};

// A folder given by --data-dir or LARKSPUR_HOME, as a full path. "~" and "~/..." are read as the
// home folder, a relative path from the current folder; either way `note` says what was made of
// it. A blank path, one with spaces at either end and "~name" are refused (`refusal`).
struct FolderChoice
{
    QString path;
    QString note;
    QString refusal;
};
FolderChoice resolveFolderChoice(const QString &given, const QString &source,
                                 const QString &currentFolder, const QString &homeFolder);

// The program's one writable folder: the folder chosen on the command line (--data-dir), else
// $LARKSPUR_HOME when set and not empty, otherwise the per-user application data folder.
// Created when missing, readable by its owner only (0700); a folder that exists keeps its mode.
struct DataFolder
{
    enum class Fault
    {
        None,
        Refused,       // LARKSPUR_HOME cannot be read as a folder (detail: why)
        NotAFolder,    // the path is a file
        MissingParent, // detail: the folder above that is missing or not a folder
        NoPermission,
        ReadOnly,
        Other, // detail: the system's reason
    };
    QString path;
    bool ok = false;
    Fault fault = Fault::None;
    QString detail;
};
DataFolder prepareDataFolder(const QString &chosen = QString());

int exitCodeOf(DataFolder::Fault fault);

// What the pupil is told when the data folder cannot be used: the folder and the reason.
QString dataFolderFaultText(const DataFolder &folder);

// One copy of the program per data folder: two copies would overwrite each other's results.
// The lock is held for the object's lifetime; a lock left behind by a copy that crashed is
// taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &dataFolder);
    bool tryLock();
    // Why tryLock failed: LockFailedError when another copy holds the lock; any other error
    // means the lock file could not be made (a read-only folder, for one).
    QLockFile::LockError error() const { return m_lock->error(); }
    static QString lockFilePath(const QString &dataFolder);

private:
    std::unique_ptr<QLockFile> m_lock;
};

QString alreadyRunningText();

// What the pupil is told when the lock could not be taken: another copy is running, or the
// data folder (named) cannot be written.
QString lockFailureText(QLockFile::LockError error, const QString &dataFolder);
int lockFailureExitCode(QLockFile::LockError error);

} // namespace app

#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

namespace app {

// The program's one writable folder: the folder chosen on the command line (--data-dir), else
// $LARKSPUR_HOME when set, otherwise the per-user application data folder. Created when missing.
struct DataFolder
{
    QString path;
    bool ok = false;
};
DataFolder prepareDataFolder(const QString &chosen = QString());

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

} // namespace app

#include "app/datafolder.h"

#include <QDir>
#include <QStandardPaths>

namespace app {

DataFolder prepareDataFolder(const QString &chosen)
{
    DataFolder folder;
    const QString given = chosen.isEmpty() ? qEnvironmentVariable("LARKSPUR_HOME") : chosen;
    folder.path =
        given.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : given;
    if (folder.path.isEmpty())
        return folder;
    folder.path = QDir::cleanPath(QDir(folder.path).absolutePath());
    folder.ok = QDir().mkpath(folder.path);
    return folder;
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

} // namespace app

#include "app/datafolder.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

class TestApp : public QObject
{
    Q_OBJECT
private slots:
    void dataFolderFromEnvironmentIsCreated();
    void secondCopyRefused();
    void lockOfAVanishedCopyIsTakenOver();
    void readOnlyFolderIsNamed();
};

void TestApp::dataFolderFromEnvironmentIsCreated()
{
    QTemporaryDir dir;
    const QString wanted = dir.path() + QStringLiteral("/not/yet/there");
    qputenv("LARKSPUR_HOME", wanted.toLocal8Bit());
    const app::DataFolder folder = app::prepareDataFolder();
    qunsetenv("LARKSPUR_HOME");
    QVERIFY(folder.ok);
    QCOMPARE(folder.path, QDir::cleanPath(wanted));
    QVERIFY(QDir(wanted).exists());
}

void TestApp::secondCopyRefused()
{
    QTemporaryDir dir;
    auto first = std::make_unique<app::SingleInstance>(dir.path());
    QVERIFY(first->tryLock());
    app::SingleInstance second(dir.path());
    QVERIFY(!second.tryLock());
    // Another data folder is another program's files: no conflict.
    QTemporaryDir other;
    app::SingleInstance elsewhere(other.path());
    QVERIFY(elsewhere.tryLock());
    // Once the first copy has ended, a new one may start.
    first.reset();
    QVERIFY(second.tryLock());
}

void TestApp::lockOfAVanishedCopyIsTakenOver()
{
    QTemporaryDir dir;
    // A lock file left by a copy that crashed: its process no longer exists.
    QFile stale(app::SingleInstance::lockFilePath(dir.path()));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("999999\nlarkspur\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    app::SingleInstance copy(dir.path());
    QVERIFY(copy.tryLock());
}

void TestApp::readOnlyFolderIsNamed()
{
#ifdef Q_OS_LINUX
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.path());
    // Permissions do not stop root, a read-only mount does.
    bool mounted = false;
    if (geteuid() == 0) {
        if (::mount(path.constData(), path.constData(), nullptr, MS_BIND, nullptr) != 0)
            QSKIP("cannot bind-mount a folder here, and permissions do not stop root");
        mounted = true;
        if (::mount(nullptr, path.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                    nullptr) != 0) {
            ::umount2(path.constData(), MNT_DETACH);
            QSKIP("cannot make a mount read-only here, and permissions do not stop root");
        }
    } else {
        QVERIFY(::chmod(path.constData(), 0555) == 0);
    }
    const auto restore = qScopeGuard([&] {
        if (mounted)
            ::umount2(path.constData(), MNT_DETACH);
        else
            ::chmod(path.constData(), 0755);
    });
    app::SingleInstance copy(dir.path());
    QVERIFY(!copy.tryLock());
    const QString text = app::lockFailureText(copy.error(), dir.path());
    QVERIFY(text != app::alreadyRunningText());
    QVERIFY2(text.contains(QDir::toNativeSeparators(dir.path())), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("cannot write")));

    // Held by another copy, it is still "already running".
    QTemporaryDir free;
    app::SingleInstance first(free.path());
    QVERIFY(first.tryLock());
    app::SingleInstance second(free.path());
    QVERIFY(!second.tryLock());
    QCOMPARE(app::lockFailureText(second.error(), free.path()), app::alreadyRunningText());
#else
    QSKIP("read-only folders are made with Linux mounts here");
#endif
}

QTEST_APPLESS_MAIN(TestApp)
#include "tst_app.moc"

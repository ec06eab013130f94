#include "app/datafolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestApp : public QObject
{
    Q_OBJECT
private slots:
    void dataFolderFromEnvironmentIsCreated();
    void secondCopyRefused();
    void lockOfAVanishedCopyIsTakenOver();
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

QTEST_APPLESS_MAIN(TestApp)
#include "tst_app.moc"

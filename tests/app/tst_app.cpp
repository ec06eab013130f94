#include "app/commandline.h"
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
    void folderChoice_data();
    void folderChoice();
    void homeFromEnvironmentIsChecked_data();
    void homeFromEnvironmentIsChecked();
    void newFolderIsPrivate();
    void folderFaults_data();
    void folderFaults();
    void display_data();
    void display();
};

namespace {

#ifdef Q_OS_LINUX
// Permissions do not stop root: as root, the code under test runs as nobody for the moment.
struct AsNobody
{
    AsNobody()
    {
        if (getuid() == 0 && seteuid(65534) != 0)
            qWarning("cannot run as nobody: the permission checks run as root");
    }
    ~AsNobody()
    {
        if (getuid() == 0 && seteuid(0) != 0)
            qFatal("cannot return to root");
    }
};

// Makes `path` a read-only mount of itself; false when this machine does not allow it.
bool mountReadOnly(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (::mount(native.constData(), native.constData(), nullptr, MS_BIND, nullptr) != 0)
        return false;
    if (::mount(nullptr, native.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) ==
        0)
        return true;
    ::umount2(native.constData(), MNT_DETACH);
    return false;
}
#endif

} // namespace

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

void TestApp::folderChoice_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("path"); // empty: refused
    QTest::addColumn<bool>("noted");

    QTest::newRow("full path") << "/srv/results/"
                               << "/srv/results" << false;
    QTest::newRow("home") << "~"
                          << "/home/pupil" << true;
    QTest::newRow("under home") << "~/marks/../results"
                                << "/home/pupil/results" << true;
    QTest::newRow("relative") << "results"
                              << "/school/desk/results" << true;
    QTest::newRow("dot") << "."
                         << "/school/desk" << true;
    QTest::newRow("empty") << ""
                           << "" << false;
    QTest::newRow("blank") << "  "
                           << "" << false;
    QTest::newRow("space before") << " /srv/results"
                                  << "" << false;
    QTest::newRow("space after") << "/srv/results "
                                 << "" << false;
    QTest::newRow("other account") << "~bob/results"
                                   << "" << false;
}

void TestApp::folderChoice()
{
    QFETCH(QString, given);
    QFETCH(QString, path);
    QFETCH(bool, noted);

    const app::FolderChoice choice =
        app::resolveFolderChoice(given, QStringLiteral("LARKSPUR_HOME"),
                                 QStringLiteral("/school/desk"), QStringLiteral("/home/pupil"));
    QCOMPARE(choice.path, path);
    QCOMPARE(choice.refusal.isEmpty(), !path.isEmpty());
    QCOMPARE(!choice.note.isEmpty(), noted);
    // What was made of the folder is said with the full path; a refusal names the variable.
    if (noted)
        QVERIFY2(choice.note.contains(path), qPrintable(choice.note));
    if (path.isEmpty())
        QVERIFY2(choice.refusal.startsWith(QStringLiteral("LARKSPUR_HOME")),
                 qPrintable(choice.refusal));
}

void TestApp::homeFromEnvironmentIsChecked_data()
{
    QTest::addColumn<QString>("home"); // LARKSPUR_HOME
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("dataDir"); // relative to the current folder

    QTest::newRow("blank") << "  " << QStringList{} << true << "";
    QTest::newRow("relative") << "results" << QStringList{} << false << "results";
    QTest::newRow("empty: not set") << "" << QStringList{} << false << "";
    // --data-dir goes first, so a bad LARKSPUR_HOME does not matter then.
    QTest::newRow("--data-dir first")
        << "  " << QStringList{QStringLiteral("--data-dir"), QStringLiteral("mine")} << false
        << "mine";
}

void TestApp::homeFromEnvironmentIsChecked()
{
    QFETCH(QString, home);
    QFETCH(QStringList, arguments);
    QFETCH(bool, refused);
    QFETCH(QString, dataDir);

    // Relative paths are read from a current folder of the test's own.
    QTemporaryDir here;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(here.path()));
    qputenv("LARKSPUR_HOME", home.toLocal8Bit());
    const auto unset = qScopeGuard([&] {
        qunsetenv("LARKSPUR_HOME");
        QDir::setCurrent(before);
    });
    const app::CommandLine line =
        app::parseCommandLine(QStringList{QStringLiteral("larkspur")} + arguments);
    QCOMPARE(line.action == app::CommandLine::Action::Refuse, refused);
    if (refused)
        return;
    QCOMPARE(line.dataDir, dataDir.isEmpty() ? QString() : QDir::current().filePath(dataDir));
    QCOMPARE(line.note.isEmpty(), dataDir.isEmpty());
    // The folder the program then uses is that one, not one inside the current folder's name.
    if (arguments.isEmpty() && !home.isEmpty())
        QCOMPARE(app::prepareDataFolder(line.dataDir).path, line.dataDir);
}

void TestApp::newFolderIsPrivate()
{
    QTemporaryDir dir;
    const QString made = dir.filePath(QStringLiteral("new/data"));
    const app::DataFolder folder = app::prepareDataFolder(made);
    QVERIFY(folder.ok);
    for (const QString &path : {made, dir.filePath(QStringLiteral("new"))})
        QCOMPARE(QFileInfo(path).permissions() & 0x0777, QFileDevice::Permissions(0x0700));
    // A folder that exists keeps the mode its owner gave it.
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755)));
    const app::DataFolder existing = app::prepareDataFolder(dir.path());
    QVERIFY(existing.ok);
    QCOMPARE(QFileInfo(dir.path()).permissions() & 0x0777, QFileDevice::Permissions(0x0755));
}

void TestApp::folderFaults_data()
{
    QTest::addColumn<QString>("setUp");
    QTest::addColumn<QString>("folder"); // inside the temporary folder
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("reason");

    using F = app::DataFolder::Fault;
    QTest::newRow("a file") << "file"
                            << "file" << int(F::NotAFolder) << 4 << "is a file";
    QTest::newRow("a file above") << "file"
                                  << "file/data" << int(F::MissingParent) << 5
                                  << "The folder above it, %1/file,";
    QTest::newRow("a link to nowhere above")
        << "dangling"
        << "link/data" << int(F::MissingParent) << 5 << "%1/link";
    QTest::newRow("no permission to make")
        << "closed"
        << "closed/data" << int(F::NoPermission) << 6 << "no permission";
    QTest::newRow("no permission to write")
        << "closed"
        << "closed" << int(F::NoPermission) << 6 << "no permission";
    QTest::newRow("read-only, to make") << "read-only"
                                        << "data" << int(F::ReadOnly) << 7 << "read-only";
    QTest::newRow("read-only, to write") << "read-only"
                                         << "" << int(F::ReadOnly) << 7 << "read-only";
}

void TestApp::folderFaults()
{
#ifdef Q_OS_LINUX
    QFETCH(QString, setUp);
    QFETCH(QString, folder);
    QFETCH(int, fault);
    QFETCH(int, exitCode);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755)));
    const QByteArray native = QFile::encodeName(dir.path());
    bool mounted = false;
    if (setUp == QStringLiteral("file")) {
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else if (setUp == QStringLiteral("dangling")) {
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere")),
                            dir.filePath(QStringLiteral("link"))));
    } else if (setUp == QStringLiteral("closed")) {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("closed")));
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("closed")),
                                      QFileDevice::Permissions(0x5555)));
    } else if (setUp == QStringLiteral("read-only")) {
        if (geteuid() != 0)
            QSKIP("a read-only mount needs root here");
        if (!mountReadOnly(dir.path()))
            QSKIP("cannot make a read-only mount on this machine");
        mounted = true;
    }
    const auto restore = qScopeGuard([&] {
        if (mounted)
            ::umount2(native.constData(), MNT_DETACH);
    });

    const QString path = folder.isEmpty() ? dir.path() : dir.filePath(folder);
    app::DataFolder result;
    if (setUp == QStringLiteral("closed")) {
        const AsNobody asNobody;
        result = app::prepareDataFolder(path);
    } else {
        result = app::prepareDataFolder(path);
    }
    QCOMPARE(result.ok, false);
    QCOMPARE(int(result.fault), fault);
    QCOMPARE(app::exitCodeOf(result.fault), exitCode);
    const QString text = app::dataFolderFaultText(result);
    QVERIFY2(text.contains(path), qPrintable(text));
    QVERIFY2(text.contains(QString(reason).replace(QStringLiteral("%1"), dir.path())),
             qPrintable(text));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nowhere"))));
#else
    QSKIP("the faults are made with Linux mounts and modes here");
#endif
}

void TestApp::display_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("qpaPlatform");
    QTest::addColumn<bool>("x11");
    QTest::addColumn<bool>("wayland");
    QTest::addColumn<int>("choice");

    const int ready = int(app::DisplayChoice::Ready);
    const int offscreen = int(app::DisplayChoice::Offscreen);
    const int missing = int(app::DisplayChoice::Missing);
    const QStringList selfTest{QStringLiteral("--self-test")};
    QTest::newRow("X11") << QStringList{} << "" << true << false << ready;
    QTest::newRow("Wayland") << QStringList{} << "" << false << true << ready;
    QTest::newRow("none") << QStringList{} << "" << false << false << missing;
    QTest::newRow("none, self-test") << selfTest << "" << false << false << offscreen;
    QTest::newRow("xcb asked, no X11") << QStringList{} << "xcb" << false << true << missing;
    QTest::newRow("wayland asked, no Wayland")
        << selfTest << "wayland-egl" << true << false << offscreen;
    QTest::newRow("offscreen asked") << QStringList{} << "offscreen" << false << false << ready;
    QTest::newRow("-platform given")
        << QStringList{QStringLiteral("-platform"), QStringLiteral("vnc")} << "xcb" << false
        << false << ready;
}

void TestApp::display()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, qpaPlatform);
    QFETCH(bool, x11);
    QFETCH(bool, wayland);
    QFETCH(int, choice);

    const app::CommandLine line =
        app::parseCommandLine(QStringList{QStringLiteral("larkspur")} + arguments);
    QCOMPARE(int(app::chooseDisplay(line, qpaPlatform, x11, wayland)), choice);
}

QTEST_APPLESS_MAIN(TestApp)
#include "tst_app.moc"

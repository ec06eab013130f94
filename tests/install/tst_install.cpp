// The program as a package installs it: `cmake --install` into a temporary prefix (not the one
// the build was configured for), then the installed copy is started.

#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString AppId = QStringLiteral("org.larkspur.Larkspur");

struct Run
{
    int exitCode = -1; // -1: crashed or hung
    QString out, err;
};

Run run(const QString &program, const QStringList &arguments,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(120000);
    if (!ended)
        process.kill();
    process.waitForFinished();
    const bool normal = ended && process.exitStatus() == QProcess::NormalExit;
    return {normal ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

bool matches(const QString &pattern, const QString &text)
{
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).hasMatch();
}

} // namespace

class InstallTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void installedCopyStarts_data();
    void installedCopyStarts();
    void commandLine_data();
    void commandLine();
    void installedFiles_data();
    void installedFiles();
    void sampleCourseIsListed();
    void courseBuilderIsInstalled();

private:
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }
    QString program() const { return installed(QStringLiteral(LARKSPUR_BINDIR "/larkspur")); }
    QTemporaryDir m_prefix;
};

void InstallTest::initTestCase()
{
    const Run r = run(QStringLiteral(LARKSPUR_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(LARKSPUR_BUILD_DIR),
                       QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
    // Nothing is written outside the prefix.
    const QStringList written = r.out.split(QLatin1Char('\n')).filter(QStringLiteral(": /"));
    QVERIFY(!written.isEmpty());
    for (const QString &line : written)
        QVERIFY2(line.contains(QStringLiteral(": ") + m_prefix.path() + QLatin1Char('/')),
                 qPrintable(line));
}

void InstallTest::installedCopyStarts_data()
{
    QTest::addColumn<QStringList>("arguments"); // the data folder follows the last one
    QTest::addColumn<bool>("folderInEnvironment");
    QTest::addColumn<bool>("display"); // false: no display and no platform asked for
    QTest::newRow("--data-dir") << QStringList{QStringLiteral("--data-dir")} << false << true;
    QTest::newRow("LARKSPUR_HOME") << QStringList{} << true << true;
    // Qt's own options go through the program's command line to Qt.
    QTest::newRow("-platform") << QStringList{QStringLiteral("-platform"),
                                              QStringLiteral("offscreen"),
                                              QStringLiteral("--data-dir")}
                               << false << true;
    // A technician's check after installing, over ssh: the self-test finds its own platform.
    QTest::newRow("no display") << QStringList{QStringLiteral("--data-dir")} << false << false;
}

void InstallTest::installedCopyStarts()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, folderInEnvironment);
    QFETCH(bool, display);

    QTemporaryDir data;
    const QString folder = data.filePath(QStringLiteral("pupil"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LARKSPUR_HOME"));
    if (display && !arguments.contains(QStringLiteral("-platform")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    else
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!display) {
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    if (folderInEnvironment)
        env.insert(QStringLiteral("LARKSPUR_HOME"), folder);
    else
        arguments << folder;

    const Run r = run(program(), arguments << QStringLiteral("--self-test"), env);
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
    QVERIFY2(matches(QStringLiteral("^course: \\S.*\\(\\S+\\)$"), r.out), qPrintable(r.out));
    QVERIFY2(matches(QStringLiteral("^home window: shown$"), r.out), qPrintable(r.out));
    // The plugin of the installed copy, not the one in the build folder.
    const QString plugin = installed(QStringLiteral(LARKSPUR_PLUGIN_DIR "/larkspur-viewer.so"));
    QVERIFY2(r.out.contains(QStringLiteral("question viewer: ") + plugin + QLatin1Char('\n')),
             qPrintable(r.out));
    QVERIFY2(matches(QStringLiteral("^self-test: passed$"), r.out), qPrintable(r.out));
    if (!display)
        QVERIFY2(matches(QStringLiteral("^platform: offscreen$"), r.out), qPrintable(r.out));
    // Start-up wrote the result files into the folder that was asked for.
    QVERIFY(!QDir(folder).entryList({QStringLiteral("marks1*.txt")}, QDir::Files).isEmpty());
    // A pupil's results are theirs alone: the folder is the owner's only, and so is every file
    // the program wrote in it.
    const auto mode = [](const QString &path) {
        struct stat info;
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777)
                                                                       : -1;
    };
    QCOMPARE(mode(folder), 0700);
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        QVERIFY2(mode(file) == 0600,
                 qPrintable(QStringLiteral("%1: mode %2").arg(file).arg(mode(file), 0, 8)));
    }
}

void InstallTest::commandLine_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // patterns the output and the error output must match
    QTest::addColumn<QString>("err");

    const QString none = QStringLiteral("^$");
    QTest::newRow("--help") << "--help" << 0 << "^Usage: \\S*larkspur[\\s\\S]*--data-dir <folder>"
                            << none;
    QTest::newRow("--version") << "--version" << 0 << "^Larkspur " LARKSPUR_VERSION "\\n$" << none;
    QTest::newRow("unknown") << "--colour" << 2 << none
                             << "^larkspur: Unknown option 'colour'.\\nTry 'larkspur --help'";
    QTest::newRow("stray") << "paper3" << 2 << none << "unexpected argument 'paper3'";
    QTest::newRow("no folder") << "--data-dir" << 2 << none << "Missing value after '--data-dir'";
    QTest::newRow("empty folder") << "--data-dir=" << 2 << none << "--data-dir needs a folder";
    // Each fault of the data folder has its code and its reason.
    QTest::newRow("no display") << "" << 8 << none << "no display";
    QTest::newRow("folder is a file") << "--self-test --data-dir=/dev/null" << 4 << ""
                                      << "/dev/null\\n\\nIt is a file";
    QTest::newRow("folder above is a file") << "--self-test --data-dir=/dev/null/results" << 5 << ""
                                            << "The folder above it, /dev/null, is missing";
}

void InstallTest::commandLine()
{
    QFETCH(QString, argument);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);

    // No display: the X11 platform would abort the program if it made its window system
    // connection before answering.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const Run r = run(program(), argument.split(QLatin1Char(' '), Qt::SkipEmptyParts), env);
    QVERIFY2(r.exitCode == exitCode, qPrintable(r.out + r.err));
    QVERIFY2(matches(out, r.out), qPrintable(r.out));
    QVERIFY2(matches(err, r.err), qPrintable(r.err));
}

void InstallTest::installedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("size");          // icons: pixels, 0 for the scalable one
    QTest::addColumn<QString>("validator"); // other files: the command that checks them

    const QString icons = QStringLiteral(LARKSPUR_DATADIR "/icons/hicolor/");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("icon %d", size)
            << icons + QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(AppId) << size << "";
    QTest::newRow("icon svg") << icons + QStringLiteral("scalable/apps/") + AppId + ".svg" << 0
                              << "";
    QTest::newRow("desktop entry")
        << QStringLiteral(LARKSPUR_DATADIR "/applications/") + AppId + ".desktop" << -1
        << "desktop-file-validate";
    QTest::newRow("metainfo") << QStringLiteral(LARKSPUR_DATADIR "/metainfo/") + AppId +
                                     ".metainfo.xml"
                              << -1 << "appstreamcli validate --no-net";
    QTest::newRow("manual page") << QStringLiteral(LARKSPUR_DATADIR "/man/man1/larkspur.1.gz") << -1
                                 << "gzip -t";
    QTest::newRow("changelog") << QStringLiteral(LARKSPUR_DATADIR "/doc/larkspur/changelog.gz")
                               << -1 << "gzip -t";
    QTest::newRow("copyright") << QStringLiteral(LARKSPUR_DATADIR "/doc/larkspur/copyright") << -1
                               << "grep -q ^License:.CC-BY-SA-4.0$";
}

void InstallTest::installedFiles()
{
    QFETCH(QString, file);
    QFETCH(int, size);
    QFETCH(QString, validator);

    QVERIFY2(QFileInfo::exists(installed(file)), qPrintable(file));
    if (size >= 0) {
        QImageReader reader(installed(file));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.width(), size ? size : image.height());
        QCOMPARE(image.height(), size ? size : image.width());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // a shape on a clear ground, not a square
        return;
    }
    QStringList command = validator.split(QLatin1Char(' '));
    const QString tool = command.takeFirst();
    const QString path = QStandardPaths::findExecutable(tool);
    if (path.isEmpty())
        QSKIP(qPrintable(tool + QStringLiteral(" is not installed (scripts/setup.sh "
                                               "installs it): not validated")));
    const Run r = run(path, command << installed(file));
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
}

void InstallTest::sampleCourseIsListed()
{
    const QString share = installed(QStringLiteral(LARKSPUR_DATADIR));
    const QString sample = share + QStringLiteral("/larkspur/courses/pets.larkspur");
    QVERIFY(QFileInfo::exists(sample));
    QFile mime(share + QStringLiteral("/mime/packages/") + AppId + QStringLiteral(".xml"));
    QVERIFY(mime.open(QIODevice::ReadOnly));
    QVERIFY(mime.readAll().contains("<glob pattern=\"*.larkspur\"/>"));
    QVERIFY(QFileInfo::exists(share + QStringLiteral("/icons/hicolor/scalable/mimetypes/"
                                                     "application-x-larkspur-course.svg")));

    // With the prefix as the system's data folder, the program lists both courses.
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_DIRS"), share);
    const Run r = run(program(), {QStringLiteral("--list-courses")}, env);
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
    const QStringList lines = r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].endsWith(QStringLiteral("\t(built in)")), qPrintable(r.out));
    QCOMPARE(lines[1], QStringLiteral("PETS\tPets Practice, version 1\t") + sample);
}

void InstallTest::courseBuilderIsInstalled()
{
    const QString coursepack = installed(QStringLiteral(LARKSPUR_BINDIR "/coursepack"));
    Run r = run(coursepack, {QStringLiteral("--help")});
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QVERIFY(r.out.contains(QStringLiteral("coursepack --file COURSE.larkspur SOURCE_DIR")));
    r = run(coursepack,
            {QStringLiteral("--check"),
             installed(QStringLiteral(LARKSPUR_DATADIR "/larkspur/courses/pets.larkspur"))});
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
    QVERIFY(r.out.contains(QStringLiteral("course \"Pets Practice\", code PETS, version 1")));
}

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"

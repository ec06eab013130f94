// The program as a package installs it: `cmake --install` into a temporary prefix (other than
// the one the build was configured for), then the installed copy is started.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString AppId = QStringLiteral("org.larkspur.Larkspur");

struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &arguments,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Run r;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        r.err = QStringLiteral("did not end normally: ") + process.errorString();
    } else {
        r.exitCode = process.exitCode();
    }
    r.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    r.err += QString::fromLocal8Bit(process.readAllStandardError());
    return r;
}

} // namespace

class InstallTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void everyFileInsideThePrefix();
    void installedCopyStarts_data();
    void installedCopyStarts();
    void commandLine_data();
    void commandLine();
    void iconsHaveTheirSizes_data();
    void iconsHaveTheirSizes();
    void desktopEntryNamesInstalledFiles();
    void validators_data();
    void validators();

private:
    QString installed(const QString &relative) const { return m_prefix.filePath(relative); }
    QString program() const { return installed(QStringLiteral(LARKSPUR_BINDIR "/larkspur")); }

    QTemporaryDir m_prefix;
    QStringList m_manifest;
};

void InstallTest::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    const Run r = run(QStringLiteral(LARKSPUR_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(LARKSPUR_BUILD_DIR),
                       QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
    // What the install step reports it wrote.
    for (const QString &line : r.out.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("^-- (?:Installing|Up-to-date): (.+)$")).match(line);
        if (m.hasMatch())
            m_manifest << m.captured(1);
    }
    QVERIFY2(!m_manifest.isEmpty(), qPrintable(r.out));
}

void InstallTest::everyFileInsideThePrefix()
{
    const QString prefix = QDir(m_prefix.path()).canonicalPath() + QLatin1Char('/');
    for (const QString &file : std::as_const(m_manifest)) {
        const QString real = QFileInfo(file).canonicalFilePath();
        QVERIFY2(!real.isEmpty() && real.startsWith(prefix), qPrintable(file));
    }
    QVERIFY(QFileInfo(program()).isExecutable());
}

void InstallTest::installedCopyStarts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("dataFolderInEnvironment");
    QTest::addColumn<QString>("platformInEnvironment");

    QTest::newRow("--data-dir") << QStringList{QStringLiteral("--data-dir")} << false
                                << QStringLiteral("offscreen");
    QTest::newRow("LARKSPUR_HOME") << QStringList{} << true << QStringLiteral("offscreen");
    // Qt's own options pass the program's command line through to Qt.
    QTest::newRow("-platform offscreen")
        << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"),
                       QStringLiteral("--data-dir")}
        << false << QString();
}

void InstallTest::installedCopyStarts()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, dataFolderInEnvironment);
    QFETCH(QString, platformInEnvironment);

    QTemporaryDir data;
    const QString folder = data.filePath(QStringLiteral("pupil"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LARKSPUR_HOME"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!platformInEnvironment.isEmpty())
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platformInEnvironment);
    if (dataFolderInEnvironment)
        env.insert(QStringLiteral("LARKSPUR_HOME"), folder);
    else
        arguments << folder;
    arguments << QStringLiteral("--self-test");

    const Run r = run(program(), arguments, env);
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
    QVERIFY2(r.out.contains(QStringLiteral("home window: shown")), qPrintable(r.out));
    // The viewer plugin came from the installed copy, not from the build folder.
    const QRegularExpressionMatch viewer =
        QRegularExpression(QStringLiteral("^question viewer: (.+)$"),
                           QRegularExpression::MultilineOption)
            .match(r.out);
    QVERIFY2(viewer.hasMatch(), qPrintable(r.out));
    QCOMPARE(QFileInfo(viewer.captured(1)).canonicalFilePath(),
             QFileInfo(installed(QStringLiteral(LARKSPUR_PLUGIN_DIR "/larkspur-viewer.so")))
                 .canonicalFilePath());
    // The course was found, and its result files went to the data folder that was asked for.
    QVERIFY2(QRegularExpression(QStringLiteral("^course: \\S.*\\(\\S+\\)$"),
                                QRegularExpression::MultilineOption)
                 .match(r.out)
                 .hasMatch(),
             qPrintable(r.out));
    QVERIFY(!QDir(folder).entryList({QStringLiteral("marks1*.txt")}, QDir::Files).isEmpty());
}

void InstallTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // a pattern standard output must match
    QTest::addColumn<QString>("err"); // a pattern standard error must match

    const QString none = QStringLiteral("^$");
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << 0
                            << QStringLiteral("--data-dir <folder>[\\s\\S]*--self-test") << none;
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << 0
                        << QStringLiteral("^Usage: \\S*larkspur") << none;
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << 0
                               << QStringLiteral("^Larkspur " LARKSPUR_VERSION "\\n$") << none;
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("--colour"), QStringLiteral("red")} << 2 << none
        << QStringLiteral("larkspur: Unknown option 'colour'.*\\n.*--help");
    QTest::newRow("stray argument") << QStringList{QStringLiteral("paper3")} << 2 << none
                                    << QStringLiteral("unexpected argument 'paper3'");
    QTest::newRow("--data-dir without folder")
        << QStringList{QStringLiteral("--data-dir")} << 2 << none << QStringLiteral("data-dir");
    QTest::newRow("--data-dir empty") << QStringList{QStringLiteral("--data-dir=")} << 2 << none
                                      << QStringLiteral("--data-dir needs a folder");
}

void InstallTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);

    // No display at all: answering the command line must not need one (the X11 platform would
    // abort the program if it tried).
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    const Run r = run(program(), arguments, env);
    QVERIFY2(r.exitCode == exitCode, qPrintable(r.out + r.err));
    QVERIFY2(QRegularExpression(out).match(r.out).hasMatch(), qPrintable(r.out));
    QVERIFY2(QRegularExpression(err).match(r.err).hasMatch(), qPrintable(r.err));
}

void InstallTest::iconsHaveTheirSizes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("size"); // 0: scalable

    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size)
            << QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(AppId) << size;
    QTest::newRow("scalable") << QStringLiteral("scalable/apps/%1.svg").arg(AppId) << 0;
}

void InstallTest::iconsHaveTheirSizes()
{
    QFETCH(QString, file);
    QFETCH(int, size);

    QImageReader reader(installed(QStringLiteral(LARKSPUR_DATADIR "/icons/hicolor/") + file));
    if (size == 0 && !QImageReader::supportedImageFormats().contains("svg"))
        QSKIP("Qt's SVG image plugin is not installed");
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(),
             qPrintable(reader.fileName() + QLatin1Char(' ') + reader.errorString()));
    if (size)
        QCOMPARE(image.size(), QSize(size, size));
    else
        QCOMPARE(image.width(), image.height());
    // Drawn on a clear ground, not a square block.
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
}

void InstallTest::desktopEntryNamesInstalledFiles()
{
    QSettings entry(installed(QStringLiteral(LARKSPUR_DATADIR "/applications/") + AppId +
                              QStringLiteral(".desktop")),
                    QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    const QString exec = entry.value(QStringLiteral("Exec")).toString();
    QVERIFY2(QFileInfo(installed(QStringLiteral(LARKSPUR_BINDIR "/") + exec)).isExecutable(),
             qPrintable(exec));
    QCOMPARE(entry.value(QStringLiteral("Icon")).toString(), AppId);
    QVERIFY(entry.value(QStringLiteral("Categories")).toString().contains(u"Education"));
}

void InstallTest::validators_data()
{
    QTest::addColumn<QString>("validator");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");

    QTest::newRow("desktop entry")
        << QStringLiteral("desktop-file-validate") << QStringList{}
        << QStringLiteral(LARKSPUR_DATADIR "/applications/%1.desktop").arg(AppId);
    QTest::newRow("metainfo")
        << QStringLiteral("appstreamcli")
        << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net")}
        << QStringLiteral(LARKSPUR_DATADIR "/metainfo/%1.metainfo.xml").arg(AppId);
}

void InstallTest::validators()
{
    QFETCH(QString, validator);
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);

    const QString path = QStandardPaths::findExecutable(validator);
    if (path.isEmpty())
        QSKIP(qPrintable(validator + QStringLiteral(" is not installed (scripts/setup.sh installs "
                                                    "it); the file was not validated")));
    QVERIFY(QFileInfo::exists(installed(file)));
    const Run r = run(path, arguments << installed(file));
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
}

QTEST_GUILESS_MAIN(InstallTest)
#include "tst_install.moc"

#include "app/commandline.h"

#include "app/datafolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace app {

namespace {

// Options the application object takes for itself; they are Qt's, so the help leaves them out.
const char *const QtOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",       "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display",      "geometry",
    "style",       "stylesheet",         "name",          "qmljsdebugger"};
const char *const QtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QString programName(const QStringList &arguments)
{
    const QString name = arguments.isEmpty() ? QString() : QFileInfo(arguments.first()).fileName();
    return name.isEmpty() ? QStringLiteral("larkspur") : name;
}

// After the options: what --help and the manual page (made from this text) say besides.
QString helpEpilogue()
{
    QString text = QStringLiteral(
        "\nEnvironment:\n"
        "  LARKSPUR_HOME  The data folder when --data-dir is not given (empty counts as\n"
        "                 not set). '~' is read as the home folder and a relative path\n"
        "                 from the current folder, as for --data-dir.\n"
        "\nExit status:\n");
    const std::pair<int, const char *> codes[] = {
        {ExitOk, "Ended normally; for --self-test, everything was found."},
        {ExitFailed, "Start-up failed, or --self-test found a fault."},
        {ExitUsage, "The command line or LARKSPUR_HOME was refused."},
        {ExitAlreadyRunning, "Another copy of Larkspur uses the data folder."},
        {ExitNotAFolder, "The data folder's path is a file, not a folder."},
        {ExitMissingParent, "A folder above the data folder is missing and cannot be made."},
        {ExitNoPermission, "No permission to make the data folder or to write in it."},
        {ExitReadOnly, "The data folder is on a read-only file system."},
        {ExitNoDisplay, "No display to show the windows on (no DISPLAY or WAYLAND_DISPLAY)."},
    };
    for (const auto &[code, meaning] : codes)
        text += QStringLiteral("  %1  %2\n").arg(code).arg(QString::fromLatin1(meaning));
    return text;
}

// The parser's help text reads the program name from the application object; before main()
// makes the real one, a plain core object (no display needed) stands in for the moment.
QString helpTextOf(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (QCoreApplication::instance())
        return parser.helpText() + helpEpilogue();
    QByteArray name =
        (arguments.isEmpty() ? QStringLiteral("larkspur") : arguments.first()).toLocal8Bit();
    int argc = 1;
    char *argv[] = {name.data(), nullptr};
    const QCoreApplication standIn(argc, argv);
    return parser.helpText() + helpEpilogue();
}

CommandLine refused(const QStringList &arguments, const QString &why)
{
    const QString name = programName(arguments);
    CommandLine line;
    line.action = CommandLine::Action::Refuse;
    line.text =
        QStringLiteral("%1: %2\nTry '%1 --help' for the options it takes.\n").arg(name, why);
    return line;
}

} // namespace

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform); -h and -v still work.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Practise school test papers and follow your progress: pick a subject, a topic and a\n"
        "paper, answer its questions, have it marked and try the wrong answers again.\n"
        "\n"
        "Results are kept in the data folder: the folder given with --data-dir, else\n"
        "$LARKSPUR_HOME, otherwise the per-user data folder\n"
        "(~/.local/share/Larkspur/Larkspur)."));
    // Our own help and version options: the parser's would add --help-all and end the process.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show these options and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("Keep results in <folder> instead of $LARKSPUR_HOME or the per-user "
                       "data folder. A folder that is made is readable by its owner only."),
        QStringLiteral("folder"));
    const QCommandLineOption selfTest(
        QStringLiteral("self-test"),
        QStringLiteral("Start up, report what was checked (the course, the question viewer, "
                       "the home window) and end (exit code 0 when everything was found). Runs "
                       "without a display too."));
    const QCommandLineOption course(
        QStringLiteral("course"),
        QStringLiteral("Open the course in <file> (a .larkspur course file) for this run, "
                       "without installing it."),
        QStringLiteral("file"));
    const QCommandLineOption chooseCourse(
        QStringLiteral("choose-course"),
        QStringLiteral("Ask which course to open, even when one was chosen before."));
    const QCommandLineOption listCourses(
        QStringLiteral("list-courses"),
        QStringLiteral("List the courses this user can open and end."));
    parser.addOptions({help, version, dataDir, selfTest, course, chooseCourse, listCourses});
    parser.addPositionalArgument(
        QStringLiteral("[course file]"),
        QStringLiteral("A course file to install for this user and open, as opening it from the "
                       "file manager does."));
    for (const char *name : QtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : QtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(arguments))
        return refused(arguments, parser.errorText());
    if (parser.positionalArguments().size() > 1)
        return refused(
            arguments,
            QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().at(1)));

    CommandLine line;
    if (parser.isSet(help)) {
        line.action = CommandLine::Action::ShowHelp;
        line.text = helpTextOf(parser, arguments);
        return line;
    }
    if (parser.isSet(version)) {
        line.action = CommandLine::Action::ShowVersion;
        line.text = QStringLiteral("Larkspur " LARKSPUR_VERSION "\n");
        return line;
    }
    // The folder from either place gets the same checks.
    QString folder = qEnvironmentVariable("LARKSPUR_HOME");
    QString source = QStringLiteral("LARKSPUR_HOME");
    if (parser.isSet(dataDir)) {
        folder = parser.value(dataDir);
        source = QStringLiteral("--data-dir");
        if (folder.trimmed().isEmpty())
            return refused(arguments, QStringLiteral("--data-dir needs a folder."));
    }
    // An empty LARKSPUR_HOME counts as not set, as with the XDG variables.
    if (!folder.isEmpty()) {
        const FolderChoice choice =
            resolveFolderChoice(folder, source, QDir::currentPath(), QDir::homePath());
        if (!choice.refusal.isEmpty())
            return refused(arguments, choice.refusal);
        line.dataDir = choice.path;
        line.note = choice.note;
    }
    line.platform = parser.value(QStringLiteral("platform"));
    line.selfTest = parser.isSet(selfTest);
    line.chooseCourse = parser.isSet(chooseCourse);
    if (parser.isSet(course)) {
        line.courseFile = parser.value(course);
        if (line.courseFile.trimmed().isEmpty())
            return refused(arguments, QStringLiteral("--course needs a course file."));
    }
    if (!parser.positionalArguments().isEmpty()) {
        if (!line.courseFile.isEmpty())
            return refused(arguments,
                           QStringLiteral("give a course file either with --course or alone."));
        line.openedFile = parser.positionalArguments().first();
        if (!QFileInfo(line.openedFile).isFile())
            return refused(arguments, QStringLiteral("unexpected argument '%1': there is no such "
                                                     "course file.")
                                          .arg(line.openedFile));
    }
    if (parser.isSet(listCourses))
        line.action = CommandLine::Action::ListCourses;
    return line;
}

int answerCommandLine(const CommandLine &line)
{
    const QByteArray text = line.text.toLocal8Bit();
    const bool refused = line.action == CommandLine::Action::Refuse;
    std::fputs(text.constData(), refused ? stderr : stdout);
    return refused ? ExitUsage : ExitOk;
}

DisplayChoice chooseDisplay(const CommandLine &line, const QString &qpaPlatform, bool x11,
                            bool wayland)
{
    // An explicit -platform, or a list of platforms to try in turn, is left to Qt.
    if (!line.platform.isEmpty() || qpaPlatform.contains(QLatin1Char(';')))
        return DisplayChoice::Ready;
    const QString name = qpaPlatform.section(QLatin1Char(':'), 0, 0);
    bool found = true;
    if (name.isEmpty())
        found = x11 || wayland;
    else if (name == QStringLiteral("xcb"))
        found = x11;
    else if (name.startsWith(QStringLiteral("wayland")))
        found = wayland;
    if (found)
        return DisplayChoice::Ready;
    return line.selfTest ? DisplayChoice::Offscreen : DisplayChoice::Missing;
}

std::optional<int> prepareStart(const CommandLine &line)
{
    if (!line.note.isEmpty())
        std::fprintf(stderr, "larkspur: %s\n", line.note.toLocal8Bit().constData());
    switch (chooseDisplay(line, qEnvironmentVariable("QT_QPA_PLATFORM"),
                          !qEnvironmentVariableIsEmpty("DISPLAY"),
                          !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))) {
    case DisplayChoice::Ready:
        break;
    case DisplayChoice::Offscreen:
        qputenv("QT_QPA_PLATFORM", "offscreen");
        break;
    case DisplayChoice::Missing:
        std::fputs("larkspur: there is no display to show the windows on (DISPLAY and "
                   "WAYLAND_DISPLAY are not set).\nStart Larkspur from a desktop session; "
                   "'larkspur --self-test' checks an installation without one.\n",
                   stderr);
        return ExitNoDisplay;
    }
    return std::nullopt;
}

} // namespace app

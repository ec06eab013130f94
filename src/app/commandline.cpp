#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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

// The parser's help text reads the program name from the application object; before main()
// makes the real one, a plain core object (no display needed) stands in for the moment.
QString helpTextOf(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (QCoreApplication::instance())
        return parser.helpText();
    QByteArray name =
        (arguments.isEmpty() ? QStringLiteral("larkspur") : arguments.first()).toLocal8Bit();
    int argc = 1;
    char *argv[] = {name.data(), nullptr};
    const QCoreApplication standIn(argc, argv);
    return parser.helpText();
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
    parser.setApplicationDescription(
        QStringLiteral("Practise school test papers and follow your progress."));
    // Our own help and version options: the parser's would add --help-all and end the process.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show these options and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("Keep results in <folder> instead of $LARKSPUR_HOME or the per-user "
                       "data folder."),
        QStringLiteral("folder"));
    const QCommandLineOption selfTest(
        QStringLiteral("self-test"),
        QStringLiteral("Start up, report whether the course and the question viewer were found, "
                       "and end (exit code 0 when both were)."));
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
    if (parser.isSet(dataDir)) {
        line.dataDir = parser.value(dataDir);
        if (line.dataDir.trimmed().isEmpty())
            return refused(arguments, QStringLiteral("--data-dir needs a folder."));
    }
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
    return refused ? 2 : 0;
}

} // namespace app

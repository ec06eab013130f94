#pragma once

#include <QString>
#include <QStringList>

namespace app {

// What the command line asks for. It is read before the application object exists, so that
// --help and --version answer without a display; Qt's own options (-platform, -style, ...) are
// let through for the application object.
struct CommandLine
{
    enum class Action
    {
        Run,
        ShowHelp,
        ShowVersion,
        ListCourses,
        Refuse,
    };
    Action action = Action::Run;
    QString dataDir;       // --data-dir: the data folder, in place of $LARKSPUR_HOME
    bool selfTest = false; // --self-test: start up, report what was found, and end
    QString courseFile;    // --course: open this course file for this run only
    QString openedFile;    // a course file given alone (opened from the file manager): install it
    bool chooseCourse = false; // --choose-course: ask which course even when one is remembered
    QString text;              // the help, the version or why the command line was refused
};

QStringList argumentsOf(int argc, char *argv[]);

// arguments[0] is the program as it was called.
CommandLine parseCommandLine(const QStringList &arguments);

// Prints the help or version on standard output, or the refusal on standard error, and returns
// the exit code: 0, or 2 for a refused command line.
int answerCommandLine(const CommandLine &line);

} // namespace app

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

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
    QString dataDir;       // --data-dir, else $LARKSPUR_HOME, as a full path (empty: neither)
    bool selfTest = false; // --self-test: start up, report what was found, and end
    QString platform;      // Qt's -platform, when given
    QString text;          // the help, the version or why the command line was refused
    QString note;          // for a run: what was made of a folder given as ~ or a relative path
    QString courseFile;    // --course: open this course file for this run only
    QString openedFile;    // a course file given alone (opened from the file manager): install it
    bool chooseCourse = false; // --choose-course: ask which course even when one is remembered
};

QStringList argumentsOf(int argc, char *argv[]);

// arguments[0] is the program as it was called. Also reads $LARKSPUR_HOME when --data-dir is not
// given: both are checked alike.
CommandLine parseCommandLine(const QStringList &arguments);

// Prints the help or version on standard output, or the refusal on standard error, and returns
// the exit code: 0, or 2 for a refused command line.
int answerCommandLine(const CommandLine &line);

// Where the windows go. Qt ends the process (abort) when its platform finds no display, so that
// is decided first: a self-test then runs on the offscreen platform, any other start is refused.
enum class DisplayChoice
{
    Ready,
    Offscreen,
    Missing,
};
// qpaPlatform: $QT_QPA_PLATFORM; x11, wayland: whether $DISPLAY, $WAYLAND_DISPLAY are set.
DisplayChoice chooseDisplay(const CommandLine &line, const QString &qpaPlatform, bool x11,
                            bool wayland);

// Before the application object exists, for a run: tells the note, chooses the display from the
// environment (setting the offscreen platform for a self-test without one). Returns the exit code
// when the program must end here.
std::optional<int> prepareStart(const CommandLine &line);

} // namespace app

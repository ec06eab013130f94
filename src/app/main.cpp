// The program: data folder, one copy at a time, then the home window.

#include "home/homewindow.h"

#include "app/commandline.h"
#include "app/coursechooser.h"
#include "app/coursestart.h"
#include "app/datafolder.h"
#include "app/selftest.h"
#include "chrome/firstframe.h"
#include "chrome/timing.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

#include "practice/practice.h"

int main(int argc, char *argv[])
{
    const app::CommandLine options = app::parseCommandLine(app::argumentsOf(argc, argv));
    if (options.action == app::CommandLine::Action::ListCourses) {
        std::fputs(app::courseListText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (options.action != app::CommandLine::Action::Run)
        return app::answerCommandLine(options);
    if (const std::optional<int> code = app::prepareStart(options))
        return *code;
    QApplication app(argc, argv);
    chrome::timing::stamp("application");
    QApplication::setApplicationName(QStringLiteral("Larkspur"));
    QApplication::setOrganizationName(QStringLiteral("Larkspur"));
    QApplication::setApplicationVersion(QStringLiteral(LARKSPUR_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.larkspur.Larkspur"));
    const QString title = QStringLiteral("Larkspur");
    // Failures are told on standard error too; a self-test has nobody to close a dialog.
    const auto tell = [&](QMessageBox::Icon icon, const QString &text) {
        qWarning("%s", qPrintable(text));
        if (!options.selfTest)
            QMessageBox(icon, title, text).exec();
    };

    const app::DataFolder folder = app::prepareDataFolder(options.dataDir);
    if (!folder.ok) {
        tell(QMessageBox::Critical, app::dataFolderFaultText(folder));
        return app::exitCodeOf(folder.fault);
    }

    // Two copies would overwrite each other's results.
    app::SingleInstance instance(folder.path);
    if (!instance.tryLock()) {
        tell(QMessageBox::Warning, app::lockFailureText(instance.error(), folder.path));
        return app::lockFailureExitCode(instance.error());
    }

    chrome::timing::stamp("data-folder");
    // The course of this run; a course file is checked whole before anything uses it.
    const app::CourseStart course = app::startCourse(options, folder.path, app::askForCourse);
    for (const QString &warning : course.warnings)
        tell(QMessageBox::Warning, warning);
    if (!course.ok) {
        tell(QMessageBox::Critical, course.error);
        return 1;
    }

    home::HomeWindow contents(folder.path);
    chrome::timing::stamp("window-built");
    chrome::afterFirstFrame(&contents, [] { chrome::timing::stamp("first-frame"); });
    contents.setPracticeOpener(
        [](const results::PaperPlace &place, std::function<void()> onUnload) -> QWidget * {
            return practice::openPracticeWindow(place, std::move(onUnload));
        });
    contents.setPracticeCloseQuery(practice::mayClose);
    const home::HomeWindow::StartUpStatus status = contents.startUp();
    if (status != home::HomeWindow::StartUpStatus::Ok) {
        tell(QMessageBox::Critical, home::HomeWindow::startUpFailureText(status));
        return 1;
    }
    chrome::timing::stamp("started-up");
    contents.show();
    chrome::timing::stamp("shown");
    contents.activateWindow();
    chrome::timing::place(contents.findChild<QWidget *>(QStringLiteral("P1a")));
    if (options.selfTest)
        return app::selfTestReport(contents);
    contents.showCourseUpdateNotice();

    // The question viewer's engine loads once the window is on screen and settled: its
    // libraries' loading holds any other library load (an image reader's, for one) meanwhile.
    QObject::connect(&contents, &home::HomeWindow::startUpSettled, &contents,
                     [] { practice::preloadViewer(); });
    return app.exec();
}

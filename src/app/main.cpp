// The program: data folder, one copy at a time, then the home window.

#include "home/homewindow.h"

#include "app/datafolder.h"

#include <QApplication>
#include <QMessageBox>

#include "practice/practice.h"

int main(int argc, char *argv[])
{
    practice::prepareApplication();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Larkspur"));
    QApplication::setOrganizationName(QStringLiteral("Larkspur"));
    QApplication::setApplicationVersion(QStringLiteral(LARKSPUR_VERSION));
    const QString title = QStringLiteral("Larkspur");

    const app::DataFolder folder = app::prepareDataFolder();
    if (!folder.ok) {
        QMessageBox::critical(
            nullptr, title,
            QStringLiteral("Larkspur cannot use its data folder:\n%1").arg(folder.path));
        return 1;
    }

    // Two copies would overwrite each other's results.
    app::SingleInstance instance(folder.path);
    if (!instance.tryLock()) {
        const QString why = app::lockFailureText(instance.error(), folder.path);
        qWarning("%s", qPrintable(why));
        QMessageBox::warning(nullptr, title, why);
        return 2;
    }

    home::HomeWindow contents(folder.path);
    contents.setPracticeOpener(
        [](home::HomeState &state, std::function<void()> onUnload) -> QWidget * {
            return practice::openPracticeWindow(state, std::move(onUnload));
        });
    const home::HomeWindow::StartUpStatus status = contents.startUp();
    if (status != home::HomeWindow::StartUpStatus::Ok) {
        QMessageBox::critical(nullptr, title, home::HomeWindow::startUpFailureText(status));
        return 1;
    }
    contents.show();
    contents.activateWindow();

    // The question viewer's engine loads in the background once the window is on screen.
    practice::preloadViewer();
    return app.exec();
}

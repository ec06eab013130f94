// The home window on the shipped course, on a chosen page, for looking at it on screen (not a
// test). LARKSPUR_HOME names the data folder.
//   home_demo [home|report|about|trash|trash-confirm|trash-done|print|setup] [--tab N]
// --tab N first selects tab N (1..3, 4 is Help); the page then runs the toolbar command that
// shows it.

#include "home/homewindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(LARKSPUR_VERSION));
    const QStringList args = app.arguments();
    const QString page = args.value(1, QStringLiteral("home"));
    const QString folder =
        qEnvironmentVariable("LARKSPUR_HOME", QDir::tempPath() + "/larkspur-demo");
    QDir().mkpath(folder);

    home::HomeWindow w(folder);
    if (w.startUp() != home::HomeWindow::StartUpStatus::Ok)
        return 1;
    w.show();
    const qsizetype tabArg = args.indexOf(QStringLiteral("--tab"));
    if (tabArg > 0 && tabArg + 1 < args.size())
        w.clickTab(args.at(tabArg + 1).toInt());

    const bool help = page == QLatin1String("about") || page.startsWith(QLatin1String("trash")) ||
                      page == QLatin1String("setup");
    if (help)
        w.clickTab(4);
    if (page == QLatin1String("report"))
        w.clickToolBar(2);
    if (page.startsWith(QLatin1String("trash"))) {
        w.clickToolBar(2);
        if (page != QLatin1String("trash"))
            QTest::mouseClick(w.findChild<QWidget *>(QStringLiteral("ButTrash")), Qt::LeftButton);
        if (page == QLatin1String("trash-done"))
            QTest::mouseClick(w.findChild<QWidget *>(QStringLiteral("ButTrash_Yes")),
                              Qt::LeftButton);
    }
    // Print and Setup open a dialog or a notice: once the window is on screen.
    if (page == QLatin1String("print") || page == QLatin1String("setup"))
        QTimer::singleShot(500, &w, [&w, page] { w.clickToolBar(page == "print" ? 3 : 4); });
    return app.exec();
}

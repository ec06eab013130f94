#include "app/selftest.h"

#include "home/homewindow.h"
#include "practice/viewerhost.h"

#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

namespace app {

int selfTestReport(const home::HomeWindow &contents)
{
    QCoreApplication::processEvents();
    const bool viewer = practice::viewerFactory() != nullptr;
    const bool shown = contents.isVisible();
    const content::CourseDescriptor &course = contents.course();

    QStringList missing;
    if (course.name.isEmpty())
        missing << QStringLiteral("course");
    if (!viewer)
        missing << QStringLiteral("question viewer");
    if (!shown)
        missing << QStringLiteral("home window");

    QTextStream out(stdout);
    out << "Larkspur " << QCoreApplication::applicationVersion() << '\n'
        << "platform: " << QGuiApplication::platformName() << '\n'
        << "course: " << course.name << " (" << course.code << ")\n"
        << "question viewer: "
        << (viewer ? practice::viewerPluginFile() : QStringLiteral("not found")) << '\n'
        << "home window: " << (shown ? "shown" : "not shown") << '\n'
        << "self-test: "
        << (missing.isEmpty()
                ? QStringLiteral("passed")
                : QStringLiteral("failed (%1)").arg(missing.join(QStringLiteral(", "))))
        << '\n';
    return missing.isEmpty() ? 0 : 1;
}

} // namespace app

#include "app/selftest.h"

#include "home/homewindow.h"
#include "practice/viewerhost.h"

#include <QCoreApplication>
#include <QTextStream>

namespace app {

int selfTestReport(const home::HomeWindow &contents)
{
    QCoreApplication::processEvents();
    const bool viewer = practice::viewerFactory() != nullptr;
    const bool shown = contents.isVisible();
    const content::CourseDescriptor &course = contents.course();

    QTextStream out(stdout);
    out << "Larkspur " << QCoreApplication::applicationVersion() << '\n'
        << "course: " << course.name << " (" << course.code << ")\n"
        << "question viewer: "
        << (viewer ? practice::viewerPluginFile() : QStringLiteral("not found")) << '\n'
        << "home window: " << (shown ? "shown" : "not shown") << '\n';
    return viewer && shown && !course.name.isEmpty() ? 0 : 1;
}

} // namespace app

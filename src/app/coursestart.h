#pragma once

// Which course a run opens: a course file given on the command line, one opened from the file
// manager (installed for the user first), the one remembered for the data folder, or the
// pupil's pick when several are on offer and none is remembered. The built-in course needs
// nothing.

#include "app/commandline.h"
#include "courses/catalog.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace app {

// Asks the pupil to pick one of `offered` (the built-in course first); nullopt when the pupil
// closed the question without picking.
using CourseAsker = std::function<std::optional<courses::CourseEntry>(
    const QList<courses::CourseEntry> &offered, const QString &remembered)>;

struct CourseStart
{
    bool ok = true;
    QString error;        // with ok false: why the program cannot start
    QStringList warnings; // told before the program goes on
    courses::CourseEntry opened;
};

// Decides the course, checks a course file whole and serves its items to the content
// (content::setCourseItems). `ask` is not called for a self-test, which takes the built-in
// course when it would have to ask.
CourseStart startCourse(const CommandLine &line, const QString &dataFolder, const CourseAsker &ask);

// The text of --list-courses.
QString courseListText();

} // namespace app

#include "app/coursestart.h"

#include "content/content.h"
#include "courses/coursefile.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace app {

namespace {

// Reads and checks the whole course, then lets its items serve the content.
std::optional<QString> openCourseFile(const QString &path, courses::CourseInfo &info,
                                      QByteArray *bytes = nullptr)
{
    courses::ReadResult read = courses::loadCourseFile(path, bytes);
    if (!read.ok())
        return read.error;
    info = read.course->info;
    content::setCourseItems(std::make_shared<const courses::Items>(std::move(read.course->items)));
    return std::nullopt;
}

QString cannotOpen(const QString &path, const QString &why)
{
    return QStringLiteral("The course file %1 cannot be opened: %2.")
        .arg(QDir::toNativeSeparators(path), why);
}

} // namespace

CourseStart startCourse(const CommandLine &line, const QString &dataFolder, const CourseAsker &ask)
{
    CourseStart start;
    content::setCourseItems(nullptr);
    start.opened = courses::builtInCourse();

    // Given for this run: opened as it is, nothing remembered.
    if (!line.courseFile.isEmpty()) {
        courses::CourseEntry entry{QFileInfo(line.courseFile).absoluteFilePath(), {}};
        if (const std::optional<QString> why = openCourseFile(entry.path, entry.info)) {
            start.ok = false;
            start.error = cannotOpen(line.courseFile, *why);
            return start;
        }
        start.opened = entry;
        return start;
    }

    // Opened from the file manager: checked, installed for this user, remembered, opened.
    if (!line.openedFile.isEmpty()) {
        courses::CourseEntry entry{QFileInfo(line.openedFile).absoluteFilePath(), {}};
        QByteArray bytes;
        if (const std::optional<QString> why = openCourseFile(entry.path, entry.info, &bytes)) {
            start.ok = false;
            start.error = cannotOpen(line.openedFile, *why);
            return start;
        }
        const QStringList folders = courses::courseFolders();
        const bool installed = folders.contains(QFileInfo(entry.path).absolutePath());
        if (!installed) {
            QString error;
            if (const std::optional<QString> target =
                    courses::installCourseFile(bytes, entry.info, error))
                entry.path = *target;
            else
                start.warnings.append(
                    QStringLiteral("The course \"%1\" could not be installed (%2); it is opened "
                                   "for this time only.")
                        .arg(entry.info.name, error));
        }
        courses::rememberChoice(dataFolder, entry);
        start.opened = entry;
        return start;
    }

    const QList<courses::CourseEntry> files = courses::findCourseFiles(courses::courseFolders());
    // No course file installed: the built-in course, with nothing to ask or to remember.
    if (files.isEmpty())
        return start;
    const QString remembered = courses::rememberedChoice(dataFolder);
    std::optional<courses::CourseEntry> chosen = line.chooseCourse && !files.isEmpty()
                                                     ? std::nullopt
                                                     : courses::pickCourse(files, remembered);
    if (!chosen) {
        QList<courses::CourseEntry> offered{courses::builtInCourse()};
        offered.append(files);
        if (!line.selfTest && ask)
            chosen = ask(offered, remembered);
        if (!chosen)
            return start; // not picked: the built-in course, and the question comes again
        courses::rememberChoice(dataFolder, *chosen);
    }
    if (chosen->builtIn())
        return start;
    courses::CourseInfo info;
    if (const std::optional<QString> why = openCourseFile(chosen->path, info)) {
        start.warnings.append(cannotOpen(chosen->path, *why) +
                              QStringLiteral(" The course built into Larkspur opens instead."));
        return start;
    }
    start.opened = *chosen;
    start.opened.info = info;
    return start;
}

QString courseListText()
{
    QString text;
    const auto line = [&text](const courses::CourseEntry &e, const QString &where) {
        text += QStringLiteral("%1\t%2, version %3\t%4\n")
                    .arg(e.info.code, e.info.name, e.info.version, where);
    };
    line(courses::builtInCourse(), QStringLiteral("(built in)"));
    for (const courses::CourseEntry &e : courses::findCourseFiles(courses::courseFolders()))
        line(e, QDir::toNativeSeparators(e.path));
    return text;
}

} // namespace app

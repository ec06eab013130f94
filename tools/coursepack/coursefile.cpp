#include "coursefile.h"

#include "items.h"

#include "courses/checks.h"
#include "courses/coursefile.h"
#include "records/records.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace coursepack {

PackResult packCourseFile(const QString &sourceDir, const QString &filePath)
{
    PackResult result;
    const LoadResult loaded = loadCourse(sourceDir);
    result.faults = loaded.faults;
    result.warnings = loaded.warnings;
    if (!loaded.ok())
        return result;

    courses::CourseInfo info;
    info.name = loaded.course.name;
    info.code = loaded.course.code;
    info.builder = QStringLiteral(LARKSPUR_VERSION);
    const QString courseJson = QDir(sourceDir).filePath(QStringLiteral("course.json"));
    QFile json(courseJson);
    const QJsonValue version =
        json.open(QIODevice::ReadOnly)
            ? QJsonDocument::fromJson(json.readAll()).object().value(u"version")
            : QJsonValue();
    if (version.isString() && !version.toString().trimmed().isEmpty()) {
        info.version = version.toString().trimmed();
    } else if (version.isDouble()) {
        info.version = QString::number(version.toDouble());
    } else {
        info.version = QStringLiteral("1");
        result.warnings.append(QStringLiteral("%1: no \"version\"; the course file says version 1")
                                   .arg(QDir::cleanPath(courseJson)));
    }

    const courses::Items items = courseItems(loaded.course);
    // The program checks every course file it opens; one that it would refuse is not written.
    const QByteArray bytes = courses::writeCourseFile(info, items);
    const courses::ReadResult check = courses::readCourseFile(bytes);
    if (!check.ok()) {
        result.faults.append(
            Fault{QDir::cleanPath(courseJson), 1,
                  QStringLiteral("the course file would be refused: %1").arg(check.error)});
        return result;
    }
    if (const records::SaveResult saved = records::writeFileAtomically(filePath, bytes); !saved) {
        result.writeError = QStringLiteral("%1: cannot write: %2").arg(filePath, saved.error);
        return result;
    }
    result.itemCount = int(items.size());
    return result;
}

bool checkCourseFile(const QString &filePath, QString &text)
{
    const courses::ReadResult read = courses::loadCourseFile(filePath);
    if (!read.ok()) {
        text = QStringLiteral("%1: refused: %2").arg(filePath, read.error);
        return false;
    }
    const courses::CourseInfo &info = read.course->info;
    text = QStringLiteral("%1: course \"%2\", code %3, version %4, written by coursepack %5, %6 "
                          "items: sound\n")
               .arg(filePath, info.name, info.code, info.version, info.builder)
               .arg(read.course->items.size());
    return true;
}

bool listCourseFile(const QString &filePath, QString &text)
{
    const courses::ReadResult read = courses::loadCourseFile(filePath);
    if (!read.ok()) {
        text = QStringLiteral("%1: refused: %2").arg(filePath, read.error);
        return false;
    }
    QTemporaryDir dir;
    if (!dir.isValid()) {
        text = QStringLiteral("no temporary folder for the listing");
        return false;
    }
    for (auto it = read.course->items.constBegin(); it != read.course->items.constEnd(); ++it) {
        QFile item(dir.filePath(QString::number(it.key())));
        if (!item.open(QIODevice::WriteOnly) || item.write(it.value()) != it.value().size()) {
            text = QStringLiteral("no room for the listing in %1").arg(dir.path());
            return false;
        }
    }
    QString summary;
    const bool ok = listCourse(dir.path(), summary);
    const courses::CourseInfo &info = read.course->info;
    text =
        QStringLiteral("Version %1, written by coursepack %2\n").arg(info.version, info.builder) +
        summary;
    return ok;
}

} // namespace coursepack

#include "courses/catalog.h"

#include "content/content.h"
#include "courses/checks.h"
#include "courses/tables.h"
#include "records/records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

namespace courses {

namespace {
const QString BuiltInChoice = QStringLiteral("built-in");
const QString CoursesSubfolder = QStringLiteral("/larkspur/courses");
} // namespace

QString userCourseFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + CoursesSubfolder;
}

QStringList courseFolders()
{
    QStringList folders;
    for (const QString &base :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString folder = QDir::cleanPath(base + CoursesSubfolder);
        if (!folders.contains(folder))
            folders.append(folder);
    }
    const QString user = QDir::cleanPath(userCourseFolder());
    folders.removeAll(user);
    folders.prepend(user);
    return folders;
}

CourseEntry builtInCourse()
{
    CourseEntry entry;
    entry.info.version = QStringLiteral(LARKSPUR_VERSION);
    entry.info.builder = QStringLiteral(LARKSPUR_VERSION);
    // Read from the program's own items, whatever course file is open.
    QFile file(QStringLiteral(":/items/%1").arg(content::DescriptorItem));
    QString problem;
    if (file.open(QIODevice::ReadOnly)) {
        if (const std::optional<Table> t = parseTable(file.readAll(), QString(), problem)) {
            entry.info.name = t->value(QStringLiteral("NME"));
            entry.info.code = t->value(QStringLiteral("COD"));
        }
    }
    return entry;
}

std::optional<CourseInfo> readCourseDetails(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The details are the first entry: magic, format, count, then entry 0's header and bytes.
    const QByteArray head = file.read(16 + 8 + 16);
    if (head.size() != 40 || !head.startsWith("LarkspurCourse\r\n"))
        return std::nullopt;
    const auto number = [&head](int at) {
        const auto *p = reinterpret_cast<const unsigned char *>(head.constData() + at);
        return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
    };
    if (number(16) != quint32(CourseFileFormat) || number(24) != 0 || number(36) != 0 ||
        number(28) != number(32) || number(28) > 4096)
        return std::nullopt;
    const QByteArray details = file.read(qint64(number(28)));
    CourseInfo info;
    if (details.size() != qsizetype(number(28)) || checkDetails(details, info))
        return std::nullopt;
    return info;
}

QList<CourseEntry> findCourseFiles(const QStringList &folders)
{
    QList<CourseEntry> found;
    QSet<QString> codes;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        const QStringList names =
            dir.entryList({QStringLiteral("*.") + QLatin1StringView(CourseFileSuffix)},
                          QDir::Files | QDir::Readable, QDir::Name);
        for (const QString &name : names) {
            const QString path = dir.absoluteFilePath(name);
            const std::optional<CourseInfo> info = readCourseDetails(path);
            if (!info || codes.contains(info->code))
                continue;
            codes.insert(info->code);
            found.append(CourseEntry{path, *info});
        }
    }
    return found;
}

QString choiceFilePath(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/course.txt");
}

QString rememberedChoice(const QString &dataFolder)
{
    QFile file(choiceFilePath(dataFolder));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.read(4096)).trimmed();
}

bool rememberChoice(const QString &dataFolder, const CourseEntry &entry)
{
    const QString text = entry.builtIn() ? BuiltInChoice : entry.path;
    return records::writeFileAtomically(choiceFilePath(dataFolder), text.toUtf8() + '\n').ok;
}

std::optional<CourseEntry> pickCourse(const QList<CourseEntry> &offered, const QString &remembered)
{
    const CourseEntry builtIn = builtInCourse();
    if (offered.isEmpty() || remembered == BuiltInChoice)
        return builtIn;
    for (const CourseEntry &entry : offered) {
        if (!remembered.isEmpty() && entry.path == remembered)
            return entry;
    }
    return std::nullopt;
}

std::optional<QString> installCourseFile(const QByteArray &checkedBytes, const CourseInfo &info,
                                         QString &error)
{
    const QString folder = userCourseFolder();
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("the folder %1 cannot be made").arg(folder);
        return std::nullopt;
    }
    const QString target = folder + u'/' + info.code + u'.' + QLatin1StringView(CourseFileSuffix);
    if (const records::SaveResult r = records::writeFileAtomically(target, checkedBytes); !r) {
        error = r.error;
        return std::nullopt;
    }
    return target;
}

} // namespace courses

#pragma once

// A course file ("mycourse.larkspur"): the numbered content items of one course in one file,
// with the course's name, code and version and the version of the builder that wrote it.
//
// Layout (all numbers unsigned 32-bit little-endian):
//   "LarkspurCourse\r\n"            16 bytes: what the file is (and a text-mode copy breaks it)
//   format                          1
//   entry count                     n
//   n entries: number, stored size, full size, method (0 stored, 1 zlib), then the stored bytes
//   SHA-256 of everything before it
// Entry 0 holds the course's details as records (#NME#, #COD#, #VER#, #BLD#); every other
// entry is the content item of that number. A file is read only through readCourseFile, which
// checks every length before it uses it and then checks the course itself (checks.h): nothing
// of a file that fails is kept.

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <QString>

#include <optional>

namespace courses {

using Items = QMap<int, QByteArray>;

struct CourseInfo
{
    QString name;    // the descriptor's NME
    QString code;    // the descriptor's COD
    QString version; // the course's own version, as its author gives it
    QString builder; // the version of the coursepack that wrote the file
};

struct CourseFile
{
    CourseInfo info;
    Items items; // without entry 0
};

inline constexpr int CourseFileFormat = 1;
inline constexpr qint64 MaxCourseFileSize = 256LL * 1024 * 1024;
inline constexpr qint64 MaxItemSize = 16LL * 1024 * 1024;
inline constexpr qint64 MaxCourseSize = 512LL * 1024 * 1024; // all items, unpacked
inline constexpr int MaxEntries = 25000;
inline constexpr auto CourseFileSuffix = "larkspur";

// The file's bytes for a course; items are stored compressed when that is smaller.
QByteArray writeCourseFile(const CourseInfo &info, const Items &items);

struct ReadResult
{
    std::optional<CourseFile> course;
    QString error; // what is wrong, in words a teacher can act on; empty when the course is sound
    bool ok() const { return course.has_value(); }
};

// Unpacks and checks a course file's bytes. Either the whole course, sound, or an error.
ReadResult readCourseFile(QByteArrayView bytes);

// readCourseFile on a file (refused before it is read when it is larger than a course can be).
// The bytes that were checked go to `bytesRead` when the course is sound.
ReadResult loadCourseFile(const QString &path, QByteArray *bytesRead = nullptr);

} // namespace courses

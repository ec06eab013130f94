#pragma once

// The courses the program can offer: the one built into it, and course files installed for
// every user (the XDG data folders' "larkspur/courses") or for one user, or given for one run.
// Which one a data folder uses is remembered in it.

#include "courses/coursefile.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace courses {

struct CourseEntry
{
    QString path; // the course file; empty for the built-in course
    CourseInfo info;
    bool builtIn() const { return path.isEmpty(); }
};

// "larkspur/courses" under every XDG data folder, the user's own first (whether it exists or not).
QStringList courseFolders();
// The user's own: where a course opened from the file manager is installed.
QString userCourseFolder();

// The built-in course's entry, read from its descriptor.
CourseEntry builtInCourse();

// Every "*.larkspur" file in the folders whose details can be read, in folder order and by name
// within a folder; a code found again later (the same course installed twice) is left out, so
// the user's copy wins over the system's. Only the details are read here; the whole course is
// checked when it is opened.
QList<CourseEntry> findCourseFiles(const QStringList &folders);

// The details of a course file without unpacking the rest (nullopt when they cannot be read).
std::optional<CourseInfo> readCourseDetails(const QString &path);

// The remembered choice of a data folder: dataFolder + "/course.txt" holding a course file's
// path, or "built-in".
QString choiceFilePath(const QString &dataFolder);
QString rememberedChoice(const QString &dataFolder);
bool rememberChoice(const QString &dataFolder, const CourseEntry &entry);

// Which course to open: the remembered one when it is still on offer, the built-in one when
// it is the only one, otherwise nullopt (the pupil is asked).
std::optional<CourseEntry> pickCourse(const QList<CourseEntry> &offered, const QString &remembered);

// Installs a checked course for this user: writes the bytes that were checked as
// userCourseFolder()/<code>.larkspur (an earlier edition of the same course is replaced). The
// installed path, or nullopt and `error`.
std::optional<QString> installCourseFile(const QByteArray &checkedBytes, const CourseInfo &info,
                                         QString &error);

} // namespace courses

#pragma once

// Writing, checking and listing course files (mycourse.larkspur): the course as one file that a
// school installs beside the program, instead of a program rebuilt with it.

#include "pack.h"

#include <QString>

namespace coursepack {

// Checks the course in `sourceDir` as packCourse does, then the items as the program checks a
// course file when it opens one, and only when both pass writes the file. The course's version
// is course.json's "version" (text; "1" with a warning when missing).
PackResult packCourseFile(const QString &sourceDir, const QString &filePath);

// Checks a course file as the program does when it opens it. `text` says what is wrong, or names
// the course when it is sound.
bool checkCourseFile(const QString &filePath, QString &text);

// The summary of --list for a course file.
bool listCourseFile(const QString &filePath, QString &text);

} // namespace coursepack

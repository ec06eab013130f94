#pragma once

// The checks a course passes before the program uses it: the same rules the course builder
// keeps, read back from the items themselves, since a course file may have been made or
// changed by anything. Every text says what is wrong in words a teacher can act on.

#include "courses/coursefile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace courses {

// Entry 0 of a course file: the course's name, code, version and builder version. Fills `info`;
// the problem when one of them is missing or unusable.
std::optional<QString> checkDetails(const QByteArray &item, CourseInfo &info);

// Every problem of a set of content items (the course without the interface pictures), at
// most 20: unknown item numbers; the descriptor (name, a code that can be part of a file name,
// topic and paper counts); every named subject's tables and result templates; every paper's
// questions, blanks, answer keys, types and marks; every question page. When `info` is given,
// its name and code must be the descriptor's.
QStringList checkCourseItems(const Items &items, const CourseInfo *info = nullptr);

// A question page (MIME HTML): one HTML part, then pictures, each named by an address inside
// the document. Refused: script in any form (script elements, event attributes, script
// addresses), frames, objects, forms, links to other documents, style imports, and any address
// other than the document's own parts (no network, no local file).
std::optional<QString> checkQuestionPage(const QByteArray &bytes);

// Plain checks shared with the program's command line.
bool isCourseCode(const QString &code);

} // namespace courses

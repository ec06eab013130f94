#pragma once

#include "courses/catalog.h"

#include <optional>

namespace app {

// The chooser at start: the courses on offer, the remembered one (or the first) selected;
// nullopt when the pupil closes it without picking.
std::optional<courses::CourseEntry> askForCourse(const QList<courses::CourseEntry> &offered,
                                                 const QString &remembered);

} // namespace app

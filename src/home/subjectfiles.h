// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/content.h"
#include "home/homelogic.h"

#include <QString>

#include <array>

namespace home {

// The result files of the course's named subjects: the missing ones made, and the stored results
// kept across a course update (papers whose blanks changed go to an archive, the others stay)
// before any of them is read. A subject without any result file (a first start, a subject new to
// the course) has nothing to keep, so its files can wait until they are asked for.
class SubjectFiles
{
public:
    // At start: every named subject that has result files, and subject `first` in any case, is
    // settled now; the others wait for settle. Returns what the pupil is told about the course
    // update, empty when there is nothing to tell.
    QString start(const QString &dataFolder, const content::CourseDescriptor &course, int first);
    // Settles subject s (1..3) if it still waits, once. Returns the trouble the pupil is told
    // about, empty when none.
    QString settle(int s);

private:
    QString m_folder;
    content::CourseDescriptor m_course;
    std::array<bool, SubjectCount> m_pending{}; // by subject - 1
};

} // namespace home

// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/subjectfiles.h"

#include "courses/layouts.h"
#include "home/courseupdate.h"
#include "results/results.h"

#include <utility>

namespace home {

QString SubjectFiles::start(const QString &dataFolder, const content::CourseDescriptor &course,
                            int first)
{
    m_folder = dataFolder;
    m_course = course;
    courses::UpdateOutcome update;
    for (int s = 1; s <= SubjectCount; ++s) {
        if (!m_course.subjects[std::size_t(s - 1)].exists())
            continue;
        if (s != first && !results::anyResultFile(m_folder, s, m_course.code)) {
            m_pending[std::size_t(s - 1)] = true;
            continue;
        }
        results::EnsureResultFiles(m_folder, s, m_course.code);
        const courses::UpdateOutcome outcome =
            courses::keepResultsAcrossUpdate(m_folder, m_course, s);
        update.archived += outcome.archived;
        update.errors += outcome.errors;
    }
    return courseUpdateText(update);
}

QString SubjectFiles::settle(int s)
{
    if (s < 1 || s > SubjectCount || !std::exchange(m_pending[std::size_t(s - 1)], false))
        return {};
    results::EnsureResultFiles(m_folder, s, m_course.code);
    // Nothing stored could be archived; only a failure to record the layouts can be told.
    return courseUpdateText(courses::keepResultsAcrossUpdate(m_folder, m_course, s));
}

} // namespace home

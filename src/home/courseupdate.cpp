// SPDX-License-Identifier: GPL-3.0-or-later
#include "home/courseupdate.h"

#include <QDir>

namespace home {

QString courseUpdateText(const courses::UpdateOutcome &outcome)
{
    QStringList paragraphs;
    for (const courses::SubjectArchive &a : outcome.archived) {
        const qsizetype n = a.papers.size();
        paragraphs.append(
            QStringLiteral("The %1 course was updated: your earlier results for %2 %3 were kept "
                           "in %4. %5 afresh; all your other results are as they were.")
                .arg(a.subjectName)
                .arg(n)
                .arg(n == 1 ? QStringLiteral("paper") : QStringLiteral("papers"),
                     QDir::toNativeSeparators(a.archivePath),
                     n == 1 ? QStringLiteral("That paper starts")
                            : QStringLiteral("Those papers start")));
    }
    if (!outcome.errors.isEmpty())
        paragraphs.append(QStringLiteral("The course was updated, but your results could not yet "
                                         "be matched to it (%1). They are kept as they were; "
                                         "Larkspur tries again at its next start.")
                              .arg(outcome.errors.first()));
    return paragraphs.join(QStringLiteral("\n\n"));
}

} // namespace home

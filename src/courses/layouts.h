#pragma once

// Keeping results across a course update. Every paper has a fingerprint of its blank layout
// (its questions' answer types, in order, so also the number of blanks); the fingerprints the
// stored results were written with are kept beside them, one file per subject. When a paper's
// layout has changed, its stored answers, outcomes and scores no longer fit it: they are moved
// to a dated archive file once and the paper starts fresh, while every unchanged paper keeps
// its results. Papers added at the end simply start fresh.
//
// Results stored before fingerprints existed have none: for those the layout of the stored
// records themselves is compared (the number of answer fields each paper's records hold, which
// is the number of blanks it had), so a paper that gained or lost blanks is caught and one that
// kept its count keeps its results.

#include "content/content.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace courses {

struct PaperLayout
{
    int blanks = 0;
    QString fingerprint;
};

// The layouts of papers 101..100 + paperCount of `subject`, read from the course's tables
// (content::itemBytes). Empty when a table cannot be read or does not cover every paper.
QList<PaperLayout> paperLayouts(int subject, int paperCount);

// dataFolder + "/layouts" + subject + code + ".txt": the record "#LAY#", one field per paper.
QString layoutFilePath(const QString &dataFolder, int subject, const QString &code);

// dataFolder + "/Archive".
QString archiveFolderPath(const QString &dataFolder);

struct SubjectArchive
{
    int subject = 0;
    QString subjectName;
    QList<int> papers; // paper numbers whose earlier results were archived
    QString archivePath;
};

struct UpdateOutcome
{
    QList<SubjectArchive> archived; // one entry per subject with archived papers
    QStringList errors;             // what could not be done (the results were left as they were)
};

// For every named subject: compares the stored layouts with the course's, archives the records
// of changed papers that hold anything, and rewrites the subject's result files to the course's
// papers (unchanged papers' records as they are, changed and new ones fresh) together with the
// new fingerprints. A subject whose files are damaged is left to the damaged-file handling.
// Nothing is rewritten when nothing changed.
UpdateOutcome keepResultsAcrossUpdate(const QString &dataFolder,
                                      const content::CourseDescriptor &course,
                                      const QDate &today = QDate::currentDate());

// The same for one subject (1 to 3) alone, so a start can settle the subject it shows first
// and the others later.
UpdateOutcome keepResultsAcrossUpdate(const QString &dataFolder,
                                      const content::CourseDescriptor &course, int subject,
                                      const QDate &today = QDate::currentDate());

} // namespace courses

#pragma once

#include "course.h"

#include <QString>
#include <QStringList>

namespace coursepack {

struct PackOptions
{
    QString sourceDir;
    QString outputDir;
    QString picturesDir; // empty: no interface pictures
    QString qrcFile;     // empty: no resource list
    // When set, the items a start reads (the interface pictures, the descriptor, its tables and
    // the result templates) are listed here instead of in qrcFile: packed as a resource of their
    // own they lie together, and a start touches one short stretch of the program's data.
    QString startQrcFile;
};

// Whether item `number` is read at every start (see PackOptions::startQrcFile).
bool readAtStart(int number);

struct PackResult
{
    QList<Fault> faults;  // course faults; nothing was written when there are any
    QStringList warnings; // reported, but the items were written
    QString writeError;   // set when writing the items failed
    int itemCount = 0;
    bool ok() const { return faults.isEmpty() && writeError.isEmpty(); }
};

// Checks the course and, only when it has no fault, writes every item into outputDir as a file
// named by its number (stale numbered files there are removed).
PackResult packCourse(const PackOptions &options);

// The summary that `coursepack --list` prints, read back from a folder of items.
// Returns false (and a message in `text`) when the folder holds no usable course.
bool listCourse(const QString &itemsDir, QString &text);

} // namespace coursepack

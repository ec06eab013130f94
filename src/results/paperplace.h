#pragma once
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QString>

namespace results {

// Where a paper belongs and which take of it is opened: what the home window hands a practice
// window. It is a copy, fixed when the paper opens, so the paper is read and written in the
// files of the subject it was opened from whatever the home window shows meanwhile.
struct PaperPlace
{
    QString dataFolder;
    int subject = 0;    // 1..3
    QString code;       // the course code, part of every result file name
    int paperCount = 0; // papers of the subject
    int topicFirst = 1; // ordinal of the topic's first paper: 1, 6, 11, ...
    QString topicName;
    QString subjectName;
    int paperNumber = 0; // 101 upward
    int take = 1;        // 1 first take, 2 second take
};

} // namespace results

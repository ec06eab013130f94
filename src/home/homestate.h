// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace home {

// What the home window has selected and where it stands, kept for the whole run. Only the home
// window reads and writes it; a practice window is handed a copy of the paper's place instead.
struct HomeState
{
    QString dataFolder;      // where result, temporary and picture files live
    int LChose = 0;          // selected subject, 1..3 (0 while none is selected)
    QString lblCOD;          // course code, part of every result file name
    int TtPapersCon = 0;     // paper count of the selected subject
    int TopicCount = 1;      // ordinal of the selected topic's first paper: 1, 6, 11, ...
    QString SubH1;           // name of the selected topic
    QString subjectName;     // name of the selected subject
    int PaperNum = 0;        // paper last opened: 101 upward
    int TakeNum = 1;         // 1 first take, 2 second take
    int txtTabPos = 1;       // selected tab, 1..4 (4 is Help)
    int txtToolBarPos = 0;   // position 1..4 of the last toolbar command
    int txtReportPos = 1;    // open report-card panel, 1..3
    bool RefreshLog = false; // true while RefreshContents runs: keeps the selected topic
};

} // namespace home

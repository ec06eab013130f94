#pragma once

#include <QString>

namespace home {

// The selection and hand-over state of the home window. The home window owns it for the whole
// run; a practice window reads the selection while it loads and again whenever it saves or marks,
// so a paper is always written to the files of the subject and paper it was opened for.
struct HomeState
{
    QString dataFolder;      // where result, temporary and picture files live
    int LChose = 0;          // selected subject, 1..3 (0 while none is selected)
    QString lblCOD;          // course code, part of every result file name
    int TtPapersCon = 0;     // paper count of the selected subject
    int TopicCount = 1;      // ordinal of the selected topic's first paper: 1, 6, 11, ...
    QString SubH1;           // name of the selected topic
    QString subjectName;     // name of the selected subject
    int PaperNum = 0;        // paper being opened: 101 upward
    int TakeNum = 1;         // 1 first take, 2 second take
    int txtTabPos = 1;       // selected tab, 1..4 (4 is Help)
    int txtToolBarPos = 0;   // position 1..4 of the last toolbar command
    int txtReportPos = 1;    // open report-card panel, 1..3
    bool RefreshLog = false; // true while RefreshContents runs: keeps the selected topic
    QString PopUpResponse;   // "True" or "False": answer of the last message dialog
};

} // namespace home

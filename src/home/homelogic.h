// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/content.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The decisions of the home window as plain functions, so that they can be checked without a
// window. Positions are device-independent pixels unless a name says otherwise.
namespace home {

using content::MaxTopics; // a subject's topics, as the course descriptor holds them
inline constexpr int PapersPerTopic = 5;
inline constexpr int SubjectCount = 3;

// The lefts of Tab01..Tab04, once the course says which subjects have a name. A named subject's tab
// follows the previous one with a 4 px overlap; an unnamed subject's tab is parked off the window
// (left = -width of Tab01); the Help tab follows the last named tab.
std::array<int, 4> tabLefts(const std::array<bool, SubjectCount> &named,
                            const std::array<int, 4> &widths, int start = 2);

// RaiseTab: tops of the tabs against the tab strip. The selected tab stands 2 px higher.
int tabTop(int stripTop, int tabHeight, bool selected);

// ShowTopicButton: topic n (1..10) is shown when the subject has at least n topics.
bool topicVisible(int n, int topicCount);

// Ordinal of a topic's first paper: 1, 6, 11, ... 46.
int topicFirstOrdinal(int topic);

// The topic whose first-paper ordinal is `first`, or nullopt when it is none of 1, 6, ... 46.
std::optional<int> topicOfFirstOrdinal(int first);

// OpenPaper: the paper number of the paper at `offset` (0..4) of the topic starting at `first`.
int paperNumber(int first, int offset);

// Reads a stored score the way the home page compares it; text that is not a number counts as
// 0, so a damaged score never hides the second-take button.
double scoreValue(const QString &text);

// A stored score as the home page and the printout show it: the same text when it reads as a
// number, otherwise nothing, so a damaged score reads as no take everywhere, as the report card
// counts it.
QString shownScore(const QString &stored);

// What a screen reader calls a paper button: "Paper 2, 1st attempt, 80%", or without the score
// while the take has none. `take` is 1 or 2; `score` is the score as shown.
QString paperButtonName(int n, int take, const QString &score);

// ShowPaperRows: the second-take button shows only once a first take exists and its score is
// not above 99.
bool secondTakeVisible(const QString &firstScore);

// ShowPaperRows: a score ends 20 twips before the percent column.
int scoreLeft(int percentLeft, int scoreWidth);

// The texts and the second-take visibility of paper row n (1..5) of the topic starting at
// `first`, taken from the first-take and second-take score arrays (index 0 = paper 101).
struct PaperRow
{
    QString firstScore;
    QString secondScore;
    bool secondTakeVisible = false;
};
PaperRow paperRow(const QStringList &firstScores, const QStringList &secondScores, int first,
                  int n);

// The subject the window starts on: the first (1..3) that has a name, or 0 when none has.
int firstNamedSubject(const std::array<QString, SubjectCount> &names);

// The tool tip of a subject tab.
QString subjectTabToolTip(const QString &subjectName);

// ---- Tabs and toolbar ------------------------------------------------------------------------

// What ShowPage does for tab `tab` (1..3 subjects, 4 Help) and toolbar position `position`.
enum class PageCommand
{
    None,       // a position with no command (Help tab, position 3) or out of range
    HomePage,   // LoadSubject, then Body_Home
    ReportPage, // the report card, Body_Report
    Print,      // PrintResults; the page stays
    Close,      // CloseProgram
    AboutPage,  // Body_About
    TrashPage,  // Body_Trash in its first state
    PrintSetup  // the printer set-up dialog; the page stays
};
PageCommand pageCommand(int tab, int position);

// ---- Trash page ------------------------------------------------------------------------------

enum class TrashState
{
    Offer,   // "Click on the button below ..." and Trash
    Confirm, // "Are you sure?", Yes and No
    Done     // the outcome line (erased, or what could not be done)
};

// Which controls of the trash page show in a state.
struct TrashVisibility
{
    bool lbl1 = false, trash = false;           // Trashlbl1, ButTrash
    bool lbl2 = false, yes = false, no = false; // Trashlbl2, ButTrash_Yes, ButTrash_No
    bool lbl3 = false;                          // Trashlbl3
};
TrashVisibility trashVisibility(TrashState state);

// ---- About page ------------------------------------------------------------------------------

// The web page the About page's link opens: the program's one setting for it.
inline constexpr char HomePageAddress[] = "https://larkspur.example.org/";

// "For Linux", "For Windows", "For macOS" from QSysInfo::kernelType() ("linux", "winnt",
// "darwin"); another system is named as it calls itself.
QString platformText(const QString &kernelType);

// ---- Printing the results --------------------------------------------------------------------

inline constexpr int PrintZoneWidth = 14;
inline constexpr int PrintRuleWidth = 128;

// One printed line: the first item at column 0, every later item at the next print zone: the
// first multiple of 14 columns past the end of the line so far (an empty item still takes its
// zone).
QString printZoneLine(const QStringList &items);

// The printed results of a subject: two empty lines, the course name, two empty lines, then for
// each topic 1..topicCount two empty lines, its name, the rule, the two heading lines, the rule
// and five paper lines. `fse`, `ltm`, `cdd`, `sse` are the summary records (index 0 = paper
// 101); a paper without a take, or with a damaged score, prints "%" alone.
QStringList resultsPrintLines(const QString &courseName, const QStringList &topicNames,
                              int topicCount, const QStringList &fse, const QStringList &ltm,
                              const QStringList &cdd, const QStringList &sse);

// The point size at which a line `widthAtBase` wide in a `basePoints` font fits `available`:
// the base size when it fits, smaller when it does not.
double fittingPointSize(double basePoints, double widthAtBase, double available);

} // namespace home

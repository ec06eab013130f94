#pragma once

// The decisions of the practice window as plain functions: geometry, layout numbers, button
// states, the remaining-questions list, the marking question and the caption. None of them
// touches a widget, so each is tested without a window.

#include "chrome/units.h"

#include <QChar>
#include <QKeySequence>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace practice {

struct WriteFailure;

// The window's design lengths are kept in twips or HIMETRIC so they can be checked against the
// design; the chrome's unit helpers are the only place they become pixels.
using chrome::himetricToPx;
using chrome::twipsToPx;
// Short names for this module's many geometry lines.
inline int px(double twips)
{
    return chrome::twipsToWholePx(twips);
}

enum class Take
{
    First = 1,
    Second = 2
};

// --- Answer sheet rows (twips) ----------------------------------------------------------------

inline constexpr int AnswerRowCount = 20;

struct RowGeometry
{
    QRect frame;   // Frame k, in AnsBox
    QRect answer;  // FA k, in Frame k
    QRect outcome; // FR k
    QRect model;   // M k
    QRect letter;  // QL k
};

// Geometry of row 1 for a blank of the given type: "L" is a long answer, anything else one line.
// Rows 2 to 20 always keep the one-line design geometry.
RowGeometry rowGeometryTwips(const QString &type);

// Tops of the 20 rows, stacked from 50 twips with a 105-twip gap, or a 10-twip overlap when the
// question has 16 blanks or more. heights: the 20 row heights in twips.
QList<int> stackRowTopsTwips(const QList<int> &heights, int blanksOnQuestion, Take take);

// Row k (1-based) is shown when the question has at least k blanks.
bool rowShown(int k, int blanksOnQuestion);
// QL1 hidden for a single blank, shown from two; nullopt (keep as is) for none.
std::optional<bool> firstLetterShown(int blanksOnQuestion);
// "(a)" .. "(t)".
QString rowLetter(int k);
// True while any of the question's blanks is of type "F" or "X"; nullopt for no blanks.
std::optional<bool> instructionShown(const QStringList &typesOfQuestion);
// One character for a multiple-choice blank, no limit otherwise (QLineEdit's default).
int answerMaxLength(const QString &type);

// --- Paper arithmetic (questions 1-based as on screen, blanks 0-based in arrays) ---------------

// Index of the first blank of question q.
int blankOffset(const QList<int> &blanksPerQuestion, int q);
// Question numbers with at least one blank whose answer, trimmed, is empty; ascending, once each.
QStringList remainingQuestions(const QStringList &answers, const QList<int> &blanksPerQuestion,
                               int blankCount);
// Blanks whose stored answer is not the empty text (spaces count as an answer).
int answeredCount(const QStringList &answers, int blankCount);
// True when some blank's answer is exactly empty: marking asks the longer question then.
bool hasEmptyAnswer(const QStringList &answers, int blankCount);

inline constexpr auto MarkTitle = "Marking";
inline constexpr auto MarkAllAnswered = "Do you want to mark your practice now?";
inline constexpr auto MarkNotAllAnswered =
    "You have not answered all the questions.  Do you still want to mark your practice?";
QString markingQuestion(const QStringList &answers, int blankCount);
// The second take asks the longer question only for a blank that is empty now and was not right
// in the first take: the carried-over blanks are not the pupil's to answer again.
QString secondTakeMarkingQuestion(const QStringList &answers, const QStringList &firstOutcomes,
                                  int blankCount);

// --- Second take -------------------------------------------------------------------------------

inline constexpr auto SecondTakeCaption = "Try Again"; // the window's caption before a paper loads
inline constexpr auto SecondTakeHeading = "Second Attempt";

// How one answer row of the second take looks. nullopt leaves that control as it is.
struct SecondTakeRowLook
{
    std::optional<bool> locked;         // FA k read-only
    bool tinted = false;                // FA k background RGB(192, 192, 255), else white
    std::optional<bool> firstMarkShown; // FR k, moved to the right of FA k when shown
    std::optional<bool> modelShown;     // M k, the expected answer
};
// firstOutcome: the blank's first-take outcome; outcome: its second-take outcome.
SecondTakeRowLook secondTakeRowLook(const QString &firstOutcome, const QString &outcome,
                                    bool marked);
// Where FR k goes beside a locked first-take-right box: 105 twips right of the box.
int carriedMarkLeftTwips(const QRect &answerTwips);

// The row that gets the input focus when a question is shown: the first one the pupil can type
// in. In a second take the blanks right the first time are locked, so row 1 may take no typing.
// nullopt when no row is open (a marked paper, or every blank of the question carried over).
// firstOutcomes: the first-take outcomes of the question's blanks, in row order.
std::optional<int> firstOpenRow(Take take, const QStringList &firstOutcomes, int blanksOnQuestion,
                                bool marked);

// Names a screen reader gives the rows: "Answer (a) of question 3", "Expected answer (a) ...".
QString answerBoxName(int k, int question);
QString expectedAnswerName(int k, int question);

// What a screen reader says of an answer box besides its name: how to use it, or once marked
// its outcome and the hint. A blank right in the first take is kept in the second.
QString answerDescription(Take take, const QString &firstOutcome, const QString &outcome,
                          const QString &hint);

// The hint line beside the answer sheet once the paper is marked: the hint of the row with the
// focus, else of the first row of the question that has one; "Hint for (c): ..." (no letter for
// a single blank). Empty when no row of the question has a hint. rowHints: the question's rows in
// order; focusedRow: 1-based, 0 when no answer box of the question has the focus.
QString hintLine(const QStringList &rowHints, int focusedRow);

// "<topic> - Paper <k>", k the paper's place in its topic.
QString paperCaption(const QString &topicName, int paperNumber, int topicFirstOrdinal);

// --- Toolbar and status ------------------------------------------------------------------------

struct ToolbarState
{
    bool save, mark, print, close, back, next;
};
ToolbarState toolbarState(int status, int questionNumber, int questionCount);
// The numeric value of a status field: "1" -> 1, "", "0" or damage -> 0.
int statusValue(const QString &field);

// Hours, minutes and seconds without leading zeros: "0:7:5". Hours run on past a day, so a
// long take is never recorded as a short one.
QString clockText(qint64 elapsedSeconds);

// --- Keyboard --------------------------------------------------------------------------------

enum class Command
{
    Save,
    Mark,
    Print,
    Close,
    Back,
    Next,
    ToggleSheet,
};
// The keys of the window's commands. Page Up and Page Down are not among them: they scroll the
// question wherever the focus is, in an answer box as in the document, so a long passage is read
// to its end without the answer boxes changing under the pupil. Only Alt+Left and Alt+Right (and
// Back, Next) change question.
struct CommandKey
{
    Command command;
    QKeySequence keys;
};
QList<CommandKey> commandKeys();
// A tool tip naming the command's first key: "Save paper (Ctrl+S)".
QString toolTipWithKey(const QString &toolTip, Command command);

// What the pupil is told when a write of the paper failed: what is kept, and what to do.
QString writeFailureMessage(const WriteFailure &failure);

// --- Characters an answer may hold ------------------------------------------------------------

// A record field cannot hold ">" or a line break, "#" could fake a key, and the files are
// Windows-1252, so anything it cannot encode would come back as something else.
bool answerCharAllowed(QChar c);
bool answerTextAllowed(const QString &text);

// --- Document guards ---------------------------------------------------------------------------

// Ctrl+C and Ctrl+X inside the question document are refused.
bool isGuardedKey(int key, Qt::KeyboardModifiers modifiers);
bool isGuardedButton(Qt::MouseButton button);

// --- Window layout (pixels unless named twips) -------------------------------------------------

// Placement of a new window from the screen's size in twips: 12000 x 9000 twips, 500 from the
// right and 1000 from the bottom. Kept on screen when the screen is smaller than that.
QRect initialGeometryTwips(QSize screenTwips);

struct FrameMetrics
{
    int topHeight = 28;   // title bar pieces
    int leftWidth = 4;    // BLeft
    int rightWidth = 4;   // BRight
    int bottomHeight = 4; // BBot
};

struct PracticeLayout
{
    QRect sizer;
    QRect toolStrip;        // ScnTabBG
    QRect tools[6];         // ToolBar01..06, inside the strip
    QRect paperSum;         // inside the strip
    QRect answerBox;        // AnsBox
    QRect handleStrip;      // PicHideAns
    QRect viewer;           // brwWebBrowser
    QRect questionTitle;    // QnTitleBG
    QRect statusBar;        // RemQnsBG
    int instructionTop = 0; // PicInstruction, inside AnsBox
};

// The handle strip PicHideAns and the handle image ImgHandle are wider in the second take.
int handleStripWidthTwips(Take take);
int handleImageWidthTwips(Take take);

PracticeLayout layoutPractice(QSize inner, bool answerSheetShown, const FrameMetrics &frame = {},
                              Take take = Take::First);

// The pictures of the status bar's background pieces: Bot1 to Bot3 in the first take, Bot1 and
// Bot3 (no Bot2) in the second.
struct StatusPiece
{
    QString name;
    QString picture;
};
QList<StatusPiece> statusBarPieces(Take take);

} // namespace practice

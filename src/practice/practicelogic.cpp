#include "practice/practicelogic.h"

#include "practice/paper.h"

#include "marking/marking.h"
#include "records/records.h"
#include "results/results.h"

#include <QtMath>

#include <algorithm>

namespace practice {

namespace {

// A rectangle from fractional pixel values; the edges are rounded, not the width, so that
// neighbours computed from the same edge meet exactly.
QRect pxRect(double left, double top, double width, double height)
{
    const int l = qRound(left), t = qRound(top);
    return QRect(l, t, qRound(left + width) - l, qRound(top + height) - t);
}

// Row design (twips). The one-line geometry is the design of every row; row 1 switches to the
// long geometry for an "L" blank.
constexpr int RowLeft = 120;
constexpr int RowWidth = 3855; // AnsBox width 4095 less a margin on each side
constexpr int LetterLeft = 60;
constexpr int LetterWidth = 390;
constexpr int AnswerLeft = 450;
constexpr int AnswerTop = 60;

} // namespace

RowGeometry rowGeometryTwips(const QString &type)
{
    RowGeometry g;
    if (type == QLatin1String("L")) {
        g.frame = QRect(RowLeft, 0, RowWidth, 2100);
        g.answer = QRect(AnswerLeft, AnswerTop, RowWidth - 1000, 1000);
        g.outcome = QRect(g.answer.x() + g.answer.width() + 100, AnswerTop, 300, 255);
        g.model = QRect(g.answer.x(), g.answer.y() + g.answer.height() + 100, RowWidth - 500, 1000);
    } else {
        g.frame = QRect(RowLeft, 0, RowWidth, 375);
        g.answer = QRect(AnswerLeft, AnswerTop, 1575, 255);
        g.outcome = QRect(2040, AnswerTop, 300, 255);
        g.model = QRect(2400, 60, 1455, 255);
    }
    g.letter = QRect(LetterLeft, AnswerTop, LetterWidth, 255);
    return g;
}

QList<int> stackRowTopsTwips(const QList<int> &heights, int blanksOnQuestion, Take take)
{
    // Many rows must still fit the sheet, so from 16 blanks on they close up.
    int gap = 105;
    if (blanksOnQuestion >= 16)
        gap = take == Take::First ? -10 : 0;
    QList<int> tops;
    int top = 50;
    for (int k = 0; k < heights.size(); ++k) {
        tops.append(top);
        top += heights[k] + gap;
    }
    return tops;
}

bool rowShown(int k, int blanksOnQuestion)
{
    return blanksOnQuestion >= k;
}

std::optional<bool> firstLetterShown(int blanksOnQuestion)
{
    if (blanksOnQuestion <= 0)
        return std::nullopt;
    return blanksOnQuestion >= 2;
}

QString rowLetter(int k)
{
    return QStringLiteral("(%1)").arg(QChar(u'a' + (k - 1)));
}

std::optional<bool> instructionShown(const QStringList &typesOfQuestion)
{
    if (typesOfQuestion.isEmpty())
        return std::nullopt;
    for (const QString &t : typesOfQuestion)
        if (t == QLatin1String("F") || t == QLatin1String("X"))
            return true;
    return false;
}

int answerMaxLength(const QString &type)
{
    return type == QLatin1String("Q") ? 1 : 32767;
}

int blankOffset(const QList<int> &blanksPerQuestion, int q)
{
    int offset = 0;
    for (int i = 0; i < q - 1 && i < blanksPerQuestion.size(); ++i)
        offset += blanksPerQuestion[i];
    return offset;
}

QStringList remainingQuestions(const QStringList &answers, const QList<int> &blanksPerQuestion,
                               int blankCount)
{
    QStringList list;
    for (int i = 0; i < blankCount; ++i) {
        const QString answer = i < answers.size() ? answers[i] : QString();
        if (!answer.trimmed().isEmpty())
            continue;
        int sum = 0;
        for (int j = 0; j < blanksPerQuestion.size(); ++j) {
            sum += blanksPerQuestion[j];
            if (sum >= i + 1) {
                const QString number = QString::number(j + 1);
                if (list.isEmpty() || list.last() != number)
                    list.append(number);
                break;
            }
        }
    }
    return list;
}

int answeredCount(const QStringList &answers, int blankCount)
{
    int n = 0;
    for (int i = 0; i < blankCount && i < answers.size(); ++i)
        if (!answers[i].isEmpty())
            ++n;
    return n;
}

bool hasEmptyAnswer(const QStringList &answers, int blankCount)
{
    return answeredCount(answers, blankCount) < blankCount;
}

QString markingQuestion(const QStringList &answers, int blankCount)
{
    return QString::fromLatin1(hasEmptyAnswer(answers, blankCount) ? MarkNotAllAnswered
                                                                   : MarkAllAnswered);
}

QString secondTakeMarkingQuestion(const QStringList &answers, const QStringList &firstOutcomes,
                                  int blankCount)
{
    const QString right(marking::RightMark);
    for (int i = 0; i < blankCount; ++i)
        if (firstOutcomes.value(i) != right && answers.value(i).isEmpty())
            return QString::fromLatin1(MarkNotAllAnswered);
    return QString::fromLatin1(MarkAllAnswered);
}

SecondTakeRowLook secondTakeRowLook(const QString &firstOutcome, const QString &outcome,
                                    bool marked)
{
    SecondTakeRowLook look;
    const bool rightBefore = firstOutcome == QString(marking::RightMark);
    look.tinted = rightBefore;
    if (!marked) {
        look.locked = rightBefore;
        look.firstMarkShown = rightBefore;
    } else {
        // Marked: every box is locked and FR hidden by the marked state itself.
        look.modelShown = outcome == QString(marking::WrongMark);
    }
    return look;
}

int carriedMarkLeftTwips(const QRect &answerTwips)
{
    return answerTwips.x() + answerTwips.width() + 105;
}

QString paperCaption(const QString &topicName, int paperNumber, int topicFirstOrdinal)
{
    const int k = paperNumber - 100 - topicFirstOrdinal + 1;
    return topicName + QStringLiteral(" - Paper ") + QString::number(k);
}

ToolbarState toolbarState(int status, int questionNumber, int questionCount)
{
    ToolbarState s{};
    s.save = s.mark = status == 0;
    s.print = s.close = true;
    s.back = questionNumber != 1;
    s.next = questionNumber != questionCount;
    return s;
}

std::optional<int> firstOpenRow(Take take, const QStringList &firstOutcomes, int blanksOnQuestion,
                                bool marked)
{
    if (marked)
        return std::nullopt;
    const int rows = std::min(blanksOnQuestion, AnswerRowCount);
    for (int k = 1; k <= rows; ++k) {
        if (take == Take::First || firstOutcomes.value(k - 1) != QString(marking::RightMark))
            return k;
    }
    return std::nullopt;
}

QString answerBoxName(int k, int question)
{
    return QStringLiteral("Answer %1 of question %2").arg(rowLetter(k)).arg(question);
}

QString expectedAnswerName(int k, int question)
{
    return QStringLiteral("Expected answer %1 of question %2").arg(rowLetter(k)).arg(question);
}

QString answerDescription(Take take, const QString &firstOutcome, const QString &outcome,
                          const QString &hint)
{
    const QString right(marking::RightMark), wrong(marking::WrongMark);
    if (outcome == wrong)
        return hint.isEmpty() ? QStringLiteral("Marked wrong")
                              : QStringLiteral("Marked wrong. ") + hint;
    if (take == Take::Second && firstOutcome == right)
        return QStringLiteral("Right in the first attempt, kept");
    if (outcome == right)
        return hint.isEmpty() ? QStringLiteral("Marked right")
                              : QStringLiteral("Marked right. ") + hint;
    return QStringLiteral("Enter your answer");
}

QString hintLine(const QStringList &rowHints, int focusedRow)
{
    int row = focusedRow >= 1 && !rowHints.value(focusedRow - 1).isEmpty() ? focusedRow : 0;
    for (int k = 1; row == 0 && k <= rowHints.size(); ++k)
        if (!rowHints[k - 1].isEmpty())
            row = k;
    if (row == 0)
        return QString();
    if (rowHints.size() == 1)
        return QStringLiteral("Hint: ") + rowHints[0];
    return QStringLiteral("Hint for %1: %2").arg(rowLetter(row), rowHints[row - 1]);
}

QList<CommandKey> commandKeys()
{
    return {
        {Command::Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {Command::Mark, QKeySequence(Qt::CTRL | Qt::Key_M)},
        {Command::Print, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {Command::Close, QKeySequence(Qt::CTRL | Qt::Key_W)},
        {Command::Back, QKeySequence(Qt::ALT | Qt::Key_Left)},
        {Command::Next, QKeySequence(Qt::ALT | Qt::Key_Right)},
        {Command::ToggleSheet, QKeySequence(Qt::CTRL | Qt::Key_H)},
    };
}

QString toolTipWithKey(const QString &toolTip, Command command)
{
    for (const CommandKey &k : commandKeys()) {
        if (k.command == command)
            return QStringLiteral("%1 (%2)").arg(toolTip,
                                                 k.keys.toString(QKeySequence::NativeText));
    }
    return toolTip;
}

int statusValue(const QString &field)
{
    bool ok = false;
    const double v = field.trimmed().toDouble(&ok);
    return ok && v == 1.0 ? 1 : 0;
}

QString clockText(qint64 elapsedSeconds)
{
    // The same text is stored as the time taken, so both come from one routine.
    return results::elapsedText(elapsedSeconds);
}

bool answerCharAllowed(QChar c)
{
    // Control characters (tabs, C1 codes) have no business in an answer either.
    if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0))
        return false;
    return records::fieldCanHold(c);
}

bool answerTextAllowed(const QString &text)
{
    for (QChar c : text)
        if (!answerCharAllowed(c))
            return false;
    return true;
}

bool isGuardedKey(int key, Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ControlModifier) && (key == Qt::Key_C || key == Qt::Key_X);
}

bool isGuardedButton(Qt::MouseButton button)
{
    return button == Qt::RightButton;
}

QRect initialGeometryTwips(QSize screenTwips)
{
    const int left = std::max(0, screenTwips.width() - 12500);
    const int top = std::max(0, screenTwips.height() - 10000);
    return QRect(left, top, 12000, 9000);
}

int handleStripWidthTwips(Take take)
{
    return take == Take::First ? 100 : 120;
}

int handleImageWidthTwips(Take take)
{
    return take == Take::First ? 90 : 120;
}

QList<StatusPiece> statusBarPieces(Take take)
{
    if (take == Take::First)
        return {{QStringLiteral("Bot1"), QStringLiteral("bottombg3.bmp")},
                {QStringLiteral("Bot2"), QStringLiteral("bottombg3.bmp")},
                {QStringLiteral("Bot3"), QStringLiteral("bottombg3.bmp")}};
    return {{QStringLiteral("Bot1"), QStringLiteral("bottombg1.bmp")},
            {QStringLiteral("Bot3"), QStringLiteral("bottombg3.bmp")}};
}

PracticeLayout layoutPractice(QSize inner, bool answerSheetShown, const FrameMetrics &f, Take take)
{
    PracticeLayout l;
    const double W = inner.width(), H = inner.height();
    const double sizer = twipsToPx(120);
    l.sizer = pxRect(W - sizer - himetricToPx(60), H - sizer - himetricToPx(60), sizer, sizer);

    const double stripTop = f.topHeight;
    const double stripHeight = twipsToPx(765);
    const double stripWidth = W - f.rightWidth - f.leftWidth;
    l.toolStrip = pxRect(f.leftWidth, stripTop, stripWidth, stripHeight);

    const double toolW = twipsToPx(660), toolH = twipsToPx(675), toolTop = twipsToPx(65);
    const double gap = twipsToPx(120);
    double left = gap;
    for (int i = 0; i < 4; ++i) {
        l.tools[i] = pxRect(left, toolTop, toolW, toolH);
        left += toolW + gap;
    }
    const double nextLeft = stripWidth - toolW - gap;
    l.tools[5] = pxRect(nextLeft, toolTop, toolW, toolH);
    l.tools[4] = pxRect(nextLeft - toolW - gap, toolTop, toolW, toolH);
    l.paperSum = pxRect(W - twipsToPx(4095), toolTop, twipsToPx(1755), twipsToPx(615));

    const double bodyTop = stripTop + stripHeight;
    const double ansW = twipsToPx(4095), handleW = twipsToPx(handleStripWidthTwips(take)),
                 statusH = twipsToPx(375);
    const double bodyH = H - stripTop - stripHeight - f.bottomHeight;
    const double viewerH = bodyH - statusH;
    double ansLeft, handleLeft, viewerW;
    if (answerSheetShown) {
        ansLeft = W - ansW - f.rightWidth;
        handleLeft = ansLeft - handleW;
        viewerW = W - ansW - handleW - f.leftWidth - f.rightWidth;
    } else {
        // The sheet slides out to the right; the handle strip meets the right border.
        ansLeft = W;
        handleLeft = ansLeft - handleW - f.rightWidth;
        viewerW = W - handleW - f.leftWidth - f.rightWidth;
    }
    l.answerBox = pxRect(ansLeft, bodyTop, ansW, bodyH);
    l.handleStrip = pxRect(handleLeft, bodyTop, handleW, bodyH);
    l.viewer = pxRect(f.leftWidth, bodyTop, viewerW, viewerH);
    l.questionTitle = pxRect(twipsToPx(120), bodyTop + himetricToPx(120),
                             viewerW - himetricToPx(640), twipsToPx(375));
    l.statusBar = pxRect(f.leftWidth, bodyTop + viewerH, viewerW, statusH);
    // The instruction picture stands at the foot of the sheet, but clear above the resize grip,
    // which lies over the sheet's bottom-right corner.
    l.instructionTop = l.sizer.top() - qRound(bodyTop) - 2 - px(1335);
    return l;
}

QString writeFailureMessage(const WriteFailure &failure)
{
    const QString reason = failure.error.isEmpty() ? failure.path : failure.error;
    QString message;
    switch (failure.file) {
    case WriteFailure::File::Answers:
        message = QStringLiteral("Your answers could not be saved (%1). They are still on the "
                                 "screen; please try again.");
        break;
    case WriteFailure::File::Outcomes:
    case WriteFailure::File::Summary:
        message = QStringLiteral("Your paper could not be marked because its results could not "
                                 "be saved (%1). Your answers are still on the screen; please try "
                                 "again.");
        break;
    case WriteFailure::File::Unfinished:
        message = QStringLiteral("Your paper is marked, but its results could not all be written "
                                 "(%1). Larkspur will finish writing them when it next starts.");
        break;
    case WriteFailure::File::Pending:
        message = QStringLiteral("Your paper could not be marked: an earlier mark is still to be "
                                 "finished, and %2 could not be written (%1). Please make sure "
                                 "%2 is a file Larkspur may write (move anything else of that "
                                 "name elsewhere), then mark the paper again. Your answers are "
                                 "still on the screen.");
        break;
    }
    return failure.file == WriteFailure::File::Pending ? message.arg(reason, failure.path)
                                                       : message.arg(reason);
}

} // namespace practice

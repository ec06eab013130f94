// The practice window's decisions, without a window.

#include "practice/paper.h"
#include "practice/practicelogic.h"
#include "practice/practicetoolbar.h"

#include <QTest>

using namespace practice;

class PracticeLogicTest : public QObject
{
    Q_OBJECT
private slots:
    void writeFailureWording_data();
    void writeFailureWording();
    void rowStacking_data();
    void rowStacking();
    void longRowGeometry();
    void firstLetter();
    void instructionPicture_data();
    void instructionPicture();
    void remainingAndAnswered();
    void remainingOnceEach();
    void toolbarEnds_data();
    void toolbarEnds();
    void markingQuestion_data();
    void markingQuestion();
    void secondTakeQuestion_data();
    void secondTakeQuestion();
    void secondTakeRows_data();
    void secondTakeRows();
    void secondTakeLayout();
    void focusRow_data();
    void focusRow();
    void caption();
    void clock_data();
    void clock();
    void statusNumbers_data();
    void statusNumbers();
    void refusedCharacters_data();
    void refusedCharacters();
    void guards_data();
    void guards();
    void initialPlacement_data();
    void initialPlacement();
    void layoutShown();
    void layoutHidden();
    void toolsFollowStrip();
    void hintLine_data();
    void hintLine();
    void practiceToolbarDisabledPictures();
};

void PracticeLogicTest::rowStacking_data()
{
    QTest::addColumn<int>("blanks");
    QTest::addColumn<int>("take");
    QTest::addColumn<int>("secondTop");
    QTest::addColumn<int>("lastTop");
    // One-line rows are 375 twips high.
    QTest::newRow("1 blank") << 1 << 1 << 50 + 375 + 105 << 50 + 19 * 480;
    QTest::newRow("15 blanks") << 15 << 1 << 50 + 480 << 50 + 19 * 480;
    QTest::newRow("16 blanks overlap") << 16 << 1 << 50 + 365 << 50 + 19 * 365;
    QTest::newRow("16 blanks second take") << 16 << 2 << 50 + 375 << 50 + 19 * 375;
}

void PracticeLogicTest::rowStacking()
{
    QFETCH(int, blanks);
    QFETCH(int, take);
    QFETCH(int, secondTop);
    QFETCH(int, lastTop);
    const QList<int> heights(20, rowGeometryTwips(QStringLiteral("T")).frame.height());
    const QList<int> tops = stackRowTopsTwips(heights, blanks, Take(take));
    QCOMPARE(tops.size(), 20);
    QCOMPARE(tops[0], 50);
    QCOMPARE(tops[1], secondTop);
    QCOMPARE(tops[19], lastTop);
    QVERIFY(rowShown(blanks, blanks));
    QVERIFY(!rowShown(blanks + 1, blanks));
}

void PracticeLogicTest::longRowGeometry()
{
    const RowGeometry one = rowGeometryTwips(QStringLiteral("N"));
    QCOMPARE(one.frame.height(), 375);
    QCOMPARE(one.answer.size(), QSize(1575, 255));
    QCOMPARE(one.outcome.x(), 2040);
    QCOMPARE(one.model, QRect(2400, 60, 1455, 255));

    const RowGeometry l = rowGeometryTwips(QStringLiteral("L"));
    QCOMPARE(l.frame.height(), 2100);
    QCOMPARE(l.answer.width(), l.frame.width() - 1000);
    QCOMPARE(l.answer.height(), 1000);
    QCOMPARE(l.outcome.x(), l.answer.x() + l.answer.width() + 100);
    QCOMPARE(l.model.x(), l.answer.x());
    QCOMPARE(l.model.y(), l.answer.y() + 1000 + 100);
    QCOMPARE(l.model.width(), l.frame.width() - 500);

    // A long first row pushes row 2 down by its own height.
    QList<int> heights(20, 375);
    heights[0] = 2100;
    QCOMPARE(stackRowTopsTwips(heights, 2, Take::First)[1], 50 + 2100 + 105);
}

void PracticeLogicTest::firstLetter()
{
    QCOMPARE(firstLetterShown(1), std::optional<bool>(false));
    QCOMPARE(firstLetterShown(2), std::optional<bool>(true));
    QCOMPARE(firstLetterShown(0), std::optional<bool>());
    QCOMPARE(rowLetter(1), QStringLiteral("(a)"));
    QCOMPARE(rowLetter(20), QStringLiteral("(t)"));
    QCOMPARE(answerMaxLength(QStringLiteral("Q")), 1);
    QVERIFY(answerMaxLength(QStringLiteral("T")) > 1000);
}

void PracticeLogicTest::instructionPicture_data()
{
    QTest::addColumn<QStringList>("types");
    QTest::addColumn<int>("expected"); // -1 keep, 0 hide, 1 show
    QTest::newRow("none") << QStringList() << -1;
    QTest::newRow("text") << QStringList{"T", "N"} << 0;
    QTest::newRow("fraction later") << QStringList{"T", "F"} << 1;
    QTest::newRow("mixed") << QStringList{"X"} << 1;
}

void PracticeLogicTest::instructionPicture()
{
    QFETCH(QStringList, types);
    QFETCH(int, expected);
    const std::optional<bool> shown = instructionShown(types);
    QCOMPARE(shown.has_value(), expected >= 0);
    if (shown)
        QCOMPARE(*shown, expected == 1);
}

void PracticeLogicTest::remainingAndAnswered()
{
    // Questions of 1, 2 and 2 blanks; blank 2 holds a space, blank 5 is empty.
    const QList<int> perQuestion{1, 2, 2};
    const QStringList answers{"a", " ", "c", "d", ""};
    QCOMPARE(remainingQuestions(answers, perQuestion, 5), (QStringList{"2", "3"}));
    QCOMPARE(answeredCount(answers, 5), 4);
    QCOMPARE(blankOffset(perQuestion, 3), 3);
    QCOMPARE(blankOffset(perQuestion, 1), 0);
}

void PracticeLogicTest::remainingOnceEach()
{
    const QList<int> perQuestion{3, 1};
    QCOMPARE(remainingQuestions({"", "", "x", ""}, perQuestion, 4), (QStringList{"1", "2"}));
    QCOMPARE(remainingQuestions({"a", "b", "c", "d"}, perQuestion, 4), QStringList());
}

void PracticeLogicTest::toolbarEnds_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("q");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("saveMark");
    QTest::addColumn<bool>("back");
    QTest::addColumn<bool>("next");
    QTest::newRow("first") << 0 << 1 << 3 << true << false << true;
    QTest::newRow("middle") << 0 << 2 << 3 << true << true << true;
    QTest::newRow("last") << 0 << 3 << 3 << true << true << false;
    QTest::newRow("single") << 0 << 1 << 1 << true << false << false;
    QTest::newRow("marked") << 1 << 2 << 3 << false << true << true;
}

void PracticeLogicTest::toolbarEnds()
{
    QFETCH(int, status);
    QFETCH(int, q);
    QFETCH(int, count);
    QFETCH(bool, saveMark);
    QFETCH(bool, back);
    QFETCH(bool, next);
    const ToolbarState s = toolbarState(status, q, count);
    QCOMPARE(s.save, saveMark);
    QCOMPARE(s.mark, saveMark);
    QCOMPARE(s.back, back);
    QCOMPARE(s.next, next);
    QVERIFY(s.print && s.close);
}

void PracticeLogicTest::markingQuestion_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("question");
    const QString all = QStringLiteral("Do you want to mark your practice now?");
    const QString notAll = QStringLiteral("You have not answered all the questions.  Do you "
                                          "still want to mark your practice?");
    QTest::newRow("all answered") << QStringList{"a", "b"} << all;
    QTest::newRow("a space counts") << QStringList{"a", " "} << all;
    QTest::newRow("one empty") << QStringList{"a", ""} << notAll;
}

void PracticeLogicTest::markingQuestion()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, question);
    QCOMPARE(practice::markingQuestion(answers, int(answers.size())), question);
}

void PracticeLogicTest::secondTakeQuestion_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("firstOutcomes");
    QTest::addColumn<bool>("longer");
    const QString right(QChar(0xFC)), wrong(QChar(0xFB));
    QTest::newRow("open blanks filled")
        << QStringList{"a", "b", "c"} << QStringList{right, wrong, ""} << false;
    // A carried-over blank that is empty (a damaged first-take answer file) is not asked about.
    QTest::newRow("carried-over blank empty")
        << QStringList{"", "b", "c"} << QStringList{right, wrong, wrong} << false;
    QTest::newRow("open blank empty")
        << QStringList{"a", "", "c"} << QStringList{right, wrong, right} << true;
    QTest::newRow("never marked blank empty")
        << QStringList{"a", "b", ""} << QStringList{right, wrong, ""} << true;
    QTest::newRow("a space counts") << QStringList{"a", " "} << QStringList{right, wrong} << false;
    QTest::newRow("short outcome record") << QStringList{"a", ""} << QStringList{right} << true;
}

void PracticeLogicTest::secondTakeQuestion()
{
    QFETCH(QStringList, answers);
    QFETCH(QStringList, firstOutcomes);
    QFETCH(bool, longer);
    const QString q = secondTakeMarkingQuestion(answers, firstOutcomes, int(answers.size()));
    QCOMPARE(q, QString::fromLatin1(longer ? MarkNotAllAnswered : MarkAllAnswered));
}

void PracticeLogicTest::secondTakeRows_data()
{
    QTest::addColumn<QString>("firstOutcome");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<int>("locked"); // -1 keep, 0 editable, 1 locked
    QTest::addColumn<bool>("tinted");
    QTest::addColumn<int>("firstMarkShown");
    QTest::addColumn<int>("modelShown");
    const QString right(QChar(0xFC)), wrong(QChar(0xFB));
    QTest::newRow("right before, open") << right << right << false << 1 << true << 1 << -1;
    QTest::newRow("wrong before, open") << wrong << "" << false << 0 << false << 0 << -1;
    QTest::newRow("unmarked before, open") << ""
                                           << "" << false << 0 << false << 0 << -1;
    QTest::newRow("right before, marked") << right << right << true << -1 << true << -1 << 0;
    QTest::newRow("right now, marked") << wrong << right << true << -1 << false << -1 << 0;
    QTest::newRow("wrong now, marked") << wrong << wrong << true << -1 << false << -1 << 1;
    // A carried-over blank is judged again and can turn out wrong against a changed key.
    QTest::newRow("right before, wrong now") << right << wrong << true << -1 << true << -1 << 1;
}

void PracticeLogicTest::secondTakeRows()
{
    QFETCH(QString, firstOutcome);
    QFETCH(QString, outcome);
    QFETCH(bool, marked);
    QFETCH(int, locked);
    QFETCH(bool, tinted);
    QFETCH(int, firstMarkShown);
    QFETCH(int, modelShown);
    const auto asInt = [](std::optional<bool> v) { return v ? int(*v) : -1; };
    const SecondTakeRowLook look = secondTakeRowLook(firstOutcome, outcome, marked);
    QCOMPARE(asInt(look.locked), locked);
    QCOMPARE(look.tinted, tinted);
    QCOMPARE(asInt(look.firstMarkShown), firstMarkShown);
    QCOMPARE(asInt(look.modelShown), modelShown);
}

void PracticeLogicTest::secondTakeLayout()
{
    QCOMPARE(carriedMarkLeftTwips(rowGeometryTwips(QStringLiteral("T")).answer), 450 + 1575 + 105);
    const PracticeLayout first = layoutPractice(QSize(800, 600), true, {}, Take::First);
    const PracticeLayout second = layoutPractice(QSize(800, 600), true, {}, Take::Second);
    QCOMPARE(second.handleStrip.width(), 8); // 120 twips
    QCOMPARE(second.handleStrip.right() + 1, second.answerBox.left());
    QCOMPARE(second.answerBox, first.answerBox);
    QCOMPARE(second.viewer.right() + 1, second.handleStrip.left());
    QCOMPARE(second.statusBar.width(), second.viewer.width());
    const PracticeLayout hidden = layoutPractice(QSize(1000, 700), false, {}, Take::Second);
    QCOMPARE(hidden.handleStrip.right() + 1, 1000 - 4);

    QStringList pieces;
    for (const StatusPiece &p : statusBarPieces(Take::Second))
        pieces << p.name + u'=' + p.picture;
    QCOMPARE(pieces, (QStringList{"Bot1=bottombg1.bmp", "Bot3=bottombg3.bmp"}));
    QCOMPARE(statusBarPieces(Take::First).size(), 3);
}

void PracticeLogicTest::focusRow_data()
{
    const QString R(QChar(0x00FC)), W(QChar(0x00FB));
    QTest::addColumn<int>("take");
    QTest::addColumn<QStringList>("firstOutcomes");
    QTest::addColumn<int>("blanks");
    QTest::addColumn<bool>("marked");
    QTest::addColumn<int>("row"); // 0: none

    QTest::newRow("first take") << 1 << QStringList() << 3 << false << 1;
    QTest::newRow("first take marked") << 1 << QStringList() << 3 << true << 0;
    QTest::newRow("no blanks") << 1 << QStringList() << 0 << false << 0;
    QTest::newRow("second, row 1 open") << 2 << QStringList{W, R} << 2 << false << 1;
    QTest::newRow("second, row 1 carried") << 2 << QStringList{R, W, W} << 3 << false << 2;
    QTest::newRow("second, rows 1-2 carried") << 2 << QStringList{R, R, ""} << 3 << false << 3;
    QTest::newRow("second, all carried") << 2 << QStringList{R, R} << 2 << false << 0;
    QTest::newRow("second, marked") << 2 << QStringList{W, W} << 2 << true << 0;
}

void PracticeLogicTest::focusRow()
{
    QFETCH(int, take);
    QFETCH(QStringList, firstOutcomes);
    QFETCH(int, blanks);
    QFETCH(bool, marked);
    QFETCH(int, row);
    QCOMPARE(firstOpenRow(Take(take), firstOutcomes, blanks, marked).value_or(0), row);
}

void PracticeLogicTest::caption()
{
    QCOMPARE(paperCaption(QStringLiteral("Vocabulary"), 108, 6),
             QStringLiteral("Vocabulary - Paper 3"));
    QCOMPARE(paperCaption(QStringLiteral("Grammar"), 101, 1), QStringLiteral("Grammar - Paper 1"));
}

void PracticeLogicTest::clock_data()
{
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("9 s") << qint64(9) << "0:0:9";
    QTest::newRow("65 s") << qint64(65) << "0:1:5";
    QTest::newRow("7 min 5 s") << qint64(425) << "0:7:5";
    QTest::newRow("1 h") << qint64(3600) << "1:0:0";
    QTest::newRow("1:2:3") << qint64(3723) << "1:2:3";
    QTest::newRow("past a day") << qint64(25 * 3600 + 1) << "25:0:1";
}

void PracticeLogicTest::clock()
{
    QFETCH(qint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(clockText(seconds), text);
}

void PracticeLogicTest::statusNumbers_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("damaged") << "x" << 0;
}

void PracticeLogicTest::statusNumbers()
{
    QFETCH(QString, field);
    QFETCH(int, value);
    QCOMPARE(statusValue(field), value);
}

void PracticeLogicTest::refusedCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("plain") << "creature " << true;
    QTest::newRow("accents") << QStringLiteral("caf\u00e9 \u00fc") << true;
    QTest::newRow("euro") << QStringLiteral("\u20ac5") << true;
    QTest::newRow("greater") << "a>b" << false;
    QTest::newRow("hash") << "#101#" << false;
    QTest::newRow("newline") << "a\nb" << false;
    QTest::newRow("return") << "a\rb" << false;
    QTest::newRow("tab") << "a\tb" << false;
    QTest::newRow("greek") << QStringLiteral("\u03c0") << false;
    QTest::newRow("emoji") << QStringLiteral("\U0001F600") << false;
}

void PracticeLogicTest::refusedCharacters()
{
    QFETCH(QString, text);
    QFETCH(bool, allowed);
    QCOMPARE(answerTextAllowed(text), allowed);
}

void PracticeLogicTest::guards_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("guarded");
    QTest::newRow("ctrl c") << int(Qt::Key_C) << int(Qt::ControlModifier) << true;
    QTest::newRow("ctrl x") << int(Qt::Key_X) << int(Qt::ControlModifier) << true;
    QTest::newRow("ctrl shift c") << int(Qt::Key_C) << int(Qt::ControlModifier | Qt::ShiftModifier)
                                  << true;
    QTest::newRow("c") << int(Qt::Key_C) << 0 << false;
    QTest::newRow("x") << int(Qt::Key_X) << int(Qt::ShiftModifier) << false;
    QTest::newRow("ctrl v") << int(Qt::Key_V) << int(Qt::ControlModifier) << false;
}

void PracticeLogicTest::guards()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, guarded);
    QCOMPARE(isGuardedKey(key, Qt::KeyboardModifiers(modifiers)), guarded);
    QVERIFY(isGuardedButton(Qt::RightButton));
    QVERIFY(!isGuardedButton(Qt::LeftButton));
}

void PracticeLogicTest::initialPlacement_data()
{
    QTest::addColumn<QSize>("screenTwips");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("1024x768") << QSize(15360, 11520) << QRect(2860, 1520, 12000, 9000);
    QTest::newRow("1600x1200") << QSize(24000, 18000) << QRect(11500, 8000, 12000, 9000);
    // A screen smaller than the window: kept at the top-left instead of off screen.
    QTest::newRow("800x600") << QSize(12000, 9000) << QRect(0, 0, 12000, 9000);
}

void PracticeLogicTest::initialPlacement()
{
    QFETCH(QSize, screenTwips);
    QFETCH(QRect, expected);
    QCOMPARE(initialGeometryTwips(screenTwips), expected);
}

void PracticeLogicTest::layoutShown()
{
    // 800 x 600 px, frame pieces of 28 / 4 / 4 / 4 px.
    const PracticeLayout l = layoutPractice(QSize(800, 600), true);
    QCOMPARE(l.toolStrip, QRect(4, 28, 792, 51));
    QCOMPARE(l.answerBox, QRect(523, 79, 273, 517));
    QCOMPARE(l.handleStrip.right() + 1, l.answerBox.left());
    QCOMPARE(l.handleStrip.width(), 7); // 100 twips
    QCOMPARE(l.viewer.left(), 4);
    QCOMPARE(l.viewer.right() + 1, l.handleStrip.left());
    QCOMPARE(l.viewer.top(), 79);
    QCOMPARE(l.viewer.height() + l.statusBar.height(), 517);
    QCOMPARE(l.statusBar.top(), l.viewer.bottom() + 1);
    QCOMPARE(l.statusBar.width(), l.viewer.width());
    QCOMPARE(l.statusBar.height(), 25);
    QCOMPARE(l.sizer, QRect(800 - 8 - 2, 600 - 8 - 2, 8, 8));
    QCOMPARE(l.paperSum, QRect(527, 4, 117, 41));
    // The instruction picture (257 x 89, 8 px in from the sheet's left) keeps inside the sheet
    // and off the resize grip.
    const QRect instruction(l.answerBox.left() + 8, l.answerBox.top() + l.instructionTop, 257, 89);
    QVERIFY(l.answerBox.contains(instruction));
    QVERIFY(!instruction.intersects(l.sizer));
    QVERIFY(l.answerBox.bottom() - instruction.bottom() < 20); // still at the foot
    QCOMPARE(l.questionTitle.left(), 8);
    QCOMPARE(l.questionTitle.width(), l.viewer.width() - 24);
}

void PracticeLogicTest::layoutHidden()
{
    const PracticeLayout l = layoutPractice(QSize(1000, 700), false);
    QCOMPARE(l.answerBox.left(), 1000);            // out of view
    QCOMPARE(l.handleStrip.right() + 1, 1000 - 4); // touches the right border
    QCOMPARE(l.viewer.left(), 4);
    QCOMPARE(l.viewer.right() + 1, l.handleStrip.left());
    QCOMPARE(l.statusBar.width(), l.viewer.width());
}

void PracticeLogicTest::toolsFollowStrip()
{
    const PracticeLayout a = layoutPractice(QSize(800, 600), true);
    const PracticeLayout b = layoutPractice(QSize(1100, 600), true);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(a.tools[i], b.tools[i]);
    QCOMPARE(a.tools[0].left(), 8);
    QCOMPARE(a.tools[1].left(), 8 + 44 + 8);
    QCOMPARE(b.tools[5].left() - a.tools[5].left(), 300);
    QCOMPARE(b.tools[4].left() - a.tools[4].left(), 300);
    QCOMPARE(a.tools[5].right() + 1, a.toolStrip.width() - 8);
    QCOMPARE(a.tools[4].right() + 1 + 8, a.tools[5].left());
}

void PracticeLogicTest::hintLine_data()
{
    QTest::addColumn<QStringList>("hints");
    QTest::addColumn<int>("focused");
    QTest::addColumn<QString>("line");
    const QString mixed = QStringLiteral("Write it as a mixed number");
    const QString stop = QStringLiteral("Leave out the full stop");
    QTest::newRow("no hints") << QStringList{QString(), QString()} << 1 << QString();
    QTest::newRow("no rows") << QStringList{} << 0 << QString();
    QTest::newRow("one blank") << QStringList{mixed} << 1 << QStringLiteral("Hint: ") + mixed;
    QTest::newRow("focused row") << QStringList{mixed, QString(), stop} << 3
                                 << QStringLiteral("Hint for (c): ") + stop;
    QTest::newRow("focused row without")
        << QStringList{QString(), mixed, stop} << 1 << QStringLiteral("Hint for (b): ") + mixed;
    QTest::newRow("no focus") << QStringList{QString(), QString(), stop} << 0
                              << QStringLiteral("Hint for (c): ") + stop;
    QTest::newRow("focus past the rows")
        << QStringList{mixed, QString()} << 5 << QStringLiteral("Hint for (a): ") + mixed;
}

void PracticeLogicTest::hintLine()
{
    QFETCH(QStringList, hints);
    QFETCH(int, focused);
    QFETCH(QString, line);
    QCOMPARE(practice::hintLine(hints, focused), line);
}

void PracticeLogicTest::practiceToolbarDisabledPictures()
{
    QCOMPARE(practiceToolbarIdentity(5).disabled, QStringLiteral("back_disabled.bmp"));
    QCOMPARE(practiceToolbarIdentity(6).disabled, QStringLiteral("forward_disabled.bmp"));
    QCOMPARE(practiceToolbarIdentity(6).on, QStringLiteral("forward_on.bmp"));
    QCOMPARE(practiceToolbarIdentity(1).toolTip, QStringLiteral("Save paper"));
    QVERIFY(practiceToolbarIdentity(4).disabled.isEmpty()); // Close is never disabled
}

void PracticeLogicTest::writeFailureWording_data()
{
    QTest::addColumn<int>("file");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("expected"); // a part of the message
    QTest::addColumn<int>("pathCount");    // how often the file's name is in it
    using F = WriteFailure::File;
    QTest::newRow("answers, with a reason") << int(F::Answers) << "disk full"
                                            << "answers could not be saved (disk full)" << 0;
    // Without a reason the file itself is named, never an empty "()".
    QTest::newRow("answers, no reason") << int(F::Answers) << ""
                                        << "answers could not be saved (/d/a.txt)" << 1;
    QTest::newRow("outcomes") << int(F::Outcomes) << "denied"
                              << "could not be marked" << 0;
    QTest::newRow("summary") << int(F::Summary) << "denied"
                             << "still on the screen" << 0;
    QTest::newRow("unfinished") << int(F::Unfinished) << "denied"
                                << "when it next starts" << 0;
    // The pupil is told which file is in the way, twice: what failed and what to move.
    QTest::newRow("pending") << int(F::Pending) << "denied"
                             << "/d/a.txt could not be written" << 2;
}

void PracticeLogicTest::writeFailureWording()
{
    QFETCH(int, file);
    QFETCH(QString, error);
    QFETCH(QString, expected);
    QFETCH(int, pathCount);
    const WriteFailure failure{WriteFailure::File(file), QStringLiteral("/d/a.txt"), error};
    const QString message = writeFailureMessage(failure);
    QVERIFY2(message.contains(expected), qPrintable(message));
    QCOMPARE(message.count(QStringLiteral("/d/a.txt")), pathCount);
    QVERIFY(!message.contains(u'%')); // every place holder filled
}

QTEST_APPLESS_MAIN(PracticeLogicTest)
#include "tst_practicelogic.moc"

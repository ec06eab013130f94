// The marking flags a course author sets on a blank: capital letters that count, whole-sentence
// answers, punctuation that counts, and sets of forms that score once in a group; with the hints
// that explain them. Blanks without flags keep the plain rules (rows marked "no flag").
#include "marking/hint.h"
#include "marking/marking.h"

#include <QTest>

using namespace marking;

namespace {
const QString R(RightMark);
const QString W(WrongMark);
const QString Capitals = QStringLiteral("Check your capital letters");
const QString FullStop = QStringLiteral("Remember the full stop");
const QString QuestionMark = QStringLiteral("Remember the question mark");
const QString ExclamationMark = QStringLiteral("Remember the exclamation mark");
const QString EndMark = QStringLiteral("Check the mark at the end of the sentence");
const QString SameIdea = QStringLiteral("You have given this idea already: give a different one");
const QString Spelling = QStringLiteral("Check your spelling");
const QString Punctuation = QStringLiteral("Check your punctuation");

// "/" separates the entries of a list in the tables ("|" is the sign of a set in the sources).
QStringList list(const char *text)
{
    return QString::fromUtf8(text).split(u'/');
}
} // namespace

class TestFlags : public QObject
{
    Q_OBJECT

private slots:
    void single_data();
    void single();
    void group_data();
    void group();
    void groupModel_data();
    void groupModel();
    void groupHint_data();
    void groupHint();
    void flagsField_data();
    void flagsField();
    void flagNote();
};

// One blank (T, L or M) between two others: outcome and hint.
void TestFlags::single_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<QString>("hint");
    const auto row = [](const char *name, const char *type, const char *flags, const char *key,
                        const char *answer, const QString &outcome, const QString &hint) {
        QTest::newRow(name) << QString::fromUtf8(type) << QString::fromUtf8(flags)
                            << QString::fromUtf8(key) << QString::fromUtf8(answer) << outcome
                            << hint;
    };

    // Capital letters count.
    row("case: same", "T", "C", "Leeds", "Leeds", R, "");
    row("case: lower", "T", "C", "Leeds", "leeds", W, Capitals);
    row("case: upper", "T", "C", "Leeds", "LEEDS", W, Capitals);
    row("case: outer spaces", "T", "C", "Leeds", "  Leeds ", R, "");
    row("case: misspelt", "T", "C", "Leeds", "Leds", W, Spelling);
    row("case: misspelt and lower", "T", "C", "Leeds", "leds", W, Spelling);
    row("case: M alternative", "M", "C", ";Mr;Mister", "Mister", R, "");
    row("case: M lower", "M", "C", ";Mr;Mister", "mr", W, Capitals);
    row("case: M wrong", "M", "C", ";Mr;Mister", "Mrs", W, "");
    row("case: no flag", "T", "", "Leeds", "leeds", R, "");
    row("case: unknown letter ignored", "T", "Z", "Leeds", "leeds", R, "");
    row("case: sentence with capitals", "L", "CS", "On Monday, Mr Jones took us to the river.",
        "On Monday, Mr Jones took us to the river.", R, "");
    row("case: sentence in lower case", "L", "CS", "On Monday, Mr Jones took us to the river.",
        "on monday, mr jones took us to the river.", W, Capitals);
    row("case: one capital missing", "L", "CS", "On Monday we went to Leeds.",
        "On Monday we went to leeds.", W, Capitals);
    row("case: no flag, sentence in lower case", "L", "",
        "On Monday, Mr Jones took us to the river.", "on monday, mr jones took us to the river.", R,
        "");

    // Whole sentences: spacing, quotes and the final mark.
    row("sentence: as the key", "L", "S", "Nadia walked to school with her friends.",
        "Nadia walked to school with her friends.", R, "");
    row("sentence: no full stop", "L", "S", "Nadia walked to school with her friends.",
        "Nadia walked to school with her friends", R, FullStop);
    row("sentence: no flag, no full stop", "L", "", "Nadia walked to school with her friends.",
        "Nadia walked to school with her friends", W, Spelling);
    row("sentence: space before the mark", "T", "S", "Can your sister swim?",
        "Can your sister swim ?", R, "");
    row("sentence: no flag, space before the mark", "T", "", "Can your sister swim?",
        "Can your sister swim ?", W, Spelling); // the plain hint, as before
    row("sentence: no question mark", "T", "S", "Can your sister swim?", "Can your sister swim", R,
        QuestionMark);
    row("sentence: no exclamation mark", "T", "S", "What a goal!", "What a goal", R,
        ExclamationMark);
    row("sentence: another final mark", "T", "S", "Can your sister swim?", "Can your sister swim.",
        W, EndMark);
    row("sentence: two final marks", "T", "S", "What a goal!", "What a goal!!", W, EndMark);
    row("sentence: runs of spaces", "L", "S", "Nadia walked to school.",
        "  Nadia  walked to   school. ", R, "");
    row("sentence: space before a comma", "L", "S", "Yes, please.", "Yes , please.", R, "");
    row("sentence: space before the mark and none", "T", "S", "Can your sister swim?",
        "Can your sister swim ", R, QuestionMark);
    row("sentence: missing comma", "L", "S", "Yes, please.", "Yes please.", W, Punctuation);
    row("sentence: missing word", "L", "S", "Nadia walked to school.", "Nadia walked school.", W,
        "");
    row("sentence: case ignored without case flag", "L", "S", "Nadia walked to school.",
        "nadia walked to school", R, FullStop);
    row("sentence: curly apostrophe", "L", "S", "Sam's dog doesn't bark.",
        "Sam\u2019s dog doesn\u2019t bark.", R, "");
    row("sentence: curly quotation marks", "L", "S", "\"Stop!\" shouted Mum.",
        "\u201cStop!\u201d shouted Mum.", R, "");
    row("sentence: low quotation mark", "L", "S", "\"Stop!\" shouted Mum.",
        "\u201eStop!\u201d shouted Mum.", R, "");
    row("sentence: no flag, curly apostrophe", "T", "", "doesn't", "doesn\u2019t", W, Spelling);
    row("sentence: contraction for the full form", "L", "S", "Sam's dog does not bark.",
        "Sam's dog doesn't bark.", W, "");
    row("sentence: full form for the contraction", "L", "S", "It isn't raining.",
        "It is not raining.", W, "");
    row("sentence: key without a final mark", "L", "S", "It rained because the clouds were heavy",
        "It rained because the clouds were heavy.", R, "");
    row("sentence: mark only", "T", "S", "Go.", ".", W, "");
    row("sentence: spaces only", "T", "S", "Go.", "   ", W, "");
    row("sentence: M, no full stop", "M", "S", ";It is raining.;It's raining.", "it\u2019s raining",
        R, FullStop);
    row("sentence: M alternative without a mark", "M", "S", ";It is raining.;It is raining",
        "It is raining", R, "");

    // Punctuation counts: the final mark is required; spacing and quotes still fold.
    row("punctuation: as the key", "T", "SP", "Can your sister swim?", "Can your sister swim?", R,
        "");
    row("punctuation: space before the mark", "T", "SP", "Can your sister swim?",
        "Can your sister swim ?", R, "");
    row("punctuation: no mark", "T", "SP", "Can your sister swim?", "Can your sister swim", W,
        EndMark);
    row("punctuation: another mark", "T", "SP", "Can your sister swim?", "Can your sister swim.", W,
        EndMark);
    row("punctuation: case ignored", "T", "SP", "Can your sister swim?", "can your sister swim?", R,
        "");
    row("punctuation: case counts too", "T", "CSP", "Can your sister swim?",
        "can your sister swim?", W, Capitals);
    row("punctuation: direct speech", "L", "SP", "\"Come here,\" said Mum.",
        "\u201cCome here,\u201d said Mum.", R, "");
    row("punctuation: speech without its comma", "L", "SP", "\"Come here,\" said Mum.",
        "\"Come here\" said Mum.", W, Punctuation);

    // Flags mean nothing to the other answer types.
    row("number with flags", "N", "CS", "5", "5.0", R, "");
    row("choice with flags", "Q", "C", "2", " 2 ", R, "");
}

void TestFlags::single()
{
    QFETCH(QString, type);
    QFETCH(QString, flags);
    QFETCH(QString, key);
    QFETCH(QString, answer);
    QFETCH(QString, outcome);
    QFETCH(QString, hint);
    const QStringList answers{"x", answer, "y"}, keys{"k", key, "k"}, types{"T", type, "T"};
    const QStringList flagList{"C", flags, ""};
    QCOMPARE(MarkTake(answers, keys, types, {"1", "2", "1"}, flagList).outcomes.at(1), outcome);
    if (type != u"M")
        QCOMPARE(MarkAnswer(answer, key, type, parseBlankFlags(flags)), outcome);
    const QString given = AnswerHint(answers, keys, types, 1, {}, flagList);
    QCOMPARE(given, hint);
    // A hint never gives the expected answer away.
    for (const QString &a : splitAlternatives(key).value_or(QStringList{key}))
        QVERIFY2(given.isEmpty() || !given.contains(a, Qt::CaseInsensitive), qPrintable(a));
}

// Groups: the head holds the accepted answers; its flags hold for the whole group.
void TestFlags::group_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("flags"); // the head's
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("outcomes");

    // ;light|sunlight|the sun;water;air|oxygen
    const QStringList plants = list(";light;sunlight;the sun;water;air;oxygen/ ");
    const QString plantSets = QStringLiteral(":3,1,2");
    QTest::newRow("sets: two forms of one idea")
        << plants << plantSets << list("light/sunlight") << QStringList{R, W};
    QTest::newRow("sets: two ideas")
        << plants << plantSets << list("light/water") << QStringList{R, R};
    QTest::newRow("sets: later forms")
        << plants << plantSets << list("sunlight/oxygen") << QStringList{R, R};
    QTest::newRow("sets: the sun then light")
        << plants << plantSets << list("the sun/light") << QStringList{R, W};
    QTest::newRow("sets: one form twice")
        << plants << plantSets << list("water/water") << QStringList{R, W};
    QTest::newRow("sets: oxygen then air")
        << plants << plantSets << list("oxygen/air") << QStringList{R, W};
    QTest::newRow("sets: case ignored")
        << plants << plantSets << list("Light/AIR") << QStringList{R, R};
    QTest::newRow("sets: wrong head")
        << plants << plantSets << list("sand/light") << QStringList{W, R};
    QTest::newRow("sets: empty head")
        << plants << plantSets << list("/sunlight") << QStringList{W, R};
    QTest::newRow("sets: no flag, two forms score twice")
        << plants << QString() << list("light/sunlight") << QStringList{R, R};
    QTest::newRow("sets: lamp and the lamp")
        << list(";lamp;the lamp;torch/ ") << QStringLiteral(":2,1") << list("lamp/the lamp")
        << QStringList{R, W};
    QTest::newRow("sets: March and Mar") << list(";March;Mar;April/ ") << QStringLiteral(":2,1")
                                         << list("March/Mar") << QStringList{R, W};
    QTest::newRow("sets: Mar and April") << list(";March;Mar;April/ ") << QStringLiteral(":2,1")
                                         << list("Mar/April") << QStringList{R, R};
    QTest::newRow("sets: three blanks")
        << list(";light;sunlight;water;air;oxygen/ / ") << QStringLiteral(":2,1,2")
        << list("sunlight/light/air") << QStringList{R, W, R};
    QTest::newRow("sets: sizes that do not fit the key")
        << list(";a;b;c/ ") << QStringLiteral(":5") << list("a/b") << QStringList{R, R};

    // Capital letters in groups: "Write the two words that need capital letters".
    const QStringList capitals = list(";My;Leeds/ ");
    QTest::newRow("case: lower case")
        << capitals << QStringLiteral("C") << list("my/leeds") << QStringList{W, W};
    QTest::newRow("case: capitals")
        << capitals << QStringLiteral("C") << list("My/Leeds") << QStringList{R, R};
    QTest::newRow("case: any order")
        << capitals << QStringLiteral("C") << list("Leeds/My") << QStringList{R, R};
    QTest::newRow("case: one twice")
        << capitals << QStringLiteral("C") << list("My/My") << QStringList{R, W};
    QTest::newRow("case: no flag")
        << capitals << QString() << list("my/leeds") << QStringList{R, R};
    QTest::newRow("case and sets") << list(";Monday;Mon;Friday;Fri/ ") << QStringLiteral("C:2,2")
                                   << list("Monday/Mon") << QStringList{R, W};
    QTest::newRow("case and sets: lower case")
        << list(";Monday;Mon;Friday;Fri/ ") << QStringLiteral("C:2,2") << list("monday/Fri")
        << QStringList{W, R};
}

void TestFlags::group()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, flags);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, outcomes);
    const QStringList types(keys.size(), QStringLiteral("G"));
    const QStringList flagList{flags};
    QCOMPARE(MarkTake(answers, keys, types, QStringList(keys.size(), "1"), flagList).outcomes,
             outcomes);
}

// The expected answer beside a wrong group blank: one form per set, the first.
void TestFlags::groupModel_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("models");

    const QStringList plants = list(";light;sunlight;the sun;water;air;oxygen/ ");
    const QString plantSets = QStringLiteral(":3,1,2");
    QTest::newRow("nothing right")
        << plants << plantSets << list("sand/sand") << list("light/water");
    QTest::newRow("second form of a used idea")
        << plants << plantSets << list("light/sunlight") << list("water/water");
    QTest::newRow("head wrong, second right")
        << plants << plantSets << list("sand/oxygen") << list("light/water");
    QTest::newRow("no flag: every form its own")
        << plants << QString() << list("sand/sand") << list("light/sunlight");
    QTest::newRow("case exact: lower case claims nothing")
        << list(";Monday;Mon;Friday;Fri/ ") << QStringLiteral("C:2,2") << list("monday/fri")
        << list("Monday/Friday");
}

void TestFlags::groupModel()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, flags);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, models);
    const QStringList types(keys.size(), QStringLiteral("G"));
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(ModelAnswer(answers, keys, types, i, {flags}), models.at(i));
}

void TestFlags::groupHint_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("hint"); // for the second blank

    const QStringList plants = list(";light;sunlight;the sun;water;air;oxygen/ ");
    QTest::newRow("same idea") << plants << QStringLiteral(":3,1,2") << list("light/sunlight")
                               << SameIdea;
    QTest::newRow("same form") << plants << QStringLiteral(":3,1,2") << list("light/Light")
                               << SameIdea;
    QTest::newRow("no sets: a repeat has no hint")
        << plants << QString() << list("light/light") << QString();
    QTest::newRow("sets: misspelt")
        << plants << QStringLiteral(":3,1,2") << list("light/watter") << Spelling;
    QTest::newRow("capital letters")
        << list(";My;Leeds/ ") << QStringLiteral("C") << list("My/leeds") << Capitals;
    QTest::newRow("capital letters of a used answer")
        << list(";My;Leeds/ ") << QStringLiteral("C") << list("My/my") << QString();
}

void TestFlags::groupHint()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, flags);
    QFETCH(QStringList, answers);
    QFETCH(QString, hint);
    const QStringList types(keys.size(), QStringLiteral("G"));
    QCOMPARE(AnswerHint(answers, keys, types, 1, {}, {flags}), hint);
}

// The flags table's field reads back as written; damage never makes a blank stricter.
void TestFlags::flagsField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("caseExact");
    QTest::addColumn<bool>("sentence");
    QTest::addColumn<bool>("punctuation");
    QTest::addColumn<QList<int>>("sets");
    QTest::addColumn<QString>("written"); // as blankFlagsField writes it back

    QTest::newRow("none") << "" << false << false << false << QList<int>{} << "";
    QTest::newRow("all") << "CSP:3,1,2" << true << true << true << QList<int>{3, 1, 2}
                         << "CSP:3,1,2";
    QTest::newRow("any order") << "PSC" << true << true << true << QList<int>{} << "CSP";
    QTest::newRow("sets only") << ":2,2" << false << false << false << QList<int>{2, 2} << ":2,2";
    QTest::newRow("unknown letters") << "XCY" << true << false << false << QList<int>{} << "C";
    QTest::newRow("bad sets") << "C:2,x" << true << false << false << QList<int>{} << "C";
    QTest::newRow("empty set") << ":0,2" << false << false << false << QList<int>{} << "";
}

void TestFlags::flagsField()
{
    QFETCH(QString, field);
    QFETCH(bool, caseExact);
    QFETCH(bool, sentence);
    QFETCH(bool, punctuation);
    QFETCH(QList<int>, sets);
    QFETCH(QString, written);
    const BlankFlags flags = parseBlankFlags(field);
    QCOMPARE(flags.caseExact, caseExact);
    QCOMPARE(flags.sentence, sentence);
    QCOMPARE(flags.punctuationCounts, punctuation);
    QCOMPARE(flags.setSizes, sets);
    QCOMPARE(blankFlagsField(flags), written);
}

void TestFlags::flagNote()
{
    const QStringList keys = list("Leeds/;light;sun;water/ /Go!/cat");
    const QStringList types = list("T/G/G/T/T");
    const QStringList flags = list("C/C:2,1//SP/");
    QCOMPARE(FlagNote(keys, types, 0, flags), QStringLiteral("Capital letters count."));
    QCOMPARE(FlagNote(keys, types, 2, flags),
             QStringLiteral("Capital letters count. Each idea scores once."));
    QCOMPARE(FlagNote(keys, types, 3, flags), QStringLiteral("The mark at the end counts."));
    QCOMPARE(FlagNote(keys, types, 4, flags), QString());
}

QTEST_APPLESS_MAIN(TestFlags)
#include "test_flags.moc"

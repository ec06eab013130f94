#include "marking/hint.h"
#include "marking/marking.h"

#include <QTest>

using namespace marking;

class TestHint : public QObject
{
    Q_OBJECT

private slots:
    void hint_data();
    void hint();
    void group();
};

namespace {
const QString SimplestForm = QStringLiteral("Write the fraction in its simplest form");
const QString MixedNumber = QStringLiteral("Write it as a mixed number");
const QString Spelling = QStringLiteral("Check your spelling");
const QString UnitPrinted = QStringLiteral("Leave out the unit, it is printed for you");
} // namespace

void TestHint::hint_data()
{
    const auto row = [](const char *name, const char *type, const char *key, const char *answer,
                        const char *after, const QString &hint) {
        QTest::newRow(name) << QString::fromUtf8(type) << QString::fromUtf8(key)
                            << QString::fromUtf8(answer) << QString::fromUtf8(after) << hint;
    };
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("after"); // printed right after the gap
    QTest::addColumn<QString>("hint");

    // Right value, wrong form.
    row("fraction not reduced", "F", "3/4", "6/8", "", SimplestForm);
    row("fraction as a decimal", "F", "3/4", "0.75", "", QStringLiteral("Write it as a fraction"));
    row("improper for mixed", "X", "1 2/3", "5/3", "", MixedNumber);
    row("mixed not reduced", "X", "1 2/3", " 1 4/6 ", "", SimplestForm);
    row("mixed for improper", "F", "5/3", "1 2/3", "",
        QStringLiteral("Write it as a fraction, not as a mixed number"));
    row("whole written as decimal", "X", "7200", "7200.0", "",
        QStringLiteral("Write it as a whole number"));
    row("number with a space", "N", "7200", "7 200", "",
        QStringLiteral("Write the number without spaces"));
    row("whole with a comma", "X", "7200", "7,200", "",
        QStringLiteral("Write the number without commas"));
    row("decimal as a fraction", "N", "0.75", "3/4", "", QStringLiteral("Write it as a decimal"));
    // Signs and units the rule refuses, with and without the page printing them.
    row("unit printed", "N", "16", "16 kg", " kg", UnitPrinted);
    row("unit close up", "N", "16", "16kg", "kg", UnitPrinted);
    row("unit not printed", "N", "400", "400 g", "",
        QStringLiteral("Write the number without the unit"));
    row("percent printed", "N", "25", "25%", "%",
        QStringLiteral("Leave out the % sign, it is printed for you"));
    row("pound sign", "N", "12.42", "\u00a312.42", "",
        QStringLiteral("Write the number without the \u00a3 sign"));
    row("full stop printed", "T", "wax", "wax.", ".",
        QStringLiteral("Leave out the full stop, it is printed for you"));
    row("full stop", "T", "wax", "Wax.", "", QStringLiteral("Leave out the full stop"));
    // Spelling: one letter from a text key or an accepted alternative.
    row("letter left out", "T", "brought", "brougt", "", Spelling);
    row("letter added", "T", "heavier", "heavierr", "", Spelling);
    row("letters swapped", "T", "receive", "recieve", "", Spelling);
    row("alternative", "M", ";Although;Though", "Altough", "", Spelling);
    // No hint: right, empty, far off, another word form, short words, other types.
    row("right", "F", "3/4", "3 / 4", "", QString());
    row("empty", "F", "3/4", " ", "", QString());
    row("wrong value", "F", "3/4", "5/8", "", QString());
    row("unit on a wrong value", "N", "16", "17 kg", " kg", QString());
    row("two letters off", "T", "brought", "brot", "", QString());
    row("vowel for vowel", "T", "wrote", "write", "", QString());
    row("short word", "T", "was", "waz", "", QString());
    row("choice option", "Q", "2", "3", "", QString());
    row("number misspelt", "N", "1200", "1300", "", QString());
    row("unknown type", "Z", "wax", "wax.", "", QString());
}

void TestHint::hint()
{
    QFETCH(QString, type);
    QFETCH(QString, key);
    QFETCH(QString, answer);
    QFETCH(QString, after);
    QFETCH(QString, hint);
    // Blank 1 of three, so that neighbours cannot be mistaken for the blank.
    const QStringList answers{"x", answer, "y"}, keys{"k", key, "k"}, types{"T", type, "T"};
    const QString given = AnswerHint(answers, keys, types, 1, {QString(), after});
    QCOMPARE(given, hint);
    if (!given.isEmpty()) {
        // Only wrong answers get a hint, and the hint never gives the answer away.
        QCOMPARE(MarkTake(answers, keys, types, {"1", "1", "1"}).outcomes.at(1),
                 QString(WrongMark));
        const QStringList accepted = splitAlternatives(key).value_or(QStringList{key});
        for (const QString &a : accepted)
            QVERIFY2(!given.contains(a, Qt::CaseInsensitive), qPrintable(a));
    }
}

void TestHint::group()
{
    // A group's alternatives are its accepted texts; the hint sees the whole group.
    const QStringList keys{";Water;Sunlight", " "}, types{"G", "G"};
    QCOMPARE(AnswerHint({"Water", "Sunlght"}, keys, types, 1), Spelling);
    QCOMPARE(AnswerHint({"Water", "Sunlight"}, keys, types, 1), QString());
    // "Water" again is wrong (used by the head) but spelt right: no spelling hint.
    QCOMPARE(AnswerHint({"Water", "Water"}, keys, types, 1), QString());
}

QTEST_APPLESS_MAIN(TestHint)
#include "test_hint.moc"

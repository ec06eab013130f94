#include "marking/marking.h"

#include <QTest>

using namespace marking;

namespace {
const QString R(RightMark);
const QString W(WrongMark);

QStringList list(const char *text)
{
    // "|" separates entries so that keys of one space stay readable in the tables.
    return QString::fromUtf8(text).split(u'|');
}
} // namespace

class TestMarking : public QObject
{
    Q_OBJECT

private slots:
    void markAnswer_data();
    void markAnswer();
    void parseNumber_data();
    void parseNumber();
    void choice_data();
    void choice();
    void modelGroup_data();
    void modelGroup();
    void modelAnswer();
    void percent_data();
    void percent();
    void markTake();
    void markTakeDamagedArrays();
    void markTakeHugeMarks();
};

void TestMarking::markAnswer_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("expected");

    QTest::newRow("text: case ignored") << "T"
                                        << "more than"
                                        << "More Than" << R;
    QTest::newRow("text: outer spaces ignored") << "T"
                                                << "more than"
                                                << " more than " << R;
    QTest::newRow("text: inner spaces count") << "T"
                                              << "more than"
                                              << "more  than" << W;
    QTest::newRow("text: missing space") << "T"
                                         << "more than"
                                         << "morethan" << W;
    QTest::newRow("text: key with trailing space") << "T"
                                                   << "creature "
                                                   << "creature" << R;
    QTest::newRow("text: punctuation counts") << "T"
                                              << "don't"
                                              << "dont" << W;
    QTest::newRow("long text as text") << "L"
                                       << "the cat sat"
                                       << "The cat sat " << R;
    QTest::newRow("choice 2") << "Q"
                              << "2"
                              << "2" << R;
    QTest::newRow("choice leading space") << "Q"
                                          << "2"
                                          << " 2" << R;
    QTest::newRow("choice 02") << "Q"
                               << "2"
                               << "02" << W;
    QTest::newRow("choice empty") << "Q"
                                  << "2"
                                  << "" << W;
    QTest::newRow("number plain") << "N"
                                  << "958"
                                  << "958" << R;
    QTest::newRow("number spaced") << "N"
                                   << "958"
                                   << " 958 " << R;
    QTest::newRow("number .0") << "N"
                               << "958"
                               << "958.0" << R;
    QTest::newRow("number .00") << "N"
                                << "958"
                                << "958.00" << R;
    QTest::newRow("number other") << "N"
                                  << "958"
                                  << "959" << W;
    QTest::newRow("number words") << "N"
                                  << "958"
                                  << "nine hundred and fifty-eight" << W;
    QTest::newRow("number empty") << "N"
                                  << "958"
                                  << "" << W;
    QTest::newRow("number grouped") << "N"
                                    << "7200"
                                    << "7,200" << R;
    QTest::newRow("number exponent") << "N"
                                     << "7200"
                                     << "7.2e3" << W;
    QTest::newRow("number currency") << "N"
                                     << "5"
                                     << "$5" << W;
    QTest::newRow("number decimal key") << "N"
                                        << "2.5"
                                        << "2.50" << R;
    QTest::newRow("number negative") << "N"
                                     << "-3"
                                     << "-3" << R;
    QTest::newRow("number key not a number") << "N"
                                             << "abc"
                                             << "abc" << W;
    QTest::newRow("fraction exact") << "F"
                                    << "5/14"
                                    << "5/14" << R;
    QTest::newRow("fraction spaced") << "F"
                                     << "5/14"
                                     << "5 / 14" << R;
    QTest::newRow("fraction outer spaces") << "F"
                                           << "5/14"
                                           << " 5/ 14 " << R;
    QTest::newRow("fraction not reduced") << "F"
                                          << "5/14"
                                          << "10/28" << W;
    QTest::newRow("mixed exact") << "X"
                                 << "1 2/3"
                                 << "1 2/3" << R;
    QTest::newRow("mixed wide space") << "X"
                                      << "1 2/3"
                                      << "1   2/3" << R;
    QTest::newRow("mixed spaced slash") << "X"
                                        << "1 2/3"
                                        << "1 2 / 3" << R;
    QTest::newRow("mixed run together") << "X"
                                        << "1 2/3"
                                        << "12/3" << W;
    QTest::newRow("mixed as improper") << "X"
                                       << "1 2/3"
                                       << "5/3" << W;
    QTest::newRow("mixed space moved") << "X"
                                       << "1 2/3"
                                       << "12 /3" << W;
    QTest::newRow("whole with space") << "X"
                                      << "86"
                                      << "8 6" << R;
    QTest::newRow("ratio as fraction") << "R"
                                       << "3/4"
                                       << "3 /4" << R;
    QTest::newRow("unknown type") << "Z"
                                  << "x"
                                  << "x" << QString();
    QTest::newRow("lower-case type unknown") << "t"
                                             << "x"
                                             << "x" << QString();
    // An empty answer is wrong for every type, also where the key is empty or a space (a group
    // continuation's key, typed as "T" in the type table).
    for (const char *type : {"Q", "T", "L", "N", "F", "X", "R"}) {
        for (const char *key : {"", " ", "  "}) {
            for (const char *answer : {"", " "})
                QTest::addRow("empty answer, type %s, key \"%s\", answer \"%s\"", type, key, answer)
                    << type << key << answer << W;
        }
    }
}

void TestMarking::markAnswer()
{
    QFETCH(QString, type);
    QFETCH(QString, key);
    QFETCH(QString, answer);
    QFETCH(QString, expected);
    QCOMPARE(MarkAnswer(answer, key, type), expected);
}

void TestMarking::parseNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << "42" << true << 42.0;
    QTest::newRow("signed") << "+42" << true << 42.0;
    QTest::newRow("negative decimal") << "-0.5" << true << -0.5;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("trailing point") << "5." << true << 5.0;
    QTest::newRow("grouping") << "1,234,567" << true << 1234567.0;
    QTest::newRow("grouping with decimals") << "1,234.5" << true << 1234.5;
    QTest::newRow("bad grouping") << "12,34" << false << 0.0;
    QTest::newRow("comma as decimal") << "2,5" << false << 0.0;
    QTest::newRow("exponent") << "1e3" << false << 0.0;
    QTest::newRow("hexadecimal") << "0x1F" << false << 0.0;
    QTest::newRow("currency") << "£5" << false << 0.0;
    QTest::newRow("unit") << "5cm" << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("point only") << "." << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("spaces") << "   " << false << 0.0;
    QTest::newRow("inner space") << "1 000" << false << 0.0;
    QTest::newRow("infinity word") << "inf" << false << 0.0;
}

void TestMarking::parseNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const std::optional<double> parsed = marking::parseNumber(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

void TestMarking::choice_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("expected");

    const QStringList skin = list(";Skin;Moist skin");
    QTest::newRow("alternative 1") << skin << list("skin") << list(R.toUtf8());
    QTest::newRow("alternative trimmed") << skin << list(" Skin ") << list(R.toUtf8());
    QTest::newRow("alternative 2 upper") << skin << list("MOIST SKIN") << list(R.toUtf8());
    QTest::newRow("plural") << skin << list("Skins") << list(W.toUtf8());
    QTest::newRow("double inner space") << skin << list("moist  skin") << list(W.toUtf8());
    QTest::newRow("empty answer") << skin << list("") << list(W.toUtf8());
    QTest::newRow("key without separator")
        << list("Skin;Moist skin") << list("Skin") << list(W.toUtf8());

    const QStringList group = list(";Air;Water;Sunlight;Light| | ");
    auto outcomes = [](const QString &a, const QString &b, const QString &c) {
        return QStringList{a, b, c};
    };
    QTest::newRow("group any order") << group << list("Water|Air|Light") << outcomes(R, R, R);
    QTest::newRow("group repeat") << group << list("Air|Air|Water") << outcomes(R, W, R);
    QTest::newRow("group repeat case") << group << list("Air|air|AIR") << outcomes(R, W, W);
    QTest::newRow("group wrong head") << group << list("Sand|Air|Water") << outcomes(W, R, R);
    QTest::newRow("group empties") << group << list("|Air|") << outcomes(W, R, W);
    QTest::newRow("continuation without head")
        << list(" | ") << list("Air|Air") << QStringList{W, W};
}

void TestMarking::choice()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, expected);
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(MarkChoiceAnswer(answers, keys, i), expected.at(i));
}

void TestMarking::modelGroup_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("blank");
    QTest::addColumn<QString>("expected");

    const QStringList group = list(";Air;Water;Sunlight;Light| | ");
    QTest::newRow("sand sand air: head") << group << list("Sand|Sand|Air") << 0 << "Water";
    QTest::newRow("sand sand air: 2") << group << list("Sand|Sand|Air") << 1 << "Sunlight";
    QTest::newRow("air sand water: 2") << group << list("Air|Sand|Water") << 1 << "Sunlight";
    QTest::newRow("sand x3: head") << group << list("Sand|Sand|Sand") << 0 << "Air";
    QTest::newRow("sand x3: 2") << group << list("Sand|Sand|Sand") << 1 << "Water";
    QTest::newRow("sand x3: 3") << group << list("Sand|Sand|Sand") << 2 << "Sunlight";
    QTest::newRow("empty head, later claims") << group << list("|Air|Sand") << 0 << "Water";
    QTest::newRow("too few left") << list(";Air;Water| | ") << list("Sand|Sand|Sand") << 2 << "";
    QTest::newRow("group followed by another blank")
        << list(";a;b| |;c;d") << list("x|y|z") << 1 << "b";
    QTest::newRow("no head") << list(" | ") << list("x|y") << 1 << "";
}

void TestMarking::modelGroup()
{
    QFETCH(QStringList, keys);
    QFETCH(QStringList, answers);
    QFETCH(int, blank);
    QFETCH(QString, expected);
    QCOMPARE(ModelGroupAnswer(answers, keys, blank), expected);
}

void TestMarking::modelAnswer()
{
    const QStringList keys = list(";Skin;Moist skin|5/14|;Air;Water| |creature ");
    const QStringList types = list("M|F|G|G|T");
    const QStringList answers = list("x|y|Water|Sand|z");
    QCOMPARE(ModelAnswer(answers, keys, types, 0), QStringLiteral("Skin"));
    QCOMPARE(ModelAnswer(answers, keys, types, 1), QStringLiteral("5/14"));
    QCOMPARE(ModelAnswer(answers, keys, types, 3), QStringLiteral("Air"));
    QCOMPARE(ModelAnswer(answers, keys, types, 4), QStringLiteral("creature "));
}

void TestMarking::percent_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("expected");

    QTest::newRow("6.25 to even") << 2 << 32 << "6.2";
    QTest::newRow("18.75 to even") << 6 << 32 << "18.8";
    QTest::newRow("81.25 to even") << 13 << 16 << "81.2";
    QTest::newRow("two thirds") << 2 << 3 << "66.7";
    QTest::newRow("one third") << 1 << 3 << "33.3";
    QTest::newRow("full") << 3 << 3 << "100";
    QTest::newRow("nothing") << 0 << 40 << "0";
    QTest::newRow("near full") << 199 << 200 << "99.5";
    QTest::newRow("tiny share") << 1 << 2001 << "0";
    QTest::newRow("total zero") << 0 << 0 << "";
}

void TestMarking::percent()
{
    QFETCH(int, score);
    QFETCH(int, total);
    QFETCH(QString, expected);
    QCOMPARE(PercentText(score, total), expected);
}

void TestMarking::markTake()
{
    const QStringList keys = list("2|958|;Air;Water| |5/14");
    const QStringList types = list("Q|N|G|G|Z");
    const QStringList marks = list("1|2|1|1|3");
    const QStringList answers = list("2|959|water|Air|5/14");
    const TakeResult result = MarkTake(answers, keys, types, marks);
    QCOMPARE(result.outcomes, (QStringList{R, W, R, R, QString()}));
    QCOMPARE(result.score, 3);
    QCOMPARE(result.totalMarks, 8); // the unknown type still counts in the total
    QCOMPARE(result.percent, QStringLiteral("37.5"));
}

void TestMarking::markTakeDamagedArrays()
{
    // Fewer answers, types and marks than keys, and a mark that is not a number.
    const TakeResult result = MarkTake(list("1"), list("1|2|3"), list("Q|Q"), list("1|x"));
    QCOMPARE(result.outcomes.size(), 3);
    QCOMPARE(result.outcomes.at(0), R);
    QCOMPARE(result.outcomes.at(1), W);
    QCOMPARE(result.outcomes.at(2), QString());
    QCOMPARE(result.totalMarks, 1);
    QCOMPARE(result.percent, QStringLiteral("100"));
}

void TestMarking::markTakeHugeMarks()
{
    // Marks that would wrap a 32-bit sum: the total stays positive and the score within it.
    const TakeResult result = MarkTake(list("a|b|c"), list("a|b|c"), list("T|T|T"),
                                       list("2147483647|2147483647|99999999999999999999"));
    QVERIFY(result.totalMarks > 0);
    QCOMPARE(result.score, result.totalMarks); // every blank right
    QCOMPARE(result.percent, QStringLiteral("100"));
    const TakeResult half =
        MarkTake(list("a|x"), list("a|b"), list("T|T"), list("2147483647|2147483647"));
    QVERIFY(half.score > 0 && half.score < half.totalMarks);
    QCOMPARE(half.percent, QStringLiteral("50"));
}

QTEST_APPLESS_MAIN(TestMarking)
#include "test_marking.moc"

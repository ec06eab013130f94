#include "records/records.h"

#include "../common/testfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif
#ifdef Q_OS_LINUX
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace records;

namespace {

using testfiles::fileBytes;
using testfiles::putBytes;

QString dataFile(const char *name)
{
    return QStringLiteral(LARKSPUR_TEST_DATA "/records/") + QLatin1String(name);
}

QStringList repeated(const QString &text, int n)
{
    return QStringList(n, text);
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Writes `bytes` to a fresh file and returns its path.
    QString fileWith(const QByteArray &bytes)
    {
        const QString p = path(QStringLiteral("file%1.txt").arg(++m_counter));
        putBytes(p, bytes);
        return p;
    }
    int m_counter = 0;

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    // --- encoding -----------------------------------------------------------------------------

    void everyByteSurvivesARoundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = fromWindows1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(toWindows1252(text), all);
        for (QChar c : text)
            QVERIFY(windows1252CanHold(c));
    }

    void encoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("canHoldAll");
        QTest::newRow("right mark") << QString(QChar(0x00FC)) << QByteArray("\xfc") << true;
        QTest::newRow("wrong mark") << QString(QChar(0x00FB)) << QByteArray("\xfb") << true;
        QTest::newRow("euro") << QString(QChar(0x20AC)) << QByteArray("\x80") << true;
        QTest::newRow("left quote") << QString(QChar(0x2018)) << QByteArray("\x91") << true;
        QTest::newRow("Y diaeresis") << QString(QChar(0x0178)) << QByteArray("\x9f") << true;
        QTest::newRow("U+0080 is not byte 0x80")
            << QString(QChar(0x0080)) << QByteArray("?") << false;
        QTest::newRow("l stroke") << QString(QChar(0x0142)) << QByteArray("?") << false;
        QTest::newRow("minus sign") << QString(QChar(0x2212)) << QByteArray("?") << false;
        QTest::newRow("emoji is one ?") << QString::fromUtf8("a\xF0\x9F\x98\x80"
                                                             "b")
                                        << QByteArray("a?b") << false;
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?") << false;
    }
    void encoding()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, canHoldAll);
        QCOMPARE(toWindows1252(text), bytes);
        const bool all =
            std::all_of(text.begin(), text.end(), [](QChar c) { return windows1252CanHold(c); });
        QCOMPARE(all, canHoldAll);
        if (canHoldAll)
            QCOMPARE(fromWindows1252(bytes), text);
    }

    void fieldCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::newRow("plain") << QStringLiteral("creature ") << true;
        QTest::newRow("marks") << QString(QChar(0x00FC)) + QChar(0x00FB) << true;
        QTest::newRow("empty") << QString() << true;
        QTest::newRow("separator") << QStringLiteral("a>b") << false;
        QTest::newRow("hash") << QStringLiteral("#101#") << false;
        QTest::newRow("CR") << QStringLiteral("a\rb") << false;
        QTest::newRow("LF") << QStringLiteral("a\nb") << false;
        QTest::newRow("outside code page") << QString(QChar(0x2264)) << false;
    }
    void fieldCharacters()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QCOMPARE(fieldCanHold(QStringView(text)), ok);
    }

    // --- lines --------------------------------------------------------------------------------

    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("LF") << QStringLiteral("a\nb") << QStringList{"a", "b"};
        QTest::newRow("lone CR") << QStringLiteral("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("CR then CR LF") << QStringLiteral("a\r\r\nb") << QStringList{"a", "", "b"};
        QTest::newRow("LF CR is two ends") << QStringLiteral("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("no final end")
            << QStringLiteral("...\r\n#1#>x\r\n...") << QStringList{"...", "#1#>x", "..."};
        QTest::newRow("empty") << QString() << QStringList{};
        QTest::newRow("one empty line") << QStringLiteral("\r\n") << QStringList{""};
    }
    void splitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(records::splitLines(text), lines);
    }

    void readLinesOfMissingFileIsNullopt()
    {
        QVERIFY(!readLines(path("no-such-file.txt")).has_value());
        QVERIFY(!readLines(m_dir.path()).has_value());
        QCOMPARE(readLines(dataFile("empty.txt")), std::optional<QStringList>(QStringList{}));
    }

    // --- single-key readers -------------------------------------------------------------------

    void readValue_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QByteArray descriptor = "#NME#>Larkspur Practice\r\n#COD#>LPP\r\n#TT1#>6\r\n"
                                      "-----------------------\r\n#TN1#>Grammar>Vocabulary\r\n";
        QTest::newRow("one field") << descriptor << "TT1"
                                   << "6";
        QTest::newRow("two fields keep separator") << descriptor << "TN1"
                                                   << "Grammar>Vocabulary";
        QTest::newRow("missing key") << descriptor << "TT2" << QString();
        QTest::newRow("key is a prefix of another") << descriptor << "TT" << QString();
        QTest::newRow("case matters") << descriptor << "nme" << QString();
        QTest::newRow("empty key") << QByteArray("##>x\r\n") << QString() << QString();
        QTest::newRow("key holding #") << QByteArray("#A#B#>x\r\n") << "A#B" << QString();
        QTest::newRow("line shorter than 7") << QByteArray("#TT1#\r\n") << "TT1" << QString();
        QTest::newRow("one empty field") << QByteArray("#TT1#>\r\n") << "TT1" << QString();
        QTest::newRow("first match wins") << QByteArray("#COD#>A\r\n#COD#>B\r\n") << "COD"
                                          << "A";
        QTest::newRow("marker anywhere") << QByteArray("junk #COD#>A\r\n") << "COD"
                                         << "A";
        QTest::newRow("start of a line before anywhere")
            << QByteArray("#NME#>x#COD#>A\r\n#COD#>B\r\n") << "COD"
            << "B";
        QTest::newRow("cut at the next marker") << QByteArray("#COD#>A>B#TT1#>6\r\n") << "COD"
                                                << "A>B";
        QTest::newRow("verbatim spaces") << QByteArray("#NME#> x  \r\n") << "NME"
                                         << " x  ";
        QTest::newRow("1252 text")
            << QByteArray("#NME#>Caf\xe9 \x80\r\n") << "NME" << QString::fromUtf8("Café €");
    }
    void readValue()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QCOMPARE(ReadValue(fileWith(file), key), value);
    }

    void readFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("n");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("thirty empty, ask 20") << "#FSE#" + QString(30, u'>') << 20
                                              << repeated({}, 19) + QStringList{QString(10, u'>')};
        QTest::newRow("exact") << "#FSE#>1>2>3" << 3 << QStringList{"1", "2", "3"};
        QTest::newRow("fewer than asked") << "#FSE#>1" << 3 << QStringList{"1", "", ""};
        QTest::newRow("no fields") << "#FSE#" << 2 << QStringList{"", ""};
        QTest::newRow("zero") << "#FSE#>1>2" << 0 << QStringList{};
        QTest::newRow("negative") << "#FSE#>1>2" << -4 << QStringList{};
        QTest::newRow("beyond capacity clamps to 50")
            << "#FSE#" + QString(60, u'>') << 70
            << repeated({}, 49) + QStringList{QString(10, u'>')};
        QTest::newRow("trailing space kept")
            << "#FSE#>creature >x" << 1 << QStringList{"creature >x"};
    }
    void readFields()
    {
        QFETCH(QString, line);
        QFETCH(int, n);
        QFETCH(QStringList, fields);
        const QString p = fileWith("...\r\n" + line.toLatin1() + "\r\n...");
        QCOMPARE(ReadFields(p, "FSE", n), fields);
    }

    void readFieldsSmallClampsAtTen()
    {
        const QString p = fileWith("#TN1#>t1>t2>t3>t4>t5>t6>t7>t8>t9>t10>t11>t12\r\n");
        const QStringList fields = ReadFieldsSmall(p, "TN1", 12);
        QCOMPARE(fields.size(), 10);
        QCOMPARE(fields[8], QStringLiteral("t9"));
        QCOMPARE(fields[9], QStringLiteral("t10>t11>t12"));
        QCOMPARE(ReadFieldsSmall(p, "TN1", 2),
                 (QStringList{"t1", "t2>t3>t4>t5>t6>t7>t8>t9>t10>t11>t12"}));
    }

    void readLineAndSplitLine()
    {
        const QString fresh = fileWith("#TRD#\r\n");
        QCOMPARE(ReadLine(fresh, "TRD"), QStringLiteral("#TRD#"));
        QCOMPARE(SplitLine(ReadLine(fresh, "TRD"), 2), (QStringList{"", ""}));
        const QString two = fileWith("#TRD#>66.7>100\r\n");
        QCOMPARE(SplitLine(ReadLine(two, "TRD"), 2), (QStringList{"66.7", "100"}));
        QCOMPARE(countFields(ReadLine(two, "TRD")), 2);
        QCOMPARE(ReadLine(two, "XYZ"), QString());
        QCOMPARE(ReadLine(path("missing.txt"), "TRD"), QString());
    }

    void splitLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("answerLine");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("n 0") << "#TRD#>1>2" << 0 << false << QStringList{};
        QTest::newRow("empty line") << QString() << 2 << false << QStringList{"", ""};
        QTest::newRow("no marker") << "hello>there" << 2 << false << QStringList{"", ""};
        QTest::newRow("last field keeps rest")
            << "#101#>a>b>c" << 2 << true << QStringList{"a", "b>c"};
        QTest::newRow("longer key") << "#13001#>a>b" << 2 << false << QStringList{"a", "b"};
        QTest::newRow("SplitLine clamps to 50") << "#101#" + QString(55, u'>') << 60 << false
                                                << repeated({}, 49) + QStringList{QString(5, u'>')};
        QTest::newRow("SplitAnswerLine clamps to 80")
            << "#101#" + QString(85, u'>') << 85 << true
            << repeated({}, 79) + QStringList{QString(5, u'>')};
        QTest::newRow("SplitAnswerLine holds 70")
            << "#101#" + QString(70, u'>') << 70 << true << repeated({}, 70);
    }
    void splitLine()
    {
        QFETCH(QString, line);
        QFETCH(int, n);
        QFETCH(bool, answerLine);
        QFETCH(QStringList, fields);
        QCOMPARE(answerLine ? SplitAnswerLine(line, n) : SplitLine(line, n), fields);
    }

    void allFieldsInMemory_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("fields") << "#TRD#>80>90" << QStringList{"80", "90"};
        QTest::newRow("no fields") << "#TRD#" << QStringList{};
        QTest::newRow("one empty field") << "#TRD#>" << QStringList{""};
        QTest::newRow("no record") << QString() << QStringList{};
        QTest::newRow("more than 50") << "#LAY#" + QString(55, u'>') << repeated({}, 55);
    }
    void allFieldsInMemory()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        QCOMPARE(allFields(line), fields);
    }

    void readAllFields_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("paper list") << QByteArray("...\r\n#101#>13001>13002\r\n#102#>13003\r\n...")
                                    << QStringList{"13001", "13002"};
        QTest::newRow("no fields") << QByteArray("#101#\r\n") << QStringList{};
        QTest::newRow("one empty field") << QByteArray("#101#>\r\n") << QStringList{""};
        QTest::newRow("missing record") << QByteArray("#102#>1\r\n") << QStringList{};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
    }
    void readAllFields()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, fields);
        QCOMPARE(ReadAllFields(fileWith(file), "101"), fields);
    }

    // --- sequential readers -------------------------------------------------------------------

    void questionFields_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("in order") << QStringList{"13001", "13003"} << QList<int>{2, 3}
                                  << QStringList{"a", "b", "d", "e", "f"};
        QTest::newRow("continuation ids")
            << QStringList{"23999", "29001"} << QList<int>{1, 1} << QStringList{"y", "z"};
        QTest::newRow("out of order misses the upper key")
            << QStringList{"13003", "13001", "23999"} << QList<int>{3, 0, 1}
            << QStringList{"d", "e", "f", "y"};
        QTest::newRow("missing key hides nothing after it")
            << QStringList{"13001", "13002", "13003"} << QList<int>{2, 0, 3}
            << QStringList{"a", "b", "d", "e", "f"};
        QTest::newRow("group key of one space")
            << QStringList{"13004"} << QList<int>{2} << QStringList{";Air;Water", " "};
        QTest::newRow("no keys") << QStringList{} << QList<int>{} << QStringList{};
    }
    void questionFields()
    {
        QFETCH(QStringList, keys);
        QFETCH(QList<int>, counts);
        QFETCH(QStringList, fields);
        const QString p = fileWith("...\r\n#13001#>a>b\r\n#13003#>d>e>f\r\n#13004#>;Air;Water> \r\n"
                                   "#23999#>y\r\n#29001#>z\r\n...");
        QCOMPARE(CountQuestionFields(p, keys), counts);
        QCOMPARE(ReadQuestionFields(p, keys), fields);
    }

    void sequentialReadersOnMissingFile()
    {
        QCOMPARE(CountQuestionFields(path("none.txt"), {"1", "2"}), (QList<int>{0, 0}));
        QCOMPARE(ReadQuestionFields(path("none.txt"), {"1", "2"}), QStringList{});
        QCOMPARE(ReadPaperLines(path("none.txt"), 3), (QStringList{"", "", ""}));
    }

    void readPaperLines_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("template with fillers")
            << dataFile("paperlist-good.txt") << 4
            << QStringList{"#101#>13001>13002>13003", "#102#>13004", "#103#>13005>13006",
                           "#104#>13007"};
        QTest::newRow("fewer records than asked")
            << dataFile("paperlist-good.txt") << 6 << QStringList{"#101#>13001>13002>13003",
                                                                  "#102#>13004",
                                                                  "#103#>13005>13006",
                                                                  "#104#>13007",
                                                                  "",
                                                                  ""};
        QTest::newRow("missing 103 keeps 104 and 105")
            << dataFile("missing-record.txt") << 5
            << QStringList{"#101#>a1>a2", "#102#>b1>b2", "", "#104#>d1>d2", "#105#>e1>e2"};
        QTest::newRow("zero") << dataFile("paperlist-good.txt") << 0 << QStringList{};
        QTest::newRow("out of order: each found by its key")
            << fileWith("#103#>c\r\n\x01\xff garbage\r\n#101#>a\r\n#102#>b\r\n") << 3
            << QStringList{"#101#>a", "#102#>b", "#103#>c"};
        QTest::newRow("empty file") << dataFile("empty.txt") << 2 << QStringList{"", ""};
        QTest::newRow("two records on one line: each cut at the other's marker")
            << fileWith("#101#>a>b#102#>c>d\r\n") << 2 << QStringList{"#101#>a>b", "#102#>c>d"};
        QTest::newRow("a marker at the start of a line comes first")
            << fileWith("#101#>a#102#>old\r\n#102#>new\r\n") << 2
            << QStringList{"#101#>a", "#102#>new"};
    }
    void readPaperLines()
    {
        QFETCH(QString, file);
        QFETCH(int, count);
        QFETCH(QStringList, lines);
        QCOMPARE(ReadPaperLines(file, count), lines);
    }

    void readPaperLinesClampsAtFifty()
    {
        QByteArray bytes;
        for (int b = 1; b <= 55; ++b)
            bytes += "#" + QByteArray::number(100 + b) + "#>x\r\n";
        const QStringList lines = ReadPaperLines(fileWith(bytes), 55);
        QCOMPARE(lines.size(), 50);
        QCOMPARE(lines.last(), QStringLiteral("#150#>x"));
    }

    // --- damaged files ------------------------------------------------------------------------

    void damagedFiles()
    {
        // Truncated after a separator: the last record reads with an empty field.
        QCOMPARE(ReadFields(dataFile("truncated.txt"), "102", 3), (QStringList{"x", "", ""}));
        QCOMPARE(ReadPaperLines(dataFile("truncated.txt"), 3),
                 (QStringList{"#101#>a>b>c", "#102#>x>", ""}));
        QCOMPARE(SplitAnswerLine("#102#>x>", 3), (QStringList{"x", "", ""}));
        // Cut inside the marker: that record is missing, the one before is intact.
        QCOMPARE(ReadPaperLines(dataFile("truncated-marker.txt"), 2),
                 (QStringList{"#101#>a>b", ""}));
        QCOMPARE(ReadAllFields(dataFile("truncated-marker.txt"), "102"), QStringList{});
        // Stray ">": an extra field shifts what follows, fewer fields read as empty.
        QCOMPARE(ReadFields(dataFile("stray-gt.txt"), "101", 3), (QStringList{"a", "b", ">c"}));
        QCOMPARE(ReadFields(dataFile("stray-gt.txt"), "102", 3), (QStringList{"only", "", ""}));
        QCOMPARE(ReadFields(dataFile("stray-gt.txt"), "103", 2), (QStringList{"", ""}));
        QCOMPARE(ReadAllFields(dataFile("stray-gt.txt"), "103"), QStringList{});
        QCOMPARE(ReadValue(dataFile("stray-gt.txt"), "104"), QStringLiteral("x"));
        QCOMPARE(CountQuestionFields(dataFile("stray-gt.txt"), {"101", "104"}), (QList<int>{4, 1}));
        // Other line ends.
        for (const char *name : {"lf-ends.txt", "cr-ends.txt"}) {
            const QString p = dataFile(name);
            QCOMPARE(ReadValue(p, "NME"), QStringLiteral("Course"));
            QCOMPARE(ReadValue(p, "COD"), QStringLiteral("LPP"));
            QCOMPARE(ReadFieldsSmall(p, "TN1", 2), (QStringList{"Grammar", "Vocabulary"}));
        }
        // Empty and missing files read as empty records.
        for (const QString &p : {dataFile("empty.txt"), path("never-written.txt")}) {
            QCOMPARE(ReadValue(p, "NME"), QString());
            QCOMPARE(ReadFields(p, "FSE", 3), (QStringList{"", "", ""}));
            QCOMPARE(ReadLine(p, "TRD"), QString());
            QCOMPARE(ReadAllFields(p, "101"), QStringList{});
        }
        // Right and wrong marks are bytes 252 and 251.
        QCOMPARE(ReadFields(dataFile("marks-1252.txt"), "101", 4),
                 (QStringList{QString(QChar(0x00FC)), QString(QChar(0x00FB)), "",
                              QString(QChar(0x20AC))}));
    }

    void anyLineGivesTheAskedNumberOfFields_data()
    {
        QTest::addColumn<QByteArray>("line");
        for (const char *line : {"", "#", "##", "###", ">", ">>>", "#>#", "#101", "#101#", ">#101#",
                                 "#101#>", "#101#>>", "101#>a", "#101>a", "#101#101#>a>b", "#1#>a",
                                 "#101#\x80\xff>\xfc", "\x00#101#>\x00"})
            QTest::newRow(line) << QByteArray(line);
        QTest::newRow("long") << "#101#" + QByteArray(5000, '>');
    }
    void anyLineGivesTheAskedNumberOfFields()
    {
        QFETCH(QByteArray, line);
        const QString p = fileWith(line + "\r\n" + line);
        const QString text = fromWindows1252(line);
        for (int n : {-1, 0, 1, 2, 9, 10, 11, 49, 50, 51, 79, 80, 81, 1000}) {
            QCOMPARE(ReadFields(p, "101", n).size(), qBound(0, n, 50));
            QCOMPARE(ReadFieldsSmall(p, "101", n).size(), qBound(0, n, 10));
            QCOMPARE(SplitLine(text, n).size(), qBound(0, n, 50));
            QCOMPARE(SplitAnswerLine(text, n).size(), qBound(0, n, 80));
            QCOMPARE(ReadPaperLines(p, n).size(), qBound(0, n, 50));
        }
        const QStringList all = ReadAllFields(p, "101");
        QCOMPARE(CountQuestionFields(p, {"101", "101"}).value(0), int(all.size()));
        QCOMPARE(ReadQuestionFields(p, {"101"}), all);
        QVERIFY(ReadValue(p, "101").size() <= text.size());
    }

    void secondMarker_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("holds");
        QTest::newRow("record") << "#101#>a>b" << false;
        QTest::newRow("no marker") << "...>#x" << false;
        QTest::newRow("two records") << "#101#>a#102#>b" << true;
        QTest::newRow("marker without fields") << "#FSE#>1#SSE#" << true;
        QTest::newRow("key repeated inside the marker") << "#101#101#>a" << false;
        QTest::newRow("lone # in a field") << "#101#>a#b>c" << false;
        QTest::newRow("# pair around >") << "#101#>a#>#b" << false;
    }
    void secondMarker()
    {
        QFETCH(QString, line);
        QFETCH(bool, holds);
        QCOMPARE(holdsSecondMarker(line), holds);
    }

    void twoRecordsOnALineAreNeverWritten()
    {
        // Another line that would read back as two records refuses the write.
        const QByteArray before = "#101#>a\r\n#102#>b#103#>c\r\n";
        const QString p = fileWith(before);
        QStringList lines{"#101#>a", "#102#>b#103#>c"};
        QVERIFY(!SavePaperLine(lines, {"x"}, "1", "101", 2, 1, p));
        QCOMPARE(fileBytes(p), before);
        lines[1] = QStringLiteral("#102#>b");
        QVERIFY(SavePaperLine(lines, {"x"}, "1", "101", 2, 1, p));
        QCOMPARE(fileBytes(p), QByteArray("#101#>x\r\n#102#>b\r\n"));
    }

    // --- writers ------------------------------------------------------------------------------

    void writeFileAtomicallyReplacesWholeFile()
    {
        const QString p = fileWith(QByteArray(1000, 'x'));
        const SaveResult saved = writeFileAtomically(p, "abc");
        QVERIFY2(saved.ok, qPrintable(saved.error));
        QCOMPARE(fileBytes(p), QByteArray("abc"));
    }

    void writeFileAtomicallyReportsFailure()
    {
        const SaveResult intoMissingFolder = writeFileAtomically(path("no-folder/file.txt"), "abc");
        QVERIFY(!intoMissingFolder);
        QVERIFY(!intoMissingFolder.error.isEmpty());
        QVERIFY(!QFile::exists(path("no-folder/file.txt")));

        const SaveResult ontoFolder = writeFileAtomically(m_dir.path(), "abc");
        QVERIFY(!ontoFolder);
        QVERIFY(!ontoFolder.error.isEmpty());
    }

#ifdef Q_OS_UNIX
    void writtenFilesAreThePupilsAlone()
    {
        // New files are 0600 whatever the umask; a rewrite keeps the mode the file has.
        const mode_t before = ::umask(022);
        const auto restore = qScopeGuard([&] { ::umask(before); });
        const auto mode = [](const QString &p) {
            struct stat st
            {
            };
            return ::stat(QFile::encodeName(p).constData(), &st) == 0 ? int(st.st_mode & 07777)
                                                                      : -1;
        };
        QVERIFY(writeFileAtomically(path("mode-new.txt"), "a"));
        QCOMPARE(mode(path("mode-new.txt")), 0600);
        QVERIFY(writeFileAtomically(path("mode-temporary.txt"), "a", Keep::Temporary));
        QCOMPARE(mode(path("mode-temporary.txt")), 0600);
        const QString shared = fileWith("old");
        QVERIFY(::chmod(QFile::encodeName(shared).constData(), 0640) == 0);
        QVERIFY(writeFileAtomically(shared, "new"));
        QCOMPARE(fileBytes(shared), QByteArray("new"));
        QCOMPARE(mode(shared), 0640);
    }
#endif

#ifdef Q_OS_LINUX
    // A file-size limit makes every write past it fail with EFBIG, as a full disk fails with
    // ENOSPC; a child process takes the limit so this test process keeps writing freely.
    void fullDiskKeepsOldFile_data()
    {
        QTest::addColumn<int>("limit");
        QTest::newRow("nothing fits") << 0;
        QTest::newRow("part fits") << 100;
        QTest::newRow("one byte short") << 389;
    }
    void fullDiskKeepsOldFile()
    {
        QFETCH(int, limit);
        QTemporaryDir dir;
        const QString p = dir.filePath(QStringLiteral("f.txt"));
        putBytes(p, "OLD\r\n");
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit cap{rlim_t(limit), rlim_t(limit)};
            setrlimit(RLIMIT_FSIZE, &cap);
            const SaveResult r = writeFileAtomically(p, QByteArray(390, 'n'));
            _exit(r.ok ? 0 : (r.error.isEmpty() ? 3 : 1));
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 1); // reported as failed, with a reason
        QCOMPARE(fileBytes(p), QByteArray("OLD\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"f.txt"});
    }

    // The same on a real full file system, where this process may mount one (as root).
    void fullTmpfsKeepsOldFile()
    {
        QTemporaryDir dir;
        const QByteArray mountPoint = QFile::encodeName(dir.path());
        if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
            QSKIP(qPrintable(QStringLiteral("cannot mount a small tmpfs here (%1); the "
                                            "file-size limit test covers the same path")
                                 .arg(QString::fromLocal8Bit(std::strerror(errno)))));
        const auto unmount = qScopeGuard([&] { ::umount2(mountPoint.constData(), MNT_DETACH); });
        const QString p = dir.filePath(QStringLiteral("f.txt"));
        putBytes(p, "OLD\r\n");
        {
            QFile filler(dir.filePath(QStringLiteral("filler")));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {
            }
        }
        const SaveResult saved = writeFileAtomically(p, QByteArray(390, 'n'));
        QVERIFY(!saved);
        QVERIFY(!saved.error.isEmpty());
        QCOMPARE(fileBytes(p), QByteArray("OLD\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"f.txt", "filler"}));
    }
#endif

    // --- files written together ---------------------------------------------------------------

    void filesWrittenTogether()
    {
        QTemporaryDir dir;
        const QString journal = dir.filePath("marking.journal");
        const QString a = dir.filePath("a.txt"), b = dir.filePath("b.txt");
        putBytes(a, "old a");
        const TogetherResult done = writeFilesTogether(journal, {{a, "new a"}, {b, "new b"}});
        QVERIFY2(done.ok && done.written && done.finished, qPrintable(done.error));
        QCOMPARE(fileBytes(a), QByteArray("new a"));
        QCOMPARE(fileBytes(b), QByteArray("new b"));
        QVERIFY(!QFile::exists(journal));

        // The second file cannot be written: the first is put back, nothing is left pending.
        QVERIFY(QDir(dir.path()).mkdir("c.txt"));
        const TogetherResult failed =
            writeFilesTogether(journal, {{a, "newer a"}, {dir.filePath("c.txt"), "c"}});
        QVERIFY(!failed.ok && !failed.written);
        QVERIFY(!failed.error.isEmpty());
        QCOMPARE(fileBytes(a), QByteArray("new a"));
        QVERIFY(!QFile::exists(journal));

        // A file outside the journal's folder is refused before anything is written.
        QTemporaryDir other;
        QVERIFY(!writeFilesTogether(journal, {{a, "x"}, {other.filePath("d.txt"), "d"}}).written);
        QCOMPARE(fileBytes(a), QByteArray("new a"));
    }

    // A crash leaves the journal whole (the files may be any mix of old and new) or cut short
    // (no file was touched yet). Replaying gives all new files, or all old ones.
    void replayAfterCrash_data()
    {
        QTest::addColumn<int>("cut"); // bytes of the journal that reached the disk; -1 all
        QTest::addColumn<bool>("firstWritten"); // a.txt already new when the crash came
        QTest::addColumn<bool>("replayed");
        QTest::newRow("whole, no file written") << -1 << false << true;
        QTest::newRow("whole, one file written") << -1 << true << true;
        QTest::newRow("cut in the head") << 5 << false << false;
        QTest::newRow("cut in a file") << 40 << false << false;
        QTest::newRow("cut before its check") << -20 << false << false;
        QTest::newRow("last byte missing") << -2 << false << false;
    }
    void replayAfterCrash()
    {
        QFETCH(int, cut);
        QFETCH(bool, firstWritten);
        QFETCH(bool, replayed);
        QTemporaryDir dir;
        const QString journal = dir.filePath("marking.journal");
        const QString a = dir.filePath("a.txt"), b = dir.filePath("b.txt");
        const QByteArray newA("#101#>\xfc>\xfb\r\n\n\x00>"), newB(300, '\n');
        putBytes(a, firstWritten ? newA : QByteArray("old a"));
        putBytes(b, "old b");
        QByteArray bytes;
        QVERIFY(composeJournal(journal, {{a, newA}, {b, newB}}, bytes));
        if (cut == -1)
            putBytes(journal, bytes);
        else
            putBytes(journal, cut >= 0 ? bytes.left(cut) : bytes.chopped(-cut - 1));
        const ReplayResult r = replayJournal(journal);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.replayed, replayed);
        QVERIFY(!QFile::exists(journal));
        QCOMPARE(fileBytes(a), replayed ? newA : (firstWritten ? newA : QByteArray("old a")));
        QCOMPARE(fileBytes(b), replayed ? newB : QByteArray("old b"));
    }

    void journalNamesOnlyItsOwnFolder()
    {
        // A journal naming a path outside its folder is not followed, even with a right check.
        QTemporaryDir dir;
        const QString journal = dir.filePath("marking.journal");
        QByteArray body = "LARKSPUR JOURNAL 1\n../evil.txt\n1\nx\n";
        body += "END " + QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex() + "\n";
        putBytes(journal, body);
        QVERIFY(replayJournal(journal).ok);
        QVERIFY(!QFile::exists(QFileInfo(dir.path()).absolutePath() + "/evil.txt"));
        QVERIFY(!QFile::exists(journal));
    }

    void savePaperLineWritesRecordAndDropsFillers()
    {
        const QString p =
            fileWith("...\r\n#101#>\r\n#102#>\r\n#103#>\r\n#104#>\r\n#105#>>>\r\n...");
        QStringList lines = ReadPaperLines(p, 5);
        const SaveResult saved = SavePaperLine(lines, {"a", "", "c"}, "5", "105", 5, 3, p);
        QVERIFY2(saved.ok, qPrintable(saved.error));
        QCOMPARE(fileBytes(p),
                 QByteArray("#101#>\r\n#102#>\r\n#103#>\r\n#104#>\r\n#105#>a>>c\r\n"));
        QCOMPARE(lines[4], QStringLiteral("#105#>a>>c"));
        QCOMPARE(SplitAnswerLine(ReadPaperLines(p, 5)[4], 3), (QStringList{"a", "", "c"}));
    }

    void savePaperLineBytes()
    {
        const QString p = path("results.txt");
        QStringList lines; // shorter than lineCount: missing lines are written empty
        const QStringList outcomes{QString(QChar(0x00FC)), QString(QChar(0x00FB)), QString()};
        QVERIFY(SavePaperLine(lines, outcomes, "2", "102", 3, 3, p));
        QCOMPARE(fileBytes(p), QByteArray("\r\n#102#>\xfc>\xfb>\r\n\r\n"));
        QCOMPARE(lines.size(), 3);
        // Fewer fields given than fieldCount: the missing ones are empty; zero fields: no ">".
        QVERIFY(SavePaperLine(lines, {"x"}, "1", "101", 3, 2, p));
        QVERIFY(SavePaperLine(lines, {}, "3", "103", 3, 0, p));
        QCOMPARE(fileBytes(p), QByteArray("#101#>x>\r\n#102#>\xfc>\xfb>\r\n#103#\r\n"));
    }

    // Journals that are complete and carry a right check, but whose sizes do not fit: each is
    // refused as a whole, nothing is read beyond the journal, nothing is written.
    void craftedJournalSizes_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("size near the largest number")
            << QByteArray("a.txt\n9223372036854775800\nx\n");
        QTest::newRow("largest number") << QByteArray("a.txt\n9223372036854775807\nx\n");
        QTest::newRow("beyond the largest number")
            << QByteArray("a.txt\n99999999999999999999\nx\n");
        QTest::newRow("negative") << QByteArray("a.txt\n-1\nx\n");
        QTest::newRow("signed") << QByteArray("a.txt\n+1\nx\n");
        QTest::newRow("spaces") << QByteArray("a.txt\n 1\nx\n");
        QTest::newRow("one beyond the body") << QByteArray("a.txt\n2\nx\n");
        QTest::newRow("no size") << QByteArray("a.txt\n\nx\n");
    }
    void craftedJournalSizes()
    {
        QFETCH(QByteArray, body);
        QTemporaryDir dir;
        const QString journal = dir.filePath("marking.journal");
        QByteArray bytes = "LARKSPUR JOURNAL 1\n" + body;
        bytes +=
            "END " + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + "\n";
        QVERIFY(!parseJournal(bytes, dir.path()).has_value());
        putBytes(journal, bytes);
        const ReplayResult r = replayJournal(journal);
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY(!r.replayed);
        QVERIFY(!QFile::exists(journal));
        QVERIFY(!QFile::exists(dir.filePath("a.txt")));
    }

    void oversizedJournalIsDroppedUnread()
    {
        QTemporaryDir dir;
        const QString journal = dir.filePath("marking.journal");
        const QString a = dir.filePath("a.txt");
        putBytes(a, "old");
        QByteArray bytes;
        QVERIFY(composeJournal(journal, {{a, "new"}}, bytes));
        putBytes(journal, bytes);
        // Grown past the largest journal a set of writes can make (sparse: no disk is used).
        QFile grown(journal);
        QVERIFY(grown.resize(MaxJournalSize + 1));
        const ReplayResult r = replayJournal(journal);
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY(!r.replayed);
        QVERIFY(!QFile::exists(journal));
        QCOMPARE(fileBytes(a), QByteArray("old"));
        // No set of writes is allowed to make a journal that large.
        QVERIFY(!composeJournal(journal, {{a, QByteArray(MaxJournalSize, 'x')}}, bytes));
    }

    void unfinishableJournalNamesTheFile()
    {
        // A file of the set became a folder: the journal stays, and the failure names the file.
        QTemporaryDir dir;
        const QString journal = dir.filePath("marking.journal");
        const QString a = dir.filePath("a.txt"), b = dir.filePath("b.txt");
        QByteArray bytes;
        QVERIFY(composeJournal(journal, {{a, "new a"}, {b, "new b"}}, bytes));
        putBytes(journal, bytes);
        QVERIFY(QDir(dir.path()).mkdir("b.txt"));
        const ReplayResult r = replayJournal(journal);
        QVERIFY(!r.ok);
        QCOMPARE(r.path, b);
        QVERIFY(!r.error.isEmpty());
        QVERIFY(QFile::exists(journal));
        const TogetherResult next = writeFilesTogether(journal, {{a, "newer"}});
        QVERIFY(!next.written);
        QCOMPARE(fileBytes(journal), bytes);
    }

    void savePaperLineRefusals_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("fieldCount");
        QTest::addColumn<bool>("inMissingFolder");
        QTest::newRow("index 0") << QStringList{"a"} << "0"
                                 << "100" << 3 << 1 << false;
        QTest::newRow("index past count") << QStringList{"a"} << "4"
                                          << "104" << 3 << 1 << false;
        QTest::newRow("index not a number") << QStringList{"a"} << "x"
                                            << "101" << 3 << 1 << false;
        QTest::newRow("field with >") << QStringList{"a>b"} << "1"
                                      << "101" << 3 << 1 << false;
        QTest::newRow("field with #") << QStringList{"#102#"} << "1"
                                      << "101" << 3 << 1 << false;
        QTest::newRow("field with LF") << QStringList{"a\nb"} << "1"
                                       << "101" << 3 << 1 << false;
        QTest::newRow("field outside code page") << QStringList{QString(QChar(0x0142))} << "1"
                                                 << "101" << 3 << 1 << false;
        QTest::newRow("key with #") << QStringList{"a"} << "1"
                                    << "1#1" << 3 << 1 << false;
        QTest::newRow("empty key") << QStringList{"a"} << "1"
                                   << "" << 3 << 1 << false;
        QTest::newRow("too many fields to read back") << QStringList{"a"} << "1"
                                                      << "101" << 3 << 81 << false;
        QTest::newRow("too many lines to read back") << QStringList{"a"} << "1"
                                                     << "101" << 51 << 1 << false;
        QTest::newRow("negative field count") << QStringList{"a"} << "1"
                                              << "101" << 3 << -1 << false;
        QTest::newRow("write fails") << QStringList{"a"} << "1"
                                     << "101" << 3 << 1 << true;
    }
    void savePaperLineRefusals()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, index);
        QFETCH(QString, key);
        QFETCH(int, lineCount);
        QFETCH(int, fieldCount);
        QFETCH(bool, inMissingFolder);
        const QByteArray before = "#101#>old\r\n#102#>\r\n#103#>\r\n";
        const QString p = inMissingFolder ? path("missing-folder/answers.txt") : fileWith(before);
        QStringList lines{"#101#>old", "#102#>", "#103#>"};
        const QStringList linesBefore = lines;
        const SaveResult saved = SavePaperLine(lines, fields, index, key, lineCount, fieldCount, p);
        QVERIFY(!saved);
        QVERIFY(!saved.error.isEmpty());
        QCOMPARE(lines, linesBefore);
        QCOMPARE(fileBytes(p), inMissingFolder ? QByteArray("<missing>") : before);
    }

    void saveSummaryFileBytes()
    {
        const QString p = fileWith("...\r\n#FSE#>old\r\n...");
        std::array<QStringList, 6> values{
            QStringList{"66.7", "", "100"}, QStringList{},
            QStringList{"0:7:5"},           QStringList{"", "", "2024-03-01"},
            QStringList{"1", "0", "1"},     QStringList{"0", "0", "0", "extra"}};
        const std::array<QString, 6> keys{"FSE", "SSE", "LTM", "CDD", "FST", "SST"};
        QVERIFY(SaveSummaryFile(values, keys, 3, p));
        QCOMPARE(fileBytes(p), QByteArray("#FSE#>66.7>>100\r\n#SSE#>>>\r\n#LTM#>0:7:5>>\r\n"
                                          "#CDD#>>>2024-03-01\r\n#FST#>1>0>1\r\n#SST#>0>0>0\r\n"));
        QCOMPARE(ReadFields(p, "FSE", 3), (QStringList{"66.7", "", "100"}));
        QCOMPARE(ReadFields(p, "CDD", 3), (QStringList{"", "", "2024-03-01"}));

        values[2][0] = QStringLiteral("0>7");
        QVERIFY(!SaveSummaryFile(values, keys, 3, p));
        QVERIFY(!SaveSummaryFile({}, keys, 51, p));
        QCOMPARE(ReadFields(p, "LTM", 1), QStringList{"0:7:5>>"});
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"

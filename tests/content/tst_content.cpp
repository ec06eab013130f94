#include "content/content.h"
#include "content/gaps.h"

#include "../common/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace content;

namespace {

using testfiles::fileBytes;
using testfiles::putBytes;

// Tables of subject 2 of a small course. Paper 134 crosses the jump from 23999 to 29001.
const QByteArray kPaperList = "...\r\n#101#>23001>23002\r\n#102#>23003\r\n"
                              "#134#>23998>23999>29001\r\n#135#\r\n...";
const QByteArray kAnswerKey = "...\r\n#23001#>creature >12\r\n#23002#>;Air;Water> \r\n"
                              "#23003#>1\r\n#23998#>5/14\r\n#23999#>2>3\r\n#29001#>1 2/3\r\n...";
const QByteArray kTypes = "...\r\n#23001#>T>N\r\n#23002#>G>G\r\n#23003#>Q\r\n#23998#>F\r\n"
                          "#23999#>N>N\r\n#29001#>X\r\n...";
const QByteArray kMarks = "...\r\n#23001#>1>2\r\n#23002#>1>1\r\n#23003#>3\r\n#23998#>2\r\n"
                          "#23999#>1>1\r\n#29001#>2\r\n...";

} // namespace

class TestContent : public QObject
{
    Q_OBJECT

    QTemporaryDir m_items;
    QTemporaryDir m_data;

    void writeItem(int number, const QByteArray &bytes)
    {
        putBytes(m_items.filePath(QString::number(number)), bytes);
    }
    void removeItem(int number) { QFile::remove(m_items.filePath(QString::number(number))); }
    void writeSubject2Tables()
    {
        writeItem(30022, kPaperList);
        writeItem(30023, kAnswerKey);
        writeItem(30024, kTypes);
        writeItem(30025, kMarks);
        removeItem(30026); // the flags table is optional
    }
    QString data(const QString &name) const { return m_data.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_items.isValid());
        QVERIFY(m_data.isValid());
        QCOMPARE(itemRoot(), QStringLiteral(":/items"));
        setItemRoot(m_items.path());
    }

    void init()
    {
        // Every test starts from an empty data folder.
        QDir(m_data.path()).removeRecursively();
        QDir().mkpath(m_data.path());
    }

    // --- Item stamps: equal exactly when the stored bytes are ------------------------------

    void itemStampFollowsTheBytes_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<bool>("equal");
        QTest::newRow("same bytes") << kTypes << kTypes << true;
        QTest::newRow("one type changed")
            << kTypes << QByteArray(kTypes).replace("#23003#>Q", "#23003#>T") << false;
        QTest::newRow("a record added") << kTypes << kTypes + "\r\n#23004#>N" << false;
    }

    void itemStampFollowsTheBytes()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(bool, equal);
        writeItem(30024, first);
        const QByteArray before = itemStamp(30024);
        QVERIFY(!before.isEmpty());
        writeItem(30024, second);
        QCOMPARE(itemStamp(30024) == before, equal);
        // A course file's items are stamped by the same rule.
        auto items = std::make_shared<QMap<int, QByteArray>>();
        items->insert(30024, first);
        setCourseItems(items);
        const QByteArray fromFile = itemStamp(30024);
        setCourseItems(nullptr);
        QCOMPARE(fromFile, before);
        removeItem(30024);
        QCOMPARE(itemStamp(30024), QByteArray());
    }

    // --- Text beside the answer gaps --------------------------------------------------------

    void gapTexts()
    {
        // As the course builder writes a page: quoted-printable Windows-1252, soft line breaks
        // anywhere, gaps as labelled spans.
        const QByteArray gapA =
            "<span class=3D\"gap gap-N\"><span class=3D\"gap-label\">(a)</span></span>";
        const QByteArray gapB =
            "<span class=3D\"gap gap-T\"><span class=3D\"gap-label\">(b)</span></span>";
        const QByteArray document =
            "MIME-Version: 1.0\r\nContent-Type: multipart/related;\r\n\tboundary=\"B\"\r\n\r\n"
            "--B\r\nContent-Type: text/html;\r\n\tcharset=\"windows-1252\"\r\n"
            "Content-Transfer-Encoding: quoted-printable\r\n\r\n"
            "<p>Change 16,000 g into kg.</p>\r\n<p>Cost: &pound;" +
            gapA + " k=\r\ng each, or =A3" + "</p>\r\n<p>The cat sat on the " + gapB +
            ".</p>\r\n--B--\r\n";
        const QList<GapText> gaps = GapTexts(document);
        QCOMPARE(gaps.size(), 2);
        QCOMPARE(gaps[0].before, QStringLiteral("Cost: \u00a3"));
        QCOMPARE(gaps[0].after, QStringLiteral(" kg each, or \u00a3"));
        QCOMPARE(gaps[1].before, QStringLiteral("The cat sat on the "));
        QCOMPARE(gaps[1].after, QStringLiteral("."));
        QVERIFY(GapTexts("not a document").isEmpty());
    }

    // --- ExtractItem --------------------------------------------------------------------------

    void extractWritesExactBytes_data()
    {
        QTest::addColumn<QByteArray>("item");
        QTest::addColumn<QByteArray>("before"); // existing target, or "<missing>"
        QTest::newRow("new file") << QByteArray("#NME#>x\r\n") << QByteArray("<missing>");
        QTest::newRow("longer file is replaced whole") << QByteArray("ab") << QByteArray(5000, 'z');
        QTest::newRow("binary bytes") << QByteArray("\x00\xff\r\n\x1a", 5) << QByteArray("x");
        QTest::newRow("empty item") << QByteArray() << QByteArray("old");
    }
    void extractWritesExactBytes()
    {
        QFETCH(QByteArray, item);
        QFETCH(QByteArray, before);
        writeItem(700, item);
        const QString target = data("target.bin");
        if (before != "<missing>")
            putBytes(target, before);
        QCOMPARE(ExtractItem(700, "Custom", target), ExtractOk);
        QCOMPARE(fileBytes(target), item);
        QCOMPARE(itemBytes(700), std::optional<QByteArray>(item));
    }

    void extractFailureLeavesTargetAsItWas_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("missing item, no file")
            << 90 << "instruction.gif" << QByteArray("<missing>");
        QTest::newRow("missing item, existing file")
            << 91 << "Border_bot_left.gif" << QByteArray("keep me");
        QTest::newRow("item 0") << 0 << "zero.txt" << QByteArray("keep");
        QTest::newRow("negative item") << -5 << "neg.txt" << QByteArray("<missing>");
        QTest::newRow("unwritable target")
            << 700 << "no-folder/target.bin" << QByteArray("<missing>");
    }
    void extractFailureLeavesTargetAsItWas()
    {
        QFETCH(int, number);
        QFETCH(QString, target);
        QFETCH(QByteArray, before);
        writeItem(700, "item bytes");
        const QString path = data(target);
        if (before != "<missing>")
            putBytes(path, before);
        QVERIFY(ExtractItem(number, "Custom", path) != ExtractOk);
        QCOMPARE(fileBytes(path), before);
    }

    // --- graphics -----------------------------------------------------------------------------

    void extractGraphicsCreatesFoldersAndWritesEveryPicture()
    {
        for (const GraphicsEntry &entry : graphicsList()) {
            if (entry.item < 90)
                writeItem(entry.item, "picture " + QByteArray::number(entry.item));
        }
        const QString folder = data("deeper/still/Graphics");
        QDir().mkpath(folder);
        putBytes(folder + "/about_off.bmp", "stale picture that is longer than the item");
        QDir(data("deeper")).removeRecursively();
        putBytes(data("deeper"), QByteArray()); // a file in the way: nothing can be written
        ExtractGraphics(folder);                // must not crash, nothing written
        QVERIFY(!QFile::exists(folder + "/about_off.bmp"));
        QFile::remove(data("deeper"));

        QDir().mkpath(folder);
        putBytes(folder + "/about_off.bmp", "stale picture that is longer than the item");
        QDir(data("deeper")).removeRecursively();
        ExtractGraphics(folder);
        int written = 0;
        for (const GraphicsEntry &entry : graphicsList()) {
            const QString file = folder + u'/' + QLatin1String(entry.fileName);
            if (entry.item < 90) {
                QCOMPARE(fileBytes(file), "picture " + QByteArray::number(entry.item));
                ++written;
            } else {
                QVERIFY(!QFile::exists(file));
            }
        }
        QCOMPARE(written, 86);
        QCOMPARE(graphicsFolderPath("/data"), QStringLiteral("/data/Graphics"));

        // Written again at every start.
        writeItem(1, "new look");
        ExtractGraphics(folder);
        QCOMPARE(fileBytes(folder + "/about_off.bmp"), QByteArray("new look"));
    }

    // --- descriptor ---------------------------------------------------------------------------

    void loadDescriptor()
    {
        writeItem(30000, "...\r\n#NME#>Larkspur Primary Practice\r\n#COD#>LPP\r\n"
                         "-----------------------\r\n#LAH#>English\r\n#LBH#>\r\n#LCH#>Science\r\n"
                         "#TT1#>6\r\n#TP1#>30\r\n#TN1#>Grammar>Vocabulary>Comprehension>Cloze>"
                         "Synthesis>Mock Examination\r\n#TT2#>7\r\n#TP2#>35\r\n#TN2#>a>b\r\n"
                         "#TT3#>2\r\n#TP3#>10\r\n#TN3#>Plants>Mock Examination>Extra\r\n...");
        const std::optional<CourseDescriptor> course = LoadDescriptor(m_data.path());
        QVERIFY(course.has_value());
        QCOMPARE(course->name, QStringLiteral("Larkspur Primary Practice"));
        QCOMPARE(course->code, QStringLiteral("LPP"));
        QVERIFY(course->subjects[0].exists());
        QCOMPARE(course->subjects[0].topicCount, 6);
        QCOMPARE(course->subjects[0].paperCount, 30);
        QCOMPARE(course->subjects[0].topicNames.size(), 6);
        QCOMPARE(course->subjects[0].topicNames.last(), QStringLiteral("Mock Examination"));
        // An empty name: the subject does not exist and nothing else of it is read.
        QVERIFY(!course->subjects[1].exists());
        QCOMPARE(course->subjects[1].topicCount, 0);
        QCOMPARE(course->subjects[1].paperCount, 0);
        QVERIFY(course->subjects[1].topicNames.isEmpty());
        // Two topics asked for: the second holds the rest of the line.
        QCOMPARE(course->subjects[2].topicNames, (QStringList{"Plants", "Mock Examination>Extra"}));
        QVERIFY(!QFile::exists(descriptorTempPath(m_data.path())));
    }

    void loadDescriptorCounts_data()
    {
        QTest::addColumn<QByteArray>("topics");
        QTest::addColumn<QByteArray>("papers");
        QTest::addColumn<int>("topicCount");
        QTest::addColumn<int>("paperCount");
        QTest::newRow("plain") << QByteArray("7") << QByteArray("35") << 7 << 35;
        QTest::newRow("spaces") << QByteArray(" 7 ") << QByteArray("35 ") << 7 << 35;
        QTest::newRow("not numbers") << QByteArray("seven") << QByteArray("3x") << 0 << 0;
        QTest::newRow("negative") << QByteArray("-2") << QByteArray("-1") << 0 << 0;
        QTest::newRow("beyond capacity") << QByteArray("12") << QByteArray("99") << 10 << 50;
        QTest::newRow("missing") << QByteArray() << QByteArray() << 0 << 0;
        QTest::newRow("huge") << QByteArray("99999999999999") << QByteArray("1e3") << 0 << 0;
    }
    void loadDescriptorCounts()
    {
        QFETCH(QByteArray, topics);
        QFETCH(QByteArray, papers);
        QFETCH(int, topicCount);
        QFETCH(int, paperCount);
        QByteArray names = "#TN1#";
        for (int t = 1; t <= 12; ++t)
            names += ">T" + QByteArray::number(t);
        writeItem(30000, "#NME#>C\r\n#COD#>X\r\n#LAH#>Maths\r\n#TT1#>" + topics + "\r\n#TP1#>" +
                             papers + "\r\n" + names + "\r\n");
        const std::optional<CourseDescriptor> course = LoadDescriptor(m_data.path());
        QVERIFY(course.has_value());
        QCOMPARE(course->subjects[0].topicCount, topicCount);
        QCOMPARE(course->subjects[0].paperCount, paperCount);
        QCOMPARE(course->subjects[0].topicNames.size(), topicCount);
    }

    void loadDescriptorWithoutItem()
    {
        removeItem(30000);
        const QString stale = descriptorTempPath(m_data.path());
        putBytes(stale, "#NME#>stale\r\n");
        QVERIFY(!LoadDescriptor(m_data.path()).has_value());
        QCOMPARE(fileBytes(stale), QByteArray("#NME#>stale\r\n")); // nothing deleted
    }

    // --- paper tables -------------------------------------------------------------------------

    void loadPaperTables()
    {
        writeSubject2Tables();
        const PaperLoad load = LoadPaperTables(m_data.path(), 2, 134);
        QVERIFY(load.ok());
        const PaperTables &t = load.tables;
        QCOMPARE(t.questionIds, (QStringList{"23998", "23999", "29001"}));
        QCOMPARE(t.blanksPerQuestion, (QList<int>{1, 2, 1}));
        QCOMPARE(t.answerKeys, (QStringList{"5/14", "2", "3", "1 2/3"}));
        QCOMPARE(t.answerTypes, (QStringList{"F", "N", "N", "X"}));
        QCOMPARE(t.blankMarks, (QStringList{"2", "1", "1", "2"}));
        QCOMPARE(t.totalMarks, 6);
        QCOMPARE(t.blankCount, 4);
        QVERIFY(!QFile::exists(tableTempPath(m_data.path())));

        // Keys verbatim: trailing space and the one-space group continuation.
        const PaperLoad first = LoadPaperTables(m_data.path(), 2, 101);
        QVERIFY(first.ok());
        QCOMPARE(first.tables.answerKeys, (QStringList{"creature ", "12", ";Air;Water", " "}));
        QCOMPARE(first.tables.totalMarks, 5);
    }

    void loadPaperTablesReportsFailedTable_data()
    {
        QTest::addColumn<int>("item");         // the item replaced, 0 for none
        QTest::addColumn<QByteArray>("bytes"); // its replacement, "<missing>" to remove it
        QTest::addColumn<int>("paper");
        QTest::addColumn<int>("failed");
        const int list = int(PaperTable::PaperList), key = int(PaperTable::AnswerKey),
                  types = int(PaperTable::AnswerTypes), marks = int(PaperTable::Marks);
        QTest::newRow("no paper list") << 30022 << QByteArray("<missing>") << 101 << list;
        QTest::newRow("paper not listed") << 0 << QByteArray() << 120 << list;
        QTest::newRow("paper without questions") << 0 << QByteArray() << 135 << list;
        QTest::newRow("question id not a number")
            << 30022 << QByteArray("#101#>23001>abc\r\n") << 101 << list;
        QTest::newRow("no answer key") << 30023 << QByteArray("<missing>") << 101 << key;
        QTest::newRow("question missing from answer key")
            << 30023 << QByteArray("#23001#>a>b\r\n#23003#>1\r\n") << 101 << key;
        QTest::newRow("question with 21 blanks")
            << 30023 << "#23003#" + QByteArray(21, '>') << 102 << key;
        QTest::newRow("no type table") << 30024 << QByteArray("<missing>") << 101 << types;
        QTest::newRow("types short of keys")
            << 30024 << QByteArray("#23001#>T\r\n#23002#>G>G\r\n") << 101 << types;
        QTest::newRow("types shifted between questions")
            << 30024 << QByteArray("#23001#>T\r\n#23002#>G>G>N\r\n") << 101 << types;
        QTest::newRow("no mark table") << 30025 << QByteArray("<missing>") << 101 << marks;
        QTest::newRow("mark not a number")
            << 30025 << QByteArray("#23001#>1>two\r\n#23002#>1>1\r\n") << 101 << marks;
        QTest::newRow("negative mark")
            << 30025 << QByteArray("#23001#>1>-2\r\n#23002#>1>1\r\n") << 101 << marks;
        QTest::newRow("empty mark")
            << 30025 << QByteArray("#23001#>1>\r\n#23002#>1>1\r\n") << 101 << marks;
        const int flags = int(PaperTable::AnswerFlags);
        QTest::newRow("flags short of keys")
            << 30026 << QByteArray("#23001#>C\r\n#23002#>>\r\n") << 101 << flags;
        QTest::newRow("flags shifted between questions")
            << 30026 << QByteArray("#23001#>C>>\r\n#23002#>\r\n") << 101 << flags;
    }
    void loadPaperTablesReportsFailedTable()
    {
        QFETCH(int, item);
        QFETCH(QByteArray, bytes);
        QFETCH(int, paper);
        QFETCH(int, failed);
        writeSubject2Tables();
        if (item != 0) {
            if (bytes == "<missing>")
                removeItem(item);
            else
                writeItem(item, bytes);
        }
        const PaperLoad load = LoadPaperTables(m_data.path(), 2, paper);
        QVERIFY(!load.ok());
        QCOMPARE(int(*load.failed), failed);
        QVERIFY(!QFile::exists(tableTempPath(m_data.path())));
    }

    void loadPaperTablesWithFlags()
    {
        writeSubject2Tables();
        // No flags table: every blank has none.
        PaperLoad load = LoadPaperTables(m_data.path(), 2, 101);
        QVERIFY(load.ok());
        QCOMPARE(load.tables.answerFlags, QStringList(4));

        // A question without a record has none; the others get theirs blank by blank.
        writeItem(30026, "...\r\n#23002#>C:2>\r\n#23999#>CS>SP\r\n...");
        load = LoadPaperTables(m_data.path(), 2, 101);
        QVERIFY(load.ok());
        QCOMPARE(load.tables.answerFlags, (QStringList{"", "", "C:2", ""}));
        load = LoadPaperTables(m_data.path(), 2, 134);
        QVERIFY(load.ok());
        QCOMPARE(load.tables.answerFlags, (QStringList{"", "CS", "SP", ""}));
        QVERIFY(!QFile::exists(tableTempPath(m_data.path())));
        removeItem(30026);
    }

    void loadPaperTablesOfTooManyBlanks()
    {
        // 5 questions of 17 blanks: each within the sheet, 85 in all beyond what a line holds.
        QByteArray list = "#101#", key, types, marks;
        for (int q = 1; q <= 5; ++q) {
            const QByteArray id = QByteArray::number(23000 + q);
            list += ">" + id;
            key += "#" + id + "#" + QByteArray(17, '>').replace(">", ">k") + "\r\n";
            types += "#" + id + "#" + QByteArray(17, '>').replace(">", ">T") + "\r\n";
            marks += "#" + id + "#" + QByteArray(17, '>').replace(">", ">1") + "\r\n";
        }
        writeItem(30022, list);
        writeItem(30023, key);
        writeItem(30024, types);
        writeItem(30025, marks);
        PaperLoad load = LoadPaperTables(m_data.path(), 2, 101);
        QCOMPARE(load.failed, std::optional<PaperTable>(PaperTable::AnswerKey));

        // Four of them (68 blanks) fit.
        writeItem(30022, list.left(list.lastIndexOf('>')));
        load = LoadPaperTables(m_data.path(), 2, 101);
        QVERIFY(load.ok());
        QCOMPARE(load.tables.blankCount, 68);
        QCOMPARE(load.tables.totalMarks, 68);
    }

    void paths()
    {
        QCOMPARE(questionFilePath("/d", "13001"), QStringLiteral("/d/temppaper13001.mht"));
        QCOMPARE(tableTempPath("/d"), QStringLiteral("/d/temptext.txt"));
        QCOMPARE(descriptorTempPath("/d"), QStringLiteral("/d/temptext30000.txt"));
        QCOMPARE(tableItem(1, PaperTable::PaperList), 30012);
        QCOMPARE(tableItem(3, PaperTable::Marks), 30035);
        QCOMPARE(tableItem(1, PaperTable::AnswerFlags), 30016);
    }
};

QTEST_GUILESS_MAIN(TestContent)
#include "tst_content.moc"

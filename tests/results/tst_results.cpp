#include "results/results.h"

#include "../common/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace results;

Q_DECLARE_METATYPE(results::ResultFile)

namespace {

using testfiles::fileBytes;
using testfiles::putBytes;

const QString kRight(QChar(0x00FC));
const QString kWrong(QChar(0x00FB));

// Subject 1 has eight papers (blanks 2, 1, 3, 1, 1, 1, 3, 1), subject 3 two; subject 2 is unnamed.
const QList<int> kBlanks1{2, 1, 3, 1, 1, 1, 3, 1};
const QList<int> kBlanks3{1, 1};
constexpr int kPapers1 = 8;

content::CourseDescriptor course()
{
    content::CourseDescriptor c;
    c.name = QStringLiteral("Test Course");
    c.code = QStringLiteral("TC");
    c.subjects[0].name = QStringLiteral("English");
    c.subjects[0].paperCount = kPapers1;
    c.subjects[2].name = QStringLiteral("Science");
    c.subjects[2].paperCount = 2;
    return c;
}

} // namespace

class TestResults : public QObject
{
    Q_OBJECT

    QTemporaryDir m_items;
    QTemporaryDir m_data;

    QString folder() const { return m_data.path(); }
    QString file(ResultFile f, int s = 1) const { return resultFilePath(folder(), f, s, "TC"); }
    void writeTemplates(int subject, const QList<int> &blanks)
    {
        for (ResultFile f : AllResultFiles)
            putBytes(m_items.filePath(QString::number(templateItem(f, subject))),
                     makeTemplate(f, blanks));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_items.isValid());
        QVERIFY(m_data.isValid());
        content::setItemRoot(m_items.path());
    }

    void init()
    {
        QDir(m_data.path()).removeRecursively();
        QDir().mkpath(m_data.path());
        writeTemplates(1, kBlanks1);
        writeTemplates(3, kBlanks3);
    }

    // --- names and templates ------------------------------------------------------------------

    void names_data()
    {
        QTest::addColumn<ResultFile>("file");
        QTest::addColumn<int>("subject");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("item");
        QTest::newRow("marks1") << ResultFile::Summary << 1 << "marks1TC.txt" << 30111;
        QTest::newRow("first1") << ResultFile::FirstAnswers << 1 << "first1TC.txt" << 30112;
        QTest::newRow("second2") << ResultFile::SecondAnswers << 2 << "second2TC.txt" << 30123;
        QTest::newRow("fresults2") << ResultFile::FirstResults << 2 << "fresults2TC.txt" << 30124;
        QTest::newRow("sresults3") << ResultFile::SecondResults << 3 << "sresults3TC.txt" << 30135;
        QTest::newRow("trend3") << ResultFile::Trend << 3 << "trend3TC.txt" << 30136;
    }
    void names()
    {
        QFETCH(ResultFile, file);
        QFETCH(int, subject);
        QFETCH(QString, name);
        QFETCH(int, item);
        QCOMPARE(resultFilePath("/data", file, subject, "TC"), "/data/" + name);
        QCOMPARE(templateItem(file, subject), item);
    }

    void templateBytes()
    {
        QCOMPARE(makeTemplate(ResultFile::Summary, {1, 1, 1}),
                 QByteArray("...\r\n#FSE#>>>\r\n#SSE#>>>\r\n#LTM#>>>\r\n#CDD#>>>\r\n#FST#>0>0>0\r\n"
                            "#SST#>0>0>0\r\n..."));
        QCOMPARE(makeTemplate(ResultFile::FirstResults, {2, 0, 1}),
                 QByteArray("...\r\n#101#>>\r\n#102#\r\n#103#>\r\n...\r\n"));
        QCOMPARE(makeTemplate(ResultFile::Trend, {1, 2}), QByteArray("#TRD#\r\n"));
    }

    // --- creation and reset -------------------------------------------------------------------

    void freshSubject()
    {
        QVERIFY(EnsureAllResultFiles(folder(), course()).isEmpty());
        const Summary summary = ReadSummary(file(ResultFile::Summary), kPapers1);
        for (int r = FSE; r <= SST; ++r) {
            const QString fresh = (r == FST || r == SST) ? "0" : "";
            QCOMPARE(summary.records[r], QStringList(kPapers1, fresh));
        }
        for (ResultFile f : {ResultFile::FirstAnswers, ResultFile::SecondAnswers,
                             ResultFile::FirstResults, ResultFile::SecondResults}) {
            for (int p = 0; p < kPapers1; ++p) {
                const TakeRecord take = ReadTakeRecord(file(f), kPapers1, 101 + p, kBlanks1[p]);
                QVERIFY(take.loaded);
                QCOMPARE(take.fields, QStringList(kBlanks1[p], QString()));
            }
        }
        QCOMPARE(ReadTrend(file(ResultFile::Trend)), QStringList{});
        QCOMPARE(records::ReadLine(file(ResultFile::Trend), "TRD"), QStringLiteral("#TRD#"));
        // The unnamed subject gets no files.
        QVERIFY(!QFile::exists(file(ResultFile::Summary, 2)));
        QCOMPARE(fileBytes(file(ResultFile::Summary, 3)),
                 makeTemplate(ResultFile::Summary, kBlanks3));
    }

    void ensureWritesOnlyMissingFiles_data()
    {
        QTest::addColumn<QList<ResultFile>>("present");
        QTest::newRow("none") << QList<ResultFile>{};
        QTest::newRow("only summary") << QList<ResultFile>{ResultFile::Summary};
        QTest::newRow("all but trend") << QList<ResultFile>{
            ResultFile::Summary, ResultFile::FirstAnswers, ResultFile::SecondAnswers,
            ResultFile::FirstResults, ResultFile::SecondResults};
        QTest::newRow("all") << QList<ResultFile>(AllResultFiles.begin(), AllResultFiles.end());
    }
    void ensureWritesOnlyMissingFiles()
    {
        QFETCH(QList<ResultFile>, present);
        for (ResultFile f : present)
            putBytes(file(f), "kept " + baseName(f).toLatin1());
        putBytes(file(ResultFile::Summary, 3), "subject 3 kept");
        QCOMPARE(EnsureResultFiles(folder(), 1, "TC"), QList<ResultFile>{});
        for (ResultFile f : AllResultFiles) {
            const QByteArray expected =
                present.contains(f) ? "kept " + baseName(f).toLatin1() : makeTemplate(f, kBlanks1);
            QCOMPARE(fileBytes(file(f)), expected);
        }
        QCOMPARE(fileBytes(file(ResultFile::Summary, 3)), QByteArray("subject 3 kept"));
    }

    void ensureReportsTemplatesThatCannotBeWritten()
    {
        QFile::remove(m_items.filePath("30113"));
        QFile::remove(m_items.filePath("30136"));
        putBytes(file(ResultFile::SecondAnswers), "kept"); // exists: its template is not needed
        QCOMPARE(EnsureResultFiles(folder(), 1, "TC"), QList<ResultFile>{});
        QFile::remove(file(ResultFile::SecondAnswers));
        QCOMPARE(EnsureResultFiles(folder(), 1, "TC"),
                 QList<ResultFile>{ResultFile::SecondAnswers});
        QCOMPARE(EnsureAllResultFiles(folder(), course()),
                 (QList<FileRef>{{1, ResultFile::SecondAnswers}, {3, ResultFile::Trend}}));
        QVERIFY(!QFile::exists(file(ResultFile::SecondAnswers)));
    }

    void resetRewritesEveryNamedSubject()
    {
        for (ResultFile f : AllResultFiles) {
            putBytes(file(f, 1), "old results");
            putBytes(file(f, 3), "old results");
        }
        putBytes(file(ResultFile::Summary, 2), "not a subject");
        QFile::remove(m_items.filePath("30135"));
        const QList<FileRef> failed = ResetResults(folder(), course());
        QCOMPARE(failed, (QList<FileRef>{{3, ResultFile::SecondResults}}));
        for (ResultFile f : AllResultFiles) {
            QCOMPARE(fileBytes(file(f, 1)), makeTemplate(f, kBlanks1));
            QCOMPARE(fileBytes(file(f, 3)), f == ResultFile::SecondResults
                                                ? QByteArray("old results")
                                                : makeTemplate(f, kBlanks3));
        }
        QCOMPARE(fileBytes(file(ResultFile::Summary, 2)), QByteArray("not a subject"));
    }

    // --- a first take, a second take ----------------------------------------------------------

    void firstSaveLeavesExactlyThePaperLines()
    {
        QVERIFY(EnsureResultFiles(folder(), 1, "TC").isEmpty());
        const QString answers = file(ResultFile::FirstAnswers);
        TakeRecord take = ReadTakeRecord(answers, kPapers1, 103, 3);
        take.fields = QStringList{"cat", "", "1 2/3"};
        QVERIFY(SaveTakeRecord(take, 103, kPapers1, 3, answers));
        QCOMPARE(fileBytes(answers), QByteArray("#101#>>\r\n#102#>\r\n#103#>cat>>1 2/3\r\n"
                                                "#104#>\r\n#105#>\r\n#106#>\r\n#107#>>>\r\n"
                                                "#108#>\r\n"));
        QCOMPARE(ReadTakeRecord(answers, kPapers1, 103, 3).fields, take.fields);
    }

    void markingFirstTakeOfPaper107()
    {
        QVERIFY(EnsureResultFiles(folder(), 1, "TC").isEmpty());
        const QString summaryPath = file(ResultFile::Summary);
        // Paper 102 was marked before.
        Summary summary = ReadSummary(summaryPath, kPapers1);
        QVERIFY(setFirstTake(summary, 102, kPapers1, "100", "0:2:0", "1/2/24"));
        QVERIFY(SaveSummary(summaryPath, summary, kPapers1));
        QVERIFY(AppendTrend(file(ResultFile::Trend), "100"));

        // Outcomes of 107: right, wrong, not judged.
        const QString outcomes = file(ResultFile::FirstResults);
        TakeRecord result = ReadTakeRecord(outcomes, kPapers1, 107, 3);
        result.fields = QStringList{kRight, kWrong, QString()};
        QVERIFY(SaveTakeRecord(result, 107, kPapers1, 3, outcomes));
        QVERIFY(fileBytes(outcomes).contains("\r\n#107#>\xfc>\xfb>\r\n"));

        summary = ReadSummary(summaryPath, kPapers1);
        QVERIFY(setFirstTake(summary, 107, kPapers1, "66.7", "0:7:5", "3/1/24"));
        QVERIFY(SaveSummary(summaryPath, summary, kPapers1));
        QVERIFY(AppendTrend(file(ResultFile::Trend), "66.7"));

        QCOMPARE(fileBytes(summaryPath),
                 QByteArray("#FSE#>>100>>>>>66.7>\r\n#SSE#>>>>>>>>\r\n#LTM#>>0:2:0>>>>>0:7:5>\r\n"
                            "#CDD#>>1/2/24>>>>>3/1/24>\r\n#FST#>0>1>0>0>0>0>1>0\r\n"
                            "#SST#>0>0>0>0>0>0>0>0\r\n"));
        QCOMPARE(fileBytes(file(ResultFile::Trend)), QByteArray("#TRD#>100>66.7\r\n"));
        QCOMPARE(ReadTrend(file(ResultFile::Trend)), (QStringList{"100", "66.7"}));
        QCOMPARE(ReadSummary(summaryPath, kPapers1).field(FSE, 107), QStringLiteral("66.7"));

        // The second take of 107 changes SSE and SST only; the trend stays.
        const QByteArray trendBefore = fileBytes(file(ResultFile::Trend));
        summary = ReadSummary(summaryPath, kPapers1);
        QVERIFY(setSecondTake(summary, 107, kPapers1, "75"));
        QVERIFY(SaveSummary(summaryPath, summary, kPapers1));
        QCOMPARE(fileBytes(summaryPath),
                 QByteArray("#FSE#>>100>>>>>66.7>\r\n#SSE#>>>>>>>75>\r\n#LTM#>>0:2:0>>>>>0:7:5>\r\n"
                            "#CDD#>>1/2/24>>>>>3/1/24>\r\n#FST#>0>1>0>0>0>0>1>0\r\n"
                            "#SST#>0>0>0>0>0>0>1>0\r\n"));
        QCOMPARE(fileBytes(file(ResultFile::Trend)), trendBefore);
    }

    void summaryUpdatesOutOfRange()
    {
        Summary summary; // nothing read: records are padded with their fresh values
        QVERIFY(!setFirstTake(summary, 100, 3, "1", "0:0:1", "d"));
        QVERIFY(!setFirstTake(summary, 104, 3, "1", "0:0:1", "d"));
        QVERIFY(!setSecondTake(summary, 0, 3, "1"));
        QVERIFY(summary.records[FSE].isEmpty());
        QVERIFY(setSecondTake(summary, 103, 3, "50"));
        QCOMPARE(summary[SSE], (QStringList{"", "", "50"}));
        QCOMPARE(summary[FST], (QStringList{"0", "0", "0"}));
        QCOMPARE(summary[SST], (QStringList{"0", "0", "1"}));
        QCOMPARE(summary.field(SST, 104), QString());
    }

    void takeRecordOfDamagedFiles()
    {
        const QString p = file(ResultFile::FirstAnswers);
        // Record 102 missing: 103 still found; a paper out of range reads empty.
        putBytes(p, "#101#>a\r\n#103#>c>d\r\n");
        QCOMPARE(ReadTakeRecord(p, 3, 103, 2).fields, (QStringList{"c", "d"}));
        QCOMPARE(ReadTakeRecord(p, 3, 102, 2).fields, (QStringList{"", ""}));
        QCOMPARE(ReadTakeRecord(p, 3, 104, 2).fields, (QStringList{"", ""}));
        // Saving 102 restores a record there and keeps 101 and 103.
        TakeRecord take = ReadTakeRecord(p, 3, 102, 1);
        take.fields = QStringList{"b"};
        QVERIFY(SaveTakeRecord(take, 102, 3, 1, p));
        QCOMPARE(fileBytes(p), QByteArray("#101#>a\r\n#102#>b\r\n#103#>c>d\r\n"));
        // A file that is missing reads empty and is created by the first save.
        const QString fresh = file(ResultFile::SecondAnswers);
        take = ReadTakeRecord(fresh, 2, 101, 1);
        QVERIFY(!take.loaded);
        take.fields = QStringList{"x"};
        QVERIFY(SaveTakeRecord(take, 101, 2, 1, fresh));
        // Every paper gets a record with its key, never a blank line.
        QCOMPARE(fileBytes(fresh), QByteArray("#101#>x\r\n#102#\r\n"));
    }

    // Each record is found by its key; whatever a rewrite would drop makes the file damaged,
    // and a damaged file is copied aside once, before its first rewrite.
    void damagedFilesAreCopiedAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<QByteArray>("written"); // after saving "n" as paper 102's answer
        const QByteArray good = "#101#>a>b\r\n#102#>n\r\n#103#>c>>\r\n";
        QTest::newRow("template with fillers")
            << QByteArray("...\r\n#101#>a>b\r\n#102#>\r\n#103#>c>>\r\n...") << false << good;
        QTest::newRow("out of order")
            << QByteArray("#103#>c>>\r\n#102#>x\r\n#101#>a>b\r\n") << false << good;
        QTest::newRow("binary garbage")
            << QByteArray("#101#>a>b\r\n\x01\xfe\xff\x7f\r\n#102#>\r\n#103#>c>>\r\n") << true
            << good;
        QTest::newRow("record lost: fresh record from the template")
            << QByteArray("#101#>a>b\r\n#102#>\r\n") << true
            << QByteArray("#101#>a>b\r\n#102#>n\r\n#103#>>>\r\n");
        QTest::newRow("junk before a marker")
            << QByteArray("#101#>a>b\r\nxx#103#>c>>\r\n") << true << good;
        QTest::newRow("record twice")
            << QByteArray("#101#>a>b\r\n#103#>c>>\r\n#101#>z\r\n") << true << good;
        QTest::newRow("paper beyond the count")
            << QByteArray("#101#>a>b\r\n#103#>c>>\r\n#104#>d\r\n") << true << good;
        QTest::newRow("two records on one line")
            << QByteArray("#101#>a>b#102#>x\r\n#103#>c>>\r\n") << true << good;
        QTest::newRow("an unknown record run on")
            << QByteArray("#101#>a>b#999#>x\r\n#102#>\r\n#103#>c>>\r\n") << true << good;
    }
    void damagedFilesAreCopiedAside()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, damaged);
        QFETCH(QByteArray, written);
        const QString p = file(ResultFile::FirstAnswers);
        putBytes(p, bytes);
        const QStringList fresh = freshPaperLines(templateItem(ResultFile::FirstAnswers, 1), 3);
        QCOMPARE(fresh, (QStringList{"#101#>>", "#102#>", "#103#>>>"}));
        TakeRecord take = ReadTakeRecord(p, 3, 102, 1);
        QCOMPARE(take.damaged, damaged);
        take.fields = QStringList{"n"};
        const records::SaveResult saved = SaveTakeRecord(take, 102, 3, 1, p, fresh);
        QVERIFY2(saved, qPrintable(saved.error));
        QCOMPARE(fileBytes(p), written);
        const QDate today = QDate::currentDate();
        const QString copy = folder() + "/first1TC-damaged-" + today.toString(Qt::ISODate) + ".txt";
        QCOMPARE(saved.keptCopy, damaged ? copy : QString());
        QCOMPARE(fileBytes(copy), damaged ? bytes : QByteArray("<missing>"));
        // The rewritten file is sound: the next save keeps no further copy.
        take.fields = QStringList{"m"};
        const records::SaveResult again = SaveTakeRecord(take, 102, 3, 1, p, fresh);
        QVERIFY(again);
        QVERIFY(again.keptCopy.isEmpty());
        QCOMPARE(QDir(folder()).entryList({"*damaged*"}).size(), damaged ? 1 : 0);
    }

    void summaryAndTrendDamage_data()
    {
        QTest::addColumn<QByteArray>("summary");
        QTest::addColumn<QByteArray>("trend");
        QTest::addColumn<bool>("summaryDamaged");
        QTest::addColumn<bool>("trendDamaged");
        const QByteArray summary = makeTemplate(ResultFile::Summary, QList<int>(3, 1));
        QTest::newRow("sound") << summary << QByteArray("#TRD#>50\r\n") << false << false;
        QTest::newRow("record missing, trend garbage")
            << QByteArray(summary).replace("#SSE#>>>\r\n", "") << QByteArray("#TRD#>50\r\n\xff\r\n")
            << true << true;
        QTest::newRow("more papers, no trend record")
            << makeTemplate(ResultFile::Summary, QList<int>(4, 1)) << QByteArray("\r\n") << true
            << true;
    }
    void summaryAndTrendDamage()
    {
        QFETCH(QByteArray, summary);
        QFETCH(QByteArray, trend);
        QFETCH(bool, summaryDamaged);
        QFETCH(bool, trendDamaged);
        putBytes(file(ResultFile::Summary), summary);
        putBytes(file(ResultFile::Trend), trend);
        const Summary read = ReadSummary(file(ResultFile::Summary), 3);
        QCOMPARE(read.damaged, summaryDamaged);
        const records::SaveResult s = SaveSummary(file(ResultFile::Summary), read, 3);
        QVERIFY(s);
        QCOMPARE(!s.keptCopy.isEmpty(), summaryDamaged);
        const records::SaveResult t = AppendTrend(file(ResultFile::Trend), "75");
        QVERIFY(t);
        QCOMPARE(!t.keptCopy.isEmpty(), trendDamaged);
        QCOMPARE(ReadTrend(file(ResultFile::Trend)).last(), QStringLiteral("75"));
    }

    void startUpRecovery()
    {
        // A mark cut short by a crash, and the temporaries a crash leaves behind.
        const QString marks = file(ResultFile::Summary), trend = file(ResultFile::Trend);
        putBytes(marks, "old");
        putBytes(trend, "old");
        QByteArray journal;
        QVERIFY(records::composeJournal(journalPath(folder()),
                                        {{marks, "new marks"}, {trend, "new"}}, journal));
        putBytes(journalPath(folder()), journal);
        const QStringList stale{
            "marks1TC.txt.part-k3j2",  "temptext.txt",
            "temptext30000.txt",       "temppaper13001.mht",
            "marking.journal.part-zz", "sresults3TC-damaged-2026-01-02.txt.part-1"};
        const QStringList kept{"first1TC-damaged-2026-01-02.txt", "larkspur.lock", "notes.txt"};
        // They look like temporaries, but the program never makes these names.
        const QStringList lookalikes{"first1TC.txt.Ab12Cd", "marks1TC.txt.backup",
                                     "notes.txt.before",    "essay.part-1.txt",
                                     "temppaper.mht",       "marks1XY.txt.part-k3j2",
                                     "marks4TC.txt.part-a", "trend1TC.txt.part-ABC"};
        for (const QString &name : stale + kept + lookalikes)
            putBytes(folder() + u'/' + name, name.toUtf8());
        const Recovery r = RecoverDataFolder(folder(), "TC");
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY(r.replayed);
        QCOMPARE(r.removedTemporaries, int(stale.size()));
        QCOMPARE(r.movedLeftovers, int(lookalikes.size()));
        QCOMPARE(fileBytes(marks), QByteArray("new marks"));
        QCOMPARE(fileBytes(trend), QByteArray("new"));
        QStringList left = QDir(folder()).entryList(QDir::Files);
        left.sort();
        QStringList expected = kept + QStringList{"marks1TC.txt", "trend1TC.txt"};
        expected.sort();
        QCOMPARE(left, expected);
        for (const QString &name : lookalikes)
            QCOMPARE(fileBytes(leftoversFolderPath(folder()) + u'/' + name), name.toUtf8());
        // Nothing pending: a second start changes nothing; a lookalike of the same name later
        // does not replace the first.
        putBytes(folder() + "/notes.txt.before", "second");
        const Recovery again = RecoverDataFolder(folder(), "TC");
        QVERIFY(again.ok && !again.replayed && again.removedTemporaries == 0);
        QCOMPARE(fileBytes(leftoversFolderPath(folder()) + "/notes.txt.before"),
                 QByteArray("notes.txt.before"));
        QCOMPARE(fileBytes(leftoversFolderPath(folder()) + "/notes.txt.before-2"),
                 QByteArray("second"));
    }

    void unfinishedMarkNamesTheFile()
    {
        // A result file replaced by a folder: the mark stays pending and start-up says which.
        const QString marks = file(ResultFile::Summary), trend = file(ResultFile::Trend);
        QByteArray journal;
        QVERIFY(
            records::composeJournal(journalPath(folder()), {{marks, "m"}, {trend, "t"}}, journal));
        putBytes(journalPath(folder()), journal);
        QVERIFY(QDir(folder()).mkdir(QFileInfo(trend).fileName()));
        const Recovery r = RecoverDataFolder(folder(), "TC");
        QVERIFY(!r.ok);
        QCOMPARE(r.failedPath, trend);
        QVERIFY(QFile::exists(journalPath(folder())));
    }

    void twoRecordsOnOneLine()
    {
        // A lost line break: paper 102 reads its own answers, is saved, and the line is split.
        const QString p = file(ResultFile::FirstAnswers);
        putBytes(p, "#101#>a>b#102#>c>d\r\n");
        TakeRecord take = ReadTakeRecord(p, 2, 102, 2);
        QVERIFY(take.damaged);
        QCOMPARE(take.fields, (QStringList{"c", "d"}));
        take.fields = QStringList{"c", "e"};
        const records::SaveResult saved = SaveTakeRecord(take, 102, 2, 2, p);
        QVERIFY2(saved, qPrintable(saved.error));
        QCOMPARE(fileBytes(saved.keptCopy), QByteArray("#101#>a>b#102#>c>d\r\n"));
        QCOMPARE(fileBytes(p), QByteArray("#101#>a>b\r\n#102#>c>e\r\n"));
        QCOMPARE(ReadTakeRecord(p, 2, 101, 2).fields, (QStringList{"a", "b"}));

        // The summary's first two records run together: each reads where it belongs, and a
        // mark can be written.
        const QString m = file(ResultFile::Summary);
        putBytes(m, "#FSE#>75>#SSE#>>\r\n#LTM#>0:1:2>\r\n#CDD#>d>\r\n#FST#>1>0\r\n#SST#>0>0\r\n");
        Summary s = ReadSummary(m, 2);
        QVERIFY(s.damaged);
        QCOMPARE(s[FSE], (QStringList{"75", ""}));
        QCOMPARE(s[SSE], (QStringList{"", ""}));
        QVERIFY(setFirstTake(s, 102, 2, "50", "0:0:9", "e"));
        const records::SaveResult marked = SaveSummary(m, s, 2);
        QVERIFY2(marked, qPrintable(marked.error));
        QVERIFY(!marked.keptCopy.isEmpty());
        QCOMPARE(ReadSummary(m, 2)[FSE], (QStringList{"75", "50"}));
        QCOMPARE(ReadSummary(m, 2)[FST], (QStringList{"1", "1"}));
    }

    void summaryCutShortKeepsMarkedPapers()
    {
        // Cut before FST and SST: papers with a score read as marked, the others do not.
        const QString m = file(ResultFile::Summary);
        putBytes(m, "#FSE#>80>>60\r\n#SSE#>90>>\r\n#LTM#>0:1:0>>0:2:0\r\n#CDD#>d1>>d3\r\n#FS");
        const Summary s = ReadSummary(m, 3);
        QVERIFY(s.damaged);
        QCOMPARE(s[FST], (QStringList{"1", "", "1"}));
        QCOMPARE(s[SST], (QStringList{"1", "", ""}));
        // A stored status is never changed.
        putBytes(
            m, "#FSE#>80>>60\r\n#SSE#>>>\r\n#LTM#>>>\r\n#CDD#>>>\r\n#FST#>0>0\r\n#SST#>0>0>0\r\n");
        QCOMPARE(ReadSummary(m, 3)[FST], (QStringList{"0", "0", "1"}));
    }

    void outcomesHoldOnlyTicksAndCrosses_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("damaged");
        QTest::newRow("ticks, crosses, empty")
            << QByteArray("#101#>\xfc>\xfb>\r\n#102#>\r\n") << false;
        QTest::newRow("tick re-encoded as UTF-8")
            << QByteArray("#101#>\xc3\xbc>\xfb>\r\n#102#>\r\n") << true;
        QTest::newRow("a letter") << QByteArray("#101#>\xfc>\xfb>x\r\n#102#>\r\n") << true;
        QTest::newRow("two ticks in one field")
            << QByteArray("#101#>\xfc\xfc\r\n#102#>\r\n") << true;
    }
    void outcomesHoldOnlyTicksAndCrosses()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, damaged);
        const QString p = file(ResultFile::FirstResults);
        putBytes(p, bytes);
        QCOMPARE(ReadTakeRecord(p, 2, 101, 3, FileShape::Outcomes).damaged, damaged);
        // As an answer file the same bytes are sound: answers may hold any text.
        QVERIFY(!ReadTakeRecord(p, 2, 101, 3).damaged);
    }

    void surplusFieldsAreDropped()
    {
        // A template record of 30 fields for a paper of 20 blanks.
        const QString p = file(ResultFile::FirstAnswers);
        putBytes(p, "...\r\n#101#" + QByteArray(30, '>') + "\r\n...");
        TakeRecord take = ReadTakeRecord(p, 1, 101, 20);
        QCOMPARE(take.fields, QStringList(20, QString()));
        take.fields[19] = QStringLiteral("last");
        QVERIFY(SaveTakeRecord(take, 101, 1, 20, p));
        QCOMPARE(fileBytes(p), "#101#" + QByteArray(19, '>') + ">last\r\n");

        // A summary written for more papers than the subject now has.
        const QString s = file(ResultFile::Summary);
        putBytes(s, makeTemplate(ResultFile::Summary, QList<int>(5, 1)));
        Summary summary = ReadSummary(s, 3);
        QCOMPARE(summary[FST], (QStringList{"0", "0", "0"}));
        QVERIFY(setFirstTake(summary, 103, 3, "50", "0:1:0", "d"));
        QVERIFY(SaveSummary(s, summary, 3));
        QCOMPARE(records::ReadFields(s, "FST", 4), (QStringList{"0", "0", "1", ""}));
    }

    void unreadableFilesAreNotOverwritten()
    {
        // A folder where the file should be: it exists but cannot be read as a file.
        const QString answers = file(ResultFile::FirstAnswers);
        QVERIFY(QDir().mkpath(answers));
        TakeRecord take = ReadTakeRecord(answers, 3, 101, 1);
        QVERIFY(!take.loaded);
        take.fields = QStringList{"x"};
        QVERIFY(!SaveTakeRecord(take, 101, 3, 1, answers));
        QVERIFY(QFileInfo(answers).isDir());

        const QString trend = file(ResultFile::Trend);
        QVERIFY(QDir().mkpath(trend));
        const records::SaveResult saved = AppendTrend(trend, "50");
        QVERIFY(!saved);
        QVERIFY(!saved.error.isEmpty());
    }

    void trendAppends_data()
    {
        QTest::addColumn<QByteArray>("before"); // "<missing>" for no file
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("fresh") << QByteArray("#TRD#\r\n") << "88.8" << QByteArray("#TRD#>88.8\r\n");
        QTest::newRow("missing file")
            << QByteArray("<missing>") << "0" << QByteArray("#TRD#>0\r\n");
        QTest::newRow("LF file") << QByteArray("#TRD#>1\n") << "2" << QByteArray("#TRD#>1>2\r\n");
        QTest::newRow("junk around the record")
            << QByteArray("...\r\nxx#TRD#>1>2\r\n...") << "3" << QByteArray("#TRD#>1>2>3\r\n");
        QTest::newRow("refused text")
            << QByteArray("#TRD#>1\r\n") << "5>0" << QByteArray("#TRD#>1\r\n");
    }
    void trendAppends()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, percent);
        QFETCH(QByteArray, after);
        const QString p = file(ResultFile::Trend);
        if (before != "<missing>")
            putBytes(p, before);
        const bool ok = AppendTrend(p, percent).ok;
        QCOMPARE(ok, before == after ? false : true);
        QCOMPARE(fileBytes(p), after);
    }

    void longTrendReadsWhole()
    {
        const QString p = file(ResultFile::Trend);
        for (int i = 1; i <= 55; ++i)
            QVERIFY(AppendTrend(p, QString::number(i)));
        const QStringList trend = ReadTrend(p);
        QCOMPARE(trend.size(), 55);
        QCOMPARE(trend.last(), QStringLiteral("55"));
    }

    // --- texts --------------------------------------------------------------------------------

    void elapsed_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "0:0:0";
        QTest::newRow("7 min 5 s") << qint64(425) << "0:7:5";
        QTest::newRow("one hour") << qint64(3600) << "1:0:0";
        QTest::newRow("59:59") << qint64(3599) << "0:59:59";
        QTest::newRow("past a day") << qint64(90061) << "25:1:1";
        QTest::newRow("negative") << qint64(-5) << "0:0:0";
    }
    void elapsed()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(elapsedText(seconds), text);
    }

    void shortDate_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_US") << "en_US"
                               << "3/1/24";
        QTest::newRow("de_DE") << "de_DE"
                               << "01.03.24";
        QTest::newRow("Arabic digits fall back") << "ar_EG"
                                                 << "2024-03-01";
        QTest::newRow("Persian digits fall back") << "fa_IR"
                                                  << "2024-03-01";
    }
    void shortDate()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QCOMPARE(shortDateText(QDate(2024, 3, 1), QLocale(locale)), text);
        QVERIFY(shortDateText(QDate()).isEmpty());
        QVERIFY(records::fieldCanHold(shortDateText(QDate::currentDate())));
    }
};

QTEST_GUILESS_MAIN(TestResults)
#include "tst_results.moc"

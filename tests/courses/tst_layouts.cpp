// Results across a course update: papers whose blank layout changed have their records moved to
// a dated archive once, unchanged papers keep theirs, papers added at the end start fresh, and
// results stored before fingerprints existed are judged by the shape of their own records.

#include "courses/layouts.h"
#include "results/results.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

using results::ResultFile;
using Layout = QList<QStringList>; // per paper, the answer types of its blanks (one question each)

const QString Code = QStringLiteral("UPD");

// Serves a one-subject course of the given layout: a paper list and a type table, which is
// all the layouts are read from.
content::CourseDescriptor serve(const Layout &papers)
{
    QByteArray list = "...\r\n", types = "...\r\n";
    for (qsizetype p = 0; p < papers.size(); ++p) {
        const QByteArray id = QByteArray::number(12001 + p);
        list += "#" + QByteArray::number(101 + p) + "#>" + id + "\r\n";
        types += "#" + id + "#>" + papers[p].join(u'>').toLatin1() + "\r\n";
    }
    auto items = std::make_shared<QMap<int, QByteArray>>();
    items->insert(content::tableItem(1, content::PaperTable::PaperList), list + "...\r\n");
    items->insert(content::tableItem(1, content::PaperTable::AnswerTypes), types + "...\r\n");
    QList<int> blanks;
    for (const QStringList &paper : papers)
        blanks.append(int(paper.size()));
    for (ResultFile f : results::AllResultFiles)
        items->insert(results::templateItem(f, 1), results::makeTemplate(f, blanks));
    content::setCourseItems(items);
    content::CourseDescriptor course;
    course.name = QStringLiteral("Update Course");
    course.code = Code;
    course.subjects[0].name = QStringLiteral("Science");
    course.subjects[0].paperCount = int(papers.size());
    course.subjects[0].topicCount = int(papers.size()) / 5;
    return course;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

class LayoutsTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { content::setCourseItems(nullptr); }
    void update_data();
    void update();
    void damagedFilesAreLeftAlone();
    void fingerprintsFollowTypesNotIds();

private:
    QString path(const QTemporaryDir &dir, ResultFile f) const
    {
        return results::resultFilePath(dir.path(), f, 1, Code);
    }
};

void LayoutsTest::update_data()
{
    QTest::addColumn<Layout>("before");
    QTest::addColumn<Layout>("after");
    QTest::addColumn<bool>("fingerprinted"); // the results were stored with fingerprints
    QTest::addColumn<QList<int>>("archived");
    QTest::addColumn<QList<int>>("kept"); // marked papers that keep their results

    const QStringList t2{"T", "T"}, t3{"T", "T", "N"}, n2{"N", "N"}, q1{"Q"};
    const Layout five{t2, t2, q1, t2, q1};
    Layout changed = five;
    changed[0] = t3; // paper 101 gains a blank
    Layout retyped = five;
    retyped[1] = n2; // paper 102 keeps two blanks of other types
    Layout grown = five;
    grown << t2 << t2 << q1 << q1 << t2; // a topic added at the end
    Layout both = changed;
    both << t2 << t2 << q1 << q1 << t2;

    QTest::newRow("unchanged") << five << five << true << QList<int>{} << QList<int>{101, 102};
    QTest::newRow("blanks added") << five << changed << true << QList<int>{101} << QList<int>{102};
    QTest::newRow("types changed") << five << retyped << true << QList<int>{102} << QList<int>{101};
    QTest::newRow("topic added") << five << grown << true << QList<int>{} << QList<int>{101, 102};
    QTest::newRow("blanks and topic") << five << both << true << QList<int>{101} << QList<int>{102};
    QTest::newRow("topic dropped")
        << grown << five << true << QList<int>{106} << QList<int>{101, 102};
    // Stored before fingerprints: the number of fields of the stored records tells.
    QTest::newRow("old results, blanks added")
        << five << changed << false << QList<int>{101} << QList<int>{102};
    QTest::newRow("old results, same count")
        << five << retyped << false << QList<int>{} << QList<int>{101, 102};
    QTest::newRow("old results, unchanged")
        << five << five << false << QList<int>{} << QList<int>{101, 102};
}

void LayoutsTest::update()
{
    QFETCH(Layout, before);
    QFETCH(Layout, after);
    QFETCH(bool, fingerprinted);
    QFETCH(QList<int>, archived);
    QFETCH(QList<int>, kept);
    QTemporaryDir dir;
    const QDate today(2026, 12, 9);

    // The earlier course: fresh files, papers 101 and 102 answered and marked (and 106 when the
    // course has it); paper 103 answered but not marked.
    content::CourseDescriptor course = serve(before);
    QVERIFY(results::EnsureAllResultFiles(dir.path(), course).isEmpty());
    const QString layouts = courses::layoutFilePath(dir.path(), 1, Code);
    QVERIFY(courses::keepResultsAcrossUpdate(dir.path(), course, today).archived.isEmpty());
    QCOMPARE(QFile::exists(layouts), true);
    if (!fingerprinted)
        QVERIFY(QFile::remove(layouts));
    const int P = int(before.size());
    QList<int> marked{101, 102};
    if (P >= 6)
        marked << 106;
    results::Summary summary = results::ReadSummary(path(dir, ResultFile::Summary), P);
    for (int paper : marked) {
        const int blanks = int(before[paper - 101].size());
        QStringList answers, outcomes;
        for (int b = 0; b < blanks; ++b) {
            answers << QStringLiteral("a%1").arg(b);
            outcomes << QStringLiteral("\u00fc");
        }
        for (auto [file, fields] : {std::pair{ResultFile::FirstAnswers, answers},
                                    std::pair{ResultFile::FirstResults, outcomes}}) {
            results::TakeRecord r = results::ReadTakeRecord(path(dir, file), P, paper, blanks);
            QVERIFY(!r.damaged);
            r.fields = fields;
            QVERIFY(results::SaveTakeRecord(r, paper, P, blanks, path(dir, file)).ok);
        }
        QVERIFY(results::setFirstTake(summary, paper, P, QStringLiteral("100"),
                                      QStringLiteral("0:1:2"), QStringLiteral("2026-12-01")));
    }
    QVERIFY(results::SaveSummary(path(dir, ResultFile::Summary), summary, P).ok);
    {
        results::TakeRecord r = results::ReadTakeRecord(path(dir, ResultFile::FirstAnswers), P, 103,
                                                        int(before[2].size()));
        r.fields = QStringList{QStringLiteral("3")};
        QVERIFY(results::SaveTakeRecord(r, 103, P, 1, path(dir, ResultFile::FirstAnswers)).ok);
    }
    const QByteArray trend = readAll(path(dir, ResultFile::Trend));

    // The update.
    course = serve(after);
    const int N = int(after.size());
    const courses::UpdateOutcome outcome =
        courses::keepResultsAcrossUpdate(dir.path(), course, today);
    QVERIFY2(outcome.errors.isEmpty(), qPrintable(outcome.errors.join(u'\n')));
    if (archived.isEmpty()) {
        QVERIFY(outcome.archived.isEmpty());
        QVERIFY(!QDir(courses::archiveFolderPath(dir.path())).exists());
    } else {
        QCOMPARE(outcome.archived.size(), 1);
        QCOMPARE(outcome.archived[0].papers, archived);
        QCOMPARE(outcome.archived[0].subjectName, QStringLiteral("Science"));
        QCOMPARE(outcome.archived[0].archivePath,
                 courses::archiveFolderPath(dir.path()) +
                     QStringLiteral("/results1UPD-2026-12-09.txt"));
        const QByteArray archive = readAll(outcome.archived[0].archivePath);
        for (int paper : archived) {
            QVERIFY(archive.contains("#first" + QByteArray::number(paper) + "#>a0"));
            QVERIFY(archive.contains("#fresults" + QByteArray::number(paper) + "#>\xfc"));
            QVERIFY(archive.contains("#marks" + QByteArray::number(paper) + "#>100>>0:1:2>"));
        }
    }

    // Every file in the new shape and sound: nothing for the damaged-file handling to take.
    const results::Summary now = results::ReadSummary(path(dir, ResultFile::Summary), N);
    QVERIFY(!now.damaged);
    for (int paper = 101; paper <= 100 + N; ++paper) {
        const int blanks = int(after[paper - 101].size());
        const results::TakeRecord answers =
            results::ReadTakeRecord(path(dir, ResultFile::FirstAnswers), N, paper, blanks);
        const results::TakeRecord outcomes =
            results::ReadTakeRecord(path(dir, ResultFile::FirstResults), N, paper, blanks);
        QVERIFY(!answers.damaged && !outcomes.damaged);
        const bool keeps = kept.contains(paper);
        QCOMPARE(now.field(results::FST, paper), keeps ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(answers.fields.value(0), keeps          ? QStringLiteral("a0")
                                          : paper == 103 ? QStringLiteral("3")
                                                         : QString());
        QCOMPARE(outcomes.fields.value(0), keeps ? QStringLiteral("\u00fc") : QString());
        if (archived.contains(paper))
            QVERIFY(std::all_of(answers.fields.begin(), answers.fields.end(),
                                [](const QString &f) { return f.isEmpty(); }));
    }
    QCOMPARE(readAll(path(dir, ResultFile::Trend)), trend); // scores of takes that happened
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
        QVERIFY2(!name.contains(QStringLiteral("-damaged-")), qPrintable(name));

    // Once: the next start finds nothing to do and changes nothing.
    QByteArray before1 = readAll(path(dir, ResultFile::FirstAnswers));
    const courses::UpdateOutcome again =
        courses::keepResultsAcrossUpdate(dir.path(), course, today);
    QVERIFY(again.archived.isEmpty() && again.errors.isEmpty());
    QCOMPARE(readAll(path(dir, ResultFile::FirstAnswers)), before1);
}

void LayoutsTest::damagedFilesAreLeftAlone()
{
    QTemporaryDir dir;
    const QStringList t2{"T", "T"};
    content::CourseDescriptor course = serve({t2, t2, t2, t2, t2});
    QVERIFY(results::EnsureAllResultFiles(dir.path(), course).isEmpty());
    const QByteArray garbage = readAll(path(dir, ResultFile::FirstAnswers)) + "garbage\r\n";
    write(path(dir, ResultFile::FirstAnswers), garbage);
    course = serve({{"T"}, t2, t2, t2, t2});
    const courses::UpdateOutcome outcome = courses::keepResultsAcrossUpdate(dir.path(), course);
    QVERIFY(outcome.archived.isEmpty());
    QCOMPARE(readAll(path(dir, ResultFile::FirstAnswers)), garbage);
    QVERIFY(!QFile::exists(courses::layoutFilePath(dir.path(), 1, Code)));
}

void LayoutsTest::fingerprintsFollowTypesNotIds()
{
    serve({{"T", "N"}, {"T", "N"}, {"N", "T"}, {"T"}, {"T", "N", "Q"}});
    const QList<courses::PaperLayout> l = courses::paperLayouts(1, 5);
    QCOMPARE(l.size(), 5);
    QCOMPARE(l[0].blanks, 2);
    QCOMPARE(l[0].fingerprint, l[1].fingerprint); // other question, same layout
    QVERIFY(l[0].fingerprint != l[2].fingerprint);
    QVERIFY(l[0].fingerprint != l[3].fingerprint);
    QVERIFY(l[0].fingerprint != l[4].fingerprint);
    QVERIFY(courses::paperLayouts(1, 6).isEmpty()); // a paper the tables lack
}

QTEST_GUILESS_MAIN(LayoutsTest)
#include "tst_layouts.moc"

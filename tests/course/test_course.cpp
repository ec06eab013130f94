#include "content/content.h"
#include "marking/marking.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

// The course compiled into the program: every paper of every subject opens, keeps within the
// limits of the answer sheet and the result files, and, answered with its own model answers,
// scores 100 with its marking flags and without them.
class TestCourse : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shippedSubjects();
    void tableStampsTellTablesApart();
    void everyPaperScoresFullMarks_data();
    void everyPaperScoresFullMarks();
    void everyQuestionDocumentIsPresent();
    void emptyAnswersScoreNothing_data() { everyPaperScoresFullMarks_data(); }
    void emptyAnswersScoreNothing();
    void scienceAndMathematicsPupilAnswers_data();
    void scienceAndMathematicsPupilAnswers();
    void englishAnswersAreMarkedAsATeacherWould_data();
    void englishAnswersAreMarkedAsATeacherWould();

private:
    QTemporaryDir m_dir;
    content::CourseDescriptor m_course;
};

void TestCourse::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const std::optional<content::CourseDescriptor> course = content::LoadDescriptor(m_dir.path());
    QVERIFY2(course.has_value(), "the program carries no course descriptor");
    m_course = *course;
}

void TestCourse::shippedSubjects()
{
    const QStringList names{QStringLiteral("English"), QStringLiteral("Mathematics"),
                            QStringLiteral("Science")};
    const int topics[] = {6, 7, 7};
    for (int s = 0; s < 3; ++s) {
        const content::SubjectInfo &subject = m_course.subjects.at(s);
        QCOMPARE(subject.name, names.at(s));
        QCOMPARE(subject.topicCount, topics[s]);
        QCOMPARE(subject.paperCount, 5 * topics[s]);
        QCOMPARE(subject.topicNames.size(), topics[s]);
        QCOMPARE(subject.topicNames.last(), QStringLiteral("Mock Examination"));
    }
    QVERIFY(!m_course.name.isEmpty());
    QVERIFY(!m_course.code.isEmpty());
}

// A start skips reading the paper tables while their stamps match the recorded ones, so every
// table must have a stamp of its own, the same at every call.
void TestCourse::tableStampsTellTablesApart()
{
    QSet<QByteArray> seen;
    for (int s = 1; s <= 3; ++s) {
        for (content::PaperTable table :
             {content::PaperTable::PaperList, content::PaperTable::AnswerTypes}) {
            const int item = content::tableItem(s, table);
            const QByteArray stamp = content::itemStamp(item);
            QVERIFY2(!stamp.isEmpty(), qPrintable(QString::number(item)));
            QCOMPARE(content::itemStamp(item), stamp);
            QVERIFY2(!seen.contains(stamp), qPrintable(QString::number(item)));
            seen.insert(stamp);
        }
    }
}

void TestCourse::everyPaperScoresFullMarks_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("paper");
    for (int s = 1; s <= 3; ++s) {
        const content::SubjectInfo &subject = m_course.subjects.at(s - 1);
        for (int p = 101; p <= 100 + subject.paperCount; ++p)
            QTest::addRow("%s %d", qPrintable(subject.name), p) << s << p;
    }
}

void TestCourse::everyPaperScoresFullMarks()
{
    QFETCH(int, subject);
    QFETCH(int, paper);

    const content::PaperLoad load = content::LoadPaperTables(m_dir.path(), subject, paper);
    QVERIFY(!load.failed.has_value());
    const content::PaperTables &tables = load.tables;
    QVERIFY(tables.questionIds.size() >= 3);
    QCOMPARE(tables.answerTypes.size(), tables.blankCount);
    QCOMPARE(tables.blankMarks.size(), tables.blankCount);
    QVERIFY2(tables.blankCount <= 80, "more blanks than a result record holds");
    for (int blanks : tables.blanksPerQuestion)
        QVERIFY2(blanks >= 1 && blanks <= 20, "a question needs 1 to 20 answer rows");
    QVERIFY(tables.totalMarks >= 15 && tables.totalMarks <= 100);

    // Model answers are computed against empty answers, so that each group blank gets a
    // distinct alternative.
    QCOMPARE(tables.answerFlags.size(), tables.blankCount);
    const QStringList empty(tables.blankCount, QString());
    QStringList answers;
    for (int i = 0; i < tables.blankCount; ++i)
        answers.append(marking::ModelAnswer(empty, tables.answerKeys, tables.answerTypes, i,
                                            tables.answerFlags));

    // Full marks with the marking flags, and also without them, as a program that does not
    // read the flags table judges the same tables.
    for (const QStringList &flags : {tables.answerFlags, QStringList()}) {
        const marking::TakeResult result = marking::MarkTake(
            answers, tables.answerKeys, tables.answerTypes, tables.blankMarks, flags);
        for (int i = 0; i < tables.blankCount; ++i) {
            QVERIFY2(result.outcomes.at(i) == QString(marking::RightMark),
                     qPrintable(QStringLiteral("blank %1 (type %2, key \"%3\", flags \"%4\", "
                                               "answer \"%5\")")
                                    .arg(i + 1)
                                    .arg(tables.answerTypes.at(i), tables.answerKeys.at(i),
                                         flags.value(i), answers.at(i))));
        }
        QCOMPARE(result.percent, QStringLiteral("100"));
    }

    // A blank without a flag is judged as it always was, whatever its neighbours carry: the
    // model answers changed the ways a pupil changes them get the same outcomes with and
    // without the flags table.
    const auto changed = [&](auto change) {
        QStringList out;
        for (const QString &a : answers)
            out.append(change(a));
        return out;
    };
    const QList<QStringList> probes{
        changed([](const QString &a) { return a.toLower(); }),
        changed([](const QString &a) { return a.toUpper(); }),
        changed([](const QString &a) { return a.chopped(a.isEmpty() ? 0 : 1); }),
        changed([](const QString &a) { return QString(a).replace(u' ', QStringLiteral("  ")); }),
        changed([](const QString &a) { return QString(a).replace(u'\'', QChar(0x2019)); }),
    };
    for (const QStringList &probe : probes) {
        const QStringList withFlags =
            marking::MarkTake(probe, tables.answerKeys, tables.answerTypes, tables.blankMarks,
                              tables.answerFlags)
                .outcomes;
        const QStringList without =
            marking::MarkTake(probe, tables.answerKeys, tables.answerTypes, tables.blankMarks)
                .outcomes;
        for (int i = 0; i < tables.blankCount; ++i) {
            const int owner = tables.answerKeys.at(i) == QStringLiteral(" ")
                                  ? marking::GroupHead(tables.answerKeys, i)
                                  : i;
            if (tables.answerFlags.value(owner).isEmpty())
                QVERIFY2(
                    withFlags.at(i) == without.at(i),
                    qPrintable(
                        QStringLiteral("blank %1 answered \"%2\"").arg(i + 1).arg(probe.at(i))));
        }
    }
}

void TestCourse::everyQuestionDocumentIsPresent()
{
    QSet<QString> seen;
    for (int s = 1; s <= 3; ++s) {
        for (int p = 101; p <= 100 + m_course.subjects.at(s - 1).paperCount; ++p) {
            const content::PaperLoad load = content::LoadPaperTables(m_dir.path(), s, p);
            for (const QString &id : load.tables.questionIds) {
                QVERIFY2(!seen.contains(id), qPrintable(id + QStringLiteral(" in two papers")));
                seen.insert(id);
                const std::optional<QByteArray> document = content::itemBytes(id.toInt());
                QVERIFY2(document.has_value(), qPrintable(id));
                QVERIFY(document->contains("Content-Type: multipart/related") ||
                        document->contains("Content-Type: text/html"));
            }
        }
    }
    QVERIFY(seen.size() >= 3 * 100);
}

void TestCourse::emptyAnswersScoreNothing()
{
    QFETCH(int, subject);
    QFETCH(int, paper);
    const content::PaperLoad load = content::LoadPaperTables(m_dir.path(), subject, paper);
    QVERIFY(!load.failed.has_value());
    const content::PaperTables &tables = load.tables;
    const marking::TakeResult result =
        marking::MarkTake(QStringList(tables.blankCount, QString()), tables.answerKeys,
                          tables.answerTypes, tables.blankMarks, tables.answerFlags);
    QCOMPARE(result.score, qint64(0));
    QCOMPARE(result.percent, QStringLiteral("0"));
}

// Answers Science and Mathematics pupils write, marked as their teacher marks them: capitals or
// not, plurals, "the ...", synonyms, other ways to write a time or a number, and one idea given
// twice in a group. The rows live in pupil_answers_scimath.tsv beside this file.
void TestCourse::scienceAndMathematicsPupilAnswers_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("question");
    QTest::addColumn<int>("blank");
    QTest::addColumn<QString>("keyPiece");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("expected");

    QFile file(QFINDTESTDATA("pupil_answers_scimath.tsv"));
    QVERIFY2(file.open(QIODevice::ReadOnly | QIODevice::Text), "pupil_answers_scimath.tsv");
    int rows = 0;
    int line = 0;
    while (!file.atEnd()) {
        const QString text = QString::fromUtf8(file.readLine()).chopped(1);
        ++line;
        if (text.isEmpty() || text.startsWith(u'#'))
            continue;
        const QStringList cells = text.split(u'\t');
        QVERIFY2(cells.size() >= 8, qPrintable(QStringLiteral("line %1: 8 columns").arg(line)));
        int subject = 0;
        for (int s = 0; s < int(m_course.subjects.size()); ++s) {
            if (m_course.subjects.at(s).name == cells.at(0))
                subject = s + 1;
        }
        QVERIFY2(subject > 0, qPrintable(QStringLiteral("line %1: subject").arg(line)));
        const int topic = m_course.subjects.at(subject - 1).topicNames.indexOf(cells.at(1));
        QVERIFY2(topic >= 0, qPrintable(QStringLiteral("line %1: topic").arg(line)));
        QTest::addRow("line %d: %s", line, qPrintable(cells.at(6)))
            << subject << 100 + topic * 5 + cells.at(2).toInt() << cells.at(3).toInt()
            << cells.at(4).toInt() << cells.at(5) << cells.at(6).split(QStringLiteral(" // "))
            << cells.at(7);
        ++rows;
    }
    QVERIFY(rows >= 40);
}

void TestCourse::scienceAndMathematicsPupilAnswers()
{
    QFETCH(int, subject);
    QFETCH(int, paper);
    QFETCH(int, question);
    QFETCH(int, blank);
    QFETCH(QString, keyPiece);
    QFETCH(QStringList, answers);
    QFETCH(QString, expected);
    QCOMPARE(expected.size(), answers.size());

    const content::PaperLoad load = content::LoadPaperTables(m_dir.path(), subject, paper);
    QVERIFY(!load.failed.has_value());
    const content::PaperTables &tables = load.tables;
    QVERIFY(question >= 1 && question <= tables.blanksPerQuestion.size());
    int first = 0;
    for (int q = 0; q < question - 1; ++q)
        first += tables.blanksPerQuestion.at(q);
    first += blank - 1;
    QVERIFY(blank >= 1 && blank + answers.size() - 1 <= tables.blanksPerQuestion.at(question - 1));
    QVERIFY2(
        tables.answerKeys.at(first).contains(keyPiece),
        qPrintable(
            QStringLiteral("the question has moved: key \"%1\"").arg(tables.answerKeys.at(first))));

    QStringList sheet(tables.blankCount, QString());
    for (int i = 0; i < answers.size(); ++i)
        sheet[first + i] = answers.at(i);
    const marking::TakeResult result = marking::MarkTake(
        sheet, tables.answerKeys, tables.answerTypes, tables.blankMarks, tables.answerFlags);
    QString got;
    for (int i = 0; i < answers.size(); ++i)
        got += result.outcomes.at(first + i) == QString(marking::RightMark) ? u'R' : u'W';
    QCOMPARE(got, expected);
}

// english-answers.tsv: answers a good pupil writes, each put into its paper among the model
// answers of every other blank, and the marks a teacher gives them.
void TestCourse::englishAnswersAreMarkedAsATeacherWould_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QString>("expected");

    QFile file(QFINDTESTDATA("english-answers.tsv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int line = 0;
    int rows = 0;
    while (!file.atEnd()) {
        ++line;
        const QString text = QString::fromUtf8(file.readLine()).remove(u'\n');
        if (text.isEmpty() || text.startsWith(u'#'))
            continue;
        const QStringList fields = text.split(u'\t');
        QVERIFY2(fields.size() == 5, qPrintable(QStringLiteral("line %1").arg(line)));
        QString model = fields.at(1);
        int occurrence = 1;
        if (const qsizetype at = model.lastIndexOf(u'@'); at > 0) {
            occurrence = model.mid(at + 1).toInt();
            model.truncate(at);
        }
        QTest::addRow("line %d: %s", line, qPrintable(fields.at(4)))
            << fields.at(0).toInt() << model << occurrence
            << fields.at(2).split(QStringLiteral(" | ")) << fields.at(3);
        ++rows;
    }
    QVERIFY(rows >= 100);
}

void TestCourse::englishAnswersAreMarkedAsATeacherWould()
{
    QFETCH(int, paper);
    QFETCH(QString, model);
    QFETCH(int, occurrence);
    QFETCH(QStringList, given);
    QFETCH(QString, expected);

    const content::PaperLoad load = content::LoadPaperTables(m_dir.path(), 1, paper);
    QVERIFY(load.ok());
    const content::PaperTables &tables = load.tables;
    const QStringList empty(tables.blankCount, QString());
    QStringList answers;
    for (int i = 0; i < tables.blankCount; ++i)
        answers.append(marking::ModelAnswer(empty, tables.answerKeys, tables.answerTypes, i,
                                            tables.answerFlags));

    int first = -1;
    for (int i = 0, seen = 0; i < tables.blankCount && first < 0; ++i) {
        if (answers.at(i) == model && ++seen == occurrence)
            first = i;
    }
    QVERIFY2(first >= 0,
             qPrintable(QStringLiteral("no blank of paper %1 has the model answer \"%2\"")
                            .arg(paper)
                            .arg(model)));
    QVERIFY(first + given.size() <= tables.blankCount);
    for (qsizetype k = 0; k < given.size(); ++k)
        answers[first + k] = given.at(k);

    const marking::TakeResult result = marking::MarkTake(
        answers, tables.answerKeys, tables.answerTypes, tables.blankMarks, tables.answerFlags);
    QString marked;
    for (qsizetype k = 0; k < given.size(); ++k)
        marked += result.outcomes.at(first + k) == QString(marking::RightMark) ? u'R' : u'W';
    QCOMPARE(marked, expected);
}

QTEST_GUILESS_MAIN(TestCourse)
#include "test_course.moc"

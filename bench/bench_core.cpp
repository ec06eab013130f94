// Measures the work a practice window does on every save and at marking: reading a result file,
// rewriting it whole, and judging a paper of 70 blanks.
#include "marking/marking.h"
#include "records/records.h"

#include <QTemporaryDir>
#include <QTest>

class BenchCore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readPaperLine();
    void savePaperLine();
    void markTake();

private:
    QTemporaryDir m_dir;
    QString m_path;
    QStringList m_answers, m_keys, m_types, m_marks;
};

void BenchCore::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(QStringLiteral("first2LPP.txt"));
    QStringList lines;
    for (int paper = 101; paper <= 135; ++paper)
        lines.append(records::composeRecord(QString::number(paper), QStringList(), 60));
    QVERIFY(records::writeFileAtomically(m_path, records::encodeLines(lines)));

    for (int i = 0; i < 70; ++i) {
        switch (i % 5) {
        case 0:
            m_keys << QStringLiteral("3");
            m_types << QStringLiteral("Q");
            break;
        case 1:
            m_keys << QStringLiteral("7,200");
            m_types << QStringLiteral("N");
            break;
        case 2:
            m_keys << QStringLiteral("1 2/3");
            m_types << QStringLiteral("X");
            break;
        case 3:
            m_keys << QStringLiteral(";Air;Water;Sunlight;Light");
            m_types << QStringLiteral("G");
            break;
        default:
            m_keys << QStringLiteral(" ");
            m_types << QStringLiteral("G");
            break;
        }
        m_answers << QStringLiteral("Water");
        m_marks << QStringLiteral("2");
    }
}

void BenchCore::readPaperLine()
{
    QBENCHMARK {
        const QStringList lines = records::ReadPaperLines(m_path, 35);
        const QStringList fields = records::SplitAnswerLine(lines.value(33), 60);
        QCOMPARE(fields.size(), 60);
    }
}

void BenchCore::savePaperLine()
{
    QStringList lines = records::ReadPaperLines(m_path, 35);
    const QStringList answers(60, QStringLiteral("answer"));
    QBENCHMARK {
        QVERIFY(records::SavePaperLine(lines, answers, QStringLiteral("34"), QStringLiteral("134"),
                                       35, 60, m_path));
    }
}

void BenchCore::markTake()
{
    QBENCHMARK {
        const marking::TakeResult result = marking::MarkTake(m_answers, m_keys, m_types, m_marks);
        QCOMPARE(result.outcomes.size(), m_keys.size());
    }
}

QTEST_GUILESS_MAIN(BenchCore)
#include "bench_core.moc"

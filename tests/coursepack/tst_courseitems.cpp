// The items embedded in the program: every one is found at ":/items/<number>" with exactly the
// bytes coursepack makes from the course folder the build packaged, and the descriptor reads
// back through content with the course's counts.
#include "items.h"

#include "content/content.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString kPackaged = QStringLiteral(PACKAGED_COURSE);
const QString kShipped = QStringLiteral(SHIPPED_COURSE);
const QString kPictures = QStringLiteral(LARKSPUR_TEST_DATA "/../../tools/artwork/pictures");
} // namespace

class TestCourseItems : public QObject
{
    Q_OBJECT

private slots:
    void everyItemIsEmbeddedWithItsBytes();
    void descriptorReadsBack();
    void shippedCourseHasItsSubjects();
    void picturesAreEmbedded();
    void missingNumberFails();
};

void TestCourseItems::everyItemIsEmbeddedWithItsBytes()
{
    const coursepack::LoadResult loaded = coursepack::loadCourse(kPackaged);
    QVERIFY(loaded.ok());
    const QMap<int, QByteArray> items = coursepack::courseItems(loaded.course);
    QVERIFY(items.size() > 20);
    for (auto it = items.constBegin(); it != items.constEnd(); ++it) {
        const std::optional<QByteArray> bytes = content::itemBytes(it.key());
        QVERIFY2(bytes.has_value(), qPrintable(QString::number(it.key())));
        QVERIFY2(*bytes == it.value(), qPrintable(QString::number(it.key())));
    }
}

void TestCourseItems::descriptorReadsBack()
{
    const coursepack::LoadResult loaded = coursepack::loadCourse(kPackaged);
    QVERIFY(loaded.ok());
    QTemporaryDir data;
    const std::optional<content::CourseDescriptor> d = content::LoadDescriptor(data.path());
    QVERIFY(d.has_value());
    QCOMPARE(d->name, loaded.course.name);
    QCOMPARE(d->code, loaded.course.code);
    for (int s = 0; s < 3; ++s) {
        const coursepack::Subject subject = loaded.course.subjects.value(s);
        QCOMPARE(d->subjects[s].name, subject.name);
        if (!subject.exists())
            continue;
        QCOMPARE(d->subjects[s].topicCount, int(subject.topics.size()));
        QCOMPARE(d->subjects[s].paperCount, subject.paperCount());
        QStringList names;
        for (const coursepack::Topic &t : subject.topics)
            names.append(t.name);
        QCOMPARE(d->subjects[s].topicNames, names);
    }
    QVERIFY(!QFileInfo::exists(content::descriptorTempPath(data.path())));
}

void TestCourseItems::shippedCourseHasItsSubjects()
{
    if (QDir(kPackaged) != QDir(kShipped))
        QSKIP("the build packaged another course folder");
    QTemporaryDir data;
    const std::optional<content::CourseDescriptor> d = content::LoadDescriptor(data.path());
    QVERIFY(d.has_value());
    const QStringList names{QStringLiteral("English"), QStringLiteral("Mathematics"),
                            QStringLiteral("Science")};
    const int topics[] = {6, 7, 7};
    for (int s = 0; s < 3; ++s) {
        QCOMPARE(d->subjects[s].name, names.at(s));
        QCOMPARE(d->subjects[s].topicCount, topics[s]);
        QCOMPARE(d->subjects[s].paperCount, 5 * topics[s]);
        QCOMPARE(d->subjects[s].topicNames.value(topics[s] - 1),
                 QStringLiteral("Mock Examination"));
        // Every paper opens: its tables load and it has at least three questions.
        for (int p = 101; p <= 100 + 5 * topics[s]; ++p) {
            const content::PaperLoad load = content::LoadPaperTables(data.path(), s + 1, p);
            QVERIFY2(!load.failed.has_value(),
                     qPrintable(QStringLiteral("%1/%2").arg(s + 1).arg(p)));
            QVERIFY2(load.tables.questionIds.size() >= 3,
                     qPrintable(QStringLiteral("%1/%2").arg(s + 1).arg(p)));
        }
    }
}

void TestCourseItems::picturesAreEmbedded()
{
    int checked = 0;
    for (const content::GraphicsEntry &entry : content::graphicsList()) {
        QFile file(kPictures + u'/' + QString::fromLatin1(entry.fileName));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const std::optional<QByteArray> bytes = content::itemBytes(entry.item);
        QVERIFY2(bytes.has_value(), entry.fileName);
        QCOMPARE(*bytes, file.readAll());
        ++checked;
    }
    if (checked == 0)
        QSKIP("no interface pictures in tools/artwork/pictures yet");
}

void TestCourseItems::missingNumberFails()
{
    QTemporaryDir data;
    const QString path = data.filePath(QStringLiteral("x"));
    QVERIFY(content::ExtractItem(39, QStringLiteral("Custom"), path) != 0);
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(content::ExtractItem(30000, QStringLiteral("Custom"), path), 0);
}

QTEST_GUILESS_MAIN(TestCourseItems)
#include "tst_courseitems.moc"

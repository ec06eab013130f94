#include "content.h"

#include "records/records.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>

namespace content {

namespace {

std::shared_ptr<const QMap<int, QByteArray>> &courseStorage()
{
    static std::shared_ptr<const QMap<int, QByteArray>> items;
    return items;
}

QString &rootStorage()
{
    static QString root = QStringLiteral(":/items");
    return root;
}

// A whole number of 0 or more written as plain digits, as the tables hold counts and marks.
std::optional<int> wholeNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    for (QChar c : trimmed) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Extracts one table to the temporary file, hands its path to `read`, deletes the file.
// False when the extraction failed (nothing was read then).
template<typename Read> bool withTable(const QString &dataFolder, int item, Read read)
{
    const QString temp = tableTempPath(dataFolder);
    if (ExtractItem(item, QStringLiteral("Custom"), temp, records::Keep::Temporary) != ExtractOk)
        return false;
    read(temp);
    QFile::remove(temp);
    return true;
}

// Which of `keys` have a record, found the way the sequential readers find them.
QList<bool> recordsPresent(const QString &path, const QStringList &keys)
{
    QList<bool> present(keys.size(), false);
    const std::optional<QStringList> lines = records::readLines(path);
    if (!lines)
        return present;
    qsizetype from = 0;
    for (qsizetype k = 0; k < keys.size(); ++k) {
        for (qsizetype i = from; i < lines->size(); ++i) {
            if (records::lineMatchesKey((*lines)[i], keys[k])) {
                present[k] = true;
                from = i + 1;
                break;
            }
        }
    }
    return present;
}

// True when the file at `path` already holds exactly `bytes`. Start-up writes every picture
// again; skipping the ones that are already right spares a synced rewrite of each.
bool holdsExactly(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.size() != bytes.size() || !file.open(QIODevice::ReadOnly))
        return false;
    return file.readAll() == bytes && file.error() == QFileDevice::NoError;
}

} // namespace

void setItemRoot(const QString &root)
{
    rootStorage() = root;
}

QString itemRoot()
{
    return rootStorage();
}

void setCourseItems(std::shared_ptr<const QMap<int, QByteArray>> items)
{
    courseStorage() = std::move(items);
}

bool courseFromFile()
{
    return courseStorage() != nullptr;
}

std::optional<QByteArray> itemBytes(int number)
{
    if (number <= 0)
        return std::nullopt;
    // A course file's items stand alone: an item it lacks is missing, never the built-in one's.
    if (const auto &course = courseStorage(); course && number >= FirstCourseItem) {
        const auto it = course->constFind(number);
        return it == course->constEnd() ? std::nullopt : std::optional<QByteArray>(*it);
    }
    QFile file(itemRoot() + u'/' + QString::number(number));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool hasItem(int number)
{
    if (number <= 0)
        return false;
    if (const auto &course = courseStorage(); course && number >= FirstCourseItem)
        return course->contains(number);
    return QFileInfo(itemRoot() + u'/' + QString::number(number)).isFile();
}

QByteArray itemStamp(int number)
{
    if (number <= 0)
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const bool fromCourse = courseStorage() && number >= FirstCourseItem;
    const QResource resource(itemRoot() + u'/' + QString::number(number));
    if (!fromCourse && resource.isValid() && resource.data()) {
        // The packing is part of the identity: the same bytes packed otherwise get a new stamp,
        // which costs one slow check, never a wrong "unchanged".
        hash.addData(QByteArray("packed:") +
                     QByteArray::number(int(resource.compressionAlgorithm())));
        hash.addData(QByteArrayView(reinterpret_cast<const char *>(resource.data()),
                                    qsizetype(resource.size())));
    } else {
        const std::optional<QByteArray> bytes = itemBytes(number);
        if (!bytes)
            return {};
        hash.addData(QByteArrayView("plain:"));
        hash.addData(*bytes);
    }
    return hash.result().toHex().left(24);
}

int ExtractItem(int number, const QString &type, const QString &path, records::Keep keep)
{
    Q_UNUSED(type);
    const std::optional<QByteArray> bytes = itemBytes(number);
    if (!bytes)
        return ExtractItemMissing;
    if (holdsExactly(path, *bytes))
        return ExtractOk;
    return records::writeFileAtomically(path, *bytes, keep) ? ExtractOk : ExtractWriteFailed;
}

QString graphicsFolderPath(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/Graphics");
}

void ExtractGraphics(const QString &graphicsFolder)
{
    QDir().mkpath(graphicsFolder);
    for (const GraphicsEntry &entry : graphicsList()) {
        // Written again at every start: a lost picture is back at the next one.
        ExtractItem(entry.item, QStringLiteral("Custom"),
                    graphicsFolder + u'/' + QString::fromLatin1(entry.fileName),
                    records::Keep::Temporary);
    }
}

QString descriptorTempPath(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/temptext30000.txt");
}

std::optional<CourseDescriptor> LoadDescriptor(const QString &dataFolder)
{
    const QString temp = descriptorTempPath(dataFolder);
    if (ExtractItem(DescriptorItem, QStringLiteral("Custom"), temp, records::Keep::Temporary) !=
        ExtractOk)
        return std::nullopt;

    CourseDescriptor course;
    course.name = records::ReadValue(temp, QStringLiteral("NME"));
    course.code = records::ReadValue(temp, QStringLiteral("COD"));
    const std::array<QString, 3> nameKeys{QStringLiteral("LAH"), QStringLiteral("LBH"),
                                          QStringLiteral("LCH")};
    for (int s = 1; s <= 3; ++s) {
        SubjectInfo &subject = course.subjects[s - 1];
        subject.name = records::ReadValue(temp, nameKeys[s - 1]);
        if (!subject.exists())
            continue;
        const QString digit = QString::number(s);
        const auto count = [&](const QString &key, int most) {
            const std::optional<int> value = wholeNumber(records::ReadValue(temp, key + digit));
            return value ? std::min(*value, most) : 0;
        };
        subject.topicCount = count(QStringLiteral("TT"), MaxTopics);
        subject.paperCount = count(QStringLiteral("TP"), MaxPapers);
        subject.topicNames =
            records::ReadFieldsSmall(temp, QStringLiteral("TN") + digit, subject.topicCount);
    }
    QFile::remove(temp);
    return course;
}

int tableItem(int subject, PaperTable table)
{
    return DescriptorItem + 10 * subject + 2 + static_cast<int>(table);
}

QString tableTempPath(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/temptext.txt");
}

PaperLoad LoadPaperTables(const QString &dataFolder, int subject, int paperNumber)
{
    PaperLoad load;
    PaperTables &t = load.tables;
    const auto fail = [&](PaperTable table) {
        load.failed = table;
        return load;
    };

    // The paper list: the question ids of the paper.
    if (!withTable(dataFolder, tableItem(subject, PaperTable::PaperList), [&](const QString &p) {
            t.questionIds = records::ReadAllFields(p, QString::number(paperNumber));
        }))
        return fail(PaperTable::PaperList);
    if (t.questionIds.isEmpty())
        return fail(PaperTable::PaperList);
    for (const QString &id : std::as_const(t.questionIds)) {
        const std::optional<int> number = wholeNumber(id);
        if (!number || *number <= 0 || id != id.trimmed())
            return fail(PaperTable::PaperList);
    }

    // The answer key: the expected answers and the number of blanks of every question.
    QList<bool> present;
    if (!withTable(dataFolder, tableItem(subject, PaperTable::AnswerKey), [&](const QString &p) {
            t.answerKeys = records::ReadQuestionFields(p, t.questionIds);
            t.blanksPerQuestion = records::CountQuestionFields(p, t.questionIds);
            present = recordsPresent(p, t.questionIds);
        }))
        return fail(PaperTable::AnswerKey);
    if (present.contains(false))
        return fail(PaperTable::AnswerKey);
    for (int blanks : std::as_const(t.blanksPerQuestion)) {
        if (blanks > MaxBlanksPerQuestion)
            return fail(PaperTable::AnswerKey);
    }
    t.blankCount = int(t.answerKeys.size());
    if (t.blankCount > MaxBlanksPerPaper)
        return fail(PaperTable::AnswerKey);

    // Answer types and marks, one per blank, question by question like the keys.
    const auto perBlankTable = [&](PaperTable table, QStringList &into) {
        QList<int> counts;
        const bool extracted =
            withTable(dataFolder, tableItem(subject, table), [&](const QString &p) {
                into = records::ReadQuestionFields(p, t.questionIds);
                counts = records::CountQuestionFields(p, t.questionIds);
            });
        return extracted && counts == t.blanksPerQuestion;
    };
    if (!perBlankTable(PaperTable::AnswerTypes, t.answerTypes))
        return fail(PaperTable::AnswerTypes);
    if (!perBlankTable(PaperTable::Marks, t.blankMarks))
        return fail(PaperTable::Marks);

    // Answer flags, where the subject has them; a question without a record has none.
    t.answerFlags = QStringList(t.blankCount);
    if (hasItem(tableItem(subject, PaperTable::AnswerFlags))) {
        QStringList flags;
        QList<int> counts;
        QList<bool> flagged;
        if (!withTable(dataFolder, tableItem(subject, PaperTable::AnswerFlags),
                       [&](const QString &p) {
                           flags = records::ReadQuestionFields(p, t.questionIds);
                           counts = records::CountQuestionFields(p, t.questionIds);
                           flagged = recordsPresent(p, t.questionIds);
                       }))
            return fail(PaperTable::AnswerFlags);
        qsizetype from = 0; // into flags
        qsizetype blank = 0;
        for (qsizetype q = 0; q < t.questionIds.size(); ++q) {
            const int blanks = t.blanksPerQuestion.at(q);
            if (flagged.value(q)) {
                if (counts.value(q) != blanks)
                    return fail(PaperTable::AnswerFlags);
                for (int b = 0; b < blanks; ++b)
                    t.answerFlags[blank + b] = flags.value(from + b);
                from += blanks;
            }
            blank += blanks;
        }
    }

    // The total marks, from the marks of the blanks.
    for (const QString &mark : std::as_const(t.blankMarks)) {
        const std::optional<int> value = wholeNumber(mark);
        if (!value || *value > 1000)
            return fail(PaperTable::Marks);
        t.totalMarks += *value;
    }
    return load;
}

QString questionFilePath(const QString &dataFolder, const QString &questionId)
{
    return dataFolder + QStringLiteral("/temppaper") + questionId + QStringLiteral(".mht");
}

} // namespace content

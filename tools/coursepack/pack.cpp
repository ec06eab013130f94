#include "pack.h"

#include "items.h"

#include "content/content.h"
#include "content/graphics.h"
#include "records/records.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <functional>
#include <map>

namespace coursepack {

namespace {

// Replaces the file whole; an interrupted build leaves the previous file, never half of one.
bool writeWhole(const QString &path, const QByteArray &bytes, QString &error)
{
    const records::SaveResult saved = records::writeFileAtomically(path, bytes);
    if (!saved)
        error = QStringLiteral("%1: cannot write: %2").arg(path, saved.error);
    return saved.ok;
}

bool writeIfChanged(const QString &path, const QByteArray &bytes, QString &error)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() &&
        existing.readAll() == bytes)
        return true;
    existing.close();
    return writeWhole(path, bytes, error);
}

// The resource list of the items `take` accepts.
QByteArray qrcText(const QMap<int, QByteArray> &items, const QString &itemsDir,
                   const QString &qrcFile, const std::function<bool(int)> &take)
{
    const QDir qrcDir = QFileInfo(qrcFile).absoluteDir();
    QByteArray out = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/items\">\n";
    for (auto it = items.constBegin(); it != items.constEnd(); ++it) {
        if (!take(it.key()))
            continue;
        const QString file =
            qrcDir.relativeFilePath(QDir(itemsDir).absoluteFilePath(QString::number(it.key())));
        out += "  <file alias=\"" + QByteArray::number(it.key()) + "\">" +
               file.toHtmlEscaped().toUtf8() + "</file>\n";
    }
    return out + "</qresource>\n</RCC>\n";
}

} // namespace

bool readAtStart(int number)
{
    // Below the course's items: the interface pictures; from the descriptor to the result
    // templates of the last subject: what start-up and the home page read.
    return number < content::FirstCourseItem ||
           (number >= content::DescriptorItem && number < content::DescriptorItem + 200);
}

PackResult packCourse(const PackOptions &options)
{
    PackResult result;
    const LoadResult loaded = loadCourse(options.sourceDir);
    result.faults = loaded.faults;
    result.warnings = loaded.warnings;
    if (!loaded.ok())
        return result;

    QMap<int, QByteArray> items = courseItems(loaded.course);
    if (!options.picturesDir.isEmpty()) {
        const QDir pictures(options.picturesDir);
        for (const content::GraphicsEntry &entry : content::graphicsList()) {
            QFile picture(pictures.filePath(QString::fromLatin1(entry.fileName)));
            if (!picture.open(QIODevice::ReadOnly)) {
                result.warnings.append(
                    QStringLiteral("picture %1 \"%2\" is missing in %3; "
                                   "item %1 is left out")
                        .arg(entry.item)
                        .arg(QString::fromLatin1(entry.fileName), options.picturesDir));
                continue;
            }
            items.insert(entry.item, picture.readAll());
        }
    }

    QDir out(options.outputDir);
    if (!out.mkpath(QStringLiteral("."))) {
        result.writeError = QStringLiteral("%1: cannot create the folder").arg(options.outputDir);
        return result;
    }
    // Items left over from an earlier build of a bigger course would otherwise be embedded.
    static const QRegularExpression numbered(QStringLiteral("^[0-9]+$"));
    for (const QString &name : out.entryList(QDir::Files)) {
        if (numbered.match(name).hasMatch() && !items.contains(name.toInt()))
            out.remove(name);
    }
    for (auto it = items.constBegin(); it != items.constEnd(); ++it) {
        if (!writeIfChanged(out.filePath(QString::number(it.key())), it.value(), result.writeError))
            return result;
    }
    // Always rewritten, so that the build sees the step as done.
    const bool split = !options.startQrcFile.isEmpty();
    if (!options.qrcFile.isEmpty() &&
        !writeWhole(options.qrcFile,
                    qrcText(items, out.absolutePath(), options.qrcFile,
                            [split](int n) { return !split || !readAtStart(n); }),
                    result.writeError))
        return result;
    if (split && !writeWhole(options.startQrcFile,
                             qrcText(items, out.absolutePath(), options.startQrcFile, readAtStart),
                             result.writeError))
        return result;
    result.itemCount = int(items.size());
    return result;
}

namespace {

QString counted(qsizetype n, const char *word)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1StringView(word)).arg(n == 1 ? "" : "s");
}

// A keyed record file read leniently: key -> fields, in file order.
struct Records
{
    QList<std::pair<QString, QStringList>> entries;
    bool found = false;

    QStringList fields(const QString &key) const
    {
        for (const auto &[k, f] : entries) {
            if (k == key)
                return f;
        }
        return {};
    }
    QString value(const QString &key) const
    {
        const QStringList f = fields(key);
        return f.isEmpty() ? QString() : f.join(u'>');
    }
};

Records readRecords(const QString &path)
{
    Records records;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return records;
    records.found = true;
    const QString text = records::fromWindows1252(file.readAll());
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    for (const QString &line : text.split(lineBreak)) {
        if (!line.startsWith(u'#'))
            continue;
        const qsizetype close = line.indexOf(u'#', 1);
        if (close < 0)
            continue;
        const QString rest = line.mid(close + 1);
        QStringList fields = rest.split(u'>');
        fields.removeFirst(); // the text before the first ">" (empty in a sound record)
        records.entries.append({line.mid(1, close - 1), fields});
    }
    return records;
}

} // namespace

bool listCourse(const QString &itemsDir, QString &text)
{
    const QDir dir(itemsDir);
    const Records descriptor = readRecords(dir.filePath(QStringLiteral("30000")));
    if (!descriptor.found) {
        text = QStringLiteral("%1: no course descriptor (item 30000)").arg(itemsDir);
        return false;
    }
    QString out;
    out +=
        QStringLiteral("Course \"%1\", code %2\n")
            .arg(descriptor.value(QStringLiteral("NME")), descriptor.value(QStringLiteral("COD")));
    static const char *const nameKeys[] = {"LAH", "LBH", "LCH"};
    for (int s = 1; s <= kMaxSubjects; ++s) {
        const QString name = descriptor.value(QLatin1StringView(nameKeys[s - 1]));
        if (name.isEmpty()) {
            out += QStringLiteral("Subject %1: none\n").arg(s);
            continue;
        }
        const int topics = descriptor.value(QStringLiteral("TT%1").arg(s)).toInt();
        const int papers = descriptor.value(QStringLiteral("TP%1").arg(s)).toInt();
        const QStringList topicNames = descriptor.fields(QStringLiteral("TN%1").arg(s));
        const auto table = [&](content::PaperTable t) {
            return readRecords(dir.filePath(QString::number(content::tableItem(s, t))));
        };
        const Records paperList = table(content::PaperTable::PaperList);
        const Records keys = table(content::PaperTable::AnswerKey);
        const Records types = table(content::PaperTable::AnswerTypes);
        const Records marks = table(content::PaperTable::Marks);
        std::map<QString, int> typeUse;
        int questionTotal = 0;
        int blankTotal = 0;
        QString paperLines;
        for (int p = 1; p <= papers; ++p) {
            const QStringList ids = paperList.fields(QString::number(100 + p));
            int blanks = 0;
            int total = 0;
            for (const QString &id : ids) {
                blanks += int(keys.fields(id).size());
                for (const QString &t : types.fields(id))
                    ++typeUse[t];
                for (const QString &m : marks.fields(id))
                    total += m.toInt();
            }
            questionTotal += int(ids.size());
            blankTotal += blanks;
            const int topic = (p - 1) / kPapersPerTopic;
            if ((p - 1) % kPapersPerTopic == 0)
                paperLines +=
                    QStringLiteral("  Topic %1 \"%2\"\n")
                        .arg(topic + 1)
                        .arg(topic < topicNames.size() ? topicNames.at(topic) : QString());
            paperLines += QStringLiteral("    Paper %1: %2, %3, %4\n")
                              .arg(QString::number(100 + p), counted(ids.size(), "question"),
                                   counted(blanks, "blank"), counted(total, "mark"));
        }
        QStringList used;
        for (const auto &[type, count] : typeUse)
            used.append(QStringLiteral("%1 (%2)").arg(type).arg(count));
        out +=
            QStringLiteral("Subject %1 \"%2\": %3, %4, %5, %6\n")
                .arg(QString::number(s), name, counted(topics, "topic"), counted(papers, "paper"),
                     counted(questionTotal, "question"), counted(blankTotal, "blank"));
        out += QStringLiteral("  Answer types: %1\n").arg(used.join(QStringLiteral(", ")));
        out += paperLines;
    }
    text = out;
    return true;
}

} // namespace coursepack

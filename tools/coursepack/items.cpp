#include "items.h"

#include "content/content.h"
#include "records/records.h"

namespace coursepack {

namespace {
const QByteArray kCrLf("\r\n");
const QByteArray kFiller("...");
const QByteArray kSeparator(23, '-');

QByteArray text(const QString &s)
{
    return records::toWindows1252(s);
}

QByteArray record(const QByteArray &key, const QList<QByteArray> &fields)
{
    QByteArray line = '#' + key + '#';
    for (const QByteArray &f : fields)
        line += '>' + f;
    return line + kCrLf;
}

QByteArray number(int n)
{
    return QByteArray::number(n);
}

// One record per question, sorted by id, one field per blank.
QByteArray questionTable(const Subject &subject, QByteArray (*field)(const Blank &))
{
    QByteArray out = kFiller + kCrLf;
    for (const Question *q : subject.questions()) {
        QList<QByteArray> fields;
        for (const Blank &b : q->blanks)
            fields.append(field(b));
        out += record(number(q->id), fields);
    }
    return out + kFiller + kCrLf;
}
} // namespace

QByteArray descriptorItem(const Course &course)
{
    static const char *const nameKeys[] = {"LAH", "LBH", "LCH"};
    QByteArray out = kFiller + kCrLf;
    out += record("NME", {text(course.name)});
    out += record("COD", {text(course.code)});
    out += kSeparator + kCrLf;
    for (int s = 0; s < kMaxSubjects; ++s) {
        const Subject *subject = s < course.subjects.size() ? &course.subjects.at(s) : nullptr;
        out += record(nameKeys[s], {subject ? text(subject->name) : QByteArray()});
    }
    for (int s = 0; s < kMaxSubjects; ++s) {
        const Subject *subject = s < course.subjects.size() ? &course.subjects.at(s) : nullptr;
        const bool exists = subject && subject->exists();
        out += record("TT" + number(s + 1), {number(exists ? int(subject->topics.size()) : 0)});
    }
    for (int s = 0; s < kMaxSubjects; ++s) {
        const Subject *subject = s < course.subjects.size() ? &course.subjects.at(s) : nullptr;
        const bool exists = subject && subject->exists();
        out += record("TP" + number(s + 1), {number(exists ? subject->paperCount() : 0)});
    }
    for (int s = 0; s < kMaxSubjects; ++s) {
        const Subject *subject = s < course.subjects.size() ? &course.subjects.at(s) : nullptr;
        QList<QByteArray> names;
        if (subject && subject->exists()) {
            for (const Topic &t : subject->topics)
                names.append(text(t.name));
        }
        out += record("TN" + number(s + 1), names);
    }
    return out + kFiller + kCrLf;
}

QByteArray paperListItem(const Subject &subject)
{
    QByteArray out = kFiller + kCrLf;
    for (const Paper *p : subject.papers()) {
        QList<QByteArray> ids;
        for (const Question &q : p->questions)
            ids.append(number(q.id));
        out += record(number(p->number), ids);
    }
    return out + kFiller + kCrLf;
}

QByteArray answerKeyItem(const Subject &subject)
{
    return questionTable(subject, [](const Blank &b) { return text(b.key); });
}

QByteArray answerTypeItem(const Subject &subject)
{
    return questionTable(subject, [](const Blank &b) { return text(b.type); });
}

QByteArray markItem(const Subject &subject)
{
    return questionTable(subject, [](const Blank &b) { return number(b.mark); });
}

bool hasAnswerFlags(const Subject &subject)
{
    for (const Question *q : subject.questions()) {
        for (const Blank &b : q->blanks) {
            if (!b.flags.isEmpty())
                return true;
        }
    }
    return false;
}

QByteArray answerFlagsItem(const Subject &subject)
{
    return questionTable(subject,
                         [](const Blank &b) { return text(marking::blankFlagsField(b.flags)); });
}

QByteArray summaryTemplate(const Subject &subject)
{
    const int papers = subject.paperCount();
    const QList<QByteArray> empty(papers);
    const QList<QByteArray> zeros(papers, "0");
    QByteArray out = kFiller + kCrLf;
    for (const char *key : {"FSE", "SSE", "LTM", "CDD"})
        out += record(key, empty);
    out += record("FST", zeros);
    out += record("SST", zeros);
    return out + kFiller; // the closing filler has no line end
}

QByteArray paperTemplate(const Subject &subject)
{
    QByteArray out = kFiller + kCrLf;
    for (const Paper *p : subject.papers())
        out += record(number(p->number), QList<QByteArray>(p->blankCount()));
    return out + kFiller + kCrLf;
}

QByteArray trendTemplate()
{
    return "#TRD#" + kCrLf;
}

QMap<int, QByteArray> courseItems(const Course &course)
{
    QMap<int, QByteArray> items;
    items.insert(kFirstTableItem, descriptorItem(course));
    for (qsizetype i = 0; i < course.subjects.size(); ++i) {
        const Subject &subject = course.subjects.at(i);
        if (!subject.exists())
            continue;
        const int s = int(i) + 1;
        using content::PaperTable;
        items.insert(content::tableItem(s, PaperTable::PaperList), paperListItem(subject));
        items.insert(content::tableItem(s, PaperTable::AnswerKey), answerKeyItem(subject));
        items.insert(content::tableItem(s, PaperTable::AnswerTypes), answerTypeItem(subject));
        items.insert(content::tableItem(s, PaperTable::Marks), markItem(subject));
        // Only a subject that uses a flag gets the table, so a course without flags is packed
        // exactly as before.
        if (hasAnswerFlags(subject))
            items.insert(content::tableItem(s, PaperTable::AnswerFlags), answerFlagsItem(subject));
        items.insert(30100 + 10 * s + 1, summaryTemplate(subject));
        const QByteArray perPaper = paperTemplate(subject);
        for (int f = 2; f <= 5; ++f)
            items.insert(30100 + 10 * s + f, perPaper);
        items.insert(30100 + 10 * s + 6, trendTemplate());
        for (qsizetype t = 0; t < subject.topics.size(); ++t) {
            const Topic &topic = subject.topics.at(t);
            for (const Paper &paper : topic.papers) {
                for (qsizetype q = 0; q < paper.questions.size(); ++q) {
                    const Question &question = paper.questions.at(q);
                    const QString title = QStringLiteral("%1 - %2 - Paper %3 - Question %4")
                                              .arg(subject.name, topic.name)
                                              .arg(paper.number - 100 - 5 * int(t))
                                              .arg(q + 1);
                    items.insert(question.id, questionDocument(question, title));
                }
            }
        }
    }
    return items;
}

} // namespace coursepack

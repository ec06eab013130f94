#include "courses/checks.h"
#include "courses/tables.h"

#include "marking/marking.h"
#include "records/records.h"
#include "results/results.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <vector>

#include <algorithm>

namespace courses {

bool isFillerLine(QStringView line)
{
    return std::all_of(line.begin(), line.end(),
                       [](QChar c) { return c == u'.' || c == u'-' || c == u' '; });
}

std::optional<Table> parseTable(const QByteArray &bytes, const QString &what, QString &problem)
{
    Table table;
    const QStringList lines = records::splitLines(records::fromWindows1252(bytes));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (isFillerLine(line))
            continue;
        const qsizetype close = line.indexOf(u'#', 1);
        const QString rest = close > 1 ? line.mid(close + 1) : QString();
        if (!line.startsWith(u'#') || close <= 1 || (!rest.isEmpty() && !rest.startsWith(u'>'))) {
            problem = QStringLiteral("%1, line %2, is not a record").arg(what).arg(i + 1);
            return std::nullopt;
        }
        const QString key = line.mid(1, close - 1);
        if (table.index.contains(key)) {
            problem = QStringLiteral("%1 holds the record \"%2\" twice").arg(what, key);
            return std::nullopt;
        }
        table.index.insert(key, table.records.size());
        table.records.append({key, rest.isEmpty() ? QStringList() : rest.mid(1).split(u'>')});
    }
    return table;
}

namespace {

constexpr int MaxProblems = 20;

// Text shown to the pupil: printable, and a field of a record.
bool isLabel(const QString &text, int most)
{
    if (text.trimmed().isEmpty() || text.size() > most)
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x20 && c.unicode() != 0x7F && records::fieldCanHold(c);
    });
}

std::optional<int> wholeNumber(const QString &text, int most)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,6}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int n = text.toInt();
    return n <= most ? std::optional<int>(n) : std::nullopt;
}

QString subjectItemName(int item)
{
    return QStringLiteral("item %1").arg(item);
}

} // namespace

bool isCourseCode(const QString &code)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9]{1,10}$"));
    return pattern.match(code).hasMatch();
}

std::optional<QString> checkDetails(const QByteArray &item, CourseInfo &info)
{
    QString problem;
    const std::optional<Table> table =
        parseTable(item, QStringLiteral("the course's details"), problem);
    if (!table)
        return problem;
    for (const auto &[key, fields] : table->records) {
        if (!QStringList{QStringLiteral("NME"), QStringLiteral("COD"), QStringLiteral("VER"),
                         QStringLiteral("BLD")}
                 .contains(key))
            return QStringLiteral("the course's details hold an unknown entry \"%1\"").arg(key);
    }
    info.name = table->value(QStringLiteral("NME"));
    info.code = table->value(QStringLiteral("COD"));
    info.version = table->value(QStringLiteral("VER"));
    info.builder = table->value(QStringLiteral("BLD"));
    if (!isLabel(info.name, 100))
        return QStringLiteral("the course's name is missing or unusable");
    if (!isCourseCode(info.code))
        return QStringLiteral("the course's code \"%1\" is not 1 to 10 letters or digits")
            .arg(shortened(info.code));
    if (!isLabel(info.version, 40))
        return QStringLiteral("the course's version is missing or unusable");
    if (!isLabel(info.builder, 40))
        return QStringLiteral("the builder's version is missing or unusable");
    return std::nullopt;
}

QStringList checkCourseItems(const Items &items, const CourseInfo *info)
{
    QStringList problems;
    const auto problem = [&](const QString &text) {
        if (problems.size() < MaxProblems)
            problems.append(text);
    };

    const auto descriptorItem = items.constFind(content::DescriptorItem);
    if (descriptorItem == items.constEnd())
        return {QStringLiteral("the course descriptor (item 30000) is missing")};
    QString why;
    const std::optional<Table> descriptor =
        parseTable(*descriptorItem, QStringLiteral("the course descriptor"), why);
    if (!descriptor)
        return {why};
    const QString name = descriptor->value(QStringLiteral("NME"));
    const QString code = descriptor->value(QStringLiteral("COD"));
    if (!isLabel(name, 100))
        problem(QStringLiteral("the course descriptor has no usable name"));
    if (!isCourseCode(code))
        problem(QStringLiteral("the course code \"%1\" is not 1 to 10 letters or digits")
                    .arg(shortened(code)));
    if (info && (info->name != name || info->code != code))
        problem(QStringLiteral("the course's details (\"%1\", %2) differ from its descriptor "
                               "(\"%3\", %4)")
                    .arg(shortened(info->name), shortened(info->code), shortened(name),
                         shortened(code)));

    QSet<int> expected{content::DescriptorItem};
    int named = 0;
    static const char *const nameKeys[] = {"LAH", "LBH", "LCH"};
    for (int s = 1; s <= 3; ++s) {
        const QString subjectName = descriptor->value(QLatin1StringView(nameKeys[s - 1]));
        const QString digit = QString::number(s);
        if (subjectName.isEmpty())
            continue;
        ++named;
        const QString subject =
            QStringLiteral("subject %1 (%2)").arg(digit, shortened(subjectName));
        if (!isLabel(subjectName, 60)) {
            problem(QStringLiteral("%1: the name is unusable").arg(subject));
            continue;
        }
        const std::optional<int> topics =
            wholeNumber(descriptor->value(QStringLiteral("TT") + digit), content::MaxTopics);
        const std::optional<int> papers =
            wholeNumber(descriptor->value(QStringLiteral("TP") + digit), content::MaxPapers);
        const QStringList *topicNames = descriptor->fields(QStringLiteral("TN") + digit);
        if (!topics || *topics < 1 || !papers || *papers != 5 * *topics) {
            problem(QStringLiteral("%1: it needs 1 to 10 topics of 5 papers each").arg(subject));
            continue;
        }
        if (!topicNames || topicNames->size() != *topics ||
            !std::all_of(topicNames->begin(), topicNames->end(),
                         [](const QString &t) { return isLabel(t, 100); }))
            problem(QStringLiteral("%1: its topic names do not match its %2 topics")
                        .arg(subject)
                        .arg(*topics));

        // The tables and the result templates.
        std::array<std::optional<Table>, 4> tables;
        bool complete = true;
        for (int t = 0; t < 4; ++t) {
            const int number = content::DescriptorItem + 10 * s + 2 + t;
            expected.insert(number);
            const auto it = items.constFind(number);
            if (it == items.constEnd()) {
                problem(
                    QStringLiteral("%1: its table (item %2) is missing").arg(subject).arg(number));
                complete = false;
                continue;
            }
            tables[std::size_t(t)] = parseTable(*it, subjectItemName(number), why);
            if (!tables[std::size_t(t)]) {
                problem(QStringLiteral("%1: %2").arg(subject, why));
                complete = false;
            }
        }
        // The marking flags: an optional fifth table, one field per blank of each question.
        std::optional<Table> flagTable;
        const int flagsNumber = content::tableItem(s, content::PaperTable::AnswerFlags);
        if (const auto it = items.constFind(flagsNumber); it != items.constEnd()) {
            expected.insert(flagsNumber);
            flagTable = parseTable(*it, subjectItemName(flagsNumber), why);
            if (!flagTable) {
                problem(QStringLiteral("%1: %2").arg(subject, why));
                complete = false;
            }
        }
        for (results::ResultFile f : results::AllResultFiles) {
            const int number = results::templateItem(f, s);
            expected.insert(number);
            if (!items.contains(number)) {
                problem(QStringLiteral("%1: its result template (item %2) is missing")
                            .arg(subject)
                            .arg(number));
                complete = false;
            }
        }
        if (!complete)
            continue;
        const Table &paperList = *tables[0];
        const Table &keys = *tables[1];
        const Table &types = *tables[2];
        const Table &marks = *tables[3];

        QSet<QString> questions;
        QList<int> blanksPerPaper;
        for (int p = 1; p <= *papers; ++p) {
            const QString paper = QString::number(100 + p);
            const QStringList *ids = paperList.fields(paper);
            if (!ids || ids->isEmpty()) {
                problem(QStringLiteral("%1: paper %2 has no questions").arg(subject, paper));
                blanksPerPaper.append(0);
                continue;
            }
            int blanks = 0;
            for (const QString &id : *ids) {
                const std::optional<int> number = wholeNumber(id, 29999);
                if (!number || *number < 10000) {
                    problem(QStringLiteral("%1: paper %2 lists \"%3\", which is not a question "
                                           "number (10000 to 29999)")
                                .arg(subject, paper, shortened(id)));
                    continue;
                }
                questions.insert(id);
                expected.insert(*number);
                if (!items.contains(*number))
                    problem(QStringLiteral("%1: paper %2 lists question %3, which is missing")
                                .arg(subject, paper, id));
                const QStringList *k = keys.fields(id);
                const QStringList *t = types.fields(id);
                const QStringList *m = marks.fields(id);
                if (!k || k->isEmpty() || k->size() > content::MaxBlanksPerQuestion) {
                    problem(QStringLiteral("%1: question %2 has no answer key or more than %3 "
                                           "blanks")
                                .arg(subject, id)
                                .arg(content::MaxBlanksPerQuestion));
                    continue;
                }
                if (!t || t->size() != k->size() || !m || m->size() != k->size()) {
                    problem(QStringLiteral("%1: question %2 has not one answer type and one mark "
                                           "for each of its %3 blanks")
                                .arg(subject, id)
                                .arg(k->size()));
                    continue;
                }
                if (flagTable) {
                    const QStringList *f = flagTable->fields(id);
                    if (f && f->size() != k->size())
                        problem(QStringLiteral("%1: question %2 has not one marking-flags field "
                                               "for each of its %3 blanks")
                                    .arg(subject, id)
                                    .arg(k->size()));
                    for (qsizetype b = 0; f && f->size() == k->size() && b < f->size(); ++b) {
                        // A field the engine would write back the same way is one it reads.
                        if (marking::blankFlagsField(marking::parseBlankFlags(f->at(b))) !=
                            f->at(b))
                            problem(QStringLiteral("%1: question %2, blank %3: unknown marking "
                                                   "flags \"%4\"")
                                        .arg(subject, id)
                                        .arg(b + 1)
                                        .arg(shortened(f->at(b))));
                    }
                }
                blanks += int(k->size());
                bool inGroup = false;
                int groupSize = 0;
                for (qsizetype b = 0; b < k->size(); ++b) {
                    const QString &key = k->at(b);
                    const QString &type = t->at(b);
                    const QString where =
                        QStringLiteral("%1: question %2, blank %3").arg(subject, id).arg(b + 1);
                    static const QRegularExpression typePattern(
                        QStringLiteral("^[QTLNFXRMG][A-Za-z0-9]{0,8}$"));
                    if (!typePattern.match(type).hasMatch()) {
                        problem(QStringLiteral("%1: unknown answer type \"%2\"")
                                    .arg(where, shortened(type)));
                        continue;
                    }
                    if (!wholeNumber(m->at(b), 1000))
                        problem(QStringLiteral("%1: the mark \"%2\" is not a whole number from 0 "
                                               "to 1000")
                                    .arg(where, shortened(m->at(b))));
                    const QChar code = type.front();
                    const bool continuation = code == u'G' && key == u" ";
                    if (continuation) {
                        if (!inGroup)
                            problem(QStringLiteral("%1: a group blank without its first blank")
                                        .arg(where));
                        else if (++groupSize > 20)
                            problem(
                                QStringLiteral("%1: a group of more than 20 blanks").arg(where));
                        continue;
                    }
                    inGroup = code == u'G';
                    groupSize = 1;
                    if (!isLabel(key, 10000)) {
                        problem(
                            QStringLiteral("%1: the answer key is empty or unusable").arg(where));
                        continue;
                    }
                    static const QRegularExpression choice(QStringLiteral("^[1-4]$"));
                    static const QRegularExpression fraction(
                        QStringLiteral(R"(^-?\d+/0*[1-9]\d*$)"));
                    static const QRegularExpression mixed(
                        QStringLiteral(R"(^-?\d+(?: \d+/0*[1-9]\d*)?$)"));
                    bool sound = true;
                    if (code == u'Q')
                        sound = choice.match(key).hasMatch();
                    else if (code == u'N')
                        sound = marking::parseNumber(key).has_value();
                    else if (code == u'F' || code == u'R')
                        sound = fraction.match(key).hasMatch();
                    else if (code == u'X')
                        sound = mixed.match(key).hasMatch();
                    else if (code == u'M' || code == u'G')
                        sound = key.startsWith(u';') && key.size() > 1;
                    if (!sound)
                        problem(QStringLiteral("%1: the answer key \"%2\" does not fit its type %3")
                                    .arg(where, shortened(key), QString(code)));
                }
            }
            if (blanks > content::MaxBlanksPerPaper)
                problem(QStringLiteral("%1: paper %2 has more than %3 blanks")
                            .arg(subject, paper)
                            .arg(content::MaxBlanksPerPaper));
            blanksPerPaper.append(blanks);
        }
        for (const auto &[key, fields] : paperList.records) {
            const std::optional<int> p = wholeNumber(key, 100 + *papers);
            if (!p || *p < 101)
                problem(QStringLiteral("%1: the paper list holds \"%2\", which is not one of its "
                                       "papers")
                            .arg(subject, shortened(key)));
        }
        std::vector<const Table *> questionTables{&keys, &types, &marks};
        if (flagTable)
            questionTables.push_back(&*flagTable);
        for (const Table *table : questionTables) {
            for (const auto &[key, fields] : table->records) {
                if (!questions.contains(key)) {
                    problem(
                        QStringLiteral("%1: a table holds question \"%2\", which no paper lists")
                            .arg(subject, shortened(key)));
                    break;
                }
            }
        }
        for (results::ResultFile f : results::AllResultFiles) {
            const int number = results::templateItem(f, s);
            if (items.value(number) != results::makeTemplate(f, blanksPerPaper))
                problem(QStringLiteral("%1: its result template (item %2) does not fit its papers")
                            .arg(subject)
                            .arg(number));
        }
    }
    if (named == 0)
        problem(QStringLiteral("the course has no subject"));

    for (auto it = items.constBegin(); it != items.constEnd(); ++it) {
        if (!expected.contains(it.key())) {
            problem(it.key() <= 92 ? QStringLiteral("item %1 is an interface picture; a course "
                                                    "carries none")
                                         .arg(it.key())
                                   : QStringLiteral("item %1 is not part of the course (a course "
                                                    "from a newer builder?)")
                                         .arg(it.key()));
            continue;
        }
        if (it.key() >= 10000 && it.key() < content::DescriptorItem) {
            if (std::optional<QString> bad = checkQuestionPage(it.value()))
                problem(QStringLiteral("question %1: %2").arg(it.key()).arg(*bad));
        }
    }
    return problems;
}

} // namespace courses

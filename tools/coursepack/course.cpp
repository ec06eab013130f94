#include "course.h"

#include "entities.h"

#include "marking/marking.h"
#include "records/records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QUrl>

#include <algorithm>
#include <functional>

namespace coursepack {

QString Fault::text() const
{
    return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message);
}

int Paper::blankCount() const
{
    int n = 0;
    for (const Question &q : questions)
        n += int(q.blanks.size());
    return n;
}

int Paper::totalMarks() const
{
    int n = 0;
    for (const Question &q : questions) {
        for (const Blank &b : q.blanks)
            n += b.mark;
    }
    return n;
}

int Subject::paperCount() const
{
    int n = 0;
    for (const Topic &t : topics)
        n += int(t.papers.size());
    return n;
}

QList<const Paper *> Subject::papers() const
{
    QList<const Paper *> out;
    for (const Topic &t : topics) {
        for (const Paper &p : t.papers)
            out.append(&p);
    }
    return out;
}

QList<const Question *> Subject::questions() const
{
    QList<const Question *> out;
    for (const Paper *p : papers()) {
        for (const Question &q : p->questions)
            out.append(&q);
    }
    std::sort(out.begin(), out.end(),
              [](const Question *a, const Question *b) { return a->id < b->id; });
    return out;
}

namespace {

const QString kTypeCodes = QStringLiteral("QTLNFXRMG");

// Question documents and tables are read by code that expects Windows-1252, so every text the
// course puts into them must have a byte there. Control characters other than tab and the line
// ends have no place in a source either, nor do the five C1 codes that stand for the bytes the
// code page leaves unassigned.
bool canHold(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'\t' || u == u'\n' || u == u'\r')
        return true;
    if (u < 0x20 || (u >= 0x7F && u < 0xA0))
        return false;
    return records::windows1252CanHold(c);
}

// A source file's text with a way from offsets to line numbers.
struct SourceText
{
    QString path; // as shown in messages
    QString text;
    QList<qsizetype> lineStarts;

    void index()
    {
        lineStarts = {0};
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) == u'\n')
                lineStarts.append(i + 1);
        }
    }
    int lineAt(qsizetype offset) const
    {
        auto it = std::upper_bound(lineStarts.begin(), lineStarts.end(), offset);
        return int(it - lineStarts.begin());
    }
};

class Loader
{
public:
    explicit Loader(const QString &sourceDir)
        : m_root(QDir(sourceDir).absolutePath()), m_shownRoot(QDir::cleanPath(sourceDir))
    {
    }

    LoadResult run();

private:
    void fault(const QString &file, int line, const QString &message)
    {
        m_result.faults.append({file, line, message});
    }
    QString shown(const QString &absolutePath) const
    {
        return QDir::cleanPath(m_shownRoot + u'/' + QDir(m_root).relativeFilePath(absolutePath));
    }
    bool readSource(const QString &absolutePath, SourceText &out, const QString &citeFile,
                    int citeLine, const QString &what);
    std::optional<QJsonObject> readJson(const QString &absolutePath, SourceText &out,
                                        const QString &citeFile, int citeLine);
    bool checkLabel(const QString &text, const QString &what, const QString &file, int line);
    void loadSubject(Subject &subject, const QString &folder, const QString &courseFile,
                     int courseLine);
    void loadPaper(Paper &paper, const QString &absolutePath, const QString &citeFile,
                   int citeLine);
    void loadQuestion(Question &question, const QString &absolutePath);
    // Reports, once a line, each character of `src` that Windows-1252 cannot hold, except where
    // `skip` says so; true when there is none.
    bool reportUnheld(const SourceText &src, const std::function<bool(qsizetype)> &skip);
    void expandPassages(SourceText &src, const QString &questionDir);
    QString loadPassage(const QString &name, const QString &questionDir, const QString &file,
                        int line);
    void checkKey(const Blank &blank, const QString &file);
    QString readSets(Blank &blank, const QString &file);
    void readFlags(Blank &blank, const QList<std::pair<QString, QString>> &attributes,
                   const QString &file);
    void checkGroups(const Question &question, const QString &file);
    std::optional<Picture> loadPicture(const QString &name, const QString &questionDir,
                                       const QString &file, int line);

    QString m_root;      // absolute, for reading
    QString m_shownRoot; // as given, for messages
    LoadResult m_result;
    QHash<QString, Picture> m_pictureCache;
    QHash<QString, Question> m_questions; // by path: a source used twice is checked once
    QHash<QString, QString> m_passages;   // by path: read and checked once, empty when faulty
};

// The line of the first occurrence of the JSON string `value` at or after `from` (moved on past
// it), so that faults in JSON files point at the entry they are about.
int lineOfString(const SourceText &src, const QString &value, qsizetype &from)
{
    const QString quoted = u'"' + value + u'"';
    const qsizetype at = src.text.indexOf(quoted, from);
    if (at < 0)
        return src.lineAt(from);
    from = at + quoted.size();
    return src.lineAt(at);
}

int lineOfKey(const SourceText &src, const QString &key, qsizetype from)
{
    const qsizetype at = src.text.indexOf(u'"' + key + u'"', from);
    return src.lineAt(at < 0 ? from : at);
}

bool Loader::readSource(const QString &absolutePath, SourceText &out, const QString &citeFile,
                        int citeLine, const QString &what)
{
    out.path = shown(absolutePath);
    // Messages name a file by its place in the course folder.
    const QString name = QDir(m_root).relativeFilePath(absolutePath);
    QFile file(absolutePath);
    if (!QFileInfo(absolutePath).isFile()) {
        if (citeFile.isEmpty())
            fault(out.path, 1, QStringLiteral("%1 is missing").arg(what));
        else
            fault(citeFile, citeLine, QStringLiteral("%1 \"%2\" is missing").arg(what, name));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        fault(citeFile, citeLine,
              QStringLiteral("%1 \"%2\" cannot be read: %3").arg(what, name, file.errorString()));
        return false;
    }
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    // Decode line by line so that a bad byte can be reported with its line.
    const QList<QByteArray> lines = bytes.split('\n');
    QStringList decoded;
    bool ok = true;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        QString line = decoder(lines.at(i));
        if (decoder.hasError()) {
            fault(out.path, int(i + 1), QStringLiteral("the text is not valid UTF-8"));
            ok = false;
        }
        if (line.endsWith(u'\r'))
            line.chop(1);
        decoded.append(line);
    }
    out.text = decoded.join(u'\n');
    out.index();
    return ok;
}

std::optional<QJsonObject> Loader::readJson(const QString &absolutePath, SourceText &out,
                                            const QString &citeFile, int citeLine)
{
    if (!readSource(absolutePath, out, citeFile, citeLine, QStringLiteral("file")))
        return std::nullopt;
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(out.text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError) {
        // The offset counts UTF-8 bytes; turn it back into characters for the line number.
        const qsizetype chars = QString::fromUtf8(out.text.toUtf8().left(error.offset)).size();
        fault(out.path, out.lineAt(chars), QStringLiteral("JSON: %1").arg(error.errorString()));
        return std::nullopt;
    }
    if (!doc.isObject()) {
        fault(out.path, 1, QStringLiteral("the file must hold one JSON object { ... }"));
        return std::nullopt;
    }
    return doc.object();
}

// Names go into the descriptor as record fields, so they may not hold what breaks a record.
bool Loader::checkLabel(const QString &text, const QString &what, const QString &file, int line)
{
    bool ok = true;
    if (text.contains(u'>') || text.contains(u'#')) {
        fault(file, line, QStringLiteral("%1 \"%2\" holds \">\" or \"#\"").arg(what, text));
        ok = false;
    }
    if (text.contains(u'\n') || text.contains(u'\r')) {
        fault(file, line, QStringLiteral("%1 holds a line break").arg(what));
        ok = false;
    }
    for (QChar c : text) {
        if (!canHold(c)) {
            fault(file, line,
                  QStringLiteral("%1 \"%2\" holds \"%3\" (U+%4), which Windows-1252 cannot hold")
                      .arg(what, text, QString(c))
                      .arg(c.unicode(), 4, 16, QChar(u'0')));
            ok = false;
            break;
        }
    }
    return ok;
}

LoadResult Loader::run()
{
    const QString coursePath = QDir(m_root).filePath(QStringLiteral("course.json"));
    SourceText src;
    const std::optional<QJsonObject> root = readJson(coursePath, src, QString(), 0);
    if (!root)
        return m_result;
    Course &course = m_result.course;

    const QJsonValue name = root->value(u"name");
    course.name = name.toString();
    if (!name.isString() || course.name.trimmed().isEmpty())
        fault(src.path, lineOfKey(src, QStringLiteral("name"), 0),
              QStringLiteral("the course needs a \"name\""));
    else
        checkLabel(course.name, QStringLiteral("course name"), src.path,
                   lineOfKey(src, QStringLiteral("name"), 0));

    course.code = root->value(u"code").toString();
    static const QRegularExpression codePattern(QStringLiteral("^[A-Za-z0-9]{1,10}$"));
    if (!codePattern.match(course.code).hasMatch())
        fault(src.path, lineOfKey(src, QStringLiteral("code"), 0),
              QStringLiteral("course \"code\" must be 1 to 10 letters or digits"));

    const QJsonValue subjectsValue = root->value(u"subjects");
    const qsizetype subjectsAt = src.text.indexOf(QStringLiteral("\"subjects\""));
    const int subjectsLine = src.lineAt(std::max<qsizetype>(subjectsAt, 0));
    if (!subjectsValue.isArray() || subjectsValue.toArray().isEmpty()) {
        fault(src.path, subjectsLine, QStringLiteral("the course needs a \"subjects\" list"));
        return m_result;
    }
    const QJsonArray subjects = subjectsValue.toArray();
    if (subjects.size() > kMaxSubjects)
        fault(src.path, subjectsLine,
              QStringLiteral("%1 subjects; a course has at most %2")
                  .arg(subjects.size())
                  .arg(kMaxSubjects));

    qsizetype cursor = std::max<qsizetype>(subjectsAt, 0);
    for (qsizetype i = 0; i < std::min<qsizetype>(subjects.size(), kMaxSubjects); ++i) {
        const QJsonObject entry = subjects.at(i).toObject();
        Subject subject;
        subject.name = entry.value(u"name").toString();
        const qsizetype entryAt = src.text.indexOf(u'{', cursor);
        cursor = entryAt < 0 ? cursor : entryAt + 1;
        const int entryLine = src.lineAt(cursor);
        if (!subjects.at(i).isObject() || !entry.value(u"name").isString()) {
            fault(src.path, entryLine,
                  QStringLiteral("subject %1 needs a \"name\" (\"\" for no subject)").arg(i + 1));
            course.subjects.append(subject);
            continue;
        }
        if (subject.exists()) {
            const int nameLine = lineOfString(src, subject.name, cursor);
            checkLabel(subject.name, QStringLiteral("subject name"), src.path, nameLine);
            subject.folder = entry.value(u"folder").toString();
            if (subject.folder.isEmpty())
                fault(src.path, nameLine,
                      QStringLiteral("subject \"%1\" needs a \"folder\"").arg(subject.name));
            const QJsonValue firstId = entry.value(u"firstId");
            const int idLine = lineOfKey(src, QStringLiteral("firstId"), cursor);
            if (!firstId.isDouble() || firstId.toDouble() != double(firstId.toInt())) {
                fault(src.path, idLine,
                      QStringLiteral("subject \"%1\" needs a whole number \"firstId\"")
                          .arg(subject.name));
            } else {
                subject.firstId = firstId.toInt();
                if (subject.firstId < kFirstQuestionId || subject.firstId >= kFirstTableItem)
                    fault(src.path, idLine,
                          QStringLiteral("firstId %1: question ids are 5-digit numbers from %2 "
                                         "to %3")
                              .arg(subject.firstId)
                              .arg(kFirstQuestionId)
                              .arg(kFirstTableItem - 1));
            }
            if (!subject.folder.isEmpty())
                loadSubject(subject, subject.folder, src.path, idLine);
        }
        course.subjects.append(subject);
    }

    // Ids run on from firstId; every subject's range must stay below the tables and apart
    // from the others, or two questions would share an item number.
    struct Range
    {
        int first, last, subject;
    };
    QList<Range> ranges;
    for (qsizetype i = 0; i < course.subjects.size(); ++i) {
        const Subject &s = course.subjects.at(i);
        const int count = int(s.questions().size());
        if (!s.exists() || count == 0 || s.firstId < kFirstQuestionId ||
            s.firstId >= kFirstTableItem)
            continue;
        const int last = s.firstId + count - 1;
        const int line =
            lineOfKey(src, QStringLiteral("firstId"), src.text.indexOf(u'"' + s.name + u'"'));
        if (last >= kFirstTableItem)
            fault(src.path, line,
                  QStringLiteral("subject \"%1\" has %2 questions, so its ids run from %3 to %4; "
                                 "ids must stay below %5")
                      .arg(s.name)
                      .arg(count)
                      .arg(s.firstId)
                      .arg(last)
                      .arg(kFirstTableItem));
        for (const Range &r : ranges) {
            if (s.firstId <= r.last && r.first <= last)
                fault(src.path, line,
                      QStringLiteral("duplicate question ids: subject \"%1\" uses %2-%3, which "
                                     "overlaps %4-%5 of subject %6")
                          .arg(s.name)
                          .arg(s.firstId)
                          .arg(last)
                          .arg(r.first)
                          .arg(r.last)
                          .arg(r.subject));
        }
        ranges.append({s.firstId, last, int(i) + 1});
    }
    return m_result;
}

void Loader::loadSubject(Subject &subject, const QString &folder, const QString &courseFile,
                         int courseLine)
{
    const QString subjectDir = QDir(m_root).filePath(folder);
    SourceText src;
    const std::optional<QJsonObject> root = readJson(
        QDir(subjectDir).filePath(QStringLiteral("subject.json")), src, courseFile, courseLine);
    if (!root)
        return;
    const QJsonArray topics = root->value(u"topics").toArray();
    const int topicsLine = lineOfKey(src, QStringLiteral("topics"), 0);
    if (topics.isEmpty()) {
        fault(src.path, topicsLine, QStringLiteral("the subject needs a \"topics\" list"));
        return;
    }
    if (topics.size() > kMaxTopics)
        fault(src.path, topicsLine,
              QStringLiteral("%1 topics; a subject has at most %2")
                  .arg(topics.size())
                  .arg(kMaxTopics));

    int nextId = subject.firstId;
    int paperNumber = 101;
    qsizetype cursor = 0;
    for (qsizetype t = 0; t < topics.size() && t < kMaxTopics; ++t) {
        const QJsonObject entry = topics.at(t).toObject();
        Topic topic;
        topic.name = entry.value(u"name").toString();
        const qsizetype entryAt = src.text.indexOf(u'{', cursor + 1);
        cursor = entryAt < 0 ? cursor : entryAt;
        int line = src.lineAt(cursor);
        if (topic.name.trimmed().isEmpty()) {
            fault(src.path, line, QStringLiteral("topic %1 needs a \"name\"").arg(t + 1));
        } else {
            line = lineOfString(src, topic.name, cursor);
            checkLabel(topic.name, QStringLiteral("topic name"), src.path, line);
        }
        const QJsonArray papers = entry.value(u"papers").toArray();
        if (papers.size() != kPapersPerTopic)
            fault(src.path, line,
                  QStringLiteral("topic \"%1\" has %2 papers; every topic has exactly %3, so a "
                                 "subject of %4 topics has %5")
                      .arg(topic.name)
                      .arg(papers.size())
                      .arg(kPapersPerTopic)
                      .arg(topics.size())
                      .arg(kPapersPerTopic * std::min<qsizetype>(topics.size(), kMaxTopics)));
        for (const QJsonValue &paperValue : papers) {
            const QString rel = paperValue.toString();
            const int paperLine = rel.isEmpty() ? line : lineOfString(src, rel, cursor);
            Paper paper;
            paper.number = paperNumber++;
            if (rel.isEmpty()) {
                fault(src.path, paperLine, QStringLiteral("a paper entry must be a file name"));
                continue;
            }
            loadPaper(paper, QDir(subjectDir).filePath(rel), src.path, paperLine);
            for (Question &q : paper.questions)
                q.id = nextId++;
            topic.papers.append(paper);
        }
        subject.topics.append(topic);
    }
}

void Loader::loadPaper(Paper &paper, const QString &absolutePath, const QString &citeFile,
                       int citeLine)
{
    SourceText src;
    if (!readSource(absolutePath, src, citeFile, citeLine, QStringLiteral("paper file")))
        return;
    paper.source = src.path;
    const QString paperDir = QFileInfo(absolutePath).absolutePath();
    const QStringList lines = src.text.split(u'\n');
    QSet<QString> seen;
    int blanks = 0;
    bool overReported = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString entry = lines.at(i).trimmed();
        if (entry.isEmpty() || entry.startsWith(u'#'))
            continue;
        const QString questionPath = QDir::cleanPath(QDir(paperDir).filePath(entry));
        if (seen.contains(questionPath))
            m_result.warnings.append(
                Fault{src.path, int(i + 1),
                      QStringLiteral("\"%1\" is listed twice in this paper").arg(entry)}
                    .text());
        seen.insert(questionPath);
        if (!QFileInfo(questionPath).isFile()) {
            fault(src.path, int(i + 1),
                  QStringLiteral("question source \"%1\" is missing")
                      .arg(QDir(m_root).relativeFilePath(questionPath)));
            continue;
        }
        Question question;
        if (auto parsed = m_questions.constFind(questionPath); parsed != m_questions.constEnd()) {
            question = *parsed;
        } else {
            loadQuestion(question, questionPath);
            m_questions.insert(questionPath, question);
        }
        blanks += int(question.blanks.size());
        if (blanks > kMaxBlanksPerPaper && !overReported) {
            fault(
                src.path, int(i + 1),
                QStringLiteral("the paper has more than %1 answer blanks").arg(kMaxBlanksPerPaper));
            overReported = true;
        }
        paper.questions.append(question);
    }
    if (paper.questions.isEmpty() && seen.isEmpty())
        fault(src.path, 1, QStringLiteral("the paper lists no question"));
}

void Loader::loadQuestion(Question &question, const QString &absolutePath)
{
    SourceText src;
    if (!readSource(absolutePath, src, QString(), 0, QStringLiteral("question source")))
        return;
    question.source = src.path;
    const QString questionDir = QFileInfo(absolutePath).absolutePath();
    expandPassages(src, questionDir);
    const QString &text = src.text;

    struct Replacement
    {
        qsizetype from, length;
        QString with;
    };
    QList<Replacement> replacements;
    QList<std::pair<qsizetype, qsizetype>> blankSpans;

    static const QRegularExpression blankPattern(
        QStringLiteral(R"(<blank\b([^>]*)>(.*?)</blank\s*>)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression attrPattern(QStringLiteral(
        R"re(([A-Za-z_:][-A-Za-z0-9_:.]*)\s*(?:=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))?)re"));
    static const QRegularExpression markPattern(QStringLiteral("^[1-9][0-9]?$"));
    static const QRegularExpression markupPattern(QStringLiteral("<[A-Za-z/!]"));

    for (auto it = blankPattern.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        Blank blank;
        blank.line = src.lineAt(m.capturedStart());
        blankSpans.append({m.capturedStart(), m.capturedEnd()});
        bool typeGiven = false;
        QList<std::pair<QString, QString>> flagAttributes;
        for (auto a = attrPattern.globalMatch(m.captured(1)); a.hasNext();) {
            const QRegularExpressionMatch attr = a.next();
            const QString name = attr.captured(1).toLower();
            const QString value = attr.captured(2) + attr.captured(3) + attr.captured(4);
            if (name == u"type") {
                blank.type = value.trimmed();
                typeGiven = true;
            } else if (name == u"mark") {
                if (!markPattern.match(value.trimmed()).hasMatch()) {
                    fault(src.path, blank.line,
                          QStringLiteral("mark \"%1\" is not a positive whole number (1 to 99)")
                              .arg(value));
                } else {
                    blank.mark = value.trimmed().toInt();
                }
            } else if (name == u"case" || name == u"sentence" || name == u"punctuation") {
                flagAttributes.append({name, value.trimmed()});
            } else {
                fault(src.path, blank.line,
                      QStringLiteral("unknown attribute \"%1\" on a blank (use type, mark, "
                                     "case, sentence or punctuation)")
                          .arg(attr.captured(1)));
            }
        }
        if (!typeGiven)
            fault(src.path, blank.line, QStringLiteral("blank without a type"));
        else if (blank.type.size() != 1 || !kTypeCodes.contains(blank.type))
            fault(src.path, blank.line,
                  QStringLiteral("unknown answer type \"%1\" (use one of Q T L N F X R M G)")
                      .arg(blank.type));

        const QString raw = m.captured(2);
        bool keyReadable = true;
        if (raw.contains(u'\n') || raw.contains(u'\r')) {
            fault(src.path, blank.line, QStringLiteral("answer key holds a line break"));
            keyReadable = false;
        }
        if (raw.contains(markupPattern)) {
            fault(src.path, blank.line,
                  QStringLiteral("answer key holds markup; a blank holds plain text only (is a "
                                 "</blank> missing?)"));
            keyReadable = false;
        }
        if (keyReadable) {
            const EntityDecoding decoded = decodeEntities(raw);
            if (!decoded.unknown.isEmpty())
                fault(
                    src.path, blank.line,
                    QStringLiteral("unknown entity \"%1\" in the answer key").arg(decoded.unknown));
            blank.key = decoded.text;
            if (blank.type == u"G" && blank.key.trimmed().isEmpty())
                blank.key = QStringLiteral(" "); // a group continuation
            if (blank.type == u"G" && blank.key != u" ")
                blank.key = readSets(blank, src.path);
            checkKey(blank, src.path);
        }
        readFlags(blank, flagAttributes, src.path);
        question.blanks.append(blank);

        const QString label =
            QStringLiteral("(%1)").arg(QChar(char16_t(u'a' + (question.blanks.size() - 1) % 26)));
        replacements.append(
            {m.capturedStart(), m.capturedLength(),
             QStringLiteral("<span class=\"gap gap-%1\"><span class=\"gap-label\">"
                            "%2</span></span>")
                 .arg(blank.type.isEmpty() ? QStringLiteral("T") : blank.type.left(1), label)});
    }

    auto insideBlank = [&blankSpans](qsizetype at) {
        return std::any_of(blankSpans.begin(), blankSpans.end(),
                           [at](const auto &s) { return at >= s.first && at < s.second; });
    };

    // Tags a blank left behind: an opening without its end or an end without an opening.
    static const QRegularExpression strayPattern(QStringLiteral(R"(</?blank\b)"),
                                                 QRegularExpression::CaseInsensitiveOption);
    for (auto it = strayPattern.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (insideBlank(m.capturedStart()))
            continue;
        fault(src.path, src.lineAt(m.capturedStart()),
              m.captured(0).startsWith(u"</") ? QStringLiteral("</blank> without its <blank>")
                                              : QStringLiteral("<blank> without its </blank>"));
    }

    if (question.blanks.isEmpty())
        fault(src.path, 1, QStringLiteral("the question has no answer blank"));
    if (question.blanks.size() > kMaxBlanksPerQuestion)
        fault(src.path, question.blanks.at(kMaxBlanksPerQuestion).line,
              QStringLiteral("the question has %1 answer blanks; the answer sheet holds at most %2")
                  .arg(question.blanks.size())
                  .arg(kMaxBlanksPerQuestion));
    checkGroups(question, src.path);

    static const QRegularExpression imgPattern(
        QStringLiteral(R"re(<img\b[^>]*?\bsrc\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>"']+)))re"),
        QRegularExpression::CaseInsensitiveOption);
    for (auto it = imgPattern.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (insideBlank(m.capturedStart()))
            continue;
        int group = 1;
        while (group < 3 && m.capturedStart(group) < 0)
            ++group;
        const QString name = m.captured(group);
        const int line = src.lineAt(m.capturedStart());
        const std::optional<Picture> picture = loadPicture(name, questionDir, src.path, line);
        if (!picture)
            continue;
        if (std::none_of(question.pictures.begin(), question.pictures.end(),
                         [&](const Picture &p) { return p.url == picture->url; }))
            question.pictures.append(*picture);
        replacements.append({m.capturedStart(group), m.capturedLength(group), picture->url});
    }

    // The page is stored in Windows-1252: every character outside the blanks must fit.
    reportUnheld(src, insideBlank);

    std::sort(replacements.begin(), replacements.end(),
              [](const Replacement &a, const Replacement &b) { return a.from > b.from; });
    QString body = text;
    for (const Replacement &r : replacements)
        body.replace(r.from, r.length, r.with);
    question.body = body;
}

// A group head's "|" joins forms of one idea into a set. The answer key keeps every form as an
// alternative of its own, so a reader that knows nothing of sets judges the group as before;
// the set sizes travel in the flags table.
QString Loader::readSets(Blank &blank, const QString &file)
{
    const QString &key = blank.key;
    if (!key.contains(u'|') || !key.startsWith(u';'))
        return key;
    QStringList forms;
    QSet<QString> seen;
    for (const QString &set : key.mid(1).split(u';')) {
        const QStringList members = set.split(u'|');
        for (const QString &form : members) {
            if (form.trimmed().isEmpty()) {
                fault(file, blank.line,
                      QStringLiteral("G key \"%1\" has an empty form in the set \"%2\"")
                          .arg(key, set));
                return key;
            }
            const QString compared = form.trimmed().toLower();
            if (seen.contains(compared)) {
                fault(file, blank.line,
                      QStringLiteral("G key \"%1\" lists \"%2\" twice; a form belongs to one "
                                     "set only")
                          .arg(key, form.trimmed()));
                return key;
            }
            seen.insert(compared);
            forms.append(form);
        }
        blank.flags.setSizes.append(int(members.size()));
    }
    return u';' + forms.join(u';');
}

void Loader::readFlags(Blank &blank, const QList<std::pair<QString, QString>> &attributes,
                       const QString &file)
{
    const bool continuation = blank.type == u"G" && blank.key == u" ";
    const auto refuse = [&](const QString &message) { fault(file, blank.line, message); };
    for (const auto &[name, value] : attributes) {
        if (continuation) {
            refuse(QStringLiteral("%1=\"%2\" on a group's further blank: write it on the group's "
                                  "first blank, it holds for the whole group")
                       .arg(name, value));
            continue;
        }
        if (name == u"case") {
            if (value != u"exact")
                refuse(QStringLiteral("case=\"%1\": the only value is case=\"exact\"").arg(value));
            else if (blank.type.size() != 1 || !QStringLiteral("TLMG").contains(blank.type))
                refuse(QStringLiteral("case=\"exact\" is for T, L, M and G blanks, not %1")
                           .arg(blank.type));
            else
                blank.flags.caseExact = true;
        } else if (name == u"sentence") {
            if (value != u"yes")
                refuse(QStringLiteral("sentence=\"%1\": the only value is sentence=\"yes\"")
                           .arg(value));
            else if (blank.type.size() != 1 || !QStringLiteral("TLM").contains(blank.type))
                refuse(QStringLiteral("sentence=\"yes\" is for T, L and M blanks, not %1")
                           .arg(blank.type));
            else
                blank.flags.sentence = true;
        } else if (name == u"punctuation") {
            if (value != u"counts")
                refuse(QStringLiteral("punctuation=\"%1\": the only value is "
                                      "punctuation=\"counts\"")
                           .arg(value));
            else
                blank.flags.punctuationCounts = true;
        }
    }
    if (blank.flags.punctuationCounts && !blank.flags.sentence) {
        refuse(QStringLiteral("punctuation=\"counts\" needs sentence=\"yes\" on the same blank"));
        blank.flags.punctuationCounts = false;
    }
    if (blank.flags.punctuationCounts) {
        // The final mark is required, so the key must have one (every alternative of an M key).
        const QStringList texts =
            blank.type == u"M" ? marking::splitAlternatives(blank.key).value_or(QStringList())
                               : QStringList{blank.key};
        for (const QString &text : texts) {
            const QString t = text.trimmed();
            if (!t.isEmpty() && !QStringLiteral(".?!").contains(t.back()))
                refuse(QStringLiteral("punctuation=\"counts\", but the answer \"%1\" does not end "
                                      "in \".\", \"?\" or \"!\"")
                           .arg(t));
        }
    }
}

void Loader::checkKey(const Blank &blank, const QString &file)
{
    const QString &key = blank.key;
    const int line = blank.line;
    if (key.contains(u'>') || key.contains(u'#')) {
        fault(file, line,
              QStringLiteral("answer key \"%1\" holds \">\" or \"#\", which break the answer key "
                             "table")
                  .arg(key));
        return;
    }
    for (QChar c : key) {
        if (!canHold(c)) {
            fault(file, line,
                  QStringLiteral("answer key \"%1\" holds \"%2\" (U+%3), which Windows-1252 "
                                 "cannot hold")
                      .arg(key, QString(c))
                      .arg(c.unicode(), 4, 16, QChar(u'0')));
            return;
        }
    }
    if (key.trimmed().isEmpty() && !(blank.type == u"G" && key == u" ")) {
        fault(file, line, QStringLiteral("empty answer key"));
        return;
    }
    static const QRegularExpression choice(QStringLiteral("^[1-4]$"));
    static const QRegularExpression plainNumber(QStringLiteral(R"(^-?\d+(\.\d+)?$)"));
    static const QRegularExpression fraction(QStringLiteral(R"(^-?\d+/(\d+)$)"));
    static const QRegularExpression mixed(QStringLiteral(R"(^-?\d+(?: \d+/(\d+))?$)"));
    const QString &type = blank.type;
    if (type == u"Q") {
        if (!choice.match(key).hasMatch())
            fault(file, line,
                  QStringLiteral("Q key \"%1\" must be the option number 1 to 4").arg(key));
    } else if (type == u"N") {
        if (!plainNumber.match(key).hasMatch() || !marking::parseNumber(key))
            fault(file, line,
                  QStringLiteral("N key \"%1\" is not a number (write digits only, e.g. \"958\", "
                                 "\"2.5\", \"-3\")")
                      .arg(key));
    } else if (type == u"F" || type == u"R") {
        const QRegularExpressionMatch m = fraction.match(key);
        if (!m.hasMatch() || m.captured(1).toLongLong() == 0)
            fault(
                file, line,
                QStringLiteral("%1 key \"%2\" is not a fraction such as \"5/14\"").arg(type, key));
    } else if (type == u"X") {
        const QRegularExpressionMatch m = mixed.match(key);
        if (!m.hasMatch() || (m.capturedStart(1) >= 0 && m.captured(1).toLongLong() == 0))
            fault(file, line,
                  QStringLiteral("X key \"%1\" is not a mixed number such as \"1 2/3\" or a whole "
                                 "number such as \"86\"")
                      .arg(key));
    } else if (type == u"M" || (type == u"G" && key != u" ")) {
        const QStringList alternatives = key.mid(1).split(u';');
        const bool emptyOne = std::any_of(alternatives.begin(), alternatives.end(),
                                          [](const QString &a) { return a.trimmed().isEmpty(); });
        if (!key.startsWith(u';'))
            fault(file, line,
                  QStringLiteral("%1 key \"%2\" must begin with \";\" (\";Skin;Moist skin\")")
                      .arg(type, key));
        else if (type == u"M" && alternatives.size() < 2)
            fault(file, line,
                  QStringLiteral("M key \"%1\" needs at least two alternatives").arg(key));
        else if (emptyOne)
            fault(file, line,
                  QStringLiteral("%1 key \"%2\" has an empty alternative").arg(type, key));
        else if (type == u"M" && key.contains(u'|'))
            fault(file, line,
                  QStringLiteral("M key \"%1\" holds \"|\": sets of forms belong to G keys; "
                                 "an M key accepts each alternative already")
                      .arg(key));
    }
}

// A group is a G head followed by continuation blanks (key " "); the marking finds the head by
// looking back over the keys, so it must sit in the same question and within 20 blanks.
void Loader::checkGroups(const Question &question, const QString &file)
{
    int head = -1;
    int size = 0;
    auto closeGroup = [&]() {
        if (head < 0)
            return;
        const Blank &h = question.blanks.at(head);
        if (size > kMaxGroupBlanks)
            fault(file, h.line,
                  QStringLiteral("the group has %1 blanks; a group holds at most %2")
                      .arg(size)
                      .arg(kMaxGroupBlanks));
        // With sets, each set is one answer the group can give.
        const qsizetype alternatives = !h.flags.setSizes.isEmpty() ? h.flags.setSizes.size()
                                       : h.key.startsWith(u';')    ? h.key.count(u';')
                                                                   : 0;
        if (alternatives > 0 && alternatives < size)
            fault(file, h.line,
                  QString::fromLatin1(h.flags.setSizes.isEmpty()
                                          ? "the group has %1 blanks but only %2 alternatives"
                                          : "the group has %1 blanks but only %2 sets of forms")
                      .arg(size)
                      .arg(alternatives));
        head = -1;
        size = 0;
    };
    for (qsizetype i = 0; i < question.blanks.size(); ++i) {
        const Blank &b = question.blanks.at(i);
        if (b.type == u"G" && b.key == u" ") {
            if (head < 0)
                fault(file, b.line,
                      QStringLiteral("group continuation without its head: the first blank of a "
                                     "group holds the alternatives (\";Air;Water\")"));
            else
                ++size;
            continue;
        }
        closeGroup();
        if (b.type == u"G") {
            head = int(i);
            size = 1;
        }
    }
    closeGroup();
}

// The questions on one reading text each show it, but the text is kept once, in a passage file
// beside them: <passage src="name.passage.html"/> stands for that file's content in the usual
// tinted box. The content goes in on the tag's own line (its line breaks become spaces, which
// HTML reads alike), so faults further down the question still name their own lines.
void Loader::expandPassages(SourceText &src, const QString &questionDir)
{
    static const QRegularExpression tagPattern(
        QStringLiteral(R"re(<passage\b([^>]*?)/?>(?:\s*</passage\s*>)?)re"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression srcPattern(
        QStringLiteral(R"re(\bsrc\s*=\s*(?:"([^"]*)"|'([^']*)'))re"),
        QRegularExpression::CaseInsensitiveOption);
    if (!src.text.contains(QStringLiteral("<passage"), Qt::CaseInsensitive))
        return;
    QString expanded;
    qsizetype copied = 0;
    for (auto it = tagPattern.globalMatch(src.text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const int line = src.lineAt(m.capturedStart());
        const QRegularExpressionMatch attr = srcPattern.match(m.captured(1));
        const QString name = attr.captured(1) + attr.captured(2);
        QString body;
        if (name.isEmpty())
            fault(src.path, line,
                  QStringLiteral("<passage> needs the name of its file: "
                                 "<passage src=\"story.passage.html\"/>"));
        else
            body = loadPassage(name, questionDir, src.path, line);
        expanded += QStringView(src.text).mid(copied, m.capturedStart() - copied);
        expanded += QStringLiteral("<div class=\"passage\">") + body + QStringLiteral("</div>");
        copied = m.capturedEnd();
    }
    expanded += QStringView(src.text).mid(copied);
    src.text = expanded;
    src.index();
}

bool Loader::reportUnheld(const SourceText &src, const std::function<bool(qsizetype)> &skip)
{
    bool held = true;
    int lastReported = 0;
    for (qsizetype i = 0; i < src.text.size(); ++i) {
        const QChar c = src.text.at(i);
        if (canHold(c) || skip(i))
            continue;
        const int line = src.lineAt(i);
        if (line == lastReported)
            continue;
        lastReported = line;
        held = false;
        // A character beyond the first plane is shown whole, not as half a pair.
        const bool pair = c.isHighSurrogate() && i + 1 < src.text.size();
        const char32_t u = pair ? QChar::surrogateToUcs4(c, src.text.at(i + 1)) : c.unicode();
        fault(src.path, line,
              QStringLiteral("\"%1\" (U+%2) cannot be held in Windows-1252; write it as &#%3; or "
                             "use plain text")
                  .arg(src.text.mid(i, pair ? 2 : 1))
                  .arg(uint(u), 4, 16, QChar(u'0'))
                  .arg(uint(u)));
    }
    return held;
}

QString Loader::loadPassage(const QString &name, const QString &questionDir, const QString &file,
                            int line)
{
    if (name.contains(u'/') || name.contains(u'\\') || name.startsWith(u'.')) {
        fault(
            file, line,
            QStringLiteral("passage \"%1\" must be a file in the question's own folder").arg(name));
        return {};
    }
    const QString path = QDir(questionDir).filePath(name);
    if (auto cached = m_passages.constFind(path); cached != m_passages.constEnd())
        return *cached;
    m_passages.insert(path, QString()); // a faulty passage is reported once, not per question
    SourceText passage;
    if (!readSource(path, passage, file, line, QStringLiteral("passage")))
        return {};
    bool ok = true;
    static const QRegularExpression inner(QStringLiteral(R"(<(blank|passage)\b)"),
                                          QRegularExpression::CaseInsensitiveOption);
    for (auto it = inner.globalMatch(passage.text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        fault(passage.path, passage.lineAt(m.capturedStart()),
              QStringLiteral("a passage holds no <%1>; write it in the question that shows the "
                             "passage")
                  .arg(m.captured(1).toLower()));
        ok = false;
    }
    if (!reportUnheld(passage, [](qsizetype) { return false; }))
        ok = false;
    if (!ok)
        return {};
    QString body = passage.text;
    body.replace(u'\n', u' ');
    m_passages.insert(path, body);
    return body;
}

std::optional<Picture> Loader::loadPicture(const QString &name, const QString &questionDir,
                                           const QString &file, int line)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    if (name.isEmpty() || scheme.match(name).hasMatch() || name.startsWith(u'/') ||
        name.contains(u'\\') || name.split(u'/').contains(QStringLiteral(".."))) {
        fault(file, line,
              QStringLiteral("picture \"%1\" must be a file beside the question source").arg(name));
        return std::nullopt;
    }
    const QString suffix = QFileInfo(name).suffix().toLower();
    QString mime;
    if (suffix == u"png")
        mime = QStringLiteral("image/png");
    else if (suffix == u"gif")
        mime = QStringLiteral("image/gif");
    else if (suffix == u"jpg" || suffix == u"jpeg")
        mime = QStringLiteral("image/jpeg");
    else if (suffix == u"svg")
        mime = QStringLiteral("image/svg+xml");
    else {
        fault(file, line, QStringLiteral("picture \"%1\" is not PNG, GIF, JPEG or SVG").arg(name));
        return std::nullopt;
    }
    const QString path = QDir::cleanPath(QDir(questionDir).filePath(name));
    if (auto cached = m_pictureCache.constFind(path); cached != m_pictureCache.constEnd())
        return *cached;
    QFile picture(path);
    if (!QFileInfo(path).isFile() || !picture.open(QIODevice::ReadOnly)) {
        fault(file, line, QStringLiteral("missing picture \"%1\"").arg(name));
        return std::nullopt;
    }
    Picture p;
    p.name = name;
    p.mimeType = mime;
    p.bytes = picture.readAll();
    p.url = QStringLiteral("http://larkspur.local/") +
            QString::fromLatin1(QUrl::toPercentEncoding(name, "/-._~"));
    m_pictureCache.insert(path, p);
    return p;
}

} // namespace

LoadResult loadCourse(const QString &sourceDir)
{
    return Loader(sourceDir).run();
}

} // namespace coursepack

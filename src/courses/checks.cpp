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
constexpr int MaxParts = 200;
const QString PartAddress = QStringLiteral("http://larkspur.local/");

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

// ---- Question pages --------------------------------------------------------------------------

// Element names a question page has no use for and that could run code, show other documents,
// send anything anywhere or change where the page's addresses point.
bool forbiddenElement(const QString &name)
{
    static const QSet<QString> names{QStringLiteral("script"),
                                     QStringLiteral("iframe"),
                                     QStringLiteral("frame"),
                                     QStringLiteral("frameset"),
                                     QStringLiteral("object"),
                                     QStringLiteral("embed"),
                                     QStringLiteral("applet"),
                                     QStringLiteral("form"),
                                     QStringLiteral("link"),
                                     QStringLiteral("base"),
                                     QStringLiteral("portal"),
                                     QStringLiteral("template"),
                                     QStringLiteral("audio"),
                                     QStringLiteral("video"),
                                     QStringLiteral("source"),
                                     QStringLiteral("track"),
                                     QStringLiteral("foreignobject"),
                                     QStringLiteral("handler"),
                                     QStringLiteral("listener"),
                                     QStringLiteral("set"),
                                     QStringLiteral("animate"),
                                     QStringLiteral("animatemotion"),
                                     QStringLiteral("animatetransform"),
                                     QStringLiteral("discard"),
                                     QStringLiteral("use"),
                                     QStringLiteral("import"),
                                     QStringLiteral("xml-stylesheet")};
    return names.contains(name);
}

bool addressAttribute(const QString &name)
{
    static const QSet<QString> names{
        QStringLiteral("href"),       QStringLiteral("src"),        QStringLiteral("action"),
        QStringLiteral("formaction"), QStringLiteral("data"),       QStringLiteral("poster"),
        QStringLiteral("background"), QStringLiteral("cite"),       QStringLiteral("longdesc"),
        QStringLiteral("usemap"),     QStringLiteral("xlink:href"), QStringLiteral("manifest"),
        QStringLiteral("codebase"),   QStringLiteral("ping"),       QStringLiteral("lowsrc"),
        QStringLiteral("dynsrc"),     QStringLiteral("archive"),    QStringLiteral("classid"),
        QStringLiteral("profile"),    QStringLiteral("icon"),       QStringLiteral("srcdoc")};
    return names.contains(name);
}

QString shown(const QString &text)
{
    return text.size() > 60 ? text.left(57) + QStringLiteral("...") : text;
}

// An address may name one of the page's own parts, or a place in the page; nothing else.
std::optional<QString> checkAddress(const QString &raw, const QSet<QString> &parts)
{
    const QString address = raw.trimmed();
    if (address.isEmpty() || address.startsWith(u'#') || parts.contains(address))
        return std::nullopt;
    return QStringLiteral("it reaches for \"%1\", which is not part of the page")
        .arg(shown(address));
}

std::optional<QString> checkStyle(const QString &css, const QSet<QString> &parts)
{
    const QString lower = css.toLower();
    if (css.contains(u'\\'))
        return QStringLiteral("its style uses escapes (\\), which could hide an address");
    for (const char *word : {"@import", "expression(", "behavior", "-moz-binding", "image-set("}) {
        if (lower.contains(QLatin1StringView(word)))
            return QStringLiteral("its style uses \"%1\"").arg(QLatin1StringView(word));
    }
    for (qsizetype at = lower.indexOf(QStringLiteral("url(")); at >= 0;
         at = lower.indexOf(QStringLiteral("url("), at + 4)) {
        const qsizetype end = css.indexOf(u')', at + 4);
        QString target = css.mid(at + 4, end < 0 ? -1 : end - at - 4).trimmed();
        if (target.size() >= 2 && (target.front() == u'"' || target.front() == u'\'') &&
            target.back() == target.front())
            target = target.mid(1, target.size() - 2);
        if (std::optional<QString> bad = checkAddress(target, parts))
            return QStringLiteral("its style: %1").arg(*bad);
    }
    return std::nullopt;
}

// Walks every tag of the markup. Strict on purpose: comments and raw text are walked as well,
// so nothing a browser could read as a tag is skipped.
std::optional<QString> checkMarkup(const QString &text, const QSet<QString> &parts)
{
    const QString lower = text.toLower();
    for (const char *word : {"javascript:", "vbscript:", "livescript:"}) {
        if (lower.contains(QLatin1StringView(word)))
            return QStringLiteral("it holds a script address (\"%1\")")
                .arg(QLatin1StringView(word));
    }
    const qsizetype n = text.size();
    const auto isSpace = [](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
    };
    for (qsizetype i = 0; i < n; ++i) {
        if (text.at(i) != u'<')
            continue;
        qsizetype j = i + 1;
        const bool closing = j < n && text.at(j) == u'/';
        if (closing)
            ++j;
        if (j >= n || !(text.at(j).isLetter()))
            continue;
        const qsizetype nameStart = j;
        while (j < n && !isSpace(text.at(j)) && text.at(j) != u'/' && text.at(j) != u'>')
            ++j;
        const QString name = lower.mid(nameStart, j - nameStart);
        if (forbiddenElement(name))
            return QStringLiteral("it holds a <%1> element").arg(name);
        if (name == u"meta") {
            // Only the character set and the viewport; a refresh or anything else is refused.
            const qsizetype end = text.indexOf(u'>', j);
            const QString tag = lower.mid(j, end < 0 ? -1 : end - j);
            if (!tag.contains(QStringLiteral("http-equiv=\"content-type\"")) &&
                !tag.contains(QStringLiteral("name=\"viewport\"")))
                return QStringLiteral("it holds a <meta> element other than the character set "
                                      "and the viewport");
        }
        // Attributes.
        while (j < n) {
            while (j < n && (isSpace(text.at(j)) || text.at(j) == u'/'))
                ++j;
            if (j >= n || text.at(j) == u'>')
                break;
            const qsizetype attrStart = j;
            ++j; // a name is at least one character, even "="
            while (j < n && !isSpace(text.at(j)) && text.at(j) != u'/' && text.at(j) != u'>' &&
                   text.at(j) != u'=')
                ++j;
            const QString attr = lower.mid(attrStart, j - attrStart);
            while (j < n && isSpace(text.at(j)))
                ++j;
            QString value;
            bool hasValue = false;
            if (j < n && text.at(j) == u'=') {
                hasValue = true;
                ++j;
                while (j < n && isSpace(text.at(j)))
                    ++j;
                if (j < n && (text.at(j) == u'"' || text.at(j) == u'\'')) {
                    const QChar quote = text.at(j);
                    const qsizetype end = text.indexOf(quote, j + 1);
                    value = text.mid(j + 1, end < 0 ? -1 : end - j - 1);
                    j = end < 0 ? n : end + 1;
                } else {
                    const qsizetype from = j;
                    while (j < n && !isSpace(text.at(j)) && text.at(j) != u'>')
                        ++j;
                    value = text.mid(from, j - from);
                }
            }
            if (attr.startsWith(QStringLiteral("on")))
                return QStringLiteral("it holds an event attribute (%1), which would run script")
                    .arg(attr);
            if (attr == u"srcset")
                return QStringLiteral("it holds a srcset attribute");
            if (attr == u"http-equiv" && hasValue && value.trimmed().toLower() != u"content-type")
                return QStringLiteral("it holds http-equiv=\"%1\"").arg(shown(value));
            if (addressAttribute(attr) && hasValue) {
                if (std::optional<QString> bad = checkAddress(value, parts))
                    return bad;
            }
            if (attr == u"style" && hasValue) {
                if (std::optional<QString> bad = checkStyle(value, parts))
                    return bad;
            }
        }
        if (name == u"style" && !closing) {
            const qsizetype end = lower.indexOf(QStringLiteral("</style"), j);
            const QString css = text.mid(j + 1, end < 0 ? -1 : end - j - 1);
            if (std::optional<QString> bad = checkStyle(css, parts))
                return bad;
        }
        i = std::max(i, j - 1);
    }
    return std::nullopt;
}

struct Part
{
    QMap<QString, QString> headers; // lower-case names, values as written (unfolded)
    QByteArray body;
};

QMap<QString, QString> parseHeaders(const QList<QByteArray> &lines)
{
    QMap<QString, QString> headers;
    QString last;
    for (const QByteArray &line : lines) {
        if ((line.startsWith(' ') || line.startsWith('\t')) && !last.isEmpty()) {
            headers[last] += u' ' + QString::fromLatin1(line.trimmed());
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        last = QString::fromLatin1(line.first(colon)).trimmed().toLower();
        headers.insert(last, QString::fromLatin1(line.mid(colon + 1)).trimmed());
    }
    return headers;
}

// Splits "head CRLF CRLF body" (lines may end in LF alone).
std::pair<QList<QByteArray>, QByteArray> splitHead(const QByteArray &bytes)
{
    QList<QByteArray> head;
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0)
            end = bytes.size();
        QByteArray line = bytes.mid(at, end - at);
        if (line.endsWith('\r'))
            line.chop(1);
        at = end + 1;
        if (line.isEmpty())
            return {head, bytes.mid(std::min(at, bytes.size()))};
        head.append(line);
    }
    return {head, QByteArray()};
}

QString boundaryOf(const QString &header)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"re((?:^|;)\s*boundary\s*=\s*(?:"([^"]*)"|([^;\s]*)))re"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = pattern.match(header);
    return m.hasMatch() ? m.captured(1) + m.captured(2) : QString();
}

QString mediaType(const QString &header)
{
    return header.section(u';', 0, 0).trimmed().toLower();
}

std::optional<QByteArray> decodeQuotedPrintable(const QByteArray &in)
{
    const auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    };
    QByteArray out(in.size(), Qt::Uninitialized);
    char *o = out.data();
    const char *p = in.constData();
    const qsizetype n = in.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] != '=') {
            *o++ = p[i];
            continue;
        }
        if (i + 1 < n && p[i + 1] == '\n') {
            i += 1;
            continue;
        }
        if (i + 2 < n && p[i + 1] == '\r' && p[i + 2] == '\n') {
            i += 2;
            continue;
        }
        if (i + 2 >= n || hex(p[i + 1]) < 0 || hex(p[i + 2]) < 0)
            return std::nullopt;
        *o++ = char(hex(p[i + 1]) * 16 + hex(p[i + 2]));
        i += 2;
    }
    out.truncate(o - out.constData());
    return out;
}

bool isPartAddress(const QString &address)
{
    static const QRegularExpression name(
        QStringLiteral(R"(^http://larkspur\.local/[A-Za-z0-9._~%-]+(/[A-Za-z0-9._~%-]+)*$)"));
    return name.match(address).hasMatch() &&
           !address.mid(PartAddress.size()).split(u'/').contains(QStringLiteral(".."));
}

} // namespace

bool isCourseCode(const QString &code)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9]{1,10}$"));
    return pattern.match(code).hasMatch();
}

std::optional<QString> checkQuestionPage(const QByteArray &bytes)
{
    const auto [headLines, body] = splitHead(bytes);
    const QMap<QString, QString> head = parseHeaders(headLines);
    const QString contentType = head.value(QStringLiteral("content-type"));
    if (mediaType(contentType) != u"multipart/related")
        return QStringLiteral("it is not a MIME HTML page (multipart/related)");
    const QString boundary = boundaryOf(contentType);
    static const QRegularExpression boundaryPattern(
        QStringLiteral("^[A-Za-z0-9'()+_,./:=?-]{1,70}$"));
    if (!boundaryPattern.match(boundary).hasMatch())
        return QStringLiteral("its part boundary is missing or malformed");

    // The parts: every line "--boundary" opens one, "--boundary--" ends the last.
    const QByteArray open = "--" + boundary.toLatin1();
    QList<Part> parts;
    bool ended = false;
    qsizetype partStart = -1;
    for (qsizetype at = 0; at < body.size();) {
        qsizetype end = body.indexOf('\n', at);
        if (end < 0)
            end = body.size();
        QByteArrayView line = QByteArrayView(body).sliced(at, end - at);
        if (line.endsWith('\r'))
            line.chop(1);
        const bool opens = line == QByteArrayView(open);
        const bool closes = !opens && line.size() == open.size() + 2 && line.startsWith(open) &&
                            line.endsWith("--");
        if (opens || closes) {
            if (partStart >= 0)
                parts.last().body = body.mid(partStart, at - partStart);
            if (closes) {
                ended = true;
                break;
            }
            if (parts.size() >= MaxParts)
                return QStringLiteral("it has more than %1 parts").arg(MaxParts);
            parts.append(Part{});
            partStart = end + 1;
        }
        at = end + 1;
    }
    if (!ended)
        return QStringLiteral("its last part is not closed (the page is cut short)");
    if (parts.isEmpty())
        return QStringLiteral("it has no parts");

    QSet<QString> locations;
    QString html;
    QList<QString> svgs;
    for (qsizetype p = 0; p < parts.size(); ++p) {
        auto [partHead, partBody] = splitHead(parts.at(p).body);
        const QMap<QString, QString> headers = parseHeaders(partHead);
        const QString type = mediaType(headers.value(QStringLiteral("content-type")));
        const QString encoding =
            headers.value(QStringLiteral("content-transfer-encoding")).trimmed().toLower();
        const QString location = headers.value(QStringLiteral("content-location")).trimmed();
        if (!isPartAddress(location))
            return QStringLiteral("part %1 is named \"%2\"; a part is named %3 and a plain file "
                                  "name")
                .arg(p + 1)
                .arg(shown(location), PartAddress);
        if (locations.contains(location))
            return QStringLiteral("two parts are named \"%1\"").arg(shown(location));
        locations.insert(location);
        if (p == 0) {
            if (type != u"text/html")
                return QStringLiteral("its first part is not HTML");
            std::optional<QByteArray> decoded;
            if (encoding == u"quoted-printable")
                decoded = decodeQuotedPrintable(partBody);
            else if (encoding.isEmpty() || encoding == u"7bit" || encoding == u"8bit")
                decoded = partBody;
            if (!decoded)
                return QStringLiteral("its HTML part is not encoded as quoted-printable or plain "
                                      "text");
            html = records::fromWindows1252(*decoded);
            continue;
        }
        static const QSet<QString> pictures{
            QStringLiteral("image/png"), QStringLiteral("image/gif"), QStringLiteral("image/jpeg"),
            QStringLiteral("image/svg+xml")};
        if (!pictures.contains(type))
            return QStringLiteral("part %1 is \"%2\"; a page holds PNG, GIF, JPEG or SVG pictures")
                .arg(p + 1)
                .arg(shown(type));
        if (encoding != u"base64")
            return QStringLiteral("picture \"%1\" is not encoded as base64").arg(shown(location));
        QByteArray compact = partBody;
        compact.replace("\r", "").replace("\n", "");
        const QByteArray::FromBase64Result picture =
            QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
        if (!picture)
            return QStringLiteral("picture \"%1\" is not valid base64").arg(shown(location));
        if (type == u"image/svg+xml")
            svgs.append(QString::fromUtf8(*picture));
    }
    if (std::optional<QString> bad = checkMarkup(html, locations))
        return bad;
    for (const QString &svg : std::as_const(svgs)) {
        if (std::optional<QString> bad = checkMarkup(svg, locations))
            return QStringLiteral("an SVG picture: %1").arg(*bad);
    }
    return std::nullopt;
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
            .arg(shown(info.code));
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
                    .arg(shown(code)));
    if (info && (info->name != name || info->code != code))
        problem(QStringLiteral("the course's details (\"%1\", %2) differ from its descriptor "
                               "(\"%3\", %4)")
                    .arg(shown(info->name), shown(info->code), shown(name), shown(code)));

    QSet<int> expected{content::DescriptorItem};
    int named = 0;
    static const char *const nameKeys[] = {"LAH", "LBH", "LCH"};
    for (int s = 1; s <= 3; ++s) {
        const QString subjectName = descriptor->value(QLatin1StringView(nameKeys[s - 1]));
        const QString digit = QString::number(s);
        if (subjectName.isEmpty())
            continue;
        ++named;
        const QString subject = QStringLiteral("subject %1 (%2)").arg(digit, shown(subjectName));
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
                                .arg(subject, paper, shown(id)));
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
                                        .arg(shown(f->at(b))));
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
                                    .arg(where, shown(type)));
                        continue;
                    }
                    if (!wholeNumber(m->at(b), 1000))
                        problem(QStringLiteral("%1: the mark \"%2\" is not a whole number from 0 "
                                               "to 1000")
                                    .arg(where, shown(m->at(b))));
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
                                    .arg(where, shown(key), QString(code)));
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
                            .arg(subject, shown(key)));
        }
        std::vector<const Table *> questionTables{&keys, &types, &marks};
        if (flagTable)
            questionTables.push_back(&*flagTable);
        for (const Table *table : questionTables) {
            for (const auto &[key, fields] : table->records) {
                if (!questions.contains(key)) {
                    problem(
                        QStringLiteral("%1: a table holds question \"%2\", which no paper lists")
                            .arg(subject, shown(key)));
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

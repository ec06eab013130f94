// SPDX-License-Identifier: GPL-3.0-or-later
#include "courses/checks.h"
#include "courses/tables.h"

#include "records/records.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

// The check of one question page: its MIME parts, and in its markup and styles every element,
// attribute and address that could run code or reach anything beyond the page's own parts.
namespace courses {

namespace {

constexpr int MaxParts = 200;
const QString PartAddress = QStringLiteral("http://larkspur.local/");

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

// An address may name one of the page's own parts, or a place in the page; nothing else.
std::optional<QString> checkAddress(const QString &raw, const QSet<QString> &parts)
{
    const QString address = raw.trimmed();
    if (address.isEmpty() || address.startsWith(u'#') || parts.contains(address))
        return std::nullopt;
    return QStringLiteral("it reaches for \"%1\", which is not part of the page")
        .arg(shortened(address));
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
                return QStringLiteral("it holds http-equiv=\"%1\"").arg(shortened(value));
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
                .arg(shortened(location), PartAddress);
        if (locations.contains(location))
            return QStringLiteral("two parts are named \"%1\"").arg(shortened(location));
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
                .arg(shortened(type));
        if (encoding != u"base64")
            return QStringLiteral("picture \"%1\" is not encoded as base64")
                .arg(shortened(location));
        QByteArray compact = partBody;
        compact.replace("\r", "").replace("\n", "");
        const QByteArray::FromBase64Result picture =
            QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
        if (!picture)
            return QStringLiteral("picture \"%1\" is not valid base64").arg(shortened(location));
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

} // namespace courses

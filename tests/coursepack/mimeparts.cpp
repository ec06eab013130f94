#include "mimeparts.h"

#include <QRegularExpression>

namespace {

QMap<QString, QString> parseHeaders(const QList<QByteArray> &lines, qsizetype &i, QString &error)
{
    QMap<QString, QString> headers;
    QString last;
    for (; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (line.isEmpty()) {
            ++i;
            return headers;
        }
        if (line.startsWith(' ') || line.startsWith('\t')) {
            if (last.isEmpty())
                error = QStringLiteral("folded line without a header");
            headers[last] += u' ' + QString::fromLatin1(line.trimmed());
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0) {
            error = QStringLiteral("bad header line: ") + QString::fromLatin1(line);
            return headers;
        }
        last = QString::fromLatin1(line.left(colon)).toLower();
        headers[last] = QString::fromLatin1(line.mid(colon + 1).trimmed());
    }
    error = QStringLiteral("headers without an end");
    return headers;
}

QByteArray decodeQuotedPrintable(const QList<QByteArray> &lines, QString &error)
{
    QByteArray out;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QByteArray &line = lines.at(n);
        if (line.size() > 76)
            error = QStringLiteral("quoted-printable line longer than 76");
        bool soft = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const char c = line.at(i);
            if (c != '=') {
                if (static_cast<unsigned char>(c) > 126)
                    error = QStringLiteral("8-bit byte in quoted-printable text");
                out += c;
                continue;
            }
            if (i == line.size() - 1) {
                soft = true;
                break;
            }
            bool ok = false;
            const int value = line.mid(i + 1, 2).toInt(&ok, 16);
            if (!ok || i + 2 >= line.size())
                error = QStringLiteral("bad = escape");
            out += char(value);
            i += 2;
        }
        if (!soft && n + 1 < lines.size())
            out += "\r\n";
    }
    return out;
}

} // namespace

QString headerParameter(const QString &header, const QString &name)
{
    const QRegularExpression pattern(QStringLiteral(R"re(;\s*%1\s*=\s*"?([^";]*)"?)re").arg(name),
                                     QRegularExpression::CaseInsensitiveOption);
    return pattern.match(header).captured(1);
}

MimeDocument parseMime(const QByteArray &bytes)
{
    MimeDocument doc;
    if (bytes.contains('\n') && bytes.count('\n') != bytes.count("\r\n")) {
        doc.error = QStringLiteral("line ends are not all CR LF");
        return doc;
    }
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray &l : lines) {
        if (l.endsWith('\r'))
            l.chop(1);
    }
    qsizetype i = 0;
    doc.headers = parseHeaders(lines, i, doc.error);
    if (!doc.error.isEmpty())
        return doc;
    const QString type = doc.headers.value(QStringLiteral("content-type"));
    if (!type.startsWith(QStringLiteral("multipart/related"), Qt::CaseInsensitive)) {
        doc.error = QStringLiteral("not multipart/related: ") + type;
        return doc;
    }
    const QByteArray boundary = "--" + headerParameter(type, QStringLiteral("boundary")).toLatin1();
    if (boundary.size() <= 2) {
        doc.error = QStringLiteral("no boundary");
        return doc;
    }
    while (i < lines.size() && lines.at(i) != boundary)
        ++i;
    bool closed = false;
    while (i < lines.size() && !closed) {
        ++i; // past the boundary line
        MimePart part;
        part.headers = parseHeaders(lines, i, doc.error);
        if (!doc.error.isEmpty())
            return doc;
        QList<QByteArray> body;
        for (; i < lines.size(); ++i) {
            if (lines.at(i) == boundary)
                break;
            if (lines.at(i) == boundary + "--") {
                closed = true;
                break;
            }
            body.append(lines.at(i));
        }
        // The line end just before a boundary belongs to the boundary: the last element of
        // `body` is what stood between the last CR LF of the content and the boundary.
        const QString encoding =
            part.headers.value(QStringLiteral("content-transfer-encoding")).toLower();
        if (encoding == u"quoted-printable") {
            part.body = decodeQuotedPrintable(body, doc.error);
        } else if (encoding == u"base64") {
            for (const QByteArray &l : body) {
                if (l.size() > 76)
                    doc.error = QStringLiteral("base64 line longer than 76");
            }
            const auto decoded = QByteArray::fromBase64Encoding(
                body.join(), QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded)
                doc.error = QStringLiteral("bad base64");
            part.body = *decoded;
        } else {
            doc.error = QStringLiteral("unknown transfer encoding ") + encoding;
        }
        doc.parts.append(part);
    }
    if (!closed && doc.error.isEmpty())
        doc.error = QStringLiteral("no closing boundary");
    return doc;
}

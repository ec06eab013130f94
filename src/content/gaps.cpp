#include "gaps.h"

#include "records/records.h"

#include <QRegularExpression>

namespace content {

namespace {

QByteArray decodeQuotedPrintable(const QByteArray &in)
{
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char c = in.at(i);
        if (c != '=') {
            out += c;
            continue;
        }
        if (i + 2 < in.size() && in.at(i + 1) == '\r' && in.at(i + 2) == '\n') {
            i += 2; // soft line break
            continue;
        }
        if (i + 1 < in.size() && in.at(i + 1) == '\n') {
            i += 1;
            continue;
        }
        bool ok = false;
        const int value = in.mid(i + 1, 2).toInt(&ok, 16);
        if (ok && i + 2 < in.size()) {
            out += char(value);
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

// The HTML page of a MIME HTML document: its first text/html part, decoded.
QString htmlPage(const QByteArray &document)
{
    const qsizetype type = document.indexOf("Content-Type: text/html");
    if (type < 0)
        return {};
    qsizetype bodyStart = document.indexOf("\r\n\r\n", type);
    if (bodyStart < 0)
        return {};
    const QByteArray headers = document.mid(type, bodyStart - type);
    bodyStart += 4;
    qsizetype bodyEnd = document.indexOf("\r\n--", bodyStart);
    if (bodyEnd < 0)
        bodyEnd = document.size();
    const QByteArray body = document.mid(bodyStart, bodyEnd - bodyStart);
    if (headers.contains("quoted-printable"))
        return records::fromWindows1252(decodeQuotedPrintable(body));
    if (headers.contains("base64"))
        return records::fromWindows1252(QByteArray::fromBase64(body));
    return records::fromWindows1252(body);
}

QString entityText(const QString &name)
{
    static const QList<std::pair<QString, QString>> named = {
        {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},
        {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},
        {QStringLiteral("nbsp"), QStringLiteral(" ")},
        {QStringLiteral("pound"), QStringLiteral("\u00a3")},
        {QStringLiteral("euro"), QStringLiteral("\u20ac")},
        {QStringLiteral("deg"), QStringLiteral("\u00b0")},
    };
    if (name.startsWith(u'#')) {
        bool ok = false;
        const uint code = name.startsWith(QStringLiteral("#x"), Qt::CaseInsensitive)
                              ? name.mid(2).toUInt(&ok, 16)
                              : name.mid(1).toUInt(&ok);
        return ok && code > 0 && code < 0x10000 ? QString(QChar(char16_t(code))) : QString();
    }
    for (const auto &[key, text] : named)
        if (key == name)
            return text;
    return {};
}

// Markup to plain text; a paragraph, line or cell boundary stops the text beside a gap.
QString plainText(const QString &html)
{
    static const QRegularExpression block(
        QStringLiteral(R"(<\s*/?\s*(p|br|div|li|ol|ul|td|th|tr|table|h[1-6]|main|figure)\b[^>]*>)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    static const QRegularExpression entity(QStringLiteral("&(#?[A-Za-z0-9]+);"));
    QString text = html;
    text.replace(block, QStringLiteral("\n"));
    text.remove(tag);
    QString out;
    qsizetype last = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(last, m.capturedStart() - last);
        out += entityText(m.captured(1));
        last = m.capturedEnd();
    }
    out += QStringView(text).mid(last);
    out.replace(QChar(0xa0), u' ');
    return out;
}

} // namespace

QList<GapText> GapTexts(const QByteArray &document)
{
    const QString page = htmlPage(document);
    // A gap is <span class="gap gap-T"><span class="gap-label">(a)</span></span>.
    static const QRegularExpression gap(QStringLiteral(
        R"(<span class="gap gap-[A-Z]"><span class="gap-label">[^<]*</span></span>)"));
    QList<std::pair<qsizetype, qsizetype>> spans;
    for (auto it = gap.globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        spans.append({m.capturedStart(), m.capturedEnd()});
    }
    QList<GapText> gaps;
    for (qsizetype k = 0; k < spans.size(); ++k) {
        const qsizetype from = k == 0 ? 0 : spans[k - 1].second;
        const qsizetype to = k + 1 < spans.size() ? spans[k + 1].first : page.size();
        QString before = plainText(page.mid(from, spans[k].first - from));
        QString after = plainText(page.mid(spans[k].second, to - spans[k].second));
        before = before.mid(before.lastIndexOf(u'\n') + 1);
        after = after.left(after.indexOf(u'\n') < 0 ? after.size() : after.indexOf(u'\n'));
        gaps.append({before, after});
    }
    return gaps;
}

} // namespace content

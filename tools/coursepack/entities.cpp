#include "entities.h"

#include <QRegularExpression>

#include <array>
#include <utility>

namespace coursepack {

namespace {
constexpr std::array<std::pair<const char *, char16_t>, 56> kNamed{{
    {"lt", u'<'},       {"gt", u'>'},       {"amp", u'&'},      {"quot", u'"'},
    {"apos", u'\''},    {"nbsp", 0x00A0},   {"times", 0x00D7},  {"divide", 0x00F7},
    {"deg", 0x00B0},    {"frac12", 0x00BD}, {"frac14", 0x00BC}, {"frac34", 0x00BE},
    {"pound", 0x00A3},  {"euro", 0x20AC},   {"cent", 0x00A2},   {"yen", 0x00A5},
    {"copy", 0x00A9},   {"reg", 0x00AE},    {"plusmn", 0x00B1}, {"sup1", 0x00B9},
    {"sup2", 0x00B2},   {"sup3", 0x00B3},   {"micro", 0x00B5},  {"middot", 0x00B7},
    {"para", 0x00B6},   {"sect", 0x00A7},   {"laquo", 0x00AB},  {"raquo", 0x00BB},
    {"hellip", 0x2026}, {"ndash", 0x2013},  {"mdash", 0x2014},  {"lsquo", 0x2018},
    {"rsquo", 0x2019},  {"ldquo", 0x201C},  {"rdquo", 0x201D},  {"bull", 0x2022},
    {"trade", 0x2122},  {"aacute", 0x00E1}, {"agrave", 0x00E0}, {"acirc", 0x00E2},
    {"auml", 0x00E4},   {"ccedil", 0x00E7}, {"eacute", 0x00E9}, {"egrave", 0x00E8},
    {"ecirc", 0x00EA},  {"euml", 0x00EB},   {"iacute", 0x00ED}, {"iuml", 0x00EF},
    {"ntilde", 0x00F1}, {"oacute", 0x00F3}, {"ocirc", 0x00F4},  {"ouml", 0x00F6},
    {"uacute", 0x00FA}, {"uuml", 0x00FC},   {"szlig", 0x00DF},  {"Eacute", 0x00C9},
}};
} // namespace

EntityDecoding decodeEntities(const QString &html)
{
    static const QRegularExpression reference(
        QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9A-Fa-f]{1,6}|[A-Za-z][A-Za-z0-9]{1,31});"));
    EntityDecoding out;
    qsizetype last = 0;
    for (auto it = reference.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out.text += html.mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        const QString name = m.captured(1);
        char32_t code = 0;
        if (name.startsWith(u'#')) {
            bool ok = false;
            const bool hex = name.size() > 1 && (name.at(1) == u'x' || name.at(1) == u'X');
            code = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
            if (!ok || code == 0 || code > 0x10FFFF)
                code = 0;
        } else {
            for (const auto &[entity, value] : kNamed) {
                if (name == QLatin1StringView(entity)) {
                    code = value;
                    break;
                }
            }
        }
        if (code == 0) {
            if (out.unknown.isEmpty())
                out.unknown = m.captured(0);
            out.text += m.captured(0);
            continue;
        }
        out.text += QString::fromUcs4(&code, 1);
    }
    out.text += html.mid(last);
    return out;
}

} // namespace coursepack

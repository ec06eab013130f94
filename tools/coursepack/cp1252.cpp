#include "cp1252.h"

#include <array>

namespace coursepack::cp1252 {

namespace {
// Bytes 0x80-0x9F; 0 marks the five bytes the code page leaves unassigned.
constexpr std::array<char16_t, 32> kHigh{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteFor(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'\t' || u == u'\n' || u == u'\r')
        return u;
    if (u < 0x20 || u == 0x7F)
        return -1;
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] != 0 && kHigh[i] == u)
            return int(0x80 + i);
    }
    return -1;
}
} // namespace

bool canHold(QChar c)
{
    return byteFor(c) >= 0;
}

QByteArray encode(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = byteFor(c);
        out.append(b >= 0 ? char(b) : '?');
    }
    return out;
}

QString decode(QByteArrayView bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0)
            out.append(kHigh[b - 0x80] != 0 ? QChar(kHigh[b - 0x80]) : QChar(b));
        else
            out.append(QChar(b));
    }
    return out;
}

} // namespace coursepack::cp1252

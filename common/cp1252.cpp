#include "common/cp1252.h"

namespace {
// Bytes 0x80 to 0x9F; 0 where the code page leaves the byte unassigned.
constexpr char16_t high[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};
} // namespace

unsigned char toCp1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (int i = 0; i < 32; ++i)
        if (high[i] != 0 && high[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return 0;
}

char16_t fromCp1252(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return high[byte - 0x80] ? high[byte - 0x80] : char16_t(byte);
    return byte;
}

QByteArray encodeCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const unsigned char b = toCp1252(c.unicode());
        out += (b != 0 || c.unicode() == 0) ? char(b) : '?';
    }
    return out;
}

QString decodeCp1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out += QChar(fromCp1252(static_cast<unsigned char>(b)));
    return out;
}

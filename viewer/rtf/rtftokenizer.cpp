#include "viewer/rtf/rtftokenizer.h"

#include <algorithm>
#include <cctype>

namespace {
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
} // namespace

void RtfTokenizer::skipBytes(int64_t count)
{
    pos = qsizetype(std::min<int64_t>(data.size(), pos + std::max<int64_t>(0, count)));
}

QByteArray RtfTokenizer::takeBytes(int64_t count)
{
    const qsizetype start = pos;
    skipBytes(count);
    return data.mid(start, pos - start);
}

RtfToken RtfTokenizer::next()
{
    RtfToken t;
    const qsizetype n = data.size();
    // Line breaks in RTF source carry no meaning.
    while (pos < n && (data[pos] == '\r' || data[pos] == '\n'))
        ++pos;
    if (pos >= n)
        return t;
    const char c = data[pos];
    if (c == '{') {
        ++pos;
        t.kind = RtfToken::GroupStart;
        return t;
    }
    if (c == '}') {
        ++pos;
        t.kind = RtfToken::GroupEnd;
        return t;
    }
    if (c != '\\') {
        const qsizetype start = pos;
        while (pos < n && data[pos] != '\\' && data[pos] != '{' && data[pos] != '}' && data[pos] != '\r' && data[pos] != '\n')
            ++pos;
        t.kind = RtfToken::Text;
        t.word = QByteArray::fromRawData(data.constData() + start, pos - start);
        return t;
    }
    ++pos;  // the backslash
    if (pos >= n) {
        // A lone backslash at the very end: nothing to read.
        return t;
    }
    const char d = data[pos];
    if (isLetter(d)) {
        const qsizetype start = pos;
        while (pos < n && isLetter(data[pos]) && pos - start < 32)
            ++pos;
        t.kind = RtfToken::ControlWord;
        t.word = QByteArray::fromRawData(data.constData() + start, pos - start);
        bool negative = false;
        if (pos < n && data[pos] == '-' && pos + 1 < n && isDigit(data[pos + 1])) {
            negative = true;
            ++pos;
        }
        if (pos < n && isDigit(data[pos])) {
            int64_t value = 0;
            while (pos < n && isDigit(data[pos])) {
                value = std::min<int64_t>(value * 10 + (data[pos] - '0'), int64_t(1) << 32);
                ++pos;
            }
            if (negative)
                value = -value;
            t.hasParameter = true;
            t.parameter = int32_t(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
        }
        if (pos < n && data[pos] == ' ')
            ++pos;  // the delimiting blank belongs to the control word
        return t;
    }
    if (d == '\'') {
        ++pos;
        const int high = pos < n ? hexValue(data[pos]) : -1;
        const int low = pos + 1 < n ? hexValue(data[pos + 1]) : -1;
        if (high < 0 || low < 0) {
            // A cut-off escape is dropped.
            while (pos < n && hexValue(data[pos]) >= 0 && pos < n)
                ++pos;
            t.kind = RtfToken::ControlSymbol;
            t.symbol = '\'';
            return t;
        }
        pos += 2;
        t.kind = RtfToken::HexByte;
        t.byte = static_cast<unsigned char>(high * 16 + low);
        return t;
    }
    ++pos;
    t.kind = RtfToken::ControlSymbol;
    t.symbol = d;
    return t;
}

#pragma once
// Splits RTF into groups, control words, control symbols and text.

#include <QByteArray>

#include <cstdint>

struct RtfToken {
    enum Kind { GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text, End };
    Kind kind = End;
    QByteArray word;          // control word name, or the text of a Text token; refers to the data
    bool hasParameter = false;
    int32_t parameter = 0;    // clamped to the 32-bit range RTF allows
    char symbol = 0;          // control symbol, e.g. '*', '~', '\\'
    unsigned char byte = 0;   // the value of \'hh
};

class RtfTokenizer {
public:
    explicit RtfTokenizer(const QByteArray& data) : data(data) {}
    RtfToken next();
    // Skips or takes raw bytes (after \binN).
    void skipBytes(int64_t count);
    QByteArray takeBytes(int64_t count);
    qsizetype position() const { return pos; }
    bool atEnd() const { return pos >= data.size(); }

private:
    const QByteArray& data;
    qsizetype pos = 0;
};

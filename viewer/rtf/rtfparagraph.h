#pragma once
// The paragraph formatting of RTF: alignment (\ql \qc \qr \qj), indents (\li \ri \fi), space
// before and after (\sb \sa) and line spacing (\sl \slmult). The reader keeps them with each
// group as word processors do, \pard sets them back, and the block a paragraph mark ends takes
// them as its QTextBlockFormat; the writer writes a block's format back as the same words.

#include <QByteArray>
#include <QTextFormat>

#include <string_view>

struct RtfParagraph {
    enum class Alignment : char { Left, Centred, Right, Justified };
    Alignment alignment = Alignment::Left;
    // Twips. A negative first-line indent hangs out to the left, as a list's bullet does.
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    // \sl: 0 single; above 0 at least, below 0 exactly that many twips; with \slmult1 a
    // multiple of a line, 240 being one.
    int lineSpacing = 0;
    bool lineMultiple = false;

    bool operator==(const RtfParagraph&) const = default;

    // Takes one paragraph control word other than \pard (ql, qc, qr, qj, qd, li, lin, ri,
    // rin, fi, sb, sa, sl, slmult); any other word changes nothing.
    void apply(std::string_view word, bool hasParameter, int parameter);
    QTextBlockFormat blockFormat() const;
};

// The control words that give a paragraph a block's format, to follow \pard: empty for a
// plain left-aligned paragraph.
QByteArray rtfParagraphWords(const QTextBlockFormat& format);

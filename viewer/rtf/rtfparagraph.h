#pragma once
// The paragraph formatting of RTF: alignment (\ql \qc \qr \qj), indents (\li \ri \fi), space
// before and after (\sb \sa), line spacing (\sl \slmult) and tab stops (\tx with \tqr \tqc
// \tqdec). The reader keeps them with each
// group as word processors do, \pard sets them back, and the block a paragraph mark ends takes
// them as its QTextBlockFormat; the writer writes a block's format back as the same words.

#include "viewer/rtf/rtfunits.h"

#include <QByteArray>
#include <QList>
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
    // Tab stops in twips from the page's left margin, with their kind; the kind word comes
    // before the \tx it belongs to.
    enum class TabKind : char { Left, Right, Centred, Decimal };
    struct TabStop {
        int position = 0;
        TabKind kind = TabKind::Left;
        bool operator==(const TabStop&) const = default;
    };
    QList<TabStop> tabs;
    TabKind nextTabKind = TabKind::Left;

    bool operator==(const RtfParagraph&) const = default;

    // Takes one paragraph control word other than \pard (ql, qc, qr, qj, qd, li, lin, ri,
    // rin, fi, sb, sa, sl, slmult, tx, tqr, tqc, tqdec, tb); any other word changes nothing.
    void apply(std::string_view word, bool hasParameter, int parameter);
    QTextBlockFormat blockFormat() const;
};

// The room a block's spacing and line height ask for, in pixels (a multiple of lines counted
// in lines of 12 points), and the same format without them.
double rtfSpacingPixels(const QTextBlockFormat& format);
QTextBlockFormat rtfWithoutSpacing(QTextBlockFormat format);
// The spacing of all a document's paragraphs together stays within a thousand pages: beyond
// that, paragraphs are set without it. A document millions of pixels high froze the window
// for minutes while it was laid out.
constexpr double rtfDocumentSpacingPixels = 1000 * rtfTallestTwips / twipsPerPixel;

// The control words that give a paragraph a block's format, to follow \pard: empty for a
// plain left-aligned paragraph.
QByteArray rtfParagraphWords(const QTextBlockFormat& format);

// Word processors step to the next multiple of half an inch where a paragraph has no tab stop.
constexpr int rtfDefaultTabTwips = 720;

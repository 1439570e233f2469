#include "viewer/rtf/rtfwriter.h"

#include "common/cp1252.h"
#include "viewer/rtf/rtfcodepages.h"
#include "viewer/rtf/rtfparagraph.h"
#include "viewer/rtf/rtfpicture.h"
#include "viewer/rtf/rtfunits.h"
#include "viewer/rtf/rtftablewriter.h"

#include <QColor>
#include <QHash>
#include <QSizeF>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>
#include <utility>

namespace {

QString familyOf(const QTextCharFormat& format, const QTextDocument& document)
{
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    return document.defaultFont().family();
}

double sizeOf(const QTextCharFormat& format, const QTextDocument& document)
{
    const double size = format.fontPointSize();
    if (size > 0)
        return size;
    const QFont font = document.defaultFont();
    return font.pointSizeF() > 0 ? font.pointSizeF() : 10;
}

// In a symbol font, readers take a byte for the symbol it shows there (a letter for a Greek
// one); characters are written as Unicode values so that they read back as they are.
void appendEscaped(QByteArray& out, const QString& text, bool symbolFont = false)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (symbolFont && u > 0x20 && u != u'\\' && u != u'{' && u != u'}') {
            out += "\\u" + QByteArray::number(int(int16_t(u))) + '?';
        } else if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u == 0x2028 || u == u'\n') {
            out += "\\line ";
        } else if (u == 0x00A0) {
            out += "\\~";
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else if (u < 0x20) {
            // Other control characters have no place in RTF text.
        } else if (const unsigned char b = toCp1252(u); b != 0) {
            out += "\\'";
            out += QByteArray::number(b, 16).rightJustified(2, '0');
        } else {
            // Outside the code page: the Unicode value, with '?' for readers that know no \u.
            out += "\\u" + QByteArray::number(int(int16_t(u))) + '?';
        }
    }
}

// Each picture of a fragment (adjacent pictures may share one) as a \pict group.
void appendPictures(QByteArray& out, const QTextFragment& fragment, const QTextDocument& document)
{
    const QTextImageFormat format = fragment.charFormat().toImageFormat();
    QByteArray kind;
    const QByteArray bytes = pictureForWriting(format, document, kind);
    if (bytes.isEmpty())
        return;
    const QByteArray hex = bytes.toHex();
    // A note standing in for a picture writes the picture's size, not its own.
    const QSizeF size = format.hasProperty(pictureSizeProperty) ? format.property(pictureSizeProperty).toSizeF()
                                                                : QSizeF(format.width(), format.height());
    for (QChar c : fragment.text()) {
        if (c != QChar::ObjectReplacementCharacter)
            continue;
        out += "{\\pict\\" + kind;
        // The document's pixels are 1/96 inch, 15 twips.
        if (size.width() > 0)
            out += "\\picwgoal" + QByteArray::number(std::lround(size.width() * twipsPerPixel));
        if (size.height() > 0)
            out += "\\pichgoal" + QByteArray::number(std::lround(size.height() * twipsPerPixel));
        out += "\r\n";
        for (qsizetype i = 0; i < hex.size(); i += 128)
            out += hex.mid(i, 128) + "\r\n";
        out += '}';
    }
}

// A colour behind the characters, written as their highlight.
bool hasBackground(const QTextCharFormat& format)
{
    return format.hasProperty(QTextFormat::BackgroundBrush) && format.background().style() != Qt::NoBrush;
}

// The colours of the text, each once, found by their value: a document of thousands of colours
// is written in as many steps, not in thousands of steps for each run of text.
class TextColours {
public:
    explicit TextColours(QList<QColor>& colours) : colours(colours) {}

    // The colour's place in the list, or -1.
    qsizetype indexOf(const QColor& c) const
    {
        const auto it = first.constFind(c.rgba64());
        if (it == first.constEnd())
            return -1;
        // Colours of other colour models may share a value and still differ.
        return colours[*it] == c ? *it : colours.indexOf(c);
    }

    void add(const QColor& c)
    {
        if (indexOf(c) >= 0)
            return;
        if (!first.contains(c.rgba64()))
            first.insert(c.rgba64(), colours.size());
        colours << c;
    }

private:
    QList<QColor>& colours;
    QHash<quint64, qsizetype> first;  // where the first colour of a value is
};

} // namespace

QByteArray writeRtf(const QTextDocument& document)
{
    // The tables first: every font and colour that the text uses.
    QStringList fonts{document.defaultFont().family()};
    QHash<QString, qsizetype> fontIndex{{fonts.front(), 0}};
    QList<QColor> colours;
    TextColours textColours(colours);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const QString family = familyOf(f, document);
            if (!fontIndex.contains(family)) {
                fontIndex.insert(family, fonts.size());
                fonts << family;
            }
            if (f.hasProperty(QTextFormat::ForegroundBrush))
                textColours.add(f.foreground().color());
            if (hasBackground(f))
                textColours.add(f.background().color());
        }
    }
    addBorderColours(document, colours);

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1";
    // Text steps at a tab as far as it does on the screen: half an inch in a document read from
    // RTF, the viewer's own step in one that began as plain text.
    out += "\\deftab" + QByteArray::number(std::lround(document.defaultTextOption().tabStopDistance() * twipsPerPixel));
    out += "{\\fonttbl";
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        appendEscaped(out, fonts[i]);
        out += ";}";
    }
    out += "}\r\n{\\colortbl;";
    for (const QColor& c : colours)
        out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue"
               + QByteArray::number(c.blue()) + ';';
    out += "}\r\n";

    appendParagraphsAndTables(out, document, colours, [&](QByteArray& out, const QTextBlock& block) {
        out += rtfParagraphWords(block.blockFormat()) + ' ';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            if (f.isImageFormat()) {
                appendPictures(out, fragment, document);
                continue;
            }
            out += "{\\plain\\f" + QByteArray::number(fontIndex.value(familyOf(f, document)));
            out += "\\fs" + QByteArray::number(std::lround(sizeOf(f, document) * 2));
            if (f.fontWeight() >= QFont::Bold) out += "\\b";
            if (f.fontItalic()) out += "\\i";
            if (f.fontUnderline()) out += "\\ul";
            if (f.fontStrikeOut()) out += "\\strike";
            // Note marks and units such as m² are raised or lowered; saving keeps them so.
            if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) out += "\\super";
            if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) out += "\\sub";
            if (f.hasProperty(QTextFormat::ForegroundBrush))
                out += "\\cf" + QByteArray::number(textColours.indexOf(f.foreground().color()) + 1);
            if (hasBackground(f))
                out += "\\highlight" + QByteArray::number(textColours.indexOf(f.background().color()) + 1);
            out += ' ';
            appendEscaped(out, fragment.text(), symbolFontOf(familyOf(f, document)) != SymbolFont::None);
            out += '}';
        }
    });
    out += "}\r\n";
    return out;
}

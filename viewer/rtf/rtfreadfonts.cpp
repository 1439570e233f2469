// Fonts: the font table's entries, the font a text is in, and the code page its bytes are read in.
#include "viewer/rtf/rtfdocumentreader.h"

#include <QFont>
#include <QFontInfo>

namespace rtfread {

void Reader::fontTableWord(const RtfToken& t, Word word)
{
    const int p = t.parameter;
    if (!t.hasParameter)
        return;
    if (word == Word::Font) {
        // An entry given again replaces the first, unless text was read in the
        // default font already.
        tableEntry = textRead && p == defaultFont ? &(ignoredEntry = Font{}) : &(fonts[p] = Font{});
    } else if (Font* font = tableEntry) {
        if (word == Word::Charset) {
            if (font->codePage == 0)
                font->codePage = codePageOfCharset(p);
        } else if (word == Word::CodePage) {
            font->codePage = p;
        }
    }
}

void Reader::applyFont(State& st, int index)
{
    st.font = index;
    const auto it = fonts.find(index);
    if (it == fonts.end())
        return;
    Font* font = &it->second;
    // An entry without its closing semicolon still names its font.
    if (!font->families.isValid())
        finishFontName(*font);
    if (font->symbol != SymbolFont::None && !font->withFallback && !font->name.isEmpty()) {
        font->families = QVariant(familiesShown(*font));
        font->withFallback = true;
    }
    if (!font->name.isEmpty()) {
        st.format.setProperty(QTextFormat::FontFamilies, font->families);
        st.format.setProperty(familyKeyProperty, font->key);
        st.symbol = font->symbol;
    }
}

// The text of a symbol font is read as the characters it shows (a bullet, Greek letters),
// which such a font holds only at its private places: a second family shows them, and
// the symbol font's name stays first, for writing back. The second is the document's
// default font, or the family the document had when that is a symbol font too.
QStringList Reader::familiesShown(const Font& font)
{
    if (font.symbol == SymbolFont::None)
        return {font.name};
    if (!shownInstead) {
        const Font* standard = fontAt(defaultFont);
        const QString wanted = standard && !standard->name.isEmpty() && standard->symbol == SymbolFont::None
                                   ? standard->name
                               : symbolFontOf(familyBefore) == SymbolFont::None ? familyBefore
                                                                                : QStringLiteral("Sans Serif");
        // Only an installed family stands in for missing characters, not a name that the
        // system resolves to one (such as Times New Roman where only its metric twin is).
        shownInstead = QFontInfo(QFont(wanted)).family();
    }
    return {font.name, *shownInstead};
}

// Control characters are no part of a name.
void Reader::addToFontName(Font& font, QChar c)
{
    if (c.category() != QChar::Other_Control && !c.isSurrogate())
        font.name += c;
}

void Reader::finishFontName(Font& font)
{
    font.name = font.name.trimmed();
    font.symbol = symbolFontOf(font.name);
    font.families = QVariant(QStringList{font.name});
    font.withFallback = false;
    font.key = int(qHash(font.name));
}

bool Reader::isDoubleByte(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
}

CodePageDecoder& Reader::decoderFor(int codePage)
{
    auto& decoder = decoders[codePage];
    if (!decoder)
        decoder = std::make_unique<CodePageDecoder>(codePage);
    // A character cannot continue across a change of code page.
    if (lastDecoder && lastDecoder != decoder.get())
        lastDecoder->reset();
    lastDecoder = decoder.get();
    return *decoder;
}

} // namespace rtfread

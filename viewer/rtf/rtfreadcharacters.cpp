// Character formats, and the words that say how the document's bytes become characters.
#include "viewer/rtf/rtfdocumentreader.h"

#include <algorithm>

namespace rtfread {

void Reader::characterWord(const RtfToken& t, Word word)
{
    State& st = current();
    const int p = t.parameter;
    const bool on = !t.hasParameter || p != 0;

    switch (word) {
    case Word::AnsiCodePage: if (t.hasParameter && p > 0) documentCodePage = p; return;
    case Word::DocumentCharacterSet:
        documentCodePage = t.word == "mac" ? 10000 : t.word == "pc" ? 437 : t.word == "pca" ? 850 : 1252;
        return;
    // The default font is settled once text is read in it.
    case Word::DefaultFont: if (t.hasParameter && !textRead) defaultFont = p; return;
    case Word::UnicodeSkip: if (t.hasParameter) st.unicodeSkip = std::clamp(p, 0, 16); return;
    case Word::Character: addChar(characterOf(t.word)); return;
    default: break;
    }

    // Character formats; a change ends the text run collected so far.
    flush();
    QTextCharFormat& f = st.format;
    switch (word) {
    case Word::Plain:
        f = QTextCharFormat();
        st.hidden = false;
        st.symbol.reset();
        applyFont(st, defaultFont);
        break;
    case Word::Hidden: st.hidden = on; break;
    case Word::Bold: f.setFontWeight(on ? QFont::Bold : QFont::Normal); break;
    case Word::Italic: f.setFontItalic(on); break;
    case Word::Underline: f.setFontUnderline(on); break;
    case Word::UnderlineNone: f.setFontUnderline(false); break;
    case Word::Strike: f.setFontStrikeOut(on); break;
    case Word::FontSize:
        // Half points; a size beyond reason is not applied.
        if (t.hasParameter && p >= 2 && p <= 3276)
            f.setFontPointSize(p / 2.0);
        break;
    case Word::Font: if (t.hasParameter) applyFont(st, p); break;
    case Word::Colour:
        if (const QColor c = tableColour(t); c.isValid())
            f.setForeground(c);
        else
            f.clearForeground();
        break;
    case Word::Super: f.setVerticalAlignment(on ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignNormal); break;
    case Word::Sub: f.setVerticalAlignment(on ? QTextCharFormat::AlignSubScript : QTextCharFormat::AlignNormal); break;
    case Word::NoSuperSub: f.setVerticalAlignment(QTextCharFormat::AlignNormal); break;
    // Highlight and shading alike: the colour behind the characters; 0 is none.
    case Word::Background:
        if (const QColor c = tableColour(t); c.isValid())
            f.setBackground(c);
        else
            f.clearBackground();
        break;
    default: break;
    }
}

// The colour table's entry a word names; entry 0, the default colour, and entries beyond
// the table give none.
QColor Reader::tableColour(const RtfToken& t) const
{
    const int p = t.parameter;
    return t.hasParameter && p > 0 && p < colours.size() ? colours[p] : QColor();
}

} // namespace rtfread

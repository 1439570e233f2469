#include "viewer/rtf/rtfreader.h"

#include "common/cp1252.h"
#include "viewer/rtf/rtfcodepages.h"
#include "viewer/rtf/rtfnotes.h"
#include "viewer/rtf/rtfparagraph.h"
#include "viewer/rtf/rtfpicture.h"
#include "viewer/rtf/rtftable.h"
#include "viewer/rtf/rtfunits.h"
#include "viewer/rtf/rtftokenizer.h"

#include <QColor>
#include <QFontInfo>
#include <QHash>
#include <QTextCursor>
#include <QTextDocument>

#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// The document finds a format among those it has by a hash that leaves the font family out;
// this key, a hash of the family, keeps a document of thousands of fonts from slowing down
// with every further font.
constexpr int familyKeyProperty = QTextFormat::UserProperty + 2;

// Shape: a drawing object; only the picture it shows is read.
enum class Destination { Text, Skip, FontTable, ColourTable, Picture, Footnote, Shape };

struct State {
    Destination destination = Destination::Text;
    QTextCharFormat format;
    int font = -1;        // -1: the document's default font
    int unicodeSkip = 1;  // characters that stand in for each \uN
    bool hidden = false;
    int tableDepth = 0;   // \itap: 0 outside tables, 1 in a table's cell, 2 in a nested table's
    // The symbol font the format's family is; unset while the format names no family.
    std::optional<SymbolFont> symbol;
    RtfParagraph paragraph;
};

struct Font {
    QString name;
    int codePage = 0;  // 0: the document's code page
    SymbolFont symbol = SymbolFont::None;
    QVariant families;  // the name as the format stores it, made once
    bool withFallback = false;  // a symbol font's families name the font that shows its text
    int key = 0;        // see familyKeyProperty
};

// The control words the reader acts on.
enum class Word {
    Unknown, FontTable, ColourTable, SkippedDestination, Picture, PictureKeeper, Footnote, ListText, Font,
    Charset, CodePage, Red, Green, Blue, AnsiCodePage, DocumentCharacterSet, DefaultFont, UnicodeSkip,
    Paragraph, Character, Cell, Row, FootnoteMark, Object, Shape, ShapePart, Drawing, Plain, Hidden, Bold, Italic, Underline,
    UnderlineNone, Strike, FontSize, Colour, Super, Sub, NoSuperSub,
    ParagraphDefaults, InTable, TableDepth, RowDefinition, NestedTableProperties,
    ParagraphProperty, Background, Endnote, EndnoteNumbering, DefaultTab,
};

// Control words are looked up once each; a short hash keeps that cheap.
struct WordHash {
    size_t operator()(std::string_view word) const noexcept
    {
        size_t h = 2166136261u;
        for (char c : word)
            h = (h ^ uchar(c)) * 16777619u;
        return h;
    }
};

Word lookUp(const QByteArray& word)
{
    using Table = std::unordered_map<std::string_view, Word, WordHash>;
    static const Table words = [] {
        Table w{
            {"fonttbl", Word::FontTable}, {"colortbl", Word::ColourTable}, {"pict", Word::Picture},
            {"shppict", Word::PictureKeeper}, {"footnote", Word::Footnote}, {"listtext", Word::ListText},
            {"pntext", Word::ListText}, {"f", Word::Font}, {"fcharset", Word::Charset}, {"cpg", Word::CodePage},
            {"red", Word::Red}, {"green", Word::Green}, {"blue", Word::Blue}, {"ansicpg", Word::AnsiCodePage},
            {"ansi", Word::DocumentCharacterSet}, {"mac", Word::DocumentCharacterSet},
            {"pc", Word::DocumentCharacterSet}, {"pca", Word::DocumentCharacterSet}, {"deff", Word::DefaultFont},
            {"uc", Word::UnicodeSkip}, {"par", Word::Paragraph}, {"sect", Word::Paragraph},
            {"page", Word::Paragraph}, {"cell", Word::Cell}, {"nestcell", Word::Cell}, {"row", Word::Row},
            {"chftn", Word::FootnoteMark}, {"object", Word::Object}, {"shp", Word::Shape}, {"shpinst", Word::ShapePart}, {"sp", Word::ShapePart},
            {"sv", Word::ShapePart}, {"do", Word::Drawing},
            {"plain", Word::Plain}, {"v", Word::Hidden}, {"webhidden", Word::Hidden}, {"b", Word::Bold},
            {"i", Word::Italic}, {"ulnone", Word::UnderlineNone}, {"strike", Word::Strike},
            {"striked", Word::Strike}, {"fs", Word::FontSize}, {"cf", Word::Colour}, {"super", Word::Super},
            {"sub", Word::Sub}, {"nosupersub", Word::NoSuperSub},
        };
        for (const char* u : {"ul", "uld", "uldb", "ulw", "ulth", "uldash"})
            w.emplace(u, Word::Underline);
        for (const char* c : {"line", "tab", "emdash", "endash", "bullet", "lquote", "rquote", "ldblquote", "rdblquote"})
            w.emplace(c, Word::Character);
        // Destinations whose content is no text of the document: index and contents entries,
        // footnote separators, the alternative picture for old readers, and the like.
        for (const char* d : {"stylesheet", "info", "header", "footer", "headerl", "headerr", "headerf", "footerl",
                              "footerr", "footerf", "fldinst", "listtable", "listoverridetable", "revtbl", "rsidtbl",
                              "generator", "xmlnstbl", "themedata", "colorschememapping", "latentstyles", "datastore",
                              "filetbl", "pn", "nonshppict", "bkmkstart", "bkmkend", "comment", "annotation", "atnid",
                              "atnauthor", "docvar", "mmathPr", "pgdsctbl", "userprops", "operator", "author", "title",
                              "subject", "xe", "tc", "tcn", "ftnsep", "ftnsepc", "aftnsep", "aftnsepc", "ftncn",
                              "aftncn", "sn", "shprslt", "shptxt", "objdata", "objclass", "objname", "template", "keywords", "doccomm"})
            w.emplace(d, Word::SkippedDestination);
        // \pard resets the paragraph's properties and its depth in tables.
        // Tables: the depth of a paragraph, the words of row definitions, and the nested
        // tables' row definitions, which follow their cells; the text that stands in for a
        // nested table in readers that know none is skipped.
        w.emplace("pard", Word::ParagraphDefaults);
        w.emplace("intbl", Word::InTable);
        w.emplace("itap", Word::TableDepth);
        w.emplace("nestrow", Word::Row);
        w.emplace("nesttableprops", Word::NestedTableProperties);
        w.emplace("nonesttables", Word::SkippedDestination);
        for (std::string_view d : rtfRowDefinitionWords())
            w.emplace(d, Word::RowDefinition);
        // Paragraph formats, character backgrounds and the endnotes' own numbering.
        for (const char* p : {"ql", "qc", "qr", "qj", "qd", "li", "lin", "ri", "rin", "fi", "sb", "sa", "sl", "slmult",
                              "tx", "tqr", "tqc", "tqdec", "tb"})
            w.emplace(p, Word::ParagraphProperty);
        for (const char* b : {"highlight", "cb", "chcbpat"})
            w.emplace(b, Word::Background);
        w.emplace("ftnalt", Word::Endnote);
        for (const char* n : {"aftnnar", "aftnnalc", "aftnnauc", "aftnnrlc", "aftnnruc", "aftnnchi", "saftnnar", "saftnnalc",
                              "saftnnauc", "saftnnrlc", "saftnnruc", "saftnnchi", "aftnstart", "saftnstart"})
            w.emplace(n, Word::EndnoteNumbering);
        w.emplace("deftab", Word::DefaultTab);
        return w;
    }();
    const auto it = words.find(std::string_view(word.constData(), size_t(word.size())));
    return it == words.end() ? Word::Unknown : it->second;
}

QChar characterOf(const QByteArray& word)
{
    static const QHash<QByteArray, char16_t> characters{
        {"line", 0x2028}, {"tab", u'\t'}, {"emdash", 0x2014}, {"endash", 0x2013}, {"bullet", 0x2022},
        {"lquote", 0x2018}, {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D}};
    return QChar(characters.value(word, u'?'));
}

class Reader {
public:
    explicit Reader(QTextDocument& document)
        : document(document), cursor(&document), familyBefore(document.defaultFont().family())
    {
    }

    RtfReadResult run(const QByteArray& data, const RtfProgress& progress)
    {
        setDefaultTab(rtfDefaultTabTwips);
        RtfTokenizer tokens(data);
        states.push_back(State{});
        int pendingSkip = 0;  // characters still to drop after a \uN
        bool afterGroupStart = false;
        // Progress is reported every quarter megabyte.
        constexpr qsizetype reportEvery = 256 * 1024;
        qsizetype nextReport = reportEvery;
        for (RtfToken t = tokens.next(); t.kind != RtfToken::End; t = tokens.next()) {
            if (progress && tokens.position() >= nextReport) {
                nextReport = tokens.position() + reportEvery;
                if (!progress(tokens.position(), data.size())) {
                    result.cancelled = true;
                    return result;
                }
            }
            const bool firstInGroup = afterGroupStart;
            afterGroupStart = false;
            switch (t.kind) {
            case RtfToken::GroupStart:
                flush();
                states.push_back(states.back());
                afterGroupStart = true;
                pendingSkip = 0;
                break;
            case RtfToken::GroupEnd:
                flush();
                if (current().destination == Destination::Picture && parent().destination != Destination::Picture)
                    finishPicture();
                // A drawing that showed no picture is not shown.
                if (current().destination == Destination::Shape && parent().destination != Destination::Shape
                    && pictureCount == picturesBeforeShape)
                    result.objects = true;
                pendingSkip = 0;
                // An unbalanced closing brace never removes the document's own state; the
                // brace that closes the document ends it, whatever bytes follow.
                if (states.size() > 1) {
                    states.pop_back();
                    if (states.size() == 1)
                        return finish();
                }
                break;
            case RtfToken::Text:
                for (char c : t.word) {
                    if (pendingSkip > 0) {
                        --pendingSkip;
                        continue;
                    }
                    addByte(static_cast<unsigned char>(c));
                }
                break;
            case RtfToken::HexByte:
                if (pendingSkip > 0)
                    --pendingSkip;
                else
                    addByte(t.byte);
                break;
            case RtfToken::ControlSymbol:
                if (t.symbol == '*') {
                    if (firstInGroup || current().destination == Destination::Text)
                        current().destination = Destination::Skip;
                    // The word after \* names the destination, as if it opened the group.
                    afterGroupStart = firstInGroup;
                } else if (pendingSkip > 0) {
                    --pendingSkip;
                } else {
                    controlSymbol(t.symbol);
                }
                break;
            case RtfToken::ControlWord:
                if (t.word == "bin") {
                    const qint64 count = t.hasParameter ? t.parameter : 0;
                    if (current().destination == Destination::Picture)
                        picture.data += tokens.takeBytes(count);
                    else
                        tokens.skipBytes(count);
                } else if (t.word == "u" && t.hasParameter) {
                    unicode(t.parameter);
                    pendingSkip = current().unicodeSkip;
                } else {
                    pendingSkip = 0;
                    controlWord(t, firstInGroup);
                }
                break;
            case RtfToken::End: break;
            }
        }
        return finish();
    }

private:
    State& current() { return states.back(); }
    const State& parent() const { return states.size() > 1 ? states[states.size() - 2] : states.back(); }

    RtfReadResult finish()
    {
        flush();
        tables.finish();
        appendFootnotes();
        // The document's base font is the one \deff names, in 12 points unless it says otherwise.
        QFont base = document.defaultFont();
        if (const Font* font = fontAt(defaultFont); font && !font->name.isEmpty())
            base.setFamilies(familiesShown(*font));
        base.setPointSizeF(12);
        document.setDefaultFont(base);
        return result;
    }

    const Font* fontAt(int index) const
    {
        const auto it = fonts.find(index);
        return it == fonts.end() ? nullptr : &it->second;
    }
    const Font* currentFont() const { return fontAt(states.back().font >= 0 ? states.back().font : defaultFont); }
    // Whether characters are read as a symbol font's follows the family the text is shown in.
    SymbolFont currentSymbolFont() const
    {
        if (states.back().symbol)
            return *states.back().symbol;
        const Font* font = fontAt(defaultFont);
        return font ? font->symbol : SymbolFont::None;
    }

    void controlSymbol(char s)
    {
        // A font's name keeps the characters written as symbols, as the writer writes them.
        if (current().destination == Destination::FontTable && tableEntry) {
            if (s == '\\' || s == '{' || s == '}')
                addToFontName(*tableEntry, QChar(s));
            else if (s == '~')
                addToFontName(*tableEntry, QChar(0x00A0));
            return;
        }
        if (current().destination != Destination::Text && current().destination != Destination::Footnote)
            return;
        switch (s) {
        case '\\': case '{': case '}': addChar(QChar(s)); break;
        case '~': addChar(QChar(0x00A0)); break;
        case '_': addChar(QChar(0x2011)); break;
        case '-': break;  // optional hyphen
        case '\r': case '\n': paragraph(); break;
        case '\t': addChar(u'\t'); break;
        default: break;
        }
    }

    void unicode(int code)
    {
        if (code < 0)
            code += 65536;
        if (code <= 0 || code > 0xFFFF)
            return;
        if (current().destination == Destination::FontTable) {
            if (tableEntry)
                addToFontName(*tableEntry, QChar(char16_t(code)));
            return;
        }
        // Word processors write the characters of symbol fonts in a private range.
        if (code >= 0xF020 && code <= 0xF0FF) {
            char16_t mapped = symbolFontCharacter(currentSymbolFont(), uchar(code - 0xF000));
            if (mapped == 0 && code == 0xF0B7)
                mapped = u'•';
            if (mapped != 0)
                code = mapped;
        }
        addChar(QChar(char16_t(code)));
    }

    // A destination that \* marked as skippable but that the reader knows is read after all,
    // when the group around it is text.
    bool keepDestination() const
    {
        const Destination around = parent().destination;
        return around == Destination::Text || around == Destination::Footnote || around == Destination::Shape;
    }

    // The colour table's entry a word names; entry 0, the default colour, and entries beyond
    // the table give none.
    QColor tableColour(const RtfToken& t) const
    {
        const int p = t.parameter;
        return t.hasParameter && p > 0 && p < colours.size() ? colours[p] : QColor();
    }

    // Where text steps to at a tab beyond the paragraph's own stops, in twips.
    void setDefaultTab(int twips)
    {
        // Below a millimetre or beyond the widest page a tab would be no step at all or the line's end.
        QTextOption option = document.defaultTextOption();
        option.setTabStopDistance(std::clamp(twips, 60, rtfLargestTwips) / twipsPerPixel);
        document.setDefaultTextOption(option);
    }

    void controlWord(const RtfToken& t, bool firstInGroup)
    {
        State& st = current();
        const int p = t.parameter;
        const bool on = !t.hasParameter || p != 0;
        const Word word = lookUp(t.word);

        switch (word) {
        case Word::FontTable: st.destination = Destination::FontTable; return;
        case Word::ColourTable:
            st.destination = Destination::ColourTable;
            colours.clear();
            colourPending = QColor();
            return;
        case Word::SkippedDestination: st.destination = Destination::Skip; return;
        case Word::Picture:
            if (st.destination == Destination::Text || st.destination == Destination::Shape
                || (st.destination == Destination::Skip && firstInGroup && keepDestination())) {
                st.destination = Destination::Picture;
                picture = RtfPicture{};
            } else {
                st.destination = Destination::Skip;
            }
            return;
        case Word::Drawing:
            if (st.destination == Destination::Text || (firstInGroup && keepDestination()))
                result.objects = true;
            st.destination = Destination::Skip;
            return;
        case Word::ShapePart:
            if (firstInGroup && parent().destination == Destination::Shape)
                st.destination = Destination::Shape;
            return;
        case Word::PictureKeeper:
            if (firstInGroup && keepDestination())
                st.destination = parent().destination;
            return;
        case Word::Footnote:
            if (firstInGroup && parent().destination == Destination::Text) {
                flush();
                st.destination = Destination::Footnote;
                notes.begin(cursor.position());
                result.footnotes = true;
            } else {
                st.destination = Destination::Skip;
            }
            return;
        case Word::ListText:
            if (firstInGroup && keepDestination()) {
                st.destination = parent().destination;
                result.lists = true;
            }
            return;
        case Word::NestedTableProperties:
            if (firstInGroup && keepDestination())
                st.destination = parent().destination;
            return;
        default: break;
        }

        if (st.destination == Destination::FontTable) {
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
            return;
        }
        if (st.destination == Destination::ColourTable) {
            if (!colourPending.isValid())
                colourPending = QColor(0, 0, 0);
            const int v = std::clamp(p, 0, 255);
            if (word == Word::Red) colourPending.setRed(v);
            else if (word == Word::Green) colourPending.setGreen(v);
            else if (word == Word::Blue) colourPending.setBlue(v);
            return;
        }
        if (st.destination == Destination::Picture) {
            picture.controlWord(t.word, t.hasParameter, p);
            return;
        }
        if (st.destination == Destination::Skip || st.destination == Destination::Shape)
            return;

        switch (word) {
        case Word::AnsiCodePage: if (t.hasParameter && p > 0) documentCodePage = p; return;
        case Word::DocumentCharacterSet:
            documentCodePage = t.word == "mac" ? 10000 : t.word == "pc" ? 437 : t.word == "pca" ? 850 : 1252;
            return;
        // The default font is settled once text is read in it.
        case Word::DefaultFont: if (t.hasParameter && !textRead) defaultFont = p; return;
        case Word::UnicodeSkip: if (t.hasParameter) st.unicodeSkip = std::clamp(p, 0, 16); return;
        case Word::Paragraph: paragraph(); return;
        case Word::Character: addChar(characterOf(t.word)); return;
        case Word::Cell:
            if (st.destination == Destination::Text && !st.hidden)
                endCell(t.word == "nestcell");
            else
                addChar(u' ');
            return;
        case Word::Row:
            if (st.destination == Destination::Text && !st.hidden)
                endRow(t.word == "nestrow");
            return;
        case Word::ParagraphDefaults:
            setTableDepth(0);
            st.paragraph = RtfParagraph{};
            return;
        case Word::InTable: setTableDepth(std::max(st.tableDepth, 1)); return;
        case Word::TableDepth: if (t.hasParameter) setTableDepth(std::max(p, 0)); return;
        case Word::RowDefinition:
            tables.definitionWord(std::string_view(t.word.constData(), size_t(t.word.size())), t.hasParameter, p, st.tableDepth);
            return;
        case Word::FootnoteMark: addNoteMark(); return;
        case Word::Endnote: becomeEndnote(); return;
        case Word::EndnoteNumbering:
            notes.endnoteNumbering(std::string_view(t.word.constData(), size_t(t.word.size())), t.hasParameter, p);
            return;
        case Word::DefaultTab:
            if (t.hasParameter && p > 0)
                setDefaultTab(p);
            return;
        case Word::ParagraphProperty:
            st.paragraph.apply(std::string_view(t.word.constData(), size_t(t.word.size())), t.hasParameter, p);
            return;
        case Word::Object: result.objects = true; return;
        case Word::Shape:
            if (st.destination == Destination::Text) {
                st.destination = Destination::Shape;
                picturesBeforeShape = pictureCount;
            } else {
                st.destination = Destination::Skip;
            }
            return;
        case Word::Unknown: return;
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

    void applyFont(State& st, int index)
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
    QStringList familiesShown(const Font& font)
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
    static void addToFontName(Font& font, QChar c)
    {
        if (c.category() != QChar::Other_Control && !c.isSurrogate())
            font.name += c;
    }

    static void finishFontName(Font& font)
    {
        font.name = font.name.trimmed();
        font.symbol = symbolFontOf(font.name);
        font.families = QVariant(QStringList{font.name});
        font.withFallback = false;
        font.key = int(qHash(font.name));
    }

    void addByte(unsigned char b)
    {
        State& st = current();
        switch (st.destination) {
        case Destination::FontTable:
            if (Font* font = tableEntry) {
                if (b == ';') {
                    finishFontName(*font);
                } else {
                    addToFontName(*font, QChar(fromCp1252(b)));
                }
            }
            return;
        case Destination::ColourTable:
            if (b == ';') {
                colours.append(colourPending);
                colourPending = QColor();
            }
            return;
        case Destination::Picture: picture.addHexDigit(char(b)); return;
        case Destination::Skip:
        case Destination::Shape: return;
        case Destination::Text:
        case Destination::Footnote: break;
        }
        const Font* font = currentFont();
        if (const SymbolFont symbol = currentSymbolFont(); symbol != SymbolFont::None) {
            if (const char16_t c = symbolFontCharacter(symbol, b); c != 0) {
                addChar(QChar(c));
                return;
            }
        }
        const int codePage = font && font->codePage > 0 ? font->codePage : documentCodePage;
        if (codePage == 1252 || (b < 0x80 && !isDoubleByte(codePage))) {
            addChar(QChar(fromCp1252(b)));
            return;
        }
        for (QChar c : decoderFor(codePage).decode(b))
            addChar(c);
    }

    static bool isDoubleByte(int codePage)
    {
        return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950;
    }

    CodePageDecoder& decoderFor(int codePage)
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

    void addChar(QChar c)
    {
        // Control characters other than the tab are no text.
        if (c.unicode() < 0x20 && c != u'\t')
            return;
        const State& st = current();
        if (st.hidden)
            return;
        textRead = true;
        if (st.destination == Destination::Text) {
            pendingText += c;
        } else if (st.destination == Destination::Footnote && notes.any()) {
            notes.add(c);
        }
    }

    void flush()
    {
        if (pendingText.isEmpty())
            return;
        enterTables(current().tableDepth);
        cursor.insertText(pendingText, current().format);
        pendingText.clear();
        formatParagraph();
    }

    void paragraph()
    {
        const State& st = current();
        if (st.hidden)
            return;
        if (st.destination == Destination::Footnote) {
            addChar(u' ');
            return;
        }
        if (st.destination != Destination::Text)
            return;
        flush();
        enterTables(st.tableDepth);
        formatParagraph();
        keepSpacingWithinBudget();
        // The next paragraph keeps these properties until \pard.
        cursor.insertBlock(blockFormat, st.format);
    }

    void finishPicture()
    {
        flush();
        enterTables(current().tableDepth);
        formatParagraph();
        if (!picture.insertInto(document, cursor, ++pictureCount, pictureBudget))
            result.otherPictures = true;
        result.picturesNotShown = pictureBudget.notShown;
    }

    // Text goes where its depth in tables puts it. A block the cursor moves into was made by
    // the tables, not at a paragraph mark: the next text gives it its paragraph's format.
    void enterTables(int depth)
    {
        const int before = cursor.position();
        tables.enter(depth);
        if (cursor.position() != before)
            blockParagraph.reset();
    }

    // A paragraph's depth in tables changes between its runs of text: what was read belongs
    // where it was read.
    void setTableDepth(int depth)
    {
        flush();
        current().tableDepth = depth;
    }

    // \cell and \row end the outermost table's cell and row, \nestcell and \nestrow those of
    // the paragraph's depth; beyond the depth limit, cells stay tab-separated text.
    void endCell(bool nested)
    {
        flush();
        if (!tables.endCell(nested ? std::max(current().tableDepth, 2) : 1))
            addChar(u'\t');
    }

    void endRow(bool nested)
    {
        flush();
        if (!tables.endRow(nested ? std::max(current().tableDepth, 2) : 1))
            paragraph();
    }

    // The notes' texts, each a paragraph of its own, after the text: the footnotes, then the
    // endnotes, each kind after an empty line.
    void appendFootnotes()
    {
        for (const bool endnotes : {false, true}) {
            const QStringList texts = notes.texts(endnotes);
            if (texts.isEmpty())
                continue;
            cursor.movePosition(QTextCursor::End);
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
            for (const QString& text : texts) {
                cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
                cursor.insertText(text.simplified(), QTextCharFormat());
            }
        }
    }

    // The block being read takes the paragraph properties in force: those at its paragraph
    // mark, or, in a last paragraph without one, those with its last text.
    void formatParagraph()
    {
        const RtfParagraph& wanted = current().paragraph;
        if (wanted == blockParagraph)
            return;
        blockParagraph = wanted;
        blockFormat = wanted.blockFormat();
        cursor.setBlockFormat(blockFormat);
    }

    // Once the document's paragraphs have used the spacing it may have, the paragraph ends
    // without its own, and the next ones with the same properties likewise.
    void keepSpacingWithinBudget()
    {
        const double spacing = rtfSpacingPixels(blockFormat);
        if (spacing <= 0)
            return;
        spacingUsed += spacing;
        if (spacingUsed <= rtfDocumentSpacingPixels)
            return;
        blockFormat = rtfWithoutSpacing(blockFormat);
        cursor.setBlockFormat(blockFormat);
    }

    // A note's mark: in the text the next footnote's number until its note turns out to be an
    // endnote, in a note the note's own.
    void addNoteMark()
    {
        if (current().destination == Destination::Text) {
            const QString mark = notes.nextMarkInText();
            flush();
            for (QChar c : mark)
                addChar(c);
            if (pendingText.endsWith(mark)) {
                flush();
                notes.markPlaced({cursor.position() - int(mark.size()), cursor.position()});
            }
            return;
        }
        if (current().destination != Destination::Footnote || !notes.any())
            return;
        for (QChar c : notes.markInNote())
            addChar(c);
        // The mark that opens a note's text stands apart from it.
        if (notes.text().trimmed().size() <= 6)
            addChar(u' ');
    }

    void becomeEndnote()
    {
        if (current().destination != Destination::Footnote)
            return;
        if (const auto renumbered = notes.becomeEndnote()) {
            QTextCursor mark(&document);
            mark.setPosition(renumbered->place.start);
            mark.setPosition(renumbered->place.end, QTextCursor::KeepAnchor);
            mark.insertText(renumbered->mark, mark.charFormat());
        }
    }

    QTextDocument& document;
    QTextCursor cursor;
    QString familyBefore;  // the document's font family before reading
    std::optional<QString> shownInstead;  // the installed family that shows symbol fonts' text
    RtfReadResult result;
    std::vector<State> states;
    std::unordered_map<int, Font> fonts;  // its entries stay where they are as it grows
    Font* tableEntry = nullptr;           // the font table's entry being read
    Font ignoredEntry;
    bool textRead = false;
    QList<QColor> colours;
    QColor colourPending;
    std::unordered_map<int, std::unique_ptr<CodePageDecoder>> decoders;
    CodePageDecoder* lastDecoder = nullptr;
    QString pendingText;  // text of the current run, inserted when the format changes
    RtfNotes notes;  // footnotes and endnotes
    // The properties of the block being read, and its format; unset when the block was made
    // elsewhere than at a paragraph mark, so that the next text gives it its format.
    std::optional<RtfParagraph> blockParagraph = RtfParagraph{};
    QTextBlockFormat blockFormat;
    double spacingUsed = 0;  // pixels, by the paragraphs ended so far
    RtfPicture picture;
    PictureBudget pictureBudget;
    int pictureCount = 0;
    int picturesBeforeShape = 0;
    int defaultFont = 0;
    int documentCodePage = 1252;
    RtfTables tables{cursor, colours};
};

} // namespace

bool isRtf(const QByteArray& data)
{
    qsizetype i = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\r' || data[i] == '\n' || data[i] == '\t'))
        ++i;
    return data.mid(i, 5) == "{\\rtf";
}

RtfReadResult readRtf(const QByteArray& data, QTextDocument& document, const RtfProgress& progress)
{
    document.clear();
    // One edit block without undo: the document lays itself out once, at the end.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    RtfReadResult result;
    {
        Reader reader(document);
        QTextCursor block(&document);
        block.beginEditBlock();
        result = reader.run(data, progress);
        block.endEditBlock();
    }
    document.setUndoRedoEnabled(undo);
    return result;
}

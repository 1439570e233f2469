#pragma once
// The reader behind readRtf: the state of its groups and the document it fills. The reading
// loop and the text are in rtfreader.cpp; each group of control words has a file of its own
// (rtfread*.cpp), to which rtfcontrolwords.h names the way.

#include "viewer/rtf/rtfcodepages.h"
#include "viewer/rtf/rtfcontrolwords.h"
#include "viewer/rtf/rtfnotes.h"
#include "viewer/rtf/rtfparagraph.h"
#include "viewer/rtf/rtfpicture.h"
#include "viewer/rtf/rtfreader.h"
#include "viewer/rtf/rtftable.h"
#include "viewer/rtf/rtftokenizer.h"

#include <QColor>
#include <QList>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QVariant>

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class QTextDocument;

namespace rtfread {

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

class Reader {
public:
    explicit Reader(QTextDocument& document);

    RtfReadResult run(const QByteArray& data, const RtfProgress& progress);

private:
    State& current() { return states.back(); }
    const State& parent() const { return states.size() > 1 ? states[states.size() - 2] : states.back(); }

    RtfReadResult finish();

    // The text (rtfreader.cpp).
    void controlSymbol(char s);
    void unicode(int code);
    void addByte(unsigned char b);
    // Every character of the text passes here; defined here, so that the compiler can inline it.
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

    void flush();

    // Sends a control word to the handler of its group.
    void controlWord(const RtfToken& t, bool firstInGroup);

    // Destinations (rtfreaddestinations.cpp): the words that open one act wherever they
    // stand; the font table, the colour table and a picture read every word of theirs.
    void openDestination(Word word, bool firstInGroup);
    bool keepDestination() const;
    bool readByDestination(const RtfToken& t, Word word);
    void colourTableWord(const RtfToken& t, Word word);

    // Fonts and code pages (rtfreadfonts.cpp).
    void fontTableWord(const RtfToken& t, Word word);
    // Asked for every byte of text: defined here, so that the compiler can inline them.
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
    void applyFont(State& st, int index);
    QStringList familiesShown(const Font& font);
    static void addToFontName(Font& font, QChar c);
    static void finishFontName(Font& font);
    static bool isDoubleByte(int codePage);
    CodePageDecoder& decoderFor(int codePage);

    // Character formats and the document's character set (rtfreadcharacters.cpp).
    void characterWord(const RtfToken& t, Word word);
    QColor tableColour(const RtfToken& t) const;

    // Paragraphs (rtfreadparagraphs.cpp).
    void paragraphWord(const RtfToken& t, Word word);
    void setDefaultTab(int twips);
    void paragraph();
    void formatParagraph();
    void keepSpacingWithinBudget();

    // Tables (rtfreadtables.cpp).
    void openNestedTableProperties(bool firstInGroup);
    void tableWord(const RtfToken& t, Word word);
    void enterTables(int depth);
    void setTableDepth(int depth);
    void endCell(bool nested);
    void endRow(bool nested);

    // Pictures, drawings and objects (rtfreadpictures.cpp).
    void openPicture(Word word, bool firstInGroup);
    void pictureWord(Word word);
    void finishPicture();

    // Footnotes and endnotes (rtfreadnotes.cpp).
    void openFootnote(bool firstInGroup);
    void noteWord(const RtfToken& t, Word word);
    void appendFootnotes();
    void addNoteMark();
    void becomeEndnote();

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

} // namespace rtfread

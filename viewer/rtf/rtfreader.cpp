#include "viewer/rtf/rtfreader.h"

#include "common/cp1252.h"
#include "viewer/rtf/rtfdocumentreader.h"
#include "viewer/rtf/rtfunits.h"

#include <QFont>
#include <QTextDocument>

namespace rtfread {

Reader::Reader(QTextDocument& document)
    : document(document), cursor(&document), familyBefore(document.defaultFont().family())
{
}

RtfReadResult Reader::run(const QByteArray& data, const RtfProgress& progress)
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

RtfReadResult Reader::finish()
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

void Reader::controlSymbol(char s)
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

void Reader::unicode(int code)
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

void Reader::controlWord(const RtfToken& t, bool firstInGroup)
{
    const Word word = lookUp(t.word);
    const WordGroup group = groupOf(word);
    if (group == WordGroup::Destination) {
        openDestination(word, firstInGroup);
        return;
    }
    if (readByDestination(t, word))
        return;
    switch (group) {
    case WordGroup::Character: characterWord(t, word); return;
    case WordGroup::Paragraph: paragraphWord(t, word); return;
    case WordGroup::Table: tableWord(t, word); return;
    case WordGroup::Picture: pictureWord(word); return;
    case WordGroup::Note: noteWord(t, word); return;
    case WordGroup::None:
    case WordGroup::Destination: return;
    }
}

void Reader::addByte(unsigned char b)
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

void Reader::flush()
{
    if (pendingText.isEmpty())
        return;
    enterTables(current().tableDepth);
    cursor.insertText(pendingText, current().format);
    pendingText.clear();
    formatParagraph();
}

} // namespace rtfread

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
        rtfread::Reader reader(document);
        QTextCursor block(&document);
        block.beginEditBlock();
        result = reader.run(data, progress);
        block.endEditBlock();
    }
    document.setUndoRedoEnabled(undo);
    return result;
}

#include "viewer/rtf/rtfreader.h"

#include "common/cp1252.h"
#include "viewer/rtf/rtftokenizer.h"

#include <QColor>
#include <QHash>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace {

enum class Destination { Text, Skip, FontTable, ColourTable };

struct State {
    Destination destination = Destination::Text;
    QTextCharFormat format;
    int font = -1;
    int unicodeSkip = 1;  // characters that stand in for each \uN
    bool underline = false;
};

struct Font {
    QString name;
    int codePage = 1252;
};

// Code pages that RTF names through \fcharsetN.
int codePageOfCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;
    case 161: return 1253;
    case 162: return 1254;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 238: return 1250;
    default: return 1252;
    }
}

// The control words the reader acts on.
enum class Word {
    Unknown, FontTable, ColourTable, SkippedDestination, Font, Charset, CodePage, Red, Green, Blue,
    AnsiCodePage, DefaultFont, UnicodeSkip, Paragraph, Character, Plain, Bold, Italic, Underline,
    UnderlineNone, Strike, FontSize, Colour, Super, Sub, NoSuperSub,
};

Word lookUp(const QByteArray& word)
{
    static const QHash<QByteArray, Word> words = [] {
        QHash<QByteArray, Word> w{
            {"fonttbl", Word::FontTable}, {"colortbl", Word::ColourTable}, {"f", Word::Font},
            {"fcharset", Word::Charset}, {"cpg", Word::CodePage}, {"red", Word::Red}, {"green", Word::Green},
            {"blue", Word::Blue}, {"ansicpg", Word::AnsiCodePage}, {"deff", Word::DefaultFont},
            {"uc", Word::UnicodeSkip}, {"par", Word::Paragraph}, {"sect", Word::Paragraph}, {"page", Word::Paragraph},
            {"plain", Word::Plain}, {"b", Word::Bold}, {"i", Word::Italic}, {"ulnone", Word::UnderlineNone},
            {"strike", Word::Strike}, {"striked", Word::Strike}, {"fs", Word::FontSize}, {"cf", Word::Colour},
            {"super", Word::Super}, {"sub", Word::Sub}, {"nosupersub", Word::NoSuperSub},
        };
        for (const char* u : {"ul", "uld", "uldb", "ulw", "ulth", "uldash"})
            w.insert(u, Word::Underline);
        for (const char* c : {"line", "tab", "emdash", "endash", "bullet", "lquote", "rquote", "ldblquote", "rdblquote"})
            w.insert(c, Word::Character);
        // Destinations whose content is no text of the document.
        for (const char* d : {"stylesheet", "info", "pict", "object", "header", "footer", "headerl", "headerr",
                              "headerf", "footerl", "footerr", "footerf", "footnote", "fldinst", "listtable",
                              "listoverridetable", "revtbl", "rsidtbl", "generator", "xmlnstbl", "themedata",
                              "colorschememapping", "latentstyles", "datastore", "filetbl", "pn", "pntext", "shp",
                              "nonshppict", "bkmkstart", "bkmkend", "comment", "annotation", "atnid", "atnauthor",
                              "docvar", "mmathPr", "pgdsctbl", "userprops", "operator", "author", "title", "subject"})
            w.insert(d, Word::SkippedDestination);
        return w;
    }();
    return words.value(word, Word::Unknown);
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
    explicit Reader(QTextDocument& document) : cursor(&document) {}

    void run(const QByteArray& data)
    {
        RtfTokenizer tokens(data);
        states.push_back(State{});
        states.back().format.setFontFamilies({defaultFamily()});
        int pendingSkip = 0;  // characters still to drop after a \uN
        bool afterGroupStart = false;
        for (RtfToken t = tokens.next(); t.kind != RtfToken::End; t = tokens.next()) {
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
                // An unbalanced closing brace never removes the document's own state.
                if (states.size() > 1)
                    states.pop_back();
                pendingSkip = 0;
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
                } else if (pendingSkip > 0) {
                    --pendingSkip;
                } else {
                    controlSymbol(t.symbol);
                }
                break;
            case RtfToken::ControlWord:
                if (t.word == "bin") {
                    tokens.skipBytes(t.hasParameter ? t.parameter : 0);
                } else if (t.word == "u" && t.hasParameter) {
                    int code = t.parameter;
                    if (code < 0)
                        code += 65536;
                    if (current().destination == Destination::Text && code > 0 && code <= 0xFFFF)
                        addChar(QChar(char16_t(code)));
                    pendingSkip = current().unicodeSkip;
                } else {
                    pendingSkip = 0;
                    controlWord(t);
                }
                break;
            case RtfToken::End: break;
            }
        }
        flush();
    }

private:
    State& current() { return states.back(); }

    QString defaultFamily() const { return QStringLiteral("Courier New"); }

    void controlSymbol(char s)
    {
        if (current().destination != Destination::Text)
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

    void controlWord(const RtfToken& t)
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
        default: break;
        }

        if (st.destination == Destination::FontTable) {
            if (!t.hasParameter)
                return;
            if (word == Word::Font) {
                tableFont = p;
                fonts[p] = Font{};
            } else if (word == Word::Charset && fonts.contains(tableFont)) {
                fonts[tableFont].codePage = codePageOfCharset(p);
            } else if (word == Word::CodePage && fonts.contains(tableFont)) {
                fonts[tableFont].codePage = p;
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
        if (st.destination == Destination::Skip)
            return;

        switch (word) {
        case Word::AnsiCodePage: if (t.hasParameter) documentCodePage = p; return;
        case Word::DefaultFont: if (t.hasParameter) defaultFont = p; return;
        case Word::UnicodeSkip: if (t.hasParameter) st.unicodeSkip = std::clamp(p, 0, 16); return;
        case Word::Paragraph: paragraph(); return;
        case Word::Character: addChar(characterOf(t.word)); return;
        case Word::Unknown: return;
        default: break;
        }

        // Character formats; a change ends the text run collected so far.
        flush();
        QTextCharFormat& f = st.format;
        switch (word) {
        case Word::Plain: {
            const QStringList families = f.fontFamilies().toStringList();
            f = QTextCharFormat();
            applyFont(st, defaultFont);
            if (!fonts.contains(defaultFont))
                f.setFontFamilies(families);
            break;
        }
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
            if (t.hasParameter && p > 0 && p < colours.size() && colours[p].isValid())
                f.setForeground(colours[p]);
            else
                f.clearForeground();
            break;
        case Word::Super: f.setVerticalAlignment(on ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignNormal); break;
        case Word::Sub: f.setVerticalAlignment(on ? QTextCharFormat::AlignSubScript : QTextCharFormat::AlignNormal); break;
        case Word::NoSuperSub: f.setVerticalAlignment(QTextCharFormat::AlignNormal); break;
        default: break;
        }
    }

    void applyFont(State& st, int index)
    {
        st.font = index;
        if (fonts.contains(index) && !fonts[index].name.isEmpty())
            st.format.setFontFamilies({fonts[index].name});
    }

    void addByte(unsigned char b)
    {
        State& st = current();
        if (st.destination == Destination::FontTable) {
            if (b == ';') {
                if (fonts.contains(tableFont))
                    fonts[tableFont].name = fonts[tableFont].name.trimmed();
            } else if (fonts.contains(tableFont)) {
                fonts[tableFont].name += QChar(fromCp1252(b));
            }
            return;
        }
        if (st.destination == Destination::ColourTable) {
            if (b == ';') {
                colours.append(colourPending);
                colourPending = QColor();
            }
            return;
        }
        if (st.destination != Destination::Text)
            return;
        const int codePage = fonts.contains(st.font) ? fonts[st.font].codePage : documentCodePage;
        addChar(decodeByte(b, codePage));
    }

    QChar decodeByte(unsigned char b, int codePage)
    {
        if (b < 0x80 || codePage == 1252 || codePage == 0)
            return QChar(fromCp1252(b));
        auto it = decoders.find(codePage);
        if (it == decoders.end()) {
            const QByteArray name = "windows-" + QByteArray::number(codePage);
            it = decoders.insert(codePage, std::make_shared<QStringDecoder>(name.constData()));
        }
        if (!(*it)->isValid())
            return QChar(fromCp1252(b));
        const QString s = (**it)(QByteArray(1, char(b)));
        return s.isEmpty() ? QChar(u'?') : s[0];
    }

    void addChar(QChar c)
    {
        // Control characters other than the tab are no text.
        if (c.unicode() < 0x20 && c != u'\t')
            return;
        if (current().destination == Destination::Text)
            pendingText += c;
    }

public:
    // The document's base font is the one \deff names.
    void applyDefaultFont(QTextDocument& document) const
    {
        if (fonts.contains(defaultFont) && !fonts[defaultFont].name.isEmpty()) {
            QFont font = document.defaultFont();
            font.setFamilies({fonts[defaultFont].name});
            document.setDefaultFont(font);
        }
    }

private:

    void flush()
    {
        if (pendingText.isEmpty())
            return;
        cursor.insertText(pendingText, current().format);
        pendingText.clear();
    }

    void paragraph()
    {
        if (current().destination != Destination::Text)
            return;
        flush();
        cursor.insertBlock(QTextBlockFormat(), current().format);
    }

    QTextCursor cursor;
    std::vector<State> states;
    QHash<int, Font> fonts;
    QList<QColor> colours;
    QColor colourPending;
    QHash<int, std::shared_ptr<QStringDecoder>> decoders;
    QString pendingText;  // text of the current run, inserted when the format changes
    int tableFont = -1;
    int defaultFont = 0;
    int documentCodePage = 1252;
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

void readRtf(const QByteArray& data, QTextDocument& document)
{
    document.clear();
    // One edit block without undo: the document lays itself out once, at the end.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    {
        Reader reader(document);
        QTextCursor block(&document);
        block.beginEditBlock();
        reader.run(data);
        block.endEditBlock();
        reader.applyDefaultFont(document);
    }
    document.setUndoRedoEnabled(undo);
}

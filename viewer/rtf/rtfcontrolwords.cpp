#include "viewer/rtf/rtfcontrolwords.h"

#include "viewer/rtf/rtfrowdefinition.h"

#include <QHash>

#include <string_view>
#include <unordered_map>

namespace rtfread {
namespace {

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

} // namespace

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

} // namespace rtfread

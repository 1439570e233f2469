#pragma once
// The control words the RTF reader acts on, and the group whose handler reads each: a word is
// looked up once, and its group names the one function that acts on it.

#include <QByteArray>
#include <QChar>

namespace rtfread {

enum class Word {
    Unknown, FontTable, ColourTable, SkippedDestination, Picture, PictureKeeper, Footnote, ListText, Font,
    Charset, CodePage, Red, Green, Blue, AnsiCodePage, DocumentCharacterSet, DefaultFont, UnicodeSkip,
    Paragraph, Character, Cell, Row, FootnoteMark, Object, Shape, ShapePart, Drawing, Plain, Hidden, Bold, Italic, Underline,
    UnderlineNone, Strike, FontSize, Colour, Super, Sub, NoSuperSub,
    ParagraphDefaults, InTable, TableDepth, RowDefinition, NestedTableProperties,
    ParagraphProperty, Background, Endnote, EndnoteNumbering, DefaultTab,
};

// Destination: the words that open a destination (a table, a picture, a note, text to skip),
// which act wherever they stand. The others act in the document's text and its notes only.
enum class WordGroup { None, Destination, Character, Paragraph, Table, Picture, Note };

constexpr WordGroup groupOf(Word word)
{
    switch (word) {
    case Word::Unknown: return WordGroup::None;
    case Word::FontTable:
    case Word::ColourTable:
    case Word::SkippedDestination:
    case Word::Picture:
    case Word::PictureKeeper:
    case Word::Footnote:
    case Word::ListText:
    case Word::ShapePart:
    case Word::Drawing:
    case Word::NestedTableProperties: return WordGroup::Destination;
    case Word::Paragraph:
    case Word::ParagraphDefaults:
    case Word::ParagraphProperty:
    case Word::DefaultTab: return WordGroup::Paragraph;
    case Word::Cell:
    case Word::Row:
    case Word::InTable:
    case Word::TableDepth:
    case Word::RowDefinition: return WordGroup::Table;
    case Word::Object:
    case Word::Shape: return WordGroup::Picture;
    case Word::FootnoteMark:
    case Word::Endnote:
    case Word::EndnoteNumbering: return WordGroup::Note;
    default: return WordGroup::Character;
    }
}

Word lookUp(const QByteArray& word);

// The character a word of the group Word::Character stands for.
QChar characterOf(const QByteArray& word);

} // namespace rtfread

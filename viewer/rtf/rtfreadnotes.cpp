// Footnotes and endnotes: their texts, their marks and their numbering.
#include "viewer/rtf/rtfdocumentreader.h"

#include <QTextDocument>

#include <string_view>

namespace rtfread {

void Reader::openFootnote(bool firstInGroup)
{
    State& st = current();
    if (firstInGroup && parent().destination == Destination::Text) {
        flush();
        st.destination = Destination::Footnote;
        notes.begin(cursor.position());
        result.footnotes = true;
    } else {
        st.destination = Destination::Skip;
    }
}

void Reader::noteWord(const RtfToken& t, Word word)
{
    switch (word) {
    case Word::FootnoteMark: addNoteMark(); return;
    case Word::Endnote: becomeEndnote(); return;
    case Word::EndnoteNumbering:
        notes.endnoteNumbering(std::string_view(t.word.constData(), size_t(t.word.size())), t.hasParameter, t.parameter);
        return;
    default: return;
    }
}

// The notes' texts, each a paragraph of its own, after the text: the footnotes, then the
// endnotes, each kind after an empty line.
void Reader::appendFootnotes()
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

// A note's mark: in the text the next footnote's number until its note turns out to be an
// endnote, in a note the note's own.
void Reader::addNoteMark()
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

void Reader::becomeEndnote()
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

} // namespace rtfread

// The words that open a destination, and the words read inside the font table, the colour
// table and a picture.
#include "viewer/rtf/rtfdocumentreader.h"

#include <algorithm>

namespace rtfread {

void Reader::openDestination(Word word, bool firstInGroup)
{
    State& st = current();
    switch (word) {
    case Word::FontTable: st.destination = Destination::FontTable; return;
    case Word::ColourTable:
        st.destination = Destination::ColourTable;
        colours.clear();
        colourPending = QColor();
        return;
    case Word::SkippedDestination: st.destination = Destination::Skip; return;
    case Word::Picture:
    case Word::Drawing:
    case Word::ShapePart:
    case Word::PictureKeeper: openPicture(word, firstInGroup); return;
    case Word::Footnote: openFootnote(firstInGroup); return;
    case Word::ListText:
        if (firstInGroup && keepDestination()) {
            st.destination = parent().destination;
            result.lists = true;
        }
        return;
    case Word::NestedTableProperties: openNestedTableProperties(firstInGroup); return;
    default: return;
    }
}

// A destination that \* marked as skippable but that the reader knows is read after all,
// when the group around it is text.
bool Reader::keepDestination() const
{
    const Destination around = parent().destination;
    return around == Destination::Text || around == Destination::Footnote || around == Destination::Shape;
}

// The font table, the colour table and a picture read every word in them; skipped text and
// a drawing's parts none. True when the word was theirs.
bool Reader::readByDestination(const RtfToken& t, Word word)
{
    switch (current().destination) {
    case Destination::FontTable: fontTableWord(t, word); return true;
    case Destination::ColourTable: colourTableWord(t, word); return true;
    case Destination::Picture: picture.controlWord(t.word, t.hasParameter, t.parameter); return true;
    case Destination::Skip:
    case Destination::Shape: return true;
    case Destination::Text:
    case Destination::Footnote: return false;
    }
    return false;
}

void Reader::colourTableWord(const RtfToken& t, Word word)
{
    const int p = t.parameter;
    if (!colourPending.isValid())
        colourPending = QColor(0, 0, 0);
    const int v = std::clamp(p, 0, 255);
    if (word == Word::Red) colourPending.setRed(v);
    else if (word == Word::Green) colourPending.setGreen(v);
    else if (word == Word::Blue) colourPending.setBlue(v);
}

} // namespace rtfread

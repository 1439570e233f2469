#include "viewer/rtf/rtfnotes.h"

#include <algorithm>

void RtfNotes::begin(int position)
{
    Note note;
    if (lastMark.end >= 0 && lastMark.end == position)
        note.mark = lastMark;
    lastMark = {};
    notes.append(note);
}

QString RtfNotes::markInNote() const
{
    const Note& note = notes.last();
    return note.endnote ? noteMark(note.number, endnoteStyle) : QString::number(std::max(footnoteCount, 1));
}

std::optional<RtfNotes::Renumbered> RtfNotes::becomeEndnote()
{
    if (notes.isEmpty() || notes.last().endnote)
        return std::nullopt;
    Note& note = notes.last();
    note.endnote = true;
    note.number = firstEndnote + endnoteCount++;
    if (note.mark.end < 0)
        return std::nullopt;
    // Its mark was counted as the next footnote's.
    --footnoteCount;
    return Renumbered{note.mark, noteMark(note.number, endnoteStyle)};
}

void RtfNotes::endnoteNumbering(std::string_view word, bool hasParameter, int parameter)
{
    if (const auto numbering = endnoteNumberingOf(word))
        endnoteStyle = *numbering;
    else if (hasParameter)
        firstEndnote = std::clamp(parameter, 1, 100'000);
}

QStringList RtfNotes::texts(bool endnotes) const
{
    QStringList texts;
    for (const Note& note : notes)
        if (note.endnote == endnotes)
            texts << note.text;
    return texts;
}

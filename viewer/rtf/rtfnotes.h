#pragma once
// The footnotes and endnotes of an RTF document as the reader meets them. A mark in the text
// comes before its note and is numbered as the next footnote's; when the note turns out to be
// an endnote (\ftnalt), its mark is numbered again in the endnotes' own sequence. The notes'
// texts are gathered for the end of the document: the footnotes', then the endnotes'.

#include "viewer/rtf/rtfnotemark.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>

class RtfNotes {
public:
    // Where a mark stands in the document's text.
    struct Place {
        int start = -1;
        int end = -1;
    };
    // A mark in the text to write anew, and its new text.
    struct Renumbered {
        Place place;
        QString mark;
    };

    // The mark for the text: the next footnote's number.
    QString nextMarkInText() { return QString::number(++footnoteCount); }
    // Where that mark was put; a note that begins right after it owns it.
    void markPlaced(Place place) { lastMark = place; }
    // A note begins where the text has reached.
    void begin(int position);
    bool any() const { return !notes.isEmpty(); }
    // The text of the note being read.
    const QString& text() const { return notes.last().text; }
    void add(QChar c) { notes.last().text += c; }
    // The mark that opens the note's own text, the same as its mark in the text.
    QString markInNote() const;
    // \ftnalt: the note being read is an endnote. Its mark in the text, when it has one there,
    // is to be written as the endnote's.
    std::optional<Renumbered> becomeEndnote();
    // \aftnn… (the endnotes' numbering) and \aftnstartN (the first endnote's number).
    void endnoteNumbering(std::string_view word, bool hasParameter, int parameter);

    QStringList texts(bool endnotes) const;

private:
    struct Note {
        QString text;
        bool endnote = false;
        int number = 0;  // an endnote's
        Place mark;      // its mark in the text, if it has one there
    };
    QList<Note> notes;
    Place lastMark;  // the last mark put in the text, until a note begins
    int footnoteCount = 0;
    int endnoteCount = 0;
    int firstEndnote = 1;
    NoteNumbering endnoteStyle = NoteNumbering::LowerRoman;  // as word processors number them unless told
};

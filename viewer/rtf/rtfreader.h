#pragma once
// Reads RTF as word processors write it into a QTextDocument: groups, font and colour
// tables, \'hh in the code page of the font or the document (double-byte ones included),
// \uN with \ucN, paragraphs, line breaks, tabs, the character formats, tables (rows, cells,
// column widths, borders, merged cells, tables nested in cells), list numbers, footnotes
// (their marks in the text, their texts at the end) and PNG and JPEG pictures. Hidden text,
// index and contents entries, destinations it does not know and other pictures are skipped.
// Malformed input (unbalanced braces, cut-off escapes, deep nesting, rows of thousands of
// cells) never fails.
// Paragraphs keep their alignment, indents and spacing, characters their highlight; endnotes
// are numbered on their own (i, ii, iii unless the document says otherwise) and their texts
// follow those of the footnotes.

#include <QByteArray>

#include <functional>

class QTextDocument;

// True when the bytes are an RTF document, whatever the file is called.
bool isRtf(const QByteArray& data);

// What a document held that the viewer shows only in part, and whether reading stopped.
struct RtfReadResult {
    bool lists = false;           // numbers and bullets kept as text
    bool footnotes = false;       // texts gathered at the end of the document
    bool otherPictures = false;   // pictures in formats other than PNG and JPEG, not shown
    bool objects = false;         // embedded objects and drawings, not shown
    int picturesNotShown = 0;     // beyond the budget of decoded pixels: a note stands in, the bytes stay
    bool cancelled = false;       // the progress callback asked to stop
};

// Called now and then with the bytes read so far and the total; false stops reading.
using RtfProgress = std::function<bool(qint64 done, qint64 total)>;

// Replaces the document's content. The document's default font becomes the one \deff
// names (keeping the family it had when the document names none) in 12 points.
RtfReadResult readRtf(const QByteArray& data, QTextDocument& document, const RtfProgress& progress = {});

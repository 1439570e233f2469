#pragma once
// Reads RTF as word processors write it into a QTextDocument: groups, font and colour
// tables, \'hh in the document's code page, \uN with \ucN, paragraphs, line breaks, tabs and
// the character formats. Destinations it does not know, pictures and objects are skipped.
// Malformed input (unbalanced braces, cut-off escapes, deep nesting) never fails.

#include <QByteArray>

class QTextDocument;

// True when the bytes are an RTF document, whatever the file is called.
bool isRtf(const QByteArray& data);

// Replaces the document's content.
void readRtf(const QByteArray& data, QTextDocument& document);

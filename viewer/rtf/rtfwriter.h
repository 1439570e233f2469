#pragma once
// Writes a QTextDocument as RTF 1.x that word processors open as formatted: code page 1252,
// font and colour tables, bold, italic, underline, strikethrough, size, colour, highlight,
// paragraphs with their alignment, indents and spacing, tabs and tables; characters outside
// the code page as \uN escapes.

#include <QByteArray>

class QTextDocument;

QByteArray writeRtf(const QTextDocument& document);

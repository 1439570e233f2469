#pragma once
// The writer's part for tables: the document's paragraphs and tables in their order, each table
// as RTF rows (\trowd … \cellx … \cell … \row) with its column widths, borders and merged
// cells, a nested one with \itap, \nestcell and \nestrow and its row definitions in
// \nesttableprops, as word processors write them.

#include <QByteArray>
#include <QColor>
#include <QList>

#include <functional>

class QTextBlock;
class QTextDocument;

// Writes one paragraph's text; \pard and the words that place it in a table are written already.
using RtfParagraphWriter = std::function<void(QByteArray& out, const QTextBlock& block)>;

// Adds the colours of the tables' borders to those the text uses.
void addBorderColours(const QTextDocument& document, QList<QColor>& colours);

// Writes the document's paragraphs and tables. colours: the colour table after its automatic
// entry, as the writer wrote it.
void appendParagraphsAndTables(QByteArray& out, const QTextDocument& document, const QList<QColor>& colours,
                               const RtfParagraphWriter& paragraph);

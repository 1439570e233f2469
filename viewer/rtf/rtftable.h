#pragma once
// Tables in RTF. The reader hands the row definitions (\trowd … \cellx) and the ends of cells
// and rows to RtfTables, which builds them as QTextTables in the document, nested tables as
// tables in a cell; the text of the cells goes in through the reader's own cursor.
// A row takes its columns from the definition read before it (word processors write a nested
// row's definition after its cells, so there the previous row's counts); the column widths
// come from \cellx. Cells that the definition does not name get a default width, cells that
// the text leaves out stay empty. Beyond the column and depth limits, cells stay text. A long
// table is built in pieces of consecutive tables, each laid out on its own.

#include "viewer/rtf/rtfrowdefinition.h"
#include "viewer/rtf/rtfunits.h"

#include <QColor>
#include <QList>
#include <QTextFormat>

#include <string_view>
#include <vector>

class QTextCursor;
class QTextTable;


class RtfTables {
public:
    RtfTables(QTextCursor& cursor, const QList<QColor>& colours);
    RtfTables(const RtfTables&) = delete;
    RtfTables& operator=(const RtfTables&) = delete;
    ~RtfTables();

    // A row definition's word read in a paragraph of the given depth (\itap).
    void definitionWord(std::string_view word, bool hasParameter, int parameter, int depth);
    // Puts the cursor where text of a paragraph of this depth goes: into the table cell of that
    // depth (opening tables and rows as needed), or after the tables deeper than it.
    void enter(int depth);
    // The end of a cell or row of the table at this depth; false beyond the depth limit, where
    // the reader keeps the end as a tab or a paragraph.
    bool endCell(int depth);
    bool endRow(int depth);
    // Closes every table; the cursor stands after them.
    void finish();

private:
    struct Level;

    void open();
    void close();
    void removeRowsMadeAhead(Level& level);
    bool beginsNewPiece(const Level& level);
    void continueInNewPiece(Level& level);
    void startRow(Level& level);
    void placeCells(Level& level);
    bool mayAddColumn(const Level& level) const;
    void splitColumn(Level& level, int column, int edge);
    void moveToCell(Level& level);
    void finishRow(Level& level, const RtfRowDefinition& definition);
    void giveRowItsHeight(Level& level, int height);
    void widen(Level& level);
    void applyWidths(Level& level);
    QTextTableCellFormat cellFormat(const RtfRowDefinition& row, const RtfCellDefinition* cell, bool first, bool last) const;

    QTextCursor& cursor;
    const QList<QColor>& colours;
    std::vector<Level> levels;               // the open tables, outermost first
    RtfRowDefinitions definitions;
};

#pragma once
// Tables in RTF. The reader hands the row definitions (\trowd … \cellx) and the ends of cells
// and rows to RtfTables, which builds them as QTextTables in the document, nested tables as
// tables in a cell; the text of the cells goes in through the reader's own cursor.
// A row takes its columns from the definition read before it (word processors write a nested
// row's definition after its cells, so there the previous row's counts); the column widths
// come from \cellx. Cells that the definition does not name get a default width, cells that the
// text leaves out stay empty.

#include <QColor>
#include <QList>
#include <QTextFormat>

#include <array>
#include <span>
#include <string_view>
#include <vector>

class QTextCursor;
class QTextTable;

// Beyond these, cells and rows are kept as text, tab-separated in the deepest or last cell:
// a word processor's tables hold at most 63 columns and nest far less deeply, and every
// further column or level costs the document's layout work for every row, so a damaged or
// hostile file with thousands of cells in a row or levels in a cell would lay out for minutes.
constexpr int rtfTableColumnLimit = 63;
constexpr int rtfTableDepthLimit = 16;

// Twips to the document's pixels, 1/96 inch.
constexpr double twipsPerPixel = 15.0;

// The control words of row definitions; the reader hands them to RtfTables::definitionWord.
std::span<const std::string_view> rtfRowDefinitionWords();

struct RtfBorder {
    bool given = false;  // named by the definition, drawn or not
    bool drawn = false;
    int width = 0;   // twips
    int colour = 0;  // index into the colour table; 0 is automatic
    enum Style { Solid, Double, Dotted, Dashed } style = Solid;
};

// Sides in the order top, left, bottom, right.
using RtfBorders = std::array<RtfBorder, 4>;

struct RtfCellDefinition {
    int right = 0;  // twips
    RtfBorders borders;
    bool mergeFirst = false, merged = false;                  // across: \clmgf, \clmrg
    bool verticalFirst = false, verticallyMerged = false;     // down: \clvmgf, \clvmrg
};

struct RtfRowDefinition {
    int left = 0;  // twips
    int gap = 0;   // half the space between cells, twips
    std::array<int, 4> padding{-1, -1, -1, -1};  // \trpadd*, twips; -1: from the gap
    int alignment = 0;                            // 0 left, 1 centred, 2 right
    std::array<RtfBorder, 6> rowBorders;          // top, left, bottom, right, inside across, inside down
    std::vector<RtfCellDefinition> cells;
};

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
    enum class BorderOf { Nothing, Cell, Row };

    void open();
    void close();
    void startRow(Level& level);
    void placeCells(Level& level);
    bool mayAddColumn(const Level& level) const;
    void splitColumn(Level& level, int column, int edge);
    void moveToCell(Level& level);
    void finishRow(Level& level, const RtfRowDefinition& definition);
    void widen(Level& level);
    void applyWidths(Level& level);
    RtfRowDefinition& definitionAt(int depth);
    QTextTableCellFormat cellFormat(const RtfRowDefinition& row, const RtfCellDefinition* cell, bool first, bool last) const;

    QTextCursor& cursor;
    const QList<QColor>& colours;
    std::vector<Level> levels;               // the open tables, outermost first
    std::vector<RtfRowDefinition> definitions;  // the latest definition of each depth, 1 first
    RtfCellDefinition pendingCell;           // read for the cell whose \cellx comes next
    BorderOf borderOf = BorderOf::Nothing;   // what the \brdr words being read describe
    int borderSide = 0;
    int borderDepth = 1;
};

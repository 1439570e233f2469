#include "viewer/rtf/rtftable.h"

#include <QTextCursor>
#include <QTextTable>

#include <algorithm>
#include <climits>

namespace {

// A cell that no \cellx names is an inch wide.
constexpr int defaultCellWidth = 1440;
// A long table's rows are added in batches of a quarter of those it has, at most rowBatch:
// the table recounts all its cells after rows are added, so one row at a time would make it
// cost the square of its length, while removing the rows made ahead at its end costs their
// cells times all the table's. The first rows, cheap to recount, come one by one, so that a
// short table makes no rows to remove again.
constexpr int rowsOneByOne = 64;
constexpr int rowBatch = 256;
constexpr int rowsRemovedAtOnce = 32;
// A long table at the document's top level is built as consecutive tables of this many rows
// or (the first row that reaches it) cells, with the same columns and formats: the editor lays
// out a table all at once, so one of 100,000 rows would keep the window frozen for a minute,
// while pieces are laid out one after another as the user scrolls or waits. They are written
// as one table, their rows following each other.
constexpr int rowsPerPiece = 1000;
constexpr int cellsPerPiece = 2500;
// Cell edges this close (a twentieth of an inch) are one column's edge.
constexpr int sameEdge = 72;
// A cell edge splits a column only in a table's first rows: each split merges a cell in every
// row above.
constexpr int splitRows = 64;

QTextFrameFormat::BorderStyle styleOf(RtfBorder::Style style)
{
    switch (style) {
    case RtfBorder::Double: return QTextFrameFormat::BorderStyle_Double;
    case RtfBorder::Dotted: return QTextFrameFormat::BorderStyle_Dotted;
    case RtfBorder::Dashed: return QTextFrameFormat::BorderStyle_Dashed;
    case RtfBorder::Solid: break;
    }
    return QTextFrameFormat::BorderStyle_Solid;
}

// Whether the block before the cursor's one lies in the same frame and table cell: an empty
// paragraph there stands where the table goes, and gives way to it.
bool followsInItsCell(const QTextCursor& cursor)
{
    const QTextBlock previous = cursor.block().previous();
    if (!previous.isValid())
        return false;
    QTextCursor before(cursor);
    before.setPosition(previous.position());
    if (before.currentFrame() != cursor.currentFrame())
        return false;
    const QTextTable* table = cursor.currentTable();
    return !table || table->cellAt(before.position()) == table->cellAt(cursor.position());
}

} // namespace

struct RtfTables::Level {
    QTextTable* table = nullptr;
    int depth = 1;
    std::vector<int> edges;              // each column's right edge, twips from the table's left
    std::vector<bool> edgeFromDefinition;  // false: a default width, until a definition names it
    int rowsMade = 0;                    // spare rows at the end included
    int rowsBefore = 0;                  // in the pieces of the same table before this one
    int cellsInPiece = 0;                // in the rows finished in this piece
    int row = 0;                         // the row being read, or the last one read
    bool rowOpen = false;
    bool inCell = false;
    int cell = 0;                        // the row's cell that text goes into next
    RtfRowDefinition layout;             // the definition that places the row's cells
    struct Placed {
        int column = 0;
        int span = 1;
    };
    std::vector<Placed> placed;          // the row's cells read so far, or named by the definition
};

RtfTables::RtfTables(QTextCursor& cursor, const QList<QColor>& colours) : cursor(cursor), colours(colours) {}

RtfTables::~RtfTables() = default;

void RtfTables::definitionWord(std::string_view word, bool hasParameter, int parameter, int depth)
{
    definitions.read(word, hasParameter, parameter, depth);
}

void RtfTables::enter(int depth)
{
    depth = std::clamp(depth, 0, rtfTableDepthLimit);
    while (levels.size() > size_t(depth))
        close();
    for (;;) {
        if (!levels.empty()) {
            Level& level = levels.back();
            if (!level.rowOpen)
                startRow(level);
            if (!level.inCell)
                moveToCell(level);
        }
        if (levels.size() >= size_t(depth))
            break;
        open();
    }
}

bool RtfTables::endCell(int depth)
{
    if (depth > rtfTableDepthLimit)
        return false;
    enter(depth);
    Level& level = levels.back();
    ++level.cell;
    level.inCell = false;
    return true;
}

bool RtfTables::endRow(int depth)
{
    if (depth > rtfTableDepthLimit)
        return false;
    while (levels.size() > size_t(depth))
        close();
    // A row that no text or cell began is none.
    if (levels.size() == size_t(depth) && levels.back().rowOpen)
        finishRow(levels.back(), definitions.at(depth));
    return true;
}

void RtfTables::finish()
{
    while (!levels.empty())
        close();
}

void RtfTables::open()
{
    Level level;
    level.depth = int(levels.size()) + 1;
    // A nested row's definition comes after its cells: what stands for the depth now is the
    // last row of another table.
    if (level.depth > 1)
        definitions.at(level.depth) = RtfRowDefinition{};
    level.layout = definitions.at(level.depth);
    placeCells(level);
    if (level.edges.empty()) {
        level.edges.push_back(defaultCellWidth);
        level.edgeFromDefinition.push_back(false);
    }

    const bool emptyBefore = cursor.block().length() == 1 && followsInItsCell(cursor);
    const int before = cursor.block().position();
    QTextTableFormat format;
    format.setBorder(0);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(0);
    format.setAlignment(level.layout.alignment == 1 ? Qt::AlignHCenter : level.layout.alignment == 2 ? Qt::AlignRight : Qt::AlignLeft);
    level.table = cursor.insertTable(1, int(level.edges.size()), format);
    if (emptyBefore) {
        QTextCursor paragraph(cursor.document());
        paragraph.setPosition(before);
        paragraph.deletePreviousChar();
    }
    level.rowsMade = 1;
    level.row = 0;
    level.rowOpen = true;
    level.inCell = false;
    level.cell = 0;
    applyWidths(level);
    levels.push_back(std::move(level));
}

void RtfTables::close()
{
    Level& level = levels.back();
    if (level.rowOpen)
        finishRow(level, definitions.at(level.depth));
    removeRowsMadeAhead(level);
    cursor.setPosition(level.table->lastPosition() + 1);
    levels.pop_back();
}

// The rows made ahead go again, a few at a time from the end: the table looks up each removed
// cell among all the cells, and keeps a list of those it removed at once.
void RtfTables::removeRowsMadeAhead(Level& level)
{
    const int used = level.row + 1;
    for (int made = level.rowsMade; made > used;) {
        const int removed = std::min(made - used, rowsRemovedAtOnce);
        made -= removed;
        level.table->removeRows(made, removed);
    }
    level.rowsMade = used;
}

// The next row begins a new piece right after the full one, with its format and columns. A
// row merged with the one above stays in its piece: a cell cannot span two tables.
bool RtfTables::beginsNewPiece(const Level& level)
{
    if (level.depth != 1 || (level.row + 1 < rowsPerPiece && level.cellsInPiece < cellsPerPiece))
        return false;
    const RtfRowDefinition& next = definitions.at(level.depth);
    return std::none_of(next.cells.begin(), next.cells.end(), [](const RtfCellDefinition& cell) { return cell.verticallyMerged; });
}

void RtfTables::continueInNewPiece(Level& level)
{
    removeRowsMadeAhead(level);
    QTextTableFormat format = level.table->format();
    format.setProperty(rtfTablePieceProperty, true);
    const int columns = level.table->columns();
    cursor.setPosition(level.table->lastPosition() + 1);
    level.table = cursor.insertTable(1, columns, format);
    level.rowsBefore += level.row + 1;
    level.rowsMade = 1;
    level.row = -1;
    level.cellsInPiece = 0;
}

void RtfTables::startRow(Level& level)
{
    if (beginsNewPiece(level))
        continueInNewPiece(level);
    ++level.row;
    if (level.row >= level.rowsMade) {
        const int more = level.rowsMade < rowsOneByOne ? 1 : std::min(level.rowsMade / 4, rowBatch);
        level.table->appendRows(more);
        level.rowsMade += more;
    }
    level.layout = definitions.at(level.depth);
    placeCells(level);
    widen(level);
    level.rowOpen = true;
    level.inCell = false;
    level.cell = 0;
}

// The columns each cell of the row's definition takes. The table's columns are the edges of
// all its rows' cells: a cell spans the columns up to the edge nearest its own, and a cell
// edge inside a column splits it, the cells above spanning both parts, so that a row of fewer,
// wider cells (a heading over the whole table) and the rows below it line up.
void RtfTables::placeCells(Level& level)
{
    level.placed.clear();
    auto& edges = level.edges;
    int column = 0;
    for (const RtfCellDefinition& cell : level.layout.cells) {
        if (column >= rtfTableColumnLimit)
            break;
        const int lower = column > 0 ? edges[size_t(column) - 1] : 0;
        const int right = std::clamp(cell.right - level.layout.left, lower + 1, lower + rtfWidestCell);
        size_t last = size_t(column);
        while (last < edges.size() && edges[last] < right - sameEdge)
            ++last;
        if (last == edges.size()) {
            if (edges.size() < size_t(rtfTableColumnLimit)) {
                edges.push_back(std::max(right, edges.empty() ? 1 : edges.back() + 1));
                level.edgeFromDefinition.push_back(true);
            } else {
                last = edges.size() - 1;
            }
        } else if (edges[last] > right + sameEdge && mayAddColumn(level)) {
            splitColumn(level, int(last), right);
        }
        level.placed.push_back({column, int(last) - column + 1});
        column = int(last) + 1;
    }
}

bool RtfTables::mayAddColumn(const Level& level) const
{
    return level.edges.size() < size_t(rtfTableColumnLimit) && level.rowsBefore + level.row < splitRows;
}

// Splits the column at its new edge: the cells of the rows above that end with it span both
// parts (those that reach beyond it the table widens itself).
void RtfTables::splitColumn(Level& level, int column, int edge)
{
    level.edges.insert(level.edges.begin() + column, edge);
    level.edgeFromDefinition.insert(level.edgeFromDefinition.begin() + column, true);
    if (!level.table)
        return;
    QTextTable& table = *level.table;
    table.insertColumns(column + 1, 1);
    for (int row = 0; row < level.row; ++row) {
        const QTextTableCell cell = table.cellAt(row, column);
        if (cell.row() == row && cell.column() + cell.columnSpan() - 1 == column)
            table.mergeCells(row, cell.column(), cell.rowSpan(), cell.columnSpan() + 1);
    }
    applyWidths(level);
}

void RtfTables::moveToCell(Level& level)
{
    if (size_t(level.cell) >= level.placed.size()) {
        // A cell that the definition does not name takes the next column.
        const int column = level.placed.empty() ? 0 : level.placed.back().column + level.placed.back().span;
        if (column < rtfTableColumnLimit) {
            if (size_t(column) >= level.edges.size()) {
                level.edges.push_back(level.edges.back() + defaultCellWidth);
                level.edgeFromDefinition.push_back(false);
                widen(level);
            }
            level.placed.push_back({column, 1});
        }
    }
    if (size_t(level.cell) < level.placed.size()) {
        cursor = level.table->cellAt(level.row, level.placed[size_t(level.cell)].column).firstCursorPosition();
    } else {
        cursor = level.table->cellAt(level.row, level.placed.back().column).lastCursorPosition();
        cursor.insertText(QStringLiteral("\t"));
    }
    level.inCell = true;
}

void RtfTables::widen(Level& level)
{
    const int columns = int(level.edges.size());
    if (columns <= level.table->columns())
        return;
    level.table->appendColumns(columns - level.table->columns());
    applyWidths(level);
}

void RtfTables::applyWidths(Level& level)
{
    QList<QTextLength> widths;
    int left = 0;
    for (int edge : level.edges) {
        widths << QTextLength(QTextLength::FixedLength, (edge - left) / twipsPerPixel);
        left = edge;
    }
    QTextTableFormat format = level.table->format();
    format.setColumnWidthConstraints(widths);
    level.table->setFormat(format);
}

QTextTableCellFormat RtfTables::cellFormat(const RtfRowDefinition& row, const RtfCellDefinition* cell, bool first, bool last) const
{
    QTextTableCellFormat format;
    // The cell's own padding, else the row's, else (left and right) the gap between cells.
    const auto paddingOf = [&](size_t side, int otherwise) {
        return cell && cell->padding[side] >= 0 ? cell->padding[side] : row.padding[side] >= 0 ? row.padding[side] : otherwise;
    };
    const std::array<int, 4> padding{paddingOf(0, 0), paddingOf(1, row.gap), paddingOf(2, 0), paddingOf(3, row.gap)};
    if (row.height != 0)
        format.setProperty(rtfRowHeightProperty, row.height);
    if (padding[0] > 0) format.setTopPadding(padding[0] / twipsPerPixel);
    if (padding[1] > 0) format.setLeftPadding(padding[1] / twipsPerPixel);
    if (padding[2] > 0) format.setBottomPadding(padding[2] / twipsPerPixel);
    if (padding[3] > 0) format.setRightPadding(padding[3] / twipsPerPixel);

    // A side the cell does not name takes the row's border there: its outer edge, or the line
    // between cells.
    const auto& r = row.rowBorders;
    const std::array<const RtfBorder*, 4> ofRow{r[0].given ? &r[0] : &r[4], first || !r[5].given ? &r[1] : &r[5],
                                                r[2].given ? &r[2] : &r[4], last || !r[5].given ? &r[3] : &r[5]};
    for (size_t side = 0; side < 4; ++side) {
        const RtfBorder& b = cell && cell->borders[side].given ? cell->borders[side] : *ofRow[side];
        if (!b.drawn)
            continue;
        const qreal width = (b.width > 0 ? b.width : twipsPerPixel) / twipsPerPixel;
        const QColor colour = b.colour > 0 && b.colour < colours.size() && colours[b.colour].isValid() ? colours[b.colour] : QColor(Qt::black);
        switch (side) {
        case 0: format.setTopBorder(width); format.setTopBorderStyle(styleOf(b.style)); format.setTopBorderBrush(colour); break;
        case 1: format.setLeftBorder(width); format.setLeftBorderStyle(styleOf(b.style)); format.setLeftBorderBrush(colour); break;
        case 2: format.setBottomBorder(width); format.setBottomBorderStyle(styleOf(b.style)); format.setBottomBorderBrush(colour); break;
        default: format.setRightBorder(width); format.setRightBorderStyle(styleOf(b.style)); format.setRightBorderBrush(colour); break;
        }
    }
    return format;
}

// The document's tables know no row height: a cell of one paragraph without a line spacing of
// its own takes the row's height (less its padding and borders) as its least line height, so
// that the row is at least that high. A row of exactly that height is shown as at least so
// high, its text never cut off.
void RtfTables::giveRowItsHeight(Level& level, int height)
{
    for (const Level::Placed& placed : level.placed) {
        const QTextTableCell cell = level.table->cellAt(level.row, placed.column);
        const QTextBlock block = cell.firstCursorPosition().block();
        if (block != cell.lastCursorPosition().block() || block.blockFormat().lineHeightType() != QTextBlockFormat::SingleHeight)
            continue;
        const QTextTableCellFormat format = cell.format().toTableCellFormat();
        const qreal line = std::abs(height) / twipsPerPixel - format.topPadding() - format.bottomPadding() - format.topBorder()
                           - format.bottomBorder();
        if (line <= 0)
            continue;
        QTextBlockFormat paragraph = block.blockFormat();
        paragraph.setLineHeight(line, QTextBlockFormat::MinimumHeight);
        paragraph.setProperty(rtfLineHeightOfRowProperty, true);
        QTextCursor(block).setBlockFormat(paragraph);
    }
}

void RtfTables::finishRow(Level& level, const RtfRowDefinition& definition)
{
    QTextTable& table = *level.table;
    // Columns placed with a default width take the width that the definition at the row's end
    // gives (a nested row's definition follows its cells); the columns after them move along.
    bool widthsChanged = false;
    auto& edges = level.edges;
    for (size_t i = 0; i < level.placed.size() && i < definition.cells.size(); ++i) {
        const size_t column = size_t(level.placed[i].column);
        if (level.placed[i].span != 1 || level.edgeFromDefinition[column])
            continue;
        const int lower = column > 0 ? edges[column - 1] : 0;
        const int right = definition.cells[i].right - definition.left;
        if (right > lower && right - lower <= rtfWidestCell
            && (column + 1 == edges.size() || !level.edgeFromDefinition[column + 1] || right < edges[column + 1])) {
            edges[column] = right;
            level.edgeFromDefinition[column] = true;
            widthsChanged = true;
        }
    }
    for (size_t column = 1; widthsChanged && column < edges.size(); ++column)
        if (edges[column] <= edges[column - 1])
            edges[column] = edges[column - 1] + defaultCellWidth;
    if (widthsChanged)
        applyWidths(level);

    const size_t count = level.placed.size();
    for (size_t i = 0; i < count; ++i) {
        const QTextTableCellFormat format =
            cellFormat(definition, i < definition.cells.size() ? &definition.cells[i] : nullptr, i == 0, i + 1 == count);
        if (format.propertyCount() > 1)  // more than its kind
            table.cellAt(level.row, level.placed[i].column).setFormat(format);
    }

    if (definition.height != 0)
        giveRowItsHeight(level, definition.height);

    // Merged cells: across by \clmgf/\clmrg or a wide cell, down by \clvmrg.
    for (size_t i = 0; i < count;) {
        const int column = level.placed[i].column;
        int span = level.placed[i].span;
        size_t next = i + 1;
        for (; next < count && next < definition.cells.size() && definition.cells[next].merged; ++next)
            span += level.placed[next].span;
        if (span > 1)
            table.mergeCells(level.row, column, 1, span);
        if (i < definition.cells.size() && definition.cells[i].verticallyMerged && level.row > 0) {
            const QTextTableCell above = table.cellAt(level.row - 1, column);
            if (above.isValid() && above.column() == column && above.columnSpan() == span)
                table.mergeCells(above.row(), column, level.row - above.row() + 1, span);
        }
        i = next;
    }
    level.cellsInPiece += int(level.placed.size());
    level.rowOpen = false;
    level.inCell = false;
    level.cell = 0;
}

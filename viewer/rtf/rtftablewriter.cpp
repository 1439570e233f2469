#include "viewer/rtf/rtftablewriter.h"

#include "viewer/rtf/rtftable.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cmath>
#include <variant>
#include <vector>

namespace {

// A column whose width the table does not fix: an inch; a share of the width: of a page's
// text, 6.5 inches.
constexpr double defaultColumnPixels = 96;
constexpr double pageTextPixels = 624;

struct Border {
    qreal width = 0;  // pixels
    QTextFrameFormat::BorderStyle style = QTextFrameFormat::BorderStyle_None;
    QColor colour;
};

// A cell's border on one side (top, left, bottom, right): its own, or the table's around every cell.
Border borderOf(const QTextTableCell& cell, const QTextTableFormat& table, int side)
{
    static constexpr int widths[] = {QTextFormat::TableCellTopBorder, QTextFormat::TableCellLeftBorder,
                                     QTextFormat::TableCellBottomBorder, QTextFormat::TableCellRightBorder};
    const QTextTableCellFormat format = cell.format().toTableCellFormat();
    if (format.hasProperty(widths[side])) {
        const int styles = widths[side] + (QTextFormat::TableCellTopBorderStyle - QTextFormat::TableCellTopBorder);
        const int brushes = widths[side] + (QTextFormat::TableCellTopBorderBrush - QTextFormat::TableCellTopBorder);
        return {format.doubleProperty(widths[side]), QTextFrameFormat::BorderStyle(format.intProperty(styles)),
                format.brushProperty(brushes).color()};
    }
    if (table.border() > 0)
        return {table.border(), table.borderStyle(), table.borderBrush().color()};
    return {};
}

QList<double> columnPixels(const QTextTable& table)
{
    const QList<QTextLength> constraints = table.format().columnWidthConstraints();
    QList<double> widths;
    for (int c = 0; c < table.columns(); ++c) {
        const QTextLength length = c < constraints.size() ? constraints[c] : QTextLength();
        widths << (length.type() == QTextLength::FixedLength        ? length.rawValue()
                   : length.type() == QTextLength::PercentageLength ? length.rawValue() * pageTextPixels / 100
                                                                    : defaultColumnPixels);
    }
    return widths;
}

QList<QTextTable*> tablesIn(QTextFrame* frame)
{
    QList<QTextTable*> tables;
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child))
            tables << table;
        tables << tablesIn(child);
    }
    return tables;
}

QByteArray number(qint64 n) { return QByteArray::number(n); }

class Writer {
public:
    Writer(QByteArray& out, const QList<QColor>& colours, const RtfParagraphWriter& paragraph)
        : out(out), colours(colours), paragraph(paragraph)
    {
    }

    // Each paragraph ends with \par where another follows. A table goes where the empty
    // paragraph after a \par stands (as word processors read it), so a paragraph before a
    // table ends too, but for the empty one with which a document or a cell begins before a
    // table: the document keeps a paragraph before every table.
    void frame(QTextFrame::iterator it, int depth)
    {
        std::vector<std::variant<QTextBlock, QTextTable*>> children;
        for (; !it.atEnd(); ++it) {
            if (QTextFrame* child = it.currentFrame()) {
                // Frames other than tables (from pasted HTML) are written as their paragraphs.
                if (auto* table = qobject_cast<QTextTable*>(child))
                    children.emplace_back(table);
                else
                    for (auto inner = child->begin(); !inner.atEnd(); ++inner)
                        if (inner.currentBlock().isValid())
                            children.emplace_back(inner.currentBlock());
            } else {
                children.emplace_back(it.currentBlock());
            }
        }
        for (size_t i = 0; i < children.size(); ++i) {
            if (QTextTable* const* table = std::get_if<QTextTable*>(&children[i])) {
                this->table(**table, depth + 1);
                continue;
            }
            const QTextBlock& block = std::get<QTextBlock>(children[i]);
            if (betweenPiecesOfOneTable(children, i))
                continue;
            out += "\\pard" + tableWords(depth);
            paragraph(out, block);
            const bool last = i + 1 == children.size();
            const bool beforeTable = !last && std::holds_alternative<QTextTable*>(children[i + 1]);
            if (!last && !(beforeTable && i == 0 && block.length() <= 1))
                out += "\\par\r\n";
        }
    }

private:
    // An empty paragraph between a table and the next piece of it: the rows follow each other.
    static bool betweenPiecesOfOneTable(const std::vector<std::variant<QTextBlock, QTextTable*>>& children, size_t i)
    {
        if (i == 0 || i + 1 == children.size() || std::get<QTextBlock>(children[i]).length() > 1
            || !std::holds_alternative<QTextTable*>(children[i - 1]))
            return false;
        QTextTable* const* next = std::get_if<QTextTable*>(&children[i + 1]);
        return next && (*next)->format().boolProperty(rtfTablePieceProperty);
    }

    static QByteArray tableWords(int depth)
    {
        if (depth == 0)
            return {};
        return depth == 1 ? QByteArray("\\intbl") : "\\intbl\\itap" + number(depth);
    }

    void table(const QTextTable& table, int depth)
    {
        for (int row = 0; row < table.rows(); ++row) {
            const QByteArray definition = rowDefinition(table, row);
            if (depth == 1)
                out += definition;
            for (int column = 0; column < table.columns(); ++column) {
                const QTextTableCell cell = table.cellAt(row, column);
                // A cell merged into another is written empty, as word processors write it.
                if (cell.row() == row && cell.column() == column)
                    frame(cell.begin(), depth);
                else
                    out += "\\pard" + tableWords(depth) + ' ';
                out += depth == 1 ? "\\cell " : "\\nestcell ";
            }
            if (depth == 1)
                out += "\\row\r\n";
            else
                out += "\\pard" + tableWords(depth) + "{\\*\\nesttableprops" + definition + "\\nestrow}{\\nonesttables\\par}\r\n";
        }
    }

    QByteArray rowDefinition(const QTextTable& table, int row) const
    {
        const QTextTableFormat format = table.format();
        const QTextTableCellFormat first = table.cellAt(row, 0).format().toTableCellFormat();
        const auto padding = [&](int property) {
            return std::lround((first.hasProperty(property) ? first.doubleProperty(property) : format.cellPadding()) * twipsPerPixel);
        };
        QByteArray d = "\\trowd\\trgaph" + number(padding(QTextFormat::TableCellLeftPadding));
        if (const long right = padding(QTextFormat::TableCellRightPadding); right != padding(QTextFormat::TableCellLeftPadding))
            d += "\\trpaddr" + number(right) + "\\trpaddfr3";
        if (const long top = padding(QTextFormat::TableCellTopPadding); top > 0)
            d += "\\trpaddt" + number(top) + "\\trpaddft3";
        if (const long bottom = padding(QTextFormat::TableCellBottomPadding); bottom > 0)
            d += "\\trpaddb" + number(bottom) + "\\trpaddfb3";
        if (const int height = first.intProperty(rtfRowHeightProperty); height != 0)
            d += "\\trrh" + number(height);
        if (format.alignment() & Qt::AlignHCenter)
            d += "\\trqc";
        else if (format.alignment() & Qt::AlignRight)
            d += "\\trqr";
        const QList<double> widths = columnPixels(table);
        double right = 0;
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            static constexpr const char* sides[] = {"\\clbrdrt", "\\clbrdrl", "\\clbrdrb", "\\clbrdrr"};
            for (int side = 0; side < 4; ++side)
                d += border(sides[side], borderOf(cell, format, side));
            if (cell.rowSpan() > 1)
                d += cell.row() == row ? "\\clvmgf" : "\\clvmrg";
            if (cell.columnSpan() > 1)
                d += cell.column() == column ? "\\clmgf" : "\\clmrg";
            d += cellPadding(cell.format().toTableCellFormat(), first);
            right += widths[column];
            d += "\\cellx" + number(std::lround(right * twipsPerPixel));
        }
        return d;
    }

    // A cell's padding where it differs from the row's, the first cell's.
    static QByteArray cellPadding(const QTextTableCellFormat& cell, const QTextTableCellFormat& row)
    {
        static constexpr std::pair<int, const char*> sides[] = {
            {QTextFormat::TableCellTopPadding, "t"}, {QTextFormat::TableCellLeftPadding, "l"},
            {QTextFormat::TableCellBottomPadding, "b"}, {QTextFormat::TableCellRightPadding, "r"}};
        QByteArray d;
        for (const auto& [property, side] : sides) {
            const long twips = std::lround(cell.doubleProperty(property) * twipsPerPixel);
            if (twips != std::lround(row.doubleProperty(property) * twipsPerPixel))
                d += "\\clpad" + QByteArray(side) + number(twips) + "\\clpadf" + QByteArray(side) + "3";
        }
        return d;
    }

    QByteArray border(const char* side, const Border& b) const
    {
        if (b.width <= 0 || b.style == QTextFrameFormat::BorderStyle_None)
            return {};
        QByteArray d = side;
        switch (b.style) {
        case QTextFrameFormat::BorderStyle_Double: d += "\\brdrdb"; break;
        case QTextFrameFormat::BorderStyle_Dotted: d += "\\brdrdot"; break;
        case QTextFrameFormat::BorderStyle_Dashed:
        case QTextFrameFormat::BorderStyle_DotDash:
        case QTextFrameFormat::BorderStyle_DotDotDash: d += "\\brdrdash"; break;
        default: d += "\\brdrs"; break;
        }
        d += "\\brdrw" + number(std::clamp(std::lround(b.width * twipsPerPixel), 1L, 255L));
        if (const qsizetype index = colours.indexOf(b.colour); index >= 0)
            d += "\\brdrcf" + number(index + 1);
        return d;
    }

    QByteArray& out;
    const QList<QColor>& colours;
    const RtfParagraphWriter& paragraph;
};

} // namespace

void addBorderColours(const QTextDocument& document, QList<QColor>& colours)
{
    for (QTextTable* table : tablesIn(document.rootFrame())) {
        const QTextTableFormat format = table->format();
        for (int row = 0; row < table->rows(); ++row)
            for (int column = 0; column < table->columns(); ++column)
                for (int side = 0; side < 4; ++side) {
                    const Border b = borderOf(table->cellAt(row, column), format, side);
                    if (b.width > 0 && b.style != QTextFrameFormat::BorderStyle_None && !colours.contains(b.colour))
                        colours << b.colour;
                }
    }
}

void appendParagraphsAndTables(QByteArray& out, const QTextDocument& document, const QList<QColor>& colours,
                               const RtfParagraphWriter& paragraph)
{
    Writer(out, colours, paragraph).frame(document.rootFrame()->begin(), 0);
}

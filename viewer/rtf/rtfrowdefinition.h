#pragma once
// The row definitions of RTF tables (\trowd … \cellx): the cells' right edges, borders and
// merges, the row's gap, padding and alignment, as the words come; one definition for each
// depth of nesting, kept until the next \trowd of that depth, as word processors keep them.

#include "viewer/rtf/rtfunits.h"

#include <array>
#include <span>
#include <string_view>
#include <vector>

// Beyond these, cells and rows are kept as text, tab-separated in the deepest or last cell:
// a word processor's tables hold at most 63 columns and seldom nest more than three deep, and
// every further column costs the document's layout work for every row, so a damaged or
// hostile file with thousands of cells in a row would lay out for minutes. Each level of
// nesting doubles the layout's work for the text inside it (a table lays each cell out twice,
// once to measure its columns), so 16 levels took seconds for a single word and minutes for a
// page of text; at 6, a page of text in the deepest cell lays out in a fraction of a second.
constexpr int rtfTableColumnLimit = 63;
constexpr int rtfTableDepthLimit = 6;
// Widths beyond the widest page are cut, so that a damaged \cellx does not ask the layout for a
// table kilometres wide.
constexpr int rtfWidestCell = rtfLargestTwips;

// The control words of row definitions.
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
    std::array<int, 4> padding{-1, -1, -1, -1};  // \clpad*, twips, top, left, bottom, right; -1: the row's
    RtfBorders borders;
    bool mergeFirst = false, merged = false;                  // across: \clmgf, \clmrg
    bool verticalFirst = false, verticallyMerged = false;     // down: \clvmgf, \clvmrg
};

struct RtfRowDefinition {
    int left = 0;  // twips
    int gap = 0;   // half the space between cells, twips
    std::array<int, 4> padding{-1, -1, -1, -1};  // \trpadd*, twips; -1: from the gap
    int alignment = 0;                            // 0 left, 1 centred, 2 right
    int height = 0;                               // \trrh, twips: above 0 at least, below 0 exactly
    std::array<RtfBorder, 6> rowBorders;          // top, left, bottom, right, inside across, inside down
    std::vector<RtfCellDefinition> cells;
};

class RtfRowDefinitions {
public:
    // A definition's word read in a paragraph of the given depth (\itap).
    void read(std::string_view word, bool hasParameter, int parameter, int depth);
    // The latest definition of a depth, 1 the outermost.
    RtfRowDefinition& at(int depth);

private:
    enum class BorderOf { Nothing, Cell, Row };
    std::vector<RtfRowDefinition> rows;      // the latest definition of each depth, 1 first
    RtfCellDefinition pendingCell;           // read for the cell whose \cellx comes next
    BorderOf borderOf = BorderOf::Nothing;   // what the \brdr words being read describe
    int borderSide = 0;
    int borderDepth = 1;
};

#include "viewer/rtf/rtfrowdefinition.h"

#include <algorithm>
#include <unordered_map>

namespace {

enum class DefinitionWord {
    RowDefaults, Left, Gap, PaddingTop, PaddingLeft, PaddingBottom, PaddingRight, AlignLeft, AlignCentre,
    AlignRight, CellRight, CellBorderTop, CellBorderLeft, CellBorderBottom, CellBorderRight, RowBorderTop,
    RowBorderLeft, RowBorderBottom, RowBorderRight, RowBorderAcross, RowBorderDown, ParagraphBorder, Solid,
    Double, Dotted, Dashed, NoBorder, BorderWidth, BorderColour, MergeFirst, Merged, VerticalFirst,
    VerticallyMerged, Height, CellPaddingTop, CellPaddingLeft, CellPaddingBottom, CellPaddingRight,
    CellPaddingUnitTop, CellPaddingUnitLeft, CellPaddingUnitBottom, CellPaddingUnitRight,
    PaddingUnitTop, PaddingUnitLeft, PaddingUnitBottom, PaddingUnitRight,
};

const std::unordered_map<std::string_view, DefinitionWord>& definitionWords()
{
    using W = DefinitionWord;
    static const std::unordered_map<std::string_view, DefinitionWord> words = [] {
        std::unordered_map<std::string_view, DefinitionWord> w{
            {"trowd", W::RowDefaults}, {"trleft", W::Left}, {"trgaph", W::Gap}, {"trpaddt", W::PaddingTop},
            {"trpaddl", W::PaddingLeft}, {"trpaddb", W::PaddingBottom}, {"trpaddr", W::PaddingRight},
            {"trql", W::AlignLeft}, {"trqc", W::AlignCentre}, {"trqr", W::AlignRight}, {"cellx", W::CellRight},
            {"clbrdrt", W::CellBorderTop}, {"clbrdrl", W::CellBorderLeft}, {"clbrdrb", W::CellBorderBottom},
            {"clbrdrr", W::CellBorderRight}, {"trbrdrt", W::RowBorderTop}, {"trbrdrl", W::RowBorderLeft},
            {"trbrdrb", W::RowBorderBottom}, {"trbrdrr", W::RowBorderRight}, {"trbrdrh", W::RowBorderAcross},
            {"trbrdrv", W::RowBorderDown}, {"brdrdb", W::Double}, {"brdrdot", W::Dotted}, {"brdrnone", W::NoBorder},
            {"brdrnil", W::NoBorder}, {"brdrw", W::BorderWidth}, {"brdrcf", W::BorderColour},
            {"clmgf", W::MergeFirst}, {"clmrg", W::Merged}, {"clvmgf", W::VerticalFirst},
            {"clvmrg", W::VerticallyMerged}, {"trrh", W::Height}, {"clpadt", W::CellPaddingTop},
            {"clpadl", W::CellPaddingLeft}, {"clpadb", W::CellPaddingBottom}, {"clpadr", W::CellPaddingRight},
            {"clpadft", W::CellPaddingUnitTop}, {"clpadfl", W::CellPaddingUnitLeft}, {"clpadfb", W::CellPaddingUnitBottom},
            {"clpadfr", W::CellPaddingUnitRight}, {"trpaddft", W::PaddingUnitTop}, {"trpaddfl", W::PaddingUnitLeft},
            {"trpaddfb", W::PaddingUnitBottom}, {"trpaddfr", W::PaddingUnitRight},
        };
        // The borders of paragraphs: the border words after them are no table's.
        for (const char* p : {"brdrt", "brdrl", "brdrb", "brdrr", "box", "brdrbtw", "brdrbar"})
            w.emplace(p, W::ParagraphBorder);
        for (const char* d : {"brdrdash", "brdrdashsm", "brdrdashd", "brdrdashdd", "brdrdashdotstr"})
            w.emplace(d, W::Dashed);
        // Shadowed, thick, triple, wavy and the like are drawn as a plain line.
        for (const char* s : {"brdrs", "brdrth", "brdrsh", "brdrhair", "brdrtriple", "brdrtnthsg", "brdrthtnsg",
                              "brdrtnthtnsg", "brdrtnthmg", "brdrthtnmg", "brdrtnthtnmg", "brdrtnthlg", "brdrthtnlg",
                              "brdrtnthtnlg", "brdrwavy", "brdrwavydb", "brdremboss", "brdrengrave", "brdrinset",
                              "brdroutset", "brdrframe"})
            w.emplace(s, W::Solid);
        return w;
    }();
    return words;
}

} // namespace

std::span<const std::string_view> rtfRowDefinitionWords()
{
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> n;
        for (const auto& [name, word] : definitionWords())
            n.push_back(name);
        return n;
    }();
    return names;
}

RtfRowDefinition& RtfRowDefinitions::at(int depth)
{
    depth = std::clamp(depth, 1, rtfTableDepthLimit);
    if (rows.size() < size_t(depth))
        rows.resize(size_t(depth));
    return rows[size_t(depth) - 1];
}

void RtfRowDefinitions::read(std::string_view name, bool hasParameter, int p, int depth)
{
    const auto it = definitionWords().find(name);
    if (it == definitionWords().end())
        return;
    depth = std::max(depth, 1);
    RtfRowDefinition& row = at(depth);
    const auto border = [&]() -> RtfBorder* {
        if (borderOf == BorderOf::Cell)
            return &pendingCell.borders[size_t(borderSide)];
        if (borderOf == BorderOf::Row)
            return &at(borderDepth).rowBorders[size_t(borderSide)];
        return nullptr;
    };
    const auto aimAt = [&](BorderOf of, int side) {
        borderOf = of;
        borderSide = side;
        borderDepth = depth;
        if (RtfBorder* b = border())
            *b = RtfBorder{true, false};
    };
    const auto style = [&](bool drawn, RtfBorder::Style s) {
        if (RtfBorder* b = border()) {
            b->drawn = drawn;
            b->style = s;
        }
    };
    const int value = hasParameter ? p : 0;
    using W = DefinitionWord;
    switch (it->second) {
    case W::RowDefaults:
        row = RtfRowDefinition{};
        pendingCell = RtfCellDefinition{};
        borderOf = BorderOf::Nothing;
        break;
    // Edges beyond the widest page are cut there, so that the width between two of them is
    // always a number, however far apart a damaged file puts them.
    case W::Left: row.left = std::clamp(value, -rtfLargestTwips, rtfLargestTwips); break;
    case W::Gap: row.gap = std::clamp(value, 0, rtfWidestCell); break;
    case W::PaddingTop: row.padding[0] = std::clamp(value, 0, rtfWidestCell); break;
    case W::PaddingLeft: row.padding[1] = std::clamp(value, 0, rtfWidestCell); break;
    case W::PaddingBottom: row.padding[2] = std::clamp(value, 0, rtfWidestCell); break;
    case W::PaddingRight: row.padding[3] = std::clamp(value, 0, rtfWidestCell); break;
    case W::AlignLeft: row.alignment = 0; break;
    case W::AlignCentre: row.alignment = 1; break;
    case W::AlignRight: row.alignment = 2; break;
    case W::CellRight:
        // Further cells of a row beyond the column limit are read as text.
        if (row.cells.size() < size_t(rtfTableColumnLimit)) {
            pendingCell.right = std::clamp(value, -rtfLargestTwips, rtfLargestTwips);
            row.cells.push_back(pendingCell);
        }
        pendingCell = RtfCellDefinition{};
        borderOf = BorderOf::Nothing;
        break;
    case W::CellBorderTop: aimAt(BorderOf::Cell, 0); break;
    case W::CellBorderLeft: aimAt(BorderOf::Cell, 1); break;
    case W::CellBorderBottom: aimAt(BorderOf::Cell, 2); break;
    case W::CellBorderRight: aimAt(BorderOf::Cell, 3); break;
    case W::RowBorderTop: aimAt(BorderOf::Row, 0); break;
    case W::RowBorderLeft: aimAt(BorderOf::Row, 1); break;
    case W::RowBorderBottom: aimAt(BorderOf::Row, 2); break;
    case W::RowBorderRight: aimAt(BorderOf::Row, 3); break;
    case W::RowBorderAcross: aimAt(BorderOf::Row, 4); break;
    case W::RowBorderDown: aimAt(BorderOf::Row, 5); break;
    case W::ParagraphBorder: borderOf = BorderOf::Nothing; break;
    case W::Solid: style(true, RtfBorder::Solid); break;
    case W::Double: style(true, RtfBorder::Double); break;
    case W::Dotted: style(true, RtfBorder::Dotted); break;
    case W::Dashed: style(true, RtfBorder::Dashed); break;
    case W::NoBorder: style(false, RtfBorder::Solid); break;
    case W::BorderWidth:
        if (RtfBorder* b = border())
            b->width = std::clamp(value, 0, 255);
        break;
    case W::BorderColour:
        if (RtfBorder* b = border())
            b->colour = std::max(value, 0);
        break;
    case W::MergeFirst: pendingCell.mergeFirst = true; break;
    case W::Merged: pendingCell.merged = true; break;
    case W::VerticalFirst: pendingCell.verticalFirst = true; break;
    case W::VerticallyMerged: pendingCell.verticallyMerged = true; break;
    case W::Height: row.height = std::clamp(value, -rtfTallestTwips, rtfTallestTwips); break;
    case W::CellPaddingTop: pendingCell.padding[0] = std::clamp(value, 0, rtfTallestTwips); break;
    case W::CellPaddingLeft: pendingCell.padding[1] = std::clamp(value, 0, rtfWidestCell); break;
    case W::CellPaddingBottom: pendingCell.padding[2] = std::clamp(value, 0, rtfTallestTwips); break;
    case W::CellPaddingRight: pendingCell.padding[3] = std::clamp(value, 0, rtfWidestCell); break;
    // A padding's unit follows its value: 3 twips; 0 says the value means nothing.
    case W::CellPaddingUnitTop: if (value == 0) pendingCell.padding[0] = -1; break;
    case W::CellPaddingUnitLeft: if (value == 0) pendingCell.padding[1] = -1; break;
    case W::CellPaddingUnitBottom: if (value == 0) pendingCell.padding[2] = -1; break;
    case W::CellPaddingUnitRight: if (value == 0) pendingCell.padding[3] = -1; break;
    case W::PaddingUnitTop: if (value == 0) row.padding[0] = -1; break;
    case W::PaddingUnitLeft: if (value == 0) row.padding[1] = -1; break;
    case W::PaddingUnitBottom: if (value == 0) row.padding[2] = -1; break;
    case W::PaddingUnitRight: if (value == 0) row.padding[3] = -1; break;
    }
}


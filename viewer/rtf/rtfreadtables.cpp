// Tables: a paragraph's depth in them, their cells and rows, and the words of row definitions.
#include "viewer/rtf/rtfdocumentreader.h"

#include <algorithm>
#include <string_view>

namespace rtfread {

// A nested table's row definition follows its cells, in a destination of its own.
void Reader::openNestedTableProperties(bool firstInGroup)
{
    State& st = current();
    if (firstInGroup && keepDestination())
        st.destination = parent().destination;
}

void Reader::tableWord(const RtfToken& t, Word word)
{
    State& st = current();
    const int p = t.parameter;
    switch (word) {
    case Word::Cell:
        if (st.destination == Destination::Text && !st.hidden)
            endCell(t.word == "nestcell");
        else
            addChar(u' ');
        return;
    case Word::Row:
        if (st.destination == Destination::Text && !st.hidden)
            endRow(t.word == "nestrow");
        return;
    case Word::InTable: setTableDepth(std::max(st.tableDepth, 1)); return;
    case Word::TableDepth: if (t.hasParameter) setTableDepth(std::max(p, 0)); return;
    case Word::RowDefinition:
        tables.definitionWord(std::string_view(t.word.constData(), size_t(t.word.size())), t.hasParameter, p, st.tableDepth);
        return;
    default: return;
    }
}

// Text goes where its depth in tables puts it. A block the cursor moves into was made by
// the tables, not at a paragraph mark: the next text gives it its paragraph's format.
void Reader::enterTables(int depth)
{
    const int before = cursor.position();
    tables.enter(depth);
    if (cursor.position() != before)
        blockParagraph.reset();
}

// A paragraph's depth in tables changes between its runs of text: what was read belongs
// where it was read.
void Reader::setTableDepth(int depth)
{
    flush();
    current().tableDepth = depth;
}

// \cell and \row end the outermost table's cell and row, \nestcell and \nestrow those of
// the paragraph's depth; beyond the depth limit, cells stay tab-separated text.
void Reader::endCell(bool nested)
{
    flush();
    if (!tables.endCell(nested ? std::max(current().tableDepth, 2) : 1))
        addChar(u'\t');
}

void Reader::endRow(bool nested)
{
    flush();
    if (!tables.endRow(nested ? std::max(current().tableDepth, 2) : 1))
        paragraph();
}

} // namespace rtfread

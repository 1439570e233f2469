// Paragraphs: their marks, their properties and the document's tab stops.
#include "viewer/rtf/rtfdocumentreader.h"

#include "viewer/rtf/rtfunits.h"

#include <QTextDocument>

#include <algorithm>
#include <string_view>

namespace rtfread {

void Reader::paragraphWord(const RtfToken& t, Word word)
{
    State& st = current();
    const int p = t.parameter;
    switch (word) {
    case Word::Paragraph: paragraph(); return;
    case Word::ParagraphDefaults:
        setTableDepth(0);
        st.paragraph = RtfParagraph{};
        return;
    case Word::DefaultTab:
        if (t.hasParameter && p > 0)
            setDefaultTab(p);
        return;
    case Word::ParagraphProperty:
        st.paragraph.apply(std::string_view(t.word.constData(), size_t(t.word.size())), t.hasParameter, p);
        return;
    default: return;
    }
}

// Where text steps to at a tab beyond the paragraph's own stops, in twips.
void Reader::setDefaultTab(int twips)
{
    // Below a millimetre or beyond the widest page a tab would be no step at all or the line's end.
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance(std::clamp(twips, 60, rtfLargestTwips) / twipsPerPixel);
    document.setDefaultTextOption(option);
}

void Reader::paragraph()
{
    const State& st = current();
    if (st.hidden)
        return;
    if (st.destination == Destination::Footnote) {
        addChar(u' ');
        return;
    }
    if (st.destination != Destination::Text)
        return;
    flush();
    enterTables(st.tableDepth);
    formatParagraph();
    keepSpacingWithinBudget();
    // The next paragraph keeps these properties until \pard.
    cursor.insertBlock(blockFormat, st.format);
}

// The block being read takes the paragraph properties in force: those at its paragraph
// mark, or, in a last paragraph without one, those with its last text.
void Reader::formatParagraph()
{
    const RtfParagraph& wanted = current().paragraph;
    if (wanted == blockParagraph)
        return;
    blockParagraph = wanted;
    blockFormat = wanted.blockFormat();
    cursor.setBlockFormat(blockFormat);
}

// Once the document's paragraphs have used the spacing it may have, the paragraph ends
// without its own, and the next ones with the same properties likewise.
void Reader::keepSpacingWithinBudget()
{
    const double spacing = rtfSpacingPixels(blockFormat);
    if (spacing <= 0)
        return;
    spacingUsed += spacing;
    if (spacingUsed <= rtfDocumentSpacingPixels)
        return;
    blockFormat = rtfWithoutSpacing(blockFormat);
    cursor.setBlockFormat(blockFormat);
}

} // namespace rtfread

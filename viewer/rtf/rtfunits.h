#pragma once
// The units RTF measures in and the document lays out in.

#include <QTextFormat>

// Twips to the document's pixels: a pixel is 1/96 inch, a twip 1/1440.
constexpr double twipsPerPixel = 15.0;
// 22 inches, the widest page and the largest indent or spacing word processors allow. Larger
// values are cut to it, so that a damaged number never asks the layout for kilometres.
constexpr int rtfLargestTwips = 31680;
// 10 inches, the text of a page: the largest space before or after a paragraph and the
// largest line spacing (also as a multiple, 60 lines), so that a paragraph never asks for
// more room than a page holds.
constexpr int rtfTallestTwips = 14400;

// What the reader keeps in formats for the writer: a table cell's row height in twips (\trrh;
// above 0 at least, below 0 exactly), and, on a cell's paragraph, that its least line height
// makes the row that high rather than being the paragraph's own spacing.
constexpr int rtfRowHeightProperty = QTextFormat::UserProperty + 3;
constexpr int rtfLineHeightOfRowProperty = QTextFormat::UserProperty + 4;
// On a table that continues the one before it: a long table's next piece (see RtfTables). The
// empty paragraph that the document keeps between the two is no paragraph of the file.
constexpr int rtfTablePieceProperty = QTextFormat::UserProperty + 5;

#pragma once
// The pagination of the help: breaks that keep a heading, a picture or an introducing sentence
// with what follows it, no paragraph's first or last line alone on a page, tables whole or split
// between their rows, and pictures a little smaller where that saves a gap at a page foot. The document is laid out on pages of the given height.

#include <QTextBlock>
#include <QTextDocument>

#include <climits>
#include <cmath>
#include <functional>

class QTextFrame;
class QTextTable;

// Marks a table that runs on over a page foot like a list (the table of contents): it is neither
// moved whole to the next page nor headed there by its first row, however bold that is.
constexpr int fortlaufend = QTextFormat::UserProperty + 40;

class Manual {
public:
    Manual(QTextDocument& doc, qreal pageHeight) : doc(doc), pageHeight(pageHeight) {}

    int pageOf(qreal y) const { return int(std::floor(y / pageHeight)); }
    qreal height() const { return pageHeight; }
    const QTextDocument& document() const { return doc; }

    // The page on which a block's first line stands.
    int firstLinePage(const QTextBlock& block) const;
    int lastLinePage(const QTextBlock& block) const;

    // Makes one change at a time, the one nearest the start, and lays out again, until nothing
    // stands apart. What lies above a change stays where it is, so no change undoes an earlier one.
    void paginate();

    // The incremental layout misplaces what follows a table moved to the next page; a full one does not.
    void relayout() { doc.markContentsDirty(0, doc.characterCount()); }

private:
    static bool holdsPicture(const QTextBlock& block);

    // Moves a block to the top of the next page.
    static void breakBefore(const QTextBlock& block);

    void noBreakBefore(const QTextBlock& block);

    // The first row that runs over a page foot, or -1. The layout moves a row whose first line does
    // not fit to the next page, but splits one that starts above the foot.
    int splitRow(QTextTable* table) const;

    // A table whose first row is bold is headed by it, unless it runs on like a list.
    static bool isHeaderRow(QTextTable* table);

    // Moves the rows from `row` on into a table of their own on the next page, headed like the first.
    void splitTable(QTextTable* table, int row);

    // One change to the layout, at the position in the document it concerns.
    struct Fix {
        int position = INT_MAX;
        std::function<void()> apply;
    };
    static void consider(Fix& first, int position, std::function<void()> apply);

    // A table shorter than a page that runs over a page foot starts on the next page instead;
    // a longer one is split between its rows.
    void keepTablesWhole(QTextFrame* frame, Fix& first);

    bool inRootFrame(const QTextBlock& block) const { return doc.frameAt(block.position()) == doc.rootFrame(); }

    // A sentence ending in a colon introduces the table or picture that follows it.
    bool introduces(const QTextBlock& block) const;

    // A heading, a picture or an introducing sentence whose following line stands on the next
    // page goes there with it.
    void keepWithNext(Fix& first);

    // A picture that, with the first line after it, does not fit below the text before it would
    // leave a gap at the foot of the page; it is made smaller to fit there when it keeps at least
    // three quarters of its size.
    void shrinkPicturesToFit(Fix& first);

    void scalePictures(const QTextBlock& block, qreal factor);

    // A paragraph runs over a page foot with at least two lines on either side: one whose first
    // line alone would stand at the foot, or that is three lines or fewer, goes to the next page
    // whole; a longer one whose last line alone would start the next page is split before its
    // last two lines, and they go there.
    void keepLinesTogether(Fix& first);
    // The page of a block's line `index`.
    int linePage(const QTextBlock& block, int index) const;

    QTextDocument& doc;
    qreal pageHeight;
};

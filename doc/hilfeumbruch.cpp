#include "doc/hilfeumbruch.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>

#include <algorithm>

int Manual::firstLinePage(const QTextBlock& block) const
{
    const QRectF box = doc.documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    qreal y = box.top();
    if (layout && layout->lineCount() > 0)
        y += layout->lineAt(0).rect().center().y();
    return pageOf(y);
}

int Manual::lastLinePage(const QTextBlock& block) const
{
    const QRectF box = doc.documentLayout()->blockBoundingRect(block);
    const QTextLayout* layout = block.layout();
    qreal y = box.bottom();
    if (layout && layout->lineCount() > 0)
        y = box.top() + layout->lineAt(layout->lineCount() - 1).rect().center().y();
    return pageOf(y);
}

bool Manual::holdsPicture(const QTextBlock& block)
{
    return block.text().contains(QChar::ObjectReplacementCharacter);
}

void Manual::breakBefore(const QTextBlock& block)
{
    QTextCursor cursor(block);
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(format);
}

void Manual::noBreakBefore(const QTextBlock& block)
{
    if (auto* table = qobject_cast<QTextTable*>(doc.frameAt(block.position()))) {
        if (table->firstPosition() == block.position()) {
            QTextTableFormat format = table->format();
            format.setPageBreakPolicy(format.pageBreakPolicy() & ~QTextFormat::PageBreak_AlwaysBefore);
            table->setFormat(format);
        }
        return;
    }
    QTextCursor cursor(block);
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(format.pageBreakPolicy() & ~QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(format);
}

int Manual::splitRow(QTextTable* table) const
{
    for (int row = 0; row < table->rows(); ++row) {
        int first = INT_MAX, last = -1;
        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell cell = table->cellAt(row, column);
            if (cell.row() != row || cell.column() != column)
                continue;
            first = std::min(first, firstLinePage(doc.findBlock(cell.firstPosition())));
            last = std::max(last, lastLinePage(doc.findBlock(cell.lastPosition())));
        }
        if (last > first)
            return row;
    }
    return -1;
}

bool Manual::isHeaderRow(QTextTable* table)
{
    if (table->format().boolProperty(fortlaufend))
        return false;
    const QTextBlock block = table->cellAt(0, 0).firstCursorPosition().block();
    return block.begin() != block.end() && block.begin().fragment().charFormat().fontWeight() >= QFont::Bold;
}

void Manual::splitTable(QTextTable* table, int row)
{
    const int header = isHeaderRow(table) ? 1 : 0;
    QTextTableFormat format = table->format();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor after(&doc);
    after.setPosition(table->lastPosition() + 1);
    const int moved = table->rows() - row;
    QTextTable* rest = after.insertTable(header + moved, table->columns(), format);
    for (int target = 0; target < header + moved; ++target) {
        const int source = target < header ? 0 : row + target - header;
        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell from = table->cellAt(source, column);
            QTextCursor selection = from.firstCursorPosition();
            selection.setPosition(from.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            QTextTableCell to = rest->cellAt(target, column);
            to.setFormat(from.format());
            to.firstCursorPosition().insertFragment(selection.selection());
        }
    }
    table->removeRows(row, moved);
}

void Manual::consider(Fix& first, int position, std::function<void()> apply)
{
    if (position < first.position)
        first = {position, std::move(apply)};
}

void Manual::keepTablesWhole(QTextFrame* frame, Fix& first)
{
    for (QTextFrame* child : frame->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(child);
        const QRectF box = doc.documentLayout()->frameBoundingRect(child);
        if (table && pageOf(box.top() + 1) != pageOf(box.bottom() - 1)) {
            const int position = table->firstPosition();
            if (box.height() < pageHeight * 0.9 && !table->format().boolProperty(fortlaufend)
                && !(table->format().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)) {
                consider(first, position, [table] {
                    QTextTableFormat format = table->format();
                    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                    table->setFormat(format);
                });
            } else if (isHeaderRow(table) && table->format().headerRowCount() == 0) {
                // A longer table repeats its heading row on every page it runs over.
                consider(first, position, [table] {
                    QTextTableFormat format = table->format();
                    format.setHeaderRowCount(1);
                    table->setFormat(format);
                });
            } else if (const int row = splitRow(table); row > (isHeaderRow(table) ? 1 : 0)) {
                consider(first, position, [this, table, row] { splitTable(table, row); });
            }
        }
        keepTablesWhole(child, first);
    }
}

bool Manual::introduces(const QTextBlock& block) const
{
    const QTextBlock following = block.next();
    return block.text().trimmed().endsWith(u':') && following.isValid()
           && (!inRootFrame(following) || holdsPicture(following));
}

void Manual::keepWithNext(Fix& first)
{
    for (QTextBlock block = doc.begin(); block.isValid() && block.position() < first.position; block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 && !holdsPicture(block) && !introduces(block))
            continue;
        // Inside a table the row keeps its cells together.
        if (!inRootFrame(block))
            continue;
        if (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            continue;
        const QTextBlock following = block.next();
        if (!following.isValid())
            continue;
        if (firstLinePage(following) != lastLinePage(block)) {
            consider(first, block.position(), [this, block, following] {
                breakBefore(block);
                // What follows comes after the break with it; a break it had of its own
                // would leave this block alone on its page.
                noBreakBefore(following);
            });
            return;
        }
    }
}

void Manual::shrinkPicturesToFit(Fix& first)
{
    for (QTextBlock block = doc.begin(); block.isValid() && block.position() < first.position; block = block.next()) {
        if (!holdsPicture(block) || !inRootFrame(block) || !block.previous().isValid() || !block.next().isValid()
            || (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore))
            continue;
        const QTextLayout* layout = block.layout();
        const QTextBlock following = block.next();
        if (!layout || layout->lineCount() != 1 || !following.layout() || following.layout()->lineCount() == 0)
            continue;
        const qreal above = doc.documentLayout()->blockBoundingRect(block.previous()).bottom();
        const int page = pageOf(above);
        if (firstLinePage(block) == page && firstLinePage(following) == page)
            continue;
        const qreal height = layout->lineAt(0).height();
        const qreal room = (page + 1) * pageHeight - above - block.blockFormat().topMargin()
                           - block.blockFormat().bottomMargin() - following.blockFormat().topMargin()
                           - following.layout()->lineAt(0).height() - 4;
        if (room >= height || room < height * 0.75)
            continue;
        // The heading and the sentence that lead to the picture would otherwise go to the next
        // page with it: making it smaller counts as a change where they start, and comes first.
        QTextBlock leading = block;
        while (leading.previous().isValid() && inRootFrame(leading.previous())
               && (leading.previous().blockFormat().headingLevel() > 0 || introduces(leading.previous())))
            leading = leading.previous();
        consider(first, leading.position(), [this, block, factor = room / height] { scalePictures(block, factor); });
        return;
    }
}

void Manual::scalePictures(const QTextBlock& block, qreal factor)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.charFormat().isImageFormat())
            continue;
        QTextImageFormat image = fragment.charFormat().toImageFormat();
        const QImage original = doc.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
        if (original.isNull() || image.width() <= 0)
            continue;
        const qreal width = image.width() * factor;
        image.setWidth(width);
        image.setHeight(width * original.height() / original.width());
        QTextCursor cursor(&doc);
        cursor.setPosition(fragment.position());
        cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        cursor.setCharFormat(image);
    }
}

int Manual::linePage(const QTextBlock& block, int index) const
{
    const QRectF box = doc.documentLayout()->blockBoundingRect(block);
    return pageOf(box.top() + block.layout()->lineAt(index).rect().center().y());
}

void Manual::keepLinesTogether(Fix& first)
{
    for (QTextBlock block = doc.begin(); block.isValid() && block.position() < first.position; block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (!inRootFrame(block) || !layout || layout->lineCount() < 2 || block.blockFormat().headingLevel() > 0
            || holdsPicture(block) || (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore))
            continue;
        const int lines = layout->lineCount();
        const int page = linePage(block, 0);
        int onFirst = 0;
        while (onFirst < lines && linePage(block, onFirst) == page)
            ++onFirst;
        if (onFirst == lines)
            continue;
        const int onNext = lines - onFirst;
        if (onFirst >= 2 && onNext >= 2)
            continue;
        if (onFirst < 2 || lines <= 3 || block.textList()) {
            consider(first, block.position(), [block] { breakBefore(block); });
            return;
        }
        // The last two lines become a paragraph of their own on the next page; the break lies
        // between lines, so each keeps its words.
        const int splitAt = block.position() + layout->lineAt(lines - 2).textStart();
        consider(first, block.position(), [this, block, splitAt] {
            QTextCursor cursor(&doc);
            cursor.setPosition(splitAt);
            QTextBlockFormat upper = block.blockFormat();
            QTextBlockFormat lower = upper;
            upper.setBottomMargin(0);
            lower.setTopMargin(0);
            lower.setTextIndent(0);
            lower.setPageBreakPolicy(lower.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
            cursor.insertBlock(lower);
            QTextCursor(block).setBlockFormat(upper);
        });
        return;
    }
}

void Manual::paginate()
{
    for (int round = 0; round < 200; ++round) {
        Fix first;
        shrinkPicturesToFit(first);
        keepWithNext(first);
        keepLinesTogether(first);
        keepTablesWhole(doc.rootFrame(), first);
        if (!first.apply)
            return;
        first.apply();
        relayout();
    }
}

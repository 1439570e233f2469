// Writes the help document: hilfepdf SOURCE.html DRAWING.svg OUTPUT.pdf
// The HTML is laid out on A4 pages like a printed manual: a title block with version and date of the
// build, a table of contents with page numbers whose lines jump to their pages, page numbers in the
// footer, and no heading, picture or short table left apart from what follows it at a page foot.
// "hilfepdf --zahlen" lists the figures the program's code puts into the text.

#include "common/versionnumbers.h"
#include "doc/beispiellauf.h"
#include "doc/hilfebilder.h"
#include "doc/hilfeumbruch.h"
#include "doc/hilfezahlen.h"
#include "doc/pdfsprungmarken.h"
#include "platform/dateischreiber.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextStream>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <vector>

namespace {

struct Entry {
    QTextBlock heading;
    int level;
    QTextTableCell pageCell;
};

// Title block and table of contents go after the document's title; the text starts on a new page.
std::vector<Entry> insertTitleAndContents(QTextDocument& doc, const QString& versionLine)
{
    QTextBlock title = doc.begin();
    while (title.isValid() && title.blockFormat().headingLevel() != 1)
        title = title.next();
    if (!title.isValid())
        title = doc.begin();

    std::vector<Entry> entries;
    for (QTextBlock block = title.next(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 2 || level == 3)
            entries.push_back({block, level, {}});
    }

    QTextCursor cursor(title);
    cursor.movePosition(QTextCursor::EndOfBlock);

    QTextBlockFormat plain;
    QTextCharFormat normal;
    QTextBlockFormat versionFormat;
    versionFormat.setTopMargin(6);
    versionFormat.setBottomMargin(18);
    QTextCharFormat versionChars;
    versionChars.setFontPointSize(11);
    versionChars.setForeground(QColor(0x44, 0x44, 0x44));
    cursor.insertBlock(versionFormat, versionChars);
    cursor.insertText(versionLine);

    QTextBlockFormat contentsHeading;
    contentsHeading.setHeadingLevel(0);
    contentsHeading.setTopMargin(12);
    contentsHeading.setBottomMargin(6);
    QTextCharFormat contentsChars;
    contentsChars.setFontPointSize(13);
    contentsChars.setFontWeight(QFont::Bold);
    contentsChars.setForeground(QColor(0x1a, 0x3a, 0x8a));
    cursor.insertBlock(contentsHeading, contentsChars);
    cursor.insertText(QStringLiteral("Inhalt"));

    QTextTableFormat tableFormat;
    tableFormat.setBorder(0);
    // Should it not fit on the title page, it goes on over the next like a list.
    tableFormat.setProperty(fortlaufend, true);
    tableFormat.setCellPadding(1);
    tableFormat.setCellSpacing(0);
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tableFormat.setColumnWidthConstraints(
        {QTextLength(QTextLength::PercentageLength, 88), QTextLength(QTextLength::PercentageLength, 12)});
    cursor.insertBlock(plain, normal);
    QTextTable* table = cursor.insertTable(int(entries.size()), 2, tableFormat);
    for (int row = 0; row < int(entries.size()); ++row) {
        Entry& entry = entries[std::size_t(row)];
        // No links here: the PDF writer would make them web addresses. The jumps to the pages
        // are added to the written PDF (contentsJumps).
        QTextCharFormat line;
        if (entry.level == 2)
            line.setFontWeight(QFont::Bold);
        QTextBlockFormat indent;
        indent.setLeftMargin(entry.level == 2 ? 0 : 18);
        QTextCursor cell = table->cellAt(row, 0).firstCursorPosition();
        cell.setBlockFormat(indent);
        cell.insertText(entry.heading.text().remove(QChar::ObjectReplacementCharacter), line);
        entry.pageCell = table->cellAt(row, 1);
        QTextBlockFormat right;
        right.setAlignment(Qt::AlignRight);
        entry.pageCell.firstCursorPosition().setBlockFormat(right);
    }
    return entries;
}

void writePageNumbers(std::vector<Entry>& entries, Manual& manual)
{
    for (Entry& entry : entries) {
        QTextCursor cursor = entry.pageCell.firstCursorPosition();
        cursor.setPosition(entry.pageCell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        cursor.insertText(QString::number(manual.firstLinePage(entry.heading) + 1));
    }
    manual.relayout();
}

// Each line of the contents leads to the page of its heading. Layout points become PDF points:
// the page's text area starts at its margins, and PDF counts upwards from the paper's foot.
QList<PdfSprung> contentsJumps(const std::vector<Entry>& entries, const Manual& manual, const QPageLayout& layout)
{
    const QRectF paper = layout.fullRectPoints();
    const QRectF area = layout.paintRectPoints();
    const QTextDocument& doc = manual.document();
    auto* documentLayout = doc.documentLayout();
    QList<PdfSprung> jumps;
    for (const Entry& entry : entries) {
        const QTextBlock line = entry.pageCell.firstCursorPosition().block();
        const QRectF row = documentLayout->blockBoundingRect(line);
        const int from = manual.pageOf(row.center().y());
        const qreal top = row.top() - from * manual.height();
        const qreal bottom = row.bottom() - from * manual.height();
        const int to = manual.firstLinePage(entry.heading);
        const qreal headingTop = documentLayout->blockBoundingRect(entry.heading).top() - to * manual.height();
        PdfSprung jump;
        jump.vonSeite = from;
        jump.feld = QRectF(QPointF(area.left(), paper.height() - area.top() - bottom),
                           QPointF(area.right(), paper.height() - area.top() - top));
        jump.zuSeite = to;
        jump.zuHoehe = paper.height() - area.top() - std::max<qreal>(0, headingTop);
        jumps << jump;
    }
    return jumps;
}

// Draws the part of the laid-out document that lies on one page. The text layout draws a paragraph
// that began on an earlier page from the line before the first one on this page: that line, clipped
// away on paper, would stand in the text of two pages, and copying, searching and screen readers would
// meet it twice. Such paragraphs are left to this function: it draws only their lines whose top lies
// on the page. What a continued paragraph draws besides its lines (a list mark, a background) belongs
// to its first line, on the page where it began.
void drawPage(const QTextDocument& doc, QPainter& painter, const QRectF& page)
{
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    std::vector<QTextBlock> continued;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        if (!block.isVisible() || !lines || lines->lineCount() == 0)
            continue;
        const qreal top = layout->blockBoundingRect(block).top();
        if (top + lines->lineAt(0).y() < page.top() && top + lines->lineAt(lines->lineCount() - 1).y() >= page.top())
            continued.push_back(block);
    }
    for (QTextBlock& block : continued)
        block.setVisible(false);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = page;
    layout->draw(&painter, context);
    for (QTextBlock& block : continued)
        block.setVisible(true);

    painter.setPen(context.palette.color(QPalette::Text));
    for (const QTextBlock& block : continued) {
        const QPointF position = layout->blockBoundingRect(block).topLeft();
        const QTextLayout* lines = block.layout();
        for (int index = 0; index < lines->lineCount(); ++index) {
            const QTextLine line = lines->lineAt(index);
            const qreal top = position.y() + line.y();
            if (top >= page.top() && top < page.bottom())
                line.draw(&painter, position);
        }
    }
}

// Every figure the document names, from the code that computes it.
HilfeZahlen alleZahlen()
{
    HilfeZahlen zahlen = beispielZahlen();
    zahlen.insert(genauigkeitZahlen());
    zahlen.insert(formularZahlen());
    return zahlen;
}

// The figures the document puts in, one "name=value" line each, for a reader to check.
int zahlenAusgeben()
{
    const HilfeZahlen zahlen = alleZahlen();
    QStringList namen = zahlen.keys();
    namen.sort();
    QTextStream out(stdout);
    for (const QString& name : namen)
        out << name << '=' << zahlen.value(name) << '\n';
    return 0;
}

int hilfeSchreiben(char* argv[])
{
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(source.errorString()));
        return 1;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[2]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s: keine lesbare SVG-Zeichnung\n", argv[2]);
        return 1;
    }

    // Drawn into memory: the jumps of the contents are added before the file is written.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(QStringLiteral("Zentavik-Antennen-Berechnung – Hilfe"));
    pdf.setCreator(QStringLiteral("Zentavik"));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 16, 18, 12),
                                  QPageLayout::Millimeter));

    QTextDocument doc;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10);
    doc.setDefaultFont(font);
    // Every family named, none left to the machine's defaults: the pages break the same everywhere.
    doc.setDefaultStyleSheet(QStringLiteral(
        "body, h1, h2, h3, p, li, td, th { font-family: 'Liberation Sans'; }"
        "code, pre, tt { font-family: 'Liberation Mono'; }"
        "h1 { font-size: 18pt; color: #1a3a8a; } h2 { font-size: 13pt; color: #1a3a8a; margin-top: 14px; }"
        "h3 { font-size: 11pt; } th { background-color: #e8ecf6; } td, th { padding: 3px; }"));

    // The drawing as an image sharp enough for print: 2.5 times its own size.
    const QSize drawingSize = svg.defaultSize() * 5 / 2;
    QImage drawing(drawingSize, QImage::Format_RGB32);
    drawing.fill(Qt::white);
    {
        QPainter painter(&drawing);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
    }
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("antenne.svg")), drawing);
    // The worked example's windows and build plan, as the program draws them.
    const BeispielLauf beispiel = beispielRechnen(hilfeStand());
    QList<HilfeBild> bilder = beispielFenster(beispiel);
    bilder << beispielBauplan(beispiel, 150);
    for (const HilfeBild& bild : bilder)
        doc.addResource(QTextDocument::ImageResource, QUrl(bild.name), bild.bild);

    QTextStream in(&source);
    in.setEncoding(QStringConverter::Utf8);
    const HilfeZahlen zahlen = alleZahlen();
    QString fehler;
    const QString html = hilfeMitZahlen(in.readAll(), QFileInfo(source).absolutePath(), zahlen, fehler);
    if (!fehler.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(fehler));
        return 1;
    }
    doc.setHtml(html);

    const QLocale german(QLocale::German, QLocale::Germany);
    const QString versionLine = QStringLiteral("Version %1.%2.%3 · Stand: %4")
                                    .arg(ZENTAVIK_VERSION_MAJOR)
                                    .arg(ZENTAVIK_VERSION_MINOR)
                                    .arg(ZENTAVIK_VERSION_PATCH)
                                    .arg(german.toString(hilfeStand(), QStringLiteral("d. MMMM yyyy")));
    std::vector<Entry> entries = insertTitleAndContents(doc, versionLine);

    // The layout is in points of the page; a strip at the foot of each page holds its number.
    const QSizeF page = pdf.pageLayout().paintRect(QPageLayout::Point).size();
    const qreal footer = 22;
    const QSizeF body(page.width(), page.height() - footer);
    doc.setPageSize(body);
    Manual manual(doc, body.height());
    // Page numbers and breaks depend on each other; a few rounds settle them.
    for (int round = 0; round < 5; ++round) {
        writePageNumbers(entries, manual);
        manual.paginate();
    }
    writePageNumbers(entries, manual);

    QPainter painter(&pdf);
    if (!painter.isActive()) {
        std::fprintf(stderr, "%s: nicht schreibbar\n", argv[3]);
        return 1;
    }
    const qreal scale = pdf.width() / page.width();
    painter.scale(scale, scale);
    const int pages = doc.pageCount();
    // Sizes under the painter's scale are points of the page.
    QFont footerFont(font);
    footerFont.setPixelSize(9);
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            pdf.newPage();
        painter.save();
        const QRectF clip(0, index * body.height(), body.width(), body.height());
        painter.setClipRect(QRectF(QPointF(0, 0), body));
        painter.translate(0, -clip.top());
        drawPage(doc, painter, clip);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(QColor(0x55, 0x55, 0x55));
        const QRectF foot(0, body.height(), page.width(), footer);
        painter.drawLine(QPointF(0, foot.top() + 6), QPointF(page.width(), foot.top() + 6));
        painter.drawText(foot.adjusted(0, 8, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Zentavik-Antennen-Berechnung – Hilfe"));
        painter.drawText(foot.adjusted(0, 8, 0, 0), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("Seite %1 von %2").arg(index + 1).arg(pages));
    }
    if (!painter.end()) {
        std::fprintf(stderr, "%s: nicht schreibbar\n", argv[3]);
        return 1;
    }
    if (!pdfSpruengeAnhaengen(bytes, contentsJumps(entries, manual, pdf.pageLayout())))
        std::fprintf(stderr, "%s: Inhaltsverzeichnis ohne Sprünge, das PDF ist anders aufgebaut als erwartet\n", argv[3]);
    schreibeDatei(QString::fromLocal8Bit(argv[3]), bytes);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The windows' frames and menus in the pictures take the application's font; its family is
    // named so that they look the same on every machine.
    QFont appFont = QApplication::font();
    appFont.setFamilies({QStringLiteral("Liberation Sans")});
    QApplication::setFont(appFont);
    // The manual shows the program as a German user sees it: decimal comma, dd.MM.yyyy.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    try {
        if (argc == 2 && qstrcmp(argv[1], "--zahlen") == 0)
            return zahlenAusgeben();
        if (argc != 4) {
            std::fputs("Aufruf: hilfepdf QUELLE.html ZEICHNUNG.svg AUSGABE.pdf\n       hilfepdf --zahlen\n", stderr);
            return 2;
        }
        return hilfeSchreiben(argv);
    } catch (const Failure& fehler) {
        std::fprintf(stderr, "hilfepdf: %s\n", qPrintable(fehler.description));
        return 1;
    } catch (const std::exception& fehler) {
        std::fprintf(stderr, "hilfepdf: %s\n", fehler.what());
        return 1;
    }
}

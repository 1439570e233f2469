// Writes the help document: hilfepdf SOURCE.html DRAWING.svg OUTPUT.pdf
// The HTML is laid out on A4 pages; the drawing is rendered from its SVG at print resolution.

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QTextStream>
#include <QUrl>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("Aufruf: hilfepdf QUELLE.html ZEICHNUNG.svg AUSGABE.pdf\n", stderr);
        return 2;
    }
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

    QPdfWriter pdf(QString::fromLocal8Bit(argv[3]));
    pdf.setTitle(QStringLiteral("Zentavik-Antennen-Berechnung – Hilfe"));
    pdf.setCreator(QStringLiteral("Zentavik"));
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 16, 18, 16),
                                  QPageLayout::Millimeter));

    QTextDocument doc;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(QStringLiteral(
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

    QTextStream in(&source);
    in.setEncoding(QStringConverter::Utf8);
    doc.setHtml(in.readAll());
    // The layout is in points of the page; the writer prints the whole document, page by page.
    doc.setPageSize(pdf.pageLayout().paintRect(QPageLayout::Point).size());
    doc.print(&pdf);
    return 0;
}

#include "tests/support/grossespng.h"
#include "viewer/rtf/rtfnotemark.h"
#include "viewer/rtf/rtfparagraph.h"
#include "viewer/rtf/rtfpicture.h"
#include "viewer/rtf/rtfreader.h"
#include "viewer/rtf/rtfwriter.h"

#include <QBuffer>
#include <QDataStream>
#include <QElapsedTimer>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTextTable>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QtTest>

namespace {
// The character format at a position of the plain text (the character after it).
QTextCharFormat formatAt(QTextDocument& doc, int position)
{
    QTextCursor c(&doc);
    c.setPosition(position + 1);
    return c.charFormat();
}
QString family(const QTextCharFormat& f) { return f.fontFamilies().toStringList().value(0); }

// A small picture as RTF picture data.
QByteArray pictureHex(const char* format, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toHex();
}

// A frame's paragraphs and tables as text: paragraphs apart by ¶, bold runs in *…*, a table
// as [cell|cell/cell|cell], a cell merged into the one left of it as <, above it as ^.
QString structureOf(QTextFrame::iterator it)
{
    QStringList parts;
    for (; !it.atEnd(); ++it) {
        if (auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
            QStringList rows;
            for (int r = 0; r < table->rows(); ++r) {
                QStringList cells;
                for (int c = 0; c < table->columns(); ++c) {
                    const QTextTableCell cell = table->cellAt(r, c);
                    cells << (cell.row() < r ? QStringLiteral("^") : cell.column() < c ? QStringLiteral("<") : structureOf(cell.begin()));
                }
                rows << cells.join(u'|');
            }
            parts << u'[' + rows.join(u'/') + u']';
        } else {
            QString text;
            for (auto f = it.currentBlock().begin(); !f.atEnd(); ++f)
                text += f.fragment().charFormat().fontWeight() == QFont::Bold ? u'*' + f.fragment().text() + u'*' : f.fragment().text();
            parts << text;
        }
    }
    return parts.join(u'¶');
}
QString structureOf(const QTextDocument& doc) { return structureOf(doc.rootFrame()->begin()); }

QTextTable* firstTable(const QTextDocument& doc)
{
    const QList<QTextFrame*> frames = doc.rootFrame()->childFrames();
    return frames.isEmpty() ? nullptr : qobject_cast<QTextTable*>(frames.first());
}

// The first table's column widths in twips.
QList<int> widthsOf(const QTextDocument& doc)
{
    QList<int> twips;
    if (QTextTable* table = firstTable(doc))
        for (const QTextLength& w : table->format().columnWidthConstraints())
            twips << (w.type() == QTextLength::FixedLength ? qRound(w.rawValue() * 15) : -1);
    return twips;
}

QList<QTextImageFormat> imagesOf(const QTextDocument& doc)
{
    QList<QTextImageFormat> images;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())  // adjacent alike pictures share a fragment
                for (qsizetype n = it.fragment().text().count(QChar::ObjectReplacementCharacter); n > 0; --n)
                    images << it.fragment().charFormat().toImageFormat();
    return images;
}
} // namespace

// Tab stops as position in pixels and QTextOption::TabType.
using Stops = QList<QPair<double, int>>;

class TestRtf : public QObject {
    Q_OBJECT
private slots:
    void recognisesRtfByContent_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("rtf");
        QTest::newRow("rtf") << QByteArray("{\\rtf1 x}") << true;
        QTest::newRow("leading blank lines") << QByteArray("\r\n {\\rtf1 x}") << true;
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF{\\rtf1}") << true;
        QTest::newRow("report") << QByteArray("\r\n   Zentavik nach Norbek") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("brace only") << QByteArray("{\\rt") << false;
    }
    void recognisesRtfByContent()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, rtf);
        QCOMPARE(isRtf(data), rtf);
    }

    void readsWhatWordProcessorsWrite_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("code page byte") << QByteArray("{\\rtf1\\ansi\\ansicpg1252 L\\'e4nge \\'80}") << QStringLiteral("Länge €");
        QTest::newRow("unicode with replacement") << QByteArray("{\\rtf1\\uc1 a\\u8364?b}") << QStringLiteral("a€b");
        QTest::newRow("negative unicode") << QByteArray("{\\rtf1\\uc1 \\u-24?}") << QString(QChar(char16_t(65536 - 24)));
        QTest::newRow("two replacement characters") << QByteArray("{\\rtf1{\\uc2 \\u937\\'4f\\'6d!}}") << QStringLiteral("Ω!");
        QTest::newRow("paragraphs, line and tab") << QByteArray("{\\rtf1 a\\par b\\line c\\tab d}") << QStringLiteral("a\nb\nc\td");
        QTest::newRow("escaped braces") << QByteArray("{\\rtf1 \\{x\\}\\\\}") << QStringLiteral("{x}\\");
        QTest::newRow("ignorable destination") << QByteArray("{\\rtf1{\\*\\generator Writer 1.0;}{\\*\\unknownthing zzz}Text}") << QStringLiteral("Text");
        QTest::newRow("font table and info skipped")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern{\\*\\panose 02}Courier New;}}"
                          "{\\info{\\title T}{\\author A}}\\f1 x}")
            << QStringLiteral("x");
        QTest::newRow("picture skipped") << QByteArray("{\\rtf1 a{\\pict\\pngblip 89504e470d0a}b}") << QStringLiteral("ab");
        QTest::newRow("binary data skipped") << QByteArray("{\\rtf1 a{\\*\\blob\\bin3 }{}b}c}") << QStringLiteral("ac");
        QTest::newRow("field result kept") << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt Link}}}") << QStringLiteral("Link");
        QTest::newRow("line breaks in source ignored") << QByteArray("{\\rtf1 ab\r\ncd}") << QStringLiteral("abcd");
        QTest::newRow("backslash newline is a paragraph") << QByteArray("{\\rtf1 a\\\nb}") << QStringLiteral("a\nb");
        QTest::newRow("cyrillic font code page") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0 \\'c0}") << QStringLiteral("А");
        QTest::newRow("central European font code page") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset238 Arial;}}\\f0 \\'b9}") << QStringLiteral("ą");
        QTest::newRow("nested groups") << QByteArray("{\\rtf1 a{b{c{d}e}f}g}") << QStringLiteral("abcdefg");
    }
    void readsWhatWordProcessorsWrite()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QTextDocument doc;
        readRtf(rtf, doc);
        QCOMPARE(doc.toPlainText(), text);
    }

    void lineBreakStaysInItsParagraph_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("paragraphs");
        QTest::newRow("line within a paragraph") << QByteArray("{\\rtf1 a\\par b\\line c}") << 2;
        QTest::newRow("backslash line feed") << QByteArray("{\\rtf1 a\\\nb}") << 2;
        QTest::newRow("backslash carriage return") << QByteArray("{\\rtf1 a\\\r\nb}") << 2;
    }
    void lineBreakStaysInItsParagraph()
    {
        QFETCH(QByteArray, rtf);
        QTextDocument doc;
        readRtf(rtf, doc);
        QTEST(doc.blockCount(), "paragraphs");
    }

    // Switching a format off, and the automatic colour 0 even where the table gives entry 0 a
    // colour; the colour behind the characters survives writing and reading again.
    void formatOfTheLastCharacter_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("coloured");
        QTest::addColumn<QColor>("background");  // invalid: none
        QTest::addColumn<int>("vertical");
        const int normal = QTextCharFormat::AlignNormal;
        QTest::newRow("bold on") << QByteArray("{\\rtf1{\\b z}}") << true << false << QColor() << normal;
        QTest::newRow("bold switched off") << QByteArray("{\\rtf1{\\b a\\b0 z}}") << false << false << QColor() << normal;
        QTest::newRow("colour 1") << QByteArray("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}{\\cf1 z}}") << false << true << QColor() << normal;
        QTest::newRow("colour 0 is automatic") << QByteArray("{\\rtf1{\\colortbl\\red255\\green0\\blue0;}{\\cf0 z}}") << false << false << QColor() << normal;
        const QByteArray colours = "{\\colortbl;\\red255\\green0\\blue0;\\red255\\green255\\blue0;}";
        QTest::newRow("highlight") << "{\\rtf1" + colours + "a{\\highlight2 z}}" << false << false << QColor(255, 255, 0) << normal;
        QTest::newRow("highlight with a text colour") << "{\\rtf1" + colours + "{\\cf1\\highlight2\\b z}}" << true << true << QColor(255, 255, 0) << normal;
        QTest::newRow("highlight 0 is none") << "{\\rtf1" + colours + "{\\highlight2 a\\highlight0 z}}" << false << false << QColor() << normal;
        QTest::newRow("highlight ends with plain") << "{\\rtf1" + colours + "{\\highlight2 a\\plain z}}" << false << false << QColor() << normal;
        QTest::newRow("highlight beyond the table") << "{\\rtf1" + colours + "{\\highlight3 z}}" << false << false << QColor() << normal;
        QTest::newRow("shading colour") << "{\\rtf1" + colours + "{\\chshdng0\\chcbpat1 z}}" << false << false << QColor(255, 0, 0) << normal;
        QTest::newRow("background colour") << "{\\rtf1" + colours + "{\\cb2 z}}" << false << false << QColor(255, 255, 0) << normal;
        QTest::newRow("superscript, as a note's mark") << QByteArray("{\\rtf1 a{\\super z}}") << false << false << QColor()
                                                       << int(QTextCharFormat::AlignSuperScript);
        QTest::newRow("subscript") << QByteArray("{\\rtf1 a{\\sub z}}") << false << false << QColor() << int(QTextCharFormat::AlignSubScript);
        QTest::newRow("nosupersub") << QByteArray("{\\rtf1 a{\\super\\nosupersub z}}") << false << false << QColor() << normal;
    }
    void formatOfTheLastCharacter()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QColor, background);
        QTextDocument doc;
        readRtf(rtf, doc);
        QTextDocument back;
        readRtf(writeRtf(doc), back);
        for (QTextDocument* d : {&doc, &back}) {
            const QTextCharFormat f = formatAt(*d, d->characterCount() - 2);
            QTEST(f.fontWeight() == QFont::Bold, "bold");
            QTEST(f.hasProperty(QTextFormat::ForegroundBrush), "coloured");
            QCOMPARE(f.hasProperty(QTextFormat::BackgroundBrush), background.isValid());
            if (background.isValid())
                QCOMPARE(f.background().color(), background);
            QTEST(int(f.verticalAlignment()), "vertical");
        }
    }

    // Tab stops count from the margin in RTF and from the line's start on the screen; a document
    // without its own step steps half an inch, as word processors do. Both survive saving.
    void tabStops_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("block");
        QTest::addColumn<Stops>("stops");  // position in pixels, QTextOption::TabType
        QTest::addColumn<double>("defaultStep");
        const int left = QTextOption::LeftTab;
        QTest::newRow("left stop") << QByteArray("{\\rtf1\\tx1440 a\\tab b}") << 0 << Stops{{96, left}} << 48.0;
        QTest::newRow("kinds, in order of position")
            << QByteArray("{\\rtf1\\tqr\\tx4320\\tqc\\tx2880\\tqdec\\tx5760 a}") << 0
            << Stops{{192, QTextOption::CenterTab}, {288, QTextOption::RightTab}, {384, QTextOption::DelimiterTab}} << 48.0;
        QTest::newRow("from the indented line's start") << QByteArray("{\\rtf1\\li720\\tx1440 a}") << 0 << Stops{{48, left}} << 48.0;
        QTest::newRow("a list's stop where its lines begin") << QByteArray("{\\rtf1\\fi-360\\li720\\tx720 a}") << 0 << Stops{{24, left}} << 48.0;
        QTest::newRow("a stop left of the line's start") << QByteArray("{\\rtf1\\li1440\\tx720 a}") << 0 << Stops{} << 48.0;
        QTest::newRow("pard clears the stops") << QByteArray("{\\rtf1\\tx1440 a\\par\\pard b}") << 1 << Stops{} << 48.0;
        QTest::newRow("a bar is no stop") << QByteArray("{\\rtf1\\tb1440\\tx2880 a}") << 0 << Stops{{192, left}} << 48.0;
        QTest::newRow("the document's own step") << QByteArray("{\\rtf1\\deftab1440 a}") << 0 << Stops{} << 96.0;
        QTest::newRow("a step of nothing") << QByteArray("{\\rtf1\\deftab0 a}") << 0 << Stops{} << 48.0;
        QTest::newRow("a step of a millimetre at least") << QByteArray("{\\rtf1\\deftab1 a}") << 0 << Stops{} << 4.0;
    }
    void tabStops()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(int, block);
        QFETCH(Stops, stops);
        QFETCH(double, defaultStep);
        QTextDocument doc;
        readRtf(rtf, doc);
        QTextDocument back;
        readRtf(writeRtf(doc), back);
        for (QTextDocument* d : {&doc, &back}) {
            Stops read;
            for (const QTextOption::Tab& tab : d->findBlockByNumber(block).blockFormat().tabPositions())
                read.append({tab.position, int(tab.type)});
            QCOMPARE(read, stops);
            QCOMPARE(d->defaultTextOption().tabStopDistance(), defaultStep);
        }
    }

    // Paragraph properties, as word processors write them before a paragraph's text, give the
    // block its format; they hold until \\pard and survive writing and reading again.
    void paragraphFormats_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QList<double>>("margins");  // left, right, first line, before, after
        QTest::addColumn<int>("lineHeightType");
        QTest::addColumn<double>("lineHeight");
        const QList<double> none{0, 0, 0, 0, 0};
        const int single = QTextBlockFormat::SingleHeight;
        QTest::newRow("centred title") << QByteArray("{\\rtf1\\pard\\qc Titel\\par\\pard Text\\par}") << 0 << int(Qt::AlignHCenter) << none << single << 0.0;
        QTest::newRow("pard resets") << QByteArray("{\\rtf1\\pard\\qc\\li720 Titel\\par\\pard Text\\par}") << 1 << int(Qt::AlignLeft) << none << single << 0.0;
        QTest::newRow("right") << QByteArray("{\\rtf1\\qr a}") << 0 << int(Qt::AlignRight) << none << single << 0.0;
        QTest::newRow("justified") << QByteArray("{\\rtf1\\qj a}") << 0 << int(Qt::AlignJustify) << none << single << 0.0;
        QTest::newRow("left again") << QByteArray("{\\rtf1\\qc\\ql a}") << 0 << int(Qt::AlignLeft) << none << single << 0.0;
        QTest::newRow("kept by the next paragraphs") << QByteArray("{\\rtf1\\qc a\\par b\\par\\pard c}") << 1 << int(Qt::AlignHCenter) << none << single << 0.0;
        QTest::newRow("given after the text") << QByteArray("{\\rtf1 a\\qc\\par\\pard b}") << 0 << int(Qt::AlignHCenter) << none << single << 0.0;
        QTest::newRow("as at the paragraph mark") << QByteArray("{\\rtf1{\\qc a}\\par b}") << 0 << int(Qt::AlignLeft) << none << single << 0.0;
        QTest::newRow("hanging indent of a list")
            << QByteArray("{\\rtf1\\pard\\fi-360\\li720\\ri360\\lin720\\rin360{\\listtext\\pard\\plain \\'95\\tab}Punkt\\par}") << 0
            << int(Qt::AlignLeft) << QList<double>{48, 24, -24, 0, 0} << single << 0.0;
        QTest::newRow("space before and after") << QByteArray("{\\rtf1\\sb240\\sa120 a}") << 0 << int(Qt::AlignLeft)
                                                << QList<double>{0, 0, 0, 16, 8} << single << 0.0;
        QTest::newRow("line spacing at least") << QByteArray("{\\rtf1\\sl360\\slmult0 a}") << 0 << int(Qt::AlignLeft) << none
                                               << int(QTextBlockFormat::MinimumHeight) << 24.0;
        QTest::newRow("line spacing exactly") << QByteArray("{\\rtf1\\sl-300\\slmult0 a}") << 0 << int(Qt::AlignLeft) << none
                                              << int(QTextBlockFormat::FixedHeight) << 20.0;
        QTest::newRow("one and a half lines") << QByteArray("{\\rtf1\\sl360\\slmult1 a}") << 0 << int(Qt::AlignLeft) << none
                                              << int(QTextBlockFormat::ProportionalHeight) << 150.0;
        QTest::newRow("one line as a multiple") << QByteArray("{\\rtf1\\sl240\\slmult1 a}") << 0 << int(Qt::AlignLeft) << none << single << 0.0;
        QTest::newRow("sl0 is single") << QByteArray("{\\rtf1\\sl0\\slmult1 a}") << 0 << int(Qt::AlignLeft) << none << single << 0.0;
        QTest::newRow("a footnote's pard stays in the note")
            << QByteArray("{\\rtf1\\qc a{\\super\\chftn}{\\footnote\\pard\\ql b}c\\par}") << 0 << int(Qt::AlignHCenter) << none << single << 0.0;
        QTest::newRow("the notes' texts are plain")
            << QByteArray("{\\rtf1\\qc a{\\super\\chftn}{\\footnote\\qc b}}") << 2 << int(Qt::AlignLeft) << none << single << 0.0;
        QTest::newRow("indents into the margin stop at the edge") << QByteArray("{\\rtf1\\li-720\\fi-360\\ri-100 a}") << 0 << int(Qt::AlignLeft)
                                                                  << none << single << 0.0;
        QTest::newRow("first line back to the edge") << QByteArray("{\\rtf1\\li360\\fi-720 a}") << 0 << int(Qt::AlignLeft)
                                                     << QList<double>{24, 0, -24, 0, 0} << single << 0.0;
        QTest::newRow("centred in a table's cell")
            << QByteArray("{\\rtf1\\trowd\\cellx1000\\cellx2000\\pard\\intbl\\qc a\\cell\\pard\\intbl\\qr b\\cell\\row\\pard c\\par}") << 1
            << int(Qt::AlignHCenter) << none << single << 0.0;
        QTest::newRow("right in the next cell")
            << QByteArray("{\\rtf1\\trowd\\cellx1000\\cellx2000\\pard\\intbl\\qc a\\cell\\pard\\intbl\\qr b\\cell\\row\\pard c\\par}") << 2
            << int(Qt::AlignRight) << none << single << 0.0;
        QTest::newRow("every cell of a centred row")
            << QByteArray("{\\rtf1\\trowd\\cellx1000\\cellx2000\\pard\\intbl\\qc a\\cell b\\cell\\row\\pard c\\par}") << 2
            << int(Qt::AlignHCenter) << none << single << 0.0;
        QTest::newRow("after the table as pard leaves it")
            << QByteArray("{\\rtf1\\trowd\\cellx1000\\pard\\intbl\\qc\\li720 a\\cell\\row\\pard c\\par}") << 2
            << int(Qt::AlignLeft) << none << single << 0.0;
        QTest::newRow("beyond reason") << QByteArray("{\\rtf1\\li99999999\\sb-5\\sa2147483647 a}") << 0 << int(Qt::AlignLeft)
                                       << QList<double>{2112, 0, 0, 0, 960} << single << 0.0;
        QTest::newRow("spacing beyond a page") << QByteArray("{\\rtf1\\sb31680\\sl-31680\\slmult0 a}") << 0 << int(Qt::AlignLeft)
                                               << QList<double>{0, 0, 0, 960, 0} << int(QTextBlockFormat::FixedHeight) << 960.0;
        QTest::newRow("lines beyond a page") << QByteArray("{\\rtf1\\sl31680\\slmult1 a}") << 0 << int(Qt::AlignLeft) << none
                                             << int(QTextBlockFormat::ProportionalHeight) << 6000.0;
        // A thousand pages of spacing in all; the paragraphs after them are set without.
        QTest::newRow("a document of a page's line spacing each")
            << "{\\rtf1" + QByteArray("\\pard\\sl31680\\slmult1 x\\par").repeated(3400) + "}" << 3399 << int(Qt::AlignLeft)
            << none << single << 0.0;
        QTest::newRow("a document of a page's space each")
            << "{\\rtf1" + QByteArray("\\pard\\sb31680\\sa31680 x\\par").repeated(3400) + "}" << 3399 << int(Qt::AlignLeft)
            << none << single << 0.0;
        QTest::newRow("its first paragraphs keep theirs")
            << "{\\rtf1" + QByteArray("\\pard\\sb31680\\sa31680 x\\par").repeated(3400) + "}" << 400 << int(Qt::AlignLeft)
            << QList<double>{0, 0, 0, 960, 960} << single << 0.0;
    }
    void paragraphFormats()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(int, block);
        QFETCH(QList<double>, margins);
        QTextDocument doc;
        readRtf(rtf, doc);
        QTextDocument back;
        readRtf(writeRtf(doc), back);
        QCOMPARE(back.toPlainText(), doc.toPlainText());
        QVERIFY(doc.findBlockByNumber(block).isValid());
        for (QTextDocument* d : {&doc, &back}) {
            const QTextBlockFormat f = d->findBlockByNumber(block).blockFormat();
            QTEST(int(f.alignment() & Qt::AlignHorizontal_Mask), "alignment");
            QCOMPARE((QList<double>{f.leftMargin(), f.rightMargin(), f.textIndent(), f.topMargin(), f.bottomMargin()}), margins);
            QTEST(f.lineHeightType(), "lineHeightType");
            QTEST(f.lineHeight(), "lineHeight");
            // The tab after a hanging list mark reaches where the following lines begin.
            const QList<QTextOption::Tab> tabs = f.tabPositions();
            QCOMPARE(tabs.isEmpty() ? 0.0 : tabs.first().position, std::max(-margins[2], 0.0));
        }
        QCOMPARE(back.findBlockByNumber(block).blockFormat(), doc.findBlockByNumber(block).blockFormat());
        // However much spacing a document asks for, it is laid out less than a few million
        // pixels high (beyond that the layout took minutes).
        doc.setTextWidth(800);
        QVERIFY2(doc.size().height() < rtfDocumentSpacingPixels + 2 * rtfTallestTwips / twipsPerPixel + doc.blockCount() * 32,
                 qPrintable(QString::number(doc.size().height())));
    }

    // The marks of notes: endnotes by default in small Roman numerals, or as the document says.
    void noteMarks_data()
    {
        QTest::addColumn<int>("numbering");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("mark");
        QTest::newRow("i") << int(NoteNumbering::LowerRoman) << 1 << "i";
        QTest::newRow("iv") << int(NoteNumbering::LowerRoman) << 4 << "iv";
        QTest::newRow("xiv") << int(NoteNumbering::LowerRoman) << 14 << "xiv";
        QTest::newRow("MCMXCIX") << int(NoteNumbering::UpperRoman) << 1999 << "MCMXCIX";
        QTest::newRow("beyond Roman numerals") << int(NoteNumbering::LowerRoman) << 4000 << "4000";
        QTest::newRow("z") << int(NoteNumbering::LowerLetter) << 26 << "z";
        QTest::newRow("aa") << int(NoteNumbering::LowerLetter) << 27 << "aa";
        QTest::newRow("BB") << int(NoteNumbering::UpperLetter) << 28 << "BB";
        QTest::newRow("beyond letters") << int(NoteNumbering::LowerLetter) << 261 << "261";
        QTest::newRow("dagger") << int(NoteNumbering::Symbols) << 2 << "†";
        QTest::newRow("two stars") << int(NoteNumbering::Symbols) << 5 << "**";
        QTest::newRow("digits") << int(NoteNumbering::Arabic) << 12 << "12";
    }
    void noteMarks()
    {
        QFETCH(int, numbering);
        QFETCH(int, number);
        QTEST(noteMark(number, NoteNumbering(numbering)), "mark");
    }

    void readsFormats()
    {
        const QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
                               "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                               "\\f0\\fs20 n{\\b b}{\\i i}{\\ul u\\ulnone n}{\\strike s}{\\f1\\fs32 c}{\\cf1 r}\\b0 x{\\cf2\\b B}\\plain p}";
        QTextDocument doc;
        readRtf(rtf, doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("nbiunscrxBp"));
        QCOMPARE(family(formatAt(doc, 0)), QStringLiteral("Arial"));
        QCOMPARE(formatAt(doc, 0).fontPointSize(), 10.0);
        QCOMPARE(formatAt(doc, 1).fontWeight(), int(QFont::Bold));
        QCOMPARE(formatAt(doc, 0).fontWeight(), int(QFont::Normal));
        QVERIFY(formatAt(doc, 2).fontItalic());
        QVERIFY(formatAt(doc, 3).fontUnderline());
        QVERIFY(!formatAt(doc, 4).fontUnderline());
        QVERIFY(formatAt(doc, 5).fontStrikeOut());
        QCOMPARE(family(formatAt(doc, 6)), QStringLiteral("Courier New"));
        QCOMPARE(formatAt(doc, 6).fontPointSize(), 16.0);
        QCOMPARE(formatAt(doc, 7).foreground().color(), QColor(255, 0, 0));
        QVERIFY(!formatAt(doc, 8).hasProperty(QTextFormat::ForegroundBrush));
        QCOMPARE(formatAt(doc, 9).foreground().color(), QColor(0, 0, 255));
        QVERIFY(formatAt(doc, 9).fontWeight() == QFont::Bold);
        QVERIFY(formatAt(doc, 10).fontWeight() != QFont::Bold);
    }

    // Formatting survives writing and reading again.
    void roundTrip()
    {
        QTextDocument doc;
        doc.setDefaultFont(QFont(QStringLiteral("Courier New"), 10));
        QTextCursor c(&doc);
        QTextCharFormat plain;
        c.insertText(QStringLiteral("Längen {und} \\ Abstände\t€ Ω "), plain);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        bold.setFontFamilies({QStringLiteral("Arial")});
        bold.setFontPointSize(14);
        c.insertText(QStringLiteral("fett"), bold);
        QTextCharFormat styled;
        styled.setFontItalic(true);
        styled.setFontUnderline(true);
        styled.setFontStrikeOut(true);
        styled.setForeground(QColor(0, 128, 0));
        c.insertBlock();
        c.insertText(QStringLiteral("grün"), styled);

        const QByteArray rtf = writeRtf(doc);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QVERIFY(rtf.contains("\\'e4"));
        QVERIFY(rtf.contains("\\u937?"));
        QTextDocument back;
        readRtf(rtf, back);
        QCOMPARE(back.toPlainText(), doc.toPlainText());
        const int boldAt = doc.toPlainText().indexOf(QStringLiteral("fett"));
        QCOMPARE(formatAt(back, boldAt).fontWeight(), int(QFont::Bold));
        QCOMPARE(family(formatAt(back, boldAt)), QStringLiteral("Arial"));
        QCOMPARE(formatAt(back, boldAt).fontPointSize(), 14.0);
        QCOMPARE(family(formatAt(back, 0)), QStringLiteral("Courier New"));
        const int greenAt = doc.toPlainText().indexOf(QStringLiteral("grün"));
        const QTextCharFormat g = formatAt(back, greenAt);
        QVERIFY(g.fontItalic() && g.fontUnderline() && g.fontStrikeOut());
        QCOMPARE(g.foreground().color(), QColor(0, 128, 0));
        // Writing again gives the same bytes.
        QCOMPARE(writeRtf(back), rtf);
    }

    // Documents as other word processors write them; what is read survives writing and
    // reading again.
    void readsRtfFromOtherPrograms_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("hidden text") << QByteArray("{\\rtf1 a{\\v versteckt\\par}b\\v c\\v0 d\\v e\\plain f}") << QStringLiteral("abdf");
        QTest::newRow("index and contents entries")
            << QByteArray("{\\rtf1 Wort{\\xe {Wort}}{\\*\\xe Eintrag}{\\tc Kapitel}{\\tcn x} Ende}") << QStringLiteral("Wort Ende");
        QTest::newRow("list text kept")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}{\\*\\listtable{\\list x}}"
                          "{\\listtext\\f1 \\'b7\\tab}Punkt\\par{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody{\\pntxta .}}Zahl}")
            << QStringLiteral("•\tPunkt\n1.\tZahl");
        QTest::newRow("symbol bullet in unicode")
            << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fnil\\fcharset2 Symbol;}}{\\f1 \\u-3913?} x \\u-3913?}") << QStringLiteral("• x •");
        QTest::newRow("symbol font with a Unicode letter") << QByteArray("{\\rtf1{\\fonttbl{\\f1 Symbol;}}{\\f1 \\u97?l}}") << QStringLiteral("aλ");
        QTest::newRow("control characters in a font name")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset2 \\'00\\'01 Symbol\\'1f;}}\\f0 a}") << QStringLiteral("α");
        QTest::newRow("undefined code-page byte in a font name")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 \\'9dSymbol;}}\\f0 a}") << QStringLiteral("α");
        QTest::newRow("no-break space in a font name")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset2 Symb\\'a0ol;}}\\f0 \\'b7}") << QStringLiteral("·");
        QTest::newRow("unicode in a font name") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Sch\\u246?n;}}\\f0 a}") << QStringLiteral("a");
        QTest::newRow("symbol characters follow the family shown")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Symbol;}}\\f0 a\\f7 \\u-3914?b}") << QStringLiteral("α∂β");
        QTest::newRow("default font settled by the first text")
            << QByteArray("{\\rtf1 a{\\fonttbl{\\f0 Symbol;}}b\\deff1 c}") << QStringLiteral("abc");
        QTest::newRow("symbol font letters") << QByteArray("{\\rtf1{\\fonttbl{\\f1 Symbol;}}{\\f1 l}/2 = 5 {\\f1 W}}") << QStringLiteral("λ/2 = 5 Ω");
        QTest::newRow("footnote mark and text")
            << QByteArray("{\\rtf1 Text{\\super\\chftn}{\\footnote\\pard{\\super\\chftn} Anmerkung\\par zwei}.\\par Weiter"
                          "{\\super\\chftn}{\\*\\footnote\\ftnalt\\chftn  Endnote}}")
            << QStringLiteral("Text1.\nWeiteri\n\n1 Anmerkung zwei\n\ni Endnote");
        QTest::newRow("endnotes numbered on their own")
            << QByteArray("{\\rtf1 A{\\super\\chftn}{\\*\\footnote\\ftnalt\\chftn  E1}B{\\super\\chftn}{\\*\\footnote\\chftn  F1}"
                          "C{\\super\\chftn}{\\*\\footnote\\ftnalt\\chftn  E2}D{\\super\\chftn}{\\*\\footnote\\chftn  F2}}")
            << QStringLiteral("AiB1CiiD2\n\n1 F1\n2 F2\n\ni E1\nii E2");
        QTest::newRow("endnote inside its mark's group")
            << QByteArray("{\\rtf1 Wort{\\cs15\\super\\chftn {\\footnote\\ftnalt\\pard\\plain {\\cs15\\super\\chftn} Ende.}} weiter}")
            << QStringLiteral("Worti weiter\n\ni Ende.");
        QTest::newRow("endnotes in capital Roman numerals from 3")
            << QByteArray("{\\rtf1\\aftnstart3\\aftnnruc A{\\super\\chftn}{\\footnote\\ftnalt\\chftn  E}}")
            << QStringLiteral("AIII\n\nIII E");
        QTest::newRow("endnotes in the section's letters")
            << QByteArray("{\\rtf1\\saftnnalc A{\\super\\chftn}{\\footnote\\ftnalt\\chftn  E}}") << QStringLiteral("Aa\n\na E");
        QTest::newRow("endnote mark apart from the text before the note")
            << QByteArray("{\\rtf1 A{\\super\\chftn} B{\\footnote\\ftnalt\\chftn  E}}") << QStringLiteral("A1 B\n\ni E");
        QTest::newRow("footnote separators skipped")
            << QByteArray("{\\rtf1{\\ftnsep \\pard\\plain{\\chftnsep \\par}}Text}") << QStringLiteral("Text");
        QTest::newRow("code page 932") << QByteArray("{\\rtf1\\ansi\\ansicpg932 \\'93\\'fa\\'96\\'7b \\'95\\'5c}") << QStringLiteral("日本 表");
        QTest::newRow("code page 936") << QByteArray("{\\rtf1\\ansi\\ansicpg936 \\'d6\\'d0\\'ce\\'c4}") << QStringLiteral("中文");
        QTest::newRow("code page 949") << QByteArray("{\\rtf1\\ansi\\ansicpg949 \\'c7\\'d1\\'b1\\'b9}") << QStringLiteral("한국");
        QTest::newRow("code page 950") << QByteArray("{\\rtf1\\ansi\\ansicpg950 \\'a4\\'a4\\'a4\\'e5}") << QStringLiteral("中文");
        QTest::newRow("double-byte font charset")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset128 MS Mincho;}}\\f0 \\'e4 {\\f1 \\'93\\'fa}}")
            << QStringLiteral("ä 日");
        QTest::newRow("document code page for a font without charset")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}}\\f0 \\'c0\\'e1}") << QStringLiteral("Аб");
        QTest::newRow("mac character set") << QByteArray("{\\rtf1\\mac L\\'8an \\'a5}") << QStringLiteral("Län •");
        QTest::newRow("pc character set") << QByteArray("{\\rtf1\\pc L\\'84nge}") << QStringLiteral("Länge");
        QTest::newRow("bytes after the closing brace") << QByteArray("{\\rtf1 a}\r\n\0\0garbage}", 22) << QStringLiteral("a");
        QTest::newRow("embedded object shows its result")
            << QByteArray("{\\rtf1 a{\\object\\objemb{\\*\\objclass Paint}{\\*\\objdata 0102}{\\result b}}c}") << QStringLiteral("abc");
    }
    void readsRtfFromOtherPrograms()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QTextDocument doc;
        readRtf(rtf, doc);
        QCOMPARE(doc.toPlainText(), text);
        QTextDocument back;
        readRtf(writeRtf(doc), back);
        QCOMPARE(back.toPlainText(), text);
    }

    // Tables are read as tables: rows, cells with their text and format, column widths from
    // \\cellx; written and read again they stay as they are.
    void tablesAreReadAsTables_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("structure");
        QTest::addColumn<QList<int>>("widths");  // the first table's columns, twips
        QTest::newRow("table cells and rows")
            << QByteArray("{\\rtf1\\trowd\\cellx1000\\cellx2000\\pard\\intbl Feiertag\\cell Freitag\\cell\\row"
                          "\\trowd\\cellx1000\\cellx2000\\pard\\intbl 1\\cell 2\\cell\\row\\pard danach\\par}")
            << QStringLiteral("¶[Feiertag|Freitag/1|2]¶danach¶") << QList<int>{1000, 1000};
        QTest::newRow("empty cells keep their columns")
            << QByteArray("{\\rtf1\\trowd\\cellx1\\cellx2\\cellx3\\pard\\intbl\\cell b\\cell\\cell\\row a\\cell\\cell c\\cell\\row}")
            << QStringLiteral("¶[|b|/a||c]¶") << QList<int>{1, 1, 1};
        QTest::newRow("paragraph before the table")
            << QByteArray("{\\rtf1 Termine\\par\\trowd\\trleft-108\\cellx2000\\cellx4000\\pard\\intbl A\\cell B\\cell\\row\\pard danach}")
            << QStringLiteral("Termine¶[A|B]¶danach") << QList<int>{2108, 2000};
        QTest::newRow("empty paragraph before the table")
            << QByteArray("{\\rtf1 Termine\\par\\par\\trowd\\cellx2000\\pard\\intbl A\\cell\\row}")
            << QStringLiteral("Termine¶¶[A]¶") << QList<int>{2000};
        QTest::newRow("text that no paragraph mark ends before the table")
            << QByteArray("{\\rtf1 Termine\\trowd\\cellx1440\\intbl A\\cell\\row}") << QStringLiteral("Termine¶[A]¶") << QList<int>{1440};
        QTest::newRow("paragraphs and formats in a cell")
            << QByteArray("{\\rtf1\\trowd\\cellx3000\\intbl {\\b fett}\\par zwei\\cell\\row}") << QStringLiteral("¶[*fett*¶zwei]¶")
            << QList<int>{3000};
        QTest::newRow("two tables apart")
            << QByteArray("{\\rtf1\\trowd\\cellx1000\\intbl a\\cell\\row\\pard\\par\\trowd\\cellx2000\\intbl b\\cell\\row}")
            << QStringLiteral("¶[a]¶¶[b]¶") << QList<int>{1000};
        QTest::newRow("row without a definition")
            << QByteArray("{\\rtf1\\intbl a\\cell b\\cell\\row}") << QStringLiteral("¶[a|b]¶") << QList<int>{1440, 1440};
        QTest::newRow("more cells than the definition names")
            << QByteArray("{\\rtf1\\trowd\\cellx1000\\intbl a\\cell b\\cell c\\cell\\row}") << QStringLiteral("¶[a|b|c]¶")
            << QList<int>{1000, 1440, 1440};
        QTest::newRow("fewer cells than the definition names")
            << QByteArray("{\\rtf1\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl a\\cell\\row}") << QStringLiteral("¶[a||]¶")
            << QList<int>{1000, 1000, 1000};
        QTest::newRow("row left open at the end") << QByteArray("{\\rtf1\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b")
                                                  << QStringLiteral("¶[a|b]¶") << QList<int>{1000, 1000};
        QTest::newRow("edges as far apart as numbers go")
            << QByteArray("{\\rtf1\\trowd\\trleft-2147483648\\cellx2147483647\\intbl a\\cell\\row}") << QStringLiteral("¶[a]¶")
            << QList<int>{31680};
        QTest::newRow("row ends without cells") << QByteArray("{\\rtf1 x\\row\\nestrow y}") << QStringLiteral("xy") << QList<int>{};
        QTest::newRow("merged across")
            << QByteArray("{\\rtf1\\trowd\\clmgf\\cellx1000\\clmrg\\cellx2000\\cellx3000\\intbl Titel\\cell\\cell c\\cell\\row"
                          "\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl a\\cell b\\cell c\\cell\\row}")
            << QStringLiteral("¶[Titel|<|c/a|b|c]¶") << QList<int>{1000, 1000, 1000};
        QTest::newRow("merged down")
            << QByteArray("{\\rtf1\\trowd\\clvmgf\\cellx1000\\cellx2000\\intbl A\\cell b\\cell\\row"
                          "\\trowd\\clvmrg\\cellx1000\\cellx2000\\intbl\\cell d\\cell\\row}")
            << QStringLiteral("¶[A|b/^|d]¶") << QList<int>{1000, 1000};
        QTest::newRow("heading over the whole table")
            << QByteArray("{\\rtf1\\trowd\\cellx3000\\intbl Titel\\cell\\row\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl a\\cell b\\cell c\\cell\\row}")
            << QStringLiteral("¶[Titel|<|</a|b|c]¶") << QList<int>{1000, 1000, 1000};
        QTest::newRow("a cell over two of the row above")
            << QByteArray("{\\rtf1\\trowd\\cellx1000\\cellx2000\\cellx3000\\intbl a\\cell b\\cell c\\cell\\row"
                          "\\trowd\\cellx1000\\cellx3010\\intbl d\\cell e\\cell\\row}")
            << QStringLiteral("¶[a|b|c/d|e|<]¶") << QList<int>{1000, 1000, 1000};
        const QByteArray wordRow =
            "\\trowd \\irow0\\irowband0\\ltrrow\\ts11\\trgaph108\\trleft-108\\trbrdrt\\brdrs\\brdrw10 \\trbrdrh\\brdrs\\brdrw10 "
            "\\trftsWidth1\\trautofit1\\trpaddl108\\trpaddr108\\trpaddfl3\\trpaddfr3\\tblind0\\tblindtype3 \\clvertalt"
            "\\clbrdrt\\brdrs\\brdrw10 \\clbrdrb\\brdrs\\brdrw10 \\cltxlrtb\\clftsWidth3\\clwWidth4606\\clshdrawnil \\cellx4498"
            "\\clvertalt\\clbrdrt\\brdrs\\brdrw10 \\cltxlrtb\\clftsWidth3\\clwWidth4606\\clshdrawnil \\cellx9104";
        QTest::newRow("definition repeated before the row's end")
            << "{\\rtf1\\pard\\plain \\ltrpar\\ql\\itap0 \\fs24 Text davor\\par\r\n" + wordRow
                   + "\\pard\\plain \\ltrpar\\ql \\li0\\ri0\\widctlpar\\intbl\\wrapdefault \\fs24 A\\cell B\\cell "
                     "\\pard\\plain \\ltrpar\\ql \\li0\\ri0\\widctlpar\\intbl\\wrapdefault \\fs24 " + wordRow
                   + "\\row \\pard\\plain \\ltrpar\\ql\\itap0 \\fs24 Text danach\\par}"
            << QStringLiteral("Text davor¶[A|B]¶Text danach¶") << QList<int>{4606, 4606};
        QTest::newRow("nested table")
            << QByteArray("{\\rtf1\\trowd\\cellx3000\\cellx6000\\pard\\intbl Links\\cell\\pard\\intbl\\itap2 a\\nestcell b\\nestcell"
                          "\\pard\\intbl\\itap2{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2500\\nestrow}{\\nonesttables\\par}"
                          "\\pard\\intbl\\itap2 c\\nestcell d\\nestcell\\pard\\intbl\\itap2{\\*\\nesttableprops\\trowd\\cellx1000\\cellx2500\\nestrow}"
                          "\\pard\\intbl unten\\cell\\row\\pard danach}")
            << QStringLiteral("¶[Links|¶[a|b/c|d]¶unten]¶danach") << QList<int>{3000, 3000};
        QTest::newRow("a long table in pieces, one after the other")
            << "{\\rtf1" + QByteArray("\\trowd\\cellx1000\\cellx2500\\pard\\intbl a\\cell b\\cell\\row").repeated(1001) + "\\pard danach}"
            << u"¶[" + QStringLiteral("a|b/").repeated(999) + u"a|b]¶¶[a|b]¶danach" << QList<int>{1000, 1500};
    }
    void tablesAreReadAsTables()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, structure);
        QFETCH(QList<int>, widths);
        QTextDocument doc;
        readRtf(rtf, doc);
        QCOMPARE(structureOf(doc), structure);
        QCOMPARE(widthsOf(doc), widths);
        const QByteArray written = writeRtf(doc);
        QTextDocument back;
        readRtf(written, back);
        QCOMPARE(structureOf(back), structure);
        QCOMPARE(widthsOf(back), widths);
        QCOMPARE(back.toPlainText(), doc.toPlainText());
        QCOMPARE(writeRtf(back), written);
    }

    // Borders as the row definition gives them, none where it gives none; written and read again.
    void tableBorders_data()
    {
        QTest::addColumn<QByteArray>("definition");  // of the one cell
        QTest::addColumn<QList<int>>("twips");        // top, left, bottom, right; 0: none
        QTest::addColumn<int>("style");               // of the top border
        QTest::addColumn<QColor>("colour");           // of the top border
        QTest::addColumn<int>("alignment");           // of the table on the page
        const QColor black(Qt::black);
        const int solid = QTextFrameFormat::BorderStyle_Solid;
        QTest::newRow("none") << QByteArray() << QList<int>{0, 0, 0, 0} << 0 << QColor() << int(Qt::AlignLeft);
        QTest::newRow("each side its own")
            << QByteArray("\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw20\\clbrdrb\\brdrs\\brdrw30\\clbrdrr\\brdrs\\brdrw45")
            << QList<int>{10, 20, 30, 45} << solid << black << int(Qt::AlignLeft);
        QTest::newRow("coloured") << QByteArray("\\clbrdrt\\brdrs\\brdrw15\\brdrcf2") << QList<int>{15, 0, 0, 0} << solid << QColor(0, 0, 200) << int(Qt::AlignLeft);
        QTest::newRow("automatic colour") << QByteArray("\\clbrdrt\\brdrs\\brdrw15\\brdrcf0") << QList<int>{15, 0, 0, 0} << solid << black << int(Qt::AlignLeft);
        QTest::newRow("without a width") << QByteArray("\\clbrdrt\\brdrs") << QList<int>{15, 0, 0, 0} << solid << black << int(Qt::AlignLeft);
        QTest::newRow("double") << QByteArray("\\clbrdrt\\brdrdb\\brdrw30") << QList<int>{30, 0, 0, 0}
                                << int(QTextFrameFormat::BorderStyle_Double) << black << int(Qt::AlignLeft);
        QTest::newRow("no border named") << QByteArray("\\clbrdrt\\brdrnone\\brdrw10") << QList<int>{0, 0, 0, 0} << 0 << QColor() << int(Qt::AlignLeft);
        QTest::newRow("the row's borders")
            << QByteArray("\\trbrdrt\\brdrs\\brdrw10\\trbrdrl\\brdrs\\brdrw20\\trbrdrb\\brdrs\\brdrw30\\trbrdrr\\brdrs\\brdrw40")
            << QList<int>{10, 20, 30, 40} << solid << black << int(Qt::AlignLeft);
        QTest::newRow("the cell's over the row's")
            << QByteArray("\\trbrdrt\\brdrs\\brdrw10\\trbrdrb\\brdrs\\brdrw10\\clbrdrt\\brdrnone") << QList<int>{0, 0, 10, 0} << 0 << QColor() << int(Qt::AlignLeft);
        QTest::newRow("a paragraph's border is no cell's")
            << QByteArray("\\clbrdrt\\brdrs\\brdrw10\\brdrb\\brdrs\\brdrw40") << QList<int>{10, 0, 0, 0} << solid << black << int(Qt::AlignLeft);
        QTest::newRow("centred table") << QByteArray("\\trqc") << QList<int>{0, 0, 0, 0} << 0 << QColor() << int(Qt::AlignHCenter);
        QTest::newRow("right-aligned table") << QByteArray("\\trqr") << QList<int>{0, 0, 0, 0} << 0 << QColor() << int(Qt::AlignRight);
        QTest::newRow("left again") << QByteArray("\\trqr\\trql") << QList<int>{0, 0, 0, 0} << 0 << QColor() << int(Qt::AlignLeft);
    }
    void tableBorders()
    {
        QFETCH(int, alignment);
        QFETCH(QByteArray, definition);
        QFETCH(QList<int>, twips);
        QFETCH(int, style);
        QFETCH(QColor, colour);
        QTextDocument doc;
        readRtf("{\\rtf1{\\colortbl;\\red200\\green0\\blue0;\\red0\\green0\\blue200;}\\trowd" + definition
                    + "\\cellx2000\\intbl a\\cell\\row}",
                doc);
        QTextDocument back;
        readRtf(writeRtf(doc), back);
        for (const QTextDocument* d : {&doc, &back}) {
            const QTextTable* table = firstTable(*d);
            QVERIFY(table);
            // What a cell does not name, the table draws: nothing.
            QCOMPARE(table->format().border(), 0.0);
            const QTextTableCellFormat f = table->cellAt(0, 0).format().toTableCellFormat();
            QCOMPARE((QList<int>{qRound(f.topBorder() * 15), qRound(f.leftBorder() * 15), qRound(f.bottomBorder() * 15),
                                 qRound(f.rightBorder() * 15)}),
                     twips);
            QCOMPARE(int(f.topBorderStyle()), style);
            QCOMPARE(f.topBorderBrush().style() == Qt::NoBrush ? QColor() : f.topBorderBrush().color(), colour);
            // The table stands on the page as the row says: its 2000 twips of 800 pixels.
            const std::unique_ptr<QTextDocument> laidOut(d->clone());
            laidOut->setTextWidth(800);
            const QRectF frame = laidOut->documentLayout()->frameBoundingRect(firstTable(*laidOut));
            const double left = alignment == Qt::AlignHCenter ? (800 - frame.width()) / 2 : alignment == Qt::AlignRight ? 800 - frame.width() : 0;
            QVERIFY2(qAbs(frame.left() - left) < 12, qPrintable(QString::number(frame.left())));
        }
    }

    // Rows as high as \\trrh says (at least; exactly is shown as at least, its text never cut
    // off) and cells padded as \\trpadd and \\clpad say; written and read again.
    void rowHeightsAndPaddings_data()
    {
        QTest::addColumn<QByteArray>("definition");  // of the row, its one cell's before \\cellx
        QTest::addColumn<int>("height");              // of the table laid out, at least; pixels
        QTest::addColumn<QList<int>>("padding");      // the cell's: top, left, bottom, right; twips
        QTest::newRow("nothing said") << QByteArray() << 0 << QList<int>{0, 0, 0, 0};
        QTest::newRow("at least") << QByteArray("\\trrh600") << 40 << QList<int>{0, 0, 0, 0};
        QTest::newRow("exactly") << QByteArray("\\trrh-600") << 40 << QList<int>{0, 0, 0, 0};
        QTest::newRow("at least with padding")
            << QByteArray("\\trrh900\\trpaddt150\\trpaddft3\\trpaddb150\\trpaddfb3") << 60 << QList<int>{150, 0, 150, 0};
        QTest::newRow("the row's padding") << QByteArray("\\trgaph108\\trpaddt60\\trpaddft3") << 0 << QList<int>{60, 108, 0, 108};
        QTest::newRow("the cell's over the row's")
            << QByteArray("\\trgaph108\\clpadl200\\clpadfl3\\clpadt45\\clpadft3\\clpadb30\\clpadfb3\\clpadr20\\clpadfr3") << 0
            << QList<int>{45, 200, 30, 20};
        QTest::newRow("a padding of no unit means nothing")
            << QByteArray("\\trgaph108\\trpaddl50\\trpaddfl0\\clpadr200\\clpadfr0") << 0 << QList<int>{0, 108, 0, 108};
    }
    void rowHeightsAndPaddings()
    {
        QFETCH(QByteArray, definition);
        QFETCH(int, height);
        QFETCH(QList<int>, padding);
        QTextDocument doc;
        readRtf("{\\rtf1\\trowd" + definition + "\\cellx2000\\intbl a\\cell\\row}", doc);
        QTextDocument back;
        readRtf(writeRtf(doc), back);
        for (const QTextDocument* d : {&doc, &back}) {
            QVERIFY(firstTable(*d));
            const QTextTableCellFormat f = firstTable(*d)->cellAt(0, 0).format().toTableCellFormat();
            QCOMPARE((QList<int>{qRound(f.topPadding() * 15), qRound(f.leftPadding() * 15), qRound(f.bottomPadding() * 15),
                                 qRound(f.rightPadding() * 15)}),
                     padding);
            const std::unique_ptr<QTextDocument> laidOut(d->clone());
            laidOut->setTextWidth(800);
            const qreal laidOutHeight = laidOut->documentLayout()->frameBoundingRect(firstTable(*laidOut)).height();
            QVERIFY2(laidOutHeight >= height && (height > 0 || laidOutHeight < 30), qPrintable(QString::number(laidOutHeight)));
        }
        // The row's height is written as the row's, not as its paragraph's line spacing.
        QCOMPARE(writeRtf(back).contains("\\sl"), false);
        QCOMPARE(writeRtf(back), writeRtf(doc));
    }

    // A table of results as a word processor writes it: the heading's columns stand over the
    // data's, as wide as \\cellx makes them.
    void headingAndDataColumnsLineUp()
    {
        const QByteArray row = "\\trowd\\trgaph108\\trleft-108\\trbrdrt\\brdrs\\brdrw10\\trbrdrb\\brdrs\\brdrw10\\trbrdrh\\brdrs\\brdrw10"
                               "\\cellx1500\\cellx3000\\cellx4500\\cellx6000\\pard\\intbl ";
        const QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Ergebnisse\\par" + row
                               + "{\\b Band\\cell f [MHz]\\cell LgD [m]\\cell LgR [m]\\cell}\\row" + row
                               + "20 m\\cell 14,2\\cell 10,905\\cell 11,363\\cell\\row\\pard\\par}";
        QTextDocument doc;
        readRtf(rtf, doc);
        doc.setTextWidth(800);
        const QTextTable* table = firstTable(doc);
        QVERIFY(table);
        QCOMPARE(table->rows(), 2);
        QCOMPARE(table->columns(), 4);
        const auto left = [&](int r, int c) {
            return doc.documentLayout()->blockBoundingRect(table->cellAt(r, c).firstCursorPosition().block()).left();
        };
        QCOMPARE(table->cellAt(0, 2).firstCursorPosition().block().text(), QStringLiteral("LgD [m]"));
        QCOMPARE(table->cellAt(1, 2).firstCursorPosition().block().text(), QStringLiteral("10,905"));
        for (int c = 0; c < 4; ++c)
            QCOMPARE(left(0, c), left(1, c));
        // 1500 twips, 100 pixels, from one column to the next; the first begins 108 twips
        // before the margin, at \\trleft.
        for (int c = 1; c < 4; ++c)
            QVERIFY2(qAbs(left(1, c) - left(1, c - 1) - (c == 1 ? 107.2 : 100)) < 1, qPrintable(QString::number(left(1, c) - left(1, c - 1))));
        // \\trgaph: the space between the cells' text, on either side, kept on saving.
        QTextDocument back;
        readRtf(writeRtf(doc), back);
        for (const QTextDocument* d : {&doc, &back}) {
            const QTextTableCellFormat cell = firstTable(*d)->cellAt(1, 2).format().toTableCellFormat();
            QCOMPARE(cell.leftPadding() * 15, 108.0);
            QCOMPARE(cell.rightPadding() * 15, 108.0);
            QCOMPARE(cell.topPadding(), 0.0);
        }
    }

    // Beyond 63 columns and 6 levels of nesting, cells stay tab-separated text in the last
    // cell: nothing is lost, and reading stays fast (a table of 10,000 columns would lay out
    // for minutes). A long table keeps just its rows, whatever the reader made ahead.
    void largeAndDeepTables_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("rows");     // of the first table
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("depth");
        QByteArray wide = "{\\rtf1\\trowd";
        for (int i = 1; i <= 10000; ++i)
            wide += "\\cellx" + QByteArray::number(i * 100);
        wide += "\\intbl";
        for (int i = 0; i < 10000; ++i)
            wide += " x\\cell";
        QTest::newRow("10,000 cells in a row") << wide + "\\row}" << 1 << 63 << 1;
        QTest::newRow("10,000 cells without a definition")
            << "{\\rtf1\\intbl" + QByteArray(" x\\cell").repeated(10000) + "\\row}" << 1 << 63 << 1;
        QTest::newRow("nested 100 deep at once") << QByteArray("{\\rtf1\\intbl\\itap100 x\\nestcell x\\nestcell\\nestrow x}") << 1 << 1 << 6;
        QTest::newRow("16 deep in 25 bytes") << QByteArray("{\\rtf1\\pard\\itap16 x\\par}") << 1 << 1 << 6;
        QByteArray deeper = "{\\rtf1";
        for (int d = 1; d <= 40; ++d)
            deeper += "\\pard\\intbl\\itap" + QByteArray::number(d) + " x";
        QTest::newRow("one level deeper each paragraph") << deeper + "}" << 1 << 1 << 6;
        QTest::newRow("deep rows and cells")
            << "{\\rtf1" + QByteArray("\\pard\\intbl\\itap30 x\\nestcell\\nestrow").repeated(2000) + "}" << 1 << 1 << 6;
        for (int rows : {63, 64, 65, 79, 80, 1000})
            QTest::newRow(qPrintable(QStringLiteral("%1 rows").arg(rows)))
                << "{\\rtf1" + QByteArray("\\trowd\\cellx1000\\cellx2000\\intbl x\\cell x\\cell\\row").repeated(rows) + "\\pard x}" << rows
                << 2 << 1;
        const QByteArray row = "\\trowd\\cellx1000\\cellx2000\\intbl x\\cell x\\cell\\row";
        QTest::newRow("1001 rows: a piece of 1000 first") << "{\\rtf1" + row.repeated(1001) + "\\pard x}" << 1000 << 2 << 1;
        QTest::newRow("600 rows of 5 cells: a piece of 500 first")
            << "{\\rtf1" + QByteArray("\\trowd\\cellx1\\cellx2\\cellx3\\cellx4\\cellx5\\intbl x\\cell x\\cell x\\cell x\\cell x\\cell\\row").repeated(600)
                   + "\\pard x}"
            << 500 << 5 << 1;
        QTest::newRow("a row merged down stays with the one above")
            << "{\\rtf1" + row.repeated(999) + "\\trowd\\clvmgf\\cellx1000\\cellx2000\\intbl x\\cell x\\cell\\row"
                   + "\\trowd\\clvmrg\\cellx1000\\cellx2000\\intbl x\\cell x\\cell\\row" + row.repeated(5) + "\\pard x}"
            << 1001 << 2 << 1;
    }
    // A long table, built in pieces, is written as the one table it was: its rows follow each
    // other with no paragraph between them.
    void longTableIsWrittenAsOne()
    {
        const QByteArray row = "\\trowd\\cellx1000\\intbl x\\cell\\row";
        QTextDocument doc;
        readRtf("{\\rtf1 davor\\par" + row.repeated(2500) + "\\pard danach}", doc);
        QCOMPARE(doc.rootFrame()->childFrames().size(), 3);
        const QByteArray written = writeRtf(doc);
        const qsizetype first = written.indexOf("\\row"), last = written.lastIndexOf("\\row");
        QCOMPARE(written.count("\\row"), 2500);
        QVERIFY(!written.mid(first, last - first).contains("\\par\r\n"));
    }

    void largeAndDeepTables()
    {
        QFETCH(QByteArray, rtf);
        QElapsedTimer timer;
        timer.start();
        QTextDocument doc;
        readRtf(rtf, doc);
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QTEST(int(firstTable(doc)->rows()), "rows");
        QTEST(int(firstTable(doc)->columns()), "columns");
        int depth = 0;
        for (QTextFrame* frame = doc.rootFrame(); !frame->childFrames().isEmpty(); frame = frame->childFrames().first())
            ++depth;
        QTEST(depth, "depth");
        QCOMPARE(doc.toPlainText().count(u'x'), int(rtf.count(" x")));
        QTextDocument back;
        readRtf(writeRtf(doc), back);
        QCOMPARE(back.toPlainText(), doc.toPlainText());
    }

    void defaultFontAndSize_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");
        QTest::newRow("\\deff names the second font")
            << QByteArray("{\\rtf1\\deff1{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}Text}") << "Times New Roman";
        QTest::newRow("\\deff0 by default") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}Text}") << "Arial";
        QTest::newRow("no font table keeps the family") << QByteArray("{\\rtf1 Text}") << "Courier New";
    }
    void defaultFontAndSize()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, expected);
        QTextDocument doc;
        doc.setDefaultFont(QFont(QStringLiteral("Courier New"), 8));
        readRtf(rtf, doc);
        QCOMPARE(doc.defaultFont().family(), expected);
        QCOMPARE(doc.defaultFont().pointSizeF(), 12.0);
        // Text without \f and \fs shows in the default font.
        QVERIFY(!formatAt(doc, 0).hasProperty(QTextFormat::FontPointSize));
        QTextDocument back;
        readRtf(writeRtf(doc), back);
        const QTextCharFormat f = formatAt(back, 0);
        QCOMPARE(f.fontPointSize() > 0 ? f.fontPointSize() : back.defaultFont().pointSizeF(), 12.0);
        QCOMPARE(family(f).isEmpty() ? back.defaultFont().family() : family(f), expected);
    }

    // Characters read from a symbol font (a list's bullet, Greek letters) show on screen: the
    // symbol font itself holds them only at its private places. The symbol font's name stays
    // first, and the text reads back the same after writing.
    void symbolFontTextIsShown_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("at");  // a character read from the symbol font
        const QByteArray fonts = "{\\fonttbl{\\f0 Liberation Serif;}{\\f1\\fnil\\fcharset2 Symbol;}}";
        QTest::newRow("Word's bullet") << "{\\rtf1" + fonts + "{\\f1 \\u-3913?} Punkt}" << QStringLiteral("• Punkt") << 0;
        QTest::newRow("Greek letters from bytes")
            << "{\\rtf1" + fonts + "{\\f1 l}/2 = {\\f1 W}}" << QStringLiteral("λ/2 = Ω") << 6;
        QTest::newRow("symbol font as the default font")
            << "{\\rtf1\\deff1" + fonts + "a b}" << QStringLiteral("α β") << 2;
    }
    void symbolFontTextIsShown()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QFETCH(int, at);
        QTextDocument doc;
        readRtf(rtf, doc);
        QCOMPARE(doc.toPlainText(), text);
        const QString shownFamily = family(formatAt(doc, at));
        QCOMPARE(shownFamily.isEmpty() ? doc.defaultFont().family() : shownFamily, QStringLiteral("Symbol"));
        // Drawn as the viewer draws it; glyph 0 is the font's sign for a character it lacks.
        doc.setTextWidth(600);
        QImage page(600, 200, QImage::Format_RGB32);
        QPainter painter(&page);
        doc.drawContents(&painter);
        painter.end();
        for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
            for (int line = 0; line < block.layout()->lineCount(); ++line)
                for (const QGlyphRun& run : block.layout()->lineAt(line).glyphRuns())
                    QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(run.rawFont().familyName() + " lacks a character"));
        QTextDocument back;
        readRtf(writeRtf(doc), back);
        QCOMPARE(back.toPlainText(), text);
    }

    void picturesAreShownAndWrittenBack_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("png") << QByteArray("pngblip") << QByteArray("PNG");
        QTest::newRow("jpeg") << QByteArray("jpegblip") << QByteArray("JPEG");
    }
    void picturesAreShownAndWrittenBack()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QByteArray, format);
        const QByteArray hex = pictureHex(format.constData(), 8, 4);
        // 300 by 150 twips: 20 by 10 pixels of the document.
        const QByteArray rtf = "{\\rtf1 a{\\*\\shppict{\\pict\\" + kind + "\\picw8\\pich4\\picwgoal300\\pichgoal150\r\n" + hex
                               + "}}{\\nonshppict{\\pict\\wmetafile8 0102}}b}";
        QTextDocument doc;
        const RtfReadResult result = readRtf(rtf, doc);
        QVERIFY(!result.otherPictures);
        QCOMPARE(doc.toPlainText(), QStringLiteral("a") + QChar::ObjectReplacementCharacter + QStringLiteral("b"));
        QList<QTextImageFormat> images = imagesOf(doc);
        QCOMPARE(images.size(), 1);
        QCOMPARE(images[0].width(), 20.0);
        QCOMPARE(images[0].height(), 10.0);
        QVERIFY(!doc.resource(QTextDocument::ImageResource, QUrl(images[0].name())).value<QImage>().isNull());

        const QByteArray written = writeRtf(doc);
        QVERIFY(written.contains(QByteArray("\\pict\\").append(kind)));
        QVERIFY(written.contains(hex.left(64)));
        QTextDocument back;
        readRtf(written, back);
        QCOMPARE(back.toPlainText(), doc.toPlainText());
        images = imagesOf(back);
        QCOMPARE(images.size(), 1);
        QCOMPARE(images[0].width(), 20.0);
    }

    // The size a picture is shown at: the goal size in twips, scaled in percent, or its own.
    void pictureSize_data()
    {
        QTest::addColumn<QByteArray>("words");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("goal size") << QByteArray("\\picwgoal300\\pichgoal150") << 20.0 << 10.0;
        QTest::newRow("goal size scaled") << QByteArray("\\picwgoal300\\pichgoal150\\picscalex50\\picscaley200") << 10.0 << 20.0;
        QTest::newRow("own size without a goal") << QByteArray("\\picw8\\pich4") << 8.0 << 4.0;
    }
    void pictureSize()
    {
        QFETCH(QByteArray, words);
        QTextDocument doc;
        readRtf("{\\rtf1{\\pict\\pngblip" + words + " " + pictureHex("PNG", 8, 4) + "}}", doc);
        const QList<QTextImageFormat> images = imagesOf(doc);
        QCOMPARE(images.size(), 1);
        QTEST(images[0].width(), "width");
        QTEST(images[0].height(), "height");
    }

    // A picture pasted in has no bytes of its own: it is written as PNG.
    void pastedPictureIsWrittenAsPng()
    {
        QTextDocument doc;
        QImage image(6, 3, QImage::Format_RGB32);
        image.fill(QColor(0, 90, 200));
        doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("eingefuegt.png")), image);
        QTextCursor(&doc).insertImage(QStringLiteral("eingefuegt.png"));
        const QByteArray written = writeRtf(doc);
        QVERIFY(written.contains("\\pict\\pngblip"));
        QTextDocument back;
        QVERIFY(!readRtf(written, back).otherPictures);
        const QList<QTextImageFormat> images = imagesOf(back);
        QCOMPARE(images.size(), 1);
        QCOMPARE(back.resource(QTextDocument::ImageResource, QUrl(images[0].name())).value<QImage>().size(), QSize(6, 3));
    }

    // A picture placed beside the text (a drawing object) shows where it is anchored; the
    // drawing's properties and its stand-in for old readers do not.
    void pictureOfADrawingIsShown()
    {
        const QByteArray hex = pictureHex("PNG", 4, 4);
        const QByteArray rtf = "{\\rtf1 a{\\shp{\\*\\shpinst\\shpleft0{\\sp{\\sn shapeType}{\\sv 75}}{\\sp{\\sn pib}{\\sv "
                               "{\\pict\\pngblip\\picwgoal60\\pichgoal60 " + hex + "}}}}{\\shprslt{\\pict\\wmetafile8 0102}}}b}";
        QTextDocument doc;
        const RtfReadResult r = readRtf(rtf, doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("a") + QChar::ObjectReplacementCharacter + QStringLiteral("b"));
        QCOMPARE(imagesOf(doc).size(), 1);
        QVERIFY(!r.objects && !r.otherPictures);
    }

    // Pictures that would take more decoded pixels than the document's budget are not decoded:
    // a note with their size stands in for each, and writing the document keeps the picture.
    void picturesBeyondTheBudgetStandAsNotes_data()
    {
        QTest::addColumn<QList<QSize>>("pictures");
        QTest::addColumn<QList<bool>>("shown");
        const QSize bomb(5700, 5700);  // 32.5 million pixels in 4 KB
        QTest::newRow("one within the budget") << QList<QSize>{bomb} << QList<bool>{true};
        QTest::newRow("ten in 80 KB") << QList<QSize>(10, bomb) << QList<bool>{true, false, false, false, false, false, false, false, false, false};
        QTest::newRow("a smaller one after a note still fits")
            << QList<QSize>{bomb, QSize(5650, 5650), QSize(2000, 1000)} << QList<bool>{true, false, true};
    }
    void picturesBeyondTheBudgetStandAsNotes()
    {
        QFETCH(QList<QSize>, pictures);
        QFETCH(QList<bool>, shown);
        QByteArray rtf = "{\\rtf1 ";
        QList<QByteArray> bytes;
        for (const QSize& size : pictures) {
            const QByteArray hex = largePngHex(size.width(), size.height());
            bytes << QByteArray::fromHex(hex);
            rtf += "{\\pict\\pngblip\\picwgoal1500\\pichgoal750 " + hex + "}";
        }
        QTextDocument doc;
        const RtfReadResult r = readRtf(rtf + "}", doc);
        QCOMPARE(r.picturesNotShown, int(shown.count(false)));
        QVERIFY(!r.otherPictures);
        const QList<QTextImageFormat> images = imagesOf(doc);
        QCOMPARE(images.size(), pictures.size());
        qint64 decoded = 0;
        for (qsizetype i = 0; i < images.size(); ++i) {
            const QImage image = doc.resource(QTextDocument::ImageResource, QUrl(images[i].name())).value<QImage>();
            QVERIFY(!image.isNull());
            if (shown[i]) {
                QCOMPARE(image.size(), pictures[i]);
                QCOMPARE(images[i].width(), 100.0);
                decoded += qint64(image.width()) * image.height();
            } else {
                // The note: small, naming the picture's size.
                QVERIFY2(image.width() < 800 && image.height() < 100, qPrintable(QString::number(image.width())));
                QCOMPARE(images[i].toolTip(), QStringLiteral("Bild %1 × %2 Pixel nicht angezeigt").arg(pictures[i].width()).arg(pictures[i].height()));
            }
        }
        QVERIFY(decoded <= documentPicturePixels);

        // Written and read again: every picture with its bytes and its size, notes included.
        QTextDocument back;
        QCOMPARE(readRtf(writeRtf(doc), back).picturesNotShown, r.picturesNotShown);
        const QList<QTextImageFormat> written = imagesOf(back);
        QCOMPARE(written.size(), pictures.size());
        for (qsizetype i = 0; i < written.size(); ++i) {
            QCOMPARE(written[i].property(pictureBytesProperty).toByteArray(), bytes[i]);
            const QSizeF size = written[i].hasProperty(pictureSizeProperty) ? written[i].property(pictureSizeProperty).toSizeF()
                                                                            : QSizeF(written[i].width(), written[i].height());
            QCOMPARE(size, QSizeF(100, 50));
        }
    }

    // What the writer cannot keep is reported, so that saving can say what is lost.
    void reportsWhatIsShownOnlyInPart_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("found");
        QTest::newRow("nothing") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\b Text\\par}") << "";
        QTest::newRow("table, kept whole") << QByteArray("{\\rtf1\\trowd\\cellx1\\intbl a\\cell\\row}") << "";
        QTest::newRow("list") << QByteArray("{\\rtf1{\\listtext 1.\\tab}a}") << "lists";
        QTest::newRow("footnote") << QByteArray("{\\rtf1 a{\\footnote b}}") << "footnotes";
        QTest::newRow("metafile picture") << QByteArray("{\\rtf1 a{\\pict\\wmetafile8 0102}}") << "otherPictures";
        QTest::newRow("broken png") << QByteArray("{\\rtf1 a{\\pict\\pngblip 0102}}") << "otherPictures";
        QTest::newRow("metafile holding JPEG bytes") << "{\\rtf1 a{\\pict\\wmetafile8 " + pictureHex("JPEG", 4, 4) + "}}" << "otherPictures";
        // Qt decodes no picture this large: a note stands in for it, its bytes are kept.
        QTest::newRow("png of more than 40 million pixels") << "{\\rtf1 a{\\pict\\pngblip " + largePngHex(6400, 6300) + "}}" << "notShown";
        QTest::newRow("png of 2 million pixels") << "{\\rtf1 a{\\pict\\pngblip " + largePngHex(2000, 1000) + "}}" << "";
        QTest::newRow("object") << QByteArray("{\\rtf1 a{\\object{\\*\\objdata 01}}}") << "objects";
        QTest::newRow("drawing") << QByteArray("{\\rtf1 a{\\shp{\\*\\shpinst x}}}") << "objects";
        QTest::newRow("drawing object") << QByteArray("{\\rtf1 a{\\*\\do\\dobxcolumn x}}") << "objects";
    }
    void reportsWhatIsShownOnlyInPart()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, found);
        QTextDocument doc;
        const RtfReadResult r = readRtf(rtf, doc);
        QStringList flags;
        if (r.lists) flags << "lists";
        if (r.footnotes) flags << "footnotes";
        if (r.otherPictures) flags << "otherPictures";
        if (r.objects) flags << "objects";
        if (r.picturesNotShown) flags << "notShown";
        QCOMPARE(flags.join(u','), found);
        QVERIFY(!r.cancelled);
    }

    void progressIsReportedAndMayStop()
    {
        QByteArray rtf = "{\\rtf1 ";
        while (rtf.size() < 1024 * 1024)
            rtf += "Zeile mit {\\b fett} und \\'e4\\par\r\n";
        rtf += "}";
        QList<qint64> seen;
        QTextDocument doc;
        RtfReadResult r = readRtf(rtf, doc, [&](qint64 done, qint64 total) {
            seen << done;
            return total == rtf.size();
        });
        QVERIFY(!r.cancelled);
        QVERIFY(seen.size() >= 3);
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        r = readRtf(rtf, doc, [](qint64, qint64) { return false; });
        QVERIFY(r.cancelled);
    }

    void malformedInputNeverFails_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::newRow("unbalanced open") << QByteArray("{\\rtf1 {{{ a");
        QTest::newRow("unbalanced close") << QByteArray("{\\rtf1 a}}}} b}");
        QTest::newRow("huge numbers") << QByteArray("{\\rtf1\\fs99999999999999999999 \\u99999999999 \\uc-5 \\cf2147483648 \\bin99999999999 x}");
        QTest::newRow("negative bin") << QByteArray("{\\rtf1\\bin-5 x}");
        QTest::newRow("cut-off hex") << QByteArray("{\\rtf1 a\\'4");
        QTest::newRow("cut-off backslash") << QByteArray("{\\rtf1 a\\");
        QTest::newRow("cut-off control word") << QByteArray("{\\rtf1 a\\pa");
        QTest::newRow("colour table without values") << QByteArray("{\\rtf1{\\colortbl;;;}\\cf5 x}");
        QTest::newRow("font index unknown") << QByteArray("{\\rtf1\\f99 x}");
        QTest::newRow("very long control word") << QByteArray("{\\rtf1\\") + QByteArray(10000, 'a') + "}";
        QTest::newRow("nul bytes") << QByteArray("{\\rtf1 a\0b}", 11);
        QTest::newRow("deep nesting") << QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "x" + QByteArray(100000, '}');
    }
    void malformedInputNeverFails()
    {
        QFETCH(QByteArray, rtf);
        QTextDocument doc;
        readRtf(rtf, doc);
        QVERIFY(doc.characterCount() >= 1);
    }

    void arbitraryBytesNeverCrash()
    {
        QRandomGenerator random(4711);
        const QByteArray pieces[] = {"{", "}", "\\", "\\par ", "\\'e4", "\\u-3913?", "\\uc2 ", "\\b", "\\fs", "-",
                                     "123", "\\*", "\\bin4 ", "\\fonttbl", "\\colortbl", ";", "\\red9", "x",
                                     "\\'", "\\f2", "\\cf1", " ", "\r\n", "\xff", "\\pict", "\\trowd", "\\cellx900",
                                     "\\intbl", "\\cell", "\\row", "\\pard", "\\itap2", "\\nestcell", "\\nestrow",
                                     "{\\*\\nesttableprops", "\\clmgf", "\\clmrg", "\\clvmgf", "\\clvmrg", "\\clbrdrt\\brdrs"};
        for (int round = 0; round < 3000; ++round) {
            QByteArray data = "{\\rtf1 ";
            const int length = random.bounded(200);
            for (int i = 0; i < length; ++i)
                data += pieces[random.bounded(int(std::size(pieces)))];
            QTextDocument doc;
            readRtf(data, doc);
            QTextDocument again;
            readRtf(writeRtf(doc), again);
            QCOMPARE(again.toPlainText(), doc.toPlainText());
            QCOMPARE(structureOf(again), structureOf(doc));
        }
    }

    // \fsN counts half points: odd values keep their half point, also through saving.
    void halfPointSizes_data()
    {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<double>("points");  // 0: not applied
        QTest::newRow("fs21") << QByteArray("\\fs21") << 10.5;
        QTest::newRow("fs17") << QByteArray("\\fs17") << 8.5;
        QTest::newRow("fs20") << QByteArray("\\fs20") << 10.0;
        QTest::newRow("smallest") << QByteArray("\\fs2") << 1.0;
        QTest::newRow("below the smallest") << QByteArray("\\fs1") << 0.0;
        QTest::newRow("largest") << QByteArray("\\fs3276") << 1638.0;
        QTest::newRow("beyond the largest") << QByteArray("\\fs3277") << 0.0;
        QTest::newRow("no parameter") << QByteArray("\\fs") << 0.0;
    }
    void halfPointSizes()
    {
        QFETCH(QByteArray, word);
        QFETCH(double, points);
        QTextDocument doc;
        doc.setDefaultFont(QFont(QStringLiteral("Courier New"), 12));
        readRtf("{\\rtf1 a{" + word + " x}b}", doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("axb"));
        QCOMPARE(formatAt(doc, 1).fontPointSize(), points);
        QCOMPARE(formatAt(doc, 0).fontPointSize(), 0.0);
        if (points == 0)
            return;
        const QByteArray saved = writeRtf(doc);
        QVERIFY2(saved.contains(QByteArray("\\fs" + QByteArray::number(qRound(points * 2)) + ' ')), saved.constData());
        QTextDocument back;
        readRtf(saved, back);
        QCOMPARE(formatAt(back, 1).fontPointSize(), points);
        // Text without a size of its own is written in the document's size.
        QCOMPARE(formatAt(back, 0).fontPointSize(), 12.0);
    }

    // Bytes from 0x80 on are read in the code page of the text's font, or of the document.
    void codePageBytes_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("0x80 in a Cyrillic font")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0 \\'80\\'81\\'c0\\'7e}") << QStringLiteral("ЂЃА~");
        QTest::newRow("0x80 with the font's code page")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\cpg1251 Arial;}}\\f0 \\'80}") << QStringLiteral("Ђ");
        QTest::newRow("0x80 in the document's code page") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'80}") << QStringLiteral("Ђ");
        QTest::newRow("0x80 in a Western font")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset204 Arial;}}\\f0 \\'80{\\f1 \\'80}\\'80}")
            << QStringLiteral("€Ђ€");
        QTest::newRow("Greek") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset161 Arial;}}\\f0 \\'e1}") << QStringLiteral("α");
        QTest::newRow("Central European") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset238 Arial;}}\\f0 \\'9a}") << QStringLiteral("š");
        QTest::newRow("hex digits in either case") << QByteArray("{\\rtf1 \\'C4\\'e4\\'Fc\\'dF}") << QStringLiteral("Ääüß");
        QTest::newRow("unknown charset is Western") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset99 Arial;}}\\f0 \\'80}") << QStringLiteral("€");
        QTest::newRow("Mac charset") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset77 Arial;}}\\f0 \\'80}") << QStringLiteral("Ä");
    }
    void codePageBytes()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QTextDocument doc;
        readRtf(rtf, doc);
        QCOMPARE(doc.toPlainText(), text);
    }

    // Groups that word processors put into a font entry are not part of the font's name.
    void fontEntriesWithGroups_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("name");
        QTest::newRow("panose") << QByteArray("{\\f1\\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}")
                                << QStringLiteral("Times New Roman");
        QTest::newRow("alternative name") << QByteArray("{\\f1\\fswiss{\\*\\falt Helvetica}Arial;}") << QStringLiteral("Arial");
        QTest::newRow("both") << QByteArray("{\\f1\\fmodern{\\*\\panose 02070309020205020404}{\\*\\falt Courier}Liberation Mono;}")
                              << QStringLiteral("Liberation Mono");
        QTest::newRow("blanks around the name") << QByteArray("{\\f1  Arial ;}") << QStringLiteral("Arial");
    }
    void fontEntriesWithGroups()
    {
        QFETCH(QByteArray, entry);
        QFETCH(QString, name);
        QTextDocument doc;
        readRtf("{\\rtf1\\deff1{\\fonttbl{\\f0 Arial Black;}" + entry + "}\\f1 x{\\f0 y}}", doc);
        QCOMPARE(doc.toPlainText(), QStringLiteral("xy"));
        QCOMPARE(family(formatAt(doc, 0)), name);
        QCOMPARE(family(formatAt(doc, 1)), QStringLiteral("Arial Black"));
        QCOMPARE(doc.defaultFont().family(), name);
    }
};

QTEST_MAIN(TestRtf)
#include "test_rtf.moc"

#include "viewer/rtf/rtfreader.h"
#include "viewer/rtf/rtfwriter.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
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
} // namespace

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
        QTest::newRow("negative unicode") << QByteArray("{\\rtf1\\uc1 \\u-3913?}") << QString(QChar(char16_t(65536 - 3913)));
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

    void lineBreakStaysInItsParagraph()
    {
        QTextDocument doc;
        readRtf("{\\rtf1 a\\par b\\line c}", doc);
        QCOMPARE(doc.blockCount(), 2);
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
                                     "\\'", "\\f2", "\\cf1", " ", "\r\n", "\xff", "\\pict"};
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
        QTest::newRow("unknown charset is Western") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset77 Arial;}}\\f0 \\'80}") << QStringLiteral("€");
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

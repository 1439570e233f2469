// The help's page breaks inside paragraphs: no first line alone at a page's foot, no last line
// alone at a page's top, and the words as they were.
#include "doc/hilfeumbruch.h"

#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextLayout>
#include <QtTest>

class TestHilfeUmbruch : public QObject {
    Q_OBJECT

private slots:
    void paragraphOverAPageFoot_data()
    {
        QTest::addColumn<int>("room");    // lines of the paragraph that fit on the first page
        QTest::addColumn<int>("lines");   // the paragraph's lines
        QTest::addColumn<int>("onFirst"); // its lines on the first page afterwards
        QTest::newRow("first line alone at the foot") << 1 << 6 << 0;
        QTest::newRow("last line alone at the top") << 5 << 6 << 4;
        QTest::newRow("three lines, the last alone") << 2 << 3 << 0;
        QTest::newRow("two and two") << 2 << 4 << 2;
        QTest::newRow("whole on the page") << 6 << 6 << 6;
    }
    void paragraphOverAPageFoot()
    {
        QFETCH(int, room);
        QFETCH(int, lines);
        QFETCH(int, onFirst);
        QTextDocument doc;
        doc.setDocumentMargin(0);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(10);
        doc.setDefaultFont(font);
        doc.setTextWidth(300);
        QTextCursor cursor(&doc);
        const int filler = 4;
        for (int n = 0; n < filler; ++n) {
            cursor.insertText(QStringLiteral("Zeile %1").arg(n));
            cursor.insertBlock();
        }
        // Words added until one more would need another line.
        QString text, tried = QStringLiteral("Wort0");
        cursor.insertText(tried);
        for (int word = 1;; ++word) {
            doc.size();  // lays the text out
            if (doc.lastBlock().layout()->lineCount() > lines)
                break;
            text = tried;
            tried += QStringLiteral(" Wort%1").arg(word);
            cursor.insertText(QStringLiteral(" Wort%1").arg(word));
        }
        cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(text);
        doc.size();
        const QTextBlock paragraph = doc.lastBlock();
        QCOMPARE(paragraph.layout()->lineCount(), lines);
        const qreal line = paragraph.layout()->lineAt(0).height();
        const qreal height = (filler + room) * line + line / 2;
        doc.setPageSize(QSizeF(300, height));
        Manual manual(doc, height);
        manual.relayout();
        manual.paginate();

        QString after;
        int first = 0, second = 0;
        for (QTextBlock block = doc.findBlockByNumber(filler); block.isValid(); block = block.next()) {
            after += block.text() + u' ';
            const qreal top = doc.documentLayout()->blockBoundingRect(block).top();
            for (int n = 0; n < block.layout()->lineCount(); ++n)
                (manual.pageOf(top + block.layout()->lineAt(n).rect().center().y()) == 0 ? first : second)++;
        }
        QCOMPARE(first, onFirst);
        QCOMPARE(first + second, lines);
        QCOMPARE(after.simplified(), text.simplified());
    }
};

QTEST_MAIN(TestHilfeUmbruch)
#include "test_hilfeumbruch.moc"

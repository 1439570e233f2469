// Searching in the viewer when there is nothing to search for: the caret stays where it was.
#include "tests/support/fakeframe.h"
#include "tests/support/fakeui.h"
#include "tests/support/germanlocale.h"
#include "viewer/frmrtf.h"

#include <QTextEdit>
#include <QtTest>

class TestViewerSearch : public QObject {
    Q_OBJECT
    FakeFrame frame;
    std::unique_ptr<FakeUi> fake;
    std::unique_ptr<frmRTF> viewer;

    void select(int start, int end)
    {
        QTextCursor c = viewer->RichTextBox1->textCursor();
        c.setPosition(start);
        c.setPosition(end, QTextCursor::KeepAnchor);
        viewer->RichTextBox1->setTextCursor(c);
    }

private slots:
    void initTestCase() { useGermanLocale(); }
    void init()
    {
        fake = std::make_unique<FakeUi>();
        viewer = std::make_unique<frmRTF>(frame);
        viewer->Form_Load();
        viewer->RichTextBox1->setPlainText(QStringLiteral("ab ab ab ab"));
        viewer->show();
        QApplication::setActiveWindow(viewer.get());
        QVERIFY(QTest::qWaitForWindowActive(viewer.get()));
    }
    void cleanup()
    {
        viewer->Geaendert = false;
        fake->answers = {ui::Answer::Yes};
        viewer.reset();
        fake.reset();
    }

    void nothingToSearchForKeepsTheCaret_data()
    {
        QTest::addColumn<bool>("next");       // search-next (F3) instead of the search box
        QTest::addColumn<int>("inputs");      // 0: cancelled, 1: answered with an empty text
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::newRow("F3 with the caret inside") << true << 0 << 4 << 4;
        QTest::newRow("F3 with the caret at the start") << true << 0 << 0 << 0;
        QTest::newRow("F3 with the caret at the end") << true << 0 << 11 << 11;
        QTest::newRow("search box cancelled") << false << 0 << 4 << 4;
        QTest::newRow("search box cancelled, a selection") << false << 0 << 3 << 5;
        QTest::newRow("search box emptied") << false << 1 << 4 << 4;
        QTest::newRow("search box emptied, a selection") << false << 1 << 6 << 8;
    }
    void nothingToSearchForKeepsTheCaret()
    {
        QFETCH(bool, next);
        QFETCH(int, inputs);
        QFETCH(int, start);
        QFETCH(int, end);
        select(start, end);
        if (inputs)
            fake->inputs = {QString()};
        (next ? viewer->mnuSuchWeiter : viewer->mnuSuchen)->trigger();
        const QTextCursor after = viewer->RichTextBox1->textCursor();
        QCOMPARE(after.anchor(), start);
        QCOMPARE(after.position(), end);
        QVERIFY(fake->messages.isEmpty());
        QCOMPARE(fake->inputPrompts.size(), next ? 0 : 1);
        QCOMPARE(viewer->RichTextBox1->toPlainText(), QStringLiteral("ab ab ab ab"));
    }

    // F3 is search-next: from a found text to the next one.
    void f3SearchesNext()
    {
        QCOMPARE(viewer->mnuSuchWeiter->shortcut(), QKeySequence(Qt::Key_F3));
        select(3, 5);
        viewer->mnuSuchWeiter->trigger();
        QCOMPARE(viewer->RichTextBox1->textCursor().selectionStart(), 6);
        QCOMPARE(viewer->RichTextBox1->textCursor().selectedText(), QStringLiteral("ab"));
        QVERIFY(fake->messages.isEmpty());
    }
};

QTEST_MAIN(TestViewerSearch)
#include "test_viewersearch.moc"

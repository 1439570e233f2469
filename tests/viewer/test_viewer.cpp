#include "common/failure.h"
#include "platform/twips.h"
#include "tests/support/dateigrenze.h"
#include "tests/support/fakeframe.h"
#include "tests/support/fakeui.h"
#include "tests/support/fifowaechter.h"
#include "tests/support/germanlocale.h"
#include "tests/support/grossespng.h"
#include "viewer/dateianzeigen.h"
#include "viewer/frmrtf.h"
#include "viewer/rtf/rtfreader.h"
#include "viewer/rtf/rtfwriter.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTextTable>
#include <QtTest>

#include <sys/stat.h>

namespace {

// The viewer as a window of its own; the frame window is not needed to test it.
struct Host : ViewerHost {
    FakeFrame frame;
    std::unique_ptr<frmRTF> viewer;
    int created = 0;
    frmRTF* existingViewer() override { return viewer.get(); }
    frmRTF* createViewer() override
    {
        viewer = std::make_unique<frmRTF>(frame);
        viewer->Form_Load();
        ++created;
        return viewer.get();
    }
    void showViewer(frmRTF* v) override
    {
        v->show();
        v->childActivated();
    }
};

// The viewer in a frame's client area of a given width, as the program shows it.
struct MdiHost : ViewerHost {
    FakeFrame frame;
    QMdiArea area;
    frmRTF* viewer = nullptr;
    explicit MdiHost(int width)
    {
        area.resize(width, 900);
        area.show();
    }
    frmRTF* existingViewer() override { return viewer; }
    frmRTF* createViewer() override
    {
        viewer = new frmRTF(frame);
        area.addSubWindow(viewer);
        viewer->Form_Load();
        return viewer;
    }
    void showViewer(frmRTF* v) override
    {
        v->parentWidget()->show();
        v->childActivated();
    }
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString lineOf(int characters) { return QString(characters, u'x'); }
} // namespace

class TestViewer : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<FakeUi> fake;
    std::unique_ptr<Host> host;

    frmRTF& open(const QByteArray& content, const QString& name = QStringLiteral("Zentavik.txt"))
    {
        writeFile(dir.filePath(name), content);
        DateiAnzeigen(dir.filePath(name), *host);
        return *host->viewer;
    }

private slots:
    void initTestCase() { useGermanLocale(); }
    void init()
    {
        fake = std::make_unique<FakeUi>();
        host = std::make_unique<Host>();
    }
    void cleanup()
    {
        if (host->viewer) {
            host->viewer->Geaendert = false;
            host->viewer->RichTextBox1->document()->setModified(false);
        }
        fake->answers = {ui::Answer::Yes};
        host.reset();
        fake.reset();
    }

    void opensTheReportInCourierNew()
    {
        frmRTF& v = open(QByteArray("\r\n   Zentavik nach Norbek \r\n\xaf\xaf\r\nL\xe4nge\r\n"));
        QCOMPARE(v.RichTextBox1->toPlainText(), QStringLiteral("\n   Zentavik nach Norbek \n¯¯\nLänge\n"));
        QCOMPARE(v.RichTextBox1->document()->defaultFont().family(), QStringLiteral("Courier New"));
        QVERIFY(v.isVisible());
        QCOMPARE(v.statusText->text(), dir.filePath(QStringLiteral("Zentavik.txt")));
        QCOMPARE(v.windowTitle(), QStringLiteral("Schnellansicht/Drucken"));
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(!v.Geaendert);
    }

    void rtfContentOpensFormattedWhateverItsName()
    {
        frmRTF& v = open(QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 plain {\\b fett}}"), QStringLiteral("bericht.txt"));
        QCOMPARE(v.RichTextBox1->toPlainText(), QStringLiteral("plain fett"));
        QTextCursor c(v.RichTextBox1->document());
        c.setPosition(8);
        QCOMPARE(c.charFormat().fontWeight(), int(QFont::Bold));
    }

    void missingFileAsksAbortRetryIgnore_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("shown");
        QTest::newRow("abort") << QList<int>{int(ui::Answer::Abort)} << false;
        QTest::newRow("retry fails again, then abort") << QList<int>{int(ui::Answer::Retry), int(ui::Answer::Abort)} << false;
        QTest::newRow("ignore shows the previous text") << QList<int>{int(ui::Answer::Ignore)} << true;
    }
    void missingFileAsksAbortRetryIgnore()
    {
        QFETCH(QList<int>, answers);
        QFETCH(bool, shown);
        frmRTF& v = open(QByteArray("vorher"));
        v.hide();
        for (int a : answers)
            fake->answers.push_back(ui::Answer(a));
        DateiAnzeigen(dir.filePath(QStringLiteral("fehlt.txt")), *host);
        QCOMPARE(fake->messages.size(), answers.size());
        for (const ShownMessage& m : fake->messages) {
            QCOMPARE(m.title, QStringLiteral(" Fehler  53"));
            QVERIFY(m.text.contains(QStringLiteral("fehlt.txt")));
            QCOMPARE(m.buttons, ui::Buttons::AbortRetryIgnore);
            QCOMPARE(m.icon, ui::Icon::Exclamation);
        }
        QCOMPARE(v.isVisible(), shown);
        QCOMPARE(v.RichTextBox1->toPlainText(), QStringLiteral("vorher"));
        QCOMPARE(host->created, 1);
    }

    void unreadableFilesGetTheBox_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("says");  // what the box tells the user
        // No report yet: the box says how to get one, not that something unknown went wrong.
        QTest::newRow("empty name") << "empty" << 53 << "Bitte zuerst unter \"2. Zentavik\" mit \"Rechnen\" berechnen.";
        QTest::newRow("directory") << "directory" << 75 << "ist ein Verzeichnis";
        QTest::newRow("no read permission") << "unreadable" << 70 << "Zugriff verweigert";
        // The report replaced by a named pipe: refused at once, never waited on.
        QTest::newRow("named pipe") << "fifo" << 75 << "ist keine gewöhnliche Datei, sondern eine benannte Pipe (FIFO).";
    }
    void unreadableFilesGetTheBox()
    {
        QFETCH(QString, kind);
        QFETCH(int, number);
        QFETCH(QString, says);
        QString name;
        std::unique_ptr<FifoWaechter> fifo;
        if (kind == "fifo") {
            name = dir.filePath(QStringLiteral("Zentavik.txt"));
            QFile::remove(name);
            fifo = std::make_unique<FifoWaechter>(name);
            QVERIFY(fifo->ok());
        } else if (kind == "directory") {
            name = dir.filePath(QStringLiteral("ordner"));
            QDir().mkpath(name);
        } else if (kind == "unreadable") {
            name = dir.filePath(QStringLiteral("gesperrt.txt"));
            writeFile(name, "geheim");
            QFile::setPermissions(name, QFileDevice::WriteOwner);
            if (QFileInfo(name).isReadable())
                QSKIP("running with rights that read every file");
        }
        fake->answers = {ui::Answer::Abort};
        DateiAnzeigen(name, *host);
        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(fake->messages[0].title, QStringLiteral(" Fehler  ") + QString::number(number));
        QVERIFY2(fake->messages[0].text.contains(says), qPrintable(fake->messages[0].text));
        QVERIFY(!fake->messages[0].text.contains(QStringLiteral("Unbekannter Fehler")));
        // Chosen in "Öffnen", the same file gets the same description.
        if (!name.isEmpty()) {
            fake->fileNames = {name};
            host->viewer->mnuOpen_Click();
            QCOMPARE(fake->messages.size(), 2);
            QCOMPARE(fake->messages[1].title, fake->messages[0].title);
            QCOMPARE(fake->messages[1].text, fake->messages[0].text);
        }
        if (fifo)
            QVERIFY2(!fifo->musste(), "the viewer waited for a writer");
    }

    void widthFollowsTheMeasuredLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::newRow("100 characters") << QStringLiteral("\r\nKopf\r\n") + lineOf(100) + QStringLiteral("\r\nx") << 12600;
        QTest::newRow("80 characters") << QStringLiteral("\r\nKopf\r\n") + lineOf(80) + QStringLiteral("\r\nx") << 11670;
        QTest::newRow("no line break from the third character") << QStringLiteral("ab") + lineOf(300) << 11670;
        QTest::newRow("last line without a break") << QStringLiteral("\r\nKopf\r\n") + lineOf(500) << 11670;
        QTest::newRow("break at 300, nothing after") << lineOf(300) + QStringLiteral("\r\n") + lineOf(400) << 11670;
    }
    void widthFollowsTheMeasuredLine()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        MdiHost wide(1400);
        const QString name = dir.filePath(QStringLiteral("breite.txt"));
        writeFile(name, text.toLatin1());
        DateiAnzeigen(name, wide);
        frmRTF& v = *wide.viewer;
        QWidget* window = v.parentWidget();
        QCOMPARE(int(v.FormBreite), width);
        QCOMPARE(window->width(), tw(width));
        // The user's own width is replaced at the next activation.
        window->resize(tw(9000), window->height());
        v.childActivated();
        QCOMPARE(window->width(), tw(width));
    }

    // A long line never makes the viewer wider than the frame: its title buttons stay in reach.
    void neverWiderThanTheFrame_data()
    {
        QTest::addColumn<int>("characters");
        QTest::newRow("100 characters") << 100;
        QTest::newRow("80 characters") << 80;
        QTest::newRow("1000 characters") << 1000;
    }
    void neverWiderThanTheFrame()
    {
        QFETCH(int, characters);
        MdiHost narrow(600);
        const QString name = dir.filePath(QStringLiteral("lang.txt"));
        writeFile(name, (QStringLiteral("\r\nKopf\r\n") + lineOf(characters) + QStringLiteral("\r\nx")).toLatin1());
        DateiAnzeigen(name, narrow);
        QWidget* window = narrow.viewer->parentWidget();
        const int client = window->parentWidget()->width();
        QVERIFY2(window->width() <= client, qPrintable(QStringLiteral("%1 > %2").arg(window->width()).arg(client)));
        QVERIFY(window->x() >= 0);
        QVERIFY(window->width() >= client - 2);
    }

    // Moved right of its centred place, the viewer goes back there when it is resized;
    // further left it stays where it was put.
    void notFurtherRightThanCentred_data()
    {
        QTest::addColumn<int>("offset");  // pixels right of the centred place
        QTest::newRow("a little right") << 20;
        QTest::newRow("far right") << 300;
        QTest::newRow("left of centre") << -40;
    }
    void notFurtherRightThanCentred()
    {
        QFETCH(int, offset);
        MdiHost wide(1400);
        const QString name = dir.filePath(QStringLiteral("mitte.txt"));
        writeFile(name, "\r\nKopf\r\nText\r\n");
        DateiAnzeigen(name, wide);
        QWidget* window = wide.viewer->parentWidget();
        const int centred = (window->parentWidget()->width() - window->width()) / 2;
        window->move(centred + offset, window->y());
        window->resize(window->width(), window->height() - 10);
        const int expected = offset > 0 ? centred : centred + offset;
        QVERIFY2(std::abs(window->x() - expected) <= 1, qPrintable(QStringLiteral("%1, not %2").arg(window->x()).arg(expected)));
    }

    void cannotShrinkBelowItsLeastSize()
    {
        frmRTF& v = open(QByteArray("x"));
        v.resize(10, 10);
        QCOMPARE(v.size(), QSize(tw(7080), tw(2510)));
    }

    void overlongLineIsSizedSensibly()
    {
        frmRTF& v = open((QStringLiteral("\r\nKopf\r\n") + lineOf(1000) + QStringLiteral("\r\nx")).toLatin1());
        QVERIFY(v.FormBreite >= 11670);
        QVERIFY(v.FormBreite <= std::max(11670.0, v.areaTwips().width()) + 1);
        QVERIFY(v.isVisible());
    }

    void reopeningKeepsTheWindowAndItsChangeFlag()
    {
        frmRTF& v = open(QByteArray("eins"));
        v.Geaendert = true;
        DateiAnzeigen(dir.filePath(QStringLiteral("Zentavik.txt")), *host);
        QCOMPARE(host->created, 1);
        QVERIFY(v.Geaendert);
    }

    void editedTextIsNotReplacedWithoutAsking()
    {
        frmRTF& v = open(QByteArray("eins"));
        QTest::keyClicks(v.RichTextBox1, QStringLiteral("neu "));
        fake->answers = {ui::Answer::Yes};  // save it: the dialog is cancelled, so nothing is replaced
        DateiAnzeigen(dir.filePath(QStringLiteral("Zentavik.txt")), *host);
        QCOMPARE(fake->messages[0].title, QStringLiteral(" Text speichern ?"));
        QCOMPARE(v.RichTextBox1->toPlainText(), QStringLiteral("neu eins"));
        fake->answers = {ui::Answer::No};
        DateiAnzeigen(dir.filePath(QStringLiteral("Zentavik.txt")), *host);
        QCOMPARE(v.RichTextBox1->toPlainText(), QStringLiteral("eins"));
    }

    void changeFlag()
    {
        frmRTF& v = open(QByteArray("Text"));
        QTest::keyClick(v.RichTextBox1, Qt::Key_Right);
        QTest::keyClick(v.RichTextBox1, Qt::Key_End);
        QVERIFY(!v.Geaendert);
        QTest::mouseClick(v.RichTextBox1->viewport(), Qt::LeftButton);
        QVERIFY(v.Geaendert);  // a click alone counts
        v.Geaendert = false;
        QTest::keyClick(v.RichTextBox1, Qt::Key_Return);
        QVERIFY(v.Geaendert);
    }

    void closeQuery_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("questions");
        QTest::newRow("No keeps the viewer") << "Text" << true << QList<int>{int(ui::Answer::No)} << false << 1;
        QTest::newRow("Yes with empty text asks nothing more") << "" << true << QList<int>{int(ui::Answer::Yes)} << true << 1;
        QTest::newRow("Yes, unchanged") << "Text" << false << QList<int>{int(ui::Answer::Yes)} << true << 1;
        QTest::newRow("Yes, changed, not saved") << "Text" << true << QList<int>{int(ui::Answer::Yes), int(ui::Answer::No)} << true << 2;
        QTest::newRow("Yes, changed, save cancelled keeps the viewer") << "Text" << true << QList<int>{int(ui::Answer::Yes), int(ui::Answer::Yes)} << false << 2;
    }
    void closeQuery()
    {
        QFETCH(QString, text);
        QFETCH(bool, changed);
        QFETCH(QList<int>, answers);
        QFETCH(bool, closed);
        QFETCH(int, questions);
        frmRTF& v = open(text.toUtf8());
        v.Geaendert = changed;
        for (int a : answers)
            fake->answers.push_back(ui::Answer(a));
        QCOMPARE(v.close(), closed);
        QCOMPARE(fake->messages.size(), questions);
        QCOMPARE(fake->messages[0].text, QStringLiteral("Schnellansicht wirklich schliessen ?"));
        QCOMPARE(fake->messages[0].title, QStringLiteral(" Beenden"));
        if (questions > 1)
            QCOMPARE(fake->messages[1].text, QStringLiteral("Soll der Text gespeichert werden ?"));
    }

    void savingWritesRtfThatReopensFormatted()
    {
        frmRTF& v = open(QByteArray("Länge Breite"));
        QTextCursor c = v.RichTextBox1->textCursor();
        c.setPosition(0);
        c.setPosition(5, QTextCursor::KeepAnchor);
        v.RichTextBox1->setTextCursor(c);
        v.setBold();
        v.setBold();  // pressing again leaves it bold
        v.Geaendert = true;
        const QString target = dir.filePath(QStringLiteral("gespeichert.txt"));
        fake->fileNames = {target};
        QVERIFY(v.mnuSave_Click());
        QVERIFY(!v.Geaendert);
        QCOMPARE(fake->fileRequests.last().fileName, dir.filePath(QStringLiteral("Zentavik.txt")));
        QCOMPARE(fake->fileRequests.last().filter,
                 QStringLiteral("Text File (*.Txt)|*.txt|Rich Text File (*.Rtf)|*.rtf|All Files (*.*)|*.*"));
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(isRtf(saved.readAll()));
        fake->fileNames = {target};
        v.mnuOpen_Click();
        QCOMPARE(v.RichTextBox1->toPlainText(), QStringLiteral("Länge Breite"));
        QTextCursor check(v.RichTextBox1->document());
        check.setPosition(3);
        QCOMPARE(check.charFormat().fontWeight(), int(QFont::Bold));
        check.setPosition(8);
        QVERIFY(check.charFormat().fontWeight() != QFont::Bold);
        QCOMPARE(v.statusText->text(), target);
        QVERIFY(v.isVisible());
    }

    void failedSaveKeepsTheChangeFlag_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("grenze");  // a file-size limit standing in for a full disk; -1: none
        QTest::newRow("a folder of that name") << "ordner" << -1;
        QTest::newRow("a folder that does not exist") << "fehlt/x.rtf" << -1;
        QTest::newRow("a read-only folder") << "gesperrt/x.rtf" << -1;
        QTest::newRow("a full disk over an older file") << "alt.rtf" << 10;
        QTest::newRow("a FIFO") << "rohr" << -1;
    }
    void failedSaveKeepsTheChangeFlag()
    {
        QFETCH(QString, target);
        QFETCH(int, grenze);
        QFile older(dir.filePath(QStringLiteral("alt.rtf")));
        QVERIFY(older.open(QIODevice::WriteOnly | QIODevice::Truncate));
        older.write("alter Text");
        older.close();
        QFile::remove(dir.filePath(QStringLiteral("rohr")));
        // Watched: a save that waited on the pipe is woken and fails the row.
        FifoWaechter waechter(dir.filePath(QStringLiteral("rohr")));
        QVERIFY(waechter.ok());
        std::optional<DateiGroessenGrenze> voll;
        if (grenze >= 0)
            voll.emplace(rlim_t(grenze));
        QDir(dir.path()).mkpath(QStringLiteral("ordner"));
        QDir(dir.path()).mkpath(QStringLiteral("gesperrt"));
        QFile::setPermissions(dir.filePath(QStringLiteral("gesperrt")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (target.startsWith(QStringLiteral("gesperrt")) && QFileInfo(dir.filePath(QStringLiteral("gesperrt"))).isWritable())
            QSKIP("running with rights that write everywhere");
        frmRTF& v = open(QByteArray("wichtig"));
        v.Geaendert = true;
        fake->fileNames = {dir.filePath(target), dir.filePath(target)};
        QVERIFY(!v.mnuSave_Click());
        QVERIFY(v.Geaendert);
        QCOMPARE(fake->messages.last().title, QStringLiteral(" Fehler "));
        // Closing now asks to save, the save fails again, and the viewer stays open with the text.
        fake->answers = {ui::Answer::Yes, ui::Answer::Yes};
        QVERIFY(!v.close());
        QCOMPARE(v.RichTextBox1->toPlainText(), QStringLiteral("wichtig"));
        QVERIFY(v.Geaendert);
        // What stood there before stays as it was.
        QVERIFY(older.open(QIODevice::ReadOnly));
        QCOMPARE(older.readAll(), QByteArray("alter Text"));
        QVERIFY(!waechter.musste());
        struct stat rohr {};
        QVERIFY(::stat(QFile::encodeName(dir.filePath(QStringLiteral("rohr"))).constData(), &rohr) == 0 && S_ISFIFO(rohr.st_mode));
    }

    // A word processor's document with a table, a list, a footnote and a picture shows all four.
    void foreignDocumentShowsTableListFootnoteAndPicture()
    {
        QImage image(6, 3, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        const QByteArray rtf =
            "{\\rtf1\\ansi\\deff0\\adeflang1025\r\n"
            "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Liberation Serif{\\*\\falt Times New Roman};}"
            "{\\f1\\fswiss\\fprq2\\fcharset0 Liberation Sans{\\*\\falt Arial};}{\\f2\\fnil\\fprq2\\fcharset2 Symbol;}}\r\n"
            "{\\colortbl;\\red0\\green0\\blue0;}{\\stylesheet{\\s0\\snext0 Standard;}}"
            "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext \\'01\\u61623 ?;}{\\levelnumbers;}}\\listid1}}"
            "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}"
            "{\\info{\\creator Schreibprogramm}}\\deftab709\r\n"
            "\\pard\\plain\\s0\\f0\\fs24 Termine\\par\r\n"
            "\\trowd\\trql\\trleft0\\cellx2000\\cellx4000\r\n"
            "\\pard\\plain\\intbl Feiertag\\cell\\pard\\plain\\intbl Freitag\\cell\\row\\pard\r\n"
            "{\\listtext\\pard\\plain\\f2 \\u61623 ?\\tab}\\ilvl0\\ls1\\pard\\plain\\s0 Punkt\\par\r\n"
            "\\pard\\plain\\s0 Mit Fu\\'dfnote{\\super\\chftn}{\\*\\footnote\\chftn\\pard\\plain\\s0\\fs20 Die Anmerkung.}"
            " und Bild {\\*\\shppict{\\pict\\picscalex100\\picscaley100\\picw6\\pich3\\picwgoal90\\pichgoal45\\pngblip\r\n"
            + png.toHex() + "}}{\\nonshppict{\\pict\\wmetafile8 0102}}\\par\r\n}\r\n";
        frmRTF& v = open(rtf, QStringLiteral("fremd.rtf"));
        const QString text = v.RichTextBox1->toPlainText();
        const QList<QTextFrame*> frames = v.RichTextBox1->document()->rootFrame()->childFrames();
        QCOMPARE(frames.size(), 1);
        const auto* table = qobject_cast<QTextTable*>(frames.first());
        QVERIFY(table && table->rows() == 1 && table->columns() == 2);
        QCOMPARE(table->cellAt(0, 0).firstCursorPosition().block().text(), QStringLiteral("Feiertag"));
        QCOMPARE(table->cellAt(0, 1).firstCursorPosition().block().text(), QStringLiteral("Freitag"));
        QVERIFY2(text.contains(QStringLiteral("\n•\tPunkt\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Mit Fußnote1 und Bild ") + QChar::ObjectReplacementCharacter), qPrintable(text));
        QVERIFY2(text.endsWith(QStringLiteral("\n1 Die Anmerkung.")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Standard")) && !text.contains(QStringLiteral("Schreibprogramm")));
        QCOMPARE(v.RichTextBox1->document()->defaultFont().family(), QStringLiteral("Liberation Serif"));
        QVERIFY(v.loadedContent.lists && v.loadedContent.footnotes);
        QVERIFY(!v.loadedContent.otherPictures && !v.loadedContent.objects);
    }

    // Saving over a file whose content the writer cannot keep asks first and names what goes.
    void savingOverAForeignDocumentAsks_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<bool>("sameFile");
        QTest::addColumn<QStringList>("named");  // empty: no question
        const QByteArray foreign = "{\\rtf1\\trowd\\cellx1\\cellx2\\intbl Feiertag\\cell Freitag\\cell\\row Text{\\super\\chftn}"
                                   "{\\footnote\\chftn  Anmerkung}{\\pict\\wmetafile8 0102}}";
        QTest::newRow("table, footnote and metafile") << foreign << true
                                                      << QStringList{"Fuß- und Endnoten", "keine PNG- oder JPEG-Bilder"};
        // The writer keeps tables as tables.
        QTest::newRow("table") << QByteArray("{\\rtf1\\trowd\\cellx1\\cellx2\\intbl Feiertag\\cell Freitag\\cell\\row}") << true
                               << QStringList{};
        QTest::newRow("list") << QByteArray("{\\rtf1{\\listtext 1.\\tab}Punkt}") << true << QStringList{"Listen"};
        QTest::newRow("embedded object") << QByteArray("{\\rtf1 Text{\\object\\objemb{\\*\\objdata 0102}{\\result Bild}}}") << true
                                         << QStringList{"eingebettete Objekte"};
        QTest::newRow("under another name") << foreign << false << QStringList{};
        QTest::newRow("nothing the writer loses") << QByteArray("{\\rtf1{\\b fett} normal}") << true << QStringList{};
    }
    void savingOverAForeignDocumentAsks()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(bool, sameFile);
        QFETCH(QStringList, named);
        const QString name = dir.filePath(QStringLiteral("fremd.rtf"));
        frmRTF& v = open(rtf, QStringLiteral("fremd.rtf"));
        v.Geaendert = true;
        const QString target = sameFile ? name : dir.filePath(QStringLiteral("kopie.rtf"));
        // No: the file stays as it was, and so does the change flag.
        fake->answers = {ui::Answer::No};
        fake->fileNames = {target};
        QCOMPARE(v.mnuSave_Click(), named.isEmpty());
        if (named.isEmpty()) {
            QVERIFY(fake->messages.isEmpty());
            return;
        }
        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(fake->messages[0].title, QStringLiteral(" Speichern"));
        QCOMPARE(fake->messages[0].buttons, ui::Buttons::YesNo);
        for (const QString& n : named)
            QVERIFY2(fake->messages[0].text.contains(n), qPrintable(fake->messages[0].text));
        QVERIFY(v.Geaendert);
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), rtf);
        file.close();
        // Yes: saved; the file now holds only what the viewer writes, so saving again asks nothing.
        fake->answers = {ui::Answer::Yes};
        fake->fileNames = {target, target};
        QVERIFY(v.mnuSave_Click());
        QVERIFY(!v.Geaendert);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll() != rtf);
        QVERIFY(v.mnuSave_Click());
        QCOMPARE(fake->messages.size(), 2);
    }

    // A file whose pictures would take too much memory says so once; saving it over itself
    // asks nothing and keeps every picture.
    void picturesBeyondTheBudgetAreToldAndKept_data()
    {
        QTest::addColumn<int>("pictures");
        QTest::addColumn<QString>("says");
        QTest::newRow("two") << 2 << "In \"bilder.rtf\" wird 1 Bild nicht angezeigt, weil es zu viel Speicher bräuchte.";
        QTest::newRow("ten") << 10 << "In \"bilder.rtf\" werden 9 Bilder nicht angezeigt, weil sie zu viel Speicher bräuchten.";
    }
    void picturesBeyondTheBudgetAreToldAndKept()
    {
        QFETCH(int, pictures);
        QFETCH(QString, says);
        const QByteArray hex = largePngHex(5700, 5700);  // 32.5 million pixels in 4 KB
        QByteArray rtf = "{\\rtf1 Bilder ";
        for (int i = 0; i < pictures; ++i)
            rtf += "{\\pict\\pngblip\\picwgoal1500\\pichgoal1500 " + hex + "}";
        frmRTF& v = open(rtf + "}", QStringLiteral("bilder.rtf"));
        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(fake->messages[0].title, QStringLiteral(" Bilder"));
        QCOMPARE(fake->messages[0].buttons, ui::Buttons::Ok);
        QCOMPARE(fake->messages[0].icon, ui::Icon::Information);
        QVERIFY2(fake->messages[0].text.contains(says), qPrintable(fake->messages[0].text));
        QVERIFY(fake->messages[0].text.contains(QStringLiteral("zusammen 64 Millionen Bildpunkte")));
        QCOMPARE(v.RichTextBox1->toPlainText(), QStringLiteral("Bilder ") + QString(pictures, QChar::ObjectReplacementCharacter));

        v.Geaendert = true;
        fake->fileNames = {dir.filePath(QStringLiteral("bilder.rtf"))};
        QVERIFY(v.mnuSave_Click());
        QCOMPARE(fake->messages.size(), 1);
        QFile saved(dir.filePath(QStringLiteral("bilder.rtf")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QTextDocument back;
        QCOMPARE(readRtf(saved.readAll(), back).picturesNotShown, pictures - 1);
        QCOMPARE(back.toPlainText(), v.RichTextBox1->toPlainText());
    }

    void cancelledOpenKeepsTheText()
    {
        frmRTF& v = open(QByteArray("alt"));
        const QString cwd = QDir::currentPath();
        v.mnuOpen_Click();
        QCOMPARE(v.RichTextBox1->toPlainText(), QStringLiteral("alt"));
        QVERIFY(v.isVisible());
        QCOMPARE(QDir::currentPath(), cwd);
    }

    void badFilesOpenWithoutHarm_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\xfe\x00\x89PNG\r\n\x1a\n", 14);
        QTest::newRow("malformed rtf") << QByteArray("{\\rtf1 {{{ \\'4");
        QTest::newRow("deeply nested rtf") << QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "x";
    }
    void badFilesOpenWithoutHarm()
    {
        QFETCH(QByteArray, content);
        frmRTF& v = open(content, QStringLiteral("kaputt.rtf"));
        QVERIFY(v.isVisible());
        QVERIFY(fake->messages.isEmpty());
    }

    void largeTextFileOpens()
    {
        QByteArray line = QByteArray(79, 'x') + "\r\n";
        QByteArray big;
        big.reserve(20 * 1024 * 1024);
        while (big.size() + line.size() <= 20 * 1024 * 1024)
            big += line;
        frmRTF& v = open(big, QStringLiteral("gross.txt"));
        QVERIFY(v.RichTextBox1->document()->characterCount() > 20'000'000);
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(fake->progressUpdates > 10);
    }

    // Jumping to the end of a long text that is not laid out yet shows progress and may be
    // cancelled; the window is never frozen meanwhile.
    void ctrlEndInALongTextShowsProgress_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("cancelAfter");
        QByteArray big;
        while (big.size() < 2 * 1024 * 1024)
            big += QByteArray(79, 'x') + "\r\n";
        QTest::newRow("waited for") << big + "Ende" << QStringLiteral("lang.txt") << -1;
        QTest::newRow("cancelled") << big + "Ende" << QStringLiteral("lang.txt") << 1;
        // One table of 6,000 rows: the editor lays out a table all at once.
        const QByteArray row = "\\trowd\\cellx4000\\cellx8000\\pard\\intbl " + QByteArray(50, 'x') + "\\cell " + QByteArray(50, 'x')
                               + "\\cell\\row";
        const QByteArray table = "{\\rtf1" + row.repeated(6000) + "\\pard Ende}";
        QTest::newRow("table waited for") << table << QStringLiteral("tabelle.rtf") << -1;
        QTest::newRow("table cancelled") << table << QStringLiteral("tabelle.rtf") << 1;
    }
    void ctrlEndInALongTextShowsProgress()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QFETCH(int, cancelAfter);
        frmRTF& v = open(content, name);
        fake->progressUpdates = 0;
        fake->cancelProgressAfter = cancelAfter;
        QTest::keyClick(v.RichTextBox1, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(fake->progressUpdates > 1);
        const int end = v.RichTextBox1->document()->characterCount() - 1;
        QCOMPARE(v.RichTextBox1->textCursor().position(), cancelAfter < 0 ? end : 0);
        // Cancelled, the layout stopped where it was: the text before the end is not laid out.
        const QTextBlock beforeEnd = v.RichTextBox1->document()->findBlock(end - 10);
        QCOMPARE(beforeEnd.layout()->lineCount() > 0, cancelAfter < 0);
        // Laid out now: the next jump is immediate.
        fake->progressUpdates = 0;
        fake->cancelProgressAfter = -1;
        QTest::keyClick(v.RichTextBox1, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(v.RichTextBox1->textCursor().position(), end);
        if (cancelAfter < 0)
            QCOMPARE(fake->progressUpdates, 0);
        // Search finds text at the end the same way.
        QTest::keyClick(v.RichTextBox1, Qt::Key_Home, Qt::ControlModifier);
        fake->inputs = {QStringLiteral("ende")};
        v.TextSuchen(false);
        QCOMPARE(v.RichTextBox1->textCursor().selectedText(), QStringLiteral("Ende"));
    }

    // A file too large to show is refused with its size; the text shown stays.
    void tooLargeFileIsRefused()
    {
        frmRTF& v = open(QByteArray("vorher"));
        const QString name = dir.filePath(QStringLiteral("riesig.rtf"));
        QFile big(name);
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write("{\\rtf1 ");
        QVERIFY(big.resize(21 * 1024 * 1024));
        big.close();
        fake->answers = {ui::Answer::Ignore};
        DateiAnzeigen(name, *host);
        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(fake->messages[0].title, QStringLiteral(" Fehler  7"));
        QVERIFY2(fake->messages[0].text.contains(QStringLiteral("21,0 MB")), qPrintable(fake->messages[0].text));
        QVERIFY(fake->messages[0].text.contains(QStringLiteral("20,0 MB")));
        QCOMPARE(v.RichTextBox1->toPlainText(), QStringLiteral("vorher"));
        QVERIFY(v.isVisible());
    }

    // Cancelling a long load keeps the text that was shown, and its file name.
    void cancelledLoadKeepsTheText_data()
    {
        QTest::addColumn<QByteArray>("content");
        QByteArray text, rtf = "{\\rtf1 ";
        while (text.size() < 2 * 1024 * 1024)
            text += "Zeile\r\n";
        while (rtf.size() < 2 * 1024 * 1024)
            rtf += "{\\b Zeile}\\par\r\n";
        QTest::newRow("text") << text;
        QTest::newRow("rtf") << rtf + "}";
    }
    void cancelledLoadKeepsTheText()
    {
        QFETCH(QByteArray, content);
        frmRTF& v = open(QByteArray("vorher"));
        const QString before = v.fileName;
        writeFile(dir.filePath(QStringLiteral("lang.rtf")), content);
        fake->progressUpdates = 0;
        fake->cancelProgressAfter = 2;
        DateiAnzeigen(dir.filePath(QStringLiteral("lang.rtf")), *host);
        QCOMPARE(v.RichTextBox1->toPlainText(), QStringLiteral("vorher"));
        QCOMPARE(v.fileName, before);
        QVERIFY(fake->messages.isEmpty());
        fake->cancelProgressAfter = -1;
        DateiAnzeigen(dir.filePath(QStringLiteral("lang.rtf")), *host);
        QVERIFY(v.RichTextBox1->toPlainText().startsWith(QStringLiteral("Zeile\nZeile")));
    }

    // Documents wrap at the window's width; the report and other plain text keep their lines,
    // also after a document was shown.
    void wrapsDocumentsButNotPlainText_data()
    {
        QTest::addColumn<QByteArray>("before");  // empty: nothing shown before
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("wraps");
        QByteArray row = "\r\n   Zentavik nach Norbek\r\n";
        QByteArray words;
        for (int i = 0; i < 30; ++i) {
            row += "  LgD [m]   10,905";
            words += "ein langer Absatz ";
        }
        const QByteArray document = "{\\rtf1 " + words + "\\par " + words + "}";
        QTest::newRow("report") << QByteArray() << row + "\r\n" << false;
        QTest::newRow("document") << QByteArray() << document << true;
        QTest::newRow("report after a document") << document << row + "\r\n" << false;
        QTest::newRow("document after the report") << row << document << true;
    }
    void wrapsDocumentsButNotPlainText()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, content);
        QFETCH(bool, wraps);
        if (!before.isEmpty())
            open(before);
        frmRTF& v = open(content);
        QTextDocument* document = v.RichTextBox1->document();
        QVERIFY(v.RichTextBox1->viewport()->width() < 1500);
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            document->documentLayout()->blockBoundingRect(block);
            if (block.length() > 100)
                QCOMPARE(block.layout()->lineCount() > 1, wraps);
        }
    }

    // Plain text shows in the viewer's font, whatever file was shown before it.
    void textAfterRtfShowsInCourierNew()
    {
        frmRTF& v = open(QByteArray("{\\rtf1\\deff0{\\fonttbl{\\f0 Times New Roman;}}\\fs28 Text}"), QStringLiteral("vorher.rtf"));
        QCOMPARE(v.RichTextBox1->document()->defaultFont().family(), QStringLiteral("Times New Roman"));
        const QFont before = v.baseFont;
        fake->fileNames = {dir.filePath(QStringLiteral("Zentavik.txt"))};
        writeFile(dir.filePath(QStringLiteral("Zentavik.txt")), "Spalte  Spalte");
        v.mnuOpen_Click();
        QCOMPARE(v.RichTextBox1->toPlainText(), QStringLiteral("Spalte  Spalte"));
        QCOMPARE(v.RichTextBox1->document()->defaultFont().family(), QStringLiteral("Courier New"));
        QCOMPARE(v.RichTextBox1->document()->defaultFont().pointSizeF(), before.pointSizeF());
        QTextCursor c(v.RichTextBox1->document());
        c.setPosition(1);
        QVERIFY(c.charFormat().fontFamilies().toStringList().isEmpty());
    }

    void textEncodings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-16 little-endian") << QByteArray("\xFF\xFEL\0\xE4\0n\0g\0e\0\r\0\n\0\xAC\x20", 18);
        QTest::newRow("UTF-16 big-endian") << QByteArray("\xFE\xFF\0L\0\xE4\0n\0g\0e\0\r\0\n\x20\xAC", 18);
        QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBFL\xC3\xA4nge\r\n\xE2\x82\xAC");
        QTest::newRow("UTF-8") << QByteArray("L\xC3\xA4nge\r\n\xE2\x82\xAC");
        QTest::newRow("Windows-1252") << QByteArray("L\xE4nge\r\n\x80");
    }
    void textEncodings()
    {
        QFETCH(QByteArray, bytes);
        frmRTF& v = open(bytes, QStringLiteral("text.txt"));
        QCOMPARE(v.RichTextBox1->toPlainText(), QStringLiteral("Länge\n€"));
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("searched");
        QTest::addColumn<int>("found");  // -1: not found
        QTest::newRow("umlaut ignores case") << "Die LÄNGE ist" << 0 << "länge" << 4;
        QTest::newRow("match at the caret is not found") << "länge und länge" << 0 << "länge" << 10;
        QTest::newRow("only match at the caret") << "länge" << 0 << "Länge" << -1;
        QTest::newRow("from the caret on") << "ab ab ab" << 4 << "ab" << 6;
    }
    void search()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QString, searched);
        QFETCH(int, found);
        frmRTF& v = open(text.toUtf8());
        QTextCursor c = v.RichTextBox1->textCursor();
        c.setPosition(caret);
        v.RichTextBox1->setTextCursor(c);
        fake->inputs = {searched};
        v.TextSuchen(false);
        QCOMPARE(fake->inputPrompts.value(0), QStringLiteral("Bitte Suchtext eingeben."));
        const QTextCursor after = v.RichTextBox1->textCursor();
        if (found >= 0) {
            QCOMPARE(after.selectionStart(), found);
            QCOMPARE(after.selectedText().size(), searched.size());
            QVERIFY(fake->messages.isEmpty());
        } else {
            QCOMPARE(after.position(), 0);
            QVERIFY(!after.hasSelection());
            QCOMPARE(fake->messages.value(0).text, QStringLiteral("Leider keine (weitere) Fundstelle"));
            QCOMPARE(fake->messages.value(0).title, QStringLiteral(" Suchen"));
        }
    }

    void searchNextWalksThroughTheMatches()
    {
        frmRTF& v = open(QByteArray("x Ab y ab z AB"));
        fake->inputs = {QStringLiteral("ab")};
        v.TextSuchen(false);
        QCOMPARE(v.RichTextBox1->textCursor().selectionStart(), 2);
        v.TextSuchen(true);
        QCOMPARE(v.RichTextBox1->textCursor().selectionStart(), 7);
        v.TextSuchen(true);
        QCOMPARE(v.RichTextBox1->textCursor().selectionStart(), 12);
        v.TextSuchen(true);
        QCOMPARE(v.RichTextBox1->textCursor().position(), 0);
        QCOMPARE(fake->messages.size(), 1);
        // Nothing selected now: search-next does nothing and says nothing.
        v.TextSuchen(true);
        QCOMPARE(fake->messages.size(), 1);
        // The input box offers the selection.
        QTextCursor c = v.RichTextBox1->textCursor();
        c.setPosition(5);
        c.setPosition(6, QTextCursor::KeepAnchor);
        v.RichTextBox1->setTextCursor(c);
        v.TextSuchen(false);
        QCOMPARE(fake->inputPresets.last(), QStringLiteral("y"));
    }

    void templates()
    {
        frmRTF& v = open(QByteArray("{\\rtf1 a{\\b b}}"));
        v.applyTemplate(QStringLiteral("Courier New"), 8);
        v.applyTemplate(QStringLiteral("Courier New"), 10);
        QTextCursor c(v.RichTextBox1->document());
        c.setPosition(2);
        QCOMPARE(c.charFormat().fontPointSize(), 10.0);
        QCOMPARE(c.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("Courier New"));
        QCOMPARE(c.charFormat().fontWeight(), int(QFont::Bold));  // style stays
        v.applyTemplate(QStringLiteral("Arial"), 8);
        QCOMPARE(v.RichTextBox1->document()->defaultFont().family(), QStringLiteral("Arial"));
        QCOMPARE(v.RichTextBox1->document()->defaultFont().pointSizeF(), 8.0);
        QVERIFY(!v.Geaendert);
    }

    void fontDialogAppliesToTheSelection()
    {
        frmRTF& v = open(QByteArray("abc"));
        v.RichTextBox1->selectAll();
        ui::FontChoice chosen{QStringLiteral("Arial"), 14, false, true, false, false, QColor(0, 0, 200)};
        fake->fonts = {chosen};
        v.mnuFont_Click();
        QTextCursor c(v.RichTextBox1->document());
        c.setPosition(2);
        QCOMPARE(c.charFormat().fontPointSize(), 14.0);
        QVERIFY(c.charFormat().fontItalic());
        QCOMPARE(c.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("Arial"));
        QCOMPARE(c.charFormat().foreground().color(), QColor(0, 0, 200));
        QVERIFY(!fake->busy);
        // Cancelled: nothing changes.
        fake->fonts = {std::nullopt};
        v.mnuFont_Click();
        QCOMPARE(c.charFormat().fontPointSize(), 14.0);
    }

    // The dialog opens on what the selection holds (the name the text uses, even an alias);
    // an attribute held in several forms has no preset. OK without a change changes nothing.
    void fontDialogPresetAndOkWithoutChange_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("caret");  // -1: everything selected
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("size");
        QTest::addColumn<QString>("styles");  // bold, italic, strike, underline: 1, 0 or ? for mixed
        QTest::addColumn<QColor>("colour");   // invalid: mixed
        QTest::newRow("alias, bold and italic, coloured")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Courier New;}}{\\colortbl;\\red200\\green0\\blue0;}\\f0\\fs22\\b\\i\\cf1 abc}")
            << -1 << "Courier New" << 11.0 << "1100" << QColor(200, 0, 0);
        QTest::newRow("partly bold") << QByteArray("{\\rtf1 a{\\b b}\\ul c}") << -1 << "Courier New" << 12.0 << "?00?"
                                     << QColor(Qt::black);
        QTest::newRow("mixed fonts, sizes and colours")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}{\\colortbl;\\red0\\green0\\blue255;}\\f0\\fs20 a\\f1\\fs24\\cf1 b}")
            << -1 << "" << 0.0 << "0000" << QColor();
        QTest::newRow("caret in bold text") << QByteArray("{\\rtf1 a{\\b\\strike bcd}e}") << 2 << "Courier New" << 12.0
                                            << "1010" << QColor(Qt::black);
    }
    void fontDialogPresetAndOkWithoutChange()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(int, caret);
        QFETCH(QString, family);
        QFETCH(double, size);
        QFETCH(QString, styles);
        QFETCH(QColor, colour);
        frmRTF& v = open(rtf, QStringLiteral("format.rtf"));
        if (caret < 0) {
            v.RichTextBox1->selectAll();
        } else {
            QTextCursor c = v.RichTextBox1->textCursor();
            c.setPosition(caret);
            v.RichTextBox1->setTextCursor(c);
        }
        const QByteArray before = writeRtf(*v.RichTextBox1->document());
        const QTextCharFormat typingBefore = v.RichTextBox1->currentCharFormat();
        fake->fontsOkUnchanged = true;
        v.mnuFont_Click();
        QCOMPARE(fake->fontPresets.size(), 1);
        const ui::FontChoice& p = fake->fontPresets[0];
        QCOMPARE(p.family, family);
        QCOMPARE(p.pointSize, size);
        const auto style = [](const std::optional<bool>& b) { return !b ? u'?' : *b ? u'1' : u'0'; };
        const QString shown = QString() + style(p.bold) + style(p.italic) + style(p.strikeOut) + style(p.underline);
        QCOMPARE(shown, styles);
        QCOMPARE(p.colour.value_or(QColor()), colour);
        QCOMPARE(writeRtf(*v.RichTextBox1->document()), before);
        QCOMPARE(v.RichTextBox1->currentCharFormat(), typingBefore);
    }

    // Changing one attribute of a mixed selection leaves the others as they were.
    void fontDialogChangesOnlyWhatWasChanged()
    {
        frmRTF& v = open(QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\f0 a{\\b\\f1 b}c}"), QStringLiteral("format.rtf"));
        v.RichTextBox1->selectAll();
        fake->fonts = {ui::FontChoice{QString(), 16, std::nullopt, false, false, false, QColor(Qt::black)}};
        v.mnuFont_Click();
        QTextCursor c(v.RichTextBox1->document());
        for (int i = 1; i <= 3; ++i) {
            c.setPosition(i);
            QCOMPARE(c.charFormat().fontPointSize(), 16.0);
            QCOMPARE(c.charFormat().fontWeight() == QFont::Bold, i == 2);
            QCOMPARE(c.charFormat().fontFamilies().toStringList().value(0), i == 2 ? QStringLiteral("Courier New") : QStringLiteral("Arial"));
        }
    }

    void printsTheSelectionOnly()
    {
        frmRTF& v = open(QByteArray("Erste Zeile\r\nZweite Zeile"));
        QCOMPARE(v.printedDocument()->toPlainText(), QStringLiteral("Erste Zeile\nZweite Zeile"));
        QTextCursor c = v.RichTextBox1->textCursor();
        c.setPosition(12);
        c.setPosition(18, QTextCursor::KeepAnchor);
        v.RichTextBox1->setTextCursor(c);
        QCOMPARE(v.printedDocument()->toPlainText(), QStringLiteral("Zweite"));

        const QString pdf = dir.filePath(QStringLiteral("druck.pdf"));
        fake->printer = [&pdf](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        };
        v.mnuPrint_Click();
        QVERIFY(QFileInfo(pdf).size() > 0);
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        QProcess extract;
        extract.start(pdftotext, {pdf, QStringLiteral("-")});
        QVERIFY(extract.waitForFinished());
        const QString printed = QString::fromUtf8(extract.readAllStandardOutput());
        QVERIFY2(printed.contains(QStringLiteral("Zweite")), qPrintable(printed));
        QVERIFY(!printed.contains(QStringLiteral("Erste")));
    }

    void helpAndInfoBoxes()
    {
        frmRTF& v = open(QByteArray("x"));
        v.mnuHilfe_Click();
        v.mnuInfo_Click();
        QCOMPARE(fake->messages[0].title, QStringLiteral(" Kurzhilfe"));
        QVERIFY(fake->messages[0].text.startsWith(QStringLiteral("Mit den Tasten Pos 1, Ende,Bild hoch, Bild runter, den Cursor-Tasten   \r\n")));
        QCOMPARE(fake->messages[1].title, QStringLiteral(" Info"));
        QVERIFY(fake->messages[1].text.contains(QStringLiteral("\r\nVersion 1.0.1\r\n")));
    }
};

QTEST_MAIN(TestViewer)
#include "test_viewer.moc"

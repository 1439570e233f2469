#include "app/eingabendrucken.h"
#include "app/hilfe.h"
#include "app/info.h"
#include "app/mdiform1.h"
#include "calculators/zusatzdipol.h"
#include "beam/frmhauptform.h"
#include "common/module1.h"
#include "common/numbertext.h"
#include "platform/desktop.h"
#include "platform/mdichild.h"
#include "platform/twips.h"
#include "tests/support/fakeframe.h"
#include "tests/support/fakeui.h"
#include "tests/support/fifowaechter.h"
#include "tests/support/germanlocale.h"

#include <QDir>
#include <QFile>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void write(const QString& path, const QByteArray& content, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    if (executable)
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}

const QByteArray pdfStart = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";

// A desktop of its own: the XDG folders point into a temporary directory.
struct FakeDesktop {
    QTemporaryDir dir;
    QByteArray saved[4];
    static constexpr const char* vars[4] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"};
    FakeDesktop()
    {
        // The system's MIME database stays visible, its applications do not.
        const QString mime = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("mime"),
                                                    QStandardPaths::LocateDirectory);
        QDir().mkpath(dir.filePath(QStringLiteral("mimeonly")));
        QFile::link(mime, dir.filePath(QStringLiteral("mimeonly/mime")));
        for (int i = 0; i < 4; ++i)
            saved[i] = qgetenv(vars[i]);
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_DATA_DIRS", (dir.filePath(QStringLiteral("sysdata")) + u':' + dir.filePath(QStringLiteral("mimeonly"))).toLocal8Bit());
        qputenv("XDG_CONFIG_DIRS", dir.filePath(QStringLiteral("sysconfig")).toLocal8Bit());
    }
    ~FakeDesktop()
    {
        for (int i = 0; i < 4; ++i)
            qputenv(vars[i], saved[i]);
    }
    QString path(const QString& relative) const { return dir.filePath(relative); }
    // A viewer that writes the arguments it was started with into a file.
    QString viewer()
    {
        const QString program = path(QStringLiteral("bin/betrachter"));
        write(program, "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"$0.args\"\n", true);
        return program;
    }
    void entry(const QString& id, const QByteArray& exec, const QByteArray& extra = {})
    {
        write(path(QStringLiteral("data/applications/") + id),
              "[Desktop Entry]\nType=Application\nName=Betrachter\nExec=" + exec + "\n" + extra);
    }
    void defaultFor(const QByteArray& type, const QByteArray& ids)
    {
        write(path(QStringLiteral("config/mimeapps.list")), "[Default Applications]\n" + type + "=" + ids + "\n");
    }
};

// What the fake viewer was started with, one argument a line.
QByteArray argumentsOf(const QString& viewer)
{
    QFile args(viewer + QStringLiteral(".args"));
    return args.open(QIODevice::ReadOnly) ? args.readAll() : QByteArray();
}

} // namespace

class TestSharedProcedures : public QObject {
    Q_OBJECT
    FakeUi fake;

private slots:
    void initTestCase() { useGermanLocale(); }
    void init()
    {
        fake.messages.clear();
        fake.printer = nullptr;
        fake.whileShown = nullptr;
    }

    void dateiVorhanden_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("exists");
        QTest::newRow("normal file") << "hilfe.pdf" << true;
        QTest::newRow("missing") << "fehlt.pdf" << false;
        QTest::newRow("hidden") << ".versteckt.pdf" << false;
        QTest::newRow("directory") << "ordner.pdf" << false;
        QTest::newRow("empty path") << "" << false;
    }
    void dateiVorhanden()
    {
        QFETCH(QString, name);
        QFETCH(bool, exists);
        QTemporaryDir dir;
        write(dir.filePath(QStringLiteral("hilfe.pdf")), pdfStart);
        write(dir.filePath(QStringLiteral(".versteckt.pdf")), pdfStart);
        QDir(dir.path()).mkdir(QStringLiteral("ordner.pdf"));
        const QString path = name.isEmpty() ? QString() : dir.filePath(name);
        QCOMPARE(DateiVorhanden(path), exists);
        if (exists) {
            QVERIFY(fake.messages.isEmpty());
            return;
        }
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.messages[0].title, QStringLiteral(" Datei nicht gefunden"));
        QCOMPARE(fake.messages[0].icon, ui::Icon::Critical);
        QCOMPARE(fake.messages[0].text, QStringLiteral("Die Datei \r\n") + path
                                            + QStringLiteral("\r\nist nicht vorhanden!\r\nBitte selbst nach der Datei suchen."));
    }

    void programmSuchen_data()
    {
        QTest::addColumn<QByteArray>("exec");
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<QString>("where");     // "default", "cache", "none", or "cache TYPE": declared for TYPE
        QTest::addColumn<QString>("expected");  // "viewer": the fake viewer; "sh": sh on PATH
        QTest::newRow("default application") << QByteArray("@viewer@ %f") << QByteArray() << "default" << "viewer";
        QTest::newRow("quoted program") << QByteArray("\"@viewer@\" --seite 1 %U") << QByteArray() << "default" << "viewer";
        QTest::newRow("program on PATH") << QByteArray("sh %f") << QByteArray() << "default" << "sh";
        QTest::newRow("declared type only") << QByteArray("@viewer@ %f") << QByteArray() << "cache" << "viewer";
        QTest::newRow("declared under another name") << QByteArray("@viewer@ %f") << QByteArray() << "cache application/x-pdf" << "viewer";
        // An image viewer that claims PDF files as images and cannot show them is no PDF program.
        QTest::newRow("declared as an image") << QByteArray("@viewer@ %f") << QByteArray() << "cache image/pdf" << "";
        QTest::newRow("no association") << QByteArray("@viewer@ %f") << QByteArray() << "none" << "";
        QTest::newRow("hidden entry") << QByteArray("@viewer@ %f") << QByteArray("Hidden=true\n") << "default" << "";
        QTest::newRow("program missing") << QByteArray("/gibt/es/nicht %f") << QByteArray() << "default" << "";
        QTest::newRow("answer is the document") << QByteArray("@document@") << QByteArray() << "default" << "";
        // The desktop's type cache replaced by a named pipe is passed over without waiting for a writer.
        QTest::newRow("type cache is a pipe") << QByteArray("@viewer@ %f") << QByteArray() << "pipe" << "";
    }
    void programmSuchen()
    {
        QFETCH(QByteArray, exec);
        QFETCH(QByteArray, extra);
        QFETCH(QString, where);
        QFETCH(QString, expected);
        FakeDesktop desktop;
        const QString viewer = desktop.viewer();
        const QString document = desktop.path(QStringLiteral("Hilfe.pdf"));
        write(document, pdfStart, true);
        exec.replace("@viewer@", viewer.toLocal8Bit()).replace("@document@", document.toLocal8Bit());
        desktop.entry(QStringLiteral("betrachter.desktop"), exec, extra);
        if (where == QLatin1String("default"))
            desktop.defaultFor("application/pdf", "fehlt.desktop;betrachter.desktop;");
        std::optional<FifoWaechter> pipe;
        if (where == QLatin1String("pipe")) {
            pipe.emplace(desktop.path(QStringLiteral("data/applications/mimeinfo.cache")));
            QVERIFY(pipe->ok());
        }
        if (where.startsWith(QLatin1String("cache"))) {
            const QByteArray declared = where.size() > 5 ? where.mid(6).toLatin1() : QByteArray("application/pdf");
            write(desktop.path(QStringLiteral("data/applications/mimeinfo.cache")),
                  "[MIME Cache]\n" + declared + "=betrachter.desktop;\n");
        }
        const QString want = expected == QLatin1String("viewer") ? viewer
                             : expected == QLatin1String("sh")   ? QStandardPaths::findExecutable(QStringLiteral("sh"))
                                                                 : QString();
        QCOMPARE(ProgrammSuchen(document), want);
        QVERIFY(!pipe || !pipe->musste());
    }

    void quoting_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("lower case") << "/a b/hilfe.pdf" << "\"/a b/hilfe.pdf\"";
        QTest::newRow("upper case") << "/a b/HILFE.PDF" << "\"/a b/HILFE.PDF\"";
        QTest::newRow(".pdf inside the name") << "/x/a.pdf.txt" << "\"/x/a.pdf.txt\"";
        QTest::newRow("other type") << "/x/liesmich.txt" << "/x/liesmich.txt";
    }
    void quoting()
    {
        QFETCH(QString, document);
        QFETCH(QString, quoted);
        QString variable = document;
        QCOMPARE(ProgrammBefehl(QStringLiteral("/usr/bin/betrachter"), variable), QStringLiteral("/usr/bin/betrachter ") + quoted);
        QCOMPARE(variable, quoted);
    }

    void startedProgramGetsThePathWhole()
    {
        FakeDesktop desktop;
        const QString viewer = desktop.viewer();
        // Blanks and double quotes in the path never make it several arguments.
        QString document = desktop.path(QStringLiteral("mit \"Leerzeichen\" --evil-option \"/Hilfe.PDF"));
        const QString original = document;
        QVERIFY(ProgrammStarten(viewer, document));
        QCOMPARE(document, u'"' + original + u'"');
        QTRY_COMPARE(argumentsOf(viewer), original.toLocal8Bit() + '\n');
        QVERIFY(!ProgrammStarten(desktop.path(QStringLiteral("fehlt")), document));
    }

    void hilfe_data()
    {
        QTest::addColumn<QString>("helpAt");  // "", "bin" beside the program, "share" in the installation
        QTest::addColumn<QString>("program"); // the PDF program: "viewer" (ends well at once), "none", "broken"
                                              // (does not start), "noexec", or ending by itself: "fails"
                                              // (status 1), "crashes", "running" (beyond the watch),
                                              // "late" (status 1 after the watch)
        QTest::addColumn<QByteArray>("exec"); // the Exec line of its desktop entry
        QTest::addColumn<QString>("title");   // expected box; empty: none
        QTest::addColumn<QString>("reason");  // its first line; without a box, the viewer's arguments
        const QByteArray plain = "@viewer@ %f";
        QTest::newRow("beside the program, opened") << "bin" << "viewer" << plain << "" << "@help@\n";
        QTest::newRow("installed, opened") << "share" << "viewer" << plain << "" << "@help@\n";
        QTest::newRow("no program for PDF") << "bin" << "none" << plain << " Hilfe" << "Acrobat Reader o.ä. nicht gefunden!";
        QTest::newRow("program does not start")
            << "share" << "broken" << plain << " Hilfe" << "Das Programm @viewer@ ließ sich nicht starten!";
        QTest::newRow("program not executable") << "bin" << "noexec" << plain << " Hilfe" << "Acrobat Reader o.ä. nicht gefunden!";
        // Started, but giving up before the user could see anything.
        QTest::newRow("program exits 1 at once")
            << "bin" << "fails" << plain << " Hilfe" << "Das Programm @viewer@ ließ sich nicht starten!";
        QTest::newRow("program crashes at once")
            << "share" << "crashes" << plain << " Hilfe" << "Das Programm @viewer@ ließ sich nicht starten!";
        QTest::newRow("program keeps running") << "bin" << "running" << plain << "" << "@help@\n";
        // The user has seen it by then: what it says about its end is its own affair.
        QTest::newRow("program fails after a while") << "bin" << "late" << plain << "" << "@help@\n";
        QTest::newRow("no help document") << "" << "viewer" << plain << " Datei nicht gefunden" << "";
        // The entry's whole line counts, read by the desktop entry rules.
        QTest::newRow("started through env with a variable") << "bin" << "viewer" << QByteArray("env ZENTAVIK_PROBE=1 @viewer@ %U") << ""
                                                             << "@help@\n";
        QTest::newRow("options, quotes and field codes")
            << "bin" << "viewer" << QByteArray("\"@viewer@\" --seite=1 \"zwei Worte\" 100%% %i %c %f") << ""
            << "--seite=1\nzwei Worte\n100%\nBetrachter\n@help@\n";
        QTest::newRow("no field code: the document follows") << "bin" << "viewer" << QByteArray("@viewer@ --neu") << ""
                                                             << "--neu\n@help@\n";
    }
    void hilfe()
    {
        QFETCH(QString, helpAt);
        QFETCH(QString, program);
        QFETCH(QByteArray, exec);
        QFETCH(QString, title);
        QFETCH(QString, reason);
        FakeDesktop desktop;
        const QString viewer = desktop.viewer();
        // A script whose interpreter is missing: the system refuses to start it.
        if (program == QLatin1String("broken"))
            write(viewer, "#!/gibt/es/nicht/sh\n", true);
        const QByteArray ende = program == QLatin1String("fails")     ? "exit 1\n"
                                : program == QLatin1String("crashes") ? "kill -SEGV $$\n"
                                : program == QLatin1String("running") ? "sleep 6\n"
                                : program == QLatin1String("late")    ? "sleep 3; exit 1\n"
                                                                      : "";
        if (!ende.isEmpty()) {
            QFile script(viewer);
            QVERIFY(script.open(QIODevice::Append));
            script.write(ende);
        }
        if (program == QLatin1String("noexec"))
            QVERIFY(QFile::setPermissions(viewer, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        desktop.entry(QStringLiteral("betrachter.desktop"), exec.replace("@viewer@", viewer.toLocal8Bit()));
        if (program != QLatin1String("none"))
            desktop.defaultFor("application/pdf", "betrachter.desktop");
        const QString bin = desktop.path(QStringLiteral("usr/bin"));
        QDir().mkpath(bin);
        const QStringList orte = HilfeOrte(bin);
        QCOMPARE(orte.size(), 2);
        QCOMPARE(orte[0], bin + QStringLiteral("/Zentavik_Hilfe.pdf"));
        QCOMPARE(orte[1], desktop.path(QStringLiteral("usr/share/zentavik/Zentavik_Hilfe.pdf")));
        const QString help = helpAt == QLatin1String("bin") ? orte[0] : orte[1];
        if (!helpAt.isEmpty())
            write(help, pdfStart);

        Hilfe(bin);
        if (title.isEmpty()) {
            QVERIFY(fake.messages.isEmpty());
            QTRY_COMPARE(argumentsOf(viewer), reason.replace(QStringLiteral("@help@"), help).toLocal8Bit());
            // Nothing is said later either: not while it runs on past the watch, nor after a good end.
            QTest::qWait(program == QLatin1String("running") ? desktop::startFrist + 500
                         : program == QLatin1String("late")  ? desktop::startFrist + 2000
                                                             : 500);
            QVERIFY(fake.messages.isEmpty());
            return;
        }
        // A program that ends by itself is heard of once it has ended.
        if (program == QLatin1String("fails") || program == QLatin1String("crashes")) {
            QTRY_COMPARE_WITH_TIMEOUT(fake.messages.size(), 1, desktop::startFrist);
            QTest::qWait(200);
        }
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.messages[0].title, title);
        if (title == QLatin1String(" Hilfe"))
            QCOMPARE(fake.messages[0].text, reason.replace(QStringLiteral("@viewer@"), viewer)
                                                + QStringLiteral("\r\nHilfe finden Sie in der Datei \r\n") + help
                                                + QStringLiteral("\r\n"));
    }

    void hilfeImPaket()
    {
        // Run by the package test on the unpacked package.
        const QString wurzel = qEnvironmentVariable("ZENTAVIK_PAKET_WURZEL");
        if (wurzel.isEmpty())
            QSKIP("nur mit einem ausgepackten Paket");
        FakeDesktop desktop;
        const QString viewer = desktop.viewer();
        desktop.entry(QStringLiteral("betrachter.desktop"), viewer.toLocal8Bit() + " %f");
        desktop.defaultFor("application/pdf", "betrachter.desktop");
        Hilfe(wurzel + QStringLiteral("/usr/bin"));
        QVERIFY(fake.messages.isEmpty());
        QTRY_COMPARE(argumentsOf(viewer), (wurzel + QStringLiteral("/usr/share/zentavik/Zentavik_Hilfe.pdf")).toLocal8Bit() + '\n');
    }

    void infoBox()
    {
        FakeFrame frame(QStringLiteral("Status: Berechnung eines Zentavik"));
        QString statusWhileOpen;
        fake.whileShown = [&](const ShownMessage&) { statusWhileOpen = frame.status(); };
        Info(frame);
        QCOMPARE(statusWhileOpen, QStringLiteral("Info "));
        QCOMPARE(frame.status(), QStringLiteral("Status: Berechnung eines Zentavik"));
        QCOMPARE(fake.messages.size(), 1);
        const ShownMessage& m = fake.messages[0];
        QCOMPARE(m.title, QStringLiteral(" Zentavik-Antennen-Berechnung"));
        QCOMPARE(m.icon, ui::Icon::Information);
        const QStringList lines = m.text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 8);  // the text ends with a line break
        QCOMPARE(lines[0], QStringLiteral(" "));
        QCOMPARE(lines[1], QStringLiteral("Zentavik-Berechnung nach Norbek "));
        QCOMPARE(lines[2], QString());
        QVERIFY2(lines[3].startsWith(QStringLiteral(" Version 1.0.1 ©")), qPrintable(lines[3]));
        QCOMPARE(lines[4], QString());
        QVERIFY(!lines[5].isEmpty() && !lines[6].isEmpty());
        QCOMPARE(lines[7], QString());
        QVERIFY(!m.text.contains(QStringLiteral("\n\n")));
    }

    void printingStampsAndHidesTheButtons()
    {
        FakeFrame frame(QStringLiteral("Status: Berechnung eines Zentavik"));
        frmHauptform form(frame);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QString before = form.Info->text();
        QTemporaryDir dir;
        QStringList files;
        bool buttonsHidden = true;
        fake.printer = [&](QPrinter& printer) {
            buttonsHidden = buttonsHidden && !form.Command1->isVisible() && !form.Command2->isVisible();
            files << dir.filePath(QStringLiteral("druck%1.pdf").arg(files.size()));
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(files.last());
            return true;
        };
        const QDateTime start = QDateTime::currentDateTime();
        EingabenDrucken(form);
        EingabenDrucken(form);
        QVERIFY(buttonsHidden);
        QVERIFY(form.Command1->isVisible() && form.Command2->isVisible());
        const QString stamp = form.Info->text().mid(before.size());
        QCOMPARE(stamp.count(QStringLiteral("Berechnung eines Zentavik nach Norbek ")), 2);
        // The stamp carries date and time with seconds; the clock may have moved on meanwhile.
        const QString first = DruckStempel(start), later = DruckStempel(QDateTime::currentDateTime());
        QVERIFY2(stamp.startsWith(first) || stamp.startsWith(later), qPrintable(stamp));
        QVERIFY(QRegularExpression(QStringLiteral(" am \\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d:\\d\\d$")).match(stamp).hasMatch());

        // Each printout is one page holding the form's picture.
        QCOMPARE(files.size(), 2);
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), files.last()});
        QVERIFY(images.waitForFinished());
        const QStringList rows = QString::fromLocal8Bit(images.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 3);  // two heading lines, one image
        QVERIFY2(rows[2].simplified().startsWith(QStringLiteral("1 0 image")), qPrintable(rows[2]));
    }

    // The form prints at its size on the screen, but never wider than the page: on a small
    // page its picture is drawn with more dots per inch.
    void printoutFitsThePage_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("shrunk");
        QTest::newRow("A4") << int(QPageSize::A4) << false;
        QTest::newRow("A7") << int(QPageSize::A7) << true;
    }
    void printoutFitsThePage()
    {
        QFETCH(int, page);
        QFETCH(bool, shrunk);
        FakeFrame frame(QStringLiteral("Status: Berechnung eines Zentavik"));
        frmHauptform form(frame);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("seite.pdf"));
        fake.printer = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            printer.setPageSize(QPageSize(QPageSize::PageSizeId(page)));
            return true;
        };
        EingabenDrucken(form);
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file});
        QVERIFY(images.waitForFinished());
        const QStringList rows = QString::fromLocal8Bit(images.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 3);
        // Columns: page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
        const QStringList columns = rows[2].simplified().split(u' ');
        const int width = columns.value(3).toInt(), ppi = columns.value(12).toInt();
        const QPageLayout layout(QPageSize(QPageSize::PageSizeId(page)), QPageLayout::Portrait, QMarginsF());
        QVERIFY2(width / double(ppi) <= layout.fullRect(QPageLayout::Inch).width() + 0.01, qPrintable(rows[2]));
        QCOMPARE(ppi > int(logicalDpi()) + 1, shrunk);
    }

    void dipolFormIsCompleteBehindItsHiddenItem()
    {
        MDIForm1 frame(SettingsStore(QStringLiteral("ZentavikTest")));
        QVERIFY(!frame.mnuBerZusDipol->isVisible() && !frame.mnuBerZusDipol->isEnabled());
        QVERIFY(!frame.mnuTrenn3->isVisible());
        // It takes the beam form's diameter and factor as they stand, and exists once.
        frame.hauptform().Text7->setText(QStringLiteral("1,5"));
        ZusatzDipol& form = frame.zusatzDipol();
        QCOMPARE(&frame.zusatzDipol(), &form);
        QCOMPARE(form.Text5->text(), QStringLiteral("1,5"));
        QCOMPARE(form.Text6->text(), QStringLiteral("1,00"));
        // It shortens by the insulation of the last beam calculation: none before the first.
        form.Text1->setText(QStringLiteral("21"));
        form.Text2->setText(QStringLiteral("14"));
        form.Command1->click();
        const QString bare = form.Label10->text();
        QVERIFY(!bare.isEmpty());
        QTemporaryDir ort;  // where the beam calculation writes its report
        const QString vorher = QDir::currentPath();
        QDir::setCurrent(ort.path());
        const auto zurueck = qScopeGuard([&] { QDir::setCurrent(vorher); });
        frmHauptform& beam = frame.hauptform();
        beam.Combo1->setEditText(QStringLiteral("2,3   Polyethylen PE"));
        beam.Text6->setText(QStringLiteral("2"));
        beam.Text7->setText(QStringLiteral("1,5"));
        beam.Command1->click();
        form.Command1->click();
        QVERIFY2(ZahlAusText(form.Label10->text()) < ZahlAusText(bare), qPrintable(form.Label10->text() + u' ' + bare));
    }

    // Without any printer the user is told so and may keep the same page as a PDF file; the
    // buttons come back and the stamp stays whatever the answer.
    void noPrinterOffersAPdf_data()
    {
        QTest::addColumn<bool>("wanted");      // "Ja" to the offer
        QTest::addColumn<QString>("target");   // the name chosen in the save dialog; empty: cancelled
        QTest::addColumn<bool>("saved");
        QTest::newRow("declined") << false << "" << false;
        QTest::newRow("save dialog cancelled") << true << "" << false;
        QTest::newRow("saved") << true << "eingaben.pdf" << true;
        QTest::newRow("a folder where the file should go") << true << "ordner.pdf" << false;
    }
    void noPrinterOffersAPdf()
    {
        QFETCH(bool, wanted);
        QFETCH(QString, target);
        QFETCH(bool, saved);
        FakeFrame frame(QStringLiteral("Status: Berechnung eines Zentavik"));
        frmHauptform form(frame);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("ordner.pdf"));
        const QString path = dir.filePath(target);
        fake.printer = [](QPrinter&) { return false; };
        fake.answers = {wanted ? ui::Answer::Yes : ui::Answer::No};
        fake.fileNames = {target.isEmpty() ? std::nullopt : std::optional<QString>(path)};
        fake.fileRequests.clear();
        EingabenDrucken(form);
        QVERIFY(form.Command1->isVisible() && form.Command2->isVisible());
        QVERIFY(form.Info->text().contains(QStringLiteral(" am ")));

        QVERIFY(!fake.messages.isEmpty());
        QCOMPARE(fake.messages[0].title, QStringLiteral(" Eingaben drucken"));
        QCOMPARE(fake.messages[0].text, QStringLiteral("Es ist kein Drucker eingerichtet.\r\n"
                                                       "Soll der Ausdruck stattdessen als PDF-Datei gespeichert werden?"));
        QCOMPARE(fake.messages[0].buttons, ui::Buttons::YesNo);
        QCOMPARE(fake.fileRequests.size(), wanted ? 1 : 0);
        // A file that could not be written is said so, never passed over in silence.
        const bool failed = !target.isEmpty() && !saved;
        QCOMPARE(fake.messages.size(), failed ? 2 : 1);
        if (failed) {
            QCOMPARE(fake.messages[1].title, QStringLiteral(" Fehler "));
            QVERIFY2(fake.messages[1].text.startsWith(QStringLiteral("Der Ausdruck konnte nicht gespeichert werden.\r\n")),
                     qPrintable(fake.messages[1].text));
            QVERIFY(QFileInfo(path).isDir());
        }
        if (!saved)
            return;
        // The page a printer would have printed: one picture of the form.
        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
        QVERIFY(images.waitForFinished());
        const QStringList rows = QString::fromLocal8Bit(images.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 3);
        QVERIFY2(rows[2].simplified().startsWith(QStringLiteral("1 0 image")), qPrintable(rows[2]));
        const QStringList columns = rows[2].simplified().split(u' ');
        QCOMPARE(columns.value(3).toInt(), form.grab().width());
    }
};

QTEST_MAIN(TestSharedProcedures)
#include "test_sharedprocedures.moc"

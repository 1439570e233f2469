#include "calculators/messdatei.h"
#include "calculators/messungtext.h"
#include "calculators/resonanz.h"
#include "calculators/swrdiagramm.h"
#include "calculators/touchstone.h"
#include "tests/support/germanlocale.h"
#include "tests/support/fifowaechter.h"
#include "tests/support/s1pmodell.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray datei(const char* text) { return QByteArray(text); }

// The message a file gets, or "" when it reads and has its resonance.
QString meldungFuer(const QByteArray& inhalt)
{
    try {
        findeResonanz(leseTouchstone(inhalt));
        return {};
    } catch (const MessungFehler& f) {
        return f.meldung();
    }
}

} // namespace

class TestMessung : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString schreibe(const QString& name, const QByteArray& inhalt)
    {
        QFile f(dir.filePath(name));
        f.open(QIODevice::WriteOnly);
        f.write(inhalt);
        return f.fileName();
    }

private slots:
    void initTestCase() { useGermanLocale(); }

    // Every way an analyser writes the same sweep gives the model's resonance.
    void resonanzJedesFormats_data()
    {
        QTest::addColumn<QByteArray>("einheit");
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<double>("rauschen");
        QTest::addColumn<QByteArray>("zeilenende");
        QTest::addColumn<double>("f0");
        QTest::newRow("RI MHz") << QByteArray("MHz") << QByteArray("RI") << 0.0 << QByteArray("\n") << 14.1e6;
        QTest::newRow("MA Hz") << QByteArray("Hz") << QByteArray("MA") << 0.0 << QByteArray("\n") << 14.1e6;
        QTest::newRow("DB kHz, CR LF") << QByteArray("kHz") << QByteArray("DB") << 0.0 << QByteArray("\r\n") << 14.1e6;
        QTest::newRow("RI GHz, lower case") << QByteArray("ghz") << QByteArray("ri") << 0.0 << QByteArray("\n") << 14.1e6;
        QTest::newRow("DB MHz, resonance between points") << QByteArray("MHz") << QByteArray("DB") << 0.0 << QByteArray("\n") << 14.1037e6;
        QTest::newRow("MA MHz, CR alone") << QByteArray("MHz") << QByteArray("MA") << 0.0 << QByteArray("\r") << 14.0951e6;
        QTest::newRow("RI MHz with noise") << QByteArray("MHz") << QByteArray("RI") << 0.0003 << QByteArray("\n") << 14.1e6;
    }
    void resonanzJedesFormats()
    {
        QFETCH(QByteArray, einheit);
        QFETCH(QByteArray, format);
        QFETCH(double, rauschen);
        QFETCH(QByteArray, zeilenende);
        QFETCH(double, f0);
        DipolModell modell;
        modell.f0 = f0;
        Sweep sweep;
        sweep.einheit = einheit;
        sweep.format = format;
        sweep.rauschen = rauschen;
        sweep.zeilenende = zeilenende;
        const Messung m = leseTouchstone(s1pDatei(modell, sweep));
        QCOMPARE(m.punkte.size(), size_t(101));
        QCOMPARE(m.punkte.front().frequenz, 13.6e6);
        const Resonanz r = findeResonanz(m);
        QCOMPARE(r.regel, ResonanzRegel::Nulldurchgang);
        QVERIFY2(std::abs(r.frequenz - f0) < 1000, qPrintable(QString::number(r.frequenz - f0)));
        QVERIFY(std::abs(r.impedanz.real() - 73) < 0.5);
        QCOMPARE(r.impedanz.imag(), 0.0);
        QVERIFY(std::abs(r.swr - 73.0 / 50) < 0.01);
        // The SWR is flat at its minimum: noise moves the lowest point more than the crossing.
        QVERIFY(std::abs(r.swrMinimumFrequenz - f0) <= 30000);
        // The 2:1 edges of the model, within the interpolation's error over 10 kHz steps.
        QVERIFY(r.bandbreite);
        const double unten = modell.swr2(f0, 13.6e6), oben = modell.swr2(f0, 14.6e6);
        QVERIFY2(std::abs(r.bandbreite->unten - unten) < 2000, qPrintable(QString::number(r.bandbreite->unten - unten)));
        QVERIFY2(std::abs(r.bandbreite->oben - oben) < 2000, qPrintable(QString::number(r.bandbreite->oben - oben)));
    }

    // The rule used, and when the sweep holds no bandwidth.
    void regelUndBandbreite_data()
    {
        QTest::addColumn<double>("von");
        QTest::addColumn<double>("bis");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("regel");
        QTest::addColumn<double>("frequenz");
        QTest::addColumn<QString>("bandbreite");
        QTest::addColumn<QByteArray>("datei");  // empty: the dipole model over von to bis
        QTest::newRow("two crossings: the one nearest the SWR minimum")
            << 0.0 << 0.0 << 0.0 << int(ResonanzRegel::Nulldurchgang) << 13.5e6 << ""
            << s1pAusImpedanzen({{10, {500, 50}}, {11, {500, -50}}, {12, {60, -80}}, {13, {50, -20}}, {14, {50, 20}}, {15, {60, 80}},
                              {16, {80, 150}}});
        QTest::newRow("whole band") << 13.6e6 << 14.6e6 << 73.0 << int(ResonanzRegel::Nulldurchgang) << 14.1e6 << "" << QByteArray();
        QTest::newRow("above the resonance: lowest point")
            << 14.2e6 << 14.6e6 << 73.0 << int(ResonanzRegel::SwrMinimum) << 14.2e6 << "nicht bestimmbar: das SWR bleibt bis zum Rand des Messbereichs unter 2" << QByteArray();
        QTest::newRow("below the resonance: highest point")
            << 13.0e6 << 14.0e6 << 73.0 << int(ResonanzRegel::SwrMinimum) << 14.0e6
            << "nicht bestimmbar: das SWR bleibt bis zum Rand des Messbereichs unter 2" << QByteArray();
        QTest::newRow("SWR never below 2") << 13.6e6 << 14.6e6 << 200.0 << int(ResonanzRegel::Nulldurchgang) << 14.1e6
                                          << "keine: das SWR erreicht nirgends 2" << QByteArray();
        QTest::newRow("inside the 2:1 band") << 14.05e6 << 14.15e6 << 55.0 << int(ResonanzRegel::Nulldurchgang) << 14.1e6
                                            << "nicht bestimmbar: das SWR bleibt bis zum Rand des Messbereichs unter 2" << QByteArray();
    }
    void regelUndBandbreite()
    {
        QFETCH(double, von);
        QFETCH(double, bis);
        QFETCH(double, r);
        QFETCH(QByteArray, datei);
        DipolModell modell;
        modell.r = r;
        Sweep sweep;
        sweep.von = von;
        sweep.bis = bis;
        const Resonanz gefunden = findeResonanz(leseTouchstone(datei.isEmpty() ? s1pDatei(modell, sweep) : datei));
        QTEST(int(gefunden.regel), "regel");
        QFETCH(double, frequenz);
        QVERIFY2(std::abs(gefunden.frequenz - frequenz) < 1000, qPrintable(QString::number(gefunden.frequenz)));
        QFETCH(QString, bandbreite);
        QCOMPARE(ohneBandbreiteText(gefunden), bandbreite);
        if (gefunden.regel == ResonanzRegel::SwrMinimum)
            QCOMPARE(gefunden.swr, gefunden.swrMinimum);
    }

    // Each rule a file can break gets its line and what is wrong.
    void schlechteDateien_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("meldung");
        const QByteArray kopf = "! Sweep\n# MHz S RI R 50\n";
        QTest::newRow("no option line") << datei("14 0.1 0\n14.1 0 0\n14.2 0.1 0\n")
                                        << "Zeile 1: Messwerte vor der Optionszeile (\"# MHz S RI R 50\")";
        QTest::newRow("empty file") << QByteArray() << "keine Optionszeile (\"# MHz S RI R 50\"): keine Touchstone-Datei";
        QTest::newRow("comments only") << datei("! nur Kommentar\n\n")
                                       << "keine Optionszeile (\"# MHz S RI R 50\"): keine Touchstone-Datei";
        QTest::newRow("not a number") << kopf + "14 0.1 0\n14.1 0,2 0\n" << "Zeile 4: \"0,2\" ist keine Zahl";
        QTest::newRow("comma is no thousands separator") << kopf + "14,100 0.1 0\n" << "Zeile 3: \"14,100\" ist keine Zahl";
        QTest::newRow("nan is no number") << kopf + "14 nan 0\n" << "Zeile 3: \"nan\" ist keine Zahl";
        QTest::newRow("control character shown") << kopf + "14 0.1\x1b[2J 0\n" << "Zeile 3: \"0.1\\x1b[2J\" ist keine Zahl";
        QTest::newRow("not ascending") << kopf + "14 0.1 0\n14.2 0.1 0\n14.1 0.1 0\n"
                                       << "Zeile 5: die Frequenzen steigen nicht an (14.1 folgt auf 14.2)";
        QTest::newRow("same frequency twice") << kopf + "14 0.1 0\n14 0.1 0\n14.1 0.1 0\n"
                                              << "Zeile 4: die Frequenzen steigen nicht an (14 folgt auf 14)";
        QTest::newRow("two points") << kopf + "14 0.1 0\n14.1 0.1 0\n! Ende\n" << "Zeile 4: nur 2 Messpunkte; mindestens 3 sind nötig";
        QTest::newRow("one point") << kopf + "14 0.1 0\n" << "Zeile 3: nur 1 Messpunkt; mindestens 3 sind nötig";
        QTest::newRow("no points") << kopf << "nur 0 Messpunkte; mindestens 3 sind nötig";
        QTest::newRow("magnitude above 1") << datei("# MHz S MA R 50\n14 0.5 0\n14.1 1.5 20\n14.2 0.5 0\n")
                                           << "Zeile 3: der Betrag von S11 ist 1,5, größer als 1: eine Antenne kann nicht mehr reflektieren, als sie erhält";
        QTest::newRow("gain in dB above 0") << datei("# MHz S DB R 50\n14 -3 0\n14.1 3 20\n14.2 -3 0\n")
                                            << "Zeile 3: der Betrag von S11 ist 1,413, größer als 1: eine Antenne kann nicht mehr reflektieren, als sie erhält";
        QTest::newRow("real and imaginary above 1") << kopf + "14 0.8 0.8\n" << "Zeile 3: der Betrag von S11 ist 1,131, größer als 1: eine Antenne kann nicht mehr reflektieren, als sie erhält";
        QTest::newRow("negative magnitude") << datei("# MHz S MA R 50\n14 -0.5 0\n") << "Zeile 2: negativer Betrag von S11";
        QTest::newRow("negative frequency") << kopf + "-14 0.1 0\n" << "Zeile 3: negative Frequenz";
        QTest::newRow("two-port line") << kopf + "14 0.1 0 0.9 0 0.9 0 0.1 0\n"
                                       << "Zeile 3: 9 Zahlen statt 3 (Frequenz und S11 als zwei Zahlen); ist es eine Datei mit mehr als einem Tor?";
        QTest::newRow("impedance parameters") << datei("# MHz Z RI R 50\n") << "Zeile 1: nur S-Parameter werden gelesen, nicht Z-Parameter";
        QTest::newRow("unknown option") << datei("# MHz S XY R 50\n")
                                        << "Zeile 1: \"XY\" gehört nicht in die Optionszeile (erwartet: Hz, kHz, MHz oder GHz, S, RI, MA oder DB, R und die Bezugsimpedanz)";
        QTest::newRow("R without value") << datei("# MHz S RI R\n") << "Zeile 1: nach \"R\" fehlt die Bezugsimpedanz";
        QTest::newRow("reference 0") << datei("# MHz S RI R 0\n") << "Zeile 1: die Bezugsimpedanz muss größer als 0 sein";
        QTest::newRow("version 2, two ports") << datei("[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 2\n")
                                              << "Zeile 3: die Datei beschreibt 2 Tore; gelesen wird nur ein Tor (S11)";
        QTest::newRow("version 2, count differs")
            << datei("[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 1\n[Number of Frequencies] 4\n[Network Data]\n14 0 0\n14.1 0 0\n14.2 0 0\n[End]\n")
            << "Zeile 4: [Number of Frequencies] nennt 4 Messpunkte, die Datei enthält 3";
        QTest::newRow("version 2, data before network data")
            << datei("[Version] 2.0\n# MHz S RI R 50\n14 0 0\n") << "Zeile 3: Messwerte vor [Network Data]";
        QTest::newRow("version 3") << datei("[Version] 3.0\n") << "Zeile 1: Version 3.0 wird nicht gelesen (nur 2.x)";
        QTest::newRow("unknown keyword") << datei("[Version] 2.0\n# MHz S RI R 50\n[Noise Data]\n")
                                         << "Zeile 3: das Schlüsselwort [Noise Data] wird nicht gelesen";
        QTest::newRow("keyword unclosed") << datei("[Version 2.0\n") << "Zeile 1: die eckige Klammer des Schlüsselworts wird nicht geschlossen";
        QTest::newRow("20 MB of empty lines") << QByteArray(20 * 1024 * 1024, '\n')
                                              << "keine Optionszeile (\"# MHz S RI R 50\"): keine Touchstone-Datei";
        QByteArray viele = "# Hz S RI R 50\n";
        for (int i = 1; i <= MessPunkteHoechstens + 1; ++i)
            viele += QByteArray::number(i) + " 0 0\n";
        QTest::newRow("too many points") << viele << "Zeile 100002: mehr als 100.000 Messpunkte";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << "Zeile 1: Messwerte vor der Optionszeile (\"# MHz S RI R 50\")";
        const QString utf16 = "die Datei ist in UTF-16 gespeichert; gelesen werden Textdateien in ASCII oder UTF-8 (im Editor als UTF-8 speichern)";
        QTest::newRow("UTF-16 with byte-order mark") << QByteArray("\xff\xfe#\0 \0M\0H\0z\0\n\0", 14) << utf16;
        QTest::newRow("UTF-16 big-endian without mark") << QByteArray("\0!\0 \0S\0w\0e\0e\0p\0\n", 16) << utf16;
        const QString zuHoch = "Zeile 4: die Frequenz %1 ist zu hoch: gelesen werden Frequenzen bis 1000 GHz";
        QTest::newRow("frequency overflows to infinity") << kopf + "14 0.1 0\n1e303 0.1 0\n" << zuHoch.arg("1e303 MHz");
        QTest::newRow("frequency of 1e308 Hz") << datei("# Hz S RI R 50\n14 0.1 0\n14.1 0.1 0\n1e308 0.1 0\n") << zuHoch.arg("1e308 Hz");
        QTest::newRow("hertz under the default unit") << datei("! Hz vergessen\n#\n0.5 0.1 0\n14000000 0.1 0\n")
                                                      << zuHoch.arg("14000000 GHz") + " (die Optionszeile nennt keine Einheit, also gilt GHz)";
        QTest::newRow("two units") << datei("# MHZ HZ S RI MA R 50 R 75\n") << "Zeile 1: die Optionszeile nennt zwei Einheiten: \"MHZ\" und \"HZ\"";
        QTest::newRow("two formats") << datei("# MHz S ri MA\n") << "Zeile 1: die Optionszeile nennt zwei Formate: \"ri\" und \"MA\"";
        QTest::newRow("two references") << datei("# MHz S RI R 50 R 75\n") << "Zeile 1: die Optionszeile nennt zwei Bezugsimpedanzen: \"50\" und \"75\"";
        QTest::newRow("reference negative") << datei("# MHz S RI R -50\n") << "Zeile 1: die Bezugsimpedanz muss größer als 0 sein";
        QTest::newRow("version 2, reference negative") << datei("[Version] 2.0\n# MHz S RI R 50\n[Reference] -50\n")
                                                       << "Zeile 3: die Bezugsimpedanz muss größer als 0 sein";
        // Two points a little beyond |S11| = 1 on either side of the crossing: -50 ohm between them.
        QTest::newRow("negative resistance at the resonance") << kopf + "13.9 0.2 -0.3\n14.0 1 -0.125\n14.1 1 0.125\n14.2 0.2 0.3\n"
                                                             << "bei der Resonanz (14,050 MHz) ergibt die Messung einen Wirkwiderstand von −50,0 Ω; "
                                                                "eine Antenne hat dort mehr als 0 Ω (ist der Analysator kalibriert?)";
        const QString zuSchmal = "Zeile 5: der Sweep überstreicht nur %1 Hz vom ersten bis zum letzten Messpunkt; nötig ist mindestens 1 Hz";
        QTest::newRow("frequencies nanohertz apart") << datei("# Hz S RI R 50\n! eng\n14200000 0.1 0\n14200000.000000002 0 0\n14200000.000000004 0.1 0\n")
                                                     << zuSchmal.arg("3,73E-09");
        QTest::newRow("denormal frequencies") << datei("# Hz S RI R 50\n\n1e-320 0.1 0\n2e-320 0 0\n3e-320 0.1 0\n") << zuSchmal.arg("2E-320");
    }
    void schlechteDateien()
    {
        QFETCH(QByteArray, inhalt);
        QTEST(meldungFuer(inhalt), "meldung");
    }

    // What readers of this format accept besides the plain case.
    void gueltigeDateien_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<double>("z0");
        QTest::addColumn<double>("letzteFrequenz");
        QTest::newRow("defaults GHz, MA, 50 ohm") << datei("#\n0.014 0.5 0\n0.0141 0.5 10\n0.0142 0.5 20\n") << 50.0 << 14.2e6;
        QTest::newRow("options in any order, tabs, comments after values")
            << datei("#\tR 75  RI\tkHz S ! option\n14000 0 0 ! first\n\t14100\t0\t0\n14200 0 0\n") << 75.0 << 14.2e6;
        QTest::newRow("a second option line is ignored") << datei("# MHz S RI R 50\n# Hz S DB R 75\n14 0 0\n14.1 0 0\n14.2 0 0\n") << 50.0 << 14.2e6;
        QTest::newRow("version 2 with reference")
            << datei("[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 1\n[Number of Frequencies] 3\n[Reference] 75\n"
                     "[Network Data]\n14 0 0\n14.1 0 0\n14.2 0 0\n[End]\n15 bad\n")
            << 75.0 << 14.2e6;
        QTest::newRow("exponents") << datei("# Hz S RI R 5e1\n1.4E7 0 0\n1.41e+07 0 0\n1.42e7 0 0\n") << 50.0 << 14.2e6;
        QTest::newRow("S11 just above 1 from calibration") << datei("# MHz S MA R 50\n14 1.005 0\n14.1 0.5 0\n14.2 0.5 0\n") << 50.0 << 14.2e6;
        QTest::newRow("UTF-8 byte-order mark") << datei("\xef\xbb\xbf# MHz S RI R 75\n14 0 0\n14.1 0 0\n14.2 0 0\n") << 75.0 << 14.2e6;
        QTest::newRow("a unit named twice alike") << datei("# MHz S mhz RI R 50 R 50.0\n14 0 0\n14.1 0 0\n14.2 0 0\n") << 50.0 << 14.2e6;
        QTest::newRow("one hertz wide") << datei("# Hz S RI R 50\n14200000 0 0\n14200000.5 0 0\n14200001 0 0\n") << 50.0 << 14200001.0;
    }
    void gueltigeDateien()
    {
        QFETCH(QByteArray, inhalt);
        const Messung m = leseTouchstone(inhalt);
        QTEST(m.bezugsimpedanz, "z0");
        QTEST(m.punkte.back().frequenz, "letzteFrequenz");
    }

    // The program's one safe reading of a file, its reason naming the file.
    void dateiLesen_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<qint64>("grenze");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("fifo without writer") << "fifo" << qint64(1000)
                                              << "\"%1\" ist keine gewöhnliche Datei, sondern eine benannte Pipe (FIFO).\r\n"
                                                 "Gelesen werden nur gewöhnliche Dateien.";
        QTest::newRow("one byte too large") << "datei" << qint64(2999)
                                            << "Die Datei \"%1\" ist 0,0 MB groß.\r\nGelesen werden Dateien bis 0,0 MB.";
        QTest::newRow("exactly the limit") << "datei" << qint64(3000) << "";
    }
    void dateiLesen()
    {
        QFETCH(QString, art);
        QFETCH(qint64, grenze);
        QFETCH(QString, meldung);
        const QString pfad = dir.filePath(art);
        // Watched: a reading that waited for a writer is woken and fails the row.
        std::optional<FifoWaechter> pipe;
        if (art == "fifo")
            QVERIFY(pipe.emplace(pfad).ok());
        if (art == "datei")
            schreibe(art, QByteArray(3000, ' '));
        try {
            QCOMPARE(leseMessdatei(pfad, grenze).size(), 3000);
            QVERIFY(meldung.isEmpty());
        } catch (const MessungFehler& f) {
            QCOMPARE(f.zeile, 0);
            QVERIFY(f.nenntDatei);
            QCOMPARE(f.meldung(), meldung.arg(pfad));
        }
        QVERIFY(!pipe || !pipe->musste());
    }

    // Random damage to a good file: every outcome is a sweep or a message, never a crash or a
    // hang, and a sweep always has its resonance inside it.
    void zufaelligBeschaedigt()
    {
        const QByteArray gut = s1pDatei(DipolModell(), Sweep{13.6e6, 14.6e6, 21});
        QRandomGenerator zufall(20261207);
        const char zeichen[] = "0123456789.-+eE# !\n\r\t[]RIMADBSHzk\x00\xff";
        int gelesen = 0;
        for (int runde = 0; runde < 3000; ++runde) {
            QByteArray text = gut;
            const int aenderungen = 1 + int(zufall.bounded(6));
            for (int i = 0; i < aenderungen; ++i) {
                const int stelle = int(zufall.bounded(text.size() + 1));
                const char c = zeichen[zufall.bounded(int(sizeof zeichen - 1))];
                switch (zufall.bounded(3)) {
                case 0: text.insert(stelle, c); break;
                case 1: text.remove(stelle, 1 + int(zufall.bounded(8))); break;
                default: if (stelle < text.size()) text[stelle] = c; break;
                }
            }
            try {
                const Messung m = leseTouchstone(text);
                const Resonanz r = findeResonanz(m);
                QVERIFY(r.frequenz >= m.punkte.front().frequenz && r.frequenz <= m.punkte.back().frequenz);
                ++gelesen;
            } catch (const MessungFehler& f) {
                QVERIFY(!f.text.isEmpty());
                QVERIFY(f.zeile >= 0 && f.zeile <= text.count('\n') + text.count('\r') + 1);
            }
        }
        // Some damage leaves a readable file; were none read, the test would test little.
        QVERIFY(gelesen > 100);
    }

    // The plot's markers stand where the data say: the resonance in red, the wanted frequency
    // in green; the 2:1 band is shaded below the 2:1 line, which lies inside the scale; and a
    // plot without a measurement draws.
    void diagrammMarken_data()
    {
        QTest::addColumn<double>("soll");
        QTest::addColumn<double>("von");
        QTest::addColumn<double>("bis");
        QTest::addColumn<double>("widerstand");
        QTest::newRow("wanted above") << 14.35e6 << 13.6e6 << 14.6e6 << 73.0;
        QTest::newRow("wanted below") << 13.8e6 << 13.6e6 << 14.6e6 << 73.0;
        // SWR 1,04 at most: the scale still reaches above 2; no band edge, so nothing shaded.
        QTest::newRow("good antenna inside its band") << 14.12e6 << 14.05e6 << 14.15e6 << 52.0;
    }
    void diagrammMarken()
    {
        QFETCH(double, soll);
        QFETCH(double, von);
        QFETCH(double, bis);
        QFETCH(double, widerstand);
        DipolModell modell;
        modell.r = widerstand;
        const Messung m = leseTouchstone(s1pDatei(modell, Sweep{von, bis}));
        const Resonanz r = findeResonanz(m);
        QImage bild(400, 260, QImage::Format_RGB32);
        QFont schrift(QStringLiteral("Liberation Sans"));
        schrift.setPixelSize(11);
        const QRectF flaeche(0, 0, 400, 260);
        {
            QPainter p(&bild);
            p.setFont(schrift);
            zeichneSwrDiagramm(p, flaeche, &m, &r, soll);
        }
        QPainter messen(&bild);
        messen.setFont(schrift);
        const SwrDiagrammAchsen a = swrDiagrammAchsen(m, flaeche, QFontMetricsF(schrift));
        messen.end();
        auto farbeIn = [&](double x, const QColor& farbe) {
            const int mitte = int(a.feld.center().y());
            for (int dx = -1; dx <= 1; ++dx)
                if (bild.pixelColor(int(std::round(x)) + dx, mitte) == farbe)
                    return true;
            return false;
        };
        // Low frequencies on the left, independent of the plot's own mapping.
        QCOMPARE(a.x(m.punkte.front().frequenz), a.feld.left());
        QVERIFY(std::abs(a.x(r.frequenz) - (a.feld.left() + (r.frequenz - von) / (bis - von) * a.feld.width())) < 0.01);
        QVERIFY2(a.y(BandbreitenSwr) > a.feld.top() + a.feld.height() / 4, qPrintable(QString::number(a.swrMax)));
        // The band's colour just inside its edges near the bottom, and nowhere outside them.
        auto bandFarbe = [&](double von, double bis) {
            for (int x = int(std::ceil(std::max(von, a.feld.left() + 1))); x <= int(std::min(bis, a.feld.right() - 1)); ++x)
                if (bild.pixelColor(x, int(a.feld.bottom()) - 3) == BandbreitenFarbe)
                    return true;
            return false;
        };
        QCOMPARE(bandFarbe(a.feld.left(), a.feld.right()), bool(r.bandbreite));
        if (r.bandbreite) {
            QVERIFY(bandFarbe(a.x(r.bandbreite->unten) + 2, a.x(r.bandbreite->unten) + 8));
            QVERIFY(bandFarbe(a.x(r.bandbreite->oben) - 8, a.x(r.bandbreite->oben) - 2));
            QVERIFY(!bandFarbe(a.feld.left(), a.x(r.bandbreite->unten) - 2));
            QVERIFY(!bandFarbe(a.x(r.bandbreite->oben) + 2, a.feld.right()));
        }
        QVERIFY(farbeIn(a.x(r.frequenz), ResonanzFarbe));
        QVERIFY(!farbeIn(a.x(r.frequenz) + 20, ResonanzFarbe));
        // The dashed line: somewhere along its height.
        bool soll_gefunden = false;
        for (int y = int(a.feld.top()); y < a.feld.bottom() && !soll_gefunden; ++y)
            for (int dx = -1; dx <= 1; ++dx)
                soll_gefunden = soll_gefunden || bild.pixelColor(int(std::round(a.x(soll))) + dx, y) == SollFarbe;
        QVERIFY(soll_gefunden);
        // The curve's lowest point is at the SWR minimum, at the height of its SWR.
        int tiefster = 0;
        for (int y = bild.height() - 1; y >= 0 && !tiefster; --y)
            for (int x = int(a.feld.left()) + 2; x < a.feld.right() - 2; ++x)
                if (bild.pixelColor(x, y) == SwrKurvenFarbe && y < a.feld.bottom() - 2) {
                    tiefster = y;
                    break;
                }
        QVERIFY2(std::abs(tiefster - a.y(r.swrMinimum)) <= 2, qPrintable(QString::number(tiefster - a.y(r.swrMinimum))));

        QImage leer(200, 120, QImage::Format_RGB32);
        QPainter p(&leer);
        zeichneSwrDiagramm(p, QRectF(0, 0, 200, 120), nullptr, nullptr, std::nullopt);
    }

    // A plot handed points the reader would refuse (a sweep still arriving from an analyser holds
    // one frequency at first) draws in bounded time, every point inside its axes.
    void diagrammJederSpanne_data()
    {
        QTest::addColumn<QList<double>>("frequenzen");
        QTest::newRow("one frequency") << QList<double>{14.2e6, 14.2e6};
        QTest::newRow("nanohertz apart") << QList<double>{14200000, 14200000.000000002, 14200000.000000004};
        QTest::newRow("denormal") << QList<double>{1e-320, 2e-320, 3e-320};
        QTest::newRow("highest frequency read") << QList<double>{MessFrequenzHoechstens - 2, MessFrequenzHoechstens - 1, MessFrequenzHoechstens};
    }
    void diagrammJederSpanne()
    {
        QFETCH(QList<double>, frequenzen);
        Messung m;
        for (double f : frequenzen)
            m.punkte.push_back({f, 0.2, impedanzAusReflexion(0.2, 50), swrAusReflexion(0.2)});
        const Resonanz r = findeResonanz(m);
        QImage bild(300, 200, QImage::Format_RGB32);
        QPainter p(&bild);
        zeichneSwrDiagramm(p, QRectF(0, 0, 300, 200), &m, &r, frequenzen.front());
        const SwrDiagrammAchsen a = swrDiagrammAchsen(m, QRectF(0, 0, 300, 200), QFontMetricsF(p.font()));
        for (double f : frequenzen)
            QVERIFY2(a.x(f) >= a.feld.left() && a.x(f) <= a.feld.right(), qPrintable(QString::number(a.x(f))));
    }

    void texte()
    {
        const Resonanz r = findeResonanz(leseTouchstone(s1pDatei(DipolModell(), Sweep())));
        QCOMPARE(mhzText(r.frequenz), QStringLiteral("14,1000"));
        // Above 1 GHz without a thousands separator, so that the field reads it back.
        QCOMPARE(mhzText(1296.05e6), QStringLiteral("1296,0500"));
        QCOMPARE(khzText(1.5e6), QStringLiteral("1500 kHz"));
        QCOMPARE(impedanzText({72.96, -4.04}), QStringLiteral("73,0 − j4,0 Ω"));
        QCOMPARE(impedanzText({50, 0.01}), QStringLiteral("50,0 + j0,0 Ω"));
        QCOMPARE(swrText(std::numeric_limits<double>::infinity()), QStringLiteral("unendlich"));
        QVERIFY(diagrammBeschreibung(r, 14.2e6).startsWith(
            QStringLiteral("SWR über der Frequenz. Resonanz 14,100 MHz (Nulldurchgang des Blindwiderstands (linear interpoliert)), SWR dort 1,46.")));
        QVERIFY(diagrammBeschreibung(r, 14.2e6).endsWith(QStringLiteral(" Soll-Resonanz 14,200 MHz.")));
    }
};

QTEST_MAIN(TestMessung)
#include "test_messung.moc"

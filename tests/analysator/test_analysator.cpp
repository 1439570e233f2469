// The analyser on its serial port, against a simulated unit on a pseudo-terminal: the sweep
// as the firmware of either age delivers it, its resonance, and every fault with its message.

#include "analysator/analysatorverbindung.h"
#include "calculators/touchstone.h"
#include "tests/support/analysatorsimulator.h"
#include "tests/support/germanlocale.h"

#include <QSignalSpy>
#include <QtTest>

using Stoerung = AnalysatorSimulator::Stoerung;
Q_DECLARE_METATYPE(AnalysatorSimulator::Stoerung)

namespace {
// Short limits, so that the silent unit fails quickly.
const AnalysatorFristen Kurz{400, 400};

struct Ergebnis {
    std::optional<Messung> messung;
    QString geraet, fehler;
    int zwischenstaende = 0;
};

Ergebnis miss(const QString& anschluss, const SweepBereich& b)
{
    AnalysatorMessung messung;
    messung.setzeFristen(Kurz);
    Ergebnis e;
    QObject::connect(&messung, &AnalysatorMessung::punkte, [&](const Messung&) { ++e.zwischenstaende; });
    QObject::connect(&messung, &AnalysatorMessung::fertig, [&](const Messung& m, const QString& g) {
        e.messung = m;
        e.geraet = g;
    });
    QObject::connect(&messung, &AnalysatorMessung::fehlgeschlagen, [&](const QString& t) { e.fehler = t; });
    messung.starte(anschluss, b);
    // Nothing is told from inside the call.
    if (e.messung || !e.fehler.isEmpty())
        qFatal("told from inside starte()");
    // A loop of its own: waiting in steps of a few milliseconds would make the unit that
    // answers one byte at a time take minutes.
    QEventLoop schleife;
    QObject::connect(&messung, &AnalysatorMessung::fertig, &schleife, &QEventLoop::quit);
    QObject::connect(&messung, &AnalysatorMessung::fehlgeschlagen, &schleife, &QEventLoop::quit);
    QTimer::singleShot(20000, &schleife, &QEventLoop::quit);
    schleife.exec();
    if (!e.messung && e.fehler.isEmpty())
        e.fehler = QStringLiteral("(no end within 20 s)");
    return e;
}
} // namespace

class TestAnalysator : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useGermanLocale(); }

    void bereich_data()
    {
        QTest::addColumn<double>("mitte");
        QTest::addColumn<double>("spanne");
        QTest::addColumn<int>("punkte");
        QTest::addColumn<double>("von");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("20 m, three bandwidths") << 14.2e6 << erwarteteSpanne(14.2e6) << 101 << 13.45e6 << QString();
        QTest::newRow("80 m") << 3.6e6 << erwarteteSpanne(3.6e6) << 101 << 3.41e6 << QString();
        QTest::newRow("span given") << 28.5e6 << 1e6 << 401 << 28e6 << QString();
        QTest::newRow("too many points") << 14.2e6 << 1e6 << 1001 << 0.0 << QStringLiteral("möglich sind 11 bis 401");
        QTest::newRow("below the units") << 0.01e6 << 0.1e6 << 101 << 0.0 << QStringLiteral("außerhalb");
        QTest::newRow("no span") << 14.2e6 << 0.0 << 101 << 0.0 << QStringLiteral("Spanne");
        QTest::newRow("no centre") << 0.0 << 1e6 << 101 << 0.0 << QStringLiteral("Mitte");
    }
    void bereich()
    {
        QFETCH(double, mitte);
        QFETCH(double, spanne);
        QFETCH(int, punkte);
        QFETCH(double, von);
        QFETCH(QString, fehler);
        try {
            const SweepBereich b = bereichUm(mitte, spanne, punkte);
            QVERIFY2(fehler.isEmpty(), "accepted");
            QCOMPARE(b.von, von);
            QCOMPARE(b.bis, 2 * mitte - von);
        } catch (const AnalysatorFehler& f) {
            QVERIFY2(!fehler.isEmpty() && f.text.contains(fehler), qPrintable(f.text));
        }
    }

    // The sweep as each firmware delivers it: the resonance found in it is the element's
    // within a point's spacing, and the sweep saved as Touchstone reads back the same.
    void messung_data()
    {
        QTest::addColumn<bool>("mitScan");
        QTest::addColumn<Stoerung>("stoerung");
        QTest::addColumn<int>("punkte");
        QTest::addColumn<double>("resonanz");
        QTest::newRow("scan") << true << Stoerung::Keine << 101 << 14.05e6;
        QTest::newRow("scan, 401 points") << true << Stoerung::Keine << 401 << 14.31e6;
        QTest::newRow("older firmware: sweep, frequencies, data") << false << Stoerung::Keine << 101 << 13.87e6;
        QTest::newRow("one byte at a time") << true << Stoerung::Einzelbytes << 51 << 14.2e6;
    }
    void messung()
    {
        QFETCH(bool, mitScan);
        QFETCH(Stoerung, stoerung);
        QFETCH(int, punkte);
        QFETCH(double, resonanz);
        AnalysatorSimulator sim;
        sim.mitScan = mitScan;
        sim.stoerung = stoerung;
        sim.schneide(resonanz);
        const SweepBereich b = bereichUm(14.2e6, 1e6, punkte);
        const Ergebnis e = miss(sim.pfad(), b);
        QVERIFY2(e.messung, qPrintable(e.fehler));
        QCOMPARE(e.messung->punkte.size(), size_t(punkte));
        QCOMPARE(e.geraet, QStringLiteral("NanoVNA-H 4, 1.2.27"));
        QVERIFY(e.zwischenstaende >= 1);
        const Resonanz r = resonanzImBereich(*e.messung);
        QCOMPARE(r.regel, ResonanzRegel::Nulldurchgang);
        const double aufloesung = (b.bis - b.von) / (punkte - 1);
        QVERIFY2(std::abs(r.frequenz - resonanz) < aufloesung, qPrintable(QString::number(r.frequenz)));

        const Resonanz wieder = findeResonanz(leseTouchstone(touchstoneText(*e.messung, e.geraet)));
        QVERIFY(std::abs(wieder.frequenz - r.frequenz) < 1);
    }

    // Measure, cut, measure again: the dip moves up with the element shortened.
    void schnitt()
    {
        AnalysatorSimulator sim;
        sim.schneide(13.9e6);
        const SweepBereich b = bereichUm(14.2e6, erwarteteSpanne(14.2e6));
        const double vorher = resonanzImBereich(*miss(sim.pfad(), b).messung).frequenz;
        sim.schneide(14.15e6);
        const double nachher = resonanzImBereich(*miss(sim.pfad(), b).messung).frequenz;
        QVERIFY(std::abs(vorher - 13.9e6) < 15e3);
        QVERIFY(std::abs(nachher - 14.15e6) < 15e3);
    }

    // Every fault ends in its German message and no sweep.
    void fehler_data()
    {
        QTest::addColumn<Stoerung>("stoerung");
        QTest::addColumn<QString>("anschluss");  // empty: the simulator's
        QTest::addColumn<double>("resonanz");
        QTest::addColumn<QString>("meldung");
        const double r = 14.2e6;
        QTest::newRow("no port chosen") << Stoerung::Keine << QStringLiteral(" ") << r << QStringLiteral("Kein Anschluss gewählt");
        QTest::newRow("no such port") << Stoerung::Keine << QStringLiteral("/dev/ttyZentavikFehlt") << r << QStringLiteral("gibt es nicht");
        QTest::newRow("silent") << Stoerung::Stille << QString() << r << QStringLiteral("antwortet nicht");
        QTest::newRow("garbage") << Stoerung::Muell << QString() << r << QStringLiteral("kein Text");
        QTest::newRow("wrong echo") << Stoerung::FalschesEcho << QString() << r << QStringLiteral("wiederholt den Befehl „version“ nicht");
        QTest::newRow("another kind: modem") << Stoerung::Modem << QString() << r << QStringLiteral("anderes Gerät");
        QTest::newRow("another kind: spectrum analyser") << Stoerung::Spektrumanalysator << QString() << r << QStringLiteral("Spektrumanalysator");
        QTest::newRow("unplugged mid-sweep") << Stoerung::AbbruchMitten << QString() << r << QStringLiteral("USB-Kabel");
        QTest::newRow("fewer points") << Stoerung::WenigerPunkte << QString() << r << QStringLiteral("nur 91 von 101 Messpunkten");
        QTest::newRow("NaN") << Stoerung::NaN << QString() << r << QStringLiteral("ungültige Messwerte („nan nan“)");
        QTest::newRow("absurd reflection") << Stoerung::Absurd << QString() << r << QStringLiteral("neu kalibrieren");
        QTest::newRow("resonance below the sweep") << Stoerung::Keine << QString() << 12.5e6 << QStringLiteral("nach unten erweitern");
        QTest::newRow("resonance above the sweep") << Stoerung::Keine << QString() << 16e6 << QStringLiteral("nach oben erweitern");
    }
    void fehler()
    {
        QFETCH(Stoerung, stoerung);
        QFETCH(QString, anschluss);
        QFETCH(double, resonanz);
        QFETCH(QString, meldung);
        AnalysatorSimulator sim;
        sim.stoerung = stoerung;
        sim.schneide(resonanz);
        Ergebnis e = miss(anschluss.isEmpty() ? sim.pfad() : anschluss, bereichUm(14.2e6, 1e6));
        if (e.messung) {
            try {
                resonanzImBereich(*e.messung);
            } catch (const AnalysatorFehler& f) {
                e.fehler = f.text;
            }
        }
        QVERIFY2(e.fehler.contains(meldung), qPrintable(e.fehler));
    }
};

QTEST_GUILESS_MAIN(TestAnalysator)
#include "test_analysator.moc"

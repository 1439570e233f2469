// The full-wave insulation model: its ratios against published NEC-4 results, reading the
// engine's listing, and every way the engine can let the model down.

#include "nec/vollwelle.h"

#include "platform/dateilesen.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

// A stand-in engine on PATH: a shell script taking "-i deck -o listing".
class ErsatzMaschine {
public:
    explicit ErsatzMaschine(const QByteArray& skript) : pfad(qgetenv("PATH"))
    {
        if (!skript.isNull()) {
            QFile datei(ordner.filePath(QStringLiteral("nec2c")));
            datei.open(QIODevice::WriteOnly);
            datei.write("#!/bin/sh\n" + skript + "\n");
            datei.close();
            datei.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        // Without a script the engine is missing; with one it comes before the installed one.
        qputenv("PATH", skript.isNull() ? ordner.path().toLocal8Bit() : ordner.path().toLocal8Bit() + ':' + pfad);
    }
    ~ErsatzMaschine() { qputenv("PATH", pfad); }

private:
    QTemporaryDir ordner;
    QByteArray pfad;
};

QByteArray gespeicherteAusgabe()
{
    return dateiLesen(QStringLiteral(NEC_AUSGABEN "/dipol.out"), 1 << 20);
}

} // namespace

class TestVollwelle : public QObject {
    Q_OBJECT

private slots:
    void nec4Tabelle_data()
    {
        QTest::addColumn<float>("mantel");
        QTest::addColumn<float>("er");
        QTest::addColumn<double>("referenz");
        const float mantel[] = {0.5f, 1.0f, 2.0f};
        const float er[] = {1.5f, 2.0f, 2.5f, 3.0f};
        const double referenz[3][4] = {
            {0.9897, 0.9843, 0.9814, 0.9793},
            {0.9822, 0.9731, 0.9681, 0.9644},
            {0.9719, 0.9574, 0.9487, 0.9429},
        };
        for (int m = 0; m < 3; ++m) {
            for (int e = 0; e < 4; ++e)
                QTest::addRow("Mantel %g mm, er %g", mantel[m], er[e]) << mantel[m] << er[e] << referenz[m][e];
        }
    }

    // A 2 mm conductor at 30 MHz in free space, as the published table has it.
    void nec4Tabelle()
    {
        QFETCH(float, mantel);
        QFETCH(float, er);
        QFETCH(double, referenz);
        NecProzess prozess;
        VollwellenModell modell(prozess);
        const double r = modell.verhaeltnis(30, 2 + 2 * mantel, 2, er);
        QVERIFY2(std::fabs(r / referenz - 1) <= 0.001, qPrintable(QString::number(r, 'f', 5)));
        // Both resonances, each in a few runs.
        QVERIFY2(modell.laeufe() <= 12, qPrintable(QString::number(modell.laeufe())));
        QCOMPARE(modell.verkuerzung(30, 2 + 2 * mantel, 2, er), (1 - r) / 2);
        QCOMPARE(modell.laeufe() <= 12, true);
    }

    void ohneMaschine_data()
    {
        QTest::addColumn<float>("mhz");
        QTest::addColumn<float>("aussen");
        QTest::addColumn<float>("leiter");
        QTest::addColumn<float>("er");
        QTest::addColumn<double>("verhaeltnis");  // 0: refused
        QTest::newRow("Mantel unter 1 µm") << 14.2f << 1.6019f << 1.6f << 4.0f << 1.0;
        QTest::newRow("Luft ist blanker Draht") << 14.2f << 2.8f << 1.6f << 1.00059f << 1.0;
        QTest::newRow("zu dick für die Segmente") << 3000.0f << 30.0f << 20.0f << 4.0f << 0.0;
        QTest::newRow("Frequenz jenseits jeder Wellenlänge") << 3e30f << 2.8f << 1.6f << 4.0f << 0.0;
    }

    // Inputs outside the model's sense never reach the engine.
    void ohneMaschine()
    {
        QFETCH(float, mhz);
        QFETCH(float, aussen);
        QFETCH(float, leiter);
        QFETCH(float, er);
        QFETCH(double, verhaeltnis);
        ErsatzMaschine keine({});
        NecProzess prozess;
        VollwellenModell modell(prozess);
        try {
            QCOMPARE(modell.verhaeltnis(mhz, aussen, leiter, er), verhaeltnis);
            QVERIFY(verhaeltnis != 0);
        } catch (const Failure& f) {
            QVERIFY2(verhaeltnis == 0, qPrintable(f.description));
            QCOMPARE(f.number, NecFehler::Modell);
            QVERIFY(f.description.contains(QStringLiteral("zu dick")));
        }
        QCOMPARE(modell.laeufe(), 0);
    }

    void wiederholung()
    {
        NecProzess prozess;
        VollwellenModell modell(prozess);
        const double r = modell.verhaeltnis(14.2f, 2.8f, 1.6f, 4);
        const int laeufe = modell.laeufe();
        QCOMPARE(modell.verhaeltnis(14.2f, 2.8f, 1.6f, 4), r);
        QCOMPARE(modell.laeufe(), laeufe);
        // Another jacket on the same conductor finds the bare dipole's resonance in the cache.
        modell.verhaeltnis(14.2f, 3.2f, 1.6f, 4);
        QVERIFY(modell.laeufe() - laeufe < laeufe);
    }

    void ausgabe_data()
    {
        const QByteArray normal = gespeicherteAusgabe();
        const qsizetype tabelle = normal.indexOf("ANTENNA INPUT PARAMETERS");
        const qsizetype ende = normal.indexOf("TOTAL RUN TIME");
        QTest::addColumn<QByteArray>("ausgabe");
        QTest::addColumn<double>("x");  // NaN: unusable
        QTest::addColumn<QString>("grund");
        QTest::newRow("vollständig") << normal << 37.878 << QString();
        QTest::newRow("vor dem Ende abgeschnitten") << normal.left(ende) << qQNaN() << QStringLiteral("bricht vor dem Ende");
        QTest::newRow("in der Tabelle abgeschnitten") << normal.left(tabelle + 300) << qQNaN() << QStringLiteral("unvollständig");
        QTest::newRow("ohne Impedanztabelle") << QByteArray(normal).replace("ANTENNA INPUT", "ANTENNA OUTPUT") << qQNaN()
                                             << QStringLiteral("keine Tabelle");
        QTest::newRow("Sternchen statt Zahl") << QByteArray(normal).replace("3.7878E+01", "**********") << qQNaN()
                                             << QStringLiteral("\"**********\" in der Zeile");
        QTest::newRow("nan") << QByteArray(normal).replace("3.7878E+01", "nan") << qQNaN() << QStringLiteral("keine Zahl");
        QTest::newRow("leer") << QByteArray() << qQNaN() << QStringLiteral("keine Tabelle");
        QTest::newRow("Unsinn") << QByteArray("\x01\xff garbage\n", 11) << qQNaN() << QStringLiteral("keine Tabelle");
    }

    void ausgabe()
    {
        QFETCH(QByteArray, ausgabe);
        QFETCH(double, x);
        QFETCH(QString, grund);
        try {
            const NecImpedanz z = necImpedanz(ausgabe);
            QVERIFY(!qIsNaN(x));
            QCOMPARE(z.x, x);
            QCOMPARE(z.r, 73.466);
        } catch (const Failure& f) {
            QVERIFY2(qIsNaN(x), qPrintable(f.description));
            QCOMPARE(f.number, NecFehler::Ausgabe);
            QVERIFY2(f.description.contains(grund), qPrintable(f.description));
        }
    }

    void stoerung_data()
    {
        QTest::addColumn<QByteArray>("skript");  // null: no engine at all
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QString>("grund");
        QTest::newRow("nicht installiert") << QByteArray() << NecFehler::Fehlt << QStringLiteral("nicht installiert");
        QTest::newRow("Fehler") << QByteArray("echo 'Speicher voll' >&2; exit 3") << NecFehler::Lauf
                                << QStringLiteral("Rückgabewert 3): \"Speicher voll\"");
        QTest::newRow("abgebrochen") << QByteArray("kill -9 $$") << NecFehler::Lauf << QStringLiteral("abgebrochen");
        QTest::newRow("hängt") << QByteArray("exec sleep 30") << NecFehler::Lauf << QStringLiteral("länger als 0,3 s");
        QTest::newRow("schreibt nichts") << QByteArray("exit 0") << NecFehler::Lauf << QStringLiteral("keine lesbare Ausgabe");
        QTest::newRow("Unsinn") << QByteArray("seq 1 1000 > \"$4\"") << NecFehler::Ausgabe << QStringLiteral("unbrauchbar");
        QTest::newRow("Listing ohne Ende") << QByteArray("sed '/TOTAL RUN TIME/d' \"" NEC_AUSGABEN "/dipol.out\" > \"$4\"")
                                           << NecFehler::Ausgabe << QStringLiteral("vor dem Ende");
    }

    // Each fault is named, and nothing is kept from a run that did not complete.
    void stoerung()
    {
        QFETCH(QByteArray, skript);
        QFETCH(int, nummer);
        QFETCH(QString, grund);
        NecProzess prozess(300);
        VollwellenModell modell(prozess);
        {
            ErsatzMaschine ersatz(skript);
            try {
                modell.verhaeltnis(14.2f, 2.8f, 1.6f, 4);
                QFAIL("kein Fehler");
            } catch (const Failure& f) {
                QCOMPARE(f.number, nummer);
                QVERIFY2(f.description.contains(grund), qPrintable(f.description));
                QVERIFY(f.description.contains(QStringLiteral("Formel")) || f.description.contains(QStringLiteral("unbrauchbar")));
            }
        }
        // With the real engine back the same wire is computed, not taken from a cache.
        const int vorher = modell.laeufe();
        const double r = modell.verhaeltnis(14.2f, 2.8f, 1.6f, 4);
        QVERIFY(modell.laeufe() > vorher);
        QVERIFY(r > 0.9 && r < 1);
    }
};

QTEST_GUILESS_MAIN(TestVollwelle)
#include "test_vollwelle.moc"

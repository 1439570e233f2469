// The help's comparison of the insulation correction with published full-wave results: each
// cell pinned, so that a change to the correction fails here and is seen to change the help.

#include "cli/beamlauf.h"
#include "common/numberformat.h"
#include "doc/hilfezahlen.h"
#include "doc/isoliervergleich.h"
#include "tests/support/germanlocale.h"

#include <QtTest>

#include <algorithm>

class TestHilfeGenauigkeit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void vergleich_data();
    void vergleich();

private:
    HilfeZahlen zahlen;
};

void TestHilfeGenauigkeit::initTestCase()
{
    useGermanLocale();
    zahlen = genauigkeitZahlen();
}

void TestHilfeGenauigkeit::vergleich_data()
{
    QTest::addColumn<float>("mantel");
    QTest::addColumn<float>("er");
    QTest::addColumn<QString>("programm");
    QTest::addColumn<QString>("prozent");
    QTest::addColumn<QString>("kHz");
    // Thin sheaths: the program cuts shorter than the reference, the resonance lies too high.
    QTest::newRow("0,5 mm, εr 1,5") << 0.5f << 1.5f << "0,9877" << "−0,20 %" << "+28 kHz";
    QTest::newRow("0,5 mm, εr 2,0") << 0.5f << 2.0f << "0,9804" << "−0,39 %" << "+56 kHz";
    QTest::newRow("0,5 mm, εr 2,5") << 0.5f << 2.5f << "0,9754" << "−0,61 %" << "+87 kHz";
    QTest::newRow("0,5 mm, εr 3,0") << 0.5f << 3.0f << "0,9718" << "−0,77 %" << "+110 kHz";
    // Thicker sheaths: the program cuts longer, the resonance lies too low.
    QTest::newRow("1,0 mm, εr 1,5") << 1.0f << 1.5f << "0,9865" << "+0,44 %" << "−62 kHz";
    QTest::newRow("1,0 mm, εr 2,0") << 1.0f << 2.0f << "0,9785" << "+0,55 %" << "−78 kHz";
    QTest::newRow("1,0 mm, εr 2,5") << 1.0f << 2.5f << "0,9730" << "+0,50 %" << "−71 kHz";
    QTest::newRow("1,0 mm, εr 3,0") << 1.0f << 3.0f << "0,9689" << "+0,47 %" << "−66 kHz";
    QTest::newRow("2,0 mm, εr 1,5") << 2.0f << 1.5f << "0,9853" << "+1,38 %" << "−193 kHz";
    QTest::newRow("2,0 mm, εr 2,0") << 2.0f << 2.0f << "0,9765" << "+2,00 %" << "−278 kHz";
    QTest::newRow("2,0 mm, εr 2,5") << 2.0f << 2.5f << "0,9705" << "+2,30 %" << "−319 kHz";
    QTest::newRow("2,0 mm, εr 3,0") << 2.0f << 3.0f << "0,9661" << "+2,46 %" << "−341 kHz";
}

void TestHilfeGenauigkeit::vergleich()
{
    QFETCH(float, mantel);
    QFETCH(float, er);
    QFETCH(QString, programm);
    QFETCH(QString, prozent);
    QFETCH(QString, kHz);

    const QList<IsolierVergleich> liste = isolierVergleich();
    const auto zelle = std::find_if(liste.cbegin(), liste.cend(), [&](const IsolierVergleich& v) { return v.mantel == mantel && v.er == er; });
    QVERIFY(zelle != liste.cend());
    const IsolierVergleichTexte t = vergleichTexte(*zelle);
    QCOMPARE(t.programm, programm);
    QCOMPARE(t.prozent, prozent);
    QCOMPARE(t.kHz, kHz);

    // The help prints this very row.
    const QString zeile = QStringLiteral("<td align=\"center\">%1</td><td align=\"center\">%2</td>"
                                         "<td align=\"right\">%3</td><td align=\"right\">%4</td>")
                              .arg(t.referenz, programm, QString(prozent).replace(u' ', QStringLiteral("&nbsp;")),
                                   QString(kHz).replace(u' ', QStringLiteral("&nbsp;")));
    QVERIFY2(zahlen.value(QStringLiteral("gen_tabelle")).contains(zeile), qPrintable(zeile));

    // "Programm" is what the beam calculation really cuts: the insulated driven element over
    // the bare one at the same velocity factor.
    rechner::BeamEingaben blank;
    blank.frequenz = generalSingle(VergleichMHz, QStringLiteral(","));
    blank.vk = generalSingle(vergleichVk(), QStringLiteral(","));
    blank.leiter = generalSingle(VergleichLeiterMM, QStringLiteral(","));
    rechner::BeamEingaben isoliert = blank;
    isoliert.material = generalSingle(er, QStringLiteral(","));
    isoliert.aussen = generalSingle(zelle->aussen, QStringLiteral(","));
    const float lgdBlank = rechner::rechneBeam(blank, QDate::currentDate()).werte.out.LgD;
    const float lgdIsoliert = rechner::rechneBeam(isoliert, QDate::currentDate()).werte.out.LgD;
    QVERIFY2(std::fabs(double(lgdIsoliert) / lgdBlank - zelle->programm) < 1e-6,
             qPrintable(QString::number(double(lgdIsoliert) / lgdBlank, 'f', 7)));

    // The full-wave column meets the reference within a tenth of a percent, stands in the
    // table, and is what the beam calculation cuts with the full-wave model.
    QVERIFY2(std::fabs(zelle->vollwelleProzent) <= 0.1, qPrintable(t.vollwelleProzent));
    QVERIFY(zahlen.value(QStringLiteral("gen_tabelle"))
                .contains(QStringLiteral("<td align=\"center\">%1</td><td align=\"right\">%2</td></tr>")
                              .arg(t.vollwelle, QString(t.vollwelleProzent).replace(u' ', QStringLiteral("&nbsp;")))));
    isoliert.isolierung = IsolierModell::Vollwelle;
    const float lgdVollwelle = rechner::rechneBeam(isoliert, QDate::currentDate()).werte.out.LgD;
    QVERIFY2(std::fabs(double(lgdVollwelle) / lgdBlank - zelle->vollwelle) < 1e-6,
             qPrintable(QString::number(double(lgdVollwelle) / lgdBlank, 'f', 7)));
}

QTEST_GUILESS_MAIN(TestHilfeGenauigkeit)
#include "test_hilfegenauigkeit.moc"

#include "beam/insulation.h"
#include "calculators/messungtext.h"
#include "calculators/zusatzdipol_calc.h"
#include "cli/bauplan.h"
#include "plan/bauplandatei.h"
#include "plan/bauplangeometrie.h"
#include "plan/bauplanprotokoll.h"
#include "plan/bauplanzeichnung.h"
#include "common/cp1252.h"
#include "common/datetext.h"
#include "common/numbertext.h"
#include "vf/groundcorrection.h"
#include "tests/cli/rechnerlauf.h"
#include "tests/support/dateigrenze.h"
#include "tests/support/germanlocale.h"
#include "tests/support/analysatorsimulator.h"
#include "tests/support/s1pmodell.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QStringList args(const QString& line) { return line.split(u' ', Qt::SkipEmptyParts); }

QJsonObject json(const QString& text)
{
    QJsonParseError fehler;
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &fehler);
    if (fehler.error != QJsonParseError::NoError)
        qWarning() << fehler.errorString() << text;
    return doc.object();
}

// Whether the segment touches the rectangle.
bool schneidet(const QLineF& l, const QRectF& r)
{
    if (r.contains(l.p1()) || r.contains(l.p2()))
        return true;
    const QLineF kanten[] = {{r.topLeft(), r.topRight()}, {r.topRight(), r.bottomRight()},
                             {r.bottomRight(), r.bottomLeft()}, {r.bottomLeft(), r.topLeft()}};
    return std::any_of(std::begin(kanten), std::end(kanten), [&l](const QLineF& k) { return l.intersects(k) == QLineF::BoundedIntersection; });
}

QString rechteckText(const QRectF& r) { return QStringLiteral("[%1,%2 %3x%4]").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

QString stempel()
{
    return QStringLiteral("Berechnet am ") + kurzesDatum(QDate::currentDate()) + QStringLiteral(" mit Zentavik-Antennen-Berechnung 1.0.1");
}

bool nahe(double wert, double soll) { return std::fabs(wert - soll) <= 1.5e-6 * std::fabs(soll); }

} // namespace

class TestRechner : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        useGermanLocale();
        QVERIFY(dir.isValid());
        QDir::setCurrent(dir.path());
        // Sweeps of a dipole resonant at 14,1 MHz, and one resonant between two points.
        const auto schreibe = [this](const char* name, const QByteArray& inhalt) {
            QFile f(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(inhalt);
        };
        schreibe("dipol.s1p", s1pDatei(DipolModell(), Sweep()));
        schreibe("dipol_db_hz.s1p", s1pDatei(DipolModell(), Sweep{13.6e6, 14.6e6, 101, "Hz", "DB"}));
        schreibe("dipol_ma_khz.s1p", s1pDatei(DipolModell{14.0773e6}, Sweep{13.6e6, 14.6e6, 101, "kHz", "MA"}));
        schreibe("dipol_rauschen.s1p", s1pDatei(DipolModell(), Sweep{13.6e6, 14.6e6, 101, "MHz", "RI", 0.0003}));
        schreibe("kaputt.s1p", "# MHz S RI R 50\n14 0.1 0\n14.1 abc 0\n");
        schreibe("minimum_daneben.s1p", s1pMinimumNebenResonanz());
        schreibe("nanohertz.s1p", "# Hz S RI R 50\n14200000 0.1 0\n14200000.000000002 0 0\n14200000.000000004 0.1 0\n");
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("ordner.s1p")));
        QVERIFY(QFile::link(QStringLiteral("dipol.s1p"), dir.filePath(QStringLiteral("verweis.svg"))));
    }

    // The report lines the examples name, as standard output shows them.
    void beamText_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("14,2 bare SSB")
            << "beam --frequenz 14,2 --vk 0,95"
            << QStringList{"Antenne berechnet für SSB-Band: 14 MHz", "Resonanzfrequenz = 14,2 MHz / ",
                           "Gesamte Boomlänge: 7,06 m", "Größte Antennenbreite: ~ 5,49 m",
                           "Verkürzungsfaktor des Drahtes: 0,95", " LgD=10,905 m ", " LgR=11,363 m ", "",
                           " D=2,47 m ", " Vlg=3,486 m "};
        QTest::newRow("insulated, material by name")
            << "beam --frequenz 14,2 --vk 0,95 --material PE --aussen 2 --leiter 1,5"
            << QStringList{"(Zusatzverkürzung durch Drahtisolierung: 2,3   Polyethylen PE)", " LgD=10,686 m ",
                           " LgR=11,135 m ", " Bv=5,176 m ", " Bh=5,279 m ", " P=2,588 m (minus x)"};
        QTest::newRow("insulated, permittivity typed")
            << "beam --frequenz 14.2 --vk 0.95 --material 2.3 --aussen 2 --leiter 1.5"
            << QStringList{"(Zusatzverkürzung durch Drahtisolierung: 2.3)", " LgD=10,686 m "};
        QTest::newRow("outside every band")
            << "beam --frequenz 45 --bereich cw" << QStringList{"Antenne berechnet CW-Band: 0,0 MHz", "Resonanzfrequenz = 45,0 MHz / "};
        QTest::newRow("7 MHz band keeps its blank")
            << "beam --frequenz 7,1 --bereich mitte" << QStringList{"Antenne berechnet für Bandmitte:  7 MHz"};
        QTest::newRow("no frequency")
            << "beam --frequenz 0" << QStringList{"Antenne berechnet für SSB-Band: 50 MHz", "Resonanzfrequenz = 50,2 MHz / "};
        QTest::newRow("range alone moves the start frequency")
            << "beam --bereich cw" << QStringList{"Antenne berechnet CW-Band: 50 MHz", "Resonanzfrequenz = 50,09 MHz / "};
        QTest::newRow("factor 1 is bare wire")
            << "beam --vk 1" << QStringList{"Verkürzungsfaktor des Drahtes: 1,0"};
        QTest::newRow("factor 1 with air, which is bare wire too")
            << "beam --vk 1 --material 1,00059" << QStringList{"Verkürzungsfaktor des Drahtes: 1,0"};
        QTest::newRow("ground correction of the calculator")
            << "beam --frequenz 50,2 --hoehe 3 --leiter 3,57" << QStringList{"Verkürzungsfaktor des Drahtes: 0,9502"};
        QTest::newRow("ground correction, diameter of its own")
            << "beam --frequenz 14,2 --hoehe 10 --vk-durchmesser 2" << QStringList{"Verkürzungsfaktor des Drahtes: 0,9446"};
        QTest::newRow("ground correction alone starts the calculator")
            << "beam --frequenz 14,2 --erdbodenkorrektur" << QStringList{"Verkürzungsfaktor des Drahtes: 0,9429"};
    }
    void beamText()
    {
        QFETCH(QString, argumente);
        QFETCH(QStringList, zeilen);
        const RechnerLauf lauf = rechne(args(argumente));
        QCOMPARE(lauf.err, QString());
        QCOMPARE(lauf.status, 0);
        const QStringList ausgabe = lauf.out.split(u'\n');
        // 29 lines, three of them with an extra line end, no line 9 for bare wire.
        QCOMPARE(ausgabe.size(), 28 + int(lauf.out.contains(QStringLiteral("(Zusatzverkürzung"))) + 3 + 1);
        for (const QString& zeile : zeilen)
            QVERIFY2(ausgabe.contains(zeile), qPrintable(zeile + "\n---\n" + lauf.out));
        QVERIFY(!lauf.out.contains(u'\r'));
    }

    void beamJson_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<QString>("band");
        QTest::addColumn<double>("zusatz");
        QTest::addColumn<QList<double>>("werte");  // LgD LgR A Bv Bh LgBoom C gesLgBoom D P frD frR Vlg
        QTest::newRow("bare") << "beam --frequenz 14,2 --vk 0,95 --json" << "14" << 0.0
                              << QList<double>{10.90493, 11.3632, 2.640845, 5.28169, 5.387324, 5.28169, 0.887324,
                                               7.056338, 2.469718, 2.640845, 14.49513, 13.91088, 3.485916};
        QTest::newRow("insulated") << "beam --frequenz 14,2 --vk 0,95 --material 2,3 --aussen 2,0 --leiter 1,5 --json"
                                   << "14" << 0.0100383
                                   << QList<double>{10.686, 11.13507, 2.640845, 5.175652, 5.279165, 5.28169, 0.887324,
                                                    7.056338, 2.469718, 2.587826, 14.49513, 13.91088, 3.485916};
    }
    void beamJson()
    {
        QFETCH(QString, argumente);
        QFETCH(QString, band);
        QFETCH(double, zusatz);
        QFETCH(QList<double>, werte);
        const RechnerLauf lauf = rechne(args(argumente));
        QCOMPARE(lauf.status, 0);
        const QJsonObject o = json(lauf.out);
        QCOMPARE(o[u"band"][u"text"].toString(), band);
        QCOMPARE(o[u"texte"][u"frequenz"].toString(), QStringLiteral("14,2"));
        QCOMPARE(o[u"texte"][u"vk"].toString(), QStringLiteral("0,95"));
        QVERIFY(zusatz == 0 ? o[u"ZusatzVerkuerzung"].toDouble() == 0 : std::fabs(o[u"ZusatzVerkuerzung"].toDouble() - zusatz) < 1e-7);
        const char* namen[] = {"LgD", "LgR", "A", "Bv", "Bh", "LgBoom", "C", "gesLgBoom", "D", "P", "frD", "frR", "Vlg"};
        const QJsonObject w = o[u"werte"].toObject();
        QCOMPARE(w.size(), 13);
        for (int i = 0; i < 13; ++i) {
            const double wert = w[QLatin1String(namen[i])].toDouble();
            QVERIFY2(nahe(wert, werte[i]), namen[i]);
            // Written as the shortest text of the single-precision value, not of a double.
            const auto zahl = QRegularExpression(QStringLiteral("\"%1\": ([-0-9.e]+)").arg(namen[i])).match(lauf.out);
            QVERIFY(zahl.hasMatch());
            QCOMPARE(std::strtof(zahl.captured(1).toLatin1().constData(), nullptr), float(wert));
            QVERIFY2(zahl.captured(1).size() <= 10, qPrintable(zahl.captured(1)));
        }
    }

    // Bad input: status 2 and one German line naming the option; failures: status 3.
    void schlechteEingaben_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("letter in frequency") << "beam --frequenz 14a" << 2 << "zentavik-rechner: --frequenz: \"14a\" ist keine Zahl";
        QTest::newRow("minus sign") << "beam --aussen -2" << 2 << "zentavik-rechner: --aussen: \"-2\" ist keine Zahl";
        QTest::newRow("frequency too long") << "beam --frequenz 14,20000" << 2 << "zentavik-rechner: --frequenz: \"14,20000\" ist zu lang";
        QTest::newRow("factor above 1") << "beam --vk 1,5" << 2 << "zentavik-rechner: --vk: Bitte einen Verkürzungsfaktor von 0 - 1,0";
        QTest::newRow("factor 0") << "beam --vk 0" << 2 << "zentavik-rechner: --vk: Bitte einen Verkürzungsfaktor";
        QTest::newRow("factor empty") << "beam --vk=" << 2 << "zentavik-rechner: --vk: Bitte einen Verkürzungsfaktor";
        QTest::newRow("factor 1 with insulation") << "beam --vk 1 --material PVC" << 2 << "zentavik-rechner: --vk: ";
        QTest::newRow("permittivity above 20") << "beam --material 20,01" << 2 << "zentavik-rechner: --material: relative Dielektrizitätszahl über 20";
        QTest::newRow("conductor too thin") << "beam --material 2,3 --leiter 0,009" << 2 << "zentavik-rechner: --leiter: Durchmesser zu gering!";
        QTest::newRow("conductor not inside") << "beam --material 2,3 --aussen 2 --leiter 2" << 2 << "zentavik-rechner: --leiter: Durchmesser zu gering!";
        // Options the user did not type are named as the defaults they are.
        QTest::newRow("conductor not typed") << "beam --material 2,3 --aussen 2" << 2 << "zentavik-rechner: --leiter (Vorgabe 3,57): Durchmesser zu gering!";
        QTest::newRow("outer diameter not typed") << "beam --material 2,3 --leiter 0,009" << 2
                                                  << "zentavik-rechner: --leiter: Durchmesser zu gering! (Leiter mindestens 0,01 mm, "
                                                     "dünner als --aussen (Vorgabe 6))\n";
        QTest::newRow("unknown material") << "beam --material Beton" << 2 << "zentavik-rechner: --material: \"Beton\" ist weder eine Zahl";
        QTest::newRow("ambiguous material") << "beam --material PTFE" << 2 << "zentavik-rechner: --material: \"PTFE\" ist mehrdeutig: PTFE GY, PTFE GX, PTFE 3006";
        QTest::newRow("ambiguous other name") << "beam --material teflon" << 2 << "zentavik-rechner: --material: \"teflon\" ist mehrdeutig: PTFE GY, PTFE GX, PTFE 3006";
        QTest::newRow("unknown range") << "beam --bereich am" << 2 << "zentavik-rechner: --bereich: \"am\" ist keiner von cw, ssb, mitte";
        QTest::newRow("unknown insulation model") << "bauplan --isolierung nec4" << 2
                                                 << "zentavik-rechner: --isolierung: \"nec4\" ist keiner von formel, vollwelle";
        QTest::newRow("wire too thick for the full-wave model") << "beam --isolierung vollwelle --frequenz 3000 --material PVC --aussen 2,8 --leiter 1,6"
                                                                << 3 << "zentavik-rechner: Fehler 5: Das Vollwellenmodell kann diesen Draht nicht rechnen: bei 3000 MHz ist der Draht zu dick";
        QTest::newRow("height too small") << "beam --hoehe 0" << 2 << "zentavik-rechner: --hoehe: die Antennenhöhe muss mindestens 0,01 m betragen";
        QTest::newRow("unknown option") << "beam --frequency 14" << 2 << "zentavik-rechner: --frequency: unbekannte Option";
        QTest::newRow("missing value") << "beam --frequenz" << 2 << "zentavik-rechner: --frequenz: Wert fehlt";
        QTest::newRow("report file name empty") << "beam --datei=" << 2 << "zentavik-rechner: --datei: kein Dateiname angegeben\n";
        QTest::newRow("plan file name empty") << "bauplan --svg --datei=" << 2 << "zentavik-rechner: --datei: kein Dateiname angegeben\n";
        // A plan that cannot be built from is not drawn.
        QTest::newRow("plan with lengths of 0,000 m") << "bauplan --frequenz 99999" << 2 << "zentavik-rechner: --frequenz: bei 99999 MHz wäre A = 0,000 m;";
        QTest::newRow("plan at a million MHz") << "bauplan --frequenz 1000000" << 2 << "zentavik-rechner: --frequenz: bei 1000000 MHz wäre LgD = 0,000 m;";
        QTest::newRow("plan near 0 MHz") << "bauplan --frequenz 0,0001" << 2 << "zentavik-rechner: --frequenz: bei 0,0001 MHz ändert 1 cm Draht die Resonanz frD um weniger als 0,001 kHz";
        QTest::newRow("plan with a wire too short for the frame") << "bauplan --frequenz 14,2 --vk 0,85" << 2 << "zentavik-rechner: --vk: der Strahler (LgD = 9,757 m) ist zu kurz";
        QTest::newRow("plan near the ground too short for the frame") << "bauplan --frequenz 28,5 --material PE --aussen 6 --leiter 4 --hoehe 3"
                                                                       << 2 << "zentavik-rechner: --hoehe: der Strahler (LgD = ";
        QTest::newRow("stray argument") << "beam 14,2" << 2 << "zentavik-rechner: überzähliges Argument \"14,2\"";
        QTest::newRow("unknown command") << "antenne" << 2 << "zentavik-rechner: unbekannter Befehl \"antenne\"";
        QTest::newRow("switch given a value") << "beam --json=1" << 2 << "zentavik-rechner: --json: nimmt keinen Wert\n";
        QTest::newRow("help given a value") << "vk --help=ja" << 2 << "zentavik-rechner: --help: nimmt keinen Wert\n";
        // A value echoed back never reaches the terminal as a control sequence, nor splits the line.
        QTest::newRow("escape sequence echoed visibly") << "beam --bereich \x1b[31mrot" << 2
                                                        << "zentavik-rechner: --bereich: \"\\x1b[31mrot\" ist keiner von cw, ssb, mitte\n";
        QTest::newRow("line feed echoed visibly") << "beam --material Be\nton" << 2 << "zentavik-rechner: --material: \"Be\\x0aton\" ist weder";
        QTest::newRow("control character in a command") << "x\x07\u009b" << 2 << "zentavik-rechner: unbekannter Befehl \"x\\x07\\x9b\"";
        QTest::newRow("both table forms") << "baender --csv --json" << 2 << "zentavik-rechner: --csv: nur eines von --csv und --json";
        QTest::newRow("calculator without frequency") << "beam --frequenz 0 --hoehe 10" << 2 << "zentavik-rechner: --frequenz: der VF-Rechner braucht eine Frequenz über 0";
        QTest::newRow("calculator height empty") << "beam --hoehe=" << 2 << "zentavik-rechner: --hoehe: die Antennenhöhe muss mindestens 0,01 m betragen";
        QTest::newRow("calculator height no number") << "beam --hoehe abc" << 2 << "zentavik-rechner: --hoehe: \"abc\" ist keine Zahl\n";
        QTest::newRow("calculator height too large") << "beam --hoehe 1e39" << 2 << "zentavik-rechner: --hoehe: \"1e39\" ist zu groß\n";
        QTest::newRow("calculator height read as the program reads") << "beam --hoehe 0,005m" << 2
                                                                     << "zentavik-rechner: --hoehe: die Antennenhöhe muss mindestens 0,01 m betragen";
        // Twice the height beyond single precision would leave the calculator a diameter of 0:
        // its window refuses the height, so no calculation starts with it.
        const QString hoeheZuGross = QStringLiteral("zentavik-rechner: --hoehe: die Antennenhöhe ist zu groß: die doppelte Höhe ist nicht darstellbar\n");
        QTest::newRow("height refused before any failure") << "beam --hoehe 2e35" << 2 << hoeheZuGross;
        QTest::newRow("dipol height refused before any failure") << "dipol --resonanz 21 --unterste 14 --hoehe 2e35" << 2 << hoeheZuGross;
        QTest::newRow("band table height refused before any failure") << "baender --erdbodenkorrektur --hoehe 2e35" << 2 << hoeheZuGross;
        QTest::newRow("vk without frequency") << "vk --frequenz=" << 2 << "zentavik-rechner: --frequenz: die Frequenz fehlt";
        QTest::newRow("vk frequency no number") << "vk --frequenz x" << 2 << "zentavik-rechner: --frequenz: \"x\" ist keine Zahl\n";
        QTest::newRow("vk height too large") << "vk --hoehe 1E40" << 2 << "zentavik-rechner: --hoehe: \"1E40\" ist zu groß\n";
        QTest::newRow("vk negative frequency") << "vk --frequenz -14,2" << 2 << "zentavik-rechner: --frequenz: die Frequenz fehlt (0, negativ oder keine Zahl)";
        QTest::newRow("vk height too small") << "vk --hoehe 0,009" << 2 << "zentavik-rechner: --hoehe: die Antennenhöhe muss mindestens 0,01 m betragen";
        // A factor outside above 0 to 1, or a diameter limited to 0,0 mm, is never handed on.
        QTest::newRow("vk factor above 1") << "vk --frequenz 500" << 2
                                           << "zentavik-rechner: --frequenz: die Frequenz ergibt einen Verkürzungsfaktor von 1,035 (sinnvoll: über 0 bis 1)\n";
        QTest::newRow("vk diameter limited to 0,0") << "vk --frequenz 9999999" << 2
                                                    << "zentavik-rechner: --frequenz: die Frequenz ist zu hoch: der Drahtdurchmesser wäre 0,0 mm\n";
        QTest::newRow("vk height beyond the limits") << "vk --frequenz 14 --hoehe 3e38" << 2 << "zentavik-rechner: --hoehe: die Antennenhöhe ist zu groß";
        QTest::newRow("calculator factor above 1") << "beam --frequenz 3000 --hoehe 3" << 2
                                                   << "zentavik-rechner: --frequenz: die Frequenz ergibt einen Verkürzungsfaktor von 1,673";
        QTest::newRow("pruning without length") << "pruning --ist 14 --soll 14,2" << 2 << "zentavik-rechner: --laenge: die jetzige Antennenlänge fehlt";
        QTest::newRow("pruning without measurement") << "pruning --laenge 10,9 --soll 14,2" << 2 << "zentavik-rechner: --ist: die gemessene Resonanzfrequenz fehlt";
        QTest::newRow("pruning without wish") << "pruning --laenge 10,9 --ist 14 --soll 0" << 2 << "zentavik-rechner: --soll: die gewünschte Resonanzfrequenz fehlt";
        QTest::newRow("pruning wish no number") << "pruning --laenge 10,9 --ist 14 --soll abc" << 2 << "zentavik-rechner: --soll: \"abc\" ist keine Zahl\n";
        QTest::newRow("pruning length too large") << "pruning --laenge 1e39 --ist 14 --soll 14" << 2 << "zentavik-rechner: --laenge: \"1e39\" ist zu groß\n";
        QTest::newRow("pruning too far") << "pruning --laenge 10 --ist 6,6 --soll 10" << 2
                                         << "zentavik-rechner: --soll: zu weit von der gemessenen Resonanz: Ist/Soll muss zwischen 0,66 und 1,3 liegen\n";
        QTest::newRow("dipol without resonance") << "dipol --unterste 14" << 2
                                                 << "zentavik-rechner: --resonanz: die gewünschte Resonanzfrequenz des Zusatzdipols muss eine Zahl über 0 sein (nicht angegeben)";
        // The window beeps into the field: an additional dipole longer than the driven one.
        QTest::newRow("dipol resonance below the driven one") << "dipol --resonanz 12 --unterste 14" << 2
                                                              << "zentavik-rechner: --resonanz: die gewünschte Resonanzfrequenz muss über der untersten des "
                                                                 "Erreger-Dipols (--unterste) liegen\n";
        QTest::newRow("dipol resonance below the default lowest one") << "dipol --resonanz 21 --erdbodenkorrektur" << 2
                                                                      << "zentavik-rechner: --resonanz: die gewünschte Resonanzfrequenz muss über der untersten des "
                                                                         "Erreger-Dipols (Vorgabe von --unterste: 50,2 MHz) liegen\n";
        QTest::newRow("dipol resonance no number") << "dipol --resonanz x21 --unterste 14" << 2 << "zentavik-rechner: --resonanz: \"x21\" ist keine Zahl\n";
        QTest::newRow("dipol without lowest resonance") << "dipol --resonanz 21" << 2
                                                        << "zentavik-rechner: --unterste: die unterste Resonanzfrequenz des Erreger-Dipols muss eine Zahl über 0 sein (nicht angegeben)";
        QTest::newRow("dipol lowest resonance checked first") << "dipol --resonanz x --unterste -14" << 2 << "zentavik-rechner: --unterste: ";
        QTest::newRow("dipol impedance text") << "dipol --resonanz 21 --unterste 14 --impedanz 0 --durchmesser 0" << 2
                                              << "zentavik-rechner: --impedanz: die gewünschte Impedanz im Speisepunkt muss eine Zahl über 0 sein\n";
        QTest::newRow("dipol driven wire checked before the other") << "dipol --resonanz 21 --unterste 14 --erreger-durchmesser 0 --durchmesser 0" << 2
                                                                    << "zentavik-rechner: --erreger-durchmesser: der Drahtdurchmesser des Erreger-Dipols muss eine Zahl über 0 sein\n";
        QTest::newRow("dipol additional wire zero") << "dipol --resonanz 21 --unterste 14 --durchmesser 0" << 2
                                                    << "zentavik-rechner: --durchmesser: der Drahtdurchmesser des Zusatzdipols muss eine Zahl über 0 sein\n";
        QTest::newRow("dipol wire from the conductor") << "dipol --resonanz 21 --unterste 14 --leiter 0" << 2
                                                       << "zentavik-rechner: --erreger-durchmesser: der Drahtdurchmesser des Erreger-Dipols muss eine Zahl über 0 sein (Vorgabe aus --leiter)";
        QTest::newRow("dipol resonance zero, calculator active") << "dipol --resonanz 0 --hoehe 10" << 2
                                                                 << "zentavik-rechner: --resonanz: die gewünschte Resonanzfrequenz des Zusatzdipols muss eine Zahl über 0 sein\n";
        QTest::newRow("dipol wire thicker than half the height") << "dipol --resonanz 21 --unterste 14 --hoehe 0,5 --erreger-durchmesser 250,1" << 2
                                                                 << "zentavik-rechner: --erreger-durchmesser: der Draht darf höchstens 250,0 mm dick sein (halb so dick wie die Antennenhöhe, --hoehe)\n";
        QTest::newRow("dipol wire thicker than half the default height") << "dipol --resonanz 60 --unterste 50 --erdbodenkorrektur --erreger-durchmesser 2000" << 2
                                                                         << "zentavik-rechner: --erreger-durchmesser: der Draht darf höchstens 1500,0 mm dick sein "
                                                                            "(halb so dick wie die Antennenhöhe, Vorgabe von --hoehe: 3,0 m)\n";
        // No height given: the message must not send the user to an option never typed.
        QTest::newRow("dipol wire limit without calculator") << "dipol --resonanz 21 --unterste 14 --erreger-durchmesser 1e20" << 2
                                                             << "zentavik-rechner: --erreger-durchmesser: der Draht darf höchstens 714285,7 mm dick sein\n";
        QTest::newRow("dipol wire not thinner than the gap") << "dipol --resonanz 21 --unterste 14 --impedanz 16 --durchmesser 5 --erreger-durchmesser 2" << 2
                                                             << "zentavik-rechner: --durchmesser: der Draht muss dünner sein als die Lücke zwischen den Drähten, hier 4,93 mm\n";
        QTest::newRow("dipol gap thinner than the wire") << "dipol --resonanz 21 --unterste 14 --impedanz 10 --durchmesser 5 --erreger-durchmesser 2" << 2
                                             << "zentavik-rechner: --durchmesser: der Draht muss dünner sein als die Lücke zwischen den Drähten, hier 1,77 mm";
        QTest::newRow("dipol wire from the conductor not thinner than the gap") << "dipol --resonanz 21 --unterste 14 --impedanz 10 --leiter 5 --erreger-durchmesser 2" << 2
                                                                               << "zentavik-rechner: --durchmesser (Vorgabe aus --leiter): der Draht muss dünner sein als die Lücke";
        QTest::newRow("dipol wire fills the gap") << "dipol --resonanz 21 --unterste 14 --impedanz 1 --durchmesser 5 --erreger-durchmesser 2" << 2
                                                  << "zentavik-rechner: --durchmesser: zwischen den Drähten bleibt keine Lücke";
        QTest::newRow("dipol factor above 1") << "dipol --resonanz 21 --unterste 14 --vk 1,2" << 2 << "zentavik-rechner: --vk: Bitte einen Verkürzungsfaktor";
        QTest::newRow("dipol own factor checked beside the beam's") << "dipol --resonanz 21 --unterste 14 --vk 1,5 --beam-vk 0,96" << 2
                                                                    << "zentavik-rechner: --vk: Bitte einen Verkürzungsfaktor";
        QTest::newRow("dipol beam factor above 1") << "dipol --resonanz 21 --unterste 14 --vk 0,95 --beam-vk 1,2" << 2 << "zentavik-rechner: --beam-vk: Bitte einen Verkürzungsfaktor";
        QTest::newRow("dipol insulation too thin") << "dipol --resonanz 21 --unterste 14 --material PE --aussen 2 --leiter 2" << 2
                                                   << "zentavik-rechner: --leiter: Durchmesser zu gering!";
        QTest::newRow("dipol calculator height") << "dipol --resonanz 21 --unterste 14 --hoehe 0,001" << 2
                                                 << "zentavik-rechner: --hoehe: die Antennenhöhe muss mindestens 0,01 m betragen";
        QTest::newRow("dipol impedance overflows") << "dipol --resonanz 21 --unterste 14 --impedanz 1000000000000000000000000000000000000000000" << 3
                                                   << "zentavik-rechner: Fehler 6: Überlauf. Bitte kleinere Werte verwenden.";
        QTest::newRow("sweep with a bad line") << "messung kaputt.s1p" << 2 << "zentavik-rechner: \"kaputt.s1p\": Zeile 3: \"abc\" ist keine Zahl\n";
        QTest::newRow("sweep is a folder") << "messung ordner.s1p" << 2 << "zentavik-rechner: \"ordner.s1p\" ist ein Verzeichnis, keine Datei.\n";
        QTest::newRow("sweep not found") << "pruning --laenge 10,9 --messung fehlt.s1p --soll 14,2" << 2
                                         << "zentavik-rechner: --messung: Datei nicht gefunden: \"fehlt.s1p\" Datei oder Verzeichnis nicht gefunden\n";
        QTest::newRow("sweep missing") << "messung --json" << 2 << "zentavik-rechner: keine Messdatei angegeben";
        QTest::newRow("two sweeps") << "messung dipol.s1p kaputt.s1p" << 2 << "zentavik-rechner: überzähliges Argument \"kaputt.s1p\"";
        QTest::newRow("plot into a folder") << "messung dipol.s1p --svg ordner.s1p" << 3 << "zentavik-rechner: Fehler ";
        // The plot never takes the place of its own sweep, named directly or through a link.
        QTest::newRow("plot over its own sweep") << "messung dipol.s1p --svg dipol.s1p" << 2
                                                 << "zentavik-rechner: --svg: \"dipol.s1p\" ist die Messdatei selbst; sie wird nicht überschrieben\n";
        QTest::newRow("plot over its sweep through a link") << "messung --svg verweis.svg ./dipol.s1p" << 2
                                                            << "zentavik-rechner: --svg: \"verweis.svg\" ist die Messdatei selbst; sie wird nicht überschrieben\n";
        QTest::newRow("sweep narrower than a hertz") << "messung nanohertz.s1p --svg eng.svg" << 2
                                                     << "zentavik-rechner: \"nanohertz.s1p\": Zeile 4: der Sweep überstreicht nur 3,73E-09 Hz";
        QTest::newRow("sweep wanted 0") << "messung dipol.s1p --soll 0" << 2 << "zentavik-rechner: --soll: die gewünschte Resonanz muss größer als 0 sein\n";
        QTest::newRow("sweep wanted negative") << "messung dipol.s1p --soll -14,2" << 2 << "zentavik-rechner: --soll: die gewünschte Resonanz muss größer als 0 sein\n";
        QTest::newRow("sweep wanted beyond any analyser") << "messung dipol.s1p --soll 1e30" << 2
                                                          << "zentavik-rechner: --soll: die gewünschte Resonanz ist zu hoch (höchstens 1000000 MHz)\n";
        QTest::newRow("pruning from a bad sweep") << "pruning --laenge 10,9 --messung kaputt.s1p --soll 14,2" << 2
                                                  << "zentavik-rechner: --messung: \"kaputt.s1p\": Zeile 3: \"abc\" ist keine Zahl\n";
        QTest::newRow("analyser: no such port") << "messung --geraet /dev/ttyZentavikFehlt --soll 14,2" << 2
                                                << "zentavik-rechner: --geraet: Den Anschluss „/dev/ttyZentavikFehlt“ gibt es nicht.";
        QTest::newRow("analyser: no range") << "messung --geraet /dev/ttyACM0" << 2
                                            << "zentavik-rechner: --geraet: den Messbereich mit --von und --bis angeben oder seine Mitte mit --soll\n";
        QTest::newRow("analyser: --von alone") << "messung --geraet /dev/ttyACM0 --von 14" << 2
                                               << "zentavik-rechner: --bis: --von und --bis gehören zusammen\n";
        QTest::newRow("analyser: range upside down") << "messung --geraet /dev/ttyACM0 --von 14,5 --bis 14" << 2
                                                     << "zentavik-rechner: --von: Der Messbereich endet nicht über seinem Anfang";
        QTest::newRow("analyser: too many points") << "messung --geraet /dev/ttyACM0 --von 14 --bis 14,5 --punkte 1001" << 2
                                                   << "zentavik-rechner: --punkte: 1001 Messpunkte: möglich sind 11 bis 401.\n";
        QTest::newRow("analyser: points no number") << "messung --geraet /dev/ttyACM0 --soll 14 --punkte 1e2" << 2
                                                    << "zentavik-rechner: --punkte: keine ganze Zahl\n";
        QTest::newRow("analyser and file") << "messung dipol.s1p --geraet /dev/ttyACM0" << 2
                                           << "zentavik-rechner: --geraet: entweder eine Messdatei oder --geraet angeben, nicht beide\n";
        QTest::newRow("saving a sweep from a file") << "messung dipol.s1p --s1p neu.s1p" << 2 << "zentavik-rechner: --s1p: gilt nur mit --geraet\n";
        QTest::newRow("pruning from analyser without wanted") << "pruning --laenge 10,9 --geraet /dev/ttyACM0" << 2
                                                              << "zentavik-rechner: --soll: mit --geraet nötig: die Mitte des Messbereichs\n";
        QTest::newRow("pruning from analyser and file") << "pruning --laenge 10,9 --geraet /dev/ttyACM0 --messung dipol.s1p --soll 14,2" << 2
                                                        << "zentavik-rechner: --geraet: entweder --messung oder --geraet angeben, nicht beide\n";
        QTest::newRow("pruning from sweep and typed") << "pruning --laenge 10,9 --messung dipol.s1p --ist 14 --soll 14,2" << 2
                                                      << "zentavik-rechner: --messung: entweder --ist oder --messung angeben, nicht beide\n";
        // Insulation that shortens each half by more than a half leaves no wire to cut.
        const QString keinDraht = QStringLiteral("zentavik-rechner: --material, --aussen, --leiter, --vk: Fehler 5: Die Zusatzverkürzung durch "
                                                 "die Drahtisolierung ist zu groß: die Drahtlängen wären nicht positiv.\n");
        QTest::newRow("insulation leaves no wire") << "beam --frequenz 14,2 --vk 0,01 --material 20 --aussen 100 --leiter 1" << 3 << keinDraht;
        QTest::newRow("build plan without wire") << "bauplan --frequenz 14,2 --vk 0,01 --material 20 --aussen 100 --leiter 1" << 3 << keinDraht;
        QTest::newRow("permittivity overflows") << "beam --material 1000000000000000000000000000000000000000000" << 3
                                                << "zentavik-rechner: Fehler 6: Überlauf. Bitte kleinere Werte verwenden.";
    }
    void schlechteEingaben()
    {
        QFETCH(QString, argumente);
        QFETCH(int, status);
        QFETCH(QString, meldung);
        const RechnerLauf lauf = rechne(args(argumente));
        QCOMPARE(lauf.status, status);
        QVERIFY2(lauf.err.startsWith(meldung), qPrintable(lauf.err));
        QCOMPARE(lauf.err.count(u'\n'), 1);
        QVERIFY(lauf.err.endsWith(u'\n'));
        QCOMPARE(lauf.out, QString());
    }

    // Typing the conductor diameter into the form raises the outer one; a given one stays.
    void conductorRaisesOuterDiameter()
    {
        const QJsonObject erhoeht = json(rechne(args("beam --material 2,3 --leiter 6 --vk 0,95 --json")).out);
        QCOMPARE(erhoeht[u"eingaben"][u"aussen"].toString(), QStringLiteral("6,1"));
        const QJsonObject gegeben = json(rechne(args("beam --material 2,3 --aussen 6,1 --leiter 6 --vk 0,95 --json")).out);
        QCOMPARE(erhoeht[u"werte"], gegeben[u"werte"]);
        QCOMPARE(json(rechne(args("beam --material 2,3 --leiter 2 --json")).out)[u"eingaben"][u"aussen"].toString(), QStringLiteral("6"));
        QCOMPARE(rechne(args("beam --material 2,3 --aussen 5 --leiter 6")).status, 2);
    }

    // Leaving the factor field at exactly 1 switches the insulation off, as the form does.
    void factorOneIsBareWire()
    {
        const QJsonObject o = json(rechne(args("beam --vk 1 --json")).out);
        QCOMPARE(o[u"eingaben"][u"material"].toString(), QStringLiteral("1,0"));
        QCOMPARE(json(rechne(args("beam --vk 0,999 --json")).out)[u"eingaben"][u"material"].toString(), QStringLiteral("1,00059 Luft"));
    }

    // The calculator's examples, and what it hands to the beam form.
    void vkCalculator_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<QStringList>("texte");  // slenderness, ground, factor, hand-over
        QTest::addColumn<double>("ergebnis");
        QTest::newRow("start values") << "vk" << QStringList{"3,7", "2,8", "0,95", "0,9502"} << 0.950224;
        QTest::newRow("6 m at 3 m") << "vk --frequenz 50,2 --hoehe 3 --durchmesser 3,57" << QStringList{"3,7", "2,8", "0,95", "0,9502"} << 0.950224;
        QTest::newRow("ground correction") << "vk --frequenz 50,2 --hoehe 3 --durchmesser 3,57 --erdbodenkorrektur"
                                           << QStringList{"3,7", "2,7", "0,95", "0,9503"} << 0.950291;
        QTest::newRow("20 m at 10 m") << "vk --frequenz 14,2 --hoehe 10 --durchmesser 2" << QStringList{"2,9", "3,1", "0,945", "0,9446"} << 0.944638;
        QTest::newRow("40 m") << "vk --frequenz 7,1 --hoehe 10 --durchmesser 2,5" << QStringList{"2,8", "8,2", "0,894", "0,8944"} << 0.894399;
    }
    void vkCalculator()
    {
        QFETCH(QString, argumente);
        QFETCH(QStringList, texte);
        QFETCH(double, ergebnis);
        const RechnerLauf lauf = rechne(args(argumente + " --json"));
        QCOMPARE(lauf.status, 0);
        const QJsonObject o = json(lauf.out);
        const QJsonObject t = o[u"texte"].toObject();
        QCOMPARE((QStringList{t[u"schlankheit"].toString(), t[u"erdboden"].toString(), t[u"vk"].toString(), t[u"uebergabe"].toString()}), texte);
        QVERIFY(nahe(o[u"werte"][u"VkErgebnis"].toDouble(), ergebnis));
        const RechnerLauf text = rechne(args(argumente));
        QVERIFY(text.out.contains(QStringLiteral("voraussichtlicher Verkürzungsfaktor: ") + texte[2] + u'\n'));
        QVERIFY(text.out.contains(QStringLiteral("Übergabe an die Zentavik-Berechnung: ") + texte[3] + u'\n'));
    }

    // A result outside its usual range says so, a corrected diameter is shown and flagged.
    void vkMarksWhatIsOutOfRange_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<bool>("korrigiert");
        QTest::newRow("ground shortening below 2")
            << "vk --frequenz 14,2 --hoehe 0,5 --durchmesser 2"
            << QStringList{"Drahtdurchmesser: 2 mm", "Verkürzung in % durch Schlankheitsgrad: 2,9",
                           "Verkürzung in % durch Antennenhöhe: 0,2 (außerhalb 2 - 10)"} << false;
        QTest::newRow("slenderness shortening above 9")
            << "vk --frequenz 14,2 --hoehe 3 --durchmesser 7000"
            << QStringList{"Drahtdurchmesser: 6000,0 mm", "Verkürzung in % durch Schlankheitsgrad: 21,6 (außerhalb 2 - 9)",
                           "Verkürzung in % durch Antennenhöhe: 4,8"} << true;
    }
    void vkMarksWhatIsOutOfRange()
    {
        QFETCH(QString, argumente);
        QFETCH(QStringList, zeilen);
        const QStringList ausgabe = rechne(args(argumente)).out.split(u'\n');
        for (const QString& zeile : zeilen)
            QVERIFY2(ausgabe.contains(zeile), qPrintable(zeile));
        QTEST(json(rechne(args(argumente + " --json")).out)[u"durchmesser_korrigiert"].toBool(), "korrigiert");
    }

    // The calculator's result is the factor the beam calculation uses at the same frequency.
    void calculatorAndBeamAgree_data()
    {
        QTest::addColumn<QString>("vk");
        QTest::addColumn<QString>("beam");
        QTest::newRow("6 m") << "vk --frequenz 50,2 --hoehe 3 --durchmesser 3,57" << "beam --frequenz 50,2 --hoehe 3";
        QTest::newRow("20 m, correction on") << "vk --frequenz 14,2 --hoehe 0,5 --durchmesser 2 --erdbodenkorrektur"
                                             << "beam --frequenz 14,2 --hoehe 0,5 --vk-durchmesser 2 --erdbodenkorrektur";
        QTest::newRow("corrected diameter") << "vk --frequenz 14,2 --hoehe 10 --durchmesser 0" << "beam --frequenz 14,2 --hoehe 10 --vk-durchmesser 0";
    }
    void calculatorAndBeamAgree()
    {
        QFETCH(QString, vk);
        QFETCH(QString, beam);
        RechnerLauf rechner = rechne(args(vk + " --json"));
        const RechnerLauf lauf = rechne(args(beam + " --json"));
        QCOMPARE(lauf.status, 0);
        QCOMPARE(json(lauf.out)[u"texte"][u"vk"].toString(), json(rechner.out)[u"texte"][u"uebergabe"].toString());
        QCOMPARE(lauf.err, rechner.err.replace(QStringLiteral("--durchmesser"), QStringLiteral("--vk-durchmesser")));
    }

    // The window's example and what it shows; the rewritten factor and the low-resonance warning.
    void dipolText_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("hinweis");
        QTest::newRow("example") << "dipol --resonanz 21 --unterste 14 --durchmesser 2 --erreger-durchmesser 2 --vk 0,95"
                                 << QStringList{"Zusatzdipol", "  gewünschte Resonanzfrequenz [MHz]: 21", "  gewünschte Impedanz im Speisepunkt [Ohm]: 300",
                                                "  Draht-Durchmesser [mm]: 2", "  Abstand zwischen den Antennendrähten [mm]: 237",
                                                "  Länge Zusatzdipol [m]: 6,786", "Erreger-Dipol (Stromsummenantenne o.ä.)",
                                                "  unterste Resonanzfrequenz [MHz]: 14", "  Draht-Durchmesser [mm]: 2", "  Verkürzungsfaktor: 0,95", ""}
                                 << "";
        QTest::newRow("both wires from the conductor, point accepted") << "dipol --resonanz 21.0 --unterste 14 --leiter 2 --vk 0.950"
                                                                       << QStringList{"  Abstand zwischen den Antennendrähten [mm]: 237", "  Verkürzungsfaktor: 0,95"} << "";
        QTest::newRow("factor of the beam form's start") << "dipol --resonanz 21 --unterste 14 --leiter 2"
                                                         << QStringList{"  Verkürzungsfaktor: 1,00", "  Länge Zusatzdipol [m]: 7,143"} << "";
        QTest::newRow("factor 0,9 gets two decimals") << "dipol --resonanz 21 --unterste 14 --vk 0,9" << QStringList{"  Verkürzungsfaktor: 0,90"} << "";
        QTest::newRow("insulation named") << "dipol --resonanz 21 --unterste 14 --leiter 2 --vk 0,95 --material PE --aussen 2,5"
                                          << QStringList{"Zusatzverkürzung durch Drahtisolierung: 1,043 % (2,3   Polyethylen PE)"} << "";
        QTest::newRow("calculator wire corrected, never typed") << "dipol --resonanz 21 --unterste 14 --hoehe 10 --leiter 0"
                                                                << QStringList{"  Draht-Durchmesser [mm]: 0,1"}
                                                                << "zentavik-rechner: Hinweis: --vk-durchmesser (Vorgabe 0 aus --leiter): auf 0,1 mm korrigiert\n";
    }
    void dipolText()
    {
        QFETCH(QString, argumente);
        QFETCH(QStringList, zeilen);
        QFETCH(QString, hinweis);
        const RechnerLauf lauf = rechne(args(argumente));
        QCOMPARE(lauf.status, 0);
        QCOMPARE(lauf.err, hinweis);
        const QStringList ausgabe = lauf.out.split(u'\n');
        for (const QString& zeile : zeilen)
            QVERIFY2(ausgabe.contains(zeile), qPrintable(zeile + "\n---\n" + lauf.out));
        if (zeilen.size() > 10)
            QCOMPARE(ausgabe, zeilen);
    }

    void dipolJson()
    {
        const RechnerLauf lauf = rechne(args("dipol --resonanz 21 --unterste 14 --durchmesser 2 --erreger-durchmesser 2 --vk 0,950 --json"));
        QCOMPARE(lauf.status, 0);
        const QJsonObject o = json(lauf.out);
        QCOMPARE(o[u"eingaben"][u"vk"].toString(), QStringLiteral("0,950"));
        QCOMPARE(o[u"eingaben"][u"impedanz"].toString(), QStringLiteral("300"));
        QCOMPARE(o[u"eingaben"][u"material"].toString(), QStringLiteral("1,00059 Luft"));
        QVERIFY(!o[u"eingaben"].toObject().contains(u"hoehe"));
        QCOMPARE(o[u"texte"][u"vk"].toString(), QStringLiteral("0,95"));
        QCOMPARE(o[u"texte"][u"abstand"].toString(), QStringLiteral("237"));
        QCOMPARE(o[u"texte"][u"laenge"].toString(), QStringLiteral("6,786"));
        QCOMPARE(o[u"resonanz_unter_erreger"].toBool(), false);
        QCOMPARE(o[u"ZusatzVerkuerzung"].toDouble(), 0.0);
        QVERIFY(nahe(o[u"werte"][u"abstand_mm"].toDouble(), 237.20485));
        QVERIFY(nahe(o[u"werte"][u"laenge_m"].toDouble(), 300.0 / 21 / 2 * 0.95));
        QVERIFY(nahe(o[u"werte"][u"vk_erreger"].toDouble(), 0.95));
        QVERIFY(lauf.out.contains(QStringLiteral("\"laenge_m\": 6.785714,")));
    }

    // A field takes any text, and the JSON document carries it back unchanged and valid.
    void jsonKeepsEveryText_data()
    {
        QTest::addColumn<QString>("resonanz");
        QTest::newRow("double quote") << "21\"";
        QTest::newRow("quote closing the member") << "21\", \"laenge\": \"1";
        QTest::newRow("backslash") << "21\\";
        QTest::newRow("control characters") << "21\t\x01\x1b[0m";
        QTest::newRow("beyond the basic plane") << QString::fromUtf8("21 \xF0\x9F\x93\xA1");
    }
    void jsonKeepsEveryText()
    {
        QFETCH(QString, resonanz);
        const RechnerLauf lauf = rechne({QStringLiteral("dipol"), QStringLiteral("--resonanz"), resonanz, QStringLiteral("--unterste"),
                                         QStringLiteral("14"), QStringLiteral("--json")});
        QCOMPARE(lauf.status, 0);
        QJsonParseError fehler;
        const QJsonDocument doc = QJsonDocument::fromJson(lauf.out.toUtf8(), &fehler);
        QVERIFY2(fehler.error == QJsonParseError::NoError, qPrintable(fehler.errorString() + u'\n' + lauf.out));
        QCOMPARE(doc[u"eingaben"][u"resonanz"].toString(), resonanz);
        QCOMPARE(doc[u"texte"][u"laenge"].toString(), QStringLiteral("7,143"));
    }

    // Insulation and ground correction change the result as they change the window's: the
    // shortening of the beam's shared function and the calculator's state, on the same texts.
    void dipolLikeWindow_data()
    {
        QTest::addColumn<QString>("optionen");
        // Er, outer, conductor diameter, and the beam's factor where it is not the dipole's; empty: bare
        QTest::addColumn<QList<float>>("isolierung");
        QTest::addColumn<QStringList>("rechner");      // height, diameter, "an"/"aus"; empty: not active
        QTest::addColumn<QStringList>("felder");       // Text1 .. Text6 as the window holds them
        QTest::newRow("bare") << "--vk 0,95 --leiter 2" << QList<float>{} << QStringList{}
                              << QStringList{"21", "14", "300", "2", "2", "0,95"};
        QTest::newRow("polyethylene") << "--vk 0,95 --leiter 2 --material PE --aussen 2,5" << QList<float>{2.3f, 2.5f, 2.0f}
                                      << QStringList{} << QStringList{"21", "14", "300", "2", "2", "0,95"};
        QTest::newRow("PVC, wires of their own") << "--vk 0,9 --material PVC --aussen 3 --leiter 1,5 --durchmesser 1 --erreger-durchmesser 2,5"
                                                 << QList<float>{4.0f, 3.0f, 1.5f} << QStringList{} << QStringList{"21", "14", "300", "1", "2,5", "0,9"};
        QTest::newRow("ground, calculator wire") << "--hoehe 10 --leiter 2" << QList<float>{} << QStringList{"10", "2", "aus"}
                                                 << QStringList{"21", "14", "300", "2", "2", "0,946"};
        QTest::newRow("ground corrected, low") << "--hoehe 4 --vk-durchmesser 1,5 --erdbodenkorrektur --impedanz 200" << QList<float>{}
                                               << QStringList{"4", "1,5", "an"} << QStringList{"21", "14", "200", "1,5", "1,5", "0,946"};
        QTest::newRow("ground and insulation") << "--hoehe 8 --leiter 1,5 --material PE --aussen 2,5 --vk 0,95" << QList<float>{2.3f, 2.5f, 1.5f}
                                               << QStringList{"8", "1,5", "aus"} << QStringList{"21", "14", "300", "1,5", "1,5", "0,95"};
        // The beam whose insulation shortening the dipole takes computes with a factor of its own.
        QTest::newRow("beam factor of its own") << "--vk 0,95 --beam-vk 0,96 --leiter 2 --material PE --aussen 2,5"
                                                << QList<float>{2.3f, 2.5f, 2.0f, 0.96f} << QStringList{}
                                                << QStringList{"21", "14", "300", "2", "2", "0,95"};
        QTest::newRow("beam factor alone is the dipole's too") << "--beam-vk 0,96 --leiter 2 --material PE --aussen 2,5"
                                                               << QList<float>{2.3f, 2.5f, 2.0f, 0.96f} << QStringList{}
                                                               << QStringList{"21", "14", "300", "2", "2", "0,96"};
        QTest::newRow("beam factor of its own, ground corrected") << "--hoehe 8 --leiter 1,5 --material PE --aussen 2,5 --vk 0,95 --beam-vk 0,97"
                                                                  << QList<float>{2.3f, 2.5f, 1.5f, 0.97f} << QStringList{"8", "1,5", "aus"}
                                                                  << QStringList{"21", "14", "300", "1,5", "1,5", "0,95"};
    }
    void dipolLikeWindow()
    {
        QFETCH(QString, optionen);
        QFETCH(QList<float>, isolierung);
        QFETCH(QStringList, rechner);
        QFETCH(QStringList, felder);
        const RechnerLauf lauf = rechne(args("dipol --resonanz 21 --unterste 14 --json " + optionen));
        QCOMPARE(lauf.status, 0);
        const QJsonObject o = json(lauf.out);

        FakeVkRechner vk;
        if (!rechner.isEmpty()) {
            vk.hoehe = rechner[0];
            vk.durchmesser = rechner[1];
            vk.korrektur = rechner[2] == QStringLiteral("an");
        }
        VkRechnerZustand* zustand = rechner.isEmpty() ? nullptr : &vk;
        double zusatz = 0;
        if (!isolierung.isEmpty()) {
            // The beam calculation at the driven dipole's frequency, with its factor corrected
            // for the ground while the calculator is active.
            const float beamVk = isolierung.size() > 3 ? isolierung[3] : ZahlAusText(felder[5]);
            const float p = ErdbodenKorrektur(14.0f, 0, float((1.0 - beamVk) * 100.0), zustand);
            zusatz = IsolierKorrektur(isolierung[0], isolierung[1], isolierung[2], float(1.0 - p / 100.0));
            QVERIFY(zusatz > 0);
        }
        QCOMPARE(o[u"ZusatzVerkuerzung"].toDouble(), zusatz);
        const ZusatzDipolEingaben e{felder[0], felder[1], felder[2], felder[3], felder[4], felder[5]};
        const ZusatzDipolErgebnis fenster = ZusatzDipolRechnen(e, zusatz, zustand, QStringLiteral(","));
        QVERIFY(fenster.gerechnet);
        QCOMPARE(o[u"texte"][u"abstand"].toString(), *fenster.label8);
        QCOMPARE(o[u"texte"][u"laenge"].toString(), *fenster.label10);
        QCOMPARE(o[u"texte"][u"vk"].toString(), *fenster.text6);
        QCOMPARE(float(o[u"werte"][u"laenge_m"].toDouble()), fenster.laenge);

        // And the options made a difference: without them the plain window's result differs.
        if (!isolierung.isEmpty() || zustand) {
            const ZusatzDipolErgebnis ohne = ZusatzDipolRechnen(e, 0, nullptr, QStringLiteral(","));
            QVERIFY(ohne.laenge != fenster.laenge);
        }
    }

    // The whole document, byte for byte: key order, layout and the shortest single-precision
    // numbers are what scripts rely on.
    void calculatorJsonDocument_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<QString>("dokument");
        QTest::newRow("vk") << "vk --frequenz 14,2 --hoehe 10 --durchmesser 2 --json" << QString::fromUtf8(R"({
  "eingaben": {
    "frequenz": "14,2",
    "hoehe": "10",
    "durchmesser": "2",
    "erdbodenkorrektur": false
  },
  "texte": {
    "durchmesser": "2",
    "schlankheit": "2,9",
    "erdboden": "3,1",
    "vk": "0,945",
    "uebergabe": "0,9446"
  },
  "durchmesser_korrigiert": false,
  "schlankheit_ausserhalb": false,
  "erdboden_ausserhalb": false,
  "werte": {
    "f": 14.2,
    "h": 10,
    "d": 2,
    "s": 2.9338782,
    "g": 3.0699143,
    "v": 0.9408628,
    "c": 0.003775051,
    "VkErgebnis": 0.94463784
  }
}
)");
        QTest::newRow("pruning") << "pruning --laenge 10,9 --ist 14 --soll 14,2 --json" << QString::fromUtf8(R"({
  "eingaben": {
    "laenge": "10,9",
    "ist": "14",
    "soll": "14,2"
  },
  "texte": {
    "vf_gesamt": "0,936",
    "laenge_neu": "10,746",
    "aenderung_LgD": "- 153,5",
    "aenderung_LgR": "- 160,0"
  },
  "vf_ueber_1": false,
  "werte": {
    "LgDIst": 10.9,
    "fIst": 14,
    "fSoll": 14.2,
    "q": 0.9859155,
    "VFges": 0.93619627,
    "LgDNeu": 10.746478,
    "dLgD": -153.52155,
    "dLgR": -159.96945
  }
}
)");
    }
    void calculatorJsonDocument()
    {
        QFETCH(QString, argumente);
        QFETCH(QString, dokument);
        const RechnerLauf lauf = rechne(args(argumente));
        QCOMPARE(lauf.status, 0);
        QCOMPARE(lauf.out, dokument);
    }

    void pruning_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("shorten") << "pruning --laenge 10,9 --ist 14 --soll 14,2"
                                 << QStringList{"VF gesamt: 0,936", "Antennenlänge LgD neu: 10,746 m", "Länge LgD ändern um: - 153,5 mm",
                                                "Länge LgR ändern um: - 160,0 mm"};
        QTest::newRow("ratio 1,3 still allowed") << "pruning --laenge 10 --ist 13 --soll 10"
                                                 << QStringList{"VF gesamt: 0,798", "Länge LgD ändern um: + 3000,0 mm"};
        QTest::newRow("factor above 1 marked") << "pruning --laenge 12 --ist 14 --soll 14" << QStringList{"VF gesamt: 1,031 (über 1)"};
        QTest::newRow("measured resonance from a sweep")
            << "pruning --laenge 10,9 --messung dipol.s1p --soll 14,2"
            << QStringList{"VF gesamt: 0,943", "ist Resonanzfrequenz aus der Messung: 14,1000 MHz (Nulldurchgang des Blindwiderstands (linear interpoliert))",
                           "Länge LgD ändern um: - 76,8 mm"};
    }
    void pruning()
    {
        QFETCH(QString, argumente);
        QFETCH(QStringList, zeilen);
        const RechnerLauf lauf = rechne(args(argumente));
        QCOMPARE(lauf.status, 0);
        for (const QString& zeile : zeilen)
            QVERIFY2(lauf.out.split(u'\n').contains(zeile), qPrintable(zeile + "\n---\n" + lauf.out));
        const QJsonObject o = json(rechne(args(argumente + " --json")).out);
        QVERIFY(zeilen[0].startsWith(QStringLiteral("VF gesamt: ") + o[u"texte"][u"vf_gesamt"].toString()));
    }

    // The sweep's figures in every format the analyser writes; the pruning from the file
    // equals the pruning from the resonance typed as the file gives it.
    void messung_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("RI MHz") << "dipol.s1p"
                                << QStringList{"Messdatei: dipol.s1p (101 Messpunkte, 13,600 MHz bis 14,600 MHz)", "Resonanz: 14,1000 MHz",
                                               "gefunden über: Nulldurchgang des Blindwiderstands (linear interpoliert)",
                                               "SWR bei Resonanz: 1,46", "Impedanz bei Resonanz: 73,0 + j0,0 Ω",
                                               "SWR-Minimum: 1,46 bei 14,100 MHz", "2:1-Bandbreite: 579 kHz (13,813 bis 14,393 MHz)"};
        QTest::newRow("DB Hz") << "dipol_db_hz.s1p" << QStringList{"Resonanz: 14,1000 MHz", "SWR bei Resonanz: 1,46"};
        QTest::newRow("MA kHz, between points") << "dipol_ma_khz.s1p" << QStringList{"Resonanz: 14,0773 MHz", "Impedanz bei Resonanz: 73,0 + j0,0 Ω"};
        QTest::newRow("with noise") << "dipol_rauschen.s1p" << QStringList{"Resonanz: 14,1002 MHz"};
        QTest::newRow("lowest SWR beside the resonance")
            << "minimum_daneben.s1p"
            << QStringList{"Resonanz: 14,0500 MHz", "SWR bei Resonanz: 1,33", "Impedanz bei Resonanz: 37,5 + j0,0 Ω", "SWR-Minimum: 1,22 bei 14,200 MHz",
                           "2:1-Bandbreite: 530 kHz (13,887 bis 14,417 MHz)"};
    }
    void messung()
    {
        QFETCH(QString, datei);
        QFETCH(QStringList, zeilen);
        const RechnerLauf lauf = rechne({QStringLiteral("messung"), datei});
        QCOMPARE(lauf.status, 0);
        QCOMPARE(lauf.err, QString());
        for (const QString& zeile : zeilen)
            QVERIFY2(lauf.out.split(u'\n').contains(zeile), qPrintable(zeile + "\n---\n" + lauf.out));

        const QJsonObject o = json(rechne({QStringLiteral("messung"), QStringLiteral("--json"), datei}).out);
        const QString mhz = o[u"texte"][u"resonanz_mhz"].toString();
        QVERIFY(lauf.out.contains(QStringLiteral("Resonanz: ") + mhz + QStringLiteral(" MHz\n")));
        QVERIFY(std::abs(o[u"resonanz"][u"frequenz_hz"].toDouble() - ZahlAusText(mhz) * 1e6) < 100);
        QCOMPARE(o[u"resonanz"][u"regel"].toString(), QStringLiteral("nulldurchgang"));
        // The figures of the resonance and of the lowest SWR each where the text has them.
        QVERIFY(lauf.out.contains(QStringLiteral("SWR bei Resonanz: ") + swrText(o[u"resonanz"][u"swr"].toDouble()) + u'\n'));
        QVERIFY(lauf.out.contains(QStringLiteral("SWR-Minimum: %1 bei %2\n")
                                      .arg(swrText(o[u"swr_minimum"][u"swr"].toDouble()), mhzKurz(o[u"swr_minimum"][u"frequenz_hz"].toDouble()))));
        QVERIFY(o[u"bandbreite_2_1"][u"breite_hz"].toDouble() > 500e3);

        const QJsonObject ausDatei = json(rechne(args("pruning --laenge 10,9 --soll 14,2 --json --messung " + datei)).out);
        const QJsonObject getippt = json(rechne(args("pruning --laenge 10,9 --soll 14,2 --json --ist " + mhz)).out);
        QVERIFY(!ausDatei.isEmpty());
        QCOMPARE(ausDatei, getippt);
    }

    // Measured with the analyser the output is the file's: the sweep saved with --s1p and read
    // back gives the same lines; after a cut the dip has moved; pruning from the analyser
    // equals pruning from the resonance typed.
    void messungMitGeraet_data()
    {
        QTest::addColumn<bool>("mitScan");
        QTest::addColumn<QString>("bereich");
        QTest::newRow("scan, range around the wanted frequency") << true << "--soll 14,2";
        QTest::newRow("older firmware, range given") << false << "--von 13,5 --bis 14,5 --punkte 51";
    }
    void messungMitGeraet()
    {
        QFETCH(bool, mitScan);
        QFETCH(QString, bereich);
        AnalysatorSimulator sim;
        sim.mitScan = mitScan;
        sim.schneide(13.93e6);
        const RechnerLauf lauf = rechne(args("messung --geraet " + sim.pfad() + " --s1p gemessen.s1p " + bereich));
        QCOMPARE(lauf.err, QString());
        QCOMPARE(lauf.status, 0);
        const QStringList zeilen = lauf.out.split(u'\n');
        QVERIFY2(zeilen[0].startsWith(QStringLiteral("Analysator: NanoVNA-H 4, 1.2.27 an ") + sim.pfad()), qPrintable(zeilen[0]));
        const QJsonObject o = json(rechne(args("messung --json --geraet " + sim.pfad() + ' ' + bereich)).out);
        QVERIFY(std::abs(o[u"resonanz"][u"frequenz_hz"].toDouble() - 13.93e6) < 20e3);
        QCOMPARE(o[u"analysator"].toString(), QStringLiteral("NanoVNA-H 4, 1.2.27"));
        const QStringList ausDatei = rechne({QStringLiteral("messung"), QStringLiteral("gemessen.s1p")}).out.split(u'\n');
        QCOMPARE(ausDatei.mid(1), zeilen.mid(1));

        sim.schneide(14.18e6);
        const QJsonObject nachSchnitt = json(rechne(args("messung --json --geraet " + sim.pfad() + ' ' + bereich)).out);
        QVERIFY(std::abs(nachSchnitt[u"resonanz"][u"frequenz_hz"].toDouble() - 14.18e6) < 20e3);
        const QString mhz = nachSchnitt[u"texte"][u"resonanz_mhz"].toString();
        const QJsonObject gemessen = json(rechne(args("pruning --laenge 10,9 --soll 14,2 --json --geraet " + sim.pfad())).out);
        const QJsonObject getippt = json(rechne(args("pruning --laenge 10,9 --soll 14,2 --json --ist " + mhz)).out);
        QVERIFY(!gemessen.isEmpty());
        QCOMPARE(gemessen, getippt);
    }

    // The plot as SVG: German axis, both markers and its description for a reader.
    void messungSvg()
    {
        const RechnerLauf lauf = rechne(args("messung --svg plot.svg --soll 14,2 dipol.s1p"));
        QCOMPARE(lauf.status, 0);
        QVERIFY(lauf.out.contains(QStringLiteral("Resonanz: 14,1000 MHz")));
        QFile datei(dir.filePath(QStringLiteral("plot.svg")));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QString svg = QString::fromUtf8(datei.readAll());
        QVERIFY(svg.startsWith(QStringLiteral("<?xml")));
        for (const char* teil : {">Frequenz [MHz]<", ">SWR<", ">Resonanz 14,100 MHz<", ">Soll 14,200 MHz<", ">14,0<", ">2:1-Bandbreite 579 kHz<",
                                 "<desc>SWR über der Frequenz. Resonanz 14,100 MHz"})
            QVERIFY2(svg.contains(QString::fromUtf8(teil)), teil);
    }

    void confirmedPermittivityComputes()
    {
        const RechnerLauf lauf = rechne(args("beam --material 25 --er-bestaetigt --vk 0,95 --aussen 2 --leiter 1,5"));
        QCOMPARE(lauf.status, 0);
        QVERIFY(lauf.out.contains(QStringLiteral("(Zusatzverkürzung durch Drahtisolierung: 25)")));
    }

    void helpTexts_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<QStringList>("teile");
        QTest::newRow("program") << "--help" << QStringList{"Aufruf: zentavik-rechner BEFEHL [OPTIONEN]", "  beam", "  baender", "  bauplan", "  vk", "  pruning", "  dipol", "  messung", "Rückgabewerte"};
        QTest::newRow("dipol") << "dipol --help" << QStringList{"  --resonanz MHZ", "  --unterste MHZ", "  --impedanz OHM", "  --durchmesser MM",
                                                                "  --erreger-durchmesser MM", "  --vk VK", "  --beam-vk VK", "  --material ER|NAME", "  --hoehe M", "  --info"};
        QTest::newRow("dipol info") << "dipol --info" << QStringList{" Bedingungen für die Richtigkeit der Berechnung:\n\n · Der Erreger-Dipol",
                                                                     "   über dessen Ende hinaus ragen.\n"};
        QTest::newRow("vk") << "vk --help" << QStringList{"  --frequenz MHZ", "  --hoehe M", "  --durchmesser MM", "  --erdbodenkorrektur"};
        QTest::newRow("pruning") << "pruning --help" << QStringList{"  --laenge M", "  --ist MHZ", "  --soll MHZ", "  --messung DATEI", "  --geraet ANSCHLUSS"};
        QTest::newRow("messung") << "messung --help" << QStringList{"Aufruf: zentavik-rechner messung DATEI.s1p [OPTIONEN]\nLiest", "  --soll MHZ", "  --svg DATEI", "  --json",
                                                                    "  --geraet ANSCHLUSS", "  --von MHZ", "  --bis MHZ", "  --punkte N", "  --s1p DATEI"};
        QTest::newRow("beam") << "beam --help" << QStringList{"Aufruf: zentavik-rechner beam [OPTIONEN]", "  --frequenz MHZ", "  --material ER|NAME", "  --datei PFAD", "  --er-bestaetigt", "  -h, --help"};
        QTest::newRow("baender") << "baender -h" << QStringList{"  --csv", "  --json", "  --bereich cw|ssb|mitte"};
        QTest::newRow("bauplan") << "bauplan --help" << QStringList{"  --svg", "  --datei PFAD", "  --leise"};
        QTest::newRow("version") << "--version" << QStringList{"zentavik-rechner 1.0.1"};
    }
    void helpTexts()
    {
        QFETCH(QString, argumente);
        QFETCH(QStringList, teile);
        const RechnerLauf lauf = rechne(args(argumente));
        QCOMPARE(lauf.status, 0);
        QCOMPARE(lauf.err, QString());
        for (const QString& teil : teile)
            QVERIFY2(lauf.out.contains(teil), qPrintable(teil));
    }

    void materialNames_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("text");
        QTest::newRow("number stays as typed") << "2,30" << "2,30";
        QTest::newRow("whole name") << "polyethylen pe" << "2,3   Polyethylen PE";
        QTest::newRow("one word") << "FR4" << "4,5   Epoxyd FR4";
        QTest::newRow("word before beginning") << "PE" << "2,3   Polyethylen PE";
        QTest::newRow("unique beginning") << "Glim" << "7,0   Glimmer";
        QTest::newRow("umlaut") << "Öl" << "2,35 Öl";
        QTest::newRow("air") << "Luft" << "1,00059 Luft";
        QTest::newRow("entry text") << "2,48 PTFE GX" << "2,48 PTFE GX";
        QTest::newRow("entry text in any case") << "2,2 ptfe gy" << "2,2   PTFE GY";
        QTest::newRow("name in any case") << "pTfE 3006" << "6,15 PTFE 3006";
        QTest::newRow("Teflon for PTFE") << "Teflon GX" << "2,48 PTFE GX";
        QTest::newRow("Teflon in any case") << "teflon 3006" << "6,15 PTFE 3006";
        QTest::newRow("umlaut spelt out") << "OEL" << "2,35 Öl";
        QTest::newRow("umlaut upper case") << "ÖL" << "2,35 Öl";
        QTest::newRow("FR-4") << "fr-4" << "4,5   Epoxyd FR4";
        QTest::newRow("acrylic glass") << "PMMA" << "3,5   Plexiglas";
    }
    void materialNames()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, text);
        QCOMPARE(rechner::materialText(eingabe), text);
    }

    // The file is what the form writes: Windows-1252 bytes, every line ended by CR LF.
    void reportFileBytes()
    {
        const QString pfad = dir.filePath(QStringLiteral("bericht.txt"));
        const RechnerLauf lauf = rechne({QStringLiteral("beam"), QStringLiteral("--frequenz"), QStringLiteral("14,2"),
                                         QStringLiteral("--vk"), QStringLiteral("0,95"), QStringLiteral("--datei"), pfad});
        QCOMPARE(lauf.status, 0);
        QCOMPARE(lauf.out, QString());
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray bytes = datei.readAll();
        const QByteArray anfang = QByteArray("\r\n                        Zentavik nach Norbek \r\n") + QByteArray(80, '\xAF')
                                  + "\r\nAntenne berechnet f\xFCr SSB-Band: 14 MHz\r\n";
        QVERIFY(bytes.startsWith(anfang));
        QVERIFY(bytes.contains("Gesamte Booml\xE4nge: 7,06 m\r\nGr\xF6\xDFte Antennenbreite: ~ 5,49 m\r\n"));
        QVERIFY(bytes.contains(" LgR=11,363 m \r\n\r\nL\xE4ngen und Abst\xE4nde:\r\n"));
        QVERIFY(bytes.contains(QByteArray(QByteArray(" Berechnung am ") + kurzesDatum(QDate::currentDate()).toLatin1() + " \xA9 2026")));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), 31);
        QCOMPARE(bytes.count('\n'), 31);
        QCOMPARE(decodeCp1252(bytes), rechne(args("beam --frequenz 14,2 --vk 0,95")).out.replace(u'\n', QStringLiteral("\r\n")));
    }

    // Nothing half-written stays behind: a run that fails leaves the earlier file as it was.
    void reportFileUnchangedOnFailure_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("grenze");  // a file-size limit standing in for a full disk; -1: none
        QTest::newRow("bad input") << "beam --vk 2" << 2 << -1;
        QTest::newRow("failed calculation") << "beam --material 1000000000000000000000000000000000000000000" << 3 << -1;
        QTest::newRow("report on a full disk") << "beam" << 3 << 200;
        QTest::newRow("PDF plan on a full disk") << "bauplan" << 3 << 4096;
        QTest::newRow("SVG plan on a full disk") << "bauplan --svg" << 3 << 4096;
    }
    void reportFileUnchangedOnFailure()
    {
        QFETCH(QString, argumente);
        QFETCH(int, status);
        QFETCH(int, grenze);
        const QString pfad = dir.filePath(QStringLiteral("alt.txt"));
        QFile alt(pfad);
        QVERIFY(alt.open(QIODevice::WriteOnly | QIODevice::Truncate));
        alt.write("alter Bericht");
        alt.close();
        RechnerLauf lauf;
        {
            std::optional<DateiGroessenGrenze> voll;
            if (grenze >= 0)
                voll.emplace(rlim_t(grenze));
            lauf = rechne(args(argumente) + QStringList{QStringLiteral("--datei"), pfad});
        }
        QCOMPARE(lauf.status, status);
        QCOMPARE(lauf.out, QString());  // nothing is reported as written
        if (grenze >= 0)
            QVERIFY2(lauf.err.startsWith(QStringLiteral("zentavik-rechner: Fehler 57: Fehler beim Schreiben der Datei \"%1\": Die Datei ist zu groß\n").arg(pfad)),
                     qPrintable(lauf.err));
        QVERIFY(alt.open(QIODevice::ReadOnly));
        QCOMPARE(alt.readAll(), QByteArray("alter Bericht"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).filter(QStringLiteral("alt")), QStringList{QStringLiteral("alt.txt")});
    }

    void reportFileInMissingDirectory()
    {
        const QString pfad = dir.filePath(QStringLiteral("fehlt/bericht.txt"));
        const RechnerLauf lauf = rechne(QStringList{QStringLiteral("beam"), QStringLiteral("--datei"), pfad});
        QCOMPARE(lauf.status, 3);
        QVERIFY2(lauf.err.startsWith(QStringLiteral("zentavik-rechner: Fehler 75: Die Datei \"%1\" kann nicht angelegt werden: ").arg(pfad)), qPrintable(lauf.err));
        QCOMPARE(lauf.err.count(u'\n'), 1);
    }

    // Every row of the band table is the design the beam command gives for that frequency.
    void bandTableRowsAreBeamRuns()
    {
        const RechnerLauf tabelle = rechne(args("baender --vk 0,95 --material PVC --aussen 3 --leiter 2 --json"));
        QCOMPARE(tabelle.status, 0);
        const QJsonArray zeilen = QJsonDocument::fromJson(tabelle.out.toUtf8()).array();
        QCOMPARE(zeilen.size(), 30);
        const QStringList erwartet{"1,82", "1,86", "1,857", "3,5", "3,7", "3,65", "7,02", "7,12", "7,1", "10,1", "10,13", "10,125",
                                   "14,0", "14,25", "14,2", "18,068", "18,13", "18,118", "21,0", "21,25", "21,225",
                                   "24,89", "24,95", "24,94", "28,0", "28,6", "28,5", "50,09", "50,15", "50,5"};
        const QStringList bereiche{"cw", "ssb", "mitte"};
        for (int i = 0; i < 30; ++i) {
            const QJsonObject z = zeilen[i].toObject();
            QCOMPARE(z[u"frequenz"].toString(), erwartet[i]);
            QCOMPARE(z[u"bereich"].toString(), bereiche[i % 3]);
            const QJsonObject beam = json(rechne(args("beam --vk 0,95 --material PVC --aussen 3 --leiter 2 --json --bereich " + bereiche[i % 3]
                                                      + " --frequenz " + erwartet[i])).out);
            QCOMPARE(z[u"werte"].toObject(), beam[u"werte"].toObject());
            QCOMPARE(z[u"bandtext"].toString(), beam[u"band"][u"text"].toString());
        }
    }

    void bandTableForms()
    {
        const RechnerLauf text = rechne(args("baender --vk 0,95"));
        const RechnerLauf csv = rechne(args("baender --vk 0,95 --csv"));
        QCOMPARE(text.status, 0);
        QCOMPARE(csv.status, 0);
        const QStringList textZeilen = text.out.split(u'\n', Qt::SkipEmptyParts);
        const QStringList csvZeilen = csv.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(textZeilen.size(), 31);
        QCOMPARE(csvZeilen.size(), 31);
        QCOMPARE(csvZeilen[0], QStringLiteral("Band;Bereich;f/MHz;LgD;LgR;A;Bv;Bh;LgBoom;C;gesLgBoom;D;P;frD;frR;Vlg"));
        // 14 MHz, band middle: the example design.
        QCOMPARE(csvZeilen[15], QStringLiteral("14;Mitte;14,2;10,905;11,363;2,641;5,282;5,387;5,282;0,887;7,056;2,47;2,641;14,495;13,911;3,486"));
        for (int i = 0; i < 31; ++i) {
            // Aligned: every line as long as the header, the same fields as the CSV row.
            QCOMPARE(textZeilen[i].size(), textZeilen[0].size());
            QCOMPARE(textZeilen[i].split(u' ', Qt::SkipEmptyParts), csvZeilen[i].split(u';'));
        }
        QCOMPARE(rechne(args("baender --bereich cw --csv")).out.count(u'\n'), 11);
    }

    void buildPlanPdfText()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext fehlt (poppler-utils)");
        const QString pdf = dir.filePath(QStringLiteral("plan.pdf"));
        const RechnerLauf lauf = rechne(QStringList{QStringLiteral("bauplan"), QStringLiteral("--frequenz"), QStringLiteral("14,2"),
                                                    QStringLiteral("--vk"), QStringLiteral("0,95"), QStringLiteral("--material"),
                                                    QStringLiteral("PE"), QStringLiteral("--aussen"), QStringLiteral("2"),
                                                    QStringLiteral("--leiter"), QStringLiteral("1,5"), QStringLiteral("--datei"), pdf});
        QCOMPARE(lauf.err, QString());
        QCOMPARE(lauf.status, 0);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(60000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        const QStringList teile{"Bauplan Zentavik nach Norbek für 14,2 MHz", "Band 14 MHz, SSB-Bereich", "Bv = 5,176 m",
                                "P − x = 1,249 m", "LgBoom = 5,282 m", "LgD Strahler, Isolator bis Isolator 10,686 m",
                                "Zugabe an jedem Drahtende zusätzlich 0,120 m", "D = 2,470 m", "DR = 2,812 m", "y = 0,791 m",
                                "Vlg: elektrische Länge × 0,66 schon eingerechnet",
                                "Strahler frD 14,495 MHz 1 cm kürzer: +13,6 kHz", "Isolierung 2,3 Polyethylen PE",
                                "Durchmesser außen / Leiter 2 / 1,5 mm", stempel()};
        for (const QString& teil : teile)
            QVERIFY2(text.contains(teil), qPrintable(teil + "\n---\n" + text));

        // The page as a printer would put it on paper: the driven element in red and the
        // reflector in blue are there, in the drawing above the lists.
        QProcess pdftoppm;
        pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                                                    QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("seite"))});
        QVERIFY(pdftoppm.waitForFinished(60000));
        const QImage seite(dir.filePath(QStringLiteral("seite.png")));
        QVERIFY(!seite.isNull());
        QVERIFY(std::fabs(double(seite.height()) / seite.width() - 297.0 / 210.0) < 0.01);  // A4 upright
        int rot = 0, blau = 0, rotUnten = 0;
        for (int y = 0; y < seite.height(); ++y) {
            for (int x = 0; x < seite.width(); ++x) {
                const QColor c = seite.pixelColor(x, y);
                const bool r = c.red() > 150 && c.green() < 110 && c.blue() < 110;
                rot += r;
                rotUnten += r && y > seite.height() * 0.7;
                blau += c.blue() > 100 && c.red() < 90 && c.green() < 110;
            }
        }
        QVERIFY2(rot > 100 && blau > 50 && rotUnten == 0, qPrintable(QStringLiteral("%1 %2 %3").arg(rot).arg(blau).arg(rotUnten)));
    }

    // The band line of the page, also for a frequency outside every band.
    void buildPlanBandLine_data()
    {
        QTest::addColumn<QString>("frequenz");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("in a band") << "14,2" << "Band 14 MHz, SSB-Bereich";
        QTest::newRow("outside every band") << "45" << "außerhalb der Amateurbänder, SSB-Bereich";
    }
    void buildPlanBandLine()
    {
        QFETCH(QString, frequenz);
        QFETCH(QString, zeile);
        const QString svg = dir.filePath(QStringLiteral("band.svg"));
        QCOMPARE(rechne(QStringList{QStringLiteral("bauplan"), QStringLiteral("--frequenz"), frequenz, QStringLiteral("--svg"),
                                    QStringLiteral("--datei"), svg}).status, 0);
        QFile datei(svg);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QString inhalt = QString::fromUtf8(datei.readAll());
        QVERIFY2(inhalt.contains(u'>' + zeile + u'<'), qPrintable(zeile));
    }

    // Without --datei the plan lands in the working directory under the name of its kind;
    // one line says what was written, unless --leise.
    void buildPlanDefaultFile_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QByteArray>("anfang");
        QTest::addColumn<QString>("ausgabe");
        QTest::newRow("pdf") << "bauplan" << "Zentavik-Bauplan.pdf" << QByteArray("%PDF") << "Bauplan geschrieben: Zentavik-Bauplan.pdf (PDF, DIN A4 hoch)\n";
        QTest::newRow("svg") << "bauplan --svg" << "Zentavik-Bauplan.svg" << QByteArray("<?xml") << "Bauplan geschrieben: Zentavik-Bauplan.svg (SVG, DIN A4 hoch)\n";
        QTest::newRow("quiet") << "bauplan --leise" << "Zentavik-Bauplan.pdf" << QByteArray("%PDF") << "";
    }
    void buildPlanDefaultFile()
    {
        QFETCH(QString, argumente);
        QFETCH(QString, datei);
        QFETCH(QByteArray, anfang);
        QFETCH(QString, ausgabe);
        QFile::remove(dir.filePath(datei));
        const RechnerLauf lauf = rechne(args(argumente));
        QCOMPARE(lauf.status, 0);
        QCOMPARE(lauf.out, ausgabe);
        QFile plan(dir.filePath(datei));
        QVERIFY(plan.open(QIODevice::ReadOnly));
        QVERIFY(plan.read(anfang.size()) == anfang);
    }

    // The sheet's numbers are the calculation's: each measure at its dimension line and in the
    // cut list, the resonances, and the trimming aid from each element's resonance and length.
    void buildPlanNumbers_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::newRow("160 m, bare") << "--frequenz 1,82 --vk 0,98 --bereich cw";
        QTest::newRow("80 m, PVC") << "--frequenz 3,65 --vk 0,97 --material PVC --aussen 4 --leiter 2,5";
        QTest::newRow("20 m, bare") << "--frequenz 14,2 --vk 0,95";
        QTest::newRow("20 m, PE") << "--frequenz 14,2 --vk 0,95 --material PE --aussen 2 --leiter 1,5";
        QTest::newRow("10 m, ground correction") << "--frequenz 28,5 --hoehe 8 --erdbodenkorrektur";
        QTest::newRow("6 m, thick PTFE") << "--frequenz 50,2 --vk 0,96 --material 2,1 --aussen 6 --leiter 1";
        QTest::newRow("outside every band") << "--frequenz 54";
    }
    void buildPlanNumbers()
    {
        QFETCH(QString, argumente);
        const QString svg = dir.filePath(QStringLiteral("zahlen.svg"));
        QCOMPARE(rechne(args("bauplan --svg --leise " + argumente) + QStringList{QStringLiteral("--datei"), svg}).status, 0);
        const QJsonObject beam = json(rechne(args("beam --json " + argumente)).out);
        const QJsonObject w = beam[u"werte"].toObject();
        QFile datei(svg);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        // The texts of the page in the order they were drawn.
        QStringList texte;
        static const QRegularExpression text(QStringLiteral("<text[^>]*>([^<]*)</text>"));
        for (const auto& m : text.globalMatch(QString::fromUtf8(datei.readAll())))
            texte << m.captured(1);
        // Every length with three decimals.
        auto meter = [&w](const char* name) -> QString {
            return QString::number(w[QString::fromLatin1(name)].toDouble(), 'f', 3).replace(u'.', u',') + QStringLiteral(" m");
        };
        for (const char* name : {"Bv", "Bh", "C", "LgBoom", "D"})
            QVERIFY2(texte.contains(QString::fromLatin1(name) + QStringLiteral(" = ") + meter(name)), name);
        QCOMPARE(texte.count(QStringLiteral("C = ") + meter("C")), 2);
        // Cut list rows: the name, then its length.
        const std::pair<const char*, const char*> zeilen[] = {{"LgD", "LgD"}, {"LgR", "LgR"}, {"D", "D"}, {"Vlg", "Vlg"},
                                                              {"gesLgBoom", "gesLgBoom"}, {"C", "C"}, {"LgBoom", "LgBoom"},
                                                              {"P", "P"}, {"A", "A"}, {"Bv", "Bv"}, {"Bh", "Bh"}};
        for (const auto& [zeile, wert] : zeilen) {
            const qsizetype i = texte.indexOf(QString::fromUtf8(zeile));
            QVERIFY2(i >= 0 && texte.value(i + 1) == meter(wert), zeile);
        }
        // Resonances, and how far a centimetre moves each: f / L, read back to the shown digits.
        const std::pair<const char*, const char*> elemente[] = {{"frD", "LgD"}, {"frR", "LgR"}};
        for (const auto& [resonanz, laenge] : elemente) {
            const double f = w[QString::fromLatin1(resonanz)].toDouble(), l = w[QString::fromLatin1(laenge)].toDouble();
            const qsizetype i = texte.indexOf(QRegularExpression(QStringLiteral("^(Strahler|Reflektor) ") + QString::fromLatin1(resonanz) + u'$'));
            QVERIFY2(i >= 0, resonanz);
            QString mhz = QString::number(f, 'f', 3);
            while (mhz.endsWith(u'0') && !mhz.endsWith(QStringLiteral(".0")))
                mhz.chop(1);
            QCOMPARE(texte.value(i + 1), mhz.replace(u'.', u',') + QStringLiteral(" MHz"));
            static const QRegularExpression khz(QStringLiteral("^1 cm kürzer: \\+([0-9]+),([0-9]+) kHz$"));
            const auto m = khz.match(texte.value(i + 2));
            QVERIFY2(m.hasMatch(), qPrintable(texte.value(i + 2)));
            const double gezeigt = QString(m.captured(1) + u'.' + m.captured(2)).toDouble();
            QVERIFY2(std::fabs(gezeigt - 10 * f / l) <= 0.5 * std::pow(10.0, -m.captured(2).size()) + 1e-9, qPrintable(texte.value(i + 2)));
            QVERIFY(m.captured(1).size() + m.captured(2).size() - (m.captured(1) == QStringLiteral("0")) >= 3);
        }
        QVERIFY(texte.contains(stempel()));
    }

    // No line of the page runs through a text: for the bands from 160 m to 6 m, bare and thick
    // insulated wire, with the texts as wide as their measures make them. The wires drawn are
    // the wires cut, and every mark on the frame is a point of its own.
    void planLabelsClearOfLines_data()
    {
        QTest::addColumn<QString>("frequenz");
        QTest::addColumn<QString>("material");
        QTest::addColumn<QString>("aussen");
        QTest::addColumn<QString>("leiter");
        QTest::addColumn<QString>("hoehe");
        for (const char* f : {"1,8", "1,85", "3,6", "7,05", "10,12", "14,2", "18,1", "21,2", "24,93", "28,5", "50,2", "54"}) {
            QTest::addRow("%s MHz, thin bare", f) << f << "1,00059 Luft" << "6" << "0,5" << "";
            QTest::addRow("%s MHz, thick PVC", f) << f << "PVC" << "8" << "1" << "";
            QTest::addRow("%s MHz, PE", f) << f << "PE" << "2" << "1,5" << "";
            // Lower, 10 m is too near the ground for the calculator's factor to leave wires that
            // reach around the frame: those plans are refused.
            if (QString::fromLatin1(f).replace(u',', u'.').toDouble() >= 14)
                QTest::addRow("%s MHz, calculator", f) << f << "PE" << "6" << "4" << "10";
        }
    }
    void planLabelsClearOfLines()
    {
        QFETCH(QString, frequenz);
        QFETCH(QString, material);
        QFETCH(QString, aussen);
        QFETCH(QString, leiter);
        QFETCH(QString, hoehe);
        rechner::BeamEingaben e;
        e.frequenz = frequenz;
        e.vk = QStringLiteral("0,95");
        e.material = rechner::materialText(material);
        e.aussen = aussen;
        e.leiter = leiter;
        e.vkRechner = !hoehe.isEmpty();
        e.hoehe = hoehe;
        const BauplanDaten daten = rechner::bauplanDaten(rechner::rechneBeam(e, QDate(2026, 12, 7)));
        BauplanProtokoll protokoll;
        QSvgGenerator svg;
        QBuffer puffer;
        puffer.open(QIODevice::WriteOnly);
        svg.setOutputDevice(&puffer);
        svg.setSize(QSize(2100, 2970));
        svg.setResolution(254);
        {
            QPainter painter(&svg);
            maleBauplan(painter, daten, &protokoll);
        }
        QVERIFY(protokoll.texte.size() > 60 && protokoll.linien.size() > 40);
        // The message is built before the check is made, so it must not read an empty refusal.
        const auto ablehnung = bauplanAblehnung(daten);
        QVERIFY2(!ablehnung, ablehnung ? qPrintable(ablehnung->grund) : "");

        // Each wire's route summed from the drawing's own lines (the first two polylines of wire
        // width, scaled back to metres by the front cross-arm, which is Bv long) is its cut length.
        const BeamDimensions& o = daten.werte.out;
        QList<QLineF> draht, rahmen;
        for (const auto& l : protokoll.linien) {
            if (l.breite == 0.7)
                draht << l.strecke;
            else if (l.breite == 1.6)
                rahmen << l.strecke;
        }
        QVERIFY(draht.size() >= 8 && rahmen.size() >= 3);
        const double proMeter = rahmen[1].length() / o.Bv;
        double strahler = 0, reflektor = 0;
        for (int i = 0; i < 4; ++i) {
            strahler += draht[i].length() / proMeter;
            reflektor += draht[i + 4].length() / proMeter;
        }
        QVERIFY2(std::fabs(strahler - o.LgD) < 0.001, qPrintable(QStringLiteral("%1 gegen LgD %2").arg(strahler).arg(o.LgD)));
        QVERIFY2(std::fabs(reflektor - o.LgR) < 0.001, qPrintable(QStringLiteral("%1 gegen LgR %2").arg(reflektor).arg(o.LgR)));
        // Both middles on the boom between the cross-arms, the feed point ahead of the reflector's.
        // The reflector reaches the insulators with its middle in front of the rear cross-arm,
        // or, too short for that (the calculator's small factor near the ground), lies along
        // the cross-arm and ends short of them.
        const BauplanGeometrie g = *bauplanGeometrie(o).geometrie;
        QVERIFY2(g.x > 0 && g.x < o.P && (g.y > 0) != (g.luecke > 0) && (g.y > 0 || !hoehe.isEmpty())
                     && g.speisepunkt < g.reflektorMitte,
                 qPrintable(QStringLiteral("x %1 y %2 Lücke %3").arg(g.x).arg(g.y).arg(g.luecke)));
        QVERIFY(std::fabs(draht[1].p2().y() - rahmen[1].y1() - g.speisepunkt * proMeter) < 1e-6);
        const QList<BauplanMarke> marken = rahmenMarken(o, g);
        for (qsizetype i = 0; i < marken.size(); ++i) {
            for (qsizetype j = i + 1; j < marken.size(); ++j)
                QVERIFY2(QLineF(marken[i].ort, marken[j].ort).length() >= 0.001, qPrintable(marken[i].name + " / " + marken[j].name));
        }
        for (const char* mass : {"Bv = ", "Bh = ", "C = ", "P − x = ", "LgBoom = ", "D = ", "DR = "})
            QVERIFY2(std::any_of(protokoll.texte.begin(), protokoll.texte.end(), [mass](const auto& t) { return t.text.startsWith(QString::fromUtf8(mass)); }), mass);
        const QRectF seite(10, 10, 190, 277);  // within the margins of A4 and of Letter
        for (const auto& t : protokoll.texte) {
            QVERIFY2(seite.contains(t.rahmen), qPrintable(t.text));
            for (const auto& l : protokoll.linien) {
                const QRectF r = t.rahmen.adjusted(-l.breite / 2, -l.breite / 2, l.breite / 2, l.breite / 2);
                QVERIFY2(!schneidet(l.strecke, r),
                         qPrintable(QStringLiteral("\"%1\" %2 / Linie %3,%4 - %5,%6").arg(t.text).arg(rechteckText(t.rahmen))
                                        .arg(l.strecke.x1()).arg(l.strecke.y1()).arg(l.strecke.x2()).arg(l.strecke.y2())));
            }
            for (const auto& u : protokoll.texte)
                QVERIFY2(&u == &t || !u.rahmen.intersects(t.rahmen), qPrintable(t.text + " / " + u.text));
        }
    }

    // The program itself: exit status, UTF-8 on standard output, German on standard error.
    // File names are bytes: one that is no UTF-8 text is refused, never written under another name.
    void fileNameBytes_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("fehler");
        QTest::newRow("umlaut in UTF-8") << QByteArray("plan\xc3\xa4.txt") << 0 << "";
        QTest::newRow("umlaut in Latin-1") << QByteArray("plan\xe4.txt") << 2
                                           << "zentavik-rechner: \"plan\\xe4.txt\" ist kein Text in der Zeichenkodierung des Systems (UTF-8); "
                                              "ein solcher Dateiname würde zu einem anderen. Bitte die Datei umbenennen.\n";
    }
    void fileNameBytes()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, status);
        QFETCH(QString, fehler);
        QTemporaryDir ordner;
        const QByteArray pfad = QFile::encodeName(ordner.path()) + '/' + name;
        const QByteArray ordnerPfad = QFile::encodeName(ordner.path());
        const QByteArray fehlerDatei = QFile::encodeName(ordner.filePath(QStringLiteral("fehler.txt")));
        const QByteArray ausgabeDatei = QFile::encodeName(ordner.filePath(QStringLiteral("ausgabe.txt")));
        // Started with the name's bytes as they are: Qt's own process class would encode a text.
        const char* argv[] = {ZENTAVIK_RECHNER, "beam", "--frequenz", "14,2", "--datei", name.constData(), nullptr};
        posix_spawn_file_actions_t umleitung;
        posix_spawn_file_actions_init(&umleitung);
        posix_spawn_file_actions_addchdir_np(&umleitung, ordnerPfad.constData());
        posix_spawn_file_actions_addopen(&umleitung, 1, ausgabeDatei.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&umleitung, 2, fehlerDatei.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        pid_t kind = 0;
        QCOMPARE(posix_spawn(&kind, ZENTAVIK_RECHNER, &umleitung, nullptr, const_cast<char**>(argv), environ), 0);
        posix_spawn_file_actions_destroy(&umleitung);
        int ende = 0;
        QCOMPARE(waitpid(kind, &ende, 0), kind);
        QVERIFY(WIFEXITED(ende));
        QCOMPARE(WEXITSTATUS(ende), status);
        QFile err(QFile::decodeName(fehlerDatei));
        QVERIFY(err.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(err.readAll()), fehler);
        // Written under its own name, or not at all.
        QStringList geschrieben = QDir(ordner.path()).entryList(QDir::Files);
        geschrieben.removeAll(QStringLiteral("fehler.txt"));
        geschrieben.removeAll(QStringLiteral("ausgabe.txt"));
        QCOMPARE(geschrieben.size(), status == 0 ? 1 : 0);
        QCOMPARE(::access(pfad.constData(), F_OK) == 0, status == 0);
    }

    void programProcess_data()
    {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("ausgabe");
        QTest::addColumn<QString>("fehler");
        QTest::addColumn<int>("grenze");  // standard output goes to a file of at most this size; -1: a pipe
        QTest::newRow("report") << "beam --frequenz 14,2 --vk 0,95" << 0 << "Größte Antennenbreite: ~ 5,49 m" << "" << -1;
        QTest::newRow("output to a full disk") << "baender --csv" << 3 << ""
                                               << "zentavik-rechner: Fehler 57: Fehler beim Schreiben der Standardausgabe: Die Datei ist zu groß\n" << 100;
        QTest::newRow("bad input") << "beam --vk 7" << 2 << "" << "zentavik-rechner: --vk: Bitte" << -1;
        QTest::newRow("failure") << "beam --material 1000000000000000000000000000000000000000000" << 3 << "" << "zentavik-rechner: Fehler 6: Überlauf" << -1;
        QTest::newRow("note on a corrected value") << "vk --durchmesser 0" << 0 << "Drahtdurchmesser: 0,1 mm" << "zentavik-rechner: Hinweis: --durchmesser: auf 0,1 mm korrigiert" << -1;
        QTest::newRow("plan") << "bauplan --datei prozess.pdf" << 0 << "Bauplan geschrieben: prozess.pdf (PDF, DIN A4 hoch)\n" << "" << -1;
        // The plot draws text without a display, as the build plan does.
        QTest::newRow("sweep plot") << "messung dipol.s1p --svg prozess.svg" << 0 << "Resonanz: 14,1000 MHz" << "" << -1;
        // Without a command the user learns the commands.
        QTest::newRow("no command") << "" << 2 << "" << "zentavik-rechner: kein Befehl angegeben\n\nAufruf: zentavik-rechner BEFEHL [OPTIONEN]\n" << -1;
    }
    void programProcess()
    {
        QFETCH(QString, argumente);
        QFETCH(int, status);
        QFETCH(QString, ausgabe);
        QFETCH(QString, fehler);
        QFETCH(int, grenze);
        QProcess p;
        p.setWorkingDirectory(dir.path());
        if (grenze >= 0) {
            p.setStandardOutputFile(dir.filePath(QStringLiteral("ausgabe.txt")));
            p.setChildProcessModifier([grenze] {
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit r{rlim_t(grenze), rlim_t(grenze)};
                setrlimit(RLIMIT_FSIZE, &r);
            });
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZENTAVIK_RECHNER), args(argumente));
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), status);
        QVERIFY(QString::fromUtf8(p.readAllStandardOutput()).contains(ausgabe));
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(fehler.isEmpty() ? err.isEmpty() : err.startsWith(fehler), qPrintable(err));
    }
};

QTEST_MAIN(TestRechner)
#include "test_rechner.moc"

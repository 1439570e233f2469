// The worked example of the help states what zentavik-rechner gives for the same inputs, and
// the commands the help prints are the ones checked here.
#include "doc/beispiellauf.h"
#include "doc/hilfebau.h"
#include "doc/hilfezahlen.h"
#include "tests/cli/rechnerlauf.h"
#include "tests/support/germanlocale.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QtTest>

namespace {

// A figure as zentavik-rechner writes it: the first capture of the pattern in the output.
QString gefunden(const QString& ausgabe, const QString& muster)
{
    const QRegularExpressionMatch m = QRegularExpression(muster, QRegularExpression::MultilineOption).match(ausgabe);
    return m.hasMatch() ? m.captured(1) : QStringLiteral("(nicht gefunden: %1)").arg(muster);
}

// The same wire bare: the example's beam command with air as insulation.
QStringList blank(QStringList argumente)
{
    argumente[argumente.indexOf(QStringLiteral("--material")) + 1] = QStringLiteral("Luft");
    return argumente;
}

} // namespace

class TestHilfeBeispiel : public QObject {
    Q_OBJECT
    QTemporaryDir ordner;
    BeispielLauf lauf;
    HilfeZahlen zahlen;
    QHash<QString, QString> ausgaben;  // what each command of the example printed

private slots:
    void initTestCase()
    {
        useGermanLocale();
        // The report is dated today, on the command line as in the help.
        qunsetenv("SOURCE_DATE_EPOCH");
        QVERIFY(ordner.isValid());
        lauf = beispielRechnen(hilfeStand());
        zahlen = beispielZahlen();
        zahlen.insert(bauZahlen());
        const QString plan = ordner.filePath(QStringLiteral("plan.svg"));
        const QHash<QString, QStringList> befehle{
            {QStringLiteral("vk"), beispielArgumente(lauf, QStringLiteral("vk"))},
            {QStringLiteral("beam"), beispielArgumente(lauf, QStringLiteral("beam"))},
            {QStringLiteral("blank"), blank(beispielArgumente(lauf, QStringLiteral("beam")))},
            {QStringLiteral("bauplan"), beispielArgumente(lauf, QStringLiteral("bauplan"))
                                            << QStringLiteral("--svg") << QStringLiteral("--leise") << QStringLiteral("--datei") << plan},
        };
        for (auto it = befehle.cbegin(); it != befehle.cend(); ++it) {
            const RechnerLauf l = rechne(it.value());
            QVERIFY2(l.status == 0 && l.err.isEmpty(), qPrintable(it.value().join(u' ') + u'\n' + l.err));
            ausgaben.insert(it.key(), l.out);
        }
        QFile svg(plan);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        ausgaben.insert(QStringLiteral("bauplan"), QString::fromUtf8(svg.readAll()));
    }

    void zahlWieKommandozeile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<QString>("muster");
        QTest::addColumn<QString>("einheit");  // what the help adds to the captured figure
        const QString m = QStringLiteral(" m"), mhz = QStringLiteral(" MHz"), keine;
        const struct {
            const char *name, *befehl, *muster;
            QString einheit;
        } zeilen[] = {
            {"bsp_frequenz", "beam", "^Resonanzfrequenz = (\\S+) MHz", keine},
            {"bsp_hoehe", "vk", "^Antennenhöhe: (\\S+) m$", keine},
            {"bsp_leiter", "vk", "^Drahtdurchmesser: (\\S+) mm$", keine},
            {"bsp_schlankheit", "vk", "^Verkürzung in % durch Schlankheitsgrad: (\\S+)$", keine},
            {"bsp_erdboden", "vk", "^Verkürzung in % durch Antennenhöhe: (\\S+)$", keine},
            {"bsp_vk", "vk", "^voraussichtlicher Verkürzungsfaktor: (\\S+)$", keine},
            {"bsp_vk_uebergabe", "vk", "^Übergabe an die Zentavik-Berechnung: (\\S+)$", keine},
            {"bsp_vk_verwendet", "beam", "^Verkürzungsfaktor des Drahtes: (\\S+)$", keine},
            {"bsp_LgD", "beam", "^ LgD=(\\S+) m", m},
            {"bsp_LgR", "beam", "^ LgR=(\\S+) m", m},
            // The plan gives every length with three decimals, the report D with two.
            {"bsp_D", "beam", "^ D=(\\S+) m", QStringLiteral("0 m")},
            {"bsp_Vlg", "beam", "^ Vlg=(\\S+) m", m},
            {"bsp_gesLgBoom", "beam", "^ gesLgBoom=(\\S+) m", m},
            {"bsp_Bh", "beam", "^ Bh=(\\S+) m", m},
            {"bsp_frD", "beam", "^ frD=(\\S+) MHz", mhz},
            {"bsp_frR", "beam", "^ frR=(\\S+) MHz", mhz},
            {"bsp_blank_LgD", "blank", "^ LgD=(\\S+) m", m},
            {"bsp_blank_LgR", "blank", "^ LgR=(\\S+) m", m},
            {"bsp_zusatz", "bauplan", ">(\\S+ %)<", keine},
            {"bsp_khz_D", "bauplan", ">1 cm kürzer: \\+(\\S+ kHz)<", keine},
            {"bau_zugabe", "bauplan", ">Zugabe<[\\s\\S]*?>0,(\\d+)0 m<", QStringLiteral(" cm")},
        };
        for (const auto& z : zeilen)
            QTest::newRow(z.name) << z.name << z.befehl << z.muster << z.einheit;
        // The reflector's trimming aid is the second line of the plan that gives one.
        QTest::newRow("bsp_khz_R") << "bsp_khz_R" << "bauplan" << ">1 cm kürzer: [^<]*<[\\s\\S]*?>1 cm kürzer: \\+(\\S+ kHz)<" << keine;
    }
    void zahlWieKommandozeile()
    {
        QFETCH(QString, name);
        QFETCH(QString, befehl);
        QFETCH(QString, muster);
        QFETCH(QString, einheit);
        QVERIFY2(zahlen.contains(name), qPrintable(name));
        QCOMPARE(zahlen.value(name), gefunden(ausgaben.value(befehl), muster) + einheit);
    }

    // The whole report in the help is the one the command line prints.
    void berichtWieKommandozeile()
    {
        const QString bericht = QTextDocumentFragment::fromHtml(zahlen.value(QStringLiteral("bsp_bericht"))).toPlainText();
        QCOMPARE(bericht.trimmed(), ausgaben.value(QStringLiteral("beam")).trimmed());
    }

    // Cut to the planned length plus the reserve, each wire is at least as long as bare wire
    // would have to be, and at most a few centimetres longer than that: in the worked example
    // and in the chapter on building alike.
    void zugabeDecktDieIsolierung_data()
    {
        QTest::addColumn<QString>("isoliert");
        QTest::addColumn<QString>("blank");
        QTest::addColumn<QString>("zugabe");    // the reserve at each end
        QTest::addColumn<QString>("schnitt");   // the length to cut; empty: the example's cut list
        QTest::newRow("Strahler") << "bsp_LgD" << "bsp_blank_LgD" << "bsp_zugabe" << "";
        QTest::newRow("Reflektor") << "bsp_LgR" << "bsp_blank_LgR" << "bsp_zugabe" << "";
        QTest::newRow("Bauen, Strahler") << "bau_lgd" << "bsp_blank_LgD" << "bau_zugabe" << "bau_lgd_zugabe";
        QTest::newRow("Bauen, Reflektor") << "bau_lgr" << "bsp_blank_LgR" << "bau_zugabe" << "bau_lgr_zugabe";
    }
    void zugabeDecktDieIsolierung()
    {
        QFETCH(QString, isoliert);
        QFETCH(QString, blank);
        QFETCH(QString, zugabe);
        QFETCH(QString, schnitt);
        const auto meter = [this](const QString& name) { return QLocale().toDouble(zahlen.value(name).chopped(2)); };
        const double proEnde = QLocale().toDouble(zahlen.value(zugabe).chopped(3)) / 100;
        QVERIFY(proEnde > 0);
        const double geschnitten = meter(isoliert) + 2 * proEnde;
        QVERIFY2(geschnitten >= meter(blank) && geschnitten < meter(blank) + 0.05,
                 qPrintable(QStringLiteral("%1 + 2 × %2 m gegen %3 m blank").arg(meter(isoliert)).arg(proEnde).arg(meter(blank))));
        // The cut list gives the same length to cut.
        const QString liste = zahlen.value(QStringLiteral("bsp_zuschnitt"));
        const QString zeile = schnitt.isEmpty() ? gefunden(liste, QStringLiteral("<td>%1</td>.*?<b>(\\S+) m</b>").arg(isoliert.mid(4)))
                                                : zahlen.value(schnitt).chopped(2);
        QVERIFY2(std::fabs(QLocale().toDouble(zeile) - geschnitten) < 0.0005, qPrintable(zeile + u'\n' + liste));
    }

    // The help prints the commands this test runs, continued lines joined.
    void befehleImText_data()
    {
        QTest::addColumn<QString>("befehl");
        QTest::newRow("vk") << "vk";
        QTest::newRow("beam") << "beam";
        QTest::newRow("bauplan") << "bauplan";
    }
    void befehleImText()
    {
        QFETCH(QString, befehl);
        QString text = QTextDocumentFragment::fromHtml(zahlen.value(QStringLiteral("bsp_befehle"))).toPlainText();
        const QStringList zeilen = text.replace(QRegularExpression(QStringLiteral(" \\\\\\n +")), QStringLiteral(" ")).split(u'\n');
        const QString erwartet = QStringLiteral("zentavik-rechner ") + beispielArgumente(lauf, befehl).join(u' ');
        QVERIFY2(zeilen.contains(erwartet), qPrintable(erwartet + QStringLiteral("\nim Text:\n") + zeilen.join(u'\n')));
    }
};

QTEST_MAIN(TestHilfeBeispiel)
#include "test_hilfebeispiel.moc"

#include "beam/bands.h"
#include "beam/beamcalculation.h"
#include "beam/report.h"
#include "beam/insulation.h"
#include "common/cp1252.h"
#include "common/failure.h"
#include "tests/beam/fakebeamform.h"
#include "tests/support/fakeui.h"
#include "tests/support/germanlocale.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {
QString seven(double v) { return QString::number(v, 'g', 7); }
bool near(float value, double expected) { return std::fabs(value - expected) <= 1.5e-6 * std::fabs(expected); }
} // namespace

class TestBeamCalculation : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    Module1 module;
    double zusatz = 0;  // the insulation shortening one run leaves for the next

    RunEnd run(FakeBeamForm& form, BeamValues* values = nullptr)
    {
        Berechnung calc(form, {module, nullptr, QStringLiteral(","), QDate(2026, 12, 7), QStringLiteral("(c) Test"), {}, zusatz});
        const RunEnd end = calc.run([this](const Failure& f, const Step&) { return beamFailureBox(f, module.CrLf); });
        zusatz = calc.zusatzVerkuerzung();
        if (values)
            *values = calc.values();
        return end;
    }

private slots:
    void initTestCase()
    {
        useGermanLocale();
        QVERIFY(dir.isValid());
        QDir::setCurrent(dir.path());
    }
    void init()
    {
        module = Module1{};
        zusatz = 0;
    }

    void bareWireAt14_2()
    {
        FakeUi fake;
        FakeBeamForm form;
        BeamValues v;
        QCOMPARE(run(form, &v), RunEnd::Completed);
        const BeamDimensions& o = v.out;
        const std::pair<float, double> expected[] = {
            {o.LgD, 10.90493}, {o.LgR, 11.3632}, {o.A, 2.640845}, {o.Bv, 5.28169}, {o.Bh, 5.387324},
            {o.LgBoom, 5.28169}, {o.C, 0.887324}, {o.gesLgBoom, 7.056338}, {o.D, 2.469718}, {o.P, 2.640845},
            {o.frD, 14.49513}, {o.frR, 13.91088}, {o.Vlg, 3.485916}};
        for (auto [value, want] : expected)
            QVERIFY2(near(value, want), qPrintable(seven(value) + " != " + seven(want)));
        QVERIFY(near(float(v.lambda), 21.12676));
        QCOMPARE(v.lambdaK, v.lambda);
        QCOMPARE(zusatz, 0.0);
        QCOMPARE(v.band.bandText, QStringLiteral("14"));
        QCOMPARE(form.band, 4);
        QCOMPARE(form.t1, QStringLiteral("14,2"));
        QCOMPARE(form.t4, QStringLiteral("0,95"));
        QCOMPARE(form.label3, QStringLiteral("14,495"));
        QCOMPARE(form.label5, QStringLiteral("13,911"));
        QCOMPARE(form.infoText,
                 QStringLiteral("Berechnet für die Resonanzfrequenz = 14,2 MHz / LgD=10,905 m / LgR=11,363 m / \r\n"
                                "A=2,641 m / Bv=5,282 m / Bh=5,387 m / LgBoom=5,282 m / C=0,887 m / gesLgBoom=7,056 m / \r\n"
                                "D=2,47 m / P=2,641 m (minus x)/ frD=14,495 MHz / frR=13,911 MHz / \r\n"
                                "Vlg=3,486 m / \r\nTabelle liegt als Textfile 'Zentavik.txt' vor.  "));
        QVERIFY(form.command2);
        QCOMPARE(form.status, QStringLiteral("Status: Bereit zum Anzeigen der Berechnungsergebnisse"));
        QCOMPARE(module.TabellenDatei, QStringLiteral("Zentavik.txt"));
        QVERIFY(fake.messages.isEmpty());
    }

    void insulatedWireAt14_2()
    {
        FakeUi fake;
        FakeBeamForm form;
        form.c1 = QStringLiteral("2,3   Polyethylen PE");
        form.t6 = QStringLiteral("2");
        form.t7 = QStringLiteral("1,5");
        BeamValues v;
        QCOMPARE(run(form, &v), RunEnd::Completed);
        QVERIFY2(std::fabs(zusatz - 0.0100383) < 5e-8, qPrintable(seven(zusatz)));
        QVERIFY(near(float(v.lambdaK), 20.70261));
        QVERIFY(near(v.out.LgD, 10.686));
        QVERIFY(near(v.out.LgR, 11.13507));
        QVERIFY(near(v.out.Bv, 5.175652));
        QVERIFY(near(v.out.Bh, 5.279165));
        QVERIFY(near(v.out.P, 2.587826));
        QVERIFY(near(v.out.A, 2.640845));
        QVERIFY(near(v.out.D, 2.469718));
    }

    void bands_data()
    {
        QTest::addColumn<QString>("text1");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("bandText");
        QTest::addColumn<QString>("text1After");
        QTest::newRow("empty gives 50,2") << "" << 9 << "50" << "50,2";
        QTest::newRow("zero gives 50,2") << "0" << 9 << "50" << "50,2";
        QTest::newRow("negative gives 50,2") << "-3" << 9 << "50" << "50,2";
        QTest::newRow("upper edge of 10 m") << "29,7" << 8 << "28" << "29,7";
        QTest::newRow("just above 10 m") << "29,71" << 10 << "0,0" << "29,71";
        QTest::newRow("1.8 is below 160 m") << "1,8" << 10 << "0,0" << "1,8";
        QTest::newRow("160 m") << "1,81" << 0 << "1,8" << "1,81";
        QTest::newRow("40 m has a leading blank") << "7,1" << 2 << " 7" << "7,1";
        QTest::newRow("80 m") << "3,8" << 1 << "3,5" << "3,8";
        QTest::newRow("30 m") << "10,15" << 3 << "10" << "10,15";
        QTest::newRow("17 m lower edge") << "18,068" << 5 << "18" << "18,068";
        QTest::newRow("15 m") << "21,45" << 6 << "21" << "21,45";
        QTest::newRow("12 m") << "24,99" << 7 << "24" << "24,99";
        QTest::newRow("6 m top") << "52" << 9 << "50" << "52,0";
        QTest::newRow("between bands") << "45" << 10 << "0,0" << "45,0";
        QTest::newRow("four decimals rounded") << "14,12345" << 4 << "14" << "14,123";
    }
    void bands()
    {
        QFETCH(QString, text1);
        QFETCH(int, button);
        QFETCH(QString, bandText);
        QFETCH(QString, text1After);
        FakeUi fake;
        FakeBeamForm form;
        form.t1 = text1;
        BeamValues v;
        QCOMPARE(run(form, &v), RunEnd::Completed);
        QCOMPARE(form.band, button);
        QCOMPARE(v.band.bandText, bandText);
        QCOMPARE(form.t1, text1After);
    }

    void insulationChecks_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QString>("dA");
        QTest::addColumn<QString>("dL");
        QTest::addColumn<QList<int>>("answers");  // Yes/No answers to the material question
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("focus");
        QTest::newRow("air is bare, diameters unchecked") << "1,00059" << "1" << "1" << QList<int>{} << int(RunEnd::Completed) << 0 << "";
        QTest::newRow("just above air needs diameters") << "1,0006" << "1" << "1" << QList<int>{} << int(RunEnd::EndedEarly) << 0 << "Text7";
        QTest::newRow("20 asks nothing") << "20" << "2" << "1,5" << QList<int>{} << int(RunEnd::Completed) << 0 << "";
        QTest::newRow("20,01 asked, No") << "20,01" << "2" << "1,5" << QList<int>{int(ui::Answer::No)} << int(RunEnd::EndedEarly) << 1 << "Combo1";
        QTest::newRow("20,01 asked, Yes") << "20,01" << "2" << "1,5" << QList<int>{int(ui::Answer::Yes)} << int(RunEnd::Completed) << 1 << "";
        QTest::newRow("conductor equals outer") << "2,3" << "2" << "2" << QList<int>{} << int(RunEnd::EndedEarly) << 0 << "Text7";
        QTest::newRow("conductor too thin") << "2,3" << "2" << "0,009" << QList<int>{} << int(RunEnd::EndedEarly) << 0 << "Text7";
        QTest::newRow("thinnest conductor passes") << "2,3" << "0,5" << "0,01" << QList<int>{} << int(RunEnd::Completed) << 0 << "";
    }
    void insulationChecks()
    {
        QFETCH(QString, combo);
        QFETCH(QString, dA);
        QFETCH(QString, dL);
        QFETCH(QList<int>, answers);
        QFETCH(int, end);
        QFETCH(int, questions);
        QFETCH(QString, focus);
        FakeUi fake;
        for (int a : answers)
            fake.answers.push_back(ui::Answer(a));
        FakeBeamForm form;
        form.c1 = combo;
        form.t6 = dA;
        form.t7 = dL;
        zusatz = 0.5;  // an earlier run's value
        QCOMPARE(int(run(form)), end);
        QCOMPARE(fake.messages.size(), questions);
        if (questions) {
            QCOMPARE(fake.messages[0].title, QStringLiteral(" Schlechtes Isoliermaterial ?"));
            QCOMPARE(fake.messages[0].text, QStringLiteral("Ist die Eingabe der relative Dielektrizitätszahl korrekt ?"));
        }
        QCOMPARE(form.focus.join(u','), focus);
        if (end == int(RunEnd::EndedEarly)) {
            // An early end keeps the earlier shortening and the earlier results, but the
            // normalised texts and the band take effect.
            QCOMPARE(zusatz, 0.5);
            QCOMPARE(form.label3, QString());
            QVERIFY(!form.command2);
            QCOMPARE(form.band, 4);
            QCOMPARE(form.t4, QStringLiteral("0,95"));
            QCOMPARE(form.infoText, focus == "Text7" ? QStringLiteral("Hinweis: Durchmesser zu gering!") : QString());
        }
    }

    void insulationFormula()
    {
        QVERIFY(std::fabs(IsolierKorrektur(2.3f, 2.0f, 1.5f, 0.95f) - 0.0100383) < 5e-8);
        // Less than a micrometre of insulation: ln 1 = 0, no shortening.
        QCOMPARE(IsolierKorrektur(2.3f, 1.5005f, 1.5f, 0.95f), 0.0);
        QCOMPARE(isolierMaterialien(QStringLiteral(",")).size(), 25);
    }

    // Velocity factor 0 with insulated wire divides by zero in the insulation shortening.
    void failureAnswers_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<bool>("report");
        QTest::addColumn<bool>("vollwelle");  // the full-wave model with no engine installed
        QTest::newRow("abort") << QList<int>{int(ui::Answer::Abort)} << int(RunEnd::Aborted) << 1 << false << false;
        QTest::newRow("retry twice then abort") << QList<int>{int(ui::Answer::Retry), int(ui::Answer::Retry), int(ui::Answer::Abort)} << int(RunEnd::Aborted) << 3 << false << false;
        QTest::newRow("ignore") << QList<int>{int(ui::Answer::Ignore)} << int(RunEnd::Completed) << 1 << true << false;
        QTest::newRow("no engine: abort") << QList<int>{int(ui::Answer::Abort)} << int(RunEnd::Aborted) << 1 << false << true;
        // Ignored, the missing shortening is reported again where the wavelength needs it, and
        // no wire length is computed from an earlier run's value.
        QTest::newRow("no engine: ignore") << QList<int>{int(ui::Answer::Ignore), int(ui::Answer::Ignore)} << int(RunEnd::Completed) << 2
                                           << true << true;
    }
    void failureAnswers()
    {
        QFETCH(QList<int>, answers);
        QFETCH(int, end);
        QFETCH(int, boxes);
        QFETCH(bool, report);
        QFETCH(bool, vollwelle);
        QTemporaryDir ohneMaschine;
        const QByteArray pfad = qgetenv("PATH");
        if (vollwelle)
            qputenv("PATH", ohneMaschine.path().toLocal8Bit());
        const auto zurueck = qScopeGuard([&] { qputenv("PATH", pfad); });
        FakeUi fake;
        for (int a : answers)
            fake.answers.push_back(ui::Answer(a));
        FakeBeamForm form;
        form.t4 = QStringLiteral("0");
        form.c1 = QStringLiteral("2,3");
        form.t6 = QStringLiteral("2");
        form.t7 = QStringLiteral("1,5");
        form.modell = vollwelle ? IsolierModell::Vollwelle : IsolierModell::Formel;
        zusatz = 0.25;
        BeamValues v;
        QCOMPARE(int(run(form, &v)), end);
        QCOMPARE(fake.messages.size(), boxes);
        for (const auto& m : fake.messages) {
            QCOMPARE(m.title, QStringLiteral(" Fehler "));
            if (vollwelle)
                QVERIFY2(m.text.startsWith(QStringLiteral("Das Rechenprogramm nec2c ist nicht installiert")), qPrintable(m.text));
            else
                QCOMPARE(m.text, QStringLiteral("Division durch Null"));
            QCOMPARE(m.buttons, ui::Buttons::AbortRetryIgnore);
            QCOMPARE(m.icon, ui::Icon::Exclamation);
        }
        QCOMPARE(form.command2, report);
        QVERIFY(!fake.busy || end != int(RunEnd::Aborted));
        if (report) {
            // The ignored step left the shortening of the earlier run; VF 0 gives wires of length 0.
            QCOMPARE(zusatz, 0.25);
            QCOMPARE(v.out.LgD, 0.0f);
            QVERIFY(near(v.out.A, 2.640845));
        }
    }

    void tinyFrequencyOverflows()
    {
        FakeUi fake;
        fake.answers = {ui::Answer::Ignore, ui::Answer::Abort};
        FakeBeamForm form;
        form.t1 = QStringLiteral("1e-40");
        BeamValues v;
        QCOMPARE(run(form, &v), RunEnd::Aborted);
        QCOMPARE(fake.messages.size(), 2);
        // The box names the inputs the failing value came from.
        QCOMPARE(fake.messages[0].text, QStringLiteral("Überlauf\r\nBitte kleinere Werte verwenden.\r\n"
                                                       "Eingabe: Gesamt Beam (Frequenz) und Verkürzungsfaktor"));
        QCOMPARE(v.out.LgD, 0.0f);
        QCOMPARE(form.label3, QStringLiteral("old"));
    }

    // Insulation that shortens each half by more than a half leaves no wire: a failure naming
    // the inputs that cause it, never negative lengths as a result. Going on past it shows the
    // steps' values, but no report is written of lengths of 0.
    void insulationLeavingNoWireFails_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("end");
        QTest::newRow("abort") << int(ui::Answer::Abort) << int(RunEnd::Aborted);
        QTest::newRow("ignore") << int(ui::Answer::Ignore) << int(RunEnd::Completed);
    }
    void insulationLeavingNoWireFails()
    {
        QFETCH(int, answer);
        QFETCH(int, end);
        QFile::remove(QStringLiteral("Zentavik.txt"));
        FakeUi fake;
        fake.answers = {ui::Answer(answer)};
        FakeBeamForm form;
        form.t1 = QStringLiteral("14,2");
        form.t4 = QStringLiteral("0,01");
        form.c1 = QStringLiteral("20");
        form.t6 = QStringLiteral("100");
        form.t7 = QStringLiteral("1");
        BeamValues v;
        QCOMPARE(int(run(form, &v)), end);
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.messages[0].title, QStringLiteral(" Fehler "));
        QCOMPARE(fake.messages[0].text, QStringLiteral("Die Zusatzverkürzung durch die Drahtisolierung ist zu groß: die Drahtlängen wären "
                                                       "nicht positiv.\r\nEingabe: relative Dielektrizitätszahl, Durchmesser Aussen, "
                                                       "Durchmesser Leiter und Verkürzungsfaktor"));
        QCOMPARE(v.out.LgD, 0.0f);
        QVERIFY(!form.command2);
        QVERIFY(!QFile::exists(QStringLiteral("Zentavik.txt")));
        QVERIFY2(!form.infoText.contains(QStringLiteral("Tabelle liegt")), qPrintable(form.infoText));
    }

    void frequencyBeyondSingleFailsAtReading()
    {
        FakeUi fake;
        fake.answers = {ui::Answer::Abort};
        FakeBeamForm form;
        form.t1 = QStringLiteral("1e39");
        QCOMPARE(run(form), RunEnd::Aborted);
        QCOMPARE(fake.messages.size(), 1);
        QVERIFY(fake.messages[0].text.startsWith(QStringLiteral("Überlauf")));
        QVERIFY(fake.messages[0].text.endsWith(QStringLiteral("\r\nEingabe: Gesamt Beam (Frequenz)")));
        QCOMPARE(form.t1, QStringLiteral("1e39"));
    }

    // The frequency every band button fills in, for each whole MHz that belongs to the band.
    void bandFrequencyTable_data()
    {
        QTest::addColumn<float>("frequency");
        QTest::addColumn<float>("cw");
        QTest::addColumn<float>("ssb");
        QTest::addColumn<float>("middle");
        QTest::newRow("1,8") << 1.8f << 1.82f << 1.86f << 1.857f;
        QTest::newRow("3") << 3.0f << 3.5f << 3.7f << 3.65f;
        QTest::newRow("3,5") << 3.5f << 3.5f << 3.7f << 3.65f;
        QTest::newRow("6") << 6.0f << 7.02f << 7.12f << 7.1f;
        QTest::newRow("7") << 7.0f << 7.02f << 7.12f << 7.1f;
        QTest::newRow("10") << 10.0f << 10.1f << 10.13f << 10.125f;
        QTest::newRow("14") << 14.0f << 14.0f << 14.25f << 14.2f;
        QTest::newRow("18") << 18.0f << 18.068f << 18.13f << 18.118f;
        QTest::newRow("21") << 21.0f << 21.0f << 21.25f << 21.225f;
        QTest::newRow("24") << 24.0f << 24.89f << 24.95f << 24.94f;
        QTest::newRow("25") << 25.0f << 24.89f << 24.95f << 24.94f;
        QTest::newRow("28") << 28.0f << 28.0f << 28.6f << 28.5f;
        QTest::newRow("29") << 29.0f << 28.0f << 28.6f << 28.5f;
        QTest::newRow("30") << 30.0f << 28.0f << 28.6f << 28.5f;
        QTest::newRow("50") << 50.0f << 50.09f << 50.15f << 50.5f;
        // No band: the frequency stays.
        QTest::newRow("1") << 1.0f << 1.0f << 1.0f << 1.0f;
        QTest::newRow("5") << 5.0f << 5.0f << 5.0f << 5.0f;
        QTest::newRow("8") << 8.0f << 8.0f << 8.0f << 8.0f;
        QTest::newRow("9") << 9.0f << 9.0f << 9.0f << 9.0f;
        QTest::newRow("11") << 11.0f << 11.0f << 11.0f << 11.0f;
        QTest::newRow("13") << 13.0f << 13.0f << 13.0f << 13.0f;
        QTest::newRow("15") << 15.0f << 15.0f << 15.0f << 15.0f;
        QTest::newRow("17") << 17.0f << 17.0f << 17.0f << 17.0f;
        QTest::newRow("19") << 19.0f << 19.0f << 19.0f << 19.0f;
        QTest::newRow("22") << 22.0f << 22.0f << 22.0f << 22.0f;
        QTest::newRow("26") << 26.0f << 26.0f << 26.0f << 26.0f;
        QTest::newRow("31") << 31.0f << 31.0f << 31.0f << 31.0f;
        QTest::newRow("49") << 49.0f << 49.0f << 49.0f << 49.0f;
        QTest::newRow("51") << 51.0f << 51.0f << 51.0f << 51.0f;
        QTest::newRow("0") << 0.0f << 0.0f << 0.0f << 0.0f;
        QTest::newRow("negative 2") << -2.0f << -2.0f << -2.0f << -2.0f;
        QTest::newRow("largest 16-bit index") << 32767.0f << 32767.0f << 32767.0f << 32767.0f;
        QTest::newRow("beyond the 16-bit index") << 1e30f << 1e30f << 1e30f << 1e30f;
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << std::numeric_limits<float>::infinity()
                                  << std::numeric_limits<float>::infinity() << std::numeric_limits<float>::infinity();
    }
    void bandFrequencyTable()
    {
        QFETCH(float, frequency);
        QFETCH(float, cw);
        QFETCH(float, ssb);
        QFETCH(float, middle);
        QCOMPARE(BandFrequenz(1, frequency), cw);
        QCOMPARE(BandFrequenz(2, frequency), ssb);
        // Every other range is the band middle.
        for (int range : {3, 0, -1, 4, 32767})
            QCOMPARE(BandFrequenz(range, frequency), middle);
    }

    // The band index is the frequency rounded to whole MHz, halves to the even number.
    void bandFrequencyRoundsHalvesToEven_data()
    {
        QTest::addColumn<float>("frequency");
        QTest::addColumn<float>("cw");
        QTest::newRow("0,5 gives 0") << 0.5f << 0.5f;
        QTest::newRow("1,5 gives 2") << 1.5f << 1.82f;
        QTest::newRow("2,5 gives 2") << 2.5f << 1.82f;
        QTest::newRow("2,51 gives 3") << 2.51f << 3.5f;
        QTest::newRow("3,5 gives 4") << 3.5f << 3.5f;
        QTest::newRow("4,5 gives 4") << 4.5f << 3.5f;
        QTest::newRow("4,51 gives 5") << 4.51f << 4.51f;
        QTest::newRow("5,5 gives 6") << 5.5f << 7.02f;
        QTest::newRow("5,49 gives 5") << 5.49f << 5.49f;
        QTest::newRow("7,49 gives 7") << 7.49f << 7.02f;
        QTest::newRow("7,5 gives 8") << 7.5f << 7.5f;
        QTest::newRow("9,5 gives 10") << 9.5f << 10.1f;
        QTest::newRow("10,5 gives 10") << 10.5f << 10.1f;
        QTest::newRow("13,5 gives 14") << 13.5f << 14.0f;
        QTest::newRow("14,5 gives 14") << 14.5f << 14.0f;
        QTest::newRow("17,5 gives 18") << 17.5f << 18.068f;
        QTest::newRow("18,5 gives 18") << 18.5f << 18.068f;
        QTest::newRow("20,5 gives 20") << 20.5f << 20.5f;
        QTest::newRow("21,5 gives 22") << 21.5f << 21.5f;
        QTest::newRow("23,5 gives 24") << 23.5f << 24.89f;
        QTest::newRow("24,89 gives 25") << 24.89f << 24.89f;
        QTest::newRow("25,5 gives 26") << 25.5f << 25.5f;
        QTest::newRow("27,5 gives 28") << 27.5f << 28.0f;
        QTest::newRow("28,5 gives 28") << 28.5f << 28.0f;
        QTest::newRow("29,5 gives 30") << 29.5f << 28.0f;
        QTest::newRow("30,5 gives 30") << 30.5f << 28.0f;
        QTest::newRow("30,51 gives 31") << 30.51f << 30.51f;
        QTest::newRow("49,5 gives 50") << 49.5f << 50.09f;
        QTest::newRow("50,5 gives 50") << 50.5f << 50.09f;
        QTest::newRow("50,51 gives 51") << 50.51f << 50.51f;
        QTest::newRow("-1,5 gives -2") << -1.5f << -1.5f;
    }
    void bandFrequencyRoundsHalvesToEven()
    {
        QFETCH(float, frequency);
        QFETCH(float, cw);
        QCOMPARE(BandFrequenz(1, frequency), cw);
    }

    // Both edges of every band belong to it; the value just beyond does not. The report
    // names the band, or "0,0" outside every band.
    void bandEdges_data()
    {
        QTest::addColumn<QString>("text1");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("bandText");
        const struct {
            const char *below, *from, *to, *above;
            int button;
            const char* text;
        } bands[] = {
            {"1,8", "1,81", "2", "2,01", 0, "1,8"},          {"3,49", "3,5", "3,8", "3,81", 1, "3,5"},
            {"6,99", "7", "7,2", "7,21", 2, " 7"},          {"10,09", "10,1", "10,15", "10,16", 3, "10"},
            {"13,99", "14", "14,35", "14,36", 4, "14"},      {"18,067", "18,068", "18,168", "18,169", 5, "18"},
            {"20,99", "21", "21,45", "21,46", 6, "21"},      {"24,88", "24,89", "24,99", "25", 7, "24"},
            {"27,99", "28", "29,7", "29,71", 8, "28"},       {"49,99", "50", "52", "52,01", 9, "50"},
        };
        for (const auto& b : bands) {
            const QString text = QString::fromUtf8(b.text);
            QTest::addRow("%s below", b.text) << b.below << AndereBand << "0,0";
            QTest::addRow("%s lower edge", b.text) << b.from << b.button << text;
            QTest::addRow("%s upper edge", b.text) << b.to << b.button << text;
            QTest::addRow("%s above", b.text) << b.above << AndereBand << "0,0";
        }
    }
    void bandEdges()
    {
        QFETCH(QString, text1);
        QFETCH(int, button);
        QFETCH(QString, bandText);
        FakeUi fake;
        FakeBeamForm form;
        form.t1 = text1;
        form.range = 1;
        QCOMPARE(run(form), RunEnd::Completed);
        QCOMPARE(form.band, button);
        QFile file(QStringLiteral("Zentavik.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = decodeCp1252(file.readAll()).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.value(3), QStringLiteral("Antenne berechnet für SSB-Band: ") + bandText + QStringLiteral(" MHz"));
    }

    // The factor as the calculation used it, with up to four decimals.
    void velocityFactorWrittenBack_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("four decimals") << "0,9456" << "0,9456";
        QTest::newRow("five decimals rounded") << "0,94565" << "0,9457";
        QTest::newRow("one decimal") << "0,9" << "0,9";
        QTest::newRow("whole") << "1" << "1,0";
    }
    void velocityFactorWrittenBack()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        FakeUi fake;
        FakeBeamForm form;
        form.t4 = typed;
        QCOMPARE(run(form), RunEnd::Completed);
        QCOMPARE(form.t4, written);
    }

    // Air, typed or chosen, is bare wire: no shortening and no insulation line in the report.
    void airIsBareWire_data()
    {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<bool>("insulated");
        QTest::newRow("air from the list") << "1,00059 Luft" << false;
        QTest::newRow("air typed") << "1,00059" << false;
        QTest::newRow("vacuum") << "1,0   Vakuum" << false;
        QTest::newRow("just above air") << "1,0006" << true;
    }
    void airIsBareWire()
    {
        QFETCH(QString, combo);
        QFETCH(bool, insulated);
        FakeUi fake;
        FakeBeamForm form;
        form.c1 = combo;
        form.t6 = QStringLiteral("2");
        form.t7 = QStringLiteral("1,5");
        // The shortening of an earlier insulated run does not carry over.
        zusatz = 0.25;
        BeamValues v;
        QCOMPARE(run(form, &v), RunEnd::Completed);
        if (!insulated)
            QVERIFY(near(v.out.LgD, 10.90493));
        QCOMPARE(zusatz > 0, insulated);
        QFile file(QStringLiteral("Zentavik.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString report = decodeCp1252(file.readAll());
        QCOMPARE(report.contains(QStringLiteral("Drahtisolierung")), insulated);
        QCOMPARE(report.split(QStringLiteral("\r\n")).value(8) == separatorLine(), !insulated);
    }

    // The boom length is rounded up by half a centimetre, the width widened by 10 cm.
    void reportRoundsBoomAndWidth_data()
    {
        QTest::addColumn<float>("boom");
        QTest::addColumn<float>("width");
        QTest::addColumn<QString>("boomLine");
        QTest::addColumn<QString>("widthLine");
        QTest::newRow("just below a half centimetre") << 7.0549f << 5.0f << "Gesamte Boomlänge: 7,06 m" << "Größte Antennenbreite: ~ 5,1 m";
        QTest::newRow("whole centimetres") << 7.05f << 5.387324f << "Gesamte Boomlänge: 7,06 m" << "Größte Antennenbreite: ~ 5,49 m";
        QTest::newRow("just below a centimetre") << 7.044f << 5.904f << "Gesamte Boomlänge: 7,05 m" << "Größte Antennenbreite: ~ 6,0 m";
    }
    void reportRoundsBoomAndWidth()
    {
        QFETCH(float, boom);
        QFETCH(float, width);
        QFETCH(QString, boomLine);
        QFETCH(QString, widthLine);
        ReportData data;
        data.out.gesLgBoom = boom;
        data.out.Bh = width;
        QCOMPARE(reportLine(6, data), boomLine);
        QCOMPARE(reportLine(7, data), widthLine);
    }

    // The calculation turns the busy cursor on for its caller to turn off; the error box turns
    // it off while it waits, and Ignore turns it on again for the steps that follow.
    void busyCursorForTheCaller_data()
    {
        QTest::addColumn<QString>("text1");
        QTest::addColumn<int>("boxes");
        QTest::newRow("no failure") << "14,2" << 0;
        QTest::newRow("failures ignored") << "1e-40" << 1;
    }
    void busyCursorForTheCaller()
    {
        QFETCH(QString, text1);
        QFETCH(int, boxes);
        FakeUi fake;
        for (int i = 0; i < 40; ++i)
            fake.answers.push_back(ui::Answer::Ignore);
        FakeBeamForm form;
        form.t1 = text1;
        QCOMPARE(run(form), RunEnd::Completed);
        QVERIFY(fake.messages.size() >= boxes);
        for (const ShownMessage& m : fake.messages)
            QVERIFY(!m.busy);
        QVERIFY(fake.busy);
    }
};

QTEST_GUILESS_MAIN(TestBeamCalculation)
#include "test_beamcalculation.moc"

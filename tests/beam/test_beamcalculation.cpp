#include "beam/beamcalculation.h"
#include "beam/insulation.h"
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

    RunEnd run(FakeBeamForm& form, BeamValues* values = nullptr)
    {
        Berechnung calc(form, {module, nullptr, QStringLiteral(","), QDate(2026, 12, 7), QStringLiteral("(c) Test")});
        const RunEnd end = calc.run([this](const Failure& f, const Step&) { return beamFailureBox(f, module.CrLf); });
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
    void init() { module = Module1{}; }

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
        QCOMPARE(module.ZusatzVerkuerzung, 0.0);
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
        QVERIFY2(std::fabs(module.ZusatzVerkuerzung - 0.0100383) < 5e-8, qPrintable(seven(module.ZusatzVerkuerzung)));
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
        module.ZusatzVerkuerzung = 0.5;  // an earlier run's value
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
            QCOMPARE(module.ZusatzVerkuerzung, 0.5);
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
        QTest::newRow("abort") << QList<int>{int(ui::Answer::Abort)} << int(RunEnd::Aborted) << 1 << false;
        QTest::newRow("retry twice then abort") << QList<int>{int(ui::Answer::Retry), int(ui::Answer::Retry), int(ui::Answer::Abort)} << int(RunEnd::Aborted) << 3 << false;
        QTest::newRow("ignore") << QList<int>{int(ui::Answer::Ignore)} << int(RunEnd::Completed) << 1 << true;
    }
    void failureAnswers()
    {
        QFETCH(QList<int>, answers);
        QFETCH(int, end);
        QFETCH(int, boxes);
        QFETCH(bool, report);
        FakeUi fake;
        for (int a : answers)
            fake.answers.push_back(ui::Answer(a));
        FakeBeamForm form;
        form.t4 = QStringLiteral("0");
        form.c1 = QStringLiteral("2,3");
        form.t6 = QStringLiteral("2");
        form.t7 = QStringLiteral("1,5");
        module.ZusatzVerkuerzung = 0.25;
        BeamValues v;
        QCOMPARE(int(run(form, &v)), end);
        QCOMPARE(fake.messages.size(), boxes);
        for (const auto& m : fake.messages) {
            QCOMPARE(m.title, QStringLiteral(" Fehler "));
            QCOMPARE(m.text, QStringLiteral("Division durch Null"));
            QCOMPARE(m.buttons, ui::Buttons::AbortRetryIgnore);
            QCOMPARE(m.icon, ui::Icon::Exclamation);
        }
        QCOMPARE(form.command2, report);
        QVERIFY(!fake.busy || end != int(RunEnd::Aborted));
        if (report) {
            // The ignored step left the shortening of the earlier run; VF 0 gives wires of length 0.
            QCOMPARE(module.ZusatzVerkuerzung, 0.25);
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
        QCOMPARE(fake.messages[0].text, QStringLiteral("Überlauf\r\nBitte kleinere Werte verwenden."));
        QCOMPARE(v.out.LgD, 0.0f);
        QCOMPARE(form.label3, QStringLiteral("old"));
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
        QCOMPARE(form.t1, QStringLiteral("1e39"));
    }
};

QTEST_GUILESS_MAIN(TestBeamCalculation)
#include "test_beamcalculation.moc"

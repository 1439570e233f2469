#include "calculators/zusatzdipol.h"
#include "common/dipolabstand.h"
#include "common/module1.h"
#include "vf/groundcorrection.h"
#include "tests/support/fakevkrechner.h"
#include "tests/support/fakeui.h"
#include "tests/support/fakeframe.h"
#include "tests/support/germanlocale.h"
#include "tests/support/staleresult.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cmath>

namespace {

// The worked example: a 14 MHz driven dipole, a 21 MHz additional one, both of 2 mm wire.
ZusatzDipolEingaben beispiel()
{
    ZusatzDipolEingaben e;
    e.text1 = QStringLiteral("21");
    e.text2 = QStringLiteral("14");
    e.text3 = QStringLiteral("300");
    e.text4 = QStringLiteral("2");
    e.text5 = QStringLiteral("2");
    e.text6 = QStringLiteral("0,95");
    return e;
}

const QString komma = QStringLiteral(",");
using Feld = ZusatzDipolFeld;

} // namespace

Q_DECLARE_METATYPE(ZusatzDipolFeld)

class TestZusatzDipol : public QObject {
    Q_OBJECT
    FakeUi fake;

private slots:
    void initTestCase() { useGermanLocale(); }
    void init()
    {
        fake.messages.clear();
        fake.beeps = 0;
    }

    void workedExample()
    {
        const ZusatzDipolErgebnis r = ZusatzDipolRechnen(beispiel(), 0, nullptr, komma);
        QVERIFY(r.gerechnet);
        QCOMPARE(r.beeps, 0);
        QCOMPARE(r.fokus, Feld::Keins);
        QCOMPARE(*r.text6, QStringLiteral("0,95"));
        QCOMPARE(*r.label8, QStringLiteral("237"));
        QCOMPARE(*r.label10, QStringLiteral("6,786"));
        QVERIFY(!r.text4 && !r.text5 && !r.fehler);
    }

    void spacingFunction_data()
    {
        QTest::addColumn<float>("dE");
        QTest::addColumn<float>("dZ");
        QTest::addColumn<double>("verkuerzung");
        QTest::addColumn<float>("expected");
        // x = (2*1.27 + 2/1.27)/8000/L; x^0.54 * 300/72 * L * 1000 with L = 300/21 m, then 0.9 of it
        QTest::newRow("2 mm each") << 2.f << 2.f << 0.0 << 237.2f;
        QTest::newRow("driven wire counts 1,27 times") << 4.f << 1.f << 0.0 << 287.3f;
        QTest::newRow("additional wire counts 1/1,27") << 1.f << 4.f << 0.0 << 246.5f;
        QTest::newRow("insulation shortens the wavelength") << 2.f << 2.f << 0.05 << 226.0f;
        QTest::newRow("wavelength of 0 fails and gives 0") << 2.f << 2.f << 0.5 << 0.f;
        QTest::newRow("diameters of 0 fail and give 0") << 0.f << 0.f << 0.0 << 0.f;
    }
    void spacingFunction()
    {
        QFETCH(float, dE);
        QFETCH(float, dZ);
        QFETCH(double, verkuerzung);
        QFETCH(float, expected);
        const float a = DipolAbstand(300, 14, 21, dE, dZ, 0, verkuerzung);
        QVERIFY2(std::fabs(a - expected) < 0.1f, qPrintable(QString::number(a)));
    }

    void log10FailsOutsideItsDomain()
    {
        QCOMPARE(Log10(1000), 3.0);
        QVERIFY_THROWS_EXCEPTION(Failure, Log10(0));
        QVERIFY_THROWS_EXCEPTION(Failure, Log10(-1));
    }

    void refusedFieldsInCheckOrder_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Feld>("focus");
        QTest::newRow("empty lowest resonance") << "text2" << "" << Feld::Text2;
        QTest::newRow("zero wanted resonance") << "text1" << "0" << Feld::Text1;
        QTest::newRow("empty impedance") << "text3" << "" << Feld::Text3;
        QTest::newRow("negative driven diameter") << "text5" << "-2" << Feld::Text5;
        QTest::newRow("text as additional diameter") << "text4" << "dick" << Feld::Text4;
        QTest::newRow("zero velocity factor") << "text6" << "0,0" << Feld::Text6;
        QTest::newRow("negative velocity factor") << "text6" << "-0,9" << Feld::Text6;
    }
    void refusedFieldsInCheckOrder()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(Feld, focus);
        ZusatzDipolEingaben e = beispiel();
        QString* fields[] = {&e.text1, &e.text2, &e.text3, &e.text4, &e.text5, &e.text6};
        *fields[field.back().digitValue() - 1] = text;
        // Fields later in the check order are empty as well: only the first one is refused.
        const QList<QString*> later = field == QLatin1String("text3") ? QList<QString*>{&e.text5, &e.text4}
                                                                      : QList<QString*>{};
        for (QString* f : later)
            f->clear();
        const ZusatzDipolErgebnis r = ZusatzDipolRechnen(e, 0, nullptr, komma);
        QCOMPARE(r.beeps, 1);
        QCOMPARE(r.fokus, focus);
        QVERIFY(!r.gerechnet && !r.label8 && !r.label10 && !r.text6 && !r.fehler);
    }

    void lowWantedResonanceOnlyWarns_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<Feld>("focus");
        QTest::newRow("below the lowest resonance") << "10" << 1 << Feld::Text1;
        QTest::newRow("equal to the lowest resonance") << "14" << 0 << Feld::Keins;
    }
    void lowWantedResonanceOnlyWarns()
    {
        QFETCH(QString, wanted);
        ZusatzDipolEingaben e = beispiel();
        e.text1 = wanted;
        const ZusatzDipolErgebnis r = ZusatzDipolRechnen(e, 0, nullptr, komma);
        QTEST(r.beeps, "beeps");
        QTEST(r.fokus, "focus");
        QVERIFY(r.gerechnet);
        QVERIFY(r.label8 && r.label10);
    }

    // The driven wire may be half the height thick, the calculator's height or, without an
    // active calculator, a hundred wavelengths of the additional dipole.
    void drivenWireLimit_data()
    {
        QTest::addColumn<QString>("height");  // empty: no active calculator
        QTest::addColumn<QString>("dE");
        QTest::addColumn<QString>("text5");   // "-": not refused
        QTest::newRow("exactly half the calculator's height") << "2" << "1000" << "-";
        QTest::newRow("above half the calculator's height") << "2" << "1000,5" << "1000,0";
        QTest::newRow("below a hundred wavelengths") << "" << "700000" << "-";
        QTest::newRow("above a hundred wavelengths") << "" << "800000" << "714285,7";
    }
    void drivenWireLimit()
    {
        QFETCH(QString, height);
        QFETCH(QString, dE);
        QFETCH(QString, text5);
        ZusatzDipolEingaben e = beispiel();
        e.text5 = dE;
        FakeVkRechner rechner;
        rechner.tagText = height.isEmpty() ? QStringLiteral("-") : QStringLiteral("Aktiv");
        rechner.hoehe = height;
        const ZusatzDipolErgebnis r = ZusatzDipolRechnen(e, 0, &rechner, komma);
        QCOMPARE(r.text5.value_or(QStringLiteral("-")), text5);
        QCOMPARE(r.fokus == Feld::Text5, text5 != QLatin1String("-"));
    }

    void diameterLimits_data()
    {
        QTest::addColumn<QString>("impedance");
        QTest::addColumn<QString>("dZ");
        QTest::addColumn<QString>("height");  // empty: no active calculator
        QTest::addColumn<Feld>("focus");
        QTest::addColumn<QString>("text4");   // "-": unchanged
        QTest::addColumn<QString>("text5");
        QTest::newRow("additional wire thicker than the gap") << "10" << "2" << "" << Feld::Text4 << "1,89" << "-";
        QTest::newRow("gap below 0 keeps the typed diameter") << "1" << "500" << "" << Feld::Text4 << "-" << "-";
        QTest::newRow("driven wire above half the height") << "300" << "2" << "0,001" << Feld::Text5 << "-" << "0,5";
    }
    void diameterLimits()
    {
        QFETCH(QString, impedance);
        QFETCH(QString, dZ);
        QFETCH(QString, height);
        QFETCH(Feld, focus);
        QFETCH(QString, text4);
        QFETCH(QString, text5);
        ZusatzDipolEingaben e = beispiel();
        e.text3 = impedance;
        e.text4 = dZ;
        FakeVkRechner rechner;
        rechner.tagText = height.isEmpty() ? QStringLiteral("-") : QStringLiteral("Aktiv");
        rechner.hoehe = height;
        const ZusatzDipolErgebnis r = ZusatzDipolRechnen(e, 0, &rechner, komma);
        QCOMPARE(r.beeps, 1);
        QCOMPARE(r.fokus, focus);
        QCOMPARE(r.text4.value_or(QStringLiteral("-")), text4);
        QCOMPARE(r.text5.value_or(QStringLiteral("-")), text5);
        QVERIFY(!r.gerechnet && !r.label8 && !r.text6);
    }

    void gapIsAStrictLimit()
    {
        // The gap written back is the largest diameter the check refuses: once it is typed, the
        // gap shrinks with it, and a slightly thinner wire passes.
        ZusatzDipolEingaben e = beispiel();
        e.text3 = QStringLiteral("10");
        const ZusatzDipolErgebnis erst = ZusatzDipolRechnen(e, 0, nullptr, komma);
        QVERIFY(erst.text4);
        e.text4 = QStringLiteral("1,5");
        QVERIFY(ZusatzDipolRechnen(e, 0, nullptr, komma).gerechnet);
        // This diameter equals its own gap in single precision: still refused.
        e.text4 = QStringLiteral("1,890285");
        QCOMPARE(ZusatzDipolRechnen(e, 0, nullptr, komma).fokus, Feld::Text4);
    }

    void velocityFactorRewritten_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("one decimal gets two") << "0,9" << "0,90";
        QTest::newRow("trailing zero dropped") << "0,950" << "0,95";
        QTest::newRow("decimal point") << "0.95" << "0,95";
        QTest::newRow("five decimals kept") << "0,94567" << "0,94567";
    }
    void velocityFactorRewritten()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        ZusatzDipolEingaben e = beispiel();
        e.text6 = typed;
        QCOMPARE(ZusatzDipolRechnen(e, 0, nullptr, komma).text6.value_or(QString()), shown);
    }

    void pointAndCommaReadAlike()
    {
        ZusatzDipolEingaben komma1 = beispiel(), punkt = beispiel();
        komma1.text2 = QStringLiteral("14,2");
        punkt.text2 = QStringLiteral("14.2");
        komma1.text4 = QStringLiteral("1,5");
        punkt.text4 = QStringLiteral("1.5");
        const ZusatzDipolErgebnis a = ZusatzDipolRechnen(komma1, 0, nullptr, komma);
        const ZusatzDipolErgebnis b = ZusatzDipolRechnen(punkt, 0, nullptr, komma);
        QVERIFY(a.gerechnet);
        QCOMPARE(*a.label8, *b.label8);
        QCOMPARE(*a.label10, *b.label10);
    }

    void groundCorrectionOfTheActiveCalculator()
    {
        // At 10 m over ground the calculator's correction for 14,2 MHz and 2 mm is 5,536217 %.
        FakeVkRechner rechner;
        rechner.tagText = QStringLiteral("Aktiv");
        rechner.hoehe = QStringLiteral("10");
        ZusatzDipolEingaben e = beispiel();
        e.text2 = QStringLiteral("14,2");
        const ZusatzDipolErgebnis r = ZusatzDipolRechnen(e, 0, &rechner, komma);
        QVERIFY(r.gerechnet);
        QCOMPARE(*r.text6, QStringLiteral("0,94464"));
        // The typed factor no longer matters.
        e.text6 = QStringLiteral("0,5");
        QCOMPARE(*ZusatzDipolRechnen(e, 0, &rechner, komma).text6, QStringLiteral("0,94464"));
    }

    // With an active calculator the length follows the additional wire's own slenderness.
    void lengthFollowsTheAdditionalWire_data()
    {
        QTest::addColumn<QString>("dZ");
        QTest::addColumn<QString>("dE");
        QTest::addColumn<QString>("length");
        QTest::newRow("both 2 mm") << "2" << "2" << "6,575";
        QTest::newRow("thinner additional wire") << "1" << "4" << "6,59";
        QTest::newRow("thicker additional wire") << "4" << "1" << "6,557";
    }
    void lengthFollowsTheAdditionalWire()
    {
        QFETCH(QString, dZ);
        QFETCH(QString, dE);
        FakeVkRechner rechner;
        rechner.tagText = QStringLiteral("Aktiv");
        rechner.hoehe = QStringLiteral("10");
        ZusatzDipolEingaben e = beispiel();
        e.text4 = dZ;
        e.text5 = dE;
        const ZusatzDipolErgebnis r = ZusatzDipolRechnen(e, 0, &rechner, komma);
        QVERIFY(r.gerechnet);
        QTEST(r.label10.value_or(QString()), "length");
    }

    void arithmeticFailuresAreReported_data()
    {
        QTest::addColumn<double>("verkuerzung");
        QTest::addColumn<QString>("height");
        QTest::addColumn<int>("number");
        QTest::newRow("insulation shortening of one half") << 0.5 << "" << int(failures::DivisionByZero);
        QTest::newRow("height beyond any number") << 0.0 << "1e40" << int(failures::Overflow);
    }
    void arithmeticFailuresAreReported()
    {
        QFETCH(double, verkuerzung);
        QFETCH(QString, height);
        QFETCH(int, number);
        FakeVkRechner rechner;
        rechner.tagText = height.isEmpty() ? QStringLiteral("-") : QStringLiteral("Aktiv");
        rechner.hoehe = height;
        const ZusatzDipolErgebnis r = ZusatzDipolRechnen(beispiel(), verkuerzung, &rechner, komma);
        QVERIFY(r.fehler);
        QCOMPARE(r.fehler->number, number);
        QVERIFY(!r.gerechnet && !r.label8);
    }

    void startValues_data()
    {
        QTest::addColumn<bool>("aktiv");
        QTest::addColumn<QString>("beamVk");
        QTest::addColumn<QString>("text2");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("text6");
        QTest::newRow("from the beam form") << false << "0,97" << "" << "3,57" << "0,97";
        QTest::newRow("beam factor empty") << false << "" << "" << "3,57" << "0,946";
        QTest::newRow("beam factor with four decimals") << false << "0,9502" << "" << "3,57" << "0,9502";
        QTest::newRow("beam factor beyond any number") << false << "1e50" << "" << "3,57" << "0,946";
        QTest::newRow("from the active calculator") << true << "0,97" << "14.2" << "2.0" << "0,946";
    }
    void startValues()
    {
        QFETCH(bool, aktiv);
        QFETCH(QString, beamVk);
        QFETCH(QString, text2);
        QFETCH(QString, diameter);
        QFETCH(QString, text6);
        FakeVkRechner rechner;
        rechner.tagText = aktiv ? QStringLiteral("Aktiv") : QStringLiteral("-");
        rechner.durchmesser = QStringLiteral("2.0");
        ZusatzDipolQuellen quellen;
        quellen.vkRechner = [&] { return &rechner; };
        quellen.vkFrequenzText = [] { return QStringLiteral("14.2"); };
        quellen.beamDurchmesserText = [] { return QStringLiteral("3,57"); };
        quellen.beamVkText = [&] { return beamVk; };
        ZusatzDipol form(quellen);
        QCOMPARE(form.Text1->text(), QString());
        QCOMPARE(form.Text2->text(), text2);
        QCOMPARE(form.Text3->text(), QStringLiteral("300"));
        // Same characters as the source field, not reformatted.
        QCOMPARE(form.Text4->text(), diameter);
        QCOMPARE(form.Text5->text(), diameter);
        QCOMPARE(form.Text6->text(), text6);
        QVERIFY(form.Label8->text().isEmpty() && form.Label10->text().isEmpty());
    }

    void formCalculatesAndRefuses()
    {
        double zusatzVerkuerzung = 0;  // the last beam run's
        ZusatzDipolQuellen quellen;
        quellen.beamDurchmesserText = [] { return QStringLiteral("2"); };
        quellen.beamVkText = [] { return QStringLiteral("0,95"); };
        quellen.zusatzVerkuerzung = [&] { return zusatzVerkuerzung; };
        ZusatzDipol form(quellen);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(form.Label1->buddy(), form.Text1);
        QVERIFY(form.Frame1->font().bold() && form.Frame2->font().bold());
        QVERIFY(!form.Label1->font().bold() && !form.Text2->font().bold() && !form.Label8->font().bold());
        QVERIFY(form.Command1->isDefault());

        // Enter in a field runs the calculation.
        QTest::keyClicks(form.Text1, QStringLiteral("21"));
        QTest::keyClicks(form.Text2, QStringLiteral("14"));
        QTest::keyClick(form.Text2, Qt::Key_Return);
        QCOMPARE(form.Label8->text(), QStringLiteral("237"));
        QCOMPARE(form.Label10->text(), QStringLiteral("6,786"));
        QCOMPARE(fake.beeps, 0);

        // A refused field keeps the earlier results and gets the focus.
        form.Text3->clear();
        form.Text1->setFocus();
        form.Command1->click();
        QCOMPARE(fake.beeps, 1);
        QCOMPARE(QApplication::focusWidget(), form.Text3);
        QCOMPARE(form.Label8->text(), QStringLiteral("237"));

        // An arithmetic failure is told in a box and the form goes on working.
        form.Text3->setText(QStringLiteral("300"));
        zusatzVerkuerzung = 0.5;
        form.Command1->click();
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(fake.messages[0].title, QStringLiteral(" Fehler "));
        QVERIFY(fake.messages[0].text.startsWith(QStringLiteral("Fehler 11: Division durch Null")));
        zusatzVerkuerzung = 0;
        // A number beyond single precision: the box names the field it stands in.
        form.Text3->setText(QStringLiteral("1e39"));
        form.Command1->click();
        QCOMPARE(fake.messages.size(), 2);
        QCOMPARE(fake.messages[1].text, QStringLiteral("Fehler 6: Überlauf\r\nEingabe: die gewünschte Impedanz im Speisepunkt"));
        form.Text3->setText(QStringLiteral("300"));
        form.Text1->setText(QStringLiteral("28"));
        form.Command1->click();
        QCOMPARE(form.Label10->text(), QStringLiteral("5,089"));
    }

    // A warning writes the offered diameter into its field, selected for typing over; each
    // warning beeps once, with its reason, and the status line shows the reasons; the results
    // of the calculation before stay, marked stale.
    void formShowsWarnings_data()
    {
        QTest::addColumn<QString>("height");  // empty: no active calculator
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("impedance");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("status");
        const QString lowResonance = QStringLiteral("Die gewünschte Resonanzfrequenz muss über der untersten des Erreger-Dipols liegen");
        QTest::newRow("additional wire thicker than the gap") << "" << "21" << "10" << "Text4" << "1,89" << 1
                                                              << "Der Draht muss dünner sein als die Lücke zwischen den Drähten, hier 1,89 mm";
        QTest::newRow("driven wire above half the height") << "0,001" << "21" << "300" << "Text5" << "0,5" << 1
                                                           << "Der Draht darf höchstens 0,5 mm dick sein (halb so dick wie die Antennenhöhe)";
        QTest::newRow("low wanted resonance and a gap below 0") << "" << "10" << "3" << "Text4" << "2" << 2
                                                                << lowResonance + QStringLiteral("; zwischen den Drähten bleibt keine Lücke "
                                                                                                 "(Impedanz zu klein oder Drähte zu dick)");
        QTest::newRow("impedance missing") << "" << "21" << "" << "Text3" << "" << 1
                                           << "Die gewünschte Impedanz im Speisepunkt muss eine Zahl über 0 sein";
        QTest::newRow("wanted resonance 0") << "" << "0" << "300" << "Text1" << "0" << 1
                                            << "Die gewünschte Resonanzfrequenz des Zusatzdipols muss eine Zahl über 0 sein";
    }
    void formShowsWarnings()
    {
        QFETCH(QString, height);
        QFETCH(QString, wanted);
        QFETCH(QString, impedance);
        QFETCH(QString, field);
        QFETCH(QString, offered);
        FakeVkRechner rechner;
        rechner.tagText = QStringLiteral("-");  // a complete calculation first
        rechner.hoehe = height;
        rechner.durchmesser = QStringLiteral("2");
        ZusatzDipolQuellen quellen;
        quellen.vkRechner = [&] { return &rechner; };
        quellen.vkFrequenzText = [] { return QStringLiteral("14"); };
        quellen.beamDurchmesserText = [] { return QStringLiteral("2"); };
        quellen.beamVkText = [] { return QStringLiteral("0,95"); };
        FakeFrame frame(QStringLiteral("Status:"));
        quellen.frame = &frame;
        ZusatzDipol form(quellen);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.Text1->setText(QStringLiteral("21"));
        form.Text2->setText(QStringLiteral("14"));
        form.Command1->click();
        QVERIFY(shownCurrent(form.Label8) && shownCurrent(form.Label10));
        const QString spacing = form.Label8->text();
        rechner.tagText = height.isEmpty() ? QStringLiteral("-") : QStringLiteral("Aktiv");
        fake.beeps = 0;
        fake.beepReasons.clear();
        form.Text1->setText(wanted);
        form.Text3->setText(impedance);
        form.Command1->click();
        auto* f = form.findChild<QLineEdit*>(field);
        QCOMPARE(f->text(), offered);
        QCOMPARE(QApplication::focusWidget(), f);
        QCOMPARE(f->selectedText(), offered);
        QTEST(fake.beeps, "beeps");
        QTEST(int(fake.beepReasons.size()), "beeps");
        QTEST(frame.text, "status");
        QCOMPARE(form.Label8->text(), spacing);
        QVERIFY(shownStale(form.Label8) && shownStale(form.Label10));
        // The next key ends the reason; the next complete calculation the stale mark.
        QTest::keyClick(f, Qt::Key_5);
        QCOMPARE(frame.text, QStringLiteral("Status:"));
        form.Text1->setText(QStringLiteral("21"));
        form.Text3->setText(QStringLiteral("300"));
        form.Text4->setText(QStringLiteral("2"));
        form.Text5->setText(QStringLiteral("2"));
        rechner.tagText = QStringLiteral("-");
        form.Command1->click();
        QVERIFY(shownCurrent(form.Label8) && shownCurrent(form.Label10));
    }

    void bothEnterKeysCalculate_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter);
    }
    void bothEnterKeysCalculate()
    {
        QFETCH(int, key);
        ZusatzDipolQuellen quellen;
        quellen.beamDurchmesserText = [] { return QStringLiteral("2"); };
        quellen.beamVkText = [] { return QStringLiteral("0,95"); };
        ZusatzDipol form(quellen);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.Text1->setText(QStringLiteral("21"));
        form.Text2->setText(QStringLiteral("14"));
        QTest::keyClick(form.Text2, Qt::Key(key));
        QCOMPARE(form.Label8->text(), QStringLiteral("237"));
    }

    void infoBox()
    {
        ZusatzDipol form(ZusatzDipolQuellen{});
        form.Command2->click();
        QCOMPARE(fake.messages.size(), 1);
        const ShownMessage& m = fake.messages[0];
        QCOMPARE(m.title, QStringLiteral(" Info zur Berechnung eines strahlungsgekoppelten Dipol "));
        QCOMPARE(m.icon, ui::Icon::Information);
        QCOMPARE(m.buttons, ui::Buttons::Ok);
        const QStringList lines = m.text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 15);
        QCOMPARE(lines[1], QString());
        QCOMPARE(lines[2], QStringLiteral(" \u00b7 Der Erreger-Dipol muss auf der Frequenz des Zusatz-Dipol eine hochohmige "));
        QCOMPARE(lines[4], QStringLiteral(" \u00b7 Es kann nur ein zusätzlicher Dipol ausreichend genau berechnet werden. Solle zwei  "));
        QCOMPARE(lines[14], QStringLiteral("   über dessen Ende hinaus ragen."));
        QCOMPARE(lines.mid(5), (QStringList{
            QStringLiteral("   oder mehr Zusatz-Dipole hinzu gefügt werden, so reichen die Abstandsberechnungen   "),
            QStringLiteral("   nur als grober Anhaltspunkt. Eigene Experimente sind dann notwendig.  "),
            QString(),
            QStringLiteral(" Hinweis:"),
            QString(),
            QStringLiteral(" \u00b7 Die Eingaben zur Drahtisolierung und zur Berechnung des VF werden zur "),
            QStringLiteral("   Berechnung mit übernommen."),
            QStringLiteral(" \u00b7 Der Zusatz-Dipol muss sich mittig und symmetrisch zum Speisepunkt befinden.        "),
            QStringLiteral(" \u00b7 Der Zusatz-Dipol muss immer kürzer als der Erreger-Dipol sein und darf auch nicht  "),
            QStringLiteral("   über dessen Ende hinaus ragen.")}));
        QVERIFY(!m.text.contains(u'\n' + QString(u'\n')));
    }
};

QTEST_MAIN(TestZusatzDipol)
#include "test_zusatzdipol.moc"

#include "common/numbertext.h"
#include "platform/settingsstore.h"
#include "tests/support/analysatorsimulator.h"
#include "tests/support/fakeframe.h"
#include "tests/support/fakeui.h"
#include "tests/support/germanlocale.h"
#include "tests/support/s1pmodell.h"
#include "tests/vf/vkfenstertest.h"
#include "vf/frmvk.h"
#include "vf/pruninganalysator.h"
#include "vf/pruningmessung.h"
#include "vf/swranzeige.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(AnalysatorSimulator::Stoerung)

// The beam form's fields as the windows see them: plain texts.
struct FakeBeamFelder {
    QString frequenz = QStringLiteral("50,2");
    QString durchmesser = QStringLiteral("3,57");
    QString vk = QStringLiteral("1,00");

    VkBeamFelder felder()
    {
        VkBeamFelder f;
        f.frequenzText = [this] { return frequenz; };
        f.durchmesserText = [this] { return durchmesser; };
        f.setzeFrequenz = [this](const QString& t) { frequenz = t; };
        f.setzeVk = [this](const QString& t) { vk = t; };
        f.setzeDurchmesser = [this](const QString& t) { durchmesser = t; };
        return f;
    }
};

// The velocity-factor calculator and the pruning window on their own, each handing its
// results to stand-in beam fields and telling its reasons in a stand-in status line.
class TestVkFenster : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QTemporaryDir config;
    std::unique_ptr<FakeUi> fake;
    FakeFrame frame;
    FakeBeamFelder beam;
    std::vector<std::unique_ptr<frmVk>> windows;

    frmVk& open(frmVk::Rolle rolle)
    {
        windows.push_back(std::make_unique<frmVk>(frame, beam.felder(), rolle));
        frmVk& form = *windows.back();
        form.show();
        QApplication::setActiveWindow(&form);
        if (!QTest::qWaitForWindowActive(&form))
            qWarning("the window never became active");
        return form;
    }

    // The one calculator, opened by the first use.
    frmVk& openVk() { return windows.empty() ? open(frmVk::Rolle::Verkuerzungsfaktor) : *windows.front(); }

    frmVk& calculate(const QString& f, const QString& h, const QString& d)
    {
        frmVk& vk = openVk();
        type(vk.Text1, f);
        type(vk.Text2, h);
        type(vk.Text3, d);
        enter(vk.Text3);
        return vk;
    }

    frmVk& pruning(const QString& lgd, const QString& fIst, const QString& fSoll)
    {
        frmVk& p = open(frmVk::Rolle::Pruning);
        type(p.Text1, lgd);
        type(p.Text2, fIst);
        type(p.Text3, fSoll);
        enter(p.Text3);
        return p;
    }

private slots:
    void initTestCase()
    {
        useGermanLocale();
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        QDir::setCurrent(dir.path());
    }
    void init()
    {
        fake = std::make_unique<FakeUi>();
        frame = FakeFrame();
        beam = FakeBeamFelder();
    }
    void cleanup()
    {
        frame.forGood = true;
        windows.clear();
        fake.reset();
    }

    void velocityFactor_data()
    {
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("d");
        QTest::addColumn<bool>("corr");
        QTest::addColumn<QString>("slenderness");
        QTest::addColumn<bool>("slendernessRed");
        QTest::addColumn<QString>("ground");
        QTest::addColumn<bool>("groundRed");
        QTest::addColumn<QString>("vf");
        QTest::addColumn<QString>("handedOver");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<bool>("diameterRed");
        QTest::addColumn<QString>("reason");  // of the beep; none without a correction
        QTest::newRow("6 m") << "50,2" << "3" << "3,57" << false << "3,7" << false << "2,8" << false << "0,95" << "0,9502" << "3,57" << false << "";
        QTest::newRow("6 m, ground corrected") << "50,2" << "3" << "3,57" << true << "3,7" << false << "2,7" << false << "0,95" << "0,9503" << "3,57" << false << "";
        QTest::newRow("20 m, 10 m high") << "14,2" << "10" << "2" << false << "2,9" << false << "3,1" << false << "0,945" << "0,9446" << "2" << false << "";
        QTest::newRow("20 m, low: ground out of range") << "14,2" << "0,5" << "2" << false << "2,9" << false << "0,2" << true << "0,973" << "0,9725" << "2" << false << "";
        QTest::newRow("20 m, low, ground corrected") << "14,2" << "0,5" << "2" << true << "2,9" << false << "8,7" << false << "0,89" << "0,8904" << "2" << false << "";
        QTest::newRow("40 m") << "7,1" << "10" << "2,5" << false << "2,8" << false << "8,2" << false << "0,894" << "0,8944" << "2,5" << false << "";
        QTest::newRow("points as separator") << "7.1" << "10" << "2.5" << false << "2,8" << false << "8,2" << false << "0,894" << "0,8944" << "2.5" << false << "";
        QTest::newRow("diameter below 0,1") << "50,2" << "3" << "0,05" << false << "2,5" << false << "2,8" << false << "0,962" << "0,9618" << "0,1" << true
                                            << "Drahtdurchmesser unter 0,1 mm: auf 0,1 mm korrigiert";
        QTest::newRow("diameter above twice the height") << "14,2" << "3" << "7000" << false << "21,6" << true << "4,8" << false << "0,75" << "0,7505" << "6000,0" << true
                                                         << "Drahtdurchmesser über der doppelten Antennenhöhe: auf 6000,0 mm korrigiert";
        QTest::newRow("diameter above twice the height and half the wavelength") << "50,2" << "3" << "7000" << false << "39,2" << true << "2,8" << false << "0,604" << "0,6045" << "2988,0" << true
                                                                                 << "Drahtdurchmesser über der halben Wellenlänge: auf 2988,0 mm korrigiert";
        QTest::newRow("diameter above half the wavelength") << "300" << "10" << "600" << false << "39,2" << true << "4,5" << false << "0,66" << "0,6601" << "500,0" << true
                                                            << "Drahtdurchmesser über der halben Wellenlänge: auf 500,0 mm korrigiert";
    }
    void velocityFactor()
    {
        QFETCH(QString, f);
        QFETCH(QString, h);
        QFETCH(QString, d);
        QFETCH(bool, corr);
        frmVk& vk = openVk();
        vk.mnuErdbodenKor->setChecked(corr);
        vk.Text3->setText(QStringLiteral("0"));
        enter(vk.Text3);  // a correction shows red; the next good value must turn black again
        const qsizetype before = fake->beepReasons.size();
        frmVk& done = calculate(f, h, d);
        QFETCH(QString, reason);
        // A correction says why in the status line; without one the earlier reason is gone.
        QCOMPARE(fake->beepReasons.mid(before), reason.isEmpty() ? QStringList() : QStringList{reason});
        if (reason.isEmpty())
            QVERIFY2(!frame.status().contains(QStringLiteral("Drahtdurchmesser")), qPrintable(frame.status()));
        else
            QCOMPARE(frame.status(), sentence(reason));
        // Typing made the results stale; the calculation made them current again.
        for (QLabel* result : {done.Label7, done.Label5, done.Label9})
            QVERIFY(shownCurrent(result));
        QTEST(done.Label7->text(), "slenderness");
        QTEST(red(done.Label7), "slendernessRed");
        QTEST(done.Label5->text(), "ground");
        QTEST(red(done.Label5), "groundRed");
        QTEST(done.Label9->text(), "vf");
        QTEST(done.Text3->text(), "diameter");
        QTEST(red(done.Text3), "diameterRed");
        QTEST(beam.vk, "handedOver");
        QCOMPARE(beam.frequenz, f);
        QTEST(beam.durchmesser, "diameter");
        QCOMPARE(done.Tag, QStringLiteral("Aktiv"));
    }

    void stopsKeepEverything_data()
    {
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("heightAfter");
        QTest::addColumn<QString>("reason");
        const QString noFrequency = QStringLiteral("die Frequenz fehlt (0, negativ oder keine Zahl)");
        const QString lowHeight = QStringLiteral("die Antennenhöhe muss mindestens 0,01 m betragen");
        QTest::newRow("empty frequency") << "" << "10" << "Text1" << "10" << noFrequency;
        QTest::newRow("frequency not a number") << "abc" << "10" << "Text1" << "10" << noFrequency;
        QTest::newRow("frequency beyond single precision") << "1e39" << "10" << "Text1" << "10" << noFrequency;
        // No wavelength below zero: computing would hand a negative wire diameter to the beam form.
        QTest::newRow("negative frequency") << "-14,2" << "10" << "Text1" << "10" << noFrequency;
        QTest::newRow("height 0") << "14,2" << "0" << "Text2" << "0,01" << lowHeight;
        QTest::newRow("height below 1 cm") << "14,2" << "0,005" << "Text2" << "0,01" << lowHeight;
        QTest::newRow("negative height") << "14,2" << "-3" << "Text2" << "0,01" << lowHeight;
        QTest::newRow("empty height") << "14,2" << "" << "Text2" << "0,01" << lowHeight;
        // A factor outside above 0 to 1, or a diameter limited to 0,0 mm, would reach the beam form.
        QTest::newRow("factor above 1") << "500" << "10" << "Text1" << "10"
                                        << "die Frequenz ergibt einen Verkürzungsfaktor von 1,041 (sinnvoll: über 0 bis 1)";
        QTest::newRow("diameter limited to 0,0") << "99999999" << "10" << "Text1" << "10"
                                                 << "die Frequenz ist zu hoch: der Drahtdurchmesser wäre 0,0 mm";
        QTest::newRow("huge frequency") << "3e38" << "10" << "Text1" << "10"
                                        << "die Frequenz ist zu hoch: der Drahtdurchmesser wäre 0,0 mm";
        QTest::newRow("tiny frequency") << "1e-38" << "10" << "Text1" << "10"
                                        << "die Frequenz ist zu klein: ihre Wellenlänge ist nicht darstellbar";
        QTest::newRow("huge height") << "14,2" << "3e38" << "Text2" << "3e38"
                                     << "die Antennenhöhe ist zu groß: die doppelte Höhe ist nicht darstellbar";
    }
    void stopsKeepEverything()
    {
        QFETCH(QString, f);
        QFETCH(QString, h);
        frmVk& vk = calculate(QStringLiteral("14,2"), QStringLiteral("10"), QStringLiteral("2"));
        beam.vk = QStringLiteral("0,9");
        QFETCH(QString, reason);
        fake->beeps = 0;
        fake->beepReasons.clear();
        calculate(f, h, QStringLiteral("2"));
        QCOMPARE(fake->beepReasons, QStringList{reason});
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        QTEST(vk.Text2->text(), "heightAfter");
        // The field is ready to be typed over; the status line says why.
        auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QCOMPARE(field->selectedText(), field->text());
        QCOMPARE(frame.status(), sentence(reason));
        // Nothing computed, nothing handed over, and the calculator stays active.
        QCOMPARE(vk.Label7->text(), QStringLiteral("2,9"));
        QCOMPARE(vk.Label5->text(), QStringLiteral("3,1"));
        QCOMPARE(vk.Label9->text(), QStringLiteral("0,945"));
        for (QLabel* result : {vk.Label7, vk.Label5, vk.Label9})
            QVERIFY(stale(result));
        QCOMPARE(beam.vk, QStringLiteral("0,9"));
        QCOMPARE(beam.durchmesser, QStringLiteral("2"));
        QCOMPARE(vk.Tag, QStringLiteral("Aktiv"));
        // The next key typed into the form ends the reason.
        QTest::keyClick(field, Qt::Key_1);
        QVERIFY(frame.status() != sentence(reason));
    }

    // Inputs the form does not filter: whatever the steps leave, the click ends normally.
    void oddInputsNeverFail_data()
    {
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("d");
        QTest::newRow("huge diameter") << "14,2" << "10" << "1e39";
        QTest::newRow("empty diameter") << "14,2" << "10" << "";
    }
    void oddInputsNeverFail()
    {
        QFETCH(QString, f);
        QFETCH(QString, h);
        QFETCH(QString, d);
        frmVk& vk = calculate(f, h, d);
        QCOMPARE(vk.Tag, QStringLiteral("Aktiv"));
        QVERIFY(!vk.Label9->text().isEmpty());
        QVERIFY(fake->messages.isEmpty());
    }

    void pruning_data()
    {
        QTest::addColumn<QString>("lgd");
        QTest::addColumn<QString>("fIst");
        QTest::addColumn<QString>("fSoll");
        QTest::addColumn<QString>("vf");
        QTest::addColumn<bool>("vfRed");
        QTest::addColumn<QString>("newLength");
        QTest::addColumn<QString>("changeLgD");
        QTest::addColumn<QString>("changeLgR");
        QTest::newRow("shorten") << "10,9" << "14" << "14,2" << "0,936" << false << "10,746" << "- 153,5" << "- 160,0";
        QTest::newRow("lengthen") << "10,9" << "14,2" << "14" << "0,95" << false << "11,056" << "+ 155,7" << "+ 162,3";
        QTest::newRow("points as separator") << "10.9" << "14.2" << "14" << "0,95" << false << "11,056" << "+ 155,7" << "+ 162,3";
        QTest::newRow("already resonant") << "10,9" << "14" << "14" << "0,936" << false << "10,90" << "+ 0,0" << "+ 0,0";
        QTest::newRow("q at the upper limit") << "10" << "13" << "10" << "0,798" << false << "13,00" << "+ 3000,0" << "+ 3126,0";
        QTest::newRow("q at the lower limit") << "10" << "0,66" << "1" << "0,04" << false << "6,60" << "- 3400,0" << "- 3542,8";
        QTest::newRow("VF above 1") << "12" << "14" << "14" << "1,031" << true << "12,00" << "+ 0,0" << "+ 0,0";
        QTest::newRow("negative inputs pass") << "-10,9" << "-14" << "-14,2" << "0,936" << false << "-10,746" << "+ 153,5" << "+ 160,0";
    }
    void pruning()
    {
        QFETCH(QString, lgd);
        QFETCH(QString, fIst);
        QFETCH(QString, fSoll);
        frmVk& p = pruning(QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("14"));  // red before
        type(p.Text1, lgd);
        type(p.Text2, fIst);
        type(p.Text3, fSoll);
        enter(p.Text1);
        QTEST(p.Label5->text(), "vf");
        QTEST(red(p.Label5), "vfRed");
        QTEST(p.Label7->text(), "newLength");
        QTEST(p.Label9->text(), "changeLgD");
        QTEST(p.Label11->text(), "changeLgR");
        QCOMPARE(fake->beeps, 0);
    }

    void pruningStops_data()
    {
        QTest::addColumn<QString>("lgd");
        QTest::addColumn<QString>("fIst");
        QTest::addColumn<QString>("fSoll");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("reason");
        const QString ratio = QStringLiteral("zu weit von der gemessenen Resonanz: Ist/Soll muss zwischen 0,66 und 1,3 liegen");
        QTest::newRow("empty length") << "" << "14" << "14,2" << "Text1" << "die jetzige Antennenlänge fehlt (0 oder keine Zahl)";
        QTest::newRow("length not a number, the rest empty") << "x" << "" << "" << "Text1" << "die jetzige Antennenlänge fehlt (0 oder keine Zahl)";
        QTest::newRow("empty measured resonance") << "10,9" << "" << "14,2" << "Text2" << "die gemessene Resonanzfrequenz fehlt (0 oder keine Zahl)";
        QTest::newRow("empty wanted resonance") << "10,9" << "14" << "" << "Text3" << "die gewünschte Resonanzfrequenz fehlt (0 oder keine Zahl)";
        QTest::newRow("q just below 0,66 in single precision") << "10" << "6,6" << "10" << "Text3" << ratio;
        QTest::newRow("q above 1,3") << "10" << "13,1" << "10" << "Text3" << ratio;
        QTest::newRow("opposite signs") << "10" << "-14" << "14" << "Text3" << ratio;
        QTest::newRow("q beyond single precision") << "10" << "1e30" << "1e-30" << "Text3" << ratio;
    }
    void pruningStops()
    {
        QFETCH(QString, lgd);
        QFETCH(QString, fIst);
        QFETCH(QString, fSoll);
        frmVk& p = pruning(QStringLiteral("10,9"), QStringLiteral("14"), QStringLiteral("14,2"));
        type(p.Text1, lgd);
        type(p.Text2, fIst);
        type(p.Text3, fSoll);
        enter(p.Text2);
        QFETCH(QString, reason);
        QCOMPARE(fake->beepReasons, QStringList{reason});
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        QCOMPARE(frame.status(), sentence(reason));
        QCOMPARE(p.Label5->text(), QStringLiteral("0,936"));
        QCOMPARE(p.Label7->text(), QStringLiteral("10,746"));
        QCOMPARE(p.Label9->text(), QStringLiteral("- 153,5"));
        QCOMPARE(p.Label11->text(), QStringLiteral("- 160,0"));
        for (QLabel* result : {p.Label5, p.Label7, p.Label9, p.Label11})
            QVERIFY(stale(result));
        // The next calculation makes them current again.
        type(p.Text1, QStringLiteral("10,9"));
        type(p.Text2, QStringLiteral("14"));
        type(p.Text3, QStringLiteral("14,2"));
        enter(p.Text3);
        for (QLabel* result : {p.Label5, p.Label7, p.Label9, p.Label11})
            QVERIFY(shownCurrent(result));
    }

    // "&Messung laden…" puts the sweep's resonance into the measured-frequency field; the
    // pruning then shows what typing that frequency shows. A file that is no sweep gets its
    // message and changes nothing. A wanted frequency of 0 marks nothing in the plot.
    void loadMeasurement_data()
    {
        QTest::addColumn<QByteArray>("inhalt");
        QTest::addColumn<QString>("fIst");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("fSoll");
        QTest::newRow("RI MHz") << s1pDatei(DipolModell(), Sweep()) << "14,1000" << "" << "14,2";
        QTest::newRow("DB Hz, between points") << s1pDatei(DipolModell{14.0773e6}, Sweep{13.6e6, 14.6e6, 101, "Hz", "DB"}) << "14,0773" << "" << "14,2";
        QTest::newRow("bad line") << QByteArray("# MHz S RI R 50\n14 0.1 0\n14.1 0.1 0\n14.05 0.1 0\n") << "13,9"
                                  << "lässt sich nicht laden:\r\nZeile 4: die Frequenzen steigen nicht an (14.05 folgt auf 14.1)" << "14,2";
        QTest::newRow("narrower than a hertz") << QByteArray("# Hz S RI R 50\n14200000 0.1 0\n14200000.000000002 0 0\n14200000.000000004 0.1 0\n")
                                               << "13,9" << "Zeile 4: der Sweep überstreicht nur 3,73E-09 Hz" << "14,2";
        QTest::newRow("wanted 0") << s1pDatei(DipolModell(), Sweep()) << "14,1000" << "" << "0,000";
    }
    void loadMeasurement()
    {
        QFETCH(QByteArray, inhalt);
        QFETCH(QString, fIst);
        QFETCH(QString, meldung);
        QFETCH(QString, fSoll);
        QFile datei(dir.filePath(QStringLiteral("sweep.s1p")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(inhalt);
        datei.close();
        frmVk& p = pruning(QStringLiteral("10,9"), QStringLiteral("13,9"), fSoll);
        const QString vorher = p.Label9->text();
        fake->fileNames.push_back(datei.fileName());
        // The button clicks a moment after its access key, as it shows the press.
        QTest::keyClick(&p, Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(fake->fileRequests.size(), 1);
        QCOMPARE(p.Text2->text(), fIst);
        QCOMPARE(p.messung->anzeige->hatMessung(), meldung.isEmpty());
        if (!meldung.isEmpty()) {
            QCOMPARE(fake->messages.size(), 1);
            QVERIFY2(fake->messages[0].text.contains(meldung), qPrintable(fake->messages[0].text));
            QCOMPARE(p.Label9->text(), vorher);
            return;
        }
        QCOMPARE(fake->messages.size(), 0);
        QVERIFY(p.messung->anzeige->accessibleDescription().startsWith(QStringLiteral("SWR über der Frequenz. Resonanz ")));
        if (ZahlAusText(fSoll) == 0) {
            QCOMPARE(p.messung->anzeige->soll(), std::nullopt);
            QVERIFY(!p.messung->anzeige->accessibleDescription().contains(QStringLiteral("Soll")));
            return;
        }
        QVERIFY(p.messung->anzeige->accessibleDescription().endsWith(QStringLiteral("Soll-Resonanz 14,200 MHz.")));
        enter(p.Text3);
        const QStringList ausDatei{p.Label5->text(), p.Label7->text(), p.Label9->text(), p.Label11->text()};
        type(p.Text2, fIst);
        enter(p.Text3);
        QCOMPARE((QStringList{p.Label5->text(), p.Label7->text(), p.Label9->text(), p.Label11->text()}), ausDatei);
        QVERIFY(ausDatei[2] != vorher);
    }

    // "Messen" sweeps the analyser around the wanted frequency and fills the measured
    // frequency with the element's resonance; "Wiederholen" measures until released and
    // shows the dip moving after a cut, the sweep before it faintly; the sweep saves as .s1p.
    void measureLive()
    {
        AnalysatorSimulator sim;
        sim.schneide(13.95e6);
        frmVk& p = pruning(QStringLiteral("10,9"), QStringLiteral("13,9"), QStringLiteral("14,2"));
        PruningAnalysator& a = *p.messung->analysator;
        QCOMPARE(a.spanneFeld->text(), QStringLiteral("1500"));
        a.anschlussWahl->lineEdit()->clear();
        QTest::keyClicks(a.anschlussWahl->lineEdit(), sim.pfad());
        QSignalSpy gemessen(a.verbindung, &AnalysatorMessung::fertig);
        QTest::keyClick(&p, Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(gemessen.count(), 1);
        QVERIFY(!a.misst());
        QVERIFY(a.messenKnopf->isEnabled());
        QCOMPARE(fake->messages.size(), 0);
        // Within a point's spacing: 1,5 MHz over 100 steps.
        QVERIFY2(std::abs(ZahlAusText(p.Text2->text()) * 1e6 - 13.95e6) < 15e3, qPrintable(p.Text2->text()));
        QVERIFY(p.messung->anzeige->hatMessung());
        QVERIFY(!p.messung->anzeige->hatVorige());
        QCOMPARE(SettingsStore(QStringLiteral("Zentavik")).get(QStringLiteral("Analysator"), QStringLiteral("Anschluss"), QString()), sim.pfad());

        sim.schneide(14.12e6);
        a.wiederholenKnopf->click();
        QTRY_VERIFY(std::abs(ZahlAusText(p.Text2->text()) * 1e6 - 14.12e6) < 15e3);
        QVERIFY(p.messung->anzeige->hatVorige());
        const int bisher = sim.befehle.size();
        QTRY_VERIFY(sim.befehle.size() > bisher + 8);  // still measuring
        // The sweep before the cut still shows, not the one just before, which looks the same.
        QVERIFY(p.messung->anzeige->hatVorige());
        a.wiederholenKnopf->click();
        QTRY_VERIFY(!a.misst());
        QVERIFY(a.messenKnopf->isEnabled());

        const QString datei = dir.filePath(QStringLiteral("gemessen.s1p"));
        fake->fileNames.push_back(datei);
        a.speichernKnopf->click();
        QCOMPARE(mhzTextAusDatei(datei), p.Text2->text());
    }

    // A fault gets its message and fills in nothing; the repeating stops.
    void measureLiveFault_data()
    {
        QTest::addColumn<AnalysatorSimulator::Stoerung>("stoerung");
        QTest::addColumn<double>("resonanz");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("silent") << AnalysatorSimulator::Stoerung::Stille << 14.2e6 << "antwortet nicht";
        QTest::newRow("unplugged") << AnalysatorSimulator::Stoerung::AbbruchMitten << 14.2e6 << "USB-Kabel";
        QTest::newRow("resonance above the sweep") << AnalysatorSimulator::Stoerung::Keine << 16e6 << "nach oben erweitern";
    }
    void measureLiveFault()
    {
        QFETCH(AnalysatorSimulator::Stoerung, stoerung);
        QFETCH(double, resonanz);
        QFETCH(QString, meldung);
        AnalysatorSimulator sim;
        sim.stoerung = stoerung;
        sim.schneide(resonanz);
        frmVk& p = pruning(QStringLiteral("10,9"), QStringLiteral("13,9"), QStringLiteral("14,2"));
        PruningAnalysator& a = *p.messung->analysator;
        a.verbindung->setzeFristen({300, 300});
        a.anschlussWahl->waehle(sim.pfad());
        a.wiederholenKnopf->click();
        QTRY_COMPARE(fake->messages.size(), 1);
        QVERIFY2(fake->messages[0].text.contains(meldung), qPrintable(fake->messages[0].text));
        QCOMPARE(fake->messages[0].title, QStringLiteral(" Messen "));
        QCOMPARE(p.Text2->text(), QStringLiteral("13,9"));
        QVERIFY(!p.messung->anzeige->hatMessung());
        QVERIFY(!a.wiederholenKnopf->isChecked());
        QVERIFY(!a.misst());
        QVERIFY(!a.speichernKnopf->isEnabled());
    }

};

QTEST_MAIN(TestVkFenster)
#include "test_vkfenster.moc"

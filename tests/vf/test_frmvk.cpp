#include "app/mdiform1.h"
#include "beam/frmhauptform.h"
#include "common/numbertext.h"
#include "platform/twips.h"
#include "tests/support/fakeui.h"
#include "tests/support/germanlocale.h"
#include "tests/support/staleresult.h"
#include "tests/support/s1pmodell.h"
#include "vf/pruningmessung.h"
#include "vf/swranzeige.h"
#include "vf/frmvk.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void type(QLineEdit* field, const QString& text)
{
    field->clear();
    QTest::keyClicks(field, text);
}

bool red(const QWidget* w) { return w->palette().color(QPalette::WindowText) == QColor(255, 0, 0); }
QString sentence(const QString& reason) { return asSentence(reason); }
bool stale(const QLabel* result) { return shownStale(result); }

// Enter in a field runs "&Rechnen", as a keyboard user would calculate.
void enter(QLineEdit* field) { QTest::keyClick(field, Qt::Key_Return); }

QMdiSubWindow* windowOf(QWidget* form) { return qobject_cast<QMdiSubWindow*>(form->parentWidget()); }
} // namespace

class TestFrmVk : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QTemporaryDir config;
    std::unique_ptr<FakeUi> fake;
    std::unique_ptr<MDIForm1> frame;

    frmHauptform& beam() { return frame->hauptform(); }

    frmVk& openVk()
    {
        frame->mnuVk->trigger();
        return frame->vkRechner();
    }

    frmVk& calculate(const QString& f, const QString& h, const QString& d)
    {
        frmVk& vk = openVk();
        type(vk.Text1, f);
        type(vk.Text2, h);
        type(vk.Text3, d);
        enter(vk.Text3);
        return vk;
    }

    QList<frmVk*> pruningWindows()
    {
        QList<frmVk*> found;
        for (QMdiSubWindow* w : frame->mdiArea()->subWindowList(QMdiArea::CreationOrder))
            if (auto* vk = qobject_cast<frmVk*>(w->widget()); vk && vk->rolle() == frmVk::Rolle::Pruning)
                found << vk;
        return found;
    }

    frmVk& pruning(const QString& lgd, const QString& fIst, const QString& fSoll)
    {
        frame->mnuPruning->trigger();
        frmVk& p = *pruningWindows().last();
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
        frame = std::make_unique<MDIForm1>(SettingsStore(QStringLiteral("Zentavik")));
        frame->show();
        QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    }
    void cleanup()
    {
        frame.reset();
        fake.reset();
    }

    void loadTakesBeamFields_data()
    {
        QTest::addColumn<QString>("beamFrequency");
        QTest::addColumn<QString>("height");
        QTest::newRow("6 m band: 3 m high") << "50,2" << "3,0";
        QTest::newRow("exactly 50 MHz") << "50" << "3,0";
        QTest::newRow("20 m band: 10 m high") << "14,2" << "10,0";
        QTest::newRow("empty frequency") << "" << "10,0";
        QTest::newRow("beyond single precision") << "1e39" << "10,0";
    }
    void loadTakesBeamFields()
    {
        QFETCH(QString, beamFrequency);
        QFETCH(QString, height);
        beam().Text1->setText(beamFrequency);
        beam().Text7->setText(QStringLiteral("2,5"));
        frmVk& vk = openVk();
        QCOMPARE(vk.windowTitle(), QStringLiteral(" VF berechnen "));
        QCOMPARE(vk.Text1->text(), beamFrequency);
        QCOMPARE(vk.Text2->text(), height);
        QCOMPARE(vk.Text3->text(), QStringLiteral("2,5"));
        QCOMPARE(vk.Tag, QStringLiteral("-"));
        QVERIFY(vk.mnuVkübernehmen->isChecked());
        QVERIFY(!vk.mnuErdbodenKor->isChecked());
        QVERIFY(!vk.Label10->isVisible());
        QVERIFY(!vk.Label11->isVisible());
        // Its menu stands in the frame's menu bar while it is active.
        QCOMPARE(frame->menuBar()->actions(), QList<QAction*>{vk.mnuOpt->menuAction()});
        QCOMPARE(vk.Command1->y(), tw(3420));
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
            QVERIFY2(!frame->status().contains(QStringLiteral("Drahtdurchmesser")), qPrintable(frame->status()));
        else
            QCOMPARE(frame->status(), sentence(reason));
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
        QTEST(beam().Text4->text(), "handedOver");
        QCOMPARE(beam().Text1->text(), f);
        QTEST(beam().Text7->text(), "diameter");
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
        beam().Text4->setText(QStringLiteral("0,9"));
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
        QCOMPARE(frame->status(), sentence(reason));
        // Nothing computed, nothing handed over, and the calculator stays active.
        QCOMPARE(vk.Label7->text(), QStringLiteral("2,9"));
        QCOMPARE(vk.Label5->text(), QStringLiteral("3,1"));
        QCOMPARE(vk.Label9->text(), QStringLiteral("0,945"));
        for (QLabel* result : {vk.Label7, vk.Label5, vk.Label9})
            QVERIFY(stale(result));
        QCOMPARE(beam().Text4->text(), QStringLiteral("0,9"));
        QCOMPARE(beam().Text7->text(), QStringLiteral("2"));
        QCOMPARE(vk.Tag, QStringLiteral("Aktiv"));
        // The next key typed into the form ends the reason.
        QTest::keyClick(field, Qt::Key_1);
        QVERIFY(frame->status() != sentence(reason));
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

    void handOver()
    {
        frmVk& vk = openVk();
        // Before any computation the result is 0, and the frequency text goes over as it is.
        type(vk.Text1, QStringLiteral("14,20"));
        QTest::mouseDClick(vk.Label9, Qt::LeftButton);
        QCOMPARE(beam().Text4->text(), QStringLiteral("0,00"));
        QCOMPARE(beam().Text1->text(), QStringLiteral("14,20"));
        QVERIFY(red(beam().Text4));  // the beam form's own check colours a factor below 0,8
        // An empty frequency field leaves the beam form's frequency alone.
        vk.Text1->clear();
        beam().Text4->setText(QStringLiteral("0,9"));
        QTest::mouseDClick(vk.Label9, Qt::LeftButton);
        QCOMPARE(beam().Text4->text(), QStringLiteral("0,00"));
        QCOMPARE(beam().Text1->text(), QStringLiteral("14,20"));

        // Without "&Vk übernehmen" a computation keeps its result; checking the item hands it over.
        vk.mnuVkübernehmen->trigger();
        QVERIFY(!vk.mnuVkübernehmen->isChecked());
        beam().Text4->setText(QStringLiteral("0,9"));
        calculate(QStringLiteral("14,2"), QStringLiteral("10"), QStringLiteral("2"));
        QCOMPARE(beam().Text4->text(), QStringLiteral("0,9"));
        QCOMPARE(beam().Text7->text(), QStringLiteral("2"));
        vk.mnuVkübernehmen->trigger();
        QCOMPARE(beam().Text4->text(), QStringLiteral("0,9446"));
        QCOMPARE(beam().Text1->text(), QStringLiteral("14,2"));
    }

    void closeAndReopen()
    {
        frmVk& vk = calculate(QStringLiteral("14,2"), QStringLiteral("0,5"), QStringLiteral("0,01"));
        vk.mnuErdbodenKor->trigger();
        vk.mnuVkübernehmen->trigger();
        QVERIFY(windowOf(&vk)->close());
        QCOMPARE(vk.Tag, QString());
        QCOMPARE(frame->menuBar()->actions().size(), 3);  // the frame's own menus again
        beam().Text4->setText(QStringLiteral("0,9"));
        beam().Text7->setText(QStringLiteral("2,5"));

        frmVk& again = openVk();
        QCOMPARE(&again, &vk);
        QVERIFY(again.isVisible());
        QCOMPARE(again.Tag, QStringLiteral("-"));
        QCOMPARE(again.Text1->text(), QStringLiteral("14,2"));
        QCOMPARE(again.Text2->text(), QStringLiteral("10,0"));
        QCOMPARE(again.Text3->text(), QStringLiteral("2,5"));
        QVERIFY(!red(again.Text3));
        QVERIFY(!again.mnuErdbodenKor->isChecked());
        QVERIFY(again.mnuVkübernehmen->isChecked());
        QVERIFY(again.Label9->text().isEmpty());
        // The last result survives closing.
        QTest::mouseDClick(again.Label9, Qt::LeftButton);
        QCOMPARE(beam().Text4->text(), QStringLiteral("0,9797"));
    }

    void menuItemBringsTheSameCalculatorForward()
    {
        frmVk& vk = openVk();
        vk.Label10->show();
        frmVk& again = openVk();
        QCOMPARE(&again, &vk);
        QVERIFY(!again.Label10->isVisible());
        int calculators = 0;
        for (QMdiSubWindow* w : frame->mdiArea()->subWindowList())
            calculators += qobject_cast<frmVk*>(w->widget()) != nullptr;
        QCOMPARE(calculators, 1);
    }

    // Neither the calculator nor a pruning window keeps the frame from closing.
    void frameClosesWithAllWindows()
    {
        frmVk& vk = calculate(QStringLiteral("14,2"), QStringLiteral("10"), QStringLiteral("2"));
        pruning(QStringLiteral("10,9"), QStringLiteral("14"), QStringLiteral("14,2"));
        pruning(QStringLiteral("10,9"), QStringLiteral("14,2"), QStringLiteral("14"));
        QVERIFY(frame->close());
        QCOMPARE(vk.Tag, QString());
    }

    void readingStateLoadsUnshown()
    {
        beam().Text1->setText(QStringLiteral("7,1"));
        frmVk& vk = frame->vkRechner();
        QCOMPARE(vk.Tag, QStringLiteral("-"));
        QCOMPARE(vk.Text2->text(), QStringLiteral("10,0"));
        QVERIFY(!windowOf(&vk)->isVisible());
        VkRechnerZustand& state = vk;
        QVERIFY(windowOf(&vk)->close());
        QCOMPARE(vk.Tag, QString());
        QCOMPARE(state.tag(), QStringLiteral("-"));
        QVERIFY(!windowOf(&vk)->isVisible());
    }

    // The beam calculation applies the calculator's settings as they stand at each run.
    void groundCorrectionInBeamCalculation_data()
    {
        QTest::addColumn<QString>("afterwards");
        QTest::addColumn<QString>("beamFrequency");
        QTest::addColumn<QString>("velocityFactor");
        QTest::newRow("same inputs: the calculator's own result") << "" << "50,2" << "0,9502";
        QTest::newRow("ground correction switched on afterwards") << "corr" << "50,2" << "0,9503";
        QTest::newRow("height edited afterwards") << "height 10" << "14,2" << "0,9427";
        QTest::newRow("diameter edited afterwards") << "diameter 2" << "14,2" << "0,9282";
        QTest::newRow("calculator closed: typed factor stays") << "close" << "14,2" << "0,9";
        QTest::newRow("never opened: typed factor stays") << "never" << "14,2" << "0,9";
    }
    void groundCorrectionInBeamCalculation()
    {
        QFETCH(QString, afterwards);
        QFETCH(QString, beamFrequency);
        if (afterwards != QLatin1String("never")) {
            frmVk& vk = calculate(QStringLiteral("50,2"), QStringLiteral("3"), QStringLiteral("3,57"));
            if (afterwards == QLatin1String("corr"))
                vk.mnuErdbodenKor->trigger();
            else if (afterwards == QLatin1String("height 10"))
                vk.Text2->setText(QStringLiteral("10"));
            else if (afterwards == QLatin1String("diameter 2"))
                vk.Text3->setText(QStringLiteral("2"));
            else if (afterwards == QLatin1String("close"))
                windowOf(&vk)->close();
        }
        frame->mnuBerStromsAnt->trigger();
        type(beam().Text1, beamFrequency);
        beam().Text4->setText(QStringLiteral("0,9"));
        beam().Command1->click();
        QTEST(beam().Text4->text(), "velocityFactor");
        QVERIFY(fake->messages.isEmpty());
    }

    void groundCorrectionFailureReachesBeamBox_data()
    {
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<ui::Answer>("answer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("field");  // the box's last line names where the value came from
        const QString diameter = QStringLiteral("Eingabe: Drahtdurchmesser im Fenster \"VF berechnen\"");
        QTest::newRow("empty diameter, abort") << "3" << "" << ui::Answer::Abort << "Division durch Null" << diameter;
        // Going on leaves the shortening as typed.
        QTest::newRow("empty diameter, ignore") << "3" << "" << ui::Answer::Ignore << "Division durch Null" << diameter;
        QTest::newRow("height beyond single precision") << "1e39" << "3,57" << ui::Answer::Ignore << "Überlauf"
                                                        << "Eingabe: Antennenhöhe im Fenster \"VF berechnen\"";
    }
    void groundCorrectionFailureReachesBeamBox()
    {
        QFETCH(QString, height);
        QFETCH(QString, diameter);
        QFETCH(ui::Answer, answer);
        QFETCH(QString, message);
        frmVk& vk = calculate(QStringLiteral("50,2"), QStringLiteral("3"), QStringLiteral("3,57"));
        vk.Text2->setText(height);
        vk.Text3->setText(diameter);
        frame->mnuBerStromsAnt->trigger();
        beam().Text4->setText(QStringLiteral("0,9"));
        fake->answers = {answer};
        beam().Command1->click();
        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(fake->messages[0].title, QStringLiteral(" Fehler "));
        QCOMPARE(fake->messages[0].buttons, ui::Buttons::AbortRetryIgnore);
        QVERIFY2(fake->messages[0].text.startsWith(message), qPrintable(fake->messages[0].text));
        QFETCH(QString, field);
        QVERIFY2(fake->messages[0].text.endsWith(QStringLiteral("\r\n") + field), qPrintable(fake->messages[0].text));
        QCOMPARE(beam().Text4->text(), QStringLiteral("0,9"));
    }

    void pruningWindow()
    {
        beam().Text1->setText(QStringLiteral("14,2"));
        frame->mnuPruning->trigger();
        frmVk& p = *pruningWindows().value(0);
        QCOMPARE(p.windowTitle(), QStringLiteral(" Antennen-Pruning/Optimieren "));
        for (QLineEdit* field : {p.Text1, p.Text2, p.Text3})
            QVERIFY(field->text().isEmpty());
        QCOMPARE(p.Label1->text(), QStringLiteral("ist Antennenlänge LgD[m]:"));
        QVERIFY(p.Label1->font().bold());
        QCOMPARE(p.Frame1->title(), QStringLiteral(" Neu: "));
        QVERIFY(p.Label10->isVisible());
        QVERIFY(p.Label11->isVisible());
        // No menu of its own: the frame's menu stays with its shortcuts.
        QVERIFY(frame->menuBar()->actions().contains(frame->mnuBer->menuAction()));
        QVERIFY(p.Command1->geometry().bottom() < p.height());
        QVERIFY(p.Command1->y() > p.Label11->geometry().bottom());
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
        QCOMPARE(frame->status(), sentence(reason));
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

    // Each pruning window keeps its own sweep; the wanted frequency moves only its own marker.
    void measurementPerWindow()
    {
        QFile datei(dir.filePath(QStringLiteral("eins.s1p")));
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(s1pDatei(DipolModell(), Sweep()));
        datei.close();
        frmVk& first = pruning(QStringLiteral("10,9"), QStringLiteral("13,9"), QStringLiteral("14,2"));
        fake->fileNames.push_back(datei.fileName());
        first.messung->ladenKnopf->click();
        frmVk& second = pruning(QStringLiteral("10,9"), QStringLiteral("13,9"), QStringLiteral("14"));
        QCOMPARE(first.Text2->text(), QStringLiteral("14,1000"));
        QCOMPARE(second.Text2->text(), QStringLiteral("13,9"));
        QVERIFY(first.messung->anzeige->hatMessung());
        QVERIFY(!second.messung->anzeige->hatMessung());
        type(first.Text3, QStringLiteral("14,3"));
        QCOMPARE(first.messung->anzeige->soll(), std::optional<double>(double(14.3f) * 1e6));
        QCOMPARE(second.messung->anzeige->soll(), std::optional<double>(double(14.0f) * 1e6));
        // The plot is drawn beside the fields and reached with the tab key after "&Rechnen".
        QVERIFY(first.messung->geometry().left() >= first.Text3->geometry().right());
        QVERIFY(first.messung->isVisible());
        first.Command1->setFocus();
        QTest::keyClick(first.Command1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), first.messung->ladenKnopf);
    }

    void windowsSideBySide()
    {
        frmVk& vk = calculate(QStringLiteral("14,2"), QStringLiteral("10"), QStringLiteral("2"));
        frmVk& first = pruning(QStringLiteral("10,9"), QStringLiteral("14"), QStringLiteral("14,2"));
        frmVk& second = pruning(QStringLiteral("10,9"), QStringLiteral("14,2"), QStringLiteral("14"));
        QCOMPARE(pruningWindows().size(), 2);
        QCOMPARE(first.Label9->text(), QStringLiteral("- 153,5"));
        QCOMPARE(second.Label9->text(), QStringLiteral("+ 155,7"));
        QCOMPARE(vk.Label9->text(), QStringLiteral("0,945"));
        QCOMPARE(&frame->vkRechner(), &vk);

        // A pruning window hands nothing over: the beam form keeps its factor and frequency.
        QTest::mouseDClick(first.Label9, Qt::LeftButton);
        QCOMPARE(beam().Text4->text(), QStringLiteral("0,9446"));
        QCOMPARE(beam().Text1->text(), QStringLiteral("14,2"));

        // The calculator keeps its role and recomputes alone.
        enter(vk.Text1);
        QCOMPARE(vk.Label9->text(), QStringLiteral("0,945"));
        QCOMPARE(first.Label9->text(), QStringLiteral("- 153,5"));
        // Closing a pruning window leaves the others and the calculator's marker alone.
        windowOf(&first)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(pruningWindows().size(), 1);
        QCOMPARE(vk.Tag, QStringLiteral("Aktiv"));
    }
};

QTEST_MAIN(TestFrmVk)
#include "test_frmvk.moc"

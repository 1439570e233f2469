#include "app/mdiform1.h"
#include "beam/frmhauptform.h"
#include "common/numbertext.h"
#include "platform/twips.h"
#include "tests/vf/vkfenstertest.h"
#include "tests/support/fakeui.h"
#include "tests/support/germanlocale.h"
#include "tests/support/staleresult.h"
#include "tests/support/s1pmodell.h"
#include "calculators/messdatei.h"
#include "calculators/messungtext.h"
#include "common/numbertext.h"
#include "platform/settingsstore.h"
#include "vf/pruninganalysator.h"
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

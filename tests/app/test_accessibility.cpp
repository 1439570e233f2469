// What a screen reader finds in each window: a name (and the tooltip as description) for every
// control a keyboard user can reach, results read with their captions, and one whole
// announcement of the results text per calculation.

#include "app/mdiform1.h"
#include "beam/frmhauptform.h"
#include "platform/qtui.h"
#include "tests/support/accessibilityprobe.h"
#include "tests/support/fakeframe.h"
#include "tests/support/fakeui.h"
#include "tests/support/germanlocale.h"
#include "viewer/frmrtf.h"
#include "vf/frmvk.h"
#include "calculators/zusatzdipol.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBar>
#include <QtTest>

namespace {
// Forms made on the stack here close for good when they go.
// The beam form's fields as a new beam form shows them; what the windows hand over is dropped.
VkBeamFelder beamStartFelder()
{
    VkBeamFelder felder;
    felder.frequenzText = [] { return QStringLiteral("50,2"); };
    felder.durchmesserText = [] { return QStringLiteral("3,57"); };
    return felder;
}

struct ClosingFrame : FakeFrame {
    ClosingFrame() { forGood = true; }
};

// The controls of a window that Tab or an access key reaches: focusable ones, and group
// boxes whose title has an access key.
QStringList reachableControls(QWidget* window)
{
    QStringList names;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || w->focusProxy())
            continue;
        const auto* group = qobject_cast<QGroupBox*>(w);
        if ((w->focusPolicy() & Qt::TabFocus) || (group && group->title().contains(u'&')))
            names << w->objectName();
    }
    names.sort();
    return names;
}

QWidget* child(QWidget* window, const QString& name)
{
    auto* w = window->findChild<QWidget*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

// What a screen reader calls a control. On Linux a combo box's name is its text; the caption
// that labels it (its buddy) names it instead.
QString heardName(QWidget* w)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    if (iface && iface->role() == QAccessible::ComboBox) {
        const auto labels = iface->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    }
    return accessibleName(w);
}

// What a screen reader was told away from the focus: the notifications a window showed.
QStringList notifications(const AccessibilityProbe& probe, QWidget* window)
{
    QStringList told;
    auto* announcer = window->findChild<QWidget*>(QStringLiteral("Ansage"));
    if (!announcer)
        return told;
    if (QAccessible::queryAccessibleInterface(announcer)->role() != QAccessible::Notification)
        return {QStringLiteral("<keine Benachrichtigung>")};
    for (const auto& update : probe.of(announcer, QAccessible::ObjectShow))
        told << update.name;
    return told;
}

void addNameColumns()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
}
} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        useGermanLocale();
        QDir::setCurrent(dir.path());
    }

    // Each control of the beam form, with what a listener hears.
    void beamFormNames_data()
    {
        addNameColumns();
        auto row = [](const char* control, const QString& name, const QString& description = QString()) {
            QTest::newRow(control) << QString::fromLatin1(control) << name << description;
        };
        row("Text1", "Gesamt Beam");
        row("Text4", "Verkürzungsfaktor", " aus Schlankheitsgrad u. Antennenhöhe ");
        row("VkSteller", "Verkürzungsfaktor-Steller",
            "ändert den Verkürzungsfaktor in Schritten von 0,001; Wert: Verkürzung in Promille");
        row("Option1_0", "CW-Bereich");
        row("Option1_1", "SSB-Bereich");
        row("Option1_2", "Bandmitte");
        row("Command1", "Rechnen", " Berechnung durchführen  ");
        row("Command2", "Anzeigen", " Ergebnisse anzeigen ");
        row("Combo1", "relative Dielektrizitätszahl", " Isolier-Material ");
        row("Combo2", "Modell", " Zusatzverkürzung nach der Formel oder dem Vollwellenmodell mit nec2c ");
        row("Text6", "Aussen", " Gesamtdurchmesser ");
        row("Text7", "Leiter", " Drahtdurchmesser ");
        const char* bands[] = {"1,8", "3,5", "7", "10", "14", "18", "21", "24", "28", "50"};
        for (int i = 0; i < 10; ++i)
            QTest::newRow(qPrintable(QStringLiteral("Option2_%1").arg(i)))
                << QStringLiteral("Option2_%1").arg(i) << QStringLiteral("Band ") + QString::fromLatin1(bands[i]) << QString();
        row("Option2_10", "anderes Band");
        row("Frame1", "Resonanz im Band für");
        row("Frame2", "Antenne berechnen für Band [MHz]");
        row("Frame5", "Drahtisolierung", "für zusätzlichen Verkürzungsfaktor bei isoliertem Draht");
        // Results: read with their captions; empty before the first calculation.
        row("Frame3", "Resonanzfrequenzen [MHz]");
        row("Label3", "Eigenresonanz Dipol");
        row("Label5", "Eigenresonanz Reflecktor");
        row("Info", "Info: Hinweis:");
    }
    void beamFormNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        ClosingFrame frame;
        frmHauptform form(frame);
        QWidget* w = child(&form, control);
        QCOMPARE(heardName(w), name);
        QCOMPARE(accessibleDescription(w), description);
    }

    // A control added to the form without a row above would go unnamed.
    void beamFormTableCoversEveryReachableControl()
    {
        ClosingFrame frame;
        frmHauptform form(frame);
        QStringList expected{"Command1", "Command2", "Combo1", "Combo2", "Frame1", "Frame2", "Frame5", "Text1", "Text4",
                             "Text6", "Text7", "VkSteller", "Option1_0", "Option1_1", "Option1_2"};
        for (int i = 0; i <= 10; ++i)
            expected << QStringLiteral("Option2_%1").arg(i);
        expected.sort();
        QCOMPARE(reachableControls(&form), expected);
        // The editable part of the box is read like the box.
        QCOMPARE(accessibleName(form.Combo1->lineEdit()), QStringLiteral("relative Dielektrizitätszahl"));
    }

    void resultsAreReadWithTheirCaptions()
    {
        FakeUi fake;
        ClosingFrame frame;
        frmHauptform form(frame);
        form.Text1->setText(QStringLiteral("14,2"));
        form.Command1->click();
        QVERIFY(!form.Label3->text().isEmpty());
        QCOMPARE(accessibleName(form.Label3), QStringLiteral("Eigenresonanz Dipol: ") + form.Label3->text() + QStringLiteral(" MHz"));
        QCOMPARE(accessibleName(form.Label5), QStringLiteral("Eigenresonanz Reflecktor: ") + form.Label5->text() + QStringLiteral(" MHz"));
        QCOMPARE(accessibleName(form.Info), QStringLiteral("Info: ") + form.Info->text().trimmed());
        // A band button clears the resonances, and their names with them.
        form.option2(4)->click();
        QCOMPARE(accessibleName(form.Label3), QStringLiteral("Eigenresonanz Dipol"));
        QCOMPARE(accessibleName(form.Label5), QStringLiteral("Eigenresonanz Reflecktor"));
    }

    // One calculation, however it ends, tells a screen reader its results text once, whole.
    void calculationAnnouncesInfoOnce_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("insulation");
        QTest::addColumn<QString>("conductor");
        QTest::addColumn<int>("answer");  // to a failure box or a question, if one comes
        QTest::addColumn<QString>("infoStart");
        QTest::addColumn<QString>("infoEnd");
        QTest::addColumn<int>("boxes");  // message boxes shown on the way
        QTest::newRow("complete run") << "14,2" << "1,00059 Luft" << "3,57" << int(ui::Answer::Abort)
                                      << "Berechnet für die Resonanzfrequenz = 14,2 MHz" << "'Zentavik.txt' vor." << 0;
        QTest::newRow("diameter check ends it") << "14,2" << "2,3 PE" << "0" << int(ui::Answer::Abort)
                                                << "Hinweis: Durchmesser zu gering!" << "zu gering!" << 0;
        QTest::newRow("insulation question answered No") << "14,2" << "25" << "1" << int(ui::Answer::No) << "" << "" << 1;
        // The first length overflows single precision: the text so far is told.
        QTest::newRow("failure answered Abort") << "0," + QString(36, u'0') + "1" << "1,00059 Luft" << "3,57" << int(ui::Answer::Abort)
                                                << "Berechnet für die Resonanzfrequenz = " << "MHz /" << 1;
    }
    void calculationAnnouncesInfoOnce()
    {
        QFETCH(QString, frequency);
        QFETCH(QString, insulation);
        QFETCH(QString, conductor);
        QFETCH(int, answer);
        QFETCH(QString, infoStart);
        QFETCH(QString, infoEnd);
        QFETCH(int, boxes);
        FakeUi fake;
        fake.answers = {ui::Answer(answer), ui::Answer(answer), ui::Answer(answer)};
        ClosingFrame frame;
        frmHauptform form(frame);
        form.Text1->setText(frequency);
        form.Combo1->setEditText(insulation);
        form.Text6->setText(QStringLiteral("6"));
        form.Text7->setText(conductor);
        form.show();

        AccessibilityProbe probe;
        if (!probe.active())
            QSKIP("no accessibility layer on this platform");
        form.Command1->click();

        const QString info = form.Info->text().trimmed();
        QVERIFY2(info.isEmpty() ? infoStart.isEmpty() : info.startsWith(infoStart) && info.endsWith(infoEnd), qPrintable(info));
        QCOMPARE(fake.messages.size(), boxes);
        const auto announced = probe.of(form.Info, QAccessible::NameChanged);
        QCOMPARE(announced.size(), 1);
        QCOMPARE(announced[0].name, info.isEmpty() ? QStringLiteral("Info") : QStringLiteral("Info: ") + info);
        // Spoken aloud once as well, though the focus stays where it was; an empty text is not.
        QCOMPARE(notifications(probe, &form), info.isEmpty() ? QStringList() : QStringList{QStringLiteral("Info: ") + info});
        // Nothing else about the label reached the screen reader while the text grew.
        for (const auto& update : probe.updates)
            if (update.object == form.Info)
                QCOMPARE(update.type, QAccessible::NameChanged);
    }

    // A hint written outside a calculation is told at once.
    void hintOutsideACalculationIsToldAtOnce()
    {
        FakeUi fake;
        ClosingFrame frame;
        frmHauptform form(frame);
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.Text4->setFocus(Qt::TabFocusReason);
        form.Text4->setText(QStringLiteral("5"));
        AccessibilityProbe probe;
        if (!probe.active())
            QSKIP("no accessibility layer on this platform");
        form.Text1->setFocus(Qt::TabFocusReason);
        const auto announced = probe.of(form.Info, QAccessible::NameChanged);
        QCOMPARE(announced.size(), 1);
        QCOMPARE(announced[0].name, QStringLiteral("Info: Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen"));
        QCOMPARE(notifications(probe, &form), QStringList{announced[0].name});
        QCOMPARE(fake.beeps, 1);
    }

    // Both roles of the velocity-factor window: the captions, and so the names, are the role's.
    void vkWindowNames_data()
    {
        QTest::addColumn<int>("role");
        addNameColumns();
        const int vk = int(frmVk::Rolle::Verkuerzungsfaktor), pruning = int(frmVk::Rolle::Pruning);
        QTest::newRow("frequency") << vk << "Text1" << "Frequenz [MHz]" << " Resonanzfrequenz der Antenne ";
        QTest::newRow("height") << vk << "Text2" << "Antennenhöhe [m]" << " Höhe über Erdboden ";
        QTest::newRow("diameter") << vk << "Text3" << "Drahtdurchmesser [mm]" << " Leiterstärke ";
        QTest::newRow("calculate") << vk << "Command1" << "Rechnen" << " Vk berechnen ";
        QTest::newRow("slenderness result") << vk << "Label7" << "Schlangheitsgrad" << " % ";
        QTest::newRow("height result") << vk << "Label5" << "Antennenhöhe" << " % ";
        QTest::newRow("factor result") << vk << "Label9" << "voraussichtlicher Verkürzungsfaktor" << " Vk 0 - 1 ";
        QTest::newRow("pruning length") << pruning << "Text1" << "ist Antennenlänge LgD[m]" << "gemessene Antennenlänge";
        QTest::newRow("pruning measured") << pruning << "Text2" << "ist Resonanzfrequenz [MHz]" << "gemessene Resonanzfrequenz der Antenne";
        QTest::newRow("pruning wanted") << pruning << "Text3" << "soll Resonanzfrequenz [MHz]" << "gewünschte Resonanzfrequenz der Antenne";
        QTest::newRow("pruning calculate") << pruning << "Command1" << "Rechnen" << "Längenänderung berechnen";
        QTest::newRow("pruning new length") << pruning << "Label7" << "Antennenlänge LgD" << "Neu berechnete Antennenlänge LgD";
        QTest::newRow("pruning factor") << pruning << "Label5" << "VF gesamt" << "vorhandener Verkürzungsfaktor";
        QTest::newRow("pruning LgD change") << pruning << "Label9" << "Länge LgD ändern um [mm]" << "Längen-Änderung";
        QTest::newRow("pruning LgR change") << pruning << "Label11" << "Länge LgR ändern um [mm]" << "";
        QTest::newRow("pruning load sweep") << pruning << "MessungLaden" << "Messung laden…"
                                            << "Sweep eines Antennenanalysators (Touchstone .s1p) laden: die Resonanz wird gemessene Resonanzfrequenz";
        QTest::newRow("pruning sweep plot") << pruning << "SwrAnzeige" << "SWR-Diagramm" << "Noch keine Messung geladen.";
        QTest::newRow("pruning measure") << pruning << "Messen" << "Messen"
                                         << "Mit dem Antennenanalysator (NanoVNA-Familie) messen: die Resonanz wird gemessene Resonanzfrequenz";
        QTest::newRow("pruning repeat") << pruning << "Wiederholen" << "Wiederholen"
                                        << "Immer wieder messen, bis der Knopf wieder gelöst wird; die vorige Messung bleibt blass sichtbar";
        QTest::newRow("pruning save sweep") << pruning << "SweepSpeichern" << "Speichern…" << "Den gemessenen Sweep als Touchstone-Datei (.s1p) speichern";
        QTest::newRow("pruning port") << pruning << "AnschlussWahl" << "Anschluss:" << "Serieller Anschluss des Antennenanalysators (z. B. /dev/ttyACM0, USB 0483:5740)";
        QTest::newRow("pruning span") << pruning << "SpanneFeld" << "Spanne [kHz]"
                                      << "Breite des Messbereichs um die Soll-Resonanzfrequenz; vorgeschlagen wird etwa die dreifache 2:1-Bandbreite eines Drahtelements";
    }
    void vkWindowNames()
    {
        QFETCH(int, role);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        ClosingFrame frame;
        frmVk vk(frame, beamStartFelder(), frmVk::Rolle(role));
        QWidget* w = child(&vk, control);
        QCOMPARE(heardName(w), name);
        QCOMPARE(accessibleDescription(w), description);
        // The pruning window's sweep: its button and the plot, which a screen reader reads in words.
        const QStringList reachable = role == int(frmVk::Rolle::Pruning)
                                          ? QStringList{"AnschlussWahl", "Command1", "Messen", "MessungLaden", "SpanneFeld", "SweepSpeichern",
                                                        "SwrAnzeige", "Text1", "Text2", "Text3", "Wiederholen"}
                                          : QStringList{"Command1", "Text1", "Text2", "Text3"};
        QCOMPARE(reachableControls(&vk), reachable);
    }

    // A calculation tells each result once, with its caption.
    void vkWindowResultsAreTold_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("velocity factor") << int(frmVk::Rolle::Verkuerzungsfaktor) << QStringList{"14,2", "10", "2"}
                                         << QStringList{"Label7", "Label5", "Label9"};
        QTest::newRow("pruning") << int(frmVk::Rolle::Pruning) << QStringList{"10", "14", "14,2"}
                                 << QStringList{"Label7", "Label5", "Label9", "Label11"};
    }
    void vkWindowResultsAreTold()
    {
        QFETCH(int, role);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, results);
        FakeUi fake;
        ClosingFrame frame;
        frmVk vk(frame, beamStartFelder(), frmVk::Rolle(role));
        vk.Text1->setText(inputs[0]);
        vk.Text2->setText(inputs[1]);
        vk.Text3->setText(inputs[2]);
        vk.show();
        AccessibilityProbe probe;
        if (!probe.active())
            QSKIP("no accessibility layer on this platform");
        vk.Command1->click();
        QCOMPARE(fake.beeps, 0);
        QStringList spoken;
        for (const QString& name : results) {
            auto* result = vk.findChild<QLabel*>(name);
            QLabel* caption = nullptr;
            for (QLabel* l : vk.findChildren<QLabel*>())
                if (l->buddy() == result)
                    caption = l;
            QVERIFY2(caption && !result->text().isEmpty(), qPrintable(name));
            const auto told = probe.of(result, QAccessible::NameChanged);
            QCOMPARE(told.size(), 1);
            QCOMPARE(told[0].name, accessibleName(caption) + QStringLiteral(": ") + result->text().trimmed());
            spoken << told[0].name;
        }
        // All results in one notification, in the order of the window.
        QCOMPARE(notifications(probe, &vk), QStringList{spoken.join(QStringLiteral("; "))});
    }

    // A refusal is told once, away from the focus, as the status line shows it; the results it
    // leaves standing are heard as stale.
    void refusalIsToldOnce_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("inputs");  // first those of a complete calculation, then the refused ones
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("staleResult");
        QTest::newRow("calculator without frequency") << "vk" << QStringList{"14,2", "10", "2", "", "10", "2"}
                                                      << "Die Frequenz fehlt (0, negativ oder keine Zahl)" << "Label9";
        QTest::newRow("calculator factor above 1") << "vk" << QStringList{"14,2", "10", "2", "500", "10", "2"}
                                                   << "Die Frequenz ergibt einen Verkürzungsfaktor von 1,041 (sinnvoll: über 0 bis 1)" << "Label9";
        QTest::newRow("pruning too far") << "pruning" << QStringList{"10,9", "14", "14,2", "10", "13,1", "10"}
                                         << "Zu weit von der gemessenen Resonanz: Ist/Soll muss zwischen 0,66 und 1,3 liegen"
                                         << "Label11";
        QTest::newRow("dipole without impedance") << "dipol" << QStringList{"21", "14", "300", "21", "14", ""}
                                                  << "Die gewünschte Impedanz im Speisepunkt muss eine Zahl über 0 sein" << "Label8";
        QTest::newRow("beam factor 1") << "beam" << QStringList{"1"}
                                       << "Ein Verkürzungsfaktor von 1 gilt für blanken Draht: Drahtisolierung ausgeschaltet" << "";
    }
    void refusalIsToldOnce()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, inputs);
        QFETCH(QString, told);
        QFETCH(QString, staleResult);
        FakeUi fake;
        ClosingFrame frame;
        frmHauptform beam(frame);
        std::unique_ptr<QWidget> form;
        QList<QLineEdit*> fields;
        QPushButton* calculate = nullptr;
        if (window == u"beam") {
            fields = {beam.Text4};
        } else if (window == u"dipol") {
            ZusatzDipolQuellen quellen;
            quellen.frame = &frame;
            quellen.beamDurchmesserText = [] { return QStringLiteral("2"); };
            quellen.beamVkText = [] { return QStringLiteral("0,95"); };
            auto* dipol = new ZusatzDipol(quellen);
            form.reset(dipol);
            fields = {dipol->Text1, dipol->Text2, dipol->Text3};
            calculate = dipol->Command1;
        } else {
            auto* vk = new frmVk(frame, beamStartFelder(),
                                 window == u"vk" ? frmVk::Rolle::Verkuerzungsfaktor : frmVk::Rolle::Pruning);
            form.reset(vk);
            fields = {vk->Text1, vk->Text2, vk->Text3};
            calculate = vk->Command1;
        }
        QWidget* shown = form ? form.get() : &beam;
        shown->show();
        QApplication::setActiveWindow(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        if (calculate) {
            for (int i = 0; i < fields.size(); ++i)
                fields[i]->setText(inputs[i]);
            calculate->click();
        }
        AccessibilityProbe probe;
        if (!probe.active())
            QSKIP("no accessibility layer on this platform");
        if (calculate) {
            for (int i = 0; i < fields.size(); ++i)
                fields[i]->setText(inputs[fields.size() + i]);
            calculate->click();
        } else {
            fields[0]->setFocus(Qt::TabFocusReason);
            fields[0]->setText(inputs[0]);
            beam.Text1->setFocus(Qt::TabFocusReason);
        }
        QCOMPARE(frame.text, told);
        QCOMPARE(notifications(probe, shown), QStringList{told});
        if (!staleResult.isEmpty()) {
            auto* result = shown->findChild<QLabel*>(staleResult);
            const auto heard = probe.of(result, QAccessible::NameChanged);
            QVERIFY(!heard.isEmpty());
            QVERIFY2(heard.last().name.endsWith(QStringLiteral(" (veraltet)")), qPrintable(heard.last().name));
            QCOMPARE(accessibleDescription(result), QStringLiteral("veraltet"));
        }
    }

    // The additional dipole: every field by its caption, the results with theirs.
    void dipoleNames_data()
    {
        addNameColumns();
        QTest::newRow("wanted resonance") << "Text1" << "gewünschte Resonanzfrequenz [MHz]" << "";
        QTest::newRow("impedance") << "Text3" << "gewünschte Impedanz im Speisepunkt [Ohm]" << "für beide Dipole gleichen Wert verwenden!";
        QTest::newRow("additional diameter") << "Text4" << "Draht-Durchmesser [mm]" << "Leiterdurchmesser";
        QTest::newRow("spacing result") << "Label8" << "Abstand zwischen den Antennendrähten [mm]" << "Ergebnis A";
        QTest::newRow("length result") << "Label10" << "Länge Zusatzdipol [m]" << "Ergebnis Drahtlänge";
        QTest::newRow("lowest resonance") << "Text2" << "unterste Resonanzfrequenz [MHz]" << "tiefste Resonanzfrequenz";
        QTest::newRow("driven diameter") << "Text5" << "Draht-Durchmesser [mm]" << "Leiterdurchmesser";
        QTest::newRow("velocity factor") << "Text6" << "Verkürzungsfaktor" << "Vk";
        QTest::newRow("info") << "Command2" << "Info" << "";
        QTest::newRow("calculate") << "Command1" << "Rechnen" << "Aktion";
    }
    void dipoleNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        ZusatzDipol form(ZusatzDipolQuellen{});
        QWidget* w = child(&form, control);
        QCOMPARE(heardName(w), name);
        QCOMPARE(accessibleDescription(w), description);
        QCOMPARE(reachableControls(&form), (QStringList{"Command1", "Command2", "Frame1", "Frame2", "Label10", "Label8",
                                                        "Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}));
    }

    // One calculation tells the spacing and the length once each, and both in one notification.
    void dipoleResultsAreTold()
    {
        FakeUi fake;
        ZusatzDipolQuellen quellen;
        quellen.beamDurchmesserText = [] { return QStringLiteral("2"); };
        quellen.beamVkText = [] { return QStringLiteral("0,95"); };
        ZusatzDipol form(quellen);
        form.Text1->setText(QStringLiteral("21"));
        form.Text2->setText(QStringLiteral("14"));
        form.show();
        AccessibilityProbe probe;
        if (!probe.active())
            QSKIP("no accessibility layer on this platform");
        form.Command1->click();
        QCOMPARE(fake.beeps, 0);
        const QString spacing = QStringLiteral("Abstand zwischen den Antennendrähten [mm]: 237");
        const QString length = QStringLiteral("Länge Zusatzdipol [m]: 6,786");
        const auto toldSpacing = probe.of(form.Label8, QAccessible::NameChanged);
        const auto toldLength = probe.of(form.Label10, QAccessible::NameChanged);
        QCOMPARE(toldSpacing.size(), 1);
        QCOMPARE(toldSpacing[0].name, spacing);
        QCOMPARE(toldLength.size(), 1);
        QCOMPARE(toldLength[0].name, length);
        QCOMPARE(notifications(probe, &form), QStringList{spacing + QStringLiteral("; ") + length});
    }

    void frameNames_data()
    {
        addNameColumns();
        QTest::newRow("status bar") << "StatusBar1" << "Statusleiste" << "";
        QTest::newRow("menu Datei") << "menu 0" << "Datei" << "";
        QTest::newRow("menu Berechnen") << "menu 1" << "Berechnen" << "";
        QTest::newRow("help menu, shown as ?") << "menu 2" << "Hilfe" << "";
    }
    void frameNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        MDIForm1 frame(SettingsStore(QStringLiteral("ZentavikTest")));
        QAccessibleInterface* iface = nullptr;
        if (control.startsWith(QLatin1String("menu "))) {
            iface = QAccessible::queryAccessibleInterface(frame.menuBar())->child(control.mid(5).toInt());
        } else {
            iface = QAccessible::queryAccessibleInterface(child(&frame, control));
        }
        QVERIFY(iface);
        QCOMPARE(iface->text(QAccessible::Name), name);
        QCOMPARE(iface->text(QAccessible::Description), description);
    }

    // "&?" stays on screen; the entry is read as "Hilfe" and still leads into its menu, in the
    // frame's menu bar and in the viewer's that replaces it.
    void helpMenuIsReadAsHilfe()
    {
        FakeUi fake;
        MDIForm1 frame(SettingsStore(QStringLiteral("ZentavikTest")));
        frame.show();
        QCOMPARE(frame.mnuHelp->menuAction()->text(), QStringLiteral("&?"));
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(frame.menuBar());
        QAccessibleInterface* entry = bar->child(2);
        QCOMPARE(entry->text(QAccessible::Name), QStringLiteral("Hilfe"));
        QCOMPARE(entry->role(), QAccessible::MenuItem);
        QVERIFY(entry->state().hasPopup && !entry->state().disabled && !entry->state().invisible);
        QCOMPARE(entry->parent()->object(), frame.menuBar());
        QCOMPARE(bar->indexOfChild(entry), 2);
        QCOMPARE(entry->childCount(), 1);
        QCOMPARE(entry->child(0)->object(), frame.mnuHelp);
        QCOMPARE(accessibleName(frame.mnuHelp), QStringLiteral("Hilfe"));
        QVERIFY(entry->actionInterface());
        entry->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        QCOMPARE(frame.menuBar()->activeAction(), frame.mnuHelp->menuAction());
        QVERIFY(entry->state().focused);
        frame.mnuHelp->hide();

        frmRTF* viewer = frame.createViewer();
        frame.showViewer(viewer);
        const int last = bar->childCount() - 1;
        QCOMPARE(bar->child(last)->object(), viewer->mnuHelp->menuAction());
        QCOMPARE(bar->child(last)->text(QAccessible::Name), QStringLiteral("Hilfe"));
        QCOMPARE(viewer->mnuHelp->menuAction()->text(), QStringLiteral("?"));
        QCOMPARE(bar->child(0)->text(QAccessible::Name), QStringLiteral("Datei"));
        // The bar between the viewer's menus is a divider, not a sign to read.
        QAccessibleInterface* divider = bar->child(last - 1);
        QCOMPARE(divider->object(), viewer->mnuhTrenn1);
        QCOMPARE(divider->role(), QAccessible::Separator);
        QCOMPARE(divider->text(QAccessible::Name), QString());
        QVERIFY(divider->state().disabled);
        QCOMPARE(viewer->mnuhTrenn1->text(), QStringLiteral("|"));
    }

    // Decoration lines are dividers to a screen reader, not frames read with their group.
    void decorationLinesAreDividers()
    {
        FakeUi fake;
        MDIForm1 frame(SettingsStore(QStringLiteral("ZentavikTest")));
        frmRTF* viewer = frame.createViewer();
        for (QWidget* line : {static_cast<QWidget*>(frame.hauptform().Frame5->findChild<QFrame*>(QStringLiteral("Line3"))),
                              static_cast<QWidget*>(frame.hauptform().Frame5->findChild<QFrame*>(QStringLiteral("Line4"))),
                              static_cast<QWidget*>(viewer->findChild<QFrame*>(QStringLiteral("line1")))}) {
            QVERIFY(line);
            QCOMPARE(QAccessible::queryAccessibleInterface(line)->role(), QAccessible::Separator);
        }
    }

    // Status panels say what they show: the status text itself, clock and date with their captions.
    void statusPanelsAreNamed()
    {
        MDIForm1 frame(SettingsStore(QStringLiteral("ZentavikTest")));
        frame.show();
        QCOMPARE(accessibleName(frame.statusText), QStringLiteral("Status: Bereit für Antennen-Berechnungen"));
        QCOMPARE(accessibleDescription(frame.statusText), QStringLiteral("Statusanzeige"));
        QCOMPARE(accessibleName(frame.statusTime), QStringLiteral("Computerzeit: ") + frame.statusTime->text());
        QCOMPARE(accessibleName(frame.statusDate), QStringLiteral("Datum: ") + frame.statusDate->text());
        frame.setStatus(QStringLiteral("Status: Berechnung eines Zentavik"));
        QCOMPARE(accessibleName(frame.statusText), QStringLiteral("Status: Berechnung eines Zentavik"));
    }

    void viewerNames_data()
    {
        addNameColumns();
        QTest::newRow("text area") << "RichTextBox1" << "Dateiinhalt" << "";
        QTest::newRow("status bar") << "StatusBar1" << "Statusleiste" << "";
        QTest::newRow("open") << "Open" << "Öffnen" << "Öffnen *.RTF";
        QTest::newRow("save") << "Save" << "Speichern" << "Speichern als RTF";
        QTest::newRow("print") << "Print" << "Drucken" << "Drucken";
        QTest::newRow("font") << "Font" << "Schrift" << "Format: Schrift";
        QTest::newRow("bold") << "Bold" << "Fett" << "Format: Fett";
        QTest::newRow("italic") << "Kursiv" << "Kursiv" << "Format: Kursiv";
        QTest::newRow("underline") << "Underline" << "Unterstrichen" << "Format: Unterstreichen";
    }
    void viewerNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        ClosingFrame frame;
        frmRTF viewer(frame);
        QWidget* w = viewer.findChild<QWidget*>(control);
        // A tool bar button is found by its action's key.
        for (QToolBar* bar : {viewer.Toolbar1, viewer.Toolbar2})
            for (QAction* a : bar->actions())
                if (a->objectName() == control)
                    w = bar->widgetForAction(a);
        QVERIFY(w);
        QCOMPARE(accessibleName(w), name);
        QCOMPARE(accessibleDescription(w), description);
    }

    void viewerTableCoversEveryReachableControl()
    {
        ClosingFrame frame;
        frmRTF viewer(frame);
        QCOMPARE(reachableControls(&viewer), QStringList{QStringLiteral("RichTextBox1")});
    }

    // The viewer's text is read line by line: caret moves and selections reach a screen reader.
    void viewerCaretAndSelectionAreTold()
    {
        FakeUi fake;
        ClosingFrame frame;
        frmRTF viewer(frame);
        viewer.RichTextBox1->setPlainText(QStringLiteral("LgD=10,2 m\nLgR=10,6 m\nA=2,6 m"));
        viewer.show();
        QApplication::setActiveWindow(&viewer);
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        viewer.RichTextBox1->setFocus();
        AccessibilityProbe probe;
        if (!probe.active())
            QSKIP("no accessibility layer on this platform");
        QTest::keyClick(viewer.RichTextBox1, Qt::Key_Down);
        QCOMPARE(probe.of(viewer.RichTextBox1, QAccessible::TextCaretMoved).size(), 1);
        QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(viewer.RichTextBox1)->textInterface();
        QVERIFY(text);
        int start = 0, end = 0;
        QCOMPARE(text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end).trimmed(),
                 QStringLiteral("LgR=10,6 m"));
        QTest::keyClick(viewer.RichTextBox1, Qt::Key_End, Qt::ShiftModifier);
        QVERIFY(!probe.of(viewer.RichTextBox1, QAccessible::TextSelectionChanged).isEmpty());
        QCOMPARE(text->selectionCount(), 1);
        text->selection(0, &start, &end);
        QCOMPARE(text->text(start, end), QStringLiteral("LgR=10,6 m"));
    }

    // A message box is read by its title and its message.
    void messageBoxesExposeTitleAndText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("description");
        QTest::newRow("question") << "Ist die Eingabe der relative Dielektrizitätszahl korrekt ?"
                                  << " Schlechtes Isoliermaterial ?" << int(ui::Buttons::YesNo)
                                  << "Ist die Eingabe der relative Dielektrizitätszahl korrekt ?";
        QTest::newRow("failure with CR LF") << "Fehler 11\r\nDivision durch Null" << " Fehler " << int(ui::Buttons::AbortRetryIgnore)
                                            << "Fehler 11\nDivision durch Null";
    }
    void messageBoxesExposeTitleAndText()
    {
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(int, buttons);
        QFETCH(QString, description);
        QString name, read;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            name = accessibleName(box);
            read = accessibleDescription(box);
            box->reject();
        });
        QtUi().messageBox(text, title, ui::Buttons(buttons), ui::Icon::Question);
        QCOMPARE(name, title.trimmed());
        QCOMPARE(read, description);
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"

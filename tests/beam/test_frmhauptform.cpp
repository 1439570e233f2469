#include "common/datetext.h"
#include "common/version.h"
#include "tests/beam/beamformtest.h"
#include "tests/support/dateigrenze.h"
#include "tests/support/fakeui.h"
#include "tests/support/germanlocale.h"
#include "tests/support/staleresult.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QFocusFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

class TestHauptform : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FakeFrame frame;
    std::unique_ptr<frmHauptform> form;
    std::unique_ptr<FakeUi> fake;

private slots:
    void initTestCase()
    {
        useGermanLocale();
        QDir::setCurrent(dir.path());
    }
    void init()
    {
        fake = std::make_unique<FakeUi>();
        frame = FakeFrame(QStringLiteral("Status:"));
        form = openActiveBeamForm(frame);
        QVERIFY(form);
    }
    void cleanup()
    {
        closeBeamForm(frame, form);
        fake.reset();
    }

    void startState()
    {
        QCOMPARE(form->Text1->text(), QStringLiteral("50,2"));
        QCOMPARE(form->Text4->text(), QStringLiteral("1,00"));
        QCOMPARE(form->Text6->text(), QStringLiteral("6"));
        QCOMPARE(form->Text7->text(), QStringLiteral("3,57"));
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("1,00059 Luft"));
        QCOMPARE(form->Combo1->count(), 25);
        QCOMPARE(form->Combo1->itemText(6), QStringLiteral("2,35 Öl"));
        QCOMPARE(form->Combo1->itemText(15), QStringLiteral("4,5   Epoxyd FR4"));
        QVERIFY(form->option2(10)->isChecked());
        QVERIFY(form->option1(1)->isChecked());
        QVERIFY(!form->Command2->isEnabled());
        QVERIFY(!form->Text6->isEnabled() && !form->Text7->isEnabled() && !form->Label9->isEnabled());
        QStringList captions;
        for (int i = 0; i <= 10; ++i)
            captions << form->option2(i)->text();
        QCOMPARE(captions.join(u' '), QStringLiteral("1,8 3,5 7 10 14 18 21 24 28 50 andere"));
        QCOMPARE(form->Info->text(), QStringLiteral("Hinweis: "));
        QCOMPARE(form->windowTitle(), QStringLiteral("Berechnung eines Zentavik nach Norbek"));
        QCOMPARE(form->size(), QSize(596, 339));  // 8940 x 5085 twips at 96 dpi
        QCOMPARE(form->Combo2->currentText(), QStringLiteral("Formel"));
    }

    void focusOrder()
    {
        QStringList order;
        focus(form->Text1);
        for (int i = 0; i < 9; ++i) {
            order << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // Disabled controls ("&Anzeigen", the diameters at start) are passed over; each group of
        // option buttons is one stop, on its selected button.
        QCOMPARE(order.join(u' '), QStringLiteral("Text1 Text4 VkSteller Option1_1 Command1 Combo1 Combo2 Option2_10 Text1"));
    }

    void tabbingIntoOptionGroups_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<int>("band");  // the selected band button
        QTest::addColumn<QString>("lands");
        QTest::newRow("Tab into the ranges") << "VkSteller" << false << int(AndereBand) << "Option1_1";
        QTest::newRow("Shift+Tab into the ranges") << "Command1" << true << int(AndereBand) << "Option1_1";
        QTest::newRow("Tab into the bands") << "Combo2" << false << int(AndereBand) << "Option2_10";
        QTest::newRow("Tab into the bands, 14 selected") << "Combo2" << false << 4 << "Option2_4";
        QTest::newRow("Shift+Tab round into the bands") << "Text1" << true << 4 << "Option2_4";
    }
    void tabbingIntoOptionGroups()
    {
        QFETCH(QString, from);
        QFETCH(bool, backwards);
        QFETCH(int, band);
        QFETCH(QString, lands);
        form->option2(band)->setChecked(true);
        focus(form->findChild<QWidget*>(from));
        QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), lands);
    }

    // Pasted text holds to the typing limits too; the part that does not fit is dropped.
    void pastingHoldsToTheLimits_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");     // -1: everything selected
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after");
        QTest::newRow("too long into an empty field") << "Text1" << "" << 0 << "1234567890" << "1234567";
        QTest::newRow("over everything selected") << "Text1" << "50,2" << -1 << "123456789" << "1234567";
        QTest::newRow("at the end") << "Text1" << "14,2" << 4 << "12345" << "14,2123";
        QTest::newRow("in the middle") << "Text1" << "14,2" << 2 << "99999" << "14999,2";
        QTest::newRow("fits whole") << "Text4" << "" << 0 << "0,95" << "0,95";
        QTest::newRow("velocity factor") << "Text4" << "0,9" << 3 << "4567890" << "0,94567";
        QTest::newRow("outer diameter, 5 characters") << "Text6" << "" << 0 << "3,5791" << "3,579";
        QTest::newRow("conductor diameter, 5 characters") << "Text7" << "1" << 1 << ",23456" << "1,234";
        QTest::newRow("a long text the program wrote takes nothing more") << "Text1" << "1000000000,0" << 12 << "5"
                                                                          << "1000000000,0";
    }
    void pastingHoldsToTheLimits()
    {
        QFETCH(QString, field);
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        auto* edit = form->findChild<QLineEdit*>(field);
        edit->setEnabled(true);
        for (bool byKey : {false, true}) {
            edit->setText(before);
            focus(edit);
            if (cursor < 0)
                edit->selectAll();
            else
                edit->setCursorPosition(cursor);
            QGuiApplication::clipboard()->setText(pasted);
            if (byKey)
                QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
            else
                edit->paste();  // as the context menu's "Einfügen" does
            QCOMPARE(edit->text(), after);
        }
    }

    // The spinner shows that it has the focus.
    void spinnerShowsItsFocus()
    {
        focus(form->VkSteller);
        QVERIFY(form->VkStellerFokus->isVisible());
        QCOMPARE(form->VkStellerFokus->widget(), form->VkSteller);
        QVERIFY(form->VkStellerFokus->geometry().contains(form->VkSteller->geometry()));
        focus(form->Text1);
        QVERIFY(!form->VkStellerFokus->isVisible());
    }

    // The hint label is in Tahoma or a stand-in of its measures; without one, in the form's family.
    void hintLabelFont()
    {
        const QString formFamily = form->font().family();
        QCOMPARE(form->Info->font().families(), QStringList({QStringLiteral("Tahoma"), formFamily}));
        const QString used = QFontInfo(form->Info->font()).family();
        QVERIFY2(used == QStringLiteral("Tahoma") || used == formFamily, qPrintable(used));
    }

    void bandButtons_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("band");
        QTest::addColumn<QString>("text1");
        QTest::newRow("24 SSB") << 1 << 7 << "24,95";
        QTest::newRow("24 CW") << 0 << 7 << "24,89";
        QTest::newRow("24 band middle") << 2 << 7 << "24,94";
        QTest::newRow("3,5 band middle") << 2 << 1 << "3,65";
        QTest::newRow("1,8 CW") << 0 << 0 << "1,82";
        QTest::newRow("50 CW") << 0 << 9 << "50,09";
        QTest::newRow("14 SSB") << 1 << 4 << "14,25";
        QTest::newRow("andere keeps the frequency") << 1 << 10 << "50,2";
    }
    void bandButtons()
    {
        QFETCH(int, range);
        QFETCH(int, band);
        QFETCH(QString, text1);
        form->option1(range)->setChecked(true);
        form->Label3->setText(QStringLiteral("x"));
        form->Label5->setText(QStringLiteral("y"));
        QTest::mouseClick(form->option2(band), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(form->Text1->text(), text1);
        QCOMPARE(form->Label3->text(), QString());
        QCOMPARE(form->Label5->text(), QString());
    }

    void rangeButtons_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("text1");
        QTest::newRow("29,5 rounds to the 10-m band") << "29,5" << 0 << "28,0";
        QTest::newRow("6,4 lies in the 40-m band") << "6,4" << 0 << "7,02";
        QTest::newRow("45 has no band") << "45" << 0 << "45,0";
        QTest::newRow("too large for the band index") << "1e30" << 1 << "1000000000000000000000000000000,0";
        QTest::newRow("beyond single precision") << "1e39" << 2 << "1e39";
    }
    void rangeButtons()
    {
        QFETCH(QString, typed);
        QFETCH(int, range);
        QFETCH(QString, text1);
        form->Text1->setText(typed);
        QTest::mouseClick(form->option1(range), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(form->Text1->text(), text1);
    }

    // The fields limit what is typed, not what the program writes.
    void typingLimit()
    {
        form->Text1->clear();
        QTest::keyClicks(form->Text1, QStringLiteral("123456789"));
        QCOMPARE(form->Text1->text(), QStringLiteral("1234567"));
        form->Text6->setEnabled(true);
        form->Text6->clear();
        QTest::keyClicks(form->Text6, QStringLiteral("1234567"));
        QCOMPARE(form->Text6->text(), QStringLiteral("12345"));
        form->Text6->selectAll();
        QTest::keyClicks(form->Text6, QStringLiteral("9"));
        QCOMPARE(form->Text6->text(), QStringLiteral("9"));
    }

    // A key beyond the limit is not taken at all: what was typed before can still be undone.
    void undoAfterTheTypingLimit_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("full");
        QTest::newRow("frequency, 7 characters") << "Text1" << "123456789" << "1234567";
        QTest::newRow("outer diameter, 5 characters") << "Text6" << "1234567" << "12345";
    }
    void undoAfterTheTypingLimit()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        auto* edit = form->findChild<QLineEdit*>(field);
        edit->setEnabled(true);
        edit->clear();
        focus(edit);
        QTest::keyClicks(edit, typed);
        QTEST(edit->text(), "full");
        QVERIFY(edit->isUndoAvailable());
        edit->undo();
        QCOMPARE(edit->text(), QString());
    }

    void accessKeys()
    {
        focus(form->Text1);
        QTest::keyClick(form.get(), Qt::Key_V, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), form->Text4);
        // Buttons pressed by their access key click a moment later, as they show the press.
        QTest::keyClick(form.get(), Qt::Key_M, Qt::AltModifier);
        QTRY_VERIFY(form->option1(2)->isChecked());
        QTest::keyClick(form.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(form->option1(0)->isChecked());
        QTRY_COMPARE(form->Text1->text(), QStringLiteral("50,09"));
        QTest::keyClick(form.get(), Qt::Key_D, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), form->Combo1);
        QTest::keyClick(form.get(), Qt::Key_O, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), form->Combo2);
        QTest::keyClick(form.get(), Qt::Key_B, Qt::AltModifier);
        QVERIFY(form->Frame2->isAncestorOf(QApplication::focusWidget()));
    }

    void keyFilterInFrequency()
    {
        form->Label3->setText(QStringLiteral("14,495"));
        form->Text1->clear();
        QTest::keyClicks(form->Text1, QStringLiteral("1a4,-2"));
        QCOMPARE(form->Text1->text(), QStringLiteral("14,2"));
        QCOMPARE(fake->beeps, 2);
        QCOMPARE(form->Label3->text(), QString());
    }

    // Every refusal of the form says why, also where the desktop makes no sound: the beep
    // carries the reason and the status line shows it until the next key typed into the form.
    void refusalSaysWhy_data()
    {
        QTest::addColumn<QString>("how");       // "leave" the factor field, "type" a key, "calculate"
        QTest::addColumn<QString>("material");  // insulation chosen first; empty: bare wire
        QTest::addColumn<QString>("text");      // typed into the factor field, or the conductor field
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("focus");     // the field that has the focus, its text selected after a calculation
        // How the reason goes: "key" typed into the form, "key elsewhere" into another window,
        // "time" passing, "newer status" written meanwhile (it stays), "second refusal" shown
        // first (and the status line before both comes back).
        QTest::addColumn<QString>("ending");
        QTest::newRow("factor above 1") << "leave" << "" << "1,5" << "Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen" << "Text1" << "key";
        QTest::newRow("factor 1") << "leave" << "" << "1" << "ein Verkürzungsfaktor von 1 gilt für blanken Draht: Drahtisolierung ausgeschaltet" << "Text1" << "key";
        QTest::newRow("factor 1,00 with insulation chosen") << "leave" << "2,3" << "1,00"
                                                            << "ein Verkürzungsfaktor von 1 gilt für blanken Draht: Drahtisolierung ausgeschaltet"
                                                            << "Text1" << "key";
        QTest::newRow("letter in the frequency, a key in another window")
            << "type" << "" << "a" << "nur Ziffern, Komma und Punkt sind erlaubt" << "Text1" << "key elsewhere";
        QTest::newRow("letter in the frequency, left standing") << "type" << "" << "a" << "nur Ziffern, Komma und Punkt sind erlaubt"
                                                                << "Text1" << "time";
        QTest::newRow("letter in the frequency, then a result") << "type" << "" << "a" << "nur Ziffern, Komma und Punkt sind erlaubt"
                                                                << "Text1" << "newer status";
        QTest::newRow("factor above 1 after a letter in the frequency")
            << "leave" << "" << "1,5" << "Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen" << "Text1"
            << "second refusal";
        QTest::newRow("letter in the frequency") << "type" << "" << "a" << "nur Ziffern, Komma und Punkt sind erlaubt" << "Text1" << "key";
        QTest::newRow("conductor too thin") << "calculate" << "2,3" << "0"
                                            << "Durchmesser zu gering! (Leiter mindestens 0,01 mm, dünner als der Außendurchmesser)"
                                            << "Text7" << "key";
        QTest::newRow("permittivity above 20, answered No") << "calculate" << "25" << "1"
                                                            << "relative Dielektrizitätszahl über 20 - ist die Eingabe korrekt?" << "Combo1" << "key";
    }
    void refusalSaysWhy()
    {
        QFETCH(QString, how);
        QFETCH(QString, material);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        QFETCH(QString, focus);
        QFETCH(QString, ending);
        if (ending == u"second refusal") {
            ::focus(form->Text1);
            QTest::keyClicks(form->Text1, QStringLiteral("x"));
            QCOMPARE(frame.text, asSentence(QStringLiteral("nur Ziffern, Komma und Punkt sind erlaubt")));
        }
        if (!material.isEmpty()) {
            form->Combo1->setCurrentIndex(5);
            form->Combo1->activated(5);
            form->Combo1->setEditText(material);
        }
        fake->answers = {ui::Answer::No};
        if (how == u"leave") {
            ::focus(form->Text4);
            form->Text4->setText(text);
            ::focus(form->Text1);
        } else if (how == u"type") {
            ::focus(form->Text1);
            QTest::keyClicks(form->Text1, text);
        } else {
            form->Text7->setText(text);
            form->Command1->click();
        }
        QCOMPARE(fake->beepReasons.value(fake->beepReasons.size() - 1), reason);
        QCOMPARE(frame.text, asSentence(reason));
        QWidget* focused = QApplication::focusWidget();
        if (focused == form->Combo1->lineEdit())
            focused = form->Combo1;
        QCOMPARE(focused->objectName(), focus);
        if (how == u"calculate") {
            auto* combo = qobject_cast<QComboBox*>(QApplication::focusWidget());
            auto* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(QApplication::focusWidget());
            QVERIFY(edit && edit->hasSelectedText() && edit->selectedText() == edit->text());
        }
        // Moving on shows the reason still; the next key typed ends it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(frame.text, asSentence(reason));
        QString after = QStringLiteral("Status:");
        if (ending == u"key elsewhere") {
            QLineEdit elsewhere;
            elsewhere.show();
            QTest::keyClick(&elsewhere, Qt::Key_1);
        } else if (ending == u"time") {
            auto* lifetime = form->findChild<QTimer*>(QStringLiteral("grundDauer"));
            QVERIFY(lifetime && lifetime->isActive());
            QVERIFY(lifetime->interval() >= 5000 && lifetime->interval() <= 30000);
            lifetime->setInterval(1);
            lifetime->start();
            QTRY_COMPARE(frame.text, after);
        } else {
            if (ending == u"newer status") {
                after = QStringLiteral("Status: Berechnung beendet");
                frame.setStatus(after);
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
        }
        QCOMPARE(frame.text, after);
    }

    // After a calculation, a changed input leaves the results standing but marks them stale
    // until the next calculation; what only rewrites the same input does not.
    void staleResults_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("resonancesStale");  // the two self-resonances, unless the change clears them
        QTest::addColumn<bool>("infoStale");
        QTest::newRow("nothing") << "" << false << false;
        QTest::newRow("factor rewritten with the same value") << "factor 0,950" << false << false;
        QTest::newRow("form activated again") << "activate" << false << false;
        QTest::newRow("factor typed") << "factor 0,9" << true << true;
        QTest::newRow("insulation chosen") << "insulation" << true << true;
        QTest::newRow("conductor typed") << "conductor 2" << true << true;
        QTest::newRow("range button clears the resonances") << "range" << false << true;
        QTest::newRow("frequency typed clears the resonances") << "frequency" << false << true;
        // The hint below says why; the resonances belong to the last complete run.
        QTest::newRow("calculation refused") << "refused" << true << false;
        QTest::newRow("calculated again") << "again" << false << false;
    }
    void staleResults()
    {
        QFETCH(QString, change);
        QFETCH(bool, resonancesStale);
        QFETCH(bool, infoStale);
        form->Text1->setText(QStringLiteral("14,2"));
        form->Text4->setText(QStringLiteral("0,95"));
        form->Command1->click();
        const QString info = form->Info->text();
        QVERIFY(info.startsWith(QStringLiteral("Berechnet für")));
        for (QLabel* result : {form->Label3, form->Label5, form->Info})
            QVERIFY(shownCurrent(result));

        if (change.startsWith(u"factor "))
            form->Text4->setText(change.mid(7));
        else if (change.startsWith(u"conductor "))
            form->Text7->setText(change.mid(10));
        else if (change == u"activate")
            form->childActivated();
        else if (change == u"insulation") {
            form->Combo1->setCurrentIndex(5);
            form->Combo1->activated(5);
        } else if (change == u"range")
            form->option1(0)->click();
        else if (change == u"frequency")
            QTest::keyClick(form->Text1, Qt::Key_5);
        else if (change == u"refused") {
            form->Combo1->setCurrentIndex(5);
            form->Combo1->activated(5);
            form->Text7->setText(QStringLiteral("0"));
            form->Command1->click();
        } else if (change == u"again") {
            form->Text4->setText(QStringLiteral("0,9"));
            form->Command1->click();
        }

        if (form->Label3->text().isEmpty()) {
            QVERIFY(!resonancesStale);
            QVERIFY(shownCurrent(form->Label3) && shownCurrent(form->Label5));
        } else {
            for (QLabel* result : {form->Label3, form->Label5})
                QVERIFY2(resonancesStale ? shownStale(result) : shownCurrent(result), qPrintable(result->objectName()));
        }
        QVERIFY(infoStale ? shownStale(form->Info) : shownCurrent(form->Info));
        // Stale results keep their texts.
        if (resonancesStale)
            QVERIFY(!form->Label3->text().isEmpty());
        if (infoStale)
            QCOMPARE(form->Info->text(), info);
    }

    void spinnerSteps_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("red");
        QTest::newRow("down from 0,95") << "0,95" << int(QAbstractSlider::SliderSingleStepAdd) << "0,949" << false;
        QTest::newRow("up from 0,95") << "0,95" << int(QAbstractSlider::SliderSingleStepSub) << "0,951" << false;
        QTest::newRow("down from 0,80 turns red") << "0,80" << int(QAbstractSlider::SliderSingleStepAdd) << "0,799" << true;
    }
    void spinnerSteps()
    {
        QFETCH(QString, text);
        QFETCH(int, action);
        QFETCH(QString, after);
        QFETCH(bool, red);
        focus(form->Text4);
        form->Text4->setText(text);
        focus(form->Text1);  // leaving the field puts the spinner in step
        QCOMPARE(form->VkSteller->value(), int(std::lround((1 - text.replace(u',', u'.').toDouble()) * 1000)));
        form->VkSteller->triggerAction(QAbstractSlider::SliderAction(action));
        QCOMPARE(form->Text4->text(), after);
        QCOMPARE(form->Text4->palette().color(QPalette::Text), red ? QColor(255, 0, 0) : QColor(0, 0, 0));
    }

    void typedTextThenSpinnerClickStepsFromText()
    {
        // The spinner stands at 0; the text is typed; one click moves one step from the text.
        form->Text4->setText(QStringLiteral("0,9"));
        form->VkSteller->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(form->Text4->text(), QStringLiteral("0,899"));
        QCOMPARE(form->VkSteller->value(), 101);
    }

    void leavingVelocityFactor_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("spinnerBefore");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("spinnerAfter");
        QTest::newRow("0,9456 moves the spinner, which rewrites the text") << "0,9456" << 0 << "0,946" << 54;
        QTest::newRow("0,9456 with the spinner already there") << "0,9456" << 54 << "0,9456" << 54;
        QTest::newRow("1,5 is corrected") << "1,5" << 7 << "0,946" << 7;
        QTest::newRow("0 is corrected") << "0" << 7 << "0,946" << 7;
        QTest::newRow("empty is corrected") << "" << 7 << "0,946" << 7;
        QTest::newRow("beyond single is corrected") << "1e39" << 7 << "0,946" << 7;
    }
    void leavingVelocityFactor()
    {
        QFETCH(QString, typed);
        QFETCH(int, spinnerBefore);
        QFETCH(QString, after);
        QFETCH(int, spinnerAfter);
        form->VkSteller->setValue(spinnerBefore);
        focus(form->Text4);
        form->Text4->setText(typed);
        focus(form->Text1);
        QCOMPARE(form->Text4->text(), after);
        QCOMPARE(form->VkSteller->value(), spinnerAfter);
        if (QByteArray(QTest::currentDataTag()).contains("corrected")) {
            QCOMPARE(form->Info->text(), QStringLiteral(" Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen"));
            QCOMPARE(fake->beeps, 1);
        }
    }

    void leavingVelocityFactorOneMeansNoInsulation()
    {
        form->Combo1->setCurrentIndex(5);
        form->Combo1->activated(5);
        QVERIFY(form->Text7->isEnabled());
        focus(form->Text4);
        form->Text4->setText(QStringLiteral("1"));
        focus(form->Text1);
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("1,0"));
        QVERIFY(!form->Text6->isEnabled() && !form->Text7->isEnabled() && !form->Label11->isEnabled());
        QCOMPARE(fake->beeps, 1);
        QCOMPARE(form->VkSteller->value(), 0);
    }

    void activationPutsSpinnerInStep_data()
    {
        QTest::addColumn<QString>("handedOver");
        QTest::addColumn<int>("spinner");
        QTest::addColumn<QString>("text");
        QTest::newRow("calculator result") << "0,9502" << 50 << "0,95";
        QTest::newRow("ground-corrected factor above 1 leaves both alone") << "1,02" << 7 << "1,02";
        QTest::newRow("huge factor leaves both alone") << "1e20" << 7 << "1e20";
    }
    void activationPutsSpinnerInStep()
    {
        QFETCH(QString, handedOver);
        QFETCH(int, spinner);
        QFETCH(QString, text);
        form->VkSteller->setValue(7);
        form->Text4->setText(handedOver);
        form->childActivated();
        QCOMPARE(form->VkSteller->value(), spinner);
        QCOMPARE(form->Text4->text(), text);
        QCOMPARE(frame.text, QStringLiteral("Status: Berechnung eines Zentavik"));
    }

    void insulationList_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("blank") << 0 << false;
        QTest::newRow("vacuum") << 1 << false;
        QTest::newRow("air") << 2 << false;
        QTest::newRow("paper") << 3 << true;
        QTest::newRow("polyethylene") << 5 << true;
        QTest::newRow("mica") << 24 << true;
    }
    void insulationList()
    {
        QFETCH(int, entry);
        QFETCH(bool, enabled);
        form->Combo1->setCurrentIndex(entry);
        emit form->Combo1->activated(entry);
        for (QWidget* w : QList<QWidget*>{form->Text6, form->Text7, form->Label9, form->Label10, form->Label11})
            QCOMPARE(w->isEnabled(), enabled);
    }

    void insulationByTyping()
    {
        QLineEdit* edit = form->Combo1->lineEdit();
        edit->clear();
        QTest::keyClick(edit, Qt::Key_1);
        QVERIFY(!form->Text7->isEnabled());
        QTest::keyClick(edit, Qt::Key_Comma, {}, 0);
        QTest::keyClicks(edit, QStringLiteral(","));
        QVERIFY(!form->Text7->isEnabled());
        edit->setText(QStringLiteral("1,"));
        QTest::keyClick(edit, Qt::Key_5);
        QCOMPARE(edit->text(), QStringLiteral("1,5"));
        QVERIFY(form->Text7->isEnabled());
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("1"));
        QVERIFY(!form->Text7->isEnabled());
        QTest::keyClicks(edit, QStringLiteral("Luft"));
        QCOMPARE(edit->text(), QStringLiteral("1"));
    }

    // Typing goes to the combo box first when it has the focus.
    void comboBoxFiltersKeysOnce()
    {
        focus(form->Combo1);
        form->Combo1->lineEdit()->clear();
        QTest::keyClicks(form->Combo1, QStringLiteral("x2,3"));
        QCOMPARE(form->Combo1->currentText(), QStringLiteral("2,3"));
        QCOMPARE(fake->beeps, 1);
        QVERIFY(form->Text7->isEnabled());
    }

    void outerDiameterFollowsConductor_data()
    {
        QTest::addColumn<QString>("conductor");
        QTest::addColumn<QString>("outer");
        QTest::newRow("equal") << "6" << "6,1";
        QTest::newRow("just below") << "5,95" << "6,05";
        QTest::newRow("thin") << "2" << "6";
        QTest::newRow("beyond single") << "1e39" << "6";
    }
    void outerDiameterFollowsConductor()
    {
        QFETCH(QString, conductor);
        QFETCH(QString, outer);
        form->Text6->setText(QStringLiteral("6"));
        form->Text7->setText(conductor);
        QCOMPARE(form->Text6->text(), outer);
    }

    void reportBytes_data()
    {
        QTest::addColumn<bool>("insulated");
        QTest::newRow("bare wire") << false;
        QTest::newRow("polyethylene") << true;
    }
    void reportBytes()
    {
        QFETCH(bool, insulated);
        form->Text1->setText(QStringLiteral("14,2"));
        form->Text4->setText(QStringLiteral("0,95"));
        if (insulated) {
            form->Combo1->setCurrentIndex(5);
            emit form->Combo1->activated(5);
            form->Text6->setText(QStringLiteral("2"));
            form->Text7->setText(QStringLiteral("1,5"));
        }
        const QDate before = QDate::currentDate();
        form->Command1->click();
        const QString sep(80, QChar(0xAF));
        QStringList lines{
            QString(), QStringLiteral("                        Zentavik nach Norbek "), sep,
            QStringLiteral("Antenne berechnet für SSB-Band: 14 MHz"),
            QStringLiteral("Resonanzfrequenz = 14,2 MHz / "),
            QStringLiteral("Gesamte Boomlänge: 7,06 m"),
            insulated ? QStringLiteral("Größte Antennenbreite: ~ 5,38 m") : QStringLiteral("Größte Antennenbreite: ~ 5,49 m"),
            QStringLiteral("Verkürzungsfaktor des Drahtes: 0,95")};
        if (insulated)
            lines << QStringLiteral("(Zusatzverkürzung durch Drahtisolierung: 2,3   Polyethylen PE)");
        lines << sep << QStringLiteral("Drahtlängen:")
              << (insulated ? QStringLiteral(" LgD=10,686 m ") : QStringLiteral(" LgD=10,905 m "))
              << (insulated ? QStringLiteral(" LgR=11,135 m ") : QStringLiteral(" LgR=11,363 m ")) << QString()
              << QStringLiteral("Längen und Abstände:") << QStringLiteral(" A=2,641 m ")
              << (insulated ? QStringLiteral(" Bv=5,176 m ") : QStringLiteral(" Bv=5,282 m "))
              << (insulated ? QStringLiteral(" Bh=5,279 m ") : QStringLiteral(" Bh=5,387 m "))
              << QStringLiteral(" LgBoom=5,282 m ") << QStringLiteral(" C=0,887 m ")
              << QStringLiteral(" gesLgBoom=7,056 m ") << QStringLiteral(" D=2,47 m ")
              << (insulated ? QStringLiteral(" P=2,588 m (minus x)") : QStringLiteral(" P=2,641 m (minus x)")) << QString()
              << QStringLiteral("Eigenresonanzen:") << QStringLiteral(" frD=14,495 MHz ") << QStringLiteral(" frR=13,911 MHz ")
              << QString() << QStringLiteral("Anpassleitung 2x RG59// : ") << QStringLiteral(" Vlg=3,486 m ") << QString()
              << QStringLiteral(" Berechnung am ") + kurzesDatum(QDate::currentDate()) + u' ' + version::copyright;
        QFile file(QStringLiteral("Zentavik.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        // A run across midnight may carry either date.
        const QString written = bytes.contains(kurzesDatum(before).toLatin1()) ? kurzesDatum(before) : kurzesDatum(QDate::currentDate());
        lines.last().replace(kurzesDatum(QDate::currentDate()), written);
        QCOMPARE(bytes, encodeCp1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
        QVERIFY(bytes.contains(char(0xAF)) && bytes.contains(char(0xE4)));  // Windows-1252, not UTF-8
        QVERIFY(form->Command2->isEnabled());
        QCOMPARE(frame.text, QStringLiteral("Status: Bereit zum Anzeigen der Berechnungsergebnisse"));
        QCOMPARE(module1().TabellenDatei, QStringLiteral("Zentavik.txt"));
        QVERIFY(!fake->busy);
    }

    void rangeTextInReport_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("text1");
        QTest::addColumn<QString>("line4");
        QTest::newRow("CW, 40 m keeps its blank") << 0 << "7,1" << "Antenne berechnet CW-Band:  7 MHz";
        QTest::newRow("band middle") << 2 << "21,2" << "Antenne berechnet für Bandmitte: 21 MHz";
        QTest::newRow("none selected, outside every band") << -1 << "45" << "Antenne berechnet 0,0 MHz";
    }
    void rangeTextInReport()
    {
        QFETCH(int, range);
        QFETCH(QString, text1);
        QFETCH(QString, line4);
        if (range < 0) {
            form->Option1->setExclusive(false);
            form->option1(1)->setChecked(false);
        } else {
            form->option1(range)->setChecked(true);
        }
        form->Text1->setText(text1);
        form->Command1->click();
        QCOMPARE(reportText().split(QStringLiteral("\r\n")).value(3), line4);
    }

    void enterAnywhereCalculates()
    {
        focus(form->Text7);
        form->Text1->setText(QStringLiteral("14,2"));
        focus(form->Text4);
        QTest::keyClick(form->Text4, Qt::Key_Return);
        QCOMPARE(form->Label3->text(), QStringLiteral("14,495"));
        QVERIFY(form->Command2->isEnabled());
        // Leaving "&Anzeigen" offers the viewer no longer.
        focus(form->Command2);
        focus(form->Text1);
        QVERIFY(!form->Command2->isEnabled());
        QCOMPARE(frame.text, QStringLiteral("Status: Berechnung eines Zentavik"));
        // The model's box too.
        focus(form->Combo2);
        QTest::keyClick(form->Combo2, Qt::Key_Return);
        QVERIFY(form->Command2->isEnabled());
    }

    // Enter in the factor field checks the field as leaving it for a click on "&Rechnen" does:
    // a factor outside 0 to 1 never makes wire lengths of 0 m or five half waves.
    void enterInFactorFieldChecksItFirst_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("used");  // the factor the calculation used, as the field shows it
        QTest::newRow("above 1") << "5" << "0,946";
        QTest::newRow("zero") << "0" << "0,946";
        QTest::newRow("no number") << "," << "0,946";
        QTest::newRow("inside") << "0,95" << "0,95";
    }
    void enterInFactorFieldChecksItFirst()
    {
        QFETCH(QString, typed);
        QFETCH(QString, used);
        form->Text1->setText(QStringLiteral("14,2"));
        focus(form->Text4);
        form->Text4->setText(typed);
        QTest::keyClick(form->Text4, Qt::Key_Return);
        QCOMPARE(form->Text4->text(), used);
        QVERIFY(form->Info->text().startsWith(QStringLiteral("Berechnet für die Resonanzfrequenz = 14,2 MHz / LgD=")));
        QVERIFY(!form->Info->text().contains(QStringLiteral("LgD=0,0 m")));
    }

    void earlyEndKeepsReportAndButton()
    {
        form->Command1->click();
        QVERIFY(form->Command2->isEnabled());
        const QString before = reportText();
        form->Combo1->setCurrentIndex(5);
        emit form->Combo1->activated(5);
        form->Text7->setText(QStringLiteral("0,005"));
        form->Label3->setText(QStringLiteral("kept"));
        form->Command1->click();
        QCOMPARE(form->Info->text(), QStringLiteral("Hinweis: Durchmesser zu gering!"));
        QCOMPARE(QApplication::focusWidget(), form->Text7);
        QCOMPARE(reportText(), before);
        QVERIFY(!fake->busy);
    }

    void unwritableReport_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("abort") << int(ui::Answer::Abort);
        QTest::newRow("ignore every line") << int(ui::Answer::Ignore);
    }
    void unwritableReport()
    {
        QFETCH(int, answer);
        // A directory where the report should be: it cannot be created.
        QTemporaryDir blocked;
        QDir::setCurrent(blocked.path());
        QVERIFY(QDir().mkdir(QStringLiteral("Zentavik.txt")));
        for (int i = 0; i < 40; ++i)
            fake->answers.push_back(ui::Answer(answer));
        frame.text = QStringLiteral("Status: vorher");
        form->Command1->click();
        QDir::setCurrent(dir.path());
        QVERIFY(!fake->messages.isEmpty());
        QCOMPARE(fake->messages[0].title, QStringLiteral(" Fehler "));
        QVERIFY(fake->messages[0].text.contains(QStringLiteral("Zentavik.txt")));
        // The system's reason in German, as the rest of the box.
        QVERIFY2(fake->messages[0].text.endsWith(QStringLiteral("\r\nIst ein Verzeichnis")), qPrintable(fake->messages[0].text));
        if (answer == int(ui::Answer::Abort)) {
            QCOMPARE(fake->messages.size(), 1);
            QVERIFY(!form->Command2->isEnabled());
            QCOMPARE(frame.text, QStringLiteral("Status: vorher"));
        } else {
            // Every failure skipped: no report exists, so none is announced or offered.
            QVERIFY2(form->Info->text().endsWith(QStringLiteral("Tabelle konnte nicht als Textfile 'Zentavik.txt' angelegt werden.  ")),
                     qPrintable(form->Info->text()));
            QVERIFY(!form->Info->text().contains(QStringLiteral("liegt")));
            QVERIFY(!form->Command2->isEnabled());
            QCOMPARE(frame.text, QStringLiteral("Status: vorher"));
        }
        // Skipped report lines leave every measure computed: the plan can be drawn.
        QCOMPARE(form->bauplan().has_value(), answer == int(ui::Answer::Ignore));
        QVERIFY(!fake->busy);
    }

    // A report that does not fit (a file-size limit stands in for a full disk). The older
    // report is never destroyed before the new one is complete: Abort keeps it whole; skipping
    // every line that does not fit replaces it by an announced incomplete one.
    void reportThatDoesNotFit_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("olderKept");
        QTest::newRow("abort") << int(ui::Answer::Abort) << QString() << true;
        QTest::newRow("ignore every line") << int(ui::Answer::Ignore)
                                           << QStringLiteral("Tabelle liegt unvollständig als Textfile 'Zentavik.txt' vor.  ") << false;
    }
    void reportThatDoesNotFit()
    {
        QFETCH(int, answer);
        QFETCH(QString, note);
        QFETCH(bool, olderKept);
        QTemporaryDir full;
        QDir::setCurrent(full.path());
        QFile older(full.filePath(QStringLiteral("Zentavik.txt")));
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write(QByteArray(300, 'x'));
        older.close();
        for (int i = 0; i < 40; ++i)
            fake->answers.push_back(ui::Answer(answer));
        {
            DateiGroessenGrenze grenze(200);
            form->Command1->click();
        }
        QDir::setCurrent(dir.path());
        QVERIFY(!fake->messages.isEmpty());
        QVERIFY2(fake->messages[0].text.endsWith(QStringLiteral("\r\nDie Datei ist zu groß")), qPrintable(fake->messages[0].text));
        QVERIFY(older.open(QIODevice::ReadOnly));
        const QByteArray onDisk = older.readAll();
        QCOMPARE(onDisk == QByteArray(300, 'x'), olderKept);
        if (!olderKept)
            QVERIFY(onDisk.startsWith("\r\n                        Zentavik nach Norbek \r\n") && onDisk.size() <= 200);
        QCOMPARE(form->Info->text().endsWith(QStringLiteral("vor.  ")), !note.isEmpty());
        if (!note.isEmpty())
            QVERIFY2(form->Info->text().endsWith(note), qPrintable(form->Info->text()));
        QCOMPARE(form->Command2->isEnabled(), !olderKept);
        // Nothing half-written is left beside the report.
        QCOMPARE(QDir(full.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Zentavik.txt")});
    }

    // A disk that is full only for a moment: Retry writes the line whole, and the report is
    // complete and exactly as without the failure.
    void reportRetriedAfterAFullDisk()
    {
        form->Command1->click();
        const QString complete = reportText();
        QTemporaryDir full;
        QDir::setCurrent(full.path());
        fake->answers = {ui::Answer::Retry};
        fake->messages.clear();
        std::optional<DateiGroessenGrenze> grenze(std::in_place, 200);
        fake->whileShown = [&](const ShownMessage&) { grenze.reset(); };
        form->Command1->click();
        fake->whileShown = nullptr;
        QCOMPARE(fake->messages.size(), 1);
        QCOMPARE(reportText(), complete);
        QVERIFY(form->bauplan());
        QDir::setCurrent(dir.path());
    }

    void closeBoxOnlyHides()
    {
        form->Text1->setText(QStringLiteral("7,1"));
        QVERIFY(!form->close());
        QVERIFY(!form->isVisible());
        QCOMPARE(frame.text, QStringLiteral("Status: Bereit für Antennen-Berechnungen"));
        QCOMPARE(form->Text1->text(), QStringLiteral("7,1"));
        frame.forGood = true;
        QVERIFY(form->close());
    }
};

QTEST_MAIN(TestHauptform)
#include "test_frmhauptform.moc"

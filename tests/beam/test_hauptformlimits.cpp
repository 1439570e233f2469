// The beam form at the limits of its tables and controls: every band button with every range,
// the whole insulation list and the air threshold, the spinner at both ends and its rounding.
#include "tests/beam/beamformtest.h"
#include "tests/support/fakeui.h"
#include "tests/support/germanlocale.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// What each band button fills in with the CW range, the SSB range and the band middle.
const char* const bandFrequencies[10][3] = {
    {"1,82", "1,86", "1,857"},   {"3,5", "3,7", "3,65"},      {"7,02", "7,12", "7,1"},
    {"10,1", "10,13", "10,125"}, {"14,0", "14,25", "14,2"},   {"18,068", "18,13", "18,118"},
    {"21,0", "21,25", "21,225"}, {"24,89", "24,95", "24,94"}, {"28,0", "28,6", "28,5"},
    {"50,09", "50,15", "50,5"},
};

const QColor red(255, 0, 0);
const QColor black(0, 0, 0);
} // namespace

class TestHauptformLimits : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FakeFrame frame;
    std::unique_ptr<frmHauptform> form;
    std::unique_ptr<FakeUi> fake;

    bool diametersEnabled() const
    {
        int enabled = 0;
        for (QWidget* w : QList<QWidget*>{form->Text6, form->Text7, form->Label9, form->Label10, form->Label11})
            enabled += w->isEnabled();
        // The five are always switched together.
        if (enabled != 0 && enabled != 5)
            qWarning("diameter controls disagree");
        return enabled == 5;
    }
    void choose(int entry)
    {
        form->Combo1->setCurrentIndex(entry);
        emit form->Combo1->activated(entry);
    }
    QColor text4Colour() const { return form->Text4->palette().color(QPalette::Text); }
    void click(QAbstractSlider::SliderAction action) { form->VkSteller->triggerAction(action); }

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

    void everyBandButtonWithEveryRange_data()
    {
        QTest::addColumn<int>("band");
        QTest::addColumn<int>("range");
        const char* ranges[] = {"CW", "SSB", "band middle"};
        for (int band = 0; band < 10; ++band)
            for (int range = 0; range < 3; ++range)
                QTest::addRow("button %d %s", band, ranges[range]) << band << range;
    }
    void everyBandButtonWithEveryRange()
    {
        QFETCH(int, band);
        QFETCH(int, range);
        form->option1(range)->setChecked(true);
        form->Label3->setText(QStringLiteral("x"));
        form->Label5->setText(QStringLiteral("y"));
        QTest::mouseClick(form->option2(band), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(form->Text1->text(), QString::fromUtf8(bandFrequencies[band][range]));
        QCOMPARE(form->Label3->text(), QString());
        QCOMPARE(form->Label5->text(), QString());
        // The range buttons then move the frequency within the band just chosen.
        for (int other : {(range + 1) % 3, (range + 2) % 3}) {
            form->Label3->setText(QStringLiteral("x"));
            QTest::mouseClick(form->option1(other), Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(form->Text1->text(), QString::fromUtf8(bandFrequencies[band][other]));
            QCOMPARE(form->Label3->text(), QString());
        }
    }

    void wholeInsulationList()
    {
        const QStringList expected{
            QStringLiteral("        "),           QStringLiteral("1,0   Vakuum"),      QStringLiteral("1,00059 Luft"),
            QStringLiteral("2,0   Papier"),       QStringLiteral("2,2   PTFE GY"),     QStringLiteral("2,3   Polyethylen PE"),
            QStringLiteral("2,35 Öl"),            QStringLiteral("2,48 PTFE GX"),      QStringLiteral("2,6   Polystyrol"),
            QStringLiteral("2,7   Gummi"),        QStringLiteral("2,8   Silikon SIR"), QStringLiteral("3,2   Holz"),
            QStringLiteral("3,5   Plexiglas"),    QStringLiteral("3,7   Polyamid PA"), QStringLiteral("4,0   PVC"),
            QStringLiteral("4,5   Epoxyd FR4"),   QStringLiteral("4,5   Cevausit"),    QStringLiteral("5,0   Pertinax"),
            QStringLiteral("5,0   Igelit"),       QStringLiteral("5,0   Vinidur"),     QStringLiteral("5,5   Porzellan"),
            QStringLiteral("6,0   Glas"),         QStringLiteral("6,15 PTFE 3006"),    QStringLiteral("6,5   Calit"),
            QStringLiteral("7,0   Glimmer"),
        };
        QStringList shown;
        for (int i = 0; i < form->Combo1->count(); ++i)
            shown << form->Combo1->itemText(i);
        QCOMPARE(shown, expected);
    }

    // Air is bare wire whether it is chosen from the list or typed; anything above it is not.
    void airKeepsTheWireBare_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("insulated");
        QTest::newRow("air chosen from the list") << false << "1,00059 Luft" << false;
        QTest::newRow("air typed") << true << "1,00059" << false;
        QTest::newRow("just above air typed") << true << "1,0006" << true;
        QTest::newRow("vacuum typed") << true << "1" << false;
    }
    void airKeepsTheWireBare()
    {
        QFETCH(bool, typed);
        QFETCH(QString, text);
        QFETCH(bool, insulated);
        choose(5);
        QVERIFY(diametersEnabled());
        if (typed) {
            QLineEdit* edit = form->Combo1->lineEdit();
            edit->clear();
            QTest::keyClicks(edit, text);
        } else {
            choose(form->Combo1->findText(text));
        }
        QCOMPARE(form->Combo1->currentText(), text);
        QCOMPARE(diametersEnabled(), insulated);
        form->Command1->click();
        QVERIFY(fake->messages.isEmpty());
        const QString report = reportText();
        QVERIFY(!report.isEmpty());
        QCOMPARE(report.contains(QStringLiteral("Zusatzverkürzung durch Drahtisolierung")), insulated);
        QCOMPARE(*form->zusatzVerkuerzung > 0, insulated);
    }

    // The spinner stops at 0 (factor 1,00) and 1000 (factor 0,00); a click beyond does nothing.
    void spinnerEnds_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("down to 0,00") << "0,001" << 999 << int(QAbstractSlider::SliderSingleStepAdd) << 1000 << "0,00";
        QTest::newRow("up to 1,00") << "0,999" << 1 << int(QAbstractSlider::SliderSingleStepSub) << 0 << "1,00";
    }
    void spinnerEnds()
    {
        QFETCH(QString, typed);
        QFETCH(int, start);
        QFETCH(int, action);
        QFETCH(int, position);
        QFETCH(QString, text);
        focus(form->Text4);
        form->Text4->setText(typed);
        focus(form->Text1);
        QCOMPARE(form->VkSteller->value(), start);
        click(QAbstractSlider::SliderAction(action));
        QCOMPARE(form->VkSteller->value(), position);
        QCOMPARE(form->Text4->text(), text);
        click(QAbstractSlider::SliderAction(action));
        QCOMPARE(form->VkSteller->value(), position);
        QCOMPARE(form->Text4->text(), text);
        QCOMPARE(text4Colour(), position == 1000 ? red : black);
    }

    // A factor of 0 puts the spinner at its bottom, 1 leaves it at the top.
    void spinnerFocusAtTheEnds_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << "0" << 1000 << "0,00";
        QTest::newRow("1") << "1" << 0 << "1,00";
        QTest::newRow("0,9375 rounds to the even 62") << "0,9375" << 62 << "0,938";
        QTest::newRow("0,6875 rounds to the even 312") << "0,6875" << 312 << "0,688";
        QTest::newRow("1,5 is beyond the spinner") << "1,5" << 7 << "1,5";
        QTest::newRow("-0,5 is beyond the spinner") << "-0,5" << 7 << "-0,5";
    }
    void spinnerFocusAtTheEnds()
    {
        QFETCH(QString, typed);
        QFETCH(int, position);
        QFETCH(QString, text);
        form->VkSteller->setValue(7);
        form->Text4->setText(typed);
        focus(form->VkSteller);
        QCOMPARE(form->VkSteller->value(), position);
        QCOMPARE(form->Text4->text(), text);
    }

    // Leaving the field rounds the position halves to even, and the spinner then writes the text.
    void leavingRoundsHalvesToEven_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("62,5 gives 62") << "0,9375" << 62 << "0,938";
        QTest::newRow("312,5 gives 312") << "0,6875" << 312 << "0,688";
        QTest::newRow("187,5 gives 188") << "0,8125" << 188 << "0,812";
        QTest::newRow("just below 1") << "0,9999" << 0 << "1,00";
    }
    void leavingRoundsHalvesToEven()
    {
        QFETCH(QString, typed);
        QFETCH(int, position);
        QFETCH(QString, text);
        form->VkSteller->setValue(500);
        focus(form->Text4);
        form->Text4->setText(typed);
        focus(form->Text1);
        QCOMPARE(form->VkSteller->value(), position);
        QCOMPARE(form->Text4->text(), text);
    }

    // A click after typing steps from the position the text stands for, rounded halves to even.
    void clickAfterTypingRoundsHalvesToEven_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("62,5 is 62, one down") << "0,9375" << int(QAbstractSlider::SliderSingleStepAdd) << 63 << "0,937";
        QTest::newRow("62,5 is 62, one up") << "0,9375" << int(QAbstractSlider::SliderSingleStepSub) << 61 << "0,939";
        QTest::newRow("312,5 is 312, one down") << "0,6875" << int(QAbstractSlider::SliderSingleStepAdd) << 313 << "0,687";
        // A click beyond the end of the scale stops there.
        QTest::newRow("0 typed, one down") << "0" << int(QAbstractSlider::SliderSingleStepAdd) << 1000 << "0,00";
        QTest::newRow("1 typed, one up") << "1" << int(QAbstractSlider::SliderSingleStepSub) << 0 << "1,00";
        QTest::newRow("0,0005 typed, one down") << "0,0005" << int(QAbstractSlider::SliderSingleStepAdd) << 1000 << "0,00";
    }
    void clickAfterTypingRoundsHalvesToEven()
    {
        QFETCH(QString, typed);
        QFETCH(int, action);
        QFETCH(int, position);
        QFETCH(QString, text);
        form->VkSteller->setValue(500);
        form->Text4->setText(typed);
        click(QAbstractSlider::SliderAction(action));
        QCOMPARE(form->VkSteller->value(), position);
        QCOMPARE(form->Text4->text(), text);
    }

    // Activation puts the spinner at 1000 - nearest(factor x 1000), halves to even.
    void activationRoundsHalvesToEven_data()
    {
        QTest::addColumn<QString>("handedOver");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::newRow("62,5 gives 62") << "0,0625" << 938 << "0,062";
        QTest::newRow("312,5 gives 312") << "0,3125" << 688 << "0,312";
        QTest::newRow("factor 0") << "0" << 1000 << "0,00";
        QTest::newRow("factor 1") << "1" << 0 << "1,00";
    }
    void activationRoundsHalvesToEven()
    {
        QFETCH(QString, handedOver);
        QFETCH(int, position);
        QFETCH(QString, text);
        form->VkSteller->setValue(500);
        form->Text4->setText(handedOver);
        form->childActivated();
        QCOMPARE(form->VkSteller->value(), position);
        QCOMPARE(form->Text4->text(), text);
    }

    // Light red below 0,80, black from 0,80 on.
    void velocityFactorColour_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isRed");
        QTest::newRow("0,80") << "0,80" << false;
        QTest::newRow("0,8") << "0,8" << false;
        QTest::newRow("0.8 with a point") << "0.8" << false;
        QTest::newRow("0,7999") << "0,7999" << true;
        QTest::newRow("0,8001") << "0,8001" << false;
        QTest::newRow("1,00") << "1,00" << false;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("negative") << "-0,9" << true;
        QTest::newRow("beyond single") << "1e39" << true;
    }
    void velocityFactorColour()
    {
        QFETCH(QString, text);
        QFETCH(bool, isRed);
        form->Text4->setText(QStringLiteral("0,5"));
        QCOMPARE(text4Colour(), red);
        form->Text4->setText(QStringLiteral("0,9"));
        QCOMPARE(text4Colour(), black);
        form->Text4->setText(text);
        QCOMPARE(text4Colour(), isRed ? red : black);
    }

    // The " Fehler " box waits for an answer: the busy cursor is off while it is shown, on
    // again while the calculation goes on, and off at the end.
    void noBusyCursorWhileTheErrorBoxIsShown_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::newRow("abort") << QList<int>{int(ui::Answer::Abort)};
        QTest::newRow("retry, then abort") << QList<int>{int(ui::Answer::Retry), int(ui::Answer::Abort)};
        QTest::newRow("ignore") << QList<int>{int(ui::Answer::Ignore)};
    }
    void noBusyCursorWhileTheErrorBoxIsShown()
    {
        QFETCH(QList<int>, answers);
        for (int a : answers)
            fake->answers.push_back(ui::Answer(a));
        // Velocity factor 0 with insulated wire divides by zero.
        choose(5);
        form->Text6->setText(QStringLiteral("2"));
        form->Text7->setText(QStringLiteral("1,5"));
        form->Text4->setText(QStringLiteral("0"));
        form->Command1->click();
        QCOMPARE(fake->messages.size(), answers.size());
        for (const ShownMessage& m : fake->messages) {
            QCOMPARE(m.title, QStringLiteral(" Fehler "));
            QVERIFY(!m.busy);
        }
        QVERIFY(!fake->busy);
        // On for the calculation, off for each box, on again after Retry or Ignore, off at the end.
        const int resumed = int(answers.size()) - (answers.last() == int(ui::Answer::Abort) ? 1 : 0);
        QVERIFY(fake->busyChanges >= 2 + 2 * resumed);
        // A skipped step may leave measures at 0: there is no plan to draw.
        QVERIFY(!form->bauplan());
    }

    // A factor just beyond either end of the scale leaves spinner and text alone on activation.
    void activationJustBeyondTheEnds_data()
    {
        QTest::addColumn<QString>("handedOver");
        QTest::newRow("1,001") << "1,001";
        QTest::newRow("-0,001") << "-0,001";
    }
    void activationJustBeyondTheEnds()
    {
        QFETCH(QString, handedOver);
        form->VkSteller->setValue(500);
        form->Text4->setText(handedOver);
        form->childActivated();
        QCOMPARE(form->VkSteller->value(), 500);
        QCOMPARE(form->Text4->text(), handedOver);
    }

    // A permittivity too large for single precision is no air: the diameters are asked for.
    void typedPermittivityBeyondSingle()
    {
        QLineEdit* edit = form->Combo1->lineEdit();
        edit->clear();
        QTest::keyClicks(edit, QString(40, u'9'));
        QCOMPARE(edit->text(), QString(40, u'9'));
        QVERIFY(diametersEnabled());
    }

    // Enter on the enabled report button shows the report instead of calculating again.
    void enterOnTheReportButtonShowsTheReport()
    {
        QStringList shown;
        form->dateiAnzeigen = [&shown](const QString& name) { shown << name; };
        form->Command1->click();
        QVERIFY(form->Command2->isEnabled());
        QFile::remove(QStringLiteral("Zentavik.txt"));
        form->Command2->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(form->Command2, Qt::Key_Return);
        QCOMPARE(shown, QStringList{QStringLiteral("Zentavik.txt")});
        QVERIFY(!QFile::exists(QStringLiteral("Zentavik.txt")));  // not calculated again
    }

    // A calculation that stops early in the band already selected leaves the typed frequency
    // and the last results as they were.
    void earlyEndInTheSameBandKeepsTheInputs()
    {
        form->Text1->setText(QStringLiteral("14,2"));
        form->Text4->setText(QStringLiteral("0,95"));
        form->Command1->click();
        QCOMPARE(form->Label3->text(), QStringLiteral("14,495"));
        QVERIFY(form->option2(4)->isChecked());
        choose(5);
        form->Text6->setText(QStringLiteral("2"));
        form->Text7->setText(QStringLiteral("0,005"));
        form->Command1->click();
        QCOMPARE(form->Info->text(), QStringLiteral("Hinweis: Durchmesser zu gering!"));
        QCOMPARE(form->Text1->text(), QStringLiteral("14,2"));
        QCOMPARE(form->Label3->text(), QStringLiteral("14,495"));
        QCOMPARE(form->Label5->text(), QStringLiteral("13,911"));
    }
};

QTEST_MAIN(TestHauptformLimits)
#include "test_hauptformlimits.moc"

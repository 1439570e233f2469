// The font dialog: it shows what it is given, returns it unchanged on OK, and says which
// installed font stands in for an alias.
#include "platform/fontdialog.h"
#include "platform/germantexts.h"
#include "tests/support/germanlocale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestFontDialog : public QObject {
    Q_OBJECT
    std::unique_ptr<QTranslator> german;

private slots:
    void initTestCase()
    {
        useGermanLocale();
        german = installGermanQtTexts();
    }

    void okWithoutChangeReturnsThePreset_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("mixed");  // which style attribute has no value: 0..3, -1 none
        QTest::newRow("alias with size and colour") << "Courier New" << 11.0 << -1;
        QTest::newRow("size between the steps") << "Arial" << 10.25 << -1;
        QTest::newRow("mixed family and size") << "" << 0.0 << -1;
        QTest::newRow("partly bold") << "Courier New" << 10.0 << 0;
        QTest::newRow("partly underlined") << "Courier New" << 10.0 << 3;
    }
    void okWithoutChangeReturnsThePreset()
    {
        QFETCH(QString, family);
        QFETCH(double, size);
        QFETCH(int, mixed);
        ui::FontChoice preset{family, size, true, true, false, false, QColor(200, 0, 0)};
        std::optional<bool>* styles[] = {&preset.bold, &preset.italic, &preset.strikeOut, &preset.underline};
        if (mixed >= 0)
            *styles[mixed] = std::nullopt;
        FontDialog dialog(preset);
        QCOMPARE(dialog.family->currentText(), family);
        QCOMPARE(dialog.choice(), preset);
        if (mixed >= 0) {
            QCheckBox* boxes[] = {dialog.bold, dialog.italic, dialog.strikeOut, dialog.underline};
            QCOMPARE(boxes[mixed]->checkState(), Qt::PartiallyChecked);
            // A click gives the attribute a value for the whole selection.
            boxes[mixed]->click();
            QVERIFY(dialog.choice() != preset);
            QVERIFY(boxes[mixed]->checkState() != Qt::PartiallyChecked);
        }
    }

    void changesAreReturned()
    {
        FontDialog dialog(ui::FontChoice{QStringLiteral("Courier New"), 10, false, false, false, false, QColor(Qt::black)});
        dialog.bold->click();
        dialog.size->setValue(14);
        dialog.setColour(QColor(0, 0, 255));
        const ui::FontChoice c = dialog.choice();
        QCOMPARE(c.bold, std::optional<bool>(true));
        QCOMPARE(c.pointSize, 14.0);
        QCOMPARE(c.colour, std::optional<QColor>(QColor(0, 0, 255)));
        QCOMPARE(c.family, QStringLiteral("Courier New"));
    }

    void aliasShowsTheFontThatStandsInForIt()
    {
        FontDialog dialog(ui::FontChoice{QStringLiteral("Courier New"), 10, false, false, false, false, QColor(Qt::black)});
        const QString real = QFontInfo(QFont(QStringLiteral("Courier New"))).family();
        if (real == QStringLiteral("Courier New"))
            QVERIFY(dialog.resolved->text().isEmpty());
        else
            QCOMPARE(dialog.resolved->text(), QStringLiteral("dargestellt als ") + real);
        QCOMPARE(QFontInfo(dialog.sample->font()).family(), real);
    }

    void germanButtons()
    {
        FontDialog dialog(ui::FontChoice{});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Schrift"));
        auto* box = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(box);
        QCOMPARE(box->button(QDialogButtonBox::Ok)->text().remove(u'&'), QStringLiteral("OK"));
        QCOMPARE(box->button(QDialogButtonBox::Cancel)->text().remove(u'&'), QStringLiteral("Abbrechen"));
    }
};

QTEST_MAIN(TestFontDialog)
#include "test_fontdialog.moc"

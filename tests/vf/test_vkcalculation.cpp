#include "tests/support/germanlocale.h"
#include "vf/vkcalculation.h"

#include <QtTest>

namespace {
const QString komma = QStringLiteral(",");

VkRechnung rechne(const QString& f, const QString& h, const QString& d, bool corr = false)
{
    return VkBerechnen({f, h, d, corr, 0}, komma);
}
} // namespace

// The calculation's limits where they lie: a value exactly on a limit is still inside.
class TestVkCalculation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useGermanLocale(); }

    void rangeLimitsColourResults_data()
    {
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("d");
        QTest::addColumn<bool>("corr");
        QTest::addColumn<QString>("slenderness");
        QTest::addColumn<bool>("slendernessRed");
        QTest::addColumn<QString>("ground");
        QTest::addColumn<bool>("groundRed");
        // These diameters give a slenderness shortening of exactly 2 and 9 in single precision.
        QTest::newRow("slenderness exactly 2") << "1,8" << "10" << "0,208533" << false << "2,0" << false << "1,1" << true;
        QTest::newRow("slenderness exactly 9") << "1,8" << "10" << "8130,99" << false << "9,0" << false << "1,1" << true;
        QTest::newRow("slenderness just below 2") << "1,8" << "10" << "0,2" << false << "2,0" << true << "1,1" << true;
        QTest::newRow("ground just above 10") << "14,2" << "0,4" << "2" << true << "2,9" << false << "10,3" << true;
        QTest::newRow("ground within range") << "14,2" << "10" << "2" << false << "2,9" << false << "3,1" << false;
    }
    void rangeLimitsColourResults()
    {
        QFETCH(QString, f);
        QFETCH(QString, h);
        QFETCH(QString, d);
        QFETCH(bool, corr);
        const VkRechnung r = rechne(f, h, d, corr);
        QVERIFY(r.abgeschlossen());
        QVERIFY(!r.durchmesserText);
        QTEST(r.schlankheit, "slenderness");
        QTEST(r.schlankheitRot, "slendernessRed");
        QTEST(r.erdboden, "ground");
        QTEST(r.erdbodenRot, "groundRed");
    }

    void diameterLimits_data()
    {
        QTest::addColumn<QString>("f");
        QTest::addColumn<QString>("h");
        QTest::addColumn<QString>("d");
        QTest::addColumn<QString>("corrected");  // "-": kept as typed
        QTest::newRow("exactly twice the height") << "14,2" << "0,5" << "1000" << "-";
        QTest::newRow("just above twice the height") << "14,2" << "0,5" << "1000,5" << "1000,0";
        QTest::newRow("exactly half the wavelength") << "300" << "10" << "500" << "-";
        QTest::newRow("just above half the wavelength") << "300" << "10" << "500,5" << "500,0";
        QTest::newRow("exactly 0,1 mm") << "14,2" << "10" << "0,1" << "-";
        QTest::newRow("just below 0,1 mm") << "14,2" << "10" << "0,099" << "0,1";
    }
    void diameterLimits()
    {
        QFETCH(QString, f);
        QFETCH(QString, h);
        QFETCH(QString, d);
        QFETCH(QString, corrected);
        const VkRechnung r = rechne(f, h, d);
        QCOMPARE(r.durchmesserText.value_or(QStringLiteral("-")), corrected);
        QCOMPARE(r.durchmesserRot, corrected != QLatin1String("-"));
        QCOMPARE(r.beep, r.durchmesserRot);
    }
};

QTEST_GUILESS_MAIN(TestVkCalculation)
#include "test_vkcalculation.moc"

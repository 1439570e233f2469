#include "common/failure.h"
#include "common/numberformat.h"
#include "tests/support/fakevkrechner.h"
#include "tests/support/germanlocale.h"
#include "vf/groundcorrection.h"

#include <QtTest>

namespace {
// The calculator as it stands after the beam form's start values: 3 m high, 3,57 mm wire.
FakeVkRechner calculator()
{
    FakeVkRechner c;
    c.hoehe = QStringLiteral("3");
    c.durchmesser = QStringLiteral("3,57");
    return c;
}
// Six significant digits, as the worked examples give them.
QString six(float v) { return QString::number(v, 'g', 7); }
} // namespace

class TestGroundCorrection : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useGermanLocale(); }

    void slenderness_data()
    {
        QTest::addColumn<float>("f");
        QTest::addColumn<float>("d");
        QTest::addColumn<float>("expected");
        // r = 1000, 10000, 100000 with f = 300 MHz (lambda 1 m)
        QTest::newRow("r 1000") << 300.0f << 1.0f << 3.935f;
        QTest::newRow("r 10000") << 300.0f << 0.1f << 2.951f;
        QTest::newRow("r 100000") << 300.0f << 0.01f << 2.361f;
        QTest::newRow("14.2 MHz, 2 mm") << 14.2f << 2.0f << 2.933878f;
        QTest::newRow("50.2 MHz, 3.57 mm") << 50.2f << 3.57f << 3.661993f;
    }
    void slenderness()
    {
        QFETCH(float, f);
        QFETCH(float, d);
        QFETCH(float, expected);
        QVERIFY2(std::fabs(SchlankheitsVerkuerzung(f, d) - expected) < 0.0006f, qPrintable(six(SchlankheitsVerkuerzung(f, d))));
    }

    void slendernessFailsOnZero_data()
    {
        QTest::addColumn<float>("f");
        QTest::addColumn<float>("d");
        QTest::addColumn<int>("number");
        QTest::newRow("frequency 0") << 0.0f << 2.0f << 11;
        QTest::newRow("diameter 0") << 14.2f << 0.0f << 11;
        QTest::newRow("negative slenderness") << -14.2f << 2.0f << 5;
    }
    void slendernessFailsOnZero()
    {
        QFETCH(float, f);
        QFETCH(float, d);
        QFETCH(int, number);
        try {
            SchlankheitsVerkuerzung(f, d);
            QFAIL("no failure");
        } catch (const Failure& failure) {
            QCOMPARE(failure.number, number);
        }
    }

    void ground_data()
    {
        QTest::addColumn<float>("f");
        QTest::addColumn<float>("h");
        QTest::addColumn<bool>("corr");
        QTest::addColumn<QString>("expected");
        QTest::newRow("6 m, 3 m") << 50.2f << 3.0f << false << "2.750873";
        QTest::newRow("6 m, 3 m, corrected") << 50.2f << 3.0f << true << "2.743959";
        QTest::newRow("20 m, 0.5 m") << 14.2f << 0.5f << false << "0.194435";
        QTest::newRow("20 m, 1 m") << 14.2f << 1.0f << false << "0.687049";
        QTest::newRow("20 m, 2 m") << 14.2f << 2.0f << false << "2.456233";
        QTest::newRow("20 m, 5 m") << 14.2f << 5.0f << false << "8.185209";
        QTest::newRow("20 m, 20 m") << 14.2f << 20.0f << false << "3.683672";
        QTest::newRow("20 m, 40 m") << 14.2f << 40.0f << false << "4.320096";
        QTest::newRow("20 m, 0.5 m, corrected") << 14.2f << 0.5f << true << "8.657664";
        QTest::newRow("20 m, 1 m, corrected") << 14.2f << 1.0f << true << "2.669268";
        QTest::newRow("above 10 % grows with the logarithm") << 14.2f << 0.2f << true << "11.68447";
        QTest::newRow("just above 10 %, on the logarithm too") << 14.2f << 0.46f << true << "10.01984";
        QTest::newRow("height 0") << 14.2f << 0.0f << false << "0";
        QTest::newRow("negative height") << 14.2f << -3.0f << false << "0";
        QTest::newRow("frequency 0") << 0.0f << 3.0f << false << "0";
        QTest::newRow("tiny height overflows single and survives") << 14.2f << 1e-25f << true << "0";
        QTest::newRow("smallest height") << 14.2f << 1e-45f << true << "0";
    }
    void ground()
    {
        QFETCH(float, f);
        QFETCH(float, h);
        QFETCH(bool, corr);
        QFETCH(QString, expected);
        const float g = ErdbodenVerkuerzung(f, h, corr);
        QVERIFY(std::isfinite(g));
        QVERIFY2(std::fabs(g - expected.toFloat()) < 2e-6f * std::max(1.0f, g), qPrintable(six(g)));
    }

    // Near height 0 the formula's terms cancel down to rounding noise of either sign: the
    // shortening is its size, never negative.
    void groundShorteningNeverNegative()
    {
        for (float h = 1e-9f; h < 1e-5f; h *= 1.5f)
            for (bool corr : {false, true})
                QVERIFY2(ErdbodenVerkuerzung(14.2f, h, corr) >= 0, qPrintable(six(h)));
    }

    void correctionWithoutCalculatorKeepsPercent()
    {
        QCOMPARE(ErdbodenKorrektur(14.2f, 0, 5.4f, nullptr), 5.4f);
        FakeVkRechner loaded = calculator();
        loaded.tagText = QStringLiteral("-");
        QCOMPARE(ErdbodenKorrektur(14.2f, 0, 5.4f, &loaded), 5.4f);
    }

    void correctionWhileActive_data()
    {
        QTest::addColumn<float>("f");
        QTest::addColumn<float>("d");
        QTest::addColumn<QString>("height");
        QTest::addColumn<float>("expected");
        QTest::newRow("6 m, calculator's diameter") << 50.2f << 0.0f << "3" << 4.977571f;
        QTest::newRow("6 m, own diameter") << 50.2f << 3.57f << "3" << 4.977571f;
        QTest::newRow("20 m at 10 m") << 14.2f << 2.0f << "10" << 5.536217f;
    }
    void correctionWhileActive()
    {
        QFETCH(float, f);
        QFETCH(float, d);
        QFETCH(QString, height);
        QFETCH(float, expected);
        FakeVkRechner calc = calculator();
        calc.hoehe = height;
        for (float p : {0.0f, 5.4f, -100.0f}) {
            const float r = ErdbodenKorrektur(f, d, p, &calc);
            QVERIFY2(std::fabs(r - expected) < 2e-6f, qPrintable(six(r)));
        }
        // 1 - 4.977571 % is the calculator's own velocity factor 0,950224.
    }

    void emptyCalculatorDiameterDividesByZero()
    {
        FakeVkRechner calc = calculator();
        calc.durchmesser.clear();
        try {
            ErdbodenKorrektur(14.2f, 0, 5, &calc);
            QFAIL("no failure");
        } catch (const Failure& failure) {
            QCOMPARE(failure.number, 11);
        }
    }
};

QTEST_GUILESS_MAIN(TestGroundCorrection)
#include "test_groundcorrection.moc"

#include "common/failure.h"
#include "common/numbertext.h"
#include "platform/tastenfilter.h"
#include "tests/support/fakeui.h"
#include "tests/support/germanlocale.h"

#include <QRandomGenerator>
#include <QtTest>

class TestNumberText : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useGermanLocale(); }

    void readsNumberTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("expected");
        QTest::newRow("comma") << "50,2" << 50.2f;
        QTest::newRow("point") << "50.2" << 50.2f;
        QTest::newRow("velocity factor") << "0,946" << 0.946f;
        QTest::newRow("air entry") << "1,00059 Luft" << 1.00059f;
        QTest::newRow("polyethylene entry") << "2,3   Polyethylen PE" << 2.3f;
        QTest::newRow("E of a name ends the number") << "4,5   Epoxyd FR4" << 4.5f;
        QTest::newRow("empty") << "" << 0.0f;
        QTest::newRow("andere") << "andere" << 0.0f;
        QTest::newRow("second comma ends") << "1,2,3" << 1.2f;
        QTest::newRow("point then comma") << "1.234,5" << 1.234f;
        QTest::newRow("blanks inside") << " 1 5" << 15.0f;
        QTest::newRow("negative") << "-3,5" << -3.5f;
        QTest::newRow("exponent") << "2e2" << 200.0f;
        QTest::newRow("exponent D with sign") << "1,5D-1" << 0.15f;
        QTest::newRow("E without digit") << "2e" << 2.0f;
        QTest::newRow("E sign without digit") << "2e+" << 2.0f;
        QTest::newRow("tab and line feed skipped") << "\t1\n4" << 14.0f;
        QTest::newRow("plus sign") << "+7" << 7.0f;
        QTest::newRow("lone point") << "." << 0.0f;
        QTest::newRow("lone minus") << "-" << 0.0f;
        QTest::newRow("leading point") << ",5" << 0.5f;
        QTest::newRow("too small for single") << "1e-60" << 0.0f;
        QTest::newRow("largest single") << "3,4028234e38" << 3.4028234e38f;
        QTest::newRow("letters first") << "abc12" << 0.0f;
        QTest::newRow("carriage return ends") << "1\r2" << 1.0f;
    }
    void readsNumberTexts()
    {
        QFETCH(QString, text);
        QFETCH(float, expected);
        const float value = ZahlAusText(text);
        // The result must be the exact single-precision value, not merely close to it.
        QVERIFY2(value == expected, qPrintable(QString::number(value, 'g', 9)));
    }

    void tenthIsTheNearestSingle() { QVERIFY(ZahlAusText(QStringLiteral("0,1")) == 0.1f); }

    void numbersBeyondSingleOverflow_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("1e39") << "1e39";
        QTest::newRow("negative 1e39") << "-1e39";
        QTest::newRow("beyond double") << "1e400";
        QTest::newRow("forty digits") << "1234567890123456789012345678901234567890";
        QTest::newRow("huge exponent") << "1e99999999999999999999";
    }
    void numbersBeyondSingleOverflow()
    {
        QFETCH(QString, text);
        try {
            ZahlAusText(text);
            QFAIL("no failure");
        } catch (const Failure& failure) {
            QCOMPARE(failure.number, 6);
        }
    }

    void keyFilter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("passes");
        for (char c : QByteArray("0123456789,."))
            QTest::newRow(QByteArray(1, c).constData()) << int(c) << true;
        QTest::newRow("backspace") << 8 << true;
        QTest::newRow("letter") << int('a') << false;
        QTest::newRow("capital E") << int('E') << false;
        QTest::newRow("blank") << int(' ') << false;
        QTest::newRow("minus") << int('-') << false;
        QTest::newRow("umlaut") << 0xE4 << false;
        QTest::newRow("no key") << 0 << false;
    }
    void keyFilter()
    {
        QFETCH(int, key);
        QFETCH(bool, passes);
        FakeUi fake;
        QCOMPARE(TasteErlaubt(key, ZifferZeichen), passes);
        QCOMPARE(fake.beeps, 0);
        QCOMPARE(TastenFilter(key, ZifferZeichen), passes ? key : 0);
        QCOMPARE(fake.beeps, passes ? 0 : 1);
        QCOMPARE(fake.eventRounds, passes ? 0 : 1);
    }

    // Whatever is pasted into a field, reading it gives a finite number or the overflow failure.
    void arbitraryTextsNeverCrash()
    {
        QRandomGenerator random(20261207);
        const QString alphabet = QStringLiteral("0123456789,.+-eEdD \t\nxä€\u0000");
        for (int round = 0; round < 20000; ++round) {
            QString text;
            const int length = random.bounded(40);
            for (int i = 0; i < length; ++i)
                text += random.bounded(8) == 0 ? QChar(char16_t(random.bounded(0x10000)))
                                               : alphabet[random.bounded(alphabet.size())];
            try {
                QVERIFY(std::isfinite(ZahlAusText(text)));
            } catch (const Failure& failure) {
                QCOMPARE(failure.number, 6);
            }
        }
    }

    // Below the smallest single value a number reads as 0 with its sign, never as an overflow.
    void numbersBelowSingleReadAsZero_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("negative");
        QTest::newRow("1e-46") << "1e-46" << false;
        QTest::newRow("-1e-46") << "-1e-46" << true;
        QTest::newRow("1e-50") << "1e-50" << false;
        QTest::newRow("fifty zeros after the comma") << QStringLiteral("0,") + QString(50, u'0') + u'1' << false;
    }
    void numbersBelowSingleReadAsZero()
    {
        QFETCH(QString, text);
        QFETCH(bool, negative);
        float value = 1;
        try {
            value = ZahlAusText(text);
        } catch (const Failure& failure) {
            QFAIL(qPrintable(failure.description));
        }
        QCOMPARE(value, 0.0f);
        QCOMPARE(std::signbit(value), negative);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "test_numbertext.moc"

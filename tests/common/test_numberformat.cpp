#include "common/cp1252.h"
#include "common/datetext.h"
#include "common/numberformat.h"
#include "tests/support/germanlocale.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cstring>

class TestNumberFormat : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useGermanLocale(); }

    void patterns_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("three decimals at most") << 2.469718f << "###0.0##" << "2,47";
        QTest::newRow("at least one decimal") << 14.0f << "###0.0##" << "14,0";
        QTest::newRow("leading zero kept") << 0.887324f << "###0.0##" << "0,887";
        QTest::newRow("four decimals at most") << 0.95f << "0.0###" << "0,95";
        QTest::newRow("LgD") << 10.90493f << "###0.0##" << "10,905";
        QTest::newRow("LgR") << 11.3632f << "###0.0##" << "11,363";
        QTest::newRow("Vlg") << 3.485916f << "###0.0##" << "3,486";
        QTest::newRow("frequency") << 14.2f << "##0.0##" << "14,2";
        QTest::newRow("digits left never cut") << 12345.5f << "#0.0" << "12345,5";
        QTest::newRow("two decimals") << 0.9502f << "0.00##" << "0,9502";
        QTest::newRow("two decimals padded") << 1.0f << "0.00##" << "1,00";
        QTest::newRow("0.00# three") << 0.950224f << "0.00#" << "0,95";
        QTest::newRow("0.00# rounds") << 0.944638f << "0.00#" << "0,945";
        QTest::newRow("whole number") << 6.4f << "###0" << "6";
        QTest::newRow("half away from zero") << 0.125f << "0.00" << "0,13";
        QTest::newRow("shortest decimal first") << 2.675f << "0.00" << "2,68";
        QTest::newRow("carry into the whole part") << 9.99996f << "0.0###" << "10,0";
        QTest::newRow("negative") << -3.25f << "0.0" << "-3,3";
        QTest::newRow("negative rounding to zero has no sign") << -0.01f << "0.0" << "0,0";
        QTest::newRow("positive section") << 155.7f << "+ ##0.0;- ##0.0" << "+ 155,7";
        QTest::newRow("negative section") << -153.49f << "+ ##0.0;- ##0.0" << "- 153,5";
        QTest::newRow("zero section") << 0.0f << "+ ##0.0;- ##0.0" << "+ 0,0";
        QTest::newRow("material") << 2.35f << "#0.0#" << "2,35";
        QTest::newRow("huge") << 3.4e38f << "#0.0" << "340000000000000000000000000000000000000,0";
        QTest::newRow("tiny") << 1e-30f << "0.0###" << "0,0";
        QTest::newRow("width") << 6000.0f << "#####0.0" << "6000,0";
        QTest::newRow("point as separator") << 1.5f << "0.0" << "1,5";
    }
    void patterns()
    {
        QFETCH(float, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(formatSingle(value, pattern, QStringLiteral(",")), expected);
    }

    void otherDecimalSeparator() { QCOMPARE(formatSingle(10.905f, u"###0.0##", QStringLiteral(".")), QStringLiteral("10.905")); }

    void doublePatterns_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("boom plus half a centimetre") << double(7.056338f) + 0.005 << "###0.0#" << "7,06";
        QTest::newRow("width plus 10 cm") << double(5.387324f) + 0.1 << "##0.0#" << "5,49";
        QTest::newRow("air") << 1.00059 << "#0.0####" << "1,00059";
        QTest::newRow("vacuum") << 1.0 << "#0.0#" << "1,0";
        QTest::newRow("double half") << 0.125 << "0.00" << "0,13";
    }
    void doublePatterns()
    {
        QFETCH(double, value);
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(formatDouble(value, pattern, QStringLiteral(",")), expected);
    }

    void generalFormat_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("50.2") << 50.2f << "50,2";
        QTest::newRow("6") << 6.0f << "6";
        QTest::newRow("3.57") << 3.57f << "3,57";
        QTest::newRow("1.00059") << 1.00059f << "1,00059";
        QTest::newRow("0.1") << 0.1f << "0,1";
        QTest::newRow("1.8") << 1.8f << "1,8";
        QTest::newRow("7") << 7.0f << "7";
        QTest::newRow("seven digits") << 0.1f + 0.2f << "0,3";
        QTest::newRow("negative") << -2.5f << "-2,5";
        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("large") << 1e20f << "1E+20";
        QTest::newRow("small") << 1.5e-7f << "1,5E-07";
        QTest::newRow("million") << 1234567.0f << "1234567";
    }
    void generalFormat()
    {
        QFETCH(float, value);
        QFETCH(QString, expected);
        QCOMPARE(generalSingle(value, QStringLiteral(",")), expected);
    }

    void germanShortDateHasFourDigitYear()
    {
        QCOMPARE(kurzesDatum(QDate(2026, 3, 7)), QStringLiteral("07.03.2026"));
        QCOMPARE(allgemeinesDatum(QDateTime(QDate(2026, 12, 24), QTime(9, 5, 3))), QStringLiteral("24.12.2026 09:05:03"));
    }

    // Whatever single value reaches a pattern, the text is digits, separator and the literals.
    void arbitraryFloatsGiveNumbers()
    {
        QRandomGenerator random(7);
        const QStringList patterns{"###0.0##", "##0.0##", "###0.0#", "##0.0#", "0.0###", "0.00#", "##0.00#",
                                   "0.00##", "#0.0", "#####0.0", "#0.0#", "#0.0####", "###0", "0.00###",
                                   "##0.0###", "+ ##0.0;- ##0.0"};
        QRegularExpression number(QStringLiteral("^(\\+ |- |-)?[0-9]+(,[0-9]+)?$"));
        for (int round = 0; round < 20000; ++round) {
            quint32 bits = random.generate();
            float value;
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value))
                continue;
            const QString pattern = patterns[random.bounded(patterns.size())];
            const QString text = formatSingle(value, pattern, QStringLiteral(","));
            QVERIFY2(number.match(text).hasMatch(), qPrintable(pattern + " " + text));
            const QString general = generalSingle(value, QStringLiteral(","));
            QVERIFY2(!general.contains(QStringLiteral("n")) && !general.contains(QStringLiteral("i")), qPrintable(general));
        }
        QVERIFY(!formatSingle(std::numeric_limits<float>::infinity(), u"0.0", QStringLiteral(",")).contains(QStringLiteral("inf")));
        QVERIFY(!formatSingle(std::nanf(""), u"0.0", QStringLiteral(",")).contains(QStringLiteral("nan")));
    }

    // Where the general format switches to the exponent form, and that it never shows more
    // digits than the precision holds.
    void generalFormatAtTheExponentSwitch_data()
    {
        QTest::addColumn<bool>("single");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("largest without exponent") << true << 9999999.0 << "9999999";
        QTest::newRow("ten million") << true << 10000000.0 << "1E+07";
        QTest::newRow("rounds up into the exponent form") << true << 9999999.5 << "1E+07";
        QTest::newRow("eight digits cut to seven") << true << 12345678.0 << "1,234568E+07";
        QTest::newRow("single holds 123456792") << true << 123456789.0 << "1,234568E+08";
        QTest::newRow("2 to the 24 plus 1") << true << 16777217.0 << "1,677722E+07";
        QTest::newRow("negative ten million") << true << -10000000.0 << "-1E+07";
        QTest::newRow("seven digits with a fraction") << true << 1234567.9 << "1234568";
        QTest::newRow("no digits beyond the seventh") << true << 123456.78 << "123456,8";
        QTest::newRow("smallest without exponent") << true << 0.00001 << "0,00001";
        QTest::newRow("below it") << true << 0.000001 << "1E-06";
        QTest::newRow("double: fifteen nines") << false << 999999999999999.0 << "999999999999999";
        QTest::newRow("double: 1E+15") << false << 1e15 << "1E+15";
        QTest::newRow("double: sixteen digits cut") << false << 1234567890123456.0 << "1,23456789012346E+15";
        QTest::newRow("double: 0.1 as typed") << false << 0.1 << "0,1";
        QTest::newRow("double: single 0.1 shows its digits") << false << double(0.1f) << "0,100000001490116";
    }
    void generalFormatAtTheExponentSwitch()
    {
        QFETCH(bool, single);
        QFETCH(double, value);
        QFETCH(QString, expected);
        const QString text = single ? generalSingle(float(value), QStringLiteral(",")) : generalDouble(value, QStringLiteral(","));
        QCOMPARE(text, expected);
    }

    // Every byte the code page assigns reads and writes back unchanged; characters outside it
    // are written as '?'.
    void cp1252RoundTrip()
    {
        const QList<int> unassigned{0x81, 0x8D, 0x8F, 0x90, 0x9D};
        for (int b = 0; b < 256; ++b) {
            const QByteArray byte(1, char(b));
            const QString text = decodeCp1252(byte);
            QCOMPARE(text.size(), 1);
            QCOMPARE(encodeCp1252(text), unassigned.contains(b) ? QByteArray("?") : byte);
        }
        QCOMPARE(decodeCp1252("\x80\xa0\xaf\xe4"), QStringLiteral("€\u00a0¯ä"));
        QCOMPARE(encodeCp1252(QStringLiteral("Ω Länge ← €")), QByteArray("? L\xe4nge ? \x80"));
    }
};

QTEST_GUILESS_MAIN(TestNumberFormat)
#include "test_numberformat.moc"

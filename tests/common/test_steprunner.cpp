#include "common/checkedmath.h"
#include "common/steprunner.h"

#include <QtTest>

// Three steps; the middle one divides by a value the test controls.
class TestStepRunner : public QObject {
    Q_OBJECT
private slots:
    void answers_data()
    {
        QTest::addColumn<QList<int>>("answers");  // 0 abort, 1 retry, 2 ignore
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("trace");
        QTest::addColumn<int>("asked");
        QTest::newRow("abort ends the run") << QList<int>{0} << int(RunEnd::Aborted) << "a" << 1;
        QTest::newRow("ignore goes on with the next step") << QList<int>{2} << int(RunEnd::Completed) << "ac" << 1;
        QTest::newRow("retry runs the same step again") << QList<int>{1, 1, 0} << int(RunEnd::Aborted) << "a" << 3;
        QTest::newRow("retry after the cause is gone") << QList<int>{1} << int(RunEnd::Completed) << "abc" << 1;
    }
    void answers()
    {
        QFETCH(QList<int>, answers);
        QFETCH(int, end);
        QFETCH(QString, trace);
        QFETCH(int, asked);
        QString done;
        double divisor = 0;
        double result = 0;
        int questions = 0;
        const bool retryFixes = QTest::currentDataTag() == QByteArray("retry after the cause is gone");
        const std::vector<Step> steps{
            {"1", [&] { done += u'a'; return StepResult::Next; }},
            {"2", [&] { result = checked::div(1, divisor); done += u'b'; return StepResult::Next; }},
            {"3", [&] { done += u'c'; return StepResult::Next; }},
        };
        const RunEnd runEnd = runSteps(steps, [&](const Failure& failure, const Step& step) {
            [&] { QCOMPARE(failure.number, 11); QCOMPARE(QByteArray(step.number), QByteArray("2")); }();
            if (retryFixes)
                divisor = 4;
            return FailureAnswer(answers[questions++]);
        });
        QCOMPARE(int(runEnd), end);
        QCOMPARE(done, trace);
        QCOMPARE(questions, asked);
        // An ignored step leaves its value as it was.
        QCOMPARE(result, retryFixes ? 0.25 : 0.0);
    }

    void stepMayEndTheRun()
    {
        QString done;
        const std::vector<Step> steps{
            {"1", [&] { done += u'a'; return StepResult::EndRun; }},
            {"2", [&] { done += u'b'; return StepResult::Next; }},
        };
        QCOMPARE(runSteps(steps, [](const Failure&, const Step&) { return FailureAnswer::Abort; }), RunEnd::EndedEarly);
        QCOMPARE(done, QStringLiteral("a"));
    }

    void skippingRunsEveryStep()
    {
        double a = 1, b = 2;
        runSkippingFailures({[&] { a = checked::div(1, 0); }, [&] { b = checked::ln(-1); }, [&] { a = 5; }});
        QCOMPARE(a, 5.0);
        QCOMPARE(b, 2.0);
    }

    void checkedArithmetic_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("number");
        QTest::newRow("division by zero") << 0 << 11;
        QTest::newRow("logarithm of zero") << 1 << 5;
        QTest::newRow("root of a negative") << 2 << 5;
        QTest::newRow("single overflow") << 3 << 6;
        QTest::newRow("16-bit overflow") << 4 << 6;
        QTest::newRow("double overflow") << 5 << 6;
    }
    void checkedArithmetic()
    {
        QFETCH(int, which);
        QFETCH(int, number);
        try {
            switch (which) {
            case 0: checked::div(1, 0); break;
            case 1: checked::ln(0); break;
            case 2: checked::sqrt(-1); break;
            case 3: checked::single(1e39); break;
            case 4: checked::int16(32767.5); break;
            case 5: checked::finite(1e308 * 10); break;
            }
            QFAIL("no failure");
        } catch (const Failure& failure) {
            QCOMPARE(failure.number, number);
        }
    }

    void int16RoundsHalvesToEven()
    {
        QCOMPARE(checked::int16(2.5), int16_t(2));
        QCOMPARE(checked::int16(3.5), int16_t(4));
        QCOMPARE(checked::int16(-32768.4), int16_t(-32768));
        QCOMPARE(checked::int16(32766.5), int16_t(32766));
    }

    // Both ends of the 16-bit range are values, one beyond is an overflow.
    void int16Ends_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("overflows");
        QTest::newRow("32767") << 32767.0 << false;
        QTest::newRow("32767,4") << 32767.4 << false;
        QTest::newRow("32768") << 32768.0 << true;
        QTest::newRow("-32768") << -32768.0 << false;
        QTest::newRow("-32768,5 rounds to even") << -32768.5 << false;
        QTest::newRow("-32769") << -32769.0 << true;
    }
    void int16Ends()
    {
        QFETCH(double, value);
        QFETCH(bool, overflows);
        bool failed = false;
        try {
            QCOMPARE(double(checked::int16(value)), std::nearbyint(value));
        } catch (const Failure& failure) {
            failed = true;
            QCOMPARE(failure.number, int(failures::Overflow));
        }
        QCOMPARE(failed, overflows);
    }
};

QTEST_GUILESS_MAIN(TestStepRunner)
#include "test_steprunner.moc"

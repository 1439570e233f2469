// Speed of the calculation core: one whole beam calculation without the report file,
// and reading plus formatting of number texts.

#include "beam/beamcalculation.h"
#include "common/numberformat.h"
#include "common/numbertext.h"

#include <benchmark/benchmark.h>

namespace {

struct BenchForm : BeamFormPort {
    QString t1 = QStringLiteral("14,2"), t4 = QStringLiteral("0,95"), c1 = QStringLiteral("2,3   Polyethylen PE");
    QString infoText;
    QString text1() override { return t1; }
    QString text4() override { return t4; }
    QString combo1() override { return c1; }
    QString text6() override { return QStringLiteral("2"); }
    QString text7() override { return QStringLiteral("1,5"); }
    int selectedRange() override { return 1; }
    void setText1(const QString& t) override { t1 = t; }
    void setText4(const QString& t) override { t4 = t; }
    void setLabel3(const QString&) override {}
    void setLabel5(const QString&) override {}
    void setInfo(const QString& t) override { infoText = t; }
    void selectBand(int) override {}
    void focusCombo1() override {}
    void focusText7() override {}
    void enableCommand2() override {}
    void setStatus(const QString&) override {}
};

void wholeBeamCalculation(benchmark::State& state)
{
    Module1 module;
    BenchForm form;
    for (auto _ : state) {
        Berechnung calc(form, {module, nullptr, QStringLiteral(","), QDate(2026, 12, 7), QString(), {}});
        benchmark::DoNotOptimize(calc.run([](const Failure&, const Step&) { return FailureAnswer::Abort; }, false));
    }
}
BENCHMARK(wholeBeamCalculation);

void readAndFormatNumber(benchmark::State& state)
{
    const QString text = QStringLiteral("10,90493");
    const QString comma = QStringLiteral(",");
    for (auto _ : state) {
        const float v = ZahlAusText(text);
        benchmark::DoNotOptimize(formatSingle(v, u"###0.0##", comma));
    }
}
BENCHMARK(readAndFormatNumber);

} // namespace

BENCHMARK_MAIN();

// The viewer's speed: the report opened until shown, and 1 MB of RTF read and written.

#include "beam/report.h"
#include "common/cp1252.h"
#include "viewer/dateianzeigen.h"
#include "viewer/frmrtf.h"
#include "viewer/rtf/rtfreader.h"
#include "viewer/rtf/rtfwriter.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

struct NoFrame : FrameServices {
    void setStatus(const QString&) override {}
    QString status() const override { return {}; }
    bool closingForGood() const override { return true; }
};

struct Host : ViewerHost {
    NoFrame frame;
    std::unique_ptr<frmRTF> viewer;
    frmRTF* existingViewer() override { return viewer.get(); }
    frmRTF* createViewer() override
    {
        viewer = std::make_unique<frmRTF>(frame);
        viewer->Form_Load();
        return viewer.get();
    }
    void showViewer(frmRTF* v) override
    {
        v->show();
        v->childActivated();
        QCoreApplication::processEvents();
    }
};

QString writeReport(const QTemporaryDir& dir)
{
    ReportData data;
    data.range = 1;
    data.bandText = QStringLiteral("14");
    data.f = 14.2f;
    data.VF = 0.95f;
    data.out = {10.90493f, 11.3632f, 2.640845f, 5.28169f, 5.387324f, 5.28169f, 0.887324f, 7.056338f, 2.469718f,
                2.640845f, 14.49513f, 13.91088f, 3.485916f};
    data.date = QDate(2026, 12, 7);
    QString text;
    for (int n = 1; n <= reportLineCount; ++n)
        if (n != 9)
            text += reportLine(n, data) + QStringLiteral("\r\n");
    const QString path = dir.filePath(QStringLiteral("Zentavik.txt"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(encodeCp1252(text));
    return path;
}

// A new viewer each time: created, placed, loaded and shown.
void reportShownInNewViewer(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = writeReport(dir);
    for (auto _ : state) {
        Host host;
        DateiAnzeigen(path, host);
        benchmark::DoNotOptimize(host.viewer->isVisible());
        state.PauseTiming();
        host.viewer.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(reportShownInNewViewer)->Unit(benchmark::kMillisecond);

// The viewer exists: the report is loaded into it again and shown.
void reportShownAgain(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = writeReport(dir);
    Host host;
    DateiAnzeigen(path, host);
    for (auto _ : state) {
        DateiAnzeigen(path, host);
        benchmark::DoNotOptimize(host.viewer->isVisible());
    }
}
BENCHMARK(reportShownAgain)->Unit(benchmark::kMillisecond);

// About 1 MB of RTF with changing formats, as a formatted report of many pages would be.
QByteArray megabyteOfRtf()
{
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat plain, bold, colour;
    bold.setFontWeight(QFont::Bold);
    colour.setForeground(QColor(200, 0, 0));
    colour.setFontFamilies({QStringLiteral("Arial")});
    QByteArray rtf;
    int i = 0;
    while (true) {
        c.insertText(QStringLiteral("Länge LgD=10,905 m Breite Bv=5,282 m "), plain);
        c.insertText(QStringLiteral("fett "), bold);
        c.insertText(QStringLiteral("rot € Ω"), colour);
        c.insertBlock();
        if (++i % 1000 == 0) {
            rtf = writeRtf(doc);
            if (rtf.size() >= 1024 * 1024)
                return rtf;
        }
    }
}

void readMegabyteOfRtf(benchmark::State& state)
{
    const QByteArray rtf = megabyteOfRtf();
    for (auto _ : state) {
        QTextDocument doc;
        readRtf(rtf, doc);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * rtf.size());
}
BENCHMARK(readMegabyteOfRtf)->Unit(benchmark::kMillisecond);

void writeMegabyteOfRtf(benchmark::State& state)
{
    const QByteArray rtf = megabyteOfRtf();
    QTextDocument doc;
    readRtf(rtf, doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(writeRtf(doc).size());
    state.SetBytesProcessed(int64_t(state.iterations()) * rtf.size());
}
BENCHMARK(writeMegabyteOfRtf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

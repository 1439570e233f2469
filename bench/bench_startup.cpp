// Start-up time and peak memory of the program against a bare Qt window, measured in the
// same run: each is started as its own process, offscreen, until its main window is shown.
//   bench_startup            runs both ROUNDS times and prints the ratios
//   bench_startup frame|bare|text   one start (what the launcher runs)

#include "app/startup.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

int startOnce(const std::string& which, int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (which == "frame") {
        Program program = Main(app);
        std::_Exit(program.frame->isVisible() ? 0 : 1);
    }
    QMainWindow window;
    // The reference with text pays for the font set-up that any window with words needs.
    if (which == "text")
        window.menuBar()->addMenu(QStringLiteral("&Datei"));
    QCoreApplication::processEvents();
    window.show();
    QCoreApplication::processEvents();
    std::_Exit(window.isVisible() ? 0 : 1);
}

struct Measurement {
    double milliseconds;
    long peakKiB;
};

Measurement measure(const char* self, const char* which)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(self, self, which, static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s: Start fehlgeschlagen\n", which);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc > 1)
        return startOnce(argv[1], argc, argv);
    const int rounds = 15;
    std::vector<double> frameMs, bareMs, textMs, frameKiB, bareKiB;
    for (int i = 0; i < rounds; ++i) {
        // Alternating keeps all under the same machine load.
        const Measurement bare = measure(argv[0], "bare");
        const Measurement frame = measure(argv[0], "frame");
        textMs.push_back(measure(argv[0], "text").milliseconds);
        bareMs.push_back(bare.milliseconds);
        frameMs.push_back(frame.milliseconds);
        bareKiB.push_back(double(bare.peakKiB));
        frameKiB.push_back(double(frame.peakKiB));
    }
    const double tFrame = median(frameMs), tBare = median(bareMs);
    const double mFrame = median(frameKiB), mBare = median(bareKiB);
    std::printf("start until shown (median of %d): program %.1f ms, bare Qt window %.1f ms, ratio %.2f (goal <= 1.5)\n",
                rounds, tFrame, tBare, tFrame / tBare);
    std::printf("reference: bare Qt window with one menu (fonts set up) %.1f ms; program against it %.2f\n",
                median(textMs), tFrame / median(textMs));
    std::printf("peak memory: program %.1f MiB, bare Qt window %.1f MiB, difference %.1f MiB (goal <= 10)\n",
                mFrame / 1024, mBare / 1024, (mFrame - mBare) / 1024);
    return 0;
}

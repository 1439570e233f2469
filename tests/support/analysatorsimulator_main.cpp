// The simulated analyser as a program, for trying the pruning window by hand: prints the
// terminal's path to open as the port, then takes a new resonance in MHz per line on
// standard input (a cut). Optional first argument: the resonance in MHz (default 13,9).

#include "tests/support/analysatorsimulator.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    AnalysatorSimulator sim;
    sim.schneide((argc > 1 ? QString::fromLocal8Bit(argv[1]).replace(u',', u'.').toDouble() : 13.9) * 1e6);
    std::printf("%s\n", qPrintable(sim.pfad()));
    std::fflush(stdout);
    QSocketNotifier eingabe(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&eingabe, &QSocketNotifier::activated, [&] {
        char zeile[64] = {};
        const ssize_t n = ::read(STDIN_FILENO, zeile, sizeof zeile - 1);
        if (n <= 0) {
            eingabe.setEnabled(false);
            return;
        }
        const double mhz = QString::fromLocal8Bit(zeile, int(n)).trimmed().replace(u',', u'.').toDouble();
        if (mhz > 0) {
            sim.schneide(mhz * 1e6);
            std::printf("Resonanz jetzt %.4f MHz\n", mhz);
            std::fflush(stdout);
        }
    });
    return app.exec();
}

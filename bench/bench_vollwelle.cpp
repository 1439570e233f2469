// The full-wave insulation model's cost: engine runs per design, and the time of one design
// as a multiple of one engine run on the same dipole's deck. Goal: at most 12 runs.

#include "nec/vollwelle.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

struct Draht {
    const char* name;
    float mhz, aussen, leiter, er;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const Draht draehte[] = {
        {"PVC 2,8/1,6 mm, 14,2 MHz", 14.2f, 2.8f, 1.6f, 4.0f},
        {"PE 2/1,5 mm, 3,6 MHz", 3.6f, 2.0f, 1.5f, 2.3f},
        {"PE 6/3,57 mm, 50,2 MHz", 50.2f, 6.0f, 3.57f, 2.3f},
        {"Mantel 2 mm, er 3, 30 MHz", 30.0f, 6.0f, 2.0f, 3.0f},
    };
    constexpr int Wiederholungen = 5;
    NecProzess prozess;
    int schlechteste = 0;
    try {
        for (const Draht& d : draehte) {
            // One engine run on the bare dipole's deck of the same wire and frequency.
            const NecDipol dipol{d.mhz, 0.48 * 299.792458 / d.mhz, d.leiter / 2000.0,
                                 necSegmente(0.5 * 299.792458 / d.mhz, ersatzRadius(d.leiter / 2000.0, d.aussen / 2000.0, d.er),
                                             299.792458 / d.mhz),
                                 0};
            QElapsedTimer uhr;
            uhr.start();
            for (int i = 0; i < Wiederholungen; ++i)
                prozess.impedanz(dipol);
            const double einLauf = uhr.nsecsElapsed() / 1e6 / Wiederholungen;

            // Whole designs, each with an empty cache.
            int laeufe = 0;
            uhr.restart();
            for (int i = 0; i < Wiederholungen; ++i) {
                VollwellenModell modell(prozess);
                modell.verhaeltnis(d.mhz, d.aussen, d.leiter, d.er);
                laeufe = modell.laeufe();
            }
            const double entwurf = uhr.nsecsElapsed() / 1e6 / Wiederholungen;
            // The same design again: from the cache.
            VollwellenModell modell(prozess);
            modell.verhaeltnis(d.mhz, d.aussen, d.leiter, d.er);
            uhr.restart();
            modell.verhaeltnis(d.mhz, d.aussen, d.leiter, d.er);
            const double wieder = uhr.nsecsElapsed() / 1e6;
            std::printf("%-28s %2d Läufe je Entwurf, %7.1f ms je Entwurf = %5.2f × ein Lauf (%5.1f ms); wiederholt %.3f ms\n",
                        d.name, laeufe, entwurf, entwurf / einLauf, einLauf, wieder);
            schlechteste = std::max(schlechteste, laeufe);
        }
    } catch (const Failure& f) {
        std::fprintf(stderr, "%s\n", qPrintable(f.description));
        return 1;
    }
    std::printf("höchstens %d Läufe je Entwurf (Ziel: höchstens 12)\n", schlechteste);
    return schlechteste <= 12 ? 0 : 1;
}

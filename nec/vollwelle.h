#pragma once
// The full-wave insulation model: a wire of conductor radius a in a jacket of outer radius b
// and permittivity εr behaves like a bare wire of the equivalent radius a_e = b·(a/b)^(1/εr)
// carrying a series inductance L' = μ0/(2π)·(1 − 1/εr)·ln(b/a) per metre. The insulated / bare
// ratio R of the resonant lengths of a half-wave dipole in free space, each found by the NEC-2
// engine, gives the insulation shortening s = (1 − R) / 2.

#include "nec/necprozess.h"

#include <QMutex>

#include <map>
#include <tuple>

double ersatzRadius(double a, double b, double er);
double mantelInduktivitaet(double a, double b, double er);  // H/m

// The segment count for a dipole of the given length and radius within the thin-wire
// kernel's limits (segment at least 8 radii long, at most a twentieth of a wavelength);
// 0 when no odd count fits.
int necSegmente(double laenge, double radius, double wellenlaenge);

class VollwellenModell {
public:
    explicit VollwellenModell(NecRechner& rechner) : rechner(rechner) {}

    // R for the design frequency (MHz), the outer and conductor diameters (mm) and εr. A
    // jacket thinner than 1 µm or εr at or below air's gives 1 without asking the engine.
    // Throws a Failure with a German reason; a failed run leaves nothing in the cache.
    double verhaeltnis(float mhz, float aussenMM, float leiterMM, float er);
    double verkuerzung(float mhz, float aussenMM, float leiterMM, float er)
    {
        return (1 - verhaeltnis(mhz, aussenMM, leiterMM, er)) / 2;
    }
    // Engine runs asked for so far.
    int laeufe() const { return anzahl; }
    void vergiss();

private:
    double resonanzLaenge(NecDipol dipol, double start);
    double reaktanz(NecDipol dipol, double laenge);

    NecRechner& rechner;
    QMutex sperre;
    int anzahl = 0;
    std::map<std::tuple<float, float, float, float>, double> verhaeltnisse;
    std::map<std::tuple<float, float, int>, double> blankeLaengen;  // f, a, segments
};

// The program's model with the installed engine, its cache shared by every calculation.
VollwellenModell& vollwellenModell();

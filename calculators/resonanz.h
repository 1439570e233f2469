#pragma once
// The resonance of a measured antenna: where its reactance crosses zero nearest the SWR
// minimum, else the SWR minimum itself; the SWR and impedance there and the 2:1 bandwidth.

#include "calculators/touchstone.h"

#include <QString>

#include <complex>
#include <optional>

enum class ResonanzRegel {
    Nulldurchgang,  // the reactance changes sign between two points: interpolated linearly
    SwrMinimum,     // no sign change in the sweep: the point of the lowest SWR
};

struct Bandbreite {
    double unten = 0, oben = 0;  // Hz, where the SWR passes 2, interpolated linearly
    double breite() const { return oben - unten; }
};

struct Resonanz {
    ResonanzRegel regel = ResonanzRegel::SwrMinimum;
    double frequenz = 0;                // Hz
    double swr = 0;                     // at the resonance
    std::complex<double> impedanz;      // ohm, at the resonance
    double swrMinimum = 0;              // the lowest SWR of the sweep
    double swrMinimumFrequenz = 0;      // Hz, where it is
    std::optional<Bandbreite> bandbreite;  // when the sweep holds both edges of SWR 2
};

// The SWR below which the band counts as usable.
inline constexpr double BandbreitenSwr = 2;

// The sweep has at least one point of finite SWR (throws MessungFehler otherwise).
Resonanz findeResonanz(const Messung& messung);

// Which rule found it, in German, for the result texts.
QString regelText(ResonanzRegel regel);
// Why there is no bandwidth, in German.
QString ohneBandbreiteText(const Resonanz& r);

#include "calculators/resonanz.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

double zwischen(double x0, double x1, double anteil) { return x0 + (x1 - x0) * anteil; }

// Where the SWR passes 2 walking outward from the minimum; nothing when it stays below to
// the sweep's end.
std::optional<double> bandkante(const std::vector<MessPunkt>& p, size_t minimum, int schritt)
{
    for (size_t i = minimum;;) {
        const size_t n = i + schritt;
        if (n >= p.size())  // also below 0, wrapped
            return std::nullopt;
        if (p[n].swr >= BandbreitenSwr) {
            if (!std::isfinite(p[n].swr))
                return p[n].frequenz;
            return zwischen(p[i].frequenz, p[n].frequenz, (BandbreitenSwr - p[i].swr) / (p[n].swr - p[i].swr));
        }
        i = n;
    }
}

} // namespace

Resonanz findeResonanz(const Messung& messung)
{
    const std::vector<MessPunkt>& p = messung.punkte;
    Resonanz r;
    std::optional<size_t> minimum;
    for (size_t i = 0; i < p.size(); ++i)
        if (std::isfinite(p[i].swr) && (!minimum || p[i].swr < p[*minimum].swr))
            minimum = i;
    if (!minimum)
        throw MessungFehler{0, QStringLiteral("kein Messpunkt mit endlichem SWR: die Antenne reflektiert überall alles")};
    r.swrMinimum = p[*minimum].swr;
    r.swrMinimumFrequenz = p[*minimum].frequenz;

    // The sign change of the reactance nearest the SWR minimum.
    double naechste = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i + 1 < p.size(); ++i) {
        const std::complex<double> a = p[i].impedanz, b = p[i + 1].impedanz;
        if (!std::isfinite(a.real()) || !std::isfinite(b.real()))
            continue;
        const bool wechsel = (a.imag() <= 0 && b.imag() > 0) || (a.imag() >= 0 && b.imag() < 0);
        if (!wechsel)
            continue;
        const double anteil = a.imag() / (a.imag() - b.imag());
        const double f = zwischen(p[i].frequenz, p[i + 1].frequenz, anteil);
        const double abstand = std::abs(f - r.swrMinimumFrequenz);
        if (abstand < naechste) {
            naechste = abstand;
            r.regel = ResonanzRegel::Nulldurchgang;
            r.frequenz = f;
            r.impedanz = {zwischen(a.real(), b.real(), anteil), 0};
        }
    }
    if (r.regel == ResonanzRegel::Nulldurchgang) {
        // Points a calibration left a little above |S11| = 1 have a negative resistance; between
        // two of them the crossing would report a resonance no antenna can have.
        if (!(r.impedanz.real() > 0)) {
            QLocale l;
            l.setNumberOptions(QLocale::OmitGroupSeparator);
            throw MessungFehler{0, QStringLiteral("bei der Resonanz (%1 MHz) ergibt die Messung einen Wirkwiderstand von %2 Ω; eine Antenne "
                                                  "hat dort mehr als 0 Ω (ist der Analysator kalibriert?)")
                                       .arg(l.toString(r.frequenz / 1e6, 'f', 3), l.toString(r.impedanz.real(), 'f', 1).replace(u'-', u'−'))};
        }
        const std::complex<double> z0 = messung.bezugsimpedanz;
        r.swr = swrAusReflexion((r.impedanz - z0) / (r.impedanz + z0));
    } else {
        r.frequenz = r.swrMinimumFrequenz;
        r.swr = r.swrMinimum;
        r.impedanz = p[*minimum].impedanz;
    }

    if (r.swrMinimum < BandbreitenSwr) {
        const auto unten = bandkante(p, *minimum, -1);
        const auto oben = bandkante(p, *minimum, +1);
        if (unten && oben)
            r.bandbreite = Bandbreite{*unten, *oben};
    }
    return r;
}

QString regelText(ResonanzRegel regel)
{
    switch (regel) {
    case ResonanzRegel::Nulldurchgang: return QStringLiteral("Nulldurchgang des Blindwiderstands (linear interpoliert)");
    case ResonanzRegel::SwrMinimum: return QStringLiteral("SWR-Minimum (kein Nulldurchgang des Blindwiderstands im Messbereich)");
    }
    return {};
}

QString ohneBandbreiteText(const Resonanz& r)
{
    if (r.bandbreite)
        return {};
    if (r.swrMinimum >= BandbreitenSwr)
        return QStringLiteral("keine: das SWR erreicht nirgends 2");
    return QStringLiteral("nicht bestimmbar: das SWR bleibt bis zum Rand des Messbereichs unter 2");
}

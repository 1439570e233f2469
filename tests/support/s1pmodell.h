#pragma once
// Sweep files of a known antenna for the tests: a dipole as a series circuit of R, L and C,
// resonant where L and C cancel, written as an analyser would save its sweep.

#include <QByteArray>
#include <QLocale>
#include <QRandomGenerator>
#include <QString>

#include <cmath>
#include <complex>
#include <initializer_list>
#include <numbers>
#include <utility>

struct DipolModell {
    double f0 = 14.1e6;   // Hz, where the reactance is zero
    double r = 73;        // ohm, radiation resistance
    double guete = 12;    // Q of the series circuit
    double z0 = 50;

    std::complex<double> impedanz(double f) const
    {
        const double w0 = 2 * std::numbers::pi * f0, w = 2 * std::numbers::pi * f;
        const double l = guete * r / w0, c = 1 / (w0 * w0 * l);
        return {r, w * l - 1 / (w * c)};
    }
    std::complex<double> reflexion(double f) const { return (impedanz(f) - z0) / (impedanz(f) + z0); }
    double swr(double f) const { return (1 + std::abs(reflexion(f))) / (1 - std::abs(reflexion(f))); }

    // Where the SWR passes 2 between a point below 2 and one above it.
    double swr2(double innen, double aussen) const
    {
        for (int i = 0; i < 100; ++i) {
            const double mitte = (innen + aussen) / 2;
            (swr(mitte) < 2 ? innen : aussen) = mitte;
        }
        return innen;
    }
};

struct Sweep {
    double von = 13.6e6, bis = 14.6e6;  // Hz
    int punkte = 101;
    QByteArray einheit = "MHz";         // Hz, kHz, MHz, GHz
    QByteArray format = "RI";           // RI, MA, DB
    double rauschen = 0;                // largest deviation added to S11's real and imaginary part
    QByteArray zeilenende = "\n";
};

inline double einheitInHz(const QByteArray& e)
{
    const QByteArray u = e.toUpper();
    return u == "HZ" ? 1 : u == "KHZ" ? 1e3 : u == "MHZ" ? 1e6 : 1e9;
}

// The file's text with a header comment and the option line.
inline QByteArray s1pDatei(const DipolModell& m, const Sweep& s)
{
    QRandomGenerator zufall(4711);
    const QLocale c = QLocale::c();
    QByteArray text = "! Dipol, Serienschwingkreis" + s.zeilenende + "! erzeugt für die Tests" + s.zeilenende;
    text += "# " + s.einheit + " S " + s.format + " R " + QByteArray::number(m.z0) + s.zeilenende;
    for (int i = 0; i < s.punkte; ++i) {
        const double f = s.von + (s.bis - s.von) * i / (s.punkte - 1);
        std::complex<double> g = m.reflexion(f);
        if (s.rauschen > 0)
            g += std::complex<double>((zufall.generateDouble() * 2 - 1) * s.rauschen, (zufall.generateDouble() * 2 - 1) * s.rauschen);
        double a = g.real(), b = g.imag();
        if (s.format == "MA" || s.format == "DB") {
            a = s.format == "MA" ? std::abs(g) : 20 * std::log10(std::abs(g));
            b = std::arg(g) * 180 / std::numbers::pi;
        }
        text += c.toString(f / einheitInHz(s.einheit), 'g', 12).toLatin1() + ' ' + c.toString(a, 'g', 9).toLatin1() + "  "
              + c.toString(b, 'g', 9).toLatin1() + s.zeilenende;
    }
    return text;
}

// A sweep in MHz and RI from impedances against 50 ohm, for shapes the model cannot take.
inline QByteArray s1pAusImpedanzen(std::initializer_list<std::pair<double, std::complex<double>>> punkte)
{
    QByteArray text = "# MHz S RI R 50\n";
    for (const auto& [mhz, z] : punkte) {
        const std::complex<double> g = (z - 50.0) / (z + 50.0);
        text += QByteArray::number(mhz) + ' ' + QByteArray::number(g.real(), 'g', 12) + ' ' + QByteArray::number(g.imag(), 'g', 12) + '\n';
    }
    return text;
}

// The lowest SWR (1,22 at 14,2 MHz) lies beside the resonance (reactance zero at 14,05 MHz,
// 37,5 ohm, SWR 1,33); the 2:1 band runs from about 13,887 to 14,417 MHz.
inline QByteArray s1pMinimumNebenResonanz()
{
    return s1pAusImpedanzen({{13.8, {25, -40}}, {13.9, {32, -15}}, {14.0, {35, -5}}, {14.1, {40, 5}}, {14.2, {50, 10}},
                             {14.3, {55, 30}}, {14.4, {60, 30}}, {14.5, {80, 70}}});
}

#pragma once
// A one-port sweep as an antenna analyser or a small VNA saves it (Touchstone, ".s1p"):
// frequency and reflection S11, and from them the impedance and the SWR. Pure code, shared by
// the pruning window and the command line.
//
// Read are the first format's files (comments after "!", the option line
// "# <Hz|kHz|MHz|GHz> S <RI|MA|DB> R <z0>" with its defaults GHz, MA and 50 ohm, any spacing
// and letter case) and the second format's simple keywords ([Version], [Number of Ports] 1,
// [Number of Frequencies], [Reference], [Network Data], [End]).

#include <QByteArray>
#include <QString>

#include <complex>
#include <vector>

struct MessPunkt {
    double frequenz = 0;                 // Hz
    std::complex<double> reflexion;      // S11
    std::complex<double> impedanz;       // ohm; infinite where S11 is 1
    double swr = 0;                      // infinite where |S11| reaches 1
};

struct Messung {
    double bezugsimpedanz = 50;          // ohm, what S11 refers to
    std::vector<MessPunkt> punkte;       // frequencies strictly ascending, at least three
};

// Why a file is no sweep, in German; `zeile` is the line at fault (from 1), 0 for the file as a
// whole.
struct MessungFehler {
    int zeile = 0;
    QString text;
    bool nenntDatei = false;  // the text names the file already (a file that cannot be read)
    // "Zeile 7: „abc“ ist keine Zahl" or the text alone.
    QString meldung() const;
};

// The most points a sweep may hold; analysers save a few hundred to a few thousand.
inline constexpr int MessPunkteHoechstens = 100000;
// |S11| a little above 1 is a calibration's rounding; beyond this a passive antenna cannot reflect.
inline constexpr double ReflexionHoechstens = 1.01;
// Analysers measure from a few kHz to a few GHz, laboratory network analysers up to about a
// terahertz; a higher frequency is a wrong unit or a broken file.
inline constexpr double MessFrequenzHoechstens = 1e12;  // Hz
// The narrowest sweep that is read: below a hertz a plot's frequency axis has no resolution
// left to show, and no analyser steps that finely.
inline constexpr double MessSpanneMindestens = 1;      // Hz

// Reads a file's content. Throws MessungFehler.
Messung leseTouchstone(const QByteArray& inhalt);

// Impedance and SWR of a reflection against the reference impedance.
std::complex<double> impedanzAusReflexion(std::complex<double> s11, double z0);
double swrAusReflexion(std::complex<double> s11);

// Bytes as a message shows them: at most `hoechstens` characters, control characters and bytes
// outside ASCII made visible as \xNN, an ellipsis where the bytes go on.
QString bytesGezeigt(const QByteArray& bytes, qsizetype hoechstens);

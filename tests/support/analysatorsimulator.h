#pragma once
// A simulated antenna analyser of the NanoVNA family on a pseudo-terminal: the program opens
// the terminal's path as its serial port. It speaks the firmware's shell (echo of each typed
// character, CR LF, the prompt "ch> "; version, info, scan, and the older sweep, frequencies
// and data 0), measures a dipole modelled as a series circuit whose resonance a test moves
// ("cuts") between sweeps, and plays the faults of a real unit and cable on request.

#include "tests/support/s1pmodell.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTimer>

#include <memory>

class QSocketNotifier;

class AnalysatorSimulator {
public:
    enum class Stoerung {
        Keine,
        Stille,              // never answers
        AbbruchMitten,       // the cable is pulled in the middle of the sweep's reply
        Muell,               // answers bytes that are no text
        Einzelbytes,         // answers correctly, one byte at a time
        FalschesEcho,        // echoes another command than was typed
        Spektrumanalysator,  // the same shell, but a spectrum analyser
        Modem,               // a device of another kind: "OK" without echo or prompt
        WenigerPunkte,       // the sweep has ten points fewer than asked
        NaN,                 // one point's reflection is "nan"
        Absurd,              // one point reflects far more than it receives
    };

    AnalysatorSimulator();
    ~AnalysatorSimulator();

    // The terminal's path, to open as the port.
    QString pfad() const { return slavePfad; }

    // The resonance moves as when the element is shortened.
    void schneide(double neueResonanzHz) { modell.f0 = neueResonanzHz; }

    DipolModell modell;
    bool mitScan = true;                  // newer firmware; older answers "scan?"
    QByteArray versionText = "1.2.27";
    QByteArray infoText = "NanoVNA-H 4\r\nKernel: 4.0.0";
    Stoerung stoerung = Stoerung::Keine;
    QList<QByteArray> befehle;            // the command lines received

private:
    void lesen();
    void schreibe(const QByteArray& bytes);
    void senden();
    QByteArray antwortAuf(const QByteArray& zeile);
    QByteArray punktZeile(double f, bool mitFrequenz) const;
    void trennen();

    int master = -1, slave = -1;
    QString slavePfad;
    std::unique_ptr<QSocketNotifier> leseMelder, schreibMelder;
    QTimer einzeln;
    QByteArray eingang, ausgang;
    qsizetype abbruchNach = -1;  // bytes of output after which the master closes
    qint64 von = 50000, bis = 900000000;
    int punkte = 101;
};

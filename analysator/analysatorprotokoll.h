#pragma once
// The text shell of the small vector analysers of the NanoVNA family, as pure code: the
// commands, the collecting of a reply (echo, lines ending in CR LF, the prompt "ch> ") and
// the reading of a sweep out of it. The serial port itself is in analysatorverbindung.*.

#include "calculators/resonanz.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Why a measurement failed, in German, for a message box or one line on standard error.
struct AnalysatorFehler {
    QString text;
};

// The range of one sweep.
struct SweepBereich {
    double von = 0, bis = 0;  // Hz
    int punkte = 101;
};

// Older units sweep 101 points, newer ones up to 401; 101 is what every unit takes.
inline constexpr int AnalysatorPunkteStandard = 101;
inline constexpr int AnalysatorPunkteHoechstens = 401;
inline constexpr int AnalysatorPunkteWenigstens = 11;
// What the family's units cover, from the lowest of the oldest to the highest of the newest.
inline constexpr double AnalysatorVonWenigstens = 10e3;
inline constexpr double AnalysatorBisHoechstens = 6e9;

// A wire element's 2:1 bandwidth is a few percent of its resonance; the sweep spans about
// three of them, so that an element still far off its wanted frequency shows its dip.
double erwarteteSpanne(double mitteHz);
// The sweep centred on `mitteHz`; throws AnalysatorFehler when it leaves what the units cover.
SweepBereich bereichUm(double mitteHz, double spanneHz, int punkte = AnalysatorPunkteStandard);
// Throws AnalysatorFehler naming what is wrong with the range.
void pruefeBereich(const SweepBereich& b);

// The command lines, each ended with CR as typed at the shell.
QByteArray befehlsZeile(const QByteArray& befehl);
QByteArray scanBefehl(const SweepBereich& b);   // "scan 13600000 14600000 101 3": frequency and S11
QByteArray sweepBefehl(const SweepBereich& b);  // older firmware: "sweep 13600000 14600000 101"

// The reply to one command as it arrives: the echo of the command, the reply's lines, the
// prompt. Stray prompts and empty lines before the echo are what a unit left from before.
class AntwortSammler {
public:
    // Far more than 401 lines of "f re im"; a device that keeps talking is no analyser.
    static constexpr qsizetype Hoechstens = 256 * 1024;

    explicit AntwortSammler(QByteArray befehl);
    // Takes the next bytes; true once the prompt closed the reply. Throws AnalysatorFehler on
    // bytes that are no text, a wrong echo or a reply without end.
    bool nimm(const QByteArray& bytes);
    // The reply's complete lines so far, without the echo.
    QList<QByteArray> zeilen() const;
    bool echoGesehen() const { return echo; }
    bool fertig() const { return ende; }
    // Whether anything at all arrived, and what, for the message when no prompt follows.
    bool leer() const { return puffer.isEmpty(); }
    QString bisherGezeigt() const;
    // The shell answers a command it does not know with "befehl?".
    bool unbekannt() const;

private:
    QByteArray befehl;
    QByteArray puffer;
    qsizetype echoEnde = -1;  // where the reply's lines begin
    bool echo = false;
    bool ende = false;
};

// A reply's text as a message quotes it: at most 40 characters, control characters visible.
QString antwortGezeigt(const QByteArray& text);

// The unit's name from the replies to `info` and `version` (the first non-empty line of info,
// and the version). Throws AnalysatorFehler when the unit is of another kind that speaks the
// same shell (a spectrum analyser), and so measures no reflection.
QString geraeteName(const QList<QByteArray>& info, const QList<QByteArray>& version);

// The sweep from the reply to scan with mask 3 ("f re im" per line), or from the replies to
// frequencies (Hz per line) and data 0 ("re im" per line). Throws AnalysatorFehler: fewer
// points than asked, numbers that are none, NaN, a reflection no antenna gives, frequencies
// outside the range asked for. `auchUnvollstaendig` reads what has arrived so far, for the plot.
Messung messungAusScan(const QList<QByteArray>& zeilen, const SweepBereich& b, bool auchUnvollstaendig = false);
Messung messungAusDaten(const QList<QByteArray>& frequenzen, const QList<QByteArray>& daten, const SweepBereich& b);

// The resonance of a measured sweep. Throws AnalysatorFehler when it lies outside the sweep,
// saying which way to widen it.
Resonanz resonanzImBereich(const Messung& messung);

// The sweep as a Touchstone file (Hz, real and imaginary part, 50 ohm), CR LF line ends.
QByteArray touchstoneText(const Messung& messung, const QString& geraet);

// A serial port as the list shows it: "ttyACM0 – 0483:5740 ChibiOS/RT Virtual COM Port (STMicroelectronics)".
QString anschlussText(const QString& name, const QString& beschreibung, const QString& hersteller, int vendorId, int productId);
// A port the user may not open: who may, and how to become one of them.
QString berechtigungsText(const QString& pfad, const QString& gruppe);

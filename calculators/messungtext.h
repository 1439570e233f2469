#pragma once
// The figures of a measurement as the window, the screen reader and the command line word
// them: German, with the decimal comma.

#include "calculators/resonanz.h"

#include <QString>

#include <optional>

// "14,0523": the resonance as the measured-frequency field takes it.
QString mhzText(double hz);
// "14,052 MHz", "523 kHz"
QString mhzKurz(double hz);
QString khzText(double hz);
// "1,46"; "unendlich" where the antenna reflects everything.
QString swrText(double swr);
// "72,3 + j0,0 Ω", "48,1 − j12,4 Ω"
QString impedanzText(std::complex<double> z);
// "523 kHz (13,790 bis 14,313 MHz)" or why there is none.
QString bandbreiteText(const Resonanz& r);

// What the plot shows, in words for a screen reader.
QString diagrammBeschreibung(const Resonanz& r, std::optional<double> sollHz);

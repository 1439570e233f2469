#pragma once
// Reading the engine's listing: the input impedance of the one source, and only from a run
// that went to its end.

#include "common/failure.h"

#include <QByteArray>

struct NecImpedanz {
    double r = 0, x = 0;  // ohms
};

// Throws a Failure (NecFehler::Ausgabe) with a German reason when the listing lacks the
// impedance table, holds anything but numbers there, or stops before the run's end.
NecImpedanz necImpedanz(const QByteArray& ausgabe);

namespace NecFehler {
inline constexpr int Fehlt = 53;       // the engine is not installed
inline constexpr int Ausgabe = 75;     // it ran but wrote nothing usable
inline constexpr int Lauf = 75;        // it failed, was killed or took too long
inline constexpr int Modell = 5;       // the wire cannot be modelled
} // namespace NecFehler

#pragma once
// What the program says about itself: in the info box and at the end of every report.

#include "common/versionnumbers.h"

#include <QString>

namespace version {
inline const QString produktName = QStringLiteral("Zentavik-Antennen-Berechnung");
inline const QString beschreibung = QStringLiteral("Zentavik-Berechnung nach Norbek");
inline constexpr int major = ZENTAVIK_VERSION_MAJOR, minor = ZENTAVIK_VERSION_MINOR,
                     revision = ZENTAVIK_VERSION_PATCH;
inline const QString copyright = QStringLiteral("© 2026 Zentavik-Entwickler, alle Angaben ohne Gewähr");
inline const QString nutzungsHinweis = QStringLiteral(
    "Die Maße gelten für die eingegebenen Werte. Bitte die fertige Antenne\r\n"
    "nachmessen und mit \"3. Pruning / Optimieren\" auf Resonanz trimmen.");
} // namespace version

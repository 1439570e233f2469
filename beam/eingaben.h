#pragma once
// The rules the beam form applies to its fields before a calculation reads them: the range
// of the velocity factor, and the outer diameter that follows the conductor diameter.

#include "common/ablehnungen.h"

#include <QString>

#include <optional>

// How a velocity-factor text fares when the field is left.
enum class VkPruefung {
    Gueltig,    // above 0 and below 1
    Eins,       // exactly 1: bare wire in free space, the insulation is switched off
    Ungueltig,  // 0 or less, above 1, or no number: the hint below and 0,946 instead
};

// The factor read as the field reads it; nothing when it lies beyond single precision.
VkPruefung pruefeVk(std::optional<float> v);

// The hint below the form; the same words refuse the factor on the command line.
inline const QString VkHinweis = u' ' + ablehnung::vkUngueltig();
inline const QString VkErsatz = QStringLiteral("0,946");
// The factor's spinner moves in thousandths: its scale runs from 0 (factor 1) to this (factor 0).
inline constexpr int VkStellerSchritte = 1000;
// The insulation text when the factor is exactly 1.
inline const QString BlankerDraht = QStringLiteral("1,0");

// After the conductor diameter dL changed: the outer diameter keeps at least 0.1 mm more.
// Returns the new outer-diameter text ("#0.0#"), or nothing when dA may stay.
std::optional<QString> aussenFuerLeiter(float dL, float dA, const QString& decimal);

// Reads a field; a number beyond single precision gives nothing instead of a failure.
std::optional<float> liesFeld(const QString& text);

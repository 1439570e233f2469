#pragma once
// Wire insulation: the material list of the insulation group and the extra shortening an
// insulated wire needs.

#include "common/luftpermittivitaet.h"

#include <QString>
#include <QStringList>

// The 25 entries of the material list, numbers with the given decimal separator.
QStringList isolierMaterialien(const QString& decimal);

// How the insulation shortening is found: the formula below, or the full-wave model run in the
// NEC-2 engine. The formula is the default.
enum class IsolierModell { Formel, Vollwelle };
// "Formel", "Vollwelle (NEC-2)": as the window offers them.
QString isolierModellName(IsolierModell modell);
// "formel", "vollwelle": as the command line and JSON write them.
QString isolierModellWort(IsolierModell modell);

// Insulation shortening s (a fraction) from permittivity, outer and conductor diameter (mm)
// and velocity factor. Fails with a division by zero when VF or Er is 0.
double IsolierKorrektur(float Er, float dA, float dL, float VF);

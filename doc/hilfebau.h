#pragma once
// The figures of the chapters on building and trimming and on builders' questions, each from
// the calculation the program itself runs for the same inputs.

#include "cli/beamlauf.h"
#include "doc/hilfezahlen.h"

// The wire the chapters build with: PVC-insulated stranded copper for 20 m, its velocity factor
// from the calculator at 10 m height, the beam designed for the middle of the band.
struct BauDraht {
    QString frequenz = QStringLiteral("14,2");  // MHz
    QString hoehe = QStringLiteral("10");       // m
    QString material = QStringLiteral("PVC");
    QString aussen = QStringLiteral("3");       // mm, with the insulation
    QString leiter = QStringLiteral("1,6");     // mm, the strands' bundle
    QString bereich = QStringLiteral("mitte");  // cw, ssb or mitte

    // The options of `zentavik-rechner beam` and `bauplan` for this wire.
    QStringList optionen() const;
};

// The beam calculation for that wire, read from those options as the command line reads them.
rechner::BeamLauf bauBeispiel(const BauDraht& draht = {});

HilfeZahlen bauZahlen();
HilfeZahlen fragenZahlen();
HilfeZahlen vergleichZahlen();

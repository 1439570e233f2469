#pragma once
// The figures of the chapters on building and trimming and on builders' questions, each from
// the calculation the program itself runs for the same inputs.

#include "cli/beamlauf.h"
#include "doc/hilfezahlen.h"

// The wire the chapters build with, that of the worked example: PVC-insulated stranded copper of
// 1,5 mm² for 20 m, its velocity factor from the calculator at 10 m height, the beam designed
// for the middle of the band.
struct BauDraht {
    BauDraht();  // the worked example's wire and frequency
    QString frequenz;     // MHz
    QString hoehe;        // m
    QString material;     // as the command line names it
    QString aussen;       // mm, with the insulation
    QString leiter;       // mm, the strands' bundle
    QString querschnitt;  // mm², as the wire is sold
    QString bereich;      // cw, ssb or mitte

    // The options of `zentavik-rechner beam` and `bauplan` for this wire.
    QStringList optionen() const;
};

// The beam calculation for that wire, read from those options as the command line reads them.
rechner::BeamLauf bauBeispiel(const BauDraht& draht = {});

HilfeZahlen bauZahlen();
HilfeZahlen fragenZahlen();
HilfeZahlen vergleichZahlen();

#pragma once
// "dipol": the additional, radiation-coupled dipole from the command line. The fields of its
// window are options; the wire insulation of the beam form and the velocity-factor
// calculator's ground correction enter as they do when the window computes.

#include "calculators/zusatzdipol_calc.h"
#include "cli/beamlauf.h"

#include <optional>

namespace rechner {

struct DipolEingaben {
    // The beam form's wire and insulation, and the velocity-factor calculator.
    BeamEingaben beam;
    // The window's fields; nothing: the value the window starts with.
    std::optional<QString> resonanz, unterste, impedanz, durchmesser, erregerDurchmesser, vk;
};

struct DipolLauf {
    DipolEingaben eingaben;
    BeamEingaben beam;           // the beam form's inputs as its calculation ran, calculator included
    ZusatzDipolEingaben felder;  // the fields as "&Rechnen" reads them
    ZusatzDipolErgebnis ergebnis;
    double zusatzVerkuerzung = 0;
    bool vollwelle = false;  // the full-wave model gave the shortening
    QStringList hinweise;
};

QList<OptionDef> dipolOptionen();
// Reads the options; the beam's ones are checked as the beam command checks them.
DipolEingaben dipolEingaben(const Befehl& befehl);

// One press of "&Rechnen" after a beam calculation with the given wire (and, with any of its
// options, a computation of the velocity-factor calculator). Throws FalscheEingabe where the
// window beeps and refuses a field, and the failure of a calculation that fails.
DipolLauf rechneDipol(const DipolEingaben& eingaben, const QDate& heute);

QString dipolText(const DipolLauf& lauf);
QString dipolJson(const DipolLauf& lauf);

int dipolBefehl(const QStringList& argumente, QTextStream& out, QTextStream& err);

} // namespace rechner

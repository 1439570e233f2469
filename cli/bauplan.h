#pragma once
// "bauplan": the build plan of one beam calculation on one A4 page, as PDF or SVG.

#include "cli/beamlauf.h"
#include "plan/bauplandaten.h"

namespace rechner {

// What the plan shows of a run: its values and the inputs as the form would hold them.
BauplanDaten bauplanDaten(const BeamLauf& lauf);

int bauplanBefehl(const QStringList& argumente, QTextStream& out, QTextStream& err);

} // namespace rechner

#pragma once
// "bauplan": the antenna drawing with the computed measures at its dimension lines, the wire
// lengths, self-resonances, matching line and inputs on one A4 page, as PDF or SVG.

#include "cli/beamlauf.h"

#include <QByteArray>

class QPainter;

namespace rechner {

// The drawing of the frame window with each dimension label followed by its measure.
QByteArray bemassteZeichnung(const BeamLauf& lauf);

// Paints the page into a painter whose device is an A4 page.
void maleBauplan(QPainter& painter, const BeamLauf& lauf);

// Writes the plan to path under a temporary name and renames it when complete.
void schreibeBauplanPdf(const BeamLauf& lauf, const QString& pfad);
void schreibeBauplanSvg(const BeamLauf& lauf, const QString& pfad);

int bauplanBefehl(const QStringList& argumente, QTextStream& out, QTextStream& err);

} // namespace rechner

#pragma once
// "baender": one design per band button and range, as the band buttons of the beam form
// fill in the frequency, in one table.

#include "cli/beamlauf.h"

namespace rechner {

// The runs for bands 0 to 9, each in CW range, SSB range and band middle (or only the
// ranges asked for), all with the same wire and insulation.
QList<BeamLauf> rechneBaender(const BeamEingaben& draht, const QList<int>& bereiche, const QDate& heute);

QString baenderText(const QList<BeamLauf>& laeufe);
QString baenderCsv(const QList<BeamLauf>& laeufe);
QString baenderJson(const QList<BeamLauf>& laeufe);

int baenderBefehl(const QStringList& argumente, QTextStream& out, QTextStream& err);

} // namespace rechner

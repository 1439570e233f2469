#pragma once
// What the help document takes from the program at build time. Its HTML names each figure as
// {{name}}; the build puts in the text the program's own code gives, so the help can never state
// a length the program would not compute. A chapter of its own is included with
// <!-- einfügen: datei.html --> from the folder of the main document.

#include <QHash>
#include <QString>

// Placeholder name → HTML text put in its place.
using HilfeZahlen = QHash<QString, QString>;

// The worked example: a 20-m beam from the velocity-factor calculator to the build plan.
HilfeZahlen beispielZahlen();
// How exact the insulation correction is, and how far a centimetre moves the resonance.
HilfeZahlen genauigkeitZahlen();
// The windows' own rules: start heights, the factor's step and its stand-in value.
HilfeZahlen formularZahlen();

// The main document with its chapters included and every placeholder replaced. An unknown
// placeholder or a missing chapter leaves `fehler` naming it and gives an empty text: the
// build stops rather than print "{{...}}" in the manual.
QString hilfeMitZahlen(const QString& html, const QString& ordner, const HilfeZahlen& zahlen, QString& fehler);

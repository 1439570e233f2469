#pragma once
// What a build plan shows: one completed beam calculation with the inputs it was made from,
// and what a builder reads off it (the cut list, the trimming aid, the inputs).

#include "beam/beamcalculation.h"
#include "plan/bauplangeometrie.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

// The velocity-factor calculator whose result the calculation used.
struct BauplanVkRechner {
    QString hoehe;        // m
    QString durchmesser;  // mm
    bool erdbodenKorrektur = false;
};

struct BauplanDaten {
    BeamValues werte;
    int bereich = -1;        // range button: 0 CW, 1 SSB, 2 band middle
    QString frequenz;        // the frequency field after the run
    QString vkEingegeben;    // the velocity factor as typed
    QString vkVerwendet;     // the factor the run used, ground correction included
    QString isolierung;      // the insulation field
    bool isoliert = false;
    QString aussen, leiter;  // diameters in mm as typed; they count for insulated wire only
    double zusatzVerkuerzung = 0;
    bool vollwelle = false;  // the full-wave model, not the formula, gave the shortening
    std::optional<BauplanVkRechner> vkRechner;
    QDate datum;
};

// One line of the cut list: the measure's name in the drawing, what it is, the length in m.
struct PlanMass {
    QString name, was;
    float laenge = 0;
};

// The wires to cut, the reserve at their ends, where each passes its cross-arm's tip, and the
// matching line.
QList<PlanMass> drahtMasse(const BauplanDaten& d, const BauplanGeometrie& g);
// The measures to mark on the boom and on the cross-arms, each from a named reference.
QList<PlanMass> rahmenMasse(const BeamDimensions& o, const BauplanGeometrie& g);
// The report's P and A (the feed point at P, x = 0) and the x that moves it: to compare the
// plan with the report, not to mark.
QList<PlanMass> berichtMasse(const BeamDimensions& o, const BauplanGeometrie& g);

// The reserve at each end of both wires, whole centimetres: the whole shortening the insulation
// gives (the larger of the two elements'), so that each wire cut with it is at least as long as
// the same wire bare would have to be; and never less than the piece that fastens the end at
// its insulator.
inline constexpr int MindestZugabeCm = 10;
int zugabeProEndeCm(const BeamValues& werte);

// What the matching line's length already holds: the cable's velocity factor.
QString vlgHinweis();

// How far an element's resonance rises when its wire is cut one centimetre shorter, in kHz:
// to first order Δf ≈ −f·ΔL/L. 0 for a wire without length.
double kHzProZentimeter(double resonanzMHz, double drahtLaengeM);

// "10,905 m", "2,470 m": every length with three decimals; "13,3 kHz" with three significant digits (at least one decimal).
QString meterText(float laenge);
QString kHzText(double kHz);

QString bereichText(int bereich);
// "Band 14 MHz, SSB-Bereich" or "außerhalb der Amateurbänder, SSB-Bereich".
QString bandZeile(const BauplanDaten& d);
// The inputs, name and value, in the order the sheet lists them.
QList<std::pair<QString, QString>> eingabenZeilen(const BauplanDaten& d);
// "Berechnet am 07.12.2026 mit Zentavik-Antennen-Berechnung 1.0.1"
QString stempelZeile(const BauplanDaten& d);

#pragma once
// The worked example of the help: a 20-m beam of PVC-insulated stranded wire, taken from the
// velocity-factor calculator through the beam form to the report and the build plan. The
// inputs are the texts a user ends up with in the windows; the run is the program's own.

#include "cli/beamlauf.h"
#include "plan/bauplandaten.h"
#include "vf/vkcalculation.h"

#include <QDate>
#include <QString>
#include <QStringList>

struct BeispielEingaben {
    int band = 4;           // band button "14"
    int bereich = 2;        // range button "Bandmitte"
    QString frequenz;       // what band and range write into "Gesamt Beam"
    QString hoehe;          // the calculator's start height for that frequency, m
    QString querschnitt;    // the stranded conductor's cross-section as sold, mm²
    QString leiter;         // conductor diameter over all strands, mm
    QString aussen;         // outer diameter over the PVC jacket, mm
    QString material;       // the PVC entry of the insulation list, as the combo box holds it
};

BeispielEingaben beispielEingaben();

// What the windows show and the files hold after the example's steps.
struct BeispielLauf {
    BeispielEingaben eingaben;
    VkRechnung vk;               // the calculator after "Rechnen"
    VkUebergabe uebergabe;       // what it hands to the beam form
    rechner::BeamLauf beam;      // the beam form and the report after "Rechnen"
    BauplanDaten plan;
    BeamDimensions blank;        // the same wire bare: where the reserve comes from
    int zugabeCm = 0;            // reserve at each end of a wire, whole cm, as the plan gives it
};

// The command line's name of a range button: "cw", "ssb" or "mitte".
QString bereichOption(int bereich);
// The command line's name of an entry of the insulation list ("4,0 PVC" → "PVC").
QString materialOption(const QString& listenEintrag);

// Runs the example as the windows run it, with the report and the plan dated `stand`.
BeispielLauf beispielRechnen(const QDate& stand);

// The same example on the command line: the arguments of zentavik-rechner's "vk", "beam" or
// "bauplan" that give what the windows give.
QStringList beispielArgumente(const BeispielLauf& lauf, const QString& befehl);

// The date the help states: a reproducible build's SOURCE_DATE_EPOCH, else today.
QDate hilfeStand();

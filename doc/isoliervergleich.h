#pragma once
// How the program's insulation correction compares with published full-wave results for an
// insulated wire: a free-space half-wave dipole at 30 MHz with a 2 mm copper conductor, whose
// sheath makes the resonant length shorter by the factor "insulated / bare resonant length".

#include <QList>
#include <QString>

// The reference wire and where its difference is counted in kHz.
inline constexpr float VergleichLeiterMM = 2;
inline constexpr float VergleichMHz = 30;
inline constexpr float VergleichBauMHz = 14.2f;

struct IsolierVergleich {
    float mantel = 0;     // sheath thickness, mm
    float aussen = 0;     // outer diameter, mm
    float er = 0;         // relative permittivity of the sheath
    double referenz = 0;  // published: insulated / bare resonant length
    double programm = 0;  // the program's insulated / bare wire length, 1 − 2·s
    // (programm / referenz − 1) · 100: below 0 the program cuts the wire shorter.
    double prozent = 0;
    // Where a wire cut to the program's length resonates, taking the published factor as true,
    // less the frequency it was designed for at 14,2 MHz, in kHz: above 0 it lies too high.
    double kHz = 0;
    // The full-wave model's insulated / bare ratio, as the program computes it with nec2c, and
    // its difference from the reference in percent.
    double vollwelle = 0;
    double vollwelleProzent = 0;
};

// The velocity factor the program gives the bare reference wire by its slenderness alone; in
// free space there is no ground to shorten it further. The insulation correction divides by it.
float vergleichVk();

// The insulation shortening s of the beam calculation for a sheathed reference wire.
double vergleichZusatzVerkuerzung(float aussen, float er);

// Every sheath and permittivity of the published table, sheath by sheath.
QList<IsolierVergleich> isolierVergleich();

// The same as texts the way the help prints them.
struct IsolierVergleichTexte {
    QString referenz, programm, prozent, kHz, vollwelle, vollwelleProzent;
};
IsolierVergleichTexte vergleichTexte(const IsolierVergleich& v);

// The comparison as an HTML table for the help document.
QString isolierVergleichTabelle();

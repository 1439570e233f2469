#pragma once
// The spacing between a fed dipole and a parallel dipole coupled to it by radiation only.

// The common logarithm: ln x / ln 10. Fails (invalid argument) for x not above 0.
double Log10(double x);

// Spacing in mm between the driven dipole (diameter dE, mm) and the additional dipole
// (diameter dZ, mm, resonance fZ, MHz) that gives the impedance Z at the feed point.
// `zusatzVerkuerzung` is the insulation shortening (a fraction) of the last beam calculation.
// fE and sZ take part in the call only. A step that fails is skipped and keeps 0, so a
// calculation that fails at its end gives 0; the function itself never fails.
float DipolAbstand(float Z, float fE, float fZ, float dE, float dZ, float sZ, double zusatzVerkuerzung);

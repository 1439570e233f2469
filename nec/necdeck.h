#pragma once
// The card deck of a straight, centre-fed dipole in free space for the NEC-2 engine.

#include <QByteArray>

struct NecDipol {
    double mhz = 0;          // frequency
    double laenge = 0;       // total length, m
    double radius = 0;       // wire radius, m
    int segmente = 0;        // odd, so that one segment lies at the centre
    double henryProMeter = 0;  // distributed series inductance; 0 for none
};

// The deck in NEC-2's free-field card format; the source is a voltage on the centre segment.
QByteArray necKarten(const NecDipol& dipol);

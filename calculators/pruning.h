#pragma once
// Pruning a finished antenna: from the driven element's present length and its measured
// resonance, the velocity factor the antenna really shows, the length for the wanted resonance
// and how much to change the driven element and the reflector. Pure code, shared by the
// pruning window and the command line.

#include <QString>

// The input field a calculation stopped at; it gets the focus, with a beep.
enum class PruningFeld { Keins, Text1, Text2, Text3 };

struct PruningEingabe {
    QString laenge;  // LgD as it is now, m
    QString fIst;    // measured resonance, MHz
    QString fSoll;   // wanted resonance, MHz
};

struct PruningErgebnis {
    PruningFeld stopp = PruningFeld::Keins;  // a stop always beeps and leaves the labels alone
    QString grund;                           // why it stopped: what is wrong with which field

    // Result labels, set when the calculation did not stop.
    QString vfGesamt;   // Label5
    bool vfRot = false; // above 1: light red
    QString laengeNeu;  // Label7, m
    QString aenderungLgD;  // Label9, mm, "+ " lengthen, "- " shorten
    QString aenderungLgR;  // Label11, mm

    float LgDIst = 0, fIst = 0, fSoll = 0, q = 0, VFges = 0, LgDNeu = 0, dLgD = 0, dLgR = 0;

    bool abgeschlossen() const { return stopp == PruningFeld::Keins; }
};

// The wanted resonance may lie at most this far from the measured one (single precision,
// both ends included).
inline constexpr float PruningQMin = 0.66f;
inline constexpr float PruningQMax = 1.3f;

// Runs the calculation. A step whose arithmetic fails is skipped and its value stays 0; the
// calculation never fails. `decimal` is the separator of the texts it writes.
PruningErgebnis PruningBerechnen(const PruningEingabe& eingabe, const QString& decimal);

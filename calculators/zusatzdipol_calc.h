#pragma once
// The additional dipole: a second, unfed dipole beside a centre-fed one, coupled by radiation
// only, that gives the antenna a further resonance with a wanted feed-point impedance. Pure
// code: takes the field texts, returns the texts to show and where the focus goes.

#include "common/failure.h"

#include <QString>
#include <QStringList>

#include <optional>

class VkRechnerZustand;

// The fields of the form, in the form's names.
enum class ZusatzDipolFeld { Keins, Text1, Text2, Text3, Text4, Text5, Text6 };

struct ZusatzDipolEingaben {
    QString text1;  // wanted resonance of the additional dipole, MHz
    QString text2;  // lowest resonance of the driven dipole, MHz
    QString text3;  // wanted impedance at the feed point, ohm
    QString text4;  // wire diameter of the additional dipole, mm
    QString text5;  // wire diameter of the driven dipole, mm
    QString text6;  // velocity factor
};

struct ZusatzDipolErgebnis {
    bool gerechnet = false;        // both results were computed
    int beeps = 0;                 // a refused field beeps once; the low-resonance warning too
    ZusatzDipolFeld fokus = ZusatzDipolFeld::Keins;  // the field that gets the focus last
    QStringList gruende;  // why it beeped, once for each beep: what is wrong with which field
    // Texts written into the fields; nothing: the field stays as it is.
    std::optional<QString> text4, text5, text6, label8, label10;
    // The single-precision values behind text6, label8 and label10, for who needs more digits
    // than the form shows: VF of the driven dipole, spacing in mm, length in m.
    float vkErreger = 0, abstand = 0, laenge = 0;
    // An arithmetic failure that ended the calculation; what was written before it stays.
    std::optional<Failure> fehler;
};

// "&Rechnen". `zusatzVerkuerzung`: the insulation shortening (a fraction) of the last beam
// calculation; `rechner`: the velocity-factor calculator whose ground correction applies while
// it holds a result (may be null); `decimal`: the locale's decimal separator.
ZusatzDipolErgebnis ZusatzDipolRechnen(const ZusatzDipolEingaben& eingaben, double zusatzVerkuerzung,
                                       VkRechnerZustand* rechner, const QString& decimal);

// What the form's fields hold when it opens. With an active velocity-factor calculator the
// frequency and diameter come from there, otherwise the diameter and velocity factor of the
// beam input form.
struct ZusatzDipolVorgaben {
    bool rechnerAktiv = false;
    QString rechnerFrequenz, rechnerDurchmesser;  // the calculator's fields
    QString beamDurchmesser, beamVk;              // the beam form's Text7 and Text4
};
ZusatzDipolEingaben ZusatzDipolStartwerte(const ZusatzDipolVorgaben& vorgaben, const QString& decimal);

// The conditions of the calculation, as the "I&nfo" box shows them.
QString ZusatzDipolInfoText(const QString& crLf);
inline const QString ZusatzDipolInfoTitel = QStringLiteral(" Info zur Berechnung eines strahlungsgekoppelten Dipol ");

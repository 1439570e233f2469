#pragma once
// How much shorter than a free-space half wavelength a resonant wire dipole must be: by the
// wire's slenderness, by the ground below it, and both together at the height and ground
// setting entered in the velocity-factor calculator.

#include <QString>

// What the ground correction reads from the velocity-factor calculator each time it runs.
// Reading may create the calculator (unshown), whose tag is then "-".
class VkRechnerZustand {
public:
    virtual ~VkRechnerZustand() = default;
    virtual QString tag() = 0;                 // "Aktiv" once it holds a result
    virtual bool erdbodenKorrektur() = 0;      // check mark of "&Erdbodenkorrektur"
    virtual QString hoeheText() = 0;           // antenna height, m
    virtual QString durchmesserText() = 0;     // wire diameter, mm
};

// Shortening by slenderness in percent. Fails (division by zero, logarithm of a number not
// above 0) for a frequency or diameter of 0.
float SchlankheitsVerkuerzung(float f, float d);

// Shortening by the ground in percent, from the height in wavelengths. Never fails: a step
// whose arithmetic fails keeps its previous value; a height or frequency of 0 gives 0.
float ErdbodenVerkuerzung(float f, float h, bool corr);

// Total shortening in percent for frequency f and diameter d (0: the calculator's diameter).
// While the calculator holds no result (or there is none), the caller's percent p comes back.
float ErdbodenKorrektur(float f, float d, float p, VkRechnerZustand* rechner);

#pragma once
// The velocity-factor calculation of the calculator window: from the three field texts to the
// texts the window shows. Pure code, so the window and the command line call the same thing.

#include <QString>

#include <optional>

// The input field a calculation stopped at; it gets the focus.
enum class VkFeld { Keins, Text1, Text2, Text3 };

struct VkEingabe {
    QString frequenz;            // f, MHz
    QString hoehe;               // h, m
    QString durchmesser;         // d, mm
    bool erdbodenKorrektur = false;
    float vkBisher = 0;          // the last result, kept when its own step fails
};

struct VkRechnung {
    VkFeld stopp = VkFeld::Keins;  // Keins: the calculation ran to its end
    bool beep = false;             // a stop, or a corrected diameter
    QString grund;                 // why it beeped: what is wrong with which field

    std::optional<QString> hoeheText;  // the height field's new text (after a stop on the height)
    std::optional<QString> durchmesserText;  // the corrected diameter, when it was out of range
    bool durchmesserRot = false;       // the diameter field's colour: light red when corrected

    // Result labels; only set when the calculation did not stop.
    QString schlankheit;  // Label7, shortening by slenderness, percent
    bool schlankheitRot = false;
    QString erdboden;     // Label5, shortening by the ground, percent
    bool erdbodenRot = false;
    QString vk;           // Label9

    // The numbers behind the texts.
    float f = 0, h = 0, d = 0, s = 0, g = 0, v = 0, c = 0;
    float vkErgebnis = 0;

    bool abgeschlossen() const { return stopp == VkFeld::Keins; }
};

// Runs the calculation. Every step whose arithmetic fails is skipped and its value stays 0
// (the result stays `vkBisher`); the calculation itself never fails. `decimal` is the
// separator of the texts it writes. A frequency so high that the diameter would be corrected
// to 0,0 mm, or inputs that give a velocity factor outside above 0 to 1, stop it at the
// frequency like a missing one: such a factor must never reach the beam form.
VkRechnung VkBerechnen(const VkEingabe& eingabe, const QString& decimal);

// What a hand-over writes into the beam form: the velocity factor, and the frequency when the
// calculator's frequency field is not empty.
struct VkUebergabe {
    QString vkText;
    std::optional<QString> frequenzText;
};
VkUebergabe VkUebergeben(float vkErgebnis, const QString& frequenzText, const QString& decimal);

// The height the calculator starts with: 3 m at 50 MHz and above, else 10 m.
QString VkStartHoehe(const QString& frequenzText, const QString& decimal);
// From this frequency (MHz) on the calculator starts with the lower height.
inline constexpr float VkNiedrigAbMHz = 50;

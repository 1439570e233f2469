#include "vf/vkcalculation.h"

#include "common/ablehnungen.h"
#include "common/checkedmath.h"
#include "common/numberformat.h"
#include "common/numbertext.h"
#include "common/steprunner.h"
#include "vf/groundcorrection.h"

namespace {
// A field whose number is beyond single precision reads as 0, as an empty one does.
float lies(const QString& text)
{
    try {
        return ZahlAusText(text);
    } catch (const Failure&) {
        return 0;
    }
}
VkRechnung stopp(VkRechnung& r, VkFeld feld, const QString& grund)
{
    r.stopp = feld;
    r.beep = true;
    r.grund = grund;
    return r;
}

// Refused after computing: the window shows nothing of this run, the last result stays.
VkRechnung ohneErgebnis(const VkRechnung& gerechnet, const VkEingabe& e, VkFeld feld, const QString& grund)
{
    VkRechnung r;
    r.vkErgebnis = e.vkBisher;
    r.f = gerechnet.f;
    r.h = gerechnet.h;
    return stopp(r, feld, grund);
}
} // namespace

VkRechnung VkBerechnen(const VkEingabe& e, const QString& decimal)
{
    VkRechnung r;
    r.vkErgebnis = e.vkBisher;
    r.f = lies(e.frequenz);
    // A frequency below zero has no wavelength: it would hand a negative wire diameter to the
    // beam form, so it is refused like a missing one.
    if (!(r.f > 0))
        return stopp(r, VkFeld::Text1, ablehnung::frequenzFehlt());
    r.h = lies(e.hoehe);
    if (r.h < 0.01f) {
        r.hoeheText = QStringLiteral("0,01");
        return stopp(r, VkFeld::Text2, ablehnung::hoeheZuKlein());
    }
    r.d = lies(e.durchmesser);

    float half = 0, twice = 0;
    runSkippingFailures({
        [&] { half = checked::single(checked::div(checked::div(300000.0f, r.f), 2.0f)); },
        [&] { twice = checked::single(double(r.h) * 2000.0f); },
    });
    // The diameter must lie between 0.1 mm and both twice the height and half the wavelength.
    // Twice the height may itself exceed half the wavelength (6 m band, 3 m high, 7 m typed):
    // a wire thicker than half a wavelength gives a slenderness below 2 and a velocity factor
    // far above 1, so both upper limits apply.
    if (r.d < 0.1f) {
        r.d = 0.1f;
        r.durchmesserText = generalSingle(r.d, decimal);
        r.grund = ablehnung::durchmesserMindestens(*r.durchmesserText);
    } else if (r.d > twice) {
        const bool wellenlaenge = r.d > half && half < twice;
        r.d = wellenlaenge ? half : twice;
        r.durchmesserText = formatSingle(r.d, u"#####0.0", decimal);
        r.grund = wellenlaenge ? ablehnung::durchmesserWellenlaenge(*r.durchmesserText)
                               : ablehnung::durchmesserHoehe(*r.durchmesserText);
    } else if (r.d > half) {
        r.d = half;
        r.durchmesserText = formatSingle(r.d, u"#####0.0", decimal);
        r.grund = ablehnung::durchmesserWellenlaenge(*r.durchmesserText);
    }
    // A diameter shown as 0,0 would be handed to the beam form, whose ground correction then
    // divides by it.
    if (r.durchmesserText && lies(*r.durchmesserText) == 0) {
        // A limit of 0 is one whose arithmetic failed: the height or the wavelength overflowed.
        if (twice == 0)
            return ohneErgebnis(r, e, VkFeld::Text2, ablehnung::hoeheZuGross());
        return ohneErgebnis(r, e, VkFeld::Text1, half == 0 ? ablehnung::frequenzZuKlein() : ablehnung::durchmesserNull());
    }
    r.durchmesserRot = r.durchmesserText.has_value();
    r.beep = r.durchmesserRot;

    runSkippingFailures({[&] { r.s = SchlankheitsVerkuerzung(r.f, r.d); }});
    r.schlankheitRot = !(r.s >= 2 && r.s <= 9);
    r.schlankheit = formatSingle(r.s, u"#0.0", decimal);

    r.g = ErdbodenVerkuerzung(r.f, r.h, e.erdbodenKorrektur);
    r.erdbodenRot = !(r.g >= 2 && r.g <= 10);
    r.erdboden = formatSingle(r.g, u"#0.0", decimal);

    runSkippingFailures({
        [&] { r.v = checked::single(checked::finite((100.0 - r.g) * (100.0 - r.s)) / 10000.0f); },
        // The two constants are single precision, the half double.
        [&] { r.c = checked::single(checked::finite(double(r.f) / 150.0f - double(r.f) / 163.0f) * 0.5); },
        [&] { r.vkErgebnis = checked::single(double(r.v) + r.c); },
    });
    r.vk = formatSingle(r.vkErgebnis, u"0.00#", decimal);
    if (!(r.vkErgebnis > 0 && r.vkErgebnis <= 1))
        return ohneErgebnis(r, e, VkFeld::Text1, ablehnung::vkAusserhalb(r.vk));
    return r;
}

VkUebergabe VkUebergeben(float vkErgebnis, const QString& frequenzText, const QString& decimal)
{
    VkUebergabe u;
    u.vkText = formatSingle(vkErgebnis, u"0.00##", decimal);
    if (!frequenzText.isEmpty())
        u.frequenzText = frequenzText;
    return u;
}

QString VkStartHoehe(const QString& frequenzText, const QString& decimal)
{
    return formatSingle(lies(frequenzText) >= VkNiedrigAbMHz ? 3.0f : 10.0f, u"#0.0", decimal);
}

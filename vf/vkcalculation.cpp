#include "vf/vkcalculation.h"

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
} // namespace

VkRechnung VkBerechnen(const VkEingabe& e, const QString& decimal)
{
    VkRechnung r;
    r.vkErgebnis = e.vkBisher;
    r.f = lies(e.frequenz);
    // A frequency below zero has no wavelength: it would hand a negative wire diameter to the
    // beam form, so it is refused like a missing one.
    if (!(r.f > 0)) {
        r.stopp = VkFeld::Text1;
        r.beep = true;
        return r;
    }
    r.h = lies(e.hoehe);
    if (r.h < 0.01f) {
        r.hoeheText = QStringLiteral("0,01");
        r.stopp = VkFeld::Text2;
        r.beep = true;
        return r;
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
    } else if (r.d > twice) {
        r.d = r.d > half && half < twice ? half : twice;
        r.durchmesserText = formatSingle(r.d, u"#####0.0", decimal);
    } else if (r.d > half) {
        r.d = half;
        r.durchmesserText = formatSingle(r.d, u"#####0.0", decimal);
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
    return formatSingle(lies(frequenzText) >= 50 ? 3.0f : 10.0f, u"#0.0", decimal);
}

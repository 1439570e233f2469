#include "calculators/pruning.h"

#include "common/ablehnungen.h"
#include "common/checkedmath.h"
#include "common/numberformat.h"
#include "common/numbertext.h"
#include "common/steprunner.h"

namespace {
// A number beyond single precision reads as 0, as an empty field does.
float lies(const QString& text)
{
    try {
        return ZahlAusText(text);
    } catch (const Failure&) {
        return 0;
    }
}

// 163 / f is the length in m of a half-wave element with velocity factor 1.
constexpr float HalbwellenK = 163;
// Reflector length over driven-element length, as the beam calculation has it.
constexpr double ReflektorVerhaeltnis = 1.042;
constexpr char16_t Aenderung[] = u"+ ##0.0;- ##0.0";
} // namespace

PruningErgebnis PruningBerechnen(const PruningEingabe& e, const QString& decimal)
{
    PruningErgebnis r;
    const auto stopp = [&r](PruningFeld feld, const QString& grund) {
        r.stopp = feld;
        r.grund = grund;
        return r;
    };
    r.LgDIst = lies(e.laenge);
    if (r.LgDIst == 0)
        return stopp(PruningFeld::Text1, ablehnung::laengeFehlt());
    r.fIst = lies(e.fIst);
    if (r.fIst == 0)
        return stopp(PruningFeld::Text2, ablehnung::istFehlt());
    r.fSoll = lies(e.fSoll);
    if (r.fSoll == 0)
        return stopp(PruningFeld::Text3, ablehnung::sollFehlt());
    runSkippingFailures({[&] { r.q = checked::single(checked::div(r.fIst, r.fSoll)); }});
    if (!(r.q <= PruningQMax && r.q >= PruningQMin))
        return stopp(PruningFeld::Text3, ablehnung::verhaeltnisIstSoll());

    runSkippingFailures({[&] { r.VFges = checked::single(checked::finite(double(r.LgDIst) * r.fIst) / HalbwellenK); }});
    r.vfRot = r.VFges > 1;
    r.vfGesamt = formatSingle(r.VFges, u"0.00#", decimal);
    runSkippingFailures({
        [&] { r.LgDNeu = checked::single(checked::div(HalbwellenK, r.fSoll) * r.VFges); },
    });
    r.laengeNeu = formatSingle(r.LgDNeu, u"##0.00#", decimal);
    runSkippingFailures({
        [&] { r.dLgD = checked::single(checked::finite(double(r.LgDNeu) - r.LgDIst) * 1000); },
        [&] { r.dLgR = checked::single(double(r.dLgD) * ReflektorVerhaeltnis); },
    });
    r.aenderungLgD = formatSingle(r.dLgD, Aenderung, decimal);
    r.aenderungLgR = formatSingle(r.dLgR, Aenderung, decimal);
    return r;
}

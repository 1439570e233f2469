#include "calculators/zusatzdipol_calc.h"

#include "common/ablehnungen.h"
#include "common/checkedmath.h"
#include "common/dipolabstand.h"
#include "common/numberformat.h"
#include "common/numbertext.h"
#include "vf/groundcorrection.h"

#include <QStringList>

#include <cmath>

namespace {

bool istAktiv(VkRechnerZustand* rechner) { return rechner && rechner->tag() == QStringLiteral("Aktiv"); }

class Rechnung {
public:
    Rechnung(const ZusatzDipolEingaben& e, double zv, VkRechnerZustand* rechner, const QString& decimal)
        : e(e), zv(zv), rechner(rechner), decimal(decimal)
    {
    }

    void rechnen()
    {
        // Each field must hold a number above 0: zero, empty, text or a negative number is
        // refused in this order, before anything else is checked.
        using namespace ablehnung;
        if (!positiv(e.text2, ZusatzDipolFeld::Text2, fE, dipol::unterste())
            || !positiv(e.text1, ZusatzDipolFeld::Text1, fZ, dipol::resonanz())
            || !positiv(e.text3, ZusatzDipolFeld::Text3, Z, dipol::impedanz())
            || !positiv(e.text5, ZusatzDipolFeld::Text5, dE, dipol::erregerDurchmesser())
            || !positiv(e.text4, ZusatzDipolFeld::Text4, dZ, dipol::durchmesser())
            || !positiv(e.text6, ZusatzDipolFeld::Text6, VF, dipol::vk()))
            return;
        // A wanted resonance below the driven dipole's lowest one is only a warning.
        if (fZ < fE)
            warnen(ZusatzDipolFeld::Text1, resonanzUnterErreger());

        // Free-space wavelength at fZ, shortened by twice the insulation shortening.
        const double Lz = checked::finite(checked::div(300.0, fZ) * (1.0 - 2.0 * zv));
        const float H = istAktiv(rechner) ? ZahlAusText(rechner->hoeheText()) : checked::single(Lz * 100.0);
        const float dSumme = checked::single(double(dZ) + dE);
        const double x = checked::div(dSumme / 8000.0, Lz);
        const float A0 = checked::single(
            checked::finite(std::pow(10.0, 0.54 * Log10(x))) * (double(Z) / 72.0) * Lz * 1000.0);

        // The driven wire may be at most half the antenna height thick.
        const float Dmax = checked::single(double(H) * 1000.0 / 2.0);
        if (dE > Dmax) {
            r.text5 = formatSingle(Dmax, u"###0.0#", decimal);
            warnen(ZusatzDipolFeld::Text5, erregerDrahtZuDick(*r.text5, istAktiv(rechner)));
            return;
        }
        const float gap = checked::single(double(A0) / 2.0 - double(dSumme) / 2.0);
        if (dZ >= gap) {
            if (gap > 0)
                r.text4 = formatSingle(gap, u"###0.0#", decimal);
            warnen(ZusatzDipolFeld::Text4, r.text4 ? drahtDickerAlsLuecke(*r.text4) : keineLuecke());
            return;
        }

        const float p = checked::single((1.0 - double(VF)) * 100.0);
        const float sE = ErdbodenKorrektur(fE, dE, p, rechner);
        const float vfErreger = checked::single(1.0 - double(sE) / 100.0);
        r.vkErreger = vfErreger;
        r.text6 = formatSingle(vfErreger, u"0.00###", decimal);
        const float sZ = ErdbodenKorrektur(fZ, dZ, p, rechner);
        r.abstand = DipolAbstand(Z, fE, fZ, dE, dZ, sZ, zv);
        r.label8 = formatSingle(r.abstand, u"###0", decimal);
        r.laenge = checked::single((Lz / 2.0) * (1.0 - double(sZ) / 100.0));
        r.label10 = formatSingle(r.laenge, u"###0.0##", decimal);
        r.gerechnet = true;
    }

    ZusatzDipolErgebnis r;

private:
    bool positiv(const QString& text, ZusatzDipolFeld feld, float& wert, const QString& bedeutung)
    {
        try {
            wert = ZahlAusText(text);
        } catch (Failure& failure) {
            // A number beyond single precision: the failure names the field it stands in.
            failure.feld = bedeutung;
            throw;
        }
        if (wert > 0)
            return true;
        warnen(feld, ablehnung::zahlUeber0(bedeutung));
        return false;
    }
    void warnen(ZusatzDipolFeld feld, const QString& grund)
    {
        ++r.beeps;
        r.fokus = feld;
        r.gruende << grund;
    }

    const ZusatzDipolEingaben& e;
    double zv;
    VkRechnerZustand* rechner;
    const QString& decimal;
    float fE = 0, fZ = 0, Z = 0, dE = 0, dZ = 0, VF = 0;
};

} // namespace

ZusatzDipolErgebnis ZusatzDipolRechnen(const ZusatzDipolEingaben& eingaben, double zusatzVerkuerzung,
                                       VkRechnerZustand* rechner, const QString& decimal)
{
    Rechnung rechnung(eingaben, zusatzVerkuerzung, rechner, decimal);
    try {
        rechnung.rechnen();
    } catch (const Failure& failure) {
        rechnung.r.fehler = failure;
    }
    return rechnung.r;
}

ZusatzDipolEingaben ZusatzDipolStartwerte(const ZusatzDipolVorgaben& v, const QString& decimal)
{
    ZusatzDipolEingaben e;
    e.text3 = QStringLiteral("300");
    QString durchmesser;
    float vf = 0;
    if (v.rechnerAktiv) {
        e.text2 = v.rechnerFrequenz;
        durchmesser = v.rechnerDurchmesser;
    } else {
        durchmesser = v.beamDurchmesser;
        try {
            vf = ZahlAusText(v.beamVk);
        } catch (const Failure&) {
            vf = 0;  // a factor beyond any number takes the default like an empty one
        }
    }
    e.text4 = e.text5 = durchmesser;
    if (vf == 0)
        vf = 0.946f;
    e.text6 = formatSingle(vf, u"0.00##", decimal);
    return e;
}

QString ZusatzDipolInfoText(const QString& crLf)
{
    return QStringList{
        QStringLiteral(" Bedingungen für die Richtigkeit der Berechnung:"),
        QString(),
        QStringLiteral(" · Der Erreger-Dipol muss auf der Frequenz des Zusatz-Dipol eine hochohmige "),
        QStringLiteral("   Impedanz aufweisen."),
        QStringLiteral(" · Es kann nur ein zusätzlicher Dipol ausreichend genau berechnet werden. Solle zwei  "),
        QStringLiteral("   oder mehr Zusatz-Dipole hinzu gefügt werden, so reichen die Abstandsberechnungen   "),
        QStringLiteral("   nur als grober Anhaltspunkt. Eigene Experimente sind dann notwendig.  "),
        QString(),
        QStringLiteral(" Hinweis:"),
        QString(),
        QStringLiteral(" · Die Eingaben zur Drahtisolierung und zur Berechnung des VF werden zur "),
        QStringLiteral("   Berechnung mit übernommen."),
        QStringLiteral(" · Der Zusatz-Dipol muss sich mittig und symmetrisch zum Speisepunkt befinden.        "),
        QStringLiteral(" · Der Zusatz-Dipol muss immer kürzer als der Erreger-Dipol sein und darf auch nicht  "),
        QStringLiteral("   über dessen Ende hinaus ragen."),
    }.join(crLf);
}

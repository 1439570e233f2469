#include "plan/bauplandaten.h"

#include "common/datetext.h"
#include "common/numberformat.h"
#include "common/version.h"

#include <algorithm>
#include <cmath>

namespace {
const QString Komma = QStringLiteral(",");
}

QList<PlanMass> drahtMasse(const BauplanDaten& d, const BauplanGeometrie& g)
{
    const BeamDimensions& o = d.werte.out;
    return {
        {QStringLiteral("LgD"), QStringLiteral("Strahler, Isolator bis Isolator"), o.LgD},
        {QStringLiteral("LgR"), QStringLiteral("Reflektor, Isolator bis Isolator"), o.LgR},
        {QStringLiteral("Zugabe"), QStringLiteral("an jedem Drahtende zusätzlich"), float(zugabeProEndeCm(d.werte)) / 100},
        {QStringLiteral("D"), QStringLiteral("Strahler: Endmarke bis Querträger-Spitze"), o.D},
        {QStringLiteral("DR"), QStringLiteral("Reflektor: Endmarke bis Querträger-Spitze"), float(g.reflektorSeite)},
        {QStringLiteral("Vlg"), QStringLiteral("Anpassleitung 2 x RG59 parallel, je"), o.Vlg},
    };
}

QList<PlanMass> rahmenMasse(const BeamDimensions& o, const BauplanGeometrie& g)
{
    QList<PlanMass> m{
        {QStringLiteral("gesLgBoom"), QStringLiteral("Boom, ganze Länge"), o.gesLgBoom},
        {QStringLiteral("C"), QStringLiteral("Boomende bis Querträger, je"), o.C},
        {QStringLiteral("LgBoom"), QStringLiteral("Querträger vorn bis Querträger hinten"), o.LgBoom},
        {QStringLiteral("P − x"), QStringLiteral("Querträger vorn bis Speisepunkt"), float(g.speisepunkt)},
        {QStringLiteral("y"), QStringLiteral("Querträger hinten bis Reflektor-Mitte"), float(g.y)},
        {QStringLiteral("D"), QStringLiteral("Querträger vorn bis Isolatoren"), o.D},
        {QStringLiteral("Bv"), QStringLiteral("Querträger vorn, Spitze bis Spitze"), o.Bv},
        {QStringLiteral("Bh"), QStringLiteral("Querträger hinten, Spitze bis Spitze"), o.Bh},
    };
    if (g.luecke > 0)
        m.append({QStringLiteral("Seil"), QStringLiteral("Isolator bis Reflektor-Ende, je"), float(g.luecke)});
    return m;
}

QList<PlanMass> berichtMasse(const BeamDimensions& o, const BauplanGeometrie& g)
{
    return {
        {QStringLiteral("P"), QStringLiteral("Querträger vorn bis Speisepunkt bei x = 0"), o.P},
        {QStringLiteral("A"), QStringLiteral("Speisepunkt bei x = 0 bis Querträger hinten"), o.A},
        {QStringLiteral("x"), QStringLiteral("so weit liegt der Speisepunkt vor P"), float(g.x)},
    };
}

int zugabeProEndeCm(const BeamValues& w)
{
    // The same wire bare: the calculation's lengths with the free-space wavelength.
    const float blankD = float(163 * w.lambda / 300 * w.VF), blankR = float(169.85 * w.lambda / 300 * w.VF);
    const double mehr = std::max(double(blankD) - w.out.LgD, double(blankR) - w.out.LgR);
    // A reserve that is a whole centimetre already stays one.
    const double cm = std::ceil(mehr / 2 * 100 - 1e-6);
    return std::isfinite(cm) && cm > MindestZugabeCm ? int(std::min(cm, 1e9)) : MindestZugabeCm;
}

QString vlgHinweis()
{
    return QStringLiteral("Vlg: elektrische Länge × ") + formatSingle(KabelVk, u"0.0#", Komma) + QStringLiteral(" schon eingerechnet");
}

double kHzProZentimeter(double resonanzMHz, double drahtLaengeM)
{
    if (!(drahtLaengeM > 0))
        return 0;
    // f in kHz times the share of the wire that one centimetre is.
    return resonanzMHz * 1000.0 * 0.01 / drahtLaengeM;
}

QString meterText(float laenge) { return formatSingle(laenge, u"###0.000", Komma) + QStringLiteral(" m"); }

QString kHzText(double kHz)
{
    // Three significant digits or more: 0,216 kHz at 1,8 MHz, 13,3 kHz at 14 MHz, 165,2 kHz at 50 MHz.
    const int stellen = kHz >= 10 ? 1 : kHz >= 1 ? 2 : 3;
    return QLocale(QLocale::German, QLocale::Germany).toString(kHz, 'f', stellen) + QStringLiteral(" kHz");
}

QString bereichText(int bereich)
{
    static const char* const namen[] = {"CW-Bereich", "SSB-Bereich", "Bandmitte"};
    return bereich >= 0 && bereich < 3 ? QString::fromUtf8(namen[bereich]) : QStringLiteral("kein Bereich gewählt");
}

QString bandZeile(const BauplanDaten& d)
{
    const QString band = d.werte.band.button < AndereBand
                             ? QStringLiteral("Band ") + d.werte.band.bandText.trimmed() + QStringLiteral(" MHz")
                             : QStringLiteral("außerhalb der Amateurbänder");
    return band + QStringLiteral(", ") + bereichText(d.bereich);
}

QList<std::pair<QString, QString>> eingabenZeilen(const BauplanDaten& d)
{
    QList<std::pair<QString, QString>> z{
        {QStringLiteral("Resonanzfrequenz"), d.frequenz + QStringLiteral(" MHz")},
        {QStringLiteral("Resonanz im Band für"), bereichText(d.bereich)},
        {QStringLiteral("Verkürzungsfaktor eingegeben"), d.vkEingegeben},
        {QStringLiteral("Verkürzungsfaktor verwendet"), d.vkVerwendet},
        {QStringLiteral("Isolierung"), d.isolierung.simplified()},
    };
    if (d.isoliert) {
        z.append({QStringLiteral("Durchmesser außen / Leiter"), d.aussen + QStringLiteral(" / ") + d.leiter + QStringLiteral(" mm")});
        // The full-wave model is named beside its value, so that the sheet keeps its length; the
        // formula's sheet stays as it always was.
        z.append({QStringLiteral("Zusatzverkürzung"), formatDouble(d.zusatzVerkuerzung * 100, u"0.0##", Komma) + QStringLiteral(" %")
                                                        + (d.vollwelle ? QStringLiteral(" (Vollwelle, NEC-2)") : QString())});
    }
    if (d.vkRechner) {
        z.append({QStringLiteral("Höhe über Grund (VF-Rechner)"), d.vkRechner->hoehe + QStringLiteral(" m")});
        z.append({QStringLiteral("Drahtdurchmesser (VF-Rechner)"), d.vkRechner->durchmesser + QStringLiteral(" mm")});
        z.append({QStringLiteral("Erdbodenkorrektur"), d.vkRechner->erdbodenKorrektur ? QStringLiteral("ein") : QStringLiteral("aus")});
    }
    return z;
}

QString stempelZeile(const BauplanDaten& d)
{
    return QStringLiteral("Berechnet am ") + kurzesDatum(d.datum) + QStringLiteral(" mit ") + version::produktName
           + QStringLiteral(" %1.%2.%3").arg(version::major).arg(version::minor).arg(version::revision);
}

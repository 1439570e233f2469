#include "plan/bauplandaten.h"

#include "common/datetext.h"
#include "common/numberformat.h"
#include "common/version.h"

#include <cmath>

namespace {
const QString Komma = QStringLiteral(",");
}

QList<PlanMass> drahtMasse(const BeamDimensions& o)
{
    return {
        {QStringLiteral("LgD"), QStringLiteral("Strahler, Isolator bis Isolator"), o.LgD},
        {QStringLiteral("LgR"), QStringLiteral("Reflektor, Isolator bis Isolator"), o.LgR},
        {QStringLiteral("D"), QStringLiteral("Strahler: Ende bis Querträger-Spitze"), o.D},
        {QStringLiteral("Vlg"), QStringLiteral("Anpassleitung 2 x RG59 parallel, je"), o.Vlg},
    };
}

QList<PlanMass> rahmenMasse(const BeamDimensions& o)
{
    return {
        {QStringLiteral("gesLgBoom"), QStringLiteral("Boom, ganze Länge"), o.gesLgBoom},
        {QStringLiteral("C"), QStringLiteral("Boomende bis Querträger, je"), o.C},
        {QStringLiteral("LgBoom"), QStringLiteral("Abstand der Querträger"), o.LgBoom},
        {QStringLiteral("P (minus x)"), QStringLiteral("Querträger vorn bis Speisepunkt"), o.P},
        {QStringLiteral("A"), QStringLiteral("Speisepunkt bis Querträger hinten"), o.A},
        {QStringLiteral("Bv"), QStringLiteral("Querträger vorn, Spitze bis Spitze"), o.Bv},
        {QStringLiteral("Bh"), QStringLiteral("Querträger hinten, Spitze bis Spitze"), o.Bh},
    };
}

double kHzProZentimeter(double resonanzMHz, double drahtLaengeM)
{
    if (!(drahtLaengeM > 0))
        return 0;
    // f in kHz times the share of the wire that one centimetre is.
    return resonanzMHz * 1000.0 * 0.01 / drahtLaengeM;
}

QString meterText(float laenge) { return formatSingle(laenge, u"###0.0##", Komma) + QStringLiteral(" m"); }

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

#include "doc/isoliervergleich.h"

#include "beam/insulation.h"
#include "common/numberformat.h"
#include "nec/vollwelle.h"
#include "vf/groundcorrection.h"

#include <cmath>

namespace {

const QString Komma = QStringLiteral(",");

// Published NEC-4 results: insulated / bare resonant length of the reference dipole.
constexpr float Mantel[] = {0.5f, 1.0f, 2.0f};
constexpr float Er[] = {1.5f, 2.0f, 2.5f, 3.0f};
constexpr double Referenz[3][4] = {
    {0.9897, 0.9843, 0.9814, 0.9793},
    {0.9822, 0.9731, 0.9681, 0.9644},
    {0.9719, 0.9574, 0.9487, 0.9429},
};

// A figure and its unit stay on one line.
QString ohneUmbruch(QString text) { return text.replace(u' ', QStringLiteral("&nbsp;")); }
QString zahl(float wert) { return formatSingle(wert, u"0.0", Komma); }

} // namespace

float vergleichVk() { return 1 - SchlankheitsVerkuerzung(VergleichMHz, VergleichLeiterMM) / 100; }

double vergleichZusatzVerkuerzung(float aussen, float er)
{
    return IsolierKorrektur(er, aussen, VergleichLeiterMM, vergleichVk());
}

QList<IsolierVergleich> isolierVergleich()
{
    QList<IsolierVergleich> liste;
    for (int m = 0; m < 3; ++m) {
        for (int e = 0; e < 4; ++e) {
            IsolierVergleich v;
            v.mantel = Mantel[m];
            v.aussen = VergleichLeiterMM + 2 * Mantel[m];
            v.er = Er[e];
            v.referenz = Referenz[m][e];
            // Both wire lengths follow the wavelength shortened by twice the correction.
            v.programm = 1 - 2 * vergleichZusatzVerkuerzung(v.aussen, v.er);
            v.prozent = (v.programm / v.referenz - 1) * 100;
            // The resonance goes inversely with the length.
            v.kHz = VergleichBauMHz * 1000.0 * (v.referenz / v.programm - 1);
            v.vollwelle = vollwellenModell().verhaeltnis(VergleichMHz, v.aussen, VergleichLeiterMM, v.er);
            // To the hundredth the table prints, so that no "−0,00 %" appears.
            v.vollwelleProzent = std::round((v.vollwelle / v.referenz - 1) * 10000) / 100 + 0.0;
            liste << v;
        }
    }
    return liste;
}

IsolierVergleichTexte vergleichTexte(const IsolierVergleich& v)
{
    return {formatDouble(v.referenz, u"0.0000", Komma), formatDouble(v.programm, u"0.0000", Komma),
            formatDouble(v.prozent, u"+0.00 %;\u22120.00 %", Komma), formatDouble(v.kHz, u"+0 kHz;\u22120 kHz", Komma),
            formatDouble(v.vollwelle, u"0.0000", Komma), formatDouble(v.vollwelleProzent, u"+0.00 %;\u22120.00 %", Komma)};
}

QString isolierVergleichTabelle()
{
    QString html = QStringLiteral(
        "<table width=\"100%\" border=\"1\" cellpadding=\"4\" cellspacing=\"0\">"
        "<tr><th width=\"14%\">Mantel (außen) mm</th><th width=\"6%\">εr</th><th width=\"11%\">NEC-4</th>"
        "<th width=\"11%\">Formel</th><th width=\"12%\">Abw.</th><th width=\"18%\">Resonanz bei %1 MHz</th>"
        "<th width=\"11%\">NEC-2</th><th width=\"12%\">Abw.</th></tr>")
                       .arg(formatSingle(VergleichBauMHz, u"##0.0##", Komma));
    for (const IsolierVergleich& v : isolierVergleich()) {
        const IsolierVergleichTexte t = vergleichTexte(v);
        html += QStringLiteral("<tr><td align=\"center\">%1&nbsp;(%2)</td><td align=\"center\">%3</td><td align=\"center\">%4</td>"
                               "<td align=\"center\">%5</td><td align=\"right\">%6</td><td align=\"right\">%7</td>"
                               "<td align=\"center\">%8</td><td align=\"right\">%9</td></tr>")
                    .arg(zahl(v.mantel), zahl(v.aussen), zahl(v.er), t.referenz, t.programm, ohneUmbruch(t.prozent), ohneUmbruch(t.kHz),
                         t.vollwelle, ohneUmbruch(t.vollwelleProzent));
    }
    return html + QStringLiteral("</table>");
}

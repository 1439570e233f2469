#include "doc/hilfebau.h"
#include "doc/hilfezahlen.h"
#include "doc/isoliervergleich.h"

#include "beam/insulation.h"
#include "common/numberformat.h"
#include "common/numbertext.h"

#include <algorithm>
#include <cmath>

namespace {

const QString Komma = QStringLiteral(",");
// Longer texts are sentences or lines of output that may break.
constexpr qsizetype KurzeZahl = 16;

QString mm(float wert) { return formatSingle(wert, u"0.0#", Komma) + QStringLiteral("&nbsp;mm"); }
QString prozent(double wert) { return formatDouble(std::fabs(wert), u"0.00", Komma) + QStringLiteral("&nbsp;%"); }
QString kHz(double wert) { return formatDouble(std::fabs(wert), u"0", Komma) + QStringLiteral("&nbsp;kHz"); }

// One line per sheath: whether the program cuts shorter or longer than the reference, and
// from how far to how far, so the words follow the correction wherever it goes.
QString zusammenfassung(const QList<IsolierVergleich>& vergleich)
{
    QString html = QStringLiteral("<ul>");
    for (qsizetype i = 0; i < vergleich.size();) {
        const float mantel = vergleich[i].mantel;
        QList<IsolierVergleich> zeilen;
        for (; i < vergleich.size() && vergleich[i].mantel == mantel; ++i)
            zeilen << vergleich[i];
        auto [kleinst, groesst] = std::minmax_element(zeilen.cbegin(), zeilen.cend(), [](const auto& a, const auto& b) {
            return std::fabs(a.prozent) < std::fabs(b.prozent);
        });
        const bool alleKuerzer = std::all_of(zeilen.cbegin(), zeilen.cend(), [](const auto& z) { return z.prozent < 0; });
        const bool alleLaenger = std::all_of(zeilen.cbegin(), zeilen.cend(), [](const auto& z) { return z.prozent > 0; });
        QString satz;
        if (alleKuerzer || alleLaenger) {
            satz = alleKuerzer
                       ? QStringLiteral("Das Programm schneidet den Draht um %1 bis %2 zu kurz; die Resonanz läge %3 bis %4 zu hoch.")
                       : QStringLiteral("Das Programm schneidet den Draht um %1 bis %2 zu lang; die Resonanz läge %3 bis %4 zu tief.");
            satz = satz.arg(prozent(kleinst->prozent), prozent(groesst->prozent), kHz(kleinst->kHz), kHz(groesst->kHz));
        } else {
            satz = QStringLiteral("Je nach Dielektrizitätszahl schneidet das Programm etwas zu kurz oder zu lang, "
                                  "höchstens um %1 (%2).")
                       .arg(prozent(groesst->prozent), kHz(groesst->kHz));
        }
        html += QStringLiteral("<li><b>Mantel %1:</b> %2</li>").arg(mm(mantel), satz);
    }
    return html + QStringLiteral("</ul>");
}

} // namespace

HilfeZahlen vergleichZahlen()
{
    const QList<IsolierVergleich> vergleich = isolierVergleich();
    HilfeZahlen z;
    z[QStringLiteral("gen_tabelle")] = isolierVergleichTabelle();
    z[QStringLiteral("gen_zusammenfassung")] = zusammenfassung(vergleich);
    z[QStringLiteral("gen_f_ref")] = generalSingle(VergleichMHz, Komma);
    z[QStringLiteral("gen_f_bau")] = formatSingle(VergleichBauMHz, u"##0.0##", Komma);
    z[QStringLiteral("gen_leiter")] = generalSingle(VergleichLeiterMM, Komma) + QStringLiteral(" mm");
    z[QStringLiteral("gen_luft_er")] = formatSingle(LuftEr, u"0.0####", Komma);
    z[QStringLiteral("gen_vk")] = formatSingle(vergleichVk(), u"0.0###", Komma);
    z[QStringLiteral("gen_aussen_min")] = mm(vergleich.first().aussen);
    z[QStringLiteral("gen_aussen_max")] = mm(vergleich.last().aussen);
    z[QStringLiteral("gen_mantel_min")] = mm(vergleich.first().mantel);
    z[QStringLiteral("gen_mantel_max")] = mm(vergleich.last().mantel);
    // The farthest the program cuts too short and too long.
    double kuerzer = 0, laenger = 0;
    for (const IsolierVergleich& v : vergleich) {
        kuerzer = std::min(kuerzer, v.prozent);
        laenger = std::max(laenger, v.prozent);
    }
    z[QStringLiteral("gen_max_kurz")] = prozent(kuerzer);
    // The farthest the full-wave model lies from the reference, either way.
    double vollwelle = 0;
    for (const IsolierVergleich& v : vergleich)
        vollwelle = std::max(vollwelle, std::fabs(v.vollwelleProzent));
    z[QStringLiteral("gen_vollwelle_max")] = prozent(vollwelle);
    z[QStringLiteral("gen_max_lang")] = prozent(laenger);

    // The fixed divisor of the correction, read back from the correction itself for a wire
    // whose logarithms are known: εr 4 makes 1 − 1/√εr exactly one half.
    const double leiter = 2, wand = 1;
    const double divisor = std::log(leiter * 1000) * std::log(wand * 1000) * 0.5 / IsolierKorrektur(4, float(leiter + wand), float(leiter), 1);
    z[QStringLiteral("gen_divisor")] = formatDouble(divisor, u"0.0###", Komma);

    // The example wire in the same terms.
    const BauDraht draht;
    const rechner::BeamLauf lauf = bauBeispiel(draht);
    const float aussen = ZahlAusText(draht.aussen), leiterBsp = ZahlAusText(draht.leiter);
    z[QStringLiteral("gen_bsp_mantel")] = mm((aussen - leiterBsp) / 2);
    z[QStringLiteral("gen_bsp_faktor")] = formatDouble(1 - 2 * lauf.zusatzVerkuerzung, u"0.0000", Komma);
    return z;
}

// The accuracy comparison and the trimming figures, each from the program's own calculation.
HilfeZahlen genauigkeitZahlen()
{
    HilfeZahlen z = vergleichZahlen();
    z.insert(bauZahlen());
    z.insert(fragenZahlen());
    // A figure and its unit stay on one line: "10,473 m", "- 210,6", "+28 kHz".
    for (QString& wert : z) {
        if (wert.size() <= KurzeZahl && !wert.contains(u'<') && !wert.contains(u'\n'))
            wert.replace(u' ', QStringLiteral("&nbsp;"));
    }
    return z;
}

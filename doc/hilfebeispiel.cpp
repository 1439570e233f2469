#include "doc/beispiellauf.h"
#include "doc/hilfezahlen.h"

#include "beam/bands.h"
#include "beam/report.h"
#include "common/numberformat.h"
#include "common/numbertext.h"
#include "plan/bauplandaten.h"

#include <stdexcept>

namespace {

const QString Komma = QStringLiteral(",");

// A command line as typed into a shell, an option and its value kept together, continued
// with a backslash where it would not fit the page.
QString befehlszeile(const QStringList& argumente)
{
    QStringList teile{QStringLiteral("zentavik-rechner ") + argumente.value(0)};
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        QString teil = argumente[i];
        if (i + 1 < argumente.size() && !argumente[i + 1].startsWith(QStringLiteral("--")))
            teil += u' ' + argumente[++i];
        teile << teil;
    }
    QString text, zeile;
    for (const QString& teil : teile) {
        if (!zeile.isEmpty() && zeile.size() + 1 + teil.size() > 60) {
            text += zeile + QStringLiteral(" \\\n");
            zeile = QStringLiteral("    ");
        } else if (!zeile.isEmpty()) {
            zeile += u' ';
        }
        zeile += teil;
    }
    return QString(text + zeile).toHtmlEscaped();
}

// A block of fixed-width text in a light box, as a file or a terminal shows it; the box keeps
// it on one page.
QString kasten(const QString& festbreit)
{
    return QStringLiteral("<table width=\"100%\" border=\"1\" cellpadding=\"6\" cellspacing=\"0\" bgcolor=\"#f6f6f2\">"
                          "<tr><td><p style=\"white-space: pre; font-family: 'Liberation Mono'; font-size: 7.5pt\">%1</p></td></tr></table>")
        .arg(festbreit);
}

QString mhz(float f) { return formatSingle(f, u"###0.0##", Komma) + QStringLiteral(" MHz"); }

// The cut list of the plan with the reserve at both ends of each element's wire. The side
// wires' marks D and DR are measured from where the reserve begins, the matching line is cut
// as planned.
QString zuschnittTabelle(const BeispielLauf& l, const BauplanGeometrie& g)
{
    QString html = QStringLiteral(
        "<table width=\"100%\" border=\"1\" cellpadding=\"4\" cellspacing=\"0\">"
        "<tr><th>Maß</th><th>was</th><th>laut Bauplan</th><th>Zugabe</th><th>zuschneiden auf</th></tr>");
    for (const PlanMass& m : drahtMasse(l.plan, g)) {
        if (m.name == u"Zugabe")
            continue;
        const bool element = m.name == u"LgD" || m.name == u"LgR";
        const bool marke = m.name == u"D" || m.name == u"DR";
        const QString zugabe = element ? QStringLiteral("2 × %1 cm").arg(l.zugabeCm) : QStringLiteral("–");
        const float schnitt = element ? m.laenge + float(2 * l.zugabeCm) / 100 : m.laenge;
        const QString ziel = marke ? QStringLiteral("Marke") : QStringLiteral("<b>%1</b>").arg(meterText(schnitt));
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td align=\"right\">%3</td><td align=\"center\">%4</td>"
                               "<td align=\"right\">%5</td></tr>")
                    .arg(m.name.toHtmlEscaped(), m.was.toHtmlEscaped(), meterText(m.laenge), zugabe,
                         ziel);
    }
    return html + QStringLiteral("</table>");
}

// The measures to mark on the frame, as the plan lists them.
QString rahmenTabelle(const BeispielLauf& l, const BauplanGeometrie& g)
{
    QString html = QStringLiteral("<table width=\"100%\" border=\"1\" cellpadding=\"4\" cellspacing=\"0\">"
                                  "<tr><th>Maß</th><th>was</th><th>Länge</th></tr>");
    for (const PlanMass& m : rahmenMasse(l.beam.werte.out, g))
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td align=\"right\">%3</td></tr>")
                    .arg(m.name.toHtmlEscaped(), m.was.toHtmlEscaped(), meterText(m.laenge));
    return html + QStringLiteral("</table>");
}

} // namespace

// Each value is the text the program itself shows for the figure, with its unit where the
// program writes one ("10,481 m", "13,8 kHz").
HilfeZahlen beispielZahlen()
{
    const BeispielLauf l = beispielRechnen(hilfeStand());
    const BeispielEingaben& e = l.eingaben;
    const BeamDimensions& o = l.beam.werte.out;
    // The example's plan is drawn, so its wires fit the frame.
    const GeometrieErgebnis geometrie = bauplanGeometrie(o);
    if (!geometrie.geometrie)
        throw std::runtime_error(qPrintable(QStringLiteral("kein Bauplan für das Beispiel: ") + geometrie.grund));
    const double kHzD = kHzProZentimeter(o.frD, o.LgD);
    const double kHzR = kHzProZentimeter(o.frR, o.LgR);
    // Both ends of the radiator longer by the reserve: its resonance lies this much lower at first.
    const double zugabeKHz = kHzD * 2 * l.zugabeCm;
    const QString mantel = formatSingle((ZahlAusText(e.aussen) - ZahlAusText(e.leiter)) / 2, u"#0.0#", Komma);

    return {
        {QStringLiteral("bsp_band"), generalSingle(BandKnopfMHz[e.band], Komma)},
        {QStringLiteral("bsp_bereich"), bereichText(e.bereich)},
        {QStringLiteral("bsp_frequenz"), e.frequenz},
        {QStringLiteral("bsp_hoehe"), e.hoehe},
        {QStringLiteral("bsp_querschnitt"), e.querschnitt},
        {QStringLiteral("bsp_leiter"), e.leiter},
        {QStringLiteral("bsp_aussen"), e.aussen},
        {QStringLiteral("bsp_mantel"), mantel},
        {QStringLiteral("bsp_material"), e.material.simplified().toHtmlEscaped()},
        {QStringLiteral("bsp_er"), e.material.simplified().section(u' ', 0, 0)},

        {QStringLiteral("bsp_schlankheit"), l.vk.schlankheit},
        {QStringLiteral("bsp_erdboden"), l.vk.erdboden},
        {QStringLiteral("bsp_vk"), l.vk.vk},
        {QStringLiteral("bsp_vk_uebergabe"), l.uebergabe.vkText},

        {QStringLiteral("bsp_vk_verwendet"), l.beam.text4},
        {QStringLiteral("bsp_zusatz"), formatDouble(l.beam.zusatzVerkuerzung * 100, u"0.0##", Komma) + QStringLiteral(" %")},
        {QStringLiteral("bsp_zusatz_welle"), formatDouble(l.beam.zusatzVerkuerzung * 200, u"0.0##", Komma) + QStringLiteral(" %")},
        {QStringLiteral("bsp_frD"), l.beam.label3 + QStringLiteral(" MHz")},
        {QStringLiteral("bsp_frR"), l.beam.label5 + QStringLiteral(" MHz")},
        {QStringLiteral("bsp_LgD"), meterText(o.LgD)},
        {QStringLiteral("bsp_LgR"), meterText(o.LgR)},
        {QStringLiteral("bsp_D"), meterText(o.D)},
        {QStringLiteral("bsp_Vlg"), meterText(o.Vlg)},
        {QStringLiteral("bsp_gesLgBoom"), meterText(o.gesLgBoom)},
        {QStringLiteral("bsp_Bh"), meterText(o.Bh)},

        {QStringLiteral("bsp_bericht"), kasten(reportText(l.beam.bericht, QStringLiteral("\n")).toHtmlEscaped())},

        {QStringLiteral("bsp_befehle"), kasten(befehlszeile(beispielArgumente(l, QStringLiteral("vk"))) + u'\n'
                                               + befehlszeile(beispielArgumente(l, QStringLiteral("beam"))) + u'\n'
                                               + befehlszeile(beispielArgumente(l, QStringLiteral("bauplan"))))},

        {QStringLiteral("bsp_blank_LgD"), meterText(l.blank.LgD)},
        {QStringLiteral("bsp_blank_LgR"), meterText(l.blank.LgR)},
        {QStringLiteral("bsp_zugabe"), QStringLiteral("%1 cm").arg(l.zugabeCm)},
        {QStringLiteral("bsp_zuschnitt"), zuschnittTabelle(l, *geometrie.geometrie)},
        {QStringLiteral("bsp_rahmen"), rahmenTabelle(l, *geometrie.geometrie)},
        {QStringLiteral("bsp_khz_D"), kHzText(kHzD)},
        {QStringLiteral("bsp_khz_R"), kHzText(kHzR)},
        {QStringLiteral("bsp_zugabe_khz"), kHzText(zugabeKHz)},
        {QStringLiteral("bsp_frD_zugabe"), mhz(float(o.frD - zugabeKHz / 1000))},
    };
}

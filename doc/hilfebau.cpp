#include "doc/hilfebau.h"

#include "doc/beispiellauf.h"

#include "calculators/pruning.h"
#include "common/numberformat.h"
#include "common/numbertext.h"
#include "plan/bauplandaten.h"

#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

const QString Komma = QStringLiteral(",");

// How far below the design frequency the first measurement of the example lies, kHz.
constexpr double BeispielAbweichungKHz = 100;

QString F(float wert) { return formatSingle(wert, u"###0.0##", Komma); }
QString mhz(float wert) { return F(wert) + QStringLiteral(" MHz"); }
QString cm(double wert) { return formatDouble(wert, u"#0.0", Komma) + QStringLiteral(" cm"); }

} // namespace

BauDraht::BauDraht()
{
    const BeispielEingaben e = beispielEingaben();
    frequenz = e.frequenz;
    hoehe = e.hoehe;
    material = materialOption(e.material);
    aussen = e.aussen;
    leiter = e.leiter;
    querschnitt = e.querschnitt;
    bereich = bereichOption(e.bereich);
}

QStringList BauDraht::optionen() const
{
    return {QStringLiteral("--frequenz"), frequenz, QStringLiteral("--bereich"), bereich,
            QStringLiteral("--material"), material, QStringLiteral("--aussen"), aussen,
            QStringLiteral("--leiter"), leiter, QStringLiteral("--hoehe"), hoehe};
}

rechner::BeamLauf bauBeispiel(const BauDraht& d)
{
    rechner::Befehl befehl(QStringLiteral("beam"), QString(), rechner::beamOptionen(true));
    QString hilfe;
    QTextStream out(&hilfe);
    befehl.lies(d.optionen(), out);
    return rechner::rechneBeam(rechner::beamEingaben(befehl, true), QDate::currentDate());
}

HilfeZahlen bauZahlen()
{
    // The worked example's run: the same wire, its reserve already found.
    const BauDraht draht;
    const BeispielLauf beispiel = beispielRechnen(hilfeStand());
    const rechner::BeamLauf& lauf = beispiel.beam;
    const BeamDimensions& o = lauf.werte.out;
    const float f = lauf.werte.f;
    HilfeZahlen z;
    z[QStringLiteral("bau_frequenz")] = formatSingle(f, u"##0.0##", Komma);
    z[QStringLiteral("bau_hoehe")] = formatSingle(ZahlAusText(draht.hoehe), u"#0.0", Komma);
    z[QStringLiteral("bau_material")] = draht.material;
    z[QStringLiteral("bau_er")] = formatSingle(lauf.werte.Er, u"#0.0#", Komma);
    z[QStringLiteral("bau_aussen")] = generalSingle(ZahlAusText(draht.aussen), Komma);
    z[QStringLiteral("bau_querschnitt")] = draht.querschnitt;
    z[QStringLiteral("bau_leiter")] = generalSingle(ZahlAusText(draht.leiter), Komma);
    z[QStringLiteral("bau_vk")] = lauf.text4;
    z[QStringLiteral("bau_s")] = formatDouble(lauf.zusatzVerkuerzung * 100, u"0.0##", Komma) + QStringLiteral(" %");

    z[QStringLiteral("bau_lgd")] = meterText(o.LgD);
    z[QStringLiteral("bau_lgr")] = meterText(o.LgR);
    z[QStringLiteral("bau_lgd_halb")] = meterText(o.LgD / 2);
    z[QStringLiteral("bau_lgr_halb")] = meterText(o.LgR / 2);
    z[QStringLiteral("bau_d")] = meterText(o.D);
    z[QStringLiteral("bau_p")] = meterText(o.P);
    // Where the wires' middles sit, as the plan draws and lists them.
    const GeometrieErgebnis geometrie = bauplanGeometrie(o);
    if (!geometrie.geometrie)
        qFatal("Hilfe: kein Bauplan für das Beispiel: %s", qPrintable(geometrie.grund));
    const BauplanGeometrie& g = *geometrie.geometrie;
    z[QStringLiteral("bau_x")] = meterText(float(g.x));
    z[QStringLiteral("bau_px")] = meterText(float(g.speisepunkt));
    z[QStringLiteral("bau_y")] = meterText(float(g.y));
    z[QStringLiteral("bau_dr")] = meterText(float(g.reflektorSeite));
    z[QStringLiteral("bau_frd")] = mhz(o.frD);
    z[QStringLiteral("bau_frr")] = mhz(o.frR);

    // The trimming aid exactly as the build plan prints it.
    const double kHzD = kHzProZentimeter(o.frD, o.LgD), kHzR = kHzProZentimeter(o.frR, o.LgR);
    z[QStringLiteral("bau_khz_d")] = kHzText(kHzD);
    z[QStringLiteral("bau_khz_r")] = kHzText(kHzR);
    z[QStringLiteral("bau_abweichung")] = formatDouble(BeispielAbweichungKHz, u"0", Komma) + QStringLiteral(" kHz");
    z[QStringLiteral("bau_abweichung_cm")] = cm(BeispielAbweichungKHz / kHzD);
    z[QStringLiteral("bau_abweichung_ende")] = cm(BeispielAbweichungKHz / kHzD / 2);

    // Cutting with reserve: the same at both ends of both wires.
    const int zugabe = beispiel.zugabeCm;
    z[QStringLiteral("bau_zugabe")] = QStringLiteral("%1 cm").arg(zugabe);
    z[QStringLiteral("bau_zugabe_min")] = QStringLiteral("%1 cm").arg(MindestZugabeCm);
    z[QStringLiteral("bau_zugabe_anteil")] = formatDouble(lauf.zusatzVerkuerzung * 2 * 100, u"0.0#", Komma) + QStringLiteral(" %");
    z[QStringLiteral("bau_lgd_zugabe")] = meterText(o.LgD + float(2 * zugabe) / 100);
    z[QStringLiteral("bau_lgr_zugabe")] = meterText(o.LgR + float(2 * zugabe) / 100);

    // The pruning window after a first measurement of the whole antenna at the feed point,
    // the wire hanging at its computed length.
    const QString laenge = F(o.LgD);
    const QString soll = z[QStringLiteral("bau_frequenz")];
    const QString ist = formatDouble(f - BeispielAbweichungKHz / 1000, u"##0.0##", Komma);
    const PruningErgebnis p = PruningBerechnen({laenge, ist, soll}, Komma);
    // A window that refused these fields would leave the example's results empty.
    if (!p.abgeschlossen())
        qFatal("Hilfe: Pruning-Beispiel abgelehnt: %s", qPrintable(p.grund));
    z[QStringLiteral("bau_pr_laenge")] = laenge;
    z[QStringLiteral("bau_pr_ist")] = ist;
    z[QStringLiteral("bau_pr_soll")] = soll;
    z[QStringLiteral("bau_pr_vf")] = p.vfGesamt;
    z[QStringLiteral("bau_pr_neu")] = p.laengeNeu;
    z[QStringLiteral("bau_pr_lgd")] = p.aenderungLgD;
    z[QStringLiteral("bau_pr_lgr")] = p.aenderungLgR;
    // An antenna exactly as computed: the factor it shows is the wire's times the insulation's.
    z[QStringLiteral("bau_vf_gesamt")] = PruningBerechnen({laenge, soll, soll}, Komma).vfGesamt;
    z[QStringLiteral("bau_q_min")] = formatSingle(PruningQMin, u"0.0#", Komma);
    z[QStringLiteral("bau_q_max")] = formatSingle(PruningQMax, u"0.0#", Komma);
    return z;
}

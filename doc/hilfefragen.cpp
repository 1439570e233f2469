#include "doc/hilfebau.h"

#include "beam/bands.h"
#include "beam/report.h"
#include "cli/rechner.h"
#include "common/numberformat.h"
#include "common/numbertext.h"
#include "plan/bauplandaten.h"

#include <QTextStream>

#include <cmath>

namespace {

const QString Komma = QStringLiteral(",");

// A frequency the band table has no row for: the 60-m band.
const QString AndereFrequenz = QStringLiteral("5,355");
// The additional dipole as the command line's own example computes it.
const QStringList DipolBefehl{QStringLiteral("dipol"), QStringLiteral("--resonanz"), QStringLiteral("21"),
                              QStringLiteral("--unterste"), QStringLiteral("14"), QStringLiteral("--leiter"),
                              QStringLiteral("2"), QStringLiteral("--vk"), QStringLiteral("0,95")};
// The band the help shows the limits of, in whole MHz, and where its limits are looked for.
constexpr float BandMHz = 14;
constexpr int SucheKHz = 1000;

QString mhzText(float f) { return formatSingle(f, u"##0.0##", Komma); }

QString html(QString text)
{
    return text.replace(u'&', QStringLiteral("&amp;")).replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
}

// The command as typed into a shell, an option and its value on one line each, so that no line
// runs out of the page.
QString befehlsZeilen(const QStringList& argumente)
{
    QString text = QStringLiteral("zentavik-rechner ") + argumente.value(0);
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const bool mitWert = i + 1 < argumente.size() && !argumente[i + 1].startsWith(QStringLiteral("--"));
        text += QStringLiteral(" \\\n    ") + argumente[i];
        if (mitWert)
            text += u' ' + argumente[++i];
    }
    return text;
}

// The lowest and highest frequency, in kHz steps, that the band classification puts into
// the band of `f`.
std::pair<float, float> bandGrenzen(float f)
{
    const int knopf = bandFuer(f).button;
    const int mitteKHz = int(std::lround(f * 1000));
    int von = mitteKHz, bis = mitteKHz;
    while (von > mitteKHz - SucheKHz && bandFuer(float(von - 1) / 1000).button == knopf)
        --von;
    while (bis < mitteKHz + SucheKHz && bandFuer(float(bis + 1) / 1000).button == knopf)
        ++bis;
    return {float(von) / 1000, float(bis) / 1000};
}

} // namespace

HilfeZahlen fragenZahlen()
{
    HilfeZahlen z;
    const BauDraht draht;
    const rechner::BeamLauf beispiel = bauBeispiel(draht);

    // Coax: the dielectric fills the cable, so its factor is 1 / √εr of the filling.
    const float pe = ZahlAusText(rechner::materialText(QStringLiteral("PE")));
    z[QStringLiteral("fr_kabel_vk")] = formatSingle(KabelVk, u"0.0#", Komma);
    z[QStringLiteral("fr_pe_er")] = formatSingle(pe, u"0.0#", Komma);
    z[QStringLiteral("fr_pe_vk")] = formatDouble(1 / std::sqrt(double(pe)), u"0.00", Komma);
    z[QStringLiteral("fr_vlg")] = meterText(beispiel.werte.out.Vlg);
    z[QStringLiteral("fr_draht_vk")] = beispiel.text4;
    z[QStringLiteral("fr_lgd")] = meterText(beispiel.werte.out.LgD);
    rechner::BeamEingaben koax = beispiel.eingaben;
    koax.vkRechner = false;
    koax.vk = z[QStringLiteral("fr_kabel_vk")];
    z[QStringLiteral("fr_lgd_koax")] = meterText(rechner::rechneBeam(koax, QDate::currentDate()).werte.out.LgD);

    // Outside every band: the report's band text and the frequency line below it.
    BauDraht anders = draht;
    anders.frequenz = AndereFrequenz;
    anders.bereich = QStringLiteral("ssb");
    const rechner::BeamLauf aussen = bauBeispiel(anders);
    z[QStringLiteral("fr_andere_f")] = mhzText(aussen.werte.f);
    z[QStringLiteral("fr_andere_band")] = aussen.bericht.bandText;
    z[QStringLiteral("fr_andere_zeile4")] = html(reportLine(4, aussen.bericht).trimmed());
    z[QStringLiteral("fr_andere_zeile5")] = html(reportLine(5, aussen.bericht).trimmed());
    const auto [von, bis] = bandGrenzen(BandMHz);
    z[QStringLiteral("fr_band_von")] = mhzText(von);
    z[QStringLiteral("fr_band_bis")] = mhzText(bis);
    z[QStringLiteral("fr_band_cw")] = bandFrequenzText(1, BandMHz, Komma).value_or(QString());
    z[QStringLiteral("fr_band_ssb")] = bandFrequenzText(2, BandMHz, Komma).value_or(QString());
    z[QStringLiteral("fr_band_mitte")] = bandFrequenzText(3, BandMHz, Komma).value_or(QString());
    z[QStringLiteral("fr_band_knopf")] = formatSingle(BandMHz, u"#0", Komma);

    // The additional dipole, exactly as the command line prints it.
    QString ausgabe, fehler;
    QTextStream out(&ausgabe), err(&fehler);
    // A command that refuses its own example stops the build rather than print its complaint.
    if (rechner::zentavikRechner(DipolBefehl, out, err) != rechner::Erfolg) {
        err.flush();
        qFatal("Hilfe: %s", qPrintable(fehler));
    }
    out.flush();
    z[QStringLiteral("fr_dipol_befehl")] = html(befehlsZeilen(DipolBefehl));
    z[QStringLiteral("fr_dipol_ausgabe")] = html(ausgabe.trimmed());
    return z;
}

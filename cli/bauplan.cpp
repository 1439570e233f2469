#include "cli/bauplan.h"

#include "platform/dateischreiber.h"
#include "plan/bauplandatei.h"

#include <QTextStream>

namespace rechner {

BauplanDaten bauplanDaten(const BeamLauf& lauf)
{
    BauplanDaten d;
    d.werte = lauf.werte;
    d.bereich = lauf.eingaben.bereich;
    d.frequenz = lauf.text1;
    d.vkEingegeben = lauf.eingaben.vk;
    d.vkVerwendet = lauf.text4;
    d.isolierung = lauf.combo1;
    d.isoliert = lauf.bericht.insulated;
    d.aussen = lauf.text6;
    d.leiter = lauf.text7;
    d.zusatzVerkuerzung = lauf.zusatzVerkuerzung;
    d.vollwelle = lauf.bericht.vollwelle;
    if (lauf.eingaben.vkRechner)
        d.vkRechner = BauplanVkRechner{lauf.eingaben.hoehe, lauf.eingaben.vkDurchmesser, lauf.eingaben.erdbodenKorrektur};
    d.datum = lauf.bericht.date;
    return d;
}

int bauplanBefehl(const QStringList& argumente, QTextStream& out, QTextStream& err)
{
    QList<OptionDef> optionen = beamOptionen(true);
    optionen << OptionDef{QStringLiteral("datei"), QStringLiteral("PFAD"),
                          QStringLiteral("Zieldatei (Vorgabe %1 bzw. %2)").arg(BauplanPdfName, BauplanSvgName)}
             << OptionDef{QStringLiteral("svg"), QString(), QStringLiteral("als SVG statt als PDF schreiben")}
             << OptionDef{QStringLiteral("leise"), QString(), QStringLiteral("nicht melden, was geschrieben wurde")};
    Befehl befehl(QStringLiteral("bauplan"),
                  QStringLiteral("Zeichnet einen Bauplan mit allen berechneten Maßen, Zuschnittliste und Trimmhilfe auf eine DIN-A4-Seite."),
                  optionen);
    if (!befehl.lies(argumente, out))
        return Erfolg;
    const bool svg = befehl.gesetzt(QStringLiteral("svg"));
    const QString pfad = befehl.gesetzt(QStringLiteral("datei")) ? befehl.dateiName(QStringLiteral("datei"))
                         : svg ? BauplanSvgName : BauplanPdfName;
    const BeamLauf lauf = rechneBeam(beamEingaben(befehl, true), QDate::currentDate());
    meldeHinweise(lauf.hinweise, err);
    const BauplanDaten daten = bauplanDaten(lauf);
    // A plan is cut and built from: one that cannot be is refused, naming what it follows from.
    if (const auto nein = bauplanAblehnung(daten)) {
        const BeamEingaben& e = lauf.eingaben;
        const QString option = nein->ursache == BauplanAblehnung::Ursache::Frequenz ? e.genannt(QStringLiteral("frequenz"), e.frequenz)
                               : e.vkRechner                                         ? e.genannt(QStringLiteral("hoehe"), e.hoehe)
                                                                                     : e.genannt(QStringLiteral("vk"), e.vk);
        throw FalscheEingabe{option, nein->grund};
    }
    schreibeDatei(pfad, svg ? bauplanSvg(daten) : bauplanPdf(daten), DateiSchreiber::Sonderdateien::AnOrtBeschreiben);
    if (!befehl.gesetzt(QStringLiteral("leise")))
        out << QStringLiteral("Bauplan geschrieben: %1 (%2, DIN A4 hoch)\n").arg(pfad, svg ? QStringLiteral("SVG") : QStringLiteral("PDF"));
    return Erfolg;
}

} // namespace rechner

#include "cli/vkbefehl.h"

#include "calculators/messungtext.h"
#include "calculators/pruning.h"
#include "cli/befehl.h"
#include "cli/json.h"
#include "cli/messungbefehl.h"
#include "common/numbertext.h"
#include "vf/vkcalculation.h"

#include <QTextStream>

#include <initializer_list>
#include <utility>

namespace rechner {
namespace {

const QString Komma = QStringLiteral(",");

QString mitBereich(const QString& text, bool ausserhalb, const char* bereich)
{
    return ausserhalb ? text + QStringLiteral(" (außerhalb %1)").arg(QString::fromUtf8(bereich)) : text;
}

using Texte = std::initializer_list<std::pair<const char*, QString>>;
using Schalter = std::initializer_list<std::pair<const char*, bool>>;
using Werte = std::initializer_list<std::pair<const char*, float>>;

// What both calculators print with --json: the inputs as given (switches last), the texts
// their window shows, what it marks, and the single-precision values behind the texts.
QString rechnerJson(Texte eingaben, Schalter eingabeSchalter, Texte texte, Schalter merkmale, Werte werte)
{
    JsonWriter j;
    j.beginObject();
    j.key(QStringLiteral("eingaben")).beginObject();
    j.members(eingaben).members(eingabeSchalter);
    j.endObject();
    j.key(QStringLiteral("texte")).beginObject();
    j.members(texte);
    j.endObject();
    j.members(merkmale);
    j.key(QStringLiteral("werte")).beginObject();
    j.members(werte);
    j.endObject();
    j.endObject();
    return j.text();
}

} // namespace

int vkBefehl(const QStringList& argumente, QTextStream& out, QTextStream& err)
{
    Befehl befehl(QStringLiteral("vk"),
                  QStringLiteral("Schätzt den Verkürzungsfaktor eines Drahtdipols aus Schlankheitsgrad und Höhe über Grund."),
                  {{QStringLiteral("frequenz"), QStringLiteral("MHZ"), QStringLiteral("Resonanzfrequenz der Antenne in MHz (Vorgabe 50,2)")},
                   {QStringLiteral("hoehe"), QStringLiteral("M"), QStringLiteral("Höhe über Erdboden in m (Vorgabe 3,0 ab 50 MHz, sonst 10,0)")},
                   {QStringLiteral("durchmesser"), QStringLiteral("MM"), QStringLiteral("Drahtdurchmesser in mm (Vorgabe 3,57)")},
                   {QStringLiteral("erdbodenkorrektur"), QString(), QStringLiteral("Erdbodenkorrektur einschalten")},
                   {QStringLiteral("json"), QString(), QStringLiteral("Eingaben, Texte und Werte als JSON ausgeben")}});
    if (!befehl.lies(argumente, out))
        return Erfolg;
    // The start values of the calculator: the beam form's frequency and conductor diameter.
    VkEingabe e;
    e.frequenz = befehl.gesetzt(QStringLiteral("frequenz")) ? befehl.wert(QStringLiteral("frequenz")) : QStringLiteral("50,2");
    e.hoehe = befehl.gesetzt(QStringLiteral("hoehe")) ? befehl.wert(QStringLiteral("hoehe")) : VkStartHoehe(e.frequenz, Komma);
    e.durchmesser = befehl.gesetzt(QStringLiteral("durchmesser")) ? befehl.wert(QStringLiteral("durchmesser")) : QStringLiteral("3,57");
    e.erdbodenKorrektur = befehl.gesetzt(QStringLiteral("erdbodenkorrektur"));
    const VkRechnung r = VkBerechnen(e, Komma);
    if (r.stopp == VkFeld::Text1) {
        pruefeFeldZahl(QStringLiteral("--frequenz"), e.frequenz);
        throw FalscheEingabe{QStringLiteral("--frequenz"), r.grund};
    }
    if (r.stopp == VkFeld::Text2) {
        pruefeFeldZahl(QStringLiteral("--hoehe"), e.hoehe);
        throw FalscheEingabe{QStringLiteral("--hoehe"), r.grund};
    }
    const QString durchmesser = r.durchmesserText.value_or(e.durchmesser);
    if (r.durchmesserText)
        meldeHinweise({QStringLiteral("%1: auf %2 mm korrigiert")
                           .arg(optionsName(QStringLiteral("--durchmesser"), befehl.gesetzt(QStringLiteral("durchmesser")), e.durchmesser), durchmesser)},
                      err);
    const VkUebergabe uebergabe = VkUebergeben(r.vkErgebnis, e.frequenz, Komma);

    if (befehl.gesetzt(QStringLiteral("json"))) {
        out << rechnerJson({{"frequenz", e.frequenz}, {"hoehe", e.hoehe}, {"durchmesser", e.durchmesser}},
                           {{"erdbodenkorrektur", e.erdbodenKorrektur}},
                           {{"durchmesser", durchmesser}, {"schlankheit", r.schlankheit}, {"erdboden", r.erdboden}, {"vk", r.vk},
                            {"uebergabe", uebergabe.vkText}},
                           {{"durchmesser_korrigiert", r.durchmesserText.has_value()},
                            {"schlankheit_ausserhalb", r.schlankheitRot},
                            {"erdboden_ausserhalb", r.erdbodenRot}},
                           {{"f", r.f}, {"h", r.h}, {"d", r.d}, {"s", r.s}, {"g", r.g}, {"v", r.v}, {"c", r.c}, {"VkErgebnis", r.vkErgebnis}});
        return Erfolg;
    }
    out << QStringLiteral("Frequenz: ") << e.frequenz << QStringLiteral(" MHz\n")
        << QStringLiteral("Antennenhöhe: ") << e.hoehe << QStringLiteral(" m\n")
        << QStringLiteral("Drahtdurchmesser: ") << durchmesser << QStringLiteral(" mm\n")
        << QStringLiteral("Verkürzung in % durch Schlankheitsgrad: ") << mitBereich(r.schlankheit, r.schlankheitRot, "2 - 9") << u'\n'
        << QStringLiteral("Verkürzung in % durch Antennenhöhe: ") << mitBereich(r.erdboden, r.erdbodenRot, "2 - 10") << u'\n'
        << QStringLiteral("voraussichtlicher Verkürzungsfaktor: ") << r.vk << u'\n'
        << QStringLiteral("Übergabe an die Zentavik-Berechnung: ") << uebergabe.vkText << u'\n';
    return Erfolg;
}

int pruningBefehl(const QStringList& argumente, QTextStream& out, QTextStream&)
{
    Befehl befehl(QStringLiteral("pruning"),
                  QStringLiteral("Berechnet aus gemessener Länge und Resonanz, um wie viel Strahler und Reflektor zu ändern sind."),
                  {{QStringLiteral("laenge"), QStringLiteral("M"), QStringLiteral("ist Antennenlänge LgD in m")},
                   {QStringLiteral("ist"), QStringLiteral("MHZ"), QStringLiteral("ist Resonanzfrequenz (gemessen) in MHz")},
                   {QStringLiteral("soll"), QStringLiteral("MHZ"), QStringLiteral("soll Resonanzfrequenz (gewünscht) in MHz")},
                   {QStringLiteral("messung"), QStringLiteral("DATEI"),
                    QStringLiteral("ist Resonanzfrequenz aus dem Sweep eines Antennenanalysators (.s1p) statt --ist")},
                   {QStringLiteral("geraet"), QStringLiteral("ANSCHLUSS"),
                    QStringLiteral("ist Resonanzfrequenz mit dem Analysator am seriellen Anschluss gemessen, um --soll, statt --ist")},
                   {QStringLiteral("json"), QString(), QStringLiteral("Eingaben, Texte und Werte als JSON ausgeben")}});
    if (!befehl.lies(argumente, out))
        return Erfolg;
    PruningEingabe e{befehl.wert(QStringLiteral("laenge")), befehl.wert(QStringLiteral("ist")), befehl.wert(QStringLiteral("soll"))};
    // The measured resonance from a sweep goes in as the window's field takes it when loaded.
    std::optional<Resonanz> messung;
    const bool mitGeraet = befehl.gesetzt(QStringLiteral("geraet"));
    const QString messOption = mitGeraet ? QStringLiteral("--geraet") : QStringLiteral("--messung");
    if (mitGeraet && befehl.gesetzt(QStringLiteral("messung")))
        throw FalscheEingabe{QStringLiteral("--geraet"), QStringLiteral("entweder --messung oder --geraet angeben, nicht beide")};
    if (mitGeraet || befehl.gesetzt(QStringLiteral("messung"))) {
        if (befehl.gesetzt(QStringLiteral("ist")))
            throw FalscheEingabe{messOption, QStringLiteral("entweder --ist oder %1 angeben, nicht beide").arg(messOption)};
        if (mitGeraet) {
            // The sweep is centred on the wanted resonance.
            pruefeFeldZahl(QStringLiteral("--soll"), e.fSoll);
            const double soll = e.fSoll.trimmed().isEmpty() ? 0 : double(ZahlAusText(e.fSoll));
            if (!(soll > 0))
                throw FalscheEingabe{QStringLiteral("--soll"), QStringLiteral("mit --geraet nötig: die Mitte des Messbereichs")};
            messung = messeMitGeraet(messOption, befehl.wert(QStringLiteral("geraet")), bereichUmSoll(QStringLiteral("--soll"), soll * 1e6)).resonanz;
        } else {
            messung = leseMessungFuer(messOption, befehl.dateiName(QStringLiteral("messung"))).resonanz;
        }
        e.fIst = mhzText(messung->frequenz);
    }
    const PruningErgebnis r = PruningBerechnen(e, Komma);
    // A measured resonance the calculation refuses came from the sweep, not from a typed --ist.
    const QString istOption = messung ? messOption : QStringLiteral("--ist");
    // A field given a text that is no number, or one too large, is refused with that reason.
    switch (r.stopp) {
    case PruningFeld::Keins: break;
    case PruningFeld::Text1: pruefeFeldZahl(QStringLiteral("--laenge"), e.laenge); break;
    case PruningFeld::Text2: pruefeFeldZahl(istOption, e.fIst); break;
    case PruningFeld::Text3: pruefeFeldZahl(QStringLiteral("--soll"), e.fSoll); break;
    }
    switch (r.stopp) {
    case PruningFeld::Keins: break;
    case PruningFeld::Text1: throw FalscheEingabe{QStringLiteral("--laenge"), r.grund};
    case PruningFeld::Text2: throw FalscheEingabe{istOption, r.grund};
    case PruningFeld::Text3: throw FalscheEingabe{QStringLiteral("--soll"), r.grund};
    }
    if (befehl.gesetzt(QStringLiteral("json"))) {
        out << rechnerJson({{"laenge", e.laenge}, {"ist", e.fIst}, {"soll", e.fSoll}}, {},
                           {{"vf_gesamt", r.vfGesamt}, {"laenge_neu", r.laengeNeu}, {"aenderung_LgD", r.aenderungLgD},
                            {"aenderung_LgR", r.aenderungLgR}},
                           {{"vf_ueber_1", r.vfRot}},
                           {{"LgDIst", r.LgDIst}, {"fIst", r.fIst}, {"fSoll", r.fSoll}, {"q", r.q}, {"VFges", r.VFges},
                            {"LgDNeu", r.LgDNeu}, {"dLgD", r.dLgD}, {"dLgR", r.dLgR}});
        return Erfolg;
    }
    if (messung)
        out << QStringLiteral("ist Resonanzfrequenz aus der Messung: ") << e.fIst << QStringLiteral(" MHz (") << regelText(messung->regel) << QStringLiteral(")\n");
    out << QStringLiteral("VF gesamt: ") << r.vfGesamt << (r.vfRot ? QStringLiteral(" (über 1)") : QString()) << u'\n'
        << QStringLiteral("Antennenlänge LgD neu: ") << r.laengeNeu << QStringLiteral(" m\n")
        << QStringLiteral("Länge LgD ändern um: ") << r.aenderungLgD << QStringLiteral(" mm\n")
        << QStringLiteral("Länge LgR ändern um: ") << r.aenderungLgR << QStringLiteral(" mm\n");
    return Erfolg;
}

} // namespace rechner

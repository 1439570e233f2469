#include "cli/vkbefehl.h"

#include "calculators/pruning.h"
#include "cli/befehl.h"
#include "cli/json.h"
#include "vf/vkcalculation.h"

#include <QTextStream>

namespace rechner {
namespace {

const QString Komma = QStringLiteral(",");

QString mitBereich(const QString& text, bool ausserhalb, const char* bereich)
{
    return ausserhalb ? text + QStringLiteral(" (außerhalb %1)").arg(QString::fromUtf8(bereich)) : text;
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
    if (r.stopp == VkFeld::Text1)
        throw FalscheEingabe{QStringLiteral("--frequenz"), QStringLiteral("die Frequenz fehlt (0 oder keine Zahl)")};
    if (r.stopp == VkFeld::Text2)
        throw FalscheEingabe{QStringLiteral("--hoehe"), QStringLiteral("die Antennenhöhe muss mindestens 0,01 m betragen")};
    const QString durchmesser = r.durchmesserText.value_or(e.durchmesser);
    if (r.durchmesserText)
        meldeHinweise({QStringLiteral("--durchmesser: auf %1 mm korrigiert").arg(durchmesser)}, err);
    const VkUebergabe uebergabe = VkUebergeben(r.vkErgebnis, e.frequenz, Komma);

    if (befehl.gesetzt(QStringLiteral("json"))) {
        JsonWriter j;
        j.beginObject();
        j.key(QStringLiteral("eingaben")).beginObject();
        j.key(QStringLiteral("frequenz")).value(e.frequenz);
        j.key(QStringLiteral("hoehe")).value(e.hoehe);
        j.key(QStringLiteral("durchmesser")).value(e.durchmesser);
        j.key(QStringLiteral("erdbodenkorrektur")).value(e.erdbodenKorrektur);
        j.endObject();
        j.key(QStringLiteral("texte")).beginObject();
        j.key(QStringLiteral("durchmesser")).value(durchmesser);
        j.key(QStringLiteral("schlankheit")).value(r.schlankheit);
        j.key(QStringLiteral("erdboden")).value(r.erdboden);
        j.key(QStringLiteral("vk")).value(r.vk);
        j.key(QStringLiteral("uebergabe")).value(uebergabe.vkText);
        j.endObject();
        j.key(QStringLiteral("durchmesser_korrigiert")).value(r.durchmesserText.has_value());
        j.key(QStringLiteral("schlankheit_ausserhalb")).value(r.schlankheitRot);
        j.key(QStringLiteral("erdboden_ausserhalb")).value(r.erdbodenRot);
        j.key(QStringLiteral("werte")).beginObject();
        const std::pair<const char*, float> werte[] = {{"f", r.f}, {"h", r.h}, {"d", r.d}, {"s", r.s}, {"g", r.g},
                                                       {"v", r.v}, {"c", r.c}, {"VkErgebnis", r.vkErgebnis}};
        for (const auto& [name, wert] : werte)
            j.key(QString::fromLatin1(name)).value(wert);
        j.endObject();
        j.endObject();
        out << j.text();
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
                   {QStringLiteral("json"), QString(), QStringLiteral("Eingaben, Texte und Werte als JSON ausgeben")}});
    if (!befehl.lies(argumente, out))
        return Erfolg;
    const PruningEingabe e{befehl.wert(QStringLiteral("laenge")), befehl.wert(QStringLiteral("ist")), befehl.wert(QStringLiteral("soll"))};
    const PruningErgebnis r = PruningBerechnen(e, Komma);
    switch (r.stopp) {
    case PruningFeld::Keins: break;
    case PruningFeld::Text1:
        throw FalscheEingabe{QStringLiteral("--laenge"), QStringLiteral("die jetzige Antennenlänge fehlt (0 oder keine Zahl)")};
    case PruningFeld::Text2:
        throw FalscheEingabe{QStringLiteral("--ist"), QStringLiteral("die gemessene Resonanzfrequenz fehlt (0 oder keine Zahl)")};
    case PruningFeld::Text3:
        if (r.fSoll == 0)
            throw FalscheEingabe{QStringLiteral("--soll"), QStringLiteral("die gewünschte Resonanzfrequenz fehlt (0 oder keine Zahl)")};
        throw FalscheEingabe{QStringLiteral("--soll"),
                             QStringLiteral("zu weit von der gemessenen Resonanz (--ist / --soll muss zwischen 0,66 und 1,3 liegen)")};
    }
    if (befehl.gesetzt(QStringLiteral("json"))) {
        JsonWriter j;
        j.beginObject();
        j.key(QStringLiteral("eingaben")).beginObject();
        j.key(QStringLiteral("laenge")).value(e.laenge);
        j.key(QStringLiteral("ist")).value(e.fIst);
        j.key(QStringLiteral("soll")).value(e.fSoll);
        j.endObject();
        j.key(QStringLiteral("texte")).beginObject();
        j.key(QStringLiteral("vf_gesamt")).value(r.vfGesamt);
        j.key(QStringLiteral("laenge_neu")).value(r.laengeNeu);
        j.key(QStringLiteral("aenderung_LgD")).value(r.aenderungLgD);
        j.key(QStringLiteral("aenderung_LgR")).value(r.aenderungLgR);
        j.endObject();
        j.key(QStringLiteral("vf_ueber_1")).value(r.vfRot);
        j.key(QStringLiteral("werte")).beginObject();
        const std::pair<const char*, float> werte[] = {{"LgDIst", r.LgDIst}, {"fIst", r.fIst}, {"fSoll", r.fSoll}, {"q", r.q},
                                                       {"VFges", r.VFges}, {"LgDNeu", r.LgDNeu}, {"dLgD", r.dLgD}, {"dLgR", r.dLgR}};
        for (const auto& [name, wert] : werte)
            j.key(QString::fromLatin1(name)).value(wert);
        j.endObject();
        j.endObject();
        out << j.text();
        return Erfolg;
    }
    out << QStringLiteral("VF gesamt: ") << r.vfGesamt << (r.vfRot ? QStringLiteral(" (über 1)") : QString()) << u'\n'
        << QStringLiteral("Antennenlänge LgD neu: ") << r.laengeNeu << QStringLiteral(" m\n")
        << QStringLiteral("Länge LgD ändern um: ") << r.aenderungLgD << QStringLiteral(" mm\n")
        << QStringLiteral("Länge LgR ändern um: ") << r.aenderungLgR << QStringLiteral(" mm\n");
    return Erfolg;
}

} // namespace rechner

#include "cli/dipolbefehl.h"

#include "beam/eingaben.h"
#include "cli/json.h"
#include "common/ablehnungen.h"
#include "common/numberformat.h"
#include "common/numbertext.h"

#include <QTextStream>

namespace rechner {
namespace {

const QString Komma = QStringLiteral(",");

// The option that sets a field.
QString optionFuer(ZusatzDipolFeld feld)
{
    switch (feld) {
    case ZusatzDipolFeld::Text1: return QStringLiteral("--resonanz");
    case ZusatzDipolFeld::Text2: return QStringLiteral("--unterste");
    case ZusatzDipolFeld::Text3: return QStringLiteral("--impedanz");
    case ZusatzDipolFeld::Text4: return QStringLiteral("--durchmesser");
    case ZusatzDipolFeld::Text5: return QStringLiteral("--erreger-durchmesser");
    case ZusatzDipolFeld::Text6: return QStringLiteral("--vk");
    case ZusatzDipolFeld::Keins: break;
    }
    return QString();
}

// A field left to its start value took it from another option (or from nothing); the line
// that refuses it says so, or the user looks in vain at an option never typed.
QString herkunft(const DipolLauf& lauf, ZusatzDipolFeld feld)
{
    const DipolEingaben& e = lauf.eingaben;
    const bool rechner = e.beam.vkRechner;
    const QString ausDurchmesser = rechner ? QStringLiteral(" (Vorgabe des VF-Rechners)") : QStringLiteral(" (Vorgabe aus --leiter)");
    switch (feld) {
    case ZusatzDipolFeld::Text1: return e.resonanz ? QString() : QStringLiteral(" (nicht angegeben)");
    case ZusatzDipolFeld::Text2: return e.unterste || rechner ? QString() : QStringLiteral(" (nicht angegeben)");
    case ZusatzDipolFeld::Text4: return e.durchmesser ? QString() : ausDurchmesser;
    case ZusatzDipolFeld::Text5: return e.erregerDurchmesser ? QString() : ausDurchmesser;
    default: return QString();
    }
}

// The text of the field the window refused.
QString feldText(const ZusatzDipolEingaben& f, ZusatzDipolFeld feld)
{
    switch (feld) {
    case ZusatzDipolFeld::Text1: return f.text1;
    case ZusatzDipolFeld::Text2: return f.text2;
    case ZusatzDipolFeld::Text3: return f.text3;
    case ZusatzDipolFeld::Text4: return f.text4;
    case ZusatzDipolFeld::Text5: return f.text5;
    case ZusatzDipolFeld::Text6: return f.text6;
    case ZusatzDipolFeld::Keins: break;
    }
    return QString();
}

// An option a message mentions in passing: as typed, or as the default it was.
QString erwaehnt(const QString& option, bool gesetzt, const QString& vorgabe)
{
    return gesetzt ? option : QStringLiteral("Vorgabe von %1: %2").arg(option, vorgabe);
}

// The window beeps and puts the focus into a field; here that is one line and status 2,
// with the window's reason for the field's last beep.
[[noreturn]] void verweigere(const DipolLauf& lauf)
{
    const ZusatzDipolErgebnis& r = lauf.ergebnis;
    const QString option = optionFuer(r.fokus);
    const QString grund = r.gruende.value(r.gruende.size() - 1);
    // A typed text that holds no number, or one too large, is refused for that first.
    if (herkunft(lauf, r.fokus).isEmpty())
        pruefeFeldZahl(option, feldText(lauf.felder, r.fokus));
    // A wire too thick for its place names its option with the default it took.
    const QString draht = option + herkunft(lauf, r.fokus);
    if (r.fokus == ZusatzDipolFeld::Text5 && r.text5) {
        // With the calculator the limit is half its height, which the line names as given.
        const QString hoehe = lauf.beam.vkRechner ? erwaehnt(QStringLiteral("--hoehe"), lauf.beam.gesetzt.contains(QStringLiteral("hoehe")),
                                                             lauf.beam.hoehe + QStringLiteral(" m"))
                                                  : QString();
        throw FalscheEingabe{draht, ablehnung::erregerDrahtZuDick(*r.text5, lauf.beam.vkRechner, hoehe)};
    }
    // Not a zero field: the field was read, so it failed the gap between the wires.
    if (r.fokus == ZusatzDipolFeld::Text4 && ZahlAusText(lauf.felder.text4) > 0)
        throw FalscheEingabe{draht, grund};
    throw FalscheEingabe{option, grund + herkunft(lauf, r.fokus)};
}

} // namespace

QList<OptionDef> dipolOptionen()
{
    QList<OptionDef> o{
        {QStringLiteral("resonanz"), QStringLiteral("MHZ"), QStringLiteral("gewünschte Resonanzfrequenz des Zusatzdipols in MHz")},
        {QStringLiteral("impedanz"), QStringLiteral("OHM"), QStringLiteral("gewünschte Impedanz im Speisepunkt in Ohm (Vorgabe 300)")},
        {QStringLiteral("durchmesser"), QStringLiteral("MM"),
         QStringLiteral("Drahtdurchmesser des Zusatzdipols in mm (Vorgabe: --leiter, mit VF-Rechner dessen Durchmesser)")},
        {QStringLiteral("unterste"), QStringLiteral("MHZ"),
         QStringLiteral("unterste Resonanzfrequenz des Erreger-Dipols in MHz (mit VF-Rechner Vorgabe 50,2; "
                        "VF-Rechner und Zentavik-Berechnung rechnen mit dieser Frequenz)")},
        {QStringLiteral("erreger-durchmesser"), QStringLiteral("MM"),
         QStringLiteral("Drahtdurchmesser des Erreger-Dipols in mm (Vorgabe wie --durchmesser)")},
    };
    for (OptionDef d : beamOptionen(false)) {
        if (d.name == QStringLiteral("vk")) {
            d.beschreibung = QStringLiteral("Verkürzungsfaktor des Drahtes, über 0 bis 1 (Vorgabe 1,00, mit VF-Rechner 0,946; "
                                            "mit VF-Rechner rechnet die Erdbodenkorrektur ihn neu)");
            o << d
              << OptionDef{QStringLiteral("beam-vk"), QStringLiteral("VK"),
                           QStringLiteral("Verkürzungsfaktor der Zentavik-Berechnung, deren Zusatzverkürzung durch die Isolierung "
                                          "der Zusatzdipol übernimmt, über 0 bis 1 (Vorgabe: --vk)")};
            continue;
        }
        if (d.name == QStringLiteral("leiter"))
            d.beschreibung = QStringLiteral("Leiterdurchmesser in mm der Zentavik-Berechnung (Vorgabe 3,57), "
                                            "ohne VF-Rechner Vorgabe beider Drahtdurchmesser");
        o << d;
    }
    o << OptionDef{QStringLiteral("info"), QString(), QStringLiteral("die Bedingungen der Berechnung anzeigen und beenden")}
      << OptionDef{QStringLiteral("json"), QString(), QStringLiteral("Eingaben, Texte und Werte als JSON ausgeben")};
    return o;
}

DipolEingaben dipolEingaben(const Befehl& befehl)
{
    DipolEingaben e;
    // The beam calculation has a factor of its own when one is given, else the dipole's.
    e.beam = beamEingaben(befehl, false, befehl.gesetzt(QStringLiteral("beam-vk")) ? QStringLiteral("beam-vk") : QStringLiteral("vk"));
    // The window's fields take any text: what is no number above 0 is refused when it computes.
    const std::pair<const char*, std::optional<QString>*> felder[] = {
        {"resonanz", &e.resonanz}, {"unterste", &e.unterste}, {"impedanz", &e.impedanz},
        {"durchmesser", &e.durchmesser}, {"erreger-durchmesser", &e.erregerDurchmesser}, {"vk", &e.vk}};
    for (const auto& [name, feld] : felder) {
        if (befehl.gesetzt(QString::fromLatin1(name)))
            *feld = befehl.wert(QString::fromLatin1(name));
    }
    // The dipole's own factor keeps the checks it has as the beam's factor, also when the beam
    // has a factor of its own.
    if (e.vk && befehl.gesetzt(QStringLiteral("beam-vk"))) {
        pruefeZahlText(QStringLiteral("--vk"), *e.vk, 7);
        if (pruefeVk(liesFeld(*e.vk)) == VkPruefung::Ungueltig)
            throw FalscheEingabe{QStringLiteral("--vk"), ablehnung::vkUngueltig()};
    }
    return e;
}

DipolLauf rechneDipol(const DipolEingaben& eingaben, const QDate& heute)
{
    DipolLauf lauf;
    lauf.eingaben = eingaben;
    BeamEingaben beam = eingaben.beam;
    // The calculator hands its frequency to the beam form and to this window alike: both work
    // at the driven dipole's lowest resonance when one is given.
    if (beam.vkRechner && eingaben.unterste) {
        try {
            if (ZahlAusText(*eingaben.unterste) > 0)
                beam.frequenz = *eingaben.unterste;
        } catch (const Failure&) {
            // Beyond any number: the window's own reading of the field reports it.
        }
    }
    const BeamLauf vorher = rechneBeam(beam, heute);
    lauf.zusatzVerkuerzung = vorher.zusatzVerkuerzung;
    lauf.vollwelle = vorher.bericht.vollwelle;
    lauf.hinweise = vorher.hinweise;
    lauf.beam = vorher.eingaben;

    std::optional<KommandozeilenVkRechner> rechner;
    if (vorher.eingaben.vkRechner)
        rechner.emplace(vorher.eingaben.hoehe, vorher.eingaben.vkDurchmesser, vorher.eingaben.erdbodenKorrektur);

    // The window opens after that calculation and takes over what the other forms hold.
    ZusatzDipolVorgaben v;
    v.rechnerAktiv = rechner.has_value();
    v.rechnerFrequenz = vorher.eingaben.frequenz;
    v.rechnerDurchmesser = vorher.eingaben.vkDurchmesser;
    v.beamDurchmesser = vorher.text7;
    v.beamVk = eingaben.beam.vk;
    ZusatzDipolEingaben f = ZusatzDipolStartwerte(v, Komma);
    f.text1 = eingaben.resonanz.value_or(f.text1);
    f.text2 = eingaben.unterste.value_or(f.text2);
    f.text3 = eingaben.impedanz.value_or(f.text3);
    f.text4 = eingaben.durchmesser.value_or(f.text4);
    f.text5 = eingaben.erregerDurchmesser.value_or(f.text5);
    f.text6 = eingaben.vk.value_or(f.text6);
    lauf.felder = f;

    lauf.ergebnis = ZusatzDipolRechnen(f, lauf.zusatzVerkuerzung, rechner ? &*rechner : nullptr, Komma);
    if (lauf.ergebnis.fehler)
        throw *lauf.ergebnis.fehler;
    if (!lauf.ergebnis.gerechnet)
        verweigere(lauf);
    // The window beeps at a wanted resonance below the lowest one and puts the focus into the
    // field: the additional dipole would be longer than the driven one, which the design does
    // not allow. Here that is bad input like every other beep into a field.
    if (lauf.ergebnis.fokus == ZusatzDipolFeld::Text1)
        throw FalscheEingabe{QStringLiteral("--resonanz"),
                             ablehnung::resonanzUnterErreger(
                                 erwaehnt(QStringLiteral("--unterste"), eingaben.unterste.has_value(), f.text2 + QStringLiteral(" MHz")))};
    return lauf;
}

QString dipolText(const DipolLauf& l)
{
    const ZusatzDipolEingaben& f = l.felder;
    const ZusatzDipolErgebnis& r = l.ergebnis;
    QString text;
    QTextStream s(&text);
    s << QStringLiteral("Zusatzdipol\n")
      << QStringLiteral("  gewünschte Resonanzfrequenz [MHz]: ") << f.text1 << u'\n'
      << QStringLiteral("  gewünschte Impedanz im Speisepunkt [Ohm]: ") << f.text3 << u'\n'
      << QStringLiteral("  Draht-Durchmesser [mm]: ") << r.text4.value_or(f.text4) << u'\n'
      << QStringLiteral("  Abstand zwischen den Antennendrähten [mm]: ") << r.label8.value_or(QString()) << u'\n'
      << QStringLiteral("  Länge Zusatzdipol [m]: ") << r.label10.value_or(QString()) << u'\n'
      << QStringLiteral("Erreger-Dipol (Stromsummenantenne o.ä.)\n")
      << QStringLiteral("  unterste Resonanzfrequenz [MHz]: ") << f.text2 << u'\n'
      << QStringLiteral("  Draht-Durchmesser [mm]: ") << r.text5.value_or(f.text5) << u'\n'
      << QStringLiteral("  Verkürzungsfaktor: ") << r.text6.value_or(f.text6) << u'\n';
    if (l.zusatzVerkuerzung != 0)
        s << QStringLiteral("Zusatzverkürzung durch Drahtisolierung: ")
          << formatDouble(l.zusatzVerkuerzung * 100, u"##0.0##", Komma) << QStringLiteral(" % (")
          << l.eingaben.beam.material << (l.vollwelle ? QStringLiteral(", Vollwellenmodell NEC-2)\n") : QStringLiteral(")\n"));
    s.flush();
    return text;
}

QString dipolJson(const DipolLauf& l)
{
    const DipolEingaben& e = l.eingaben;
    const ZusatzDipolEingaben& f = l.felder;
    const ZusatzDipolErgebnis& r = l.ergebnis;
    JsonWriter j;
    j.beginObject();
    j.key(QStringLiteral("eingaben")).beginObject();
    j.key(QStringLiteral("resonanz")).value(f.text1);
    j.key(QStringLiteral("unterste")).value(f.text2);
    j.key(QStringLiteral("impedanz")).value(f.text3);
    j.key(QStringLiteral("durchmesser")).value(f.text4);
    j.key(QStringLiteral("erreger-durchmesser")).value(f.text5);
    j.key(QStringLiteral("vk")).value(f.text6);
    j.key(QStringLiteral("beam-vk")).value(e.beam.vk);
    j.key(QStringLiteral("material")).value(e.beam.material);
    j.key(QStringLiteral("aussen")).value(e.beam.aussen);
    j.key(QStringLiteral("leiter")).value(e.beam.leiter);
    j.key(QStringLiteral("isolierung")).value(isolierModellWort(e.beam.isolierung));
    rechnerEingabenJson(j, l.beam);
    j.endObject();
    j.key(QStringLiteral("texte")).beginObject();
    j.key(QStringLiteral("durchmesser")).value(r.text4.value_or(f.text4));
    j.key(QStringLiteral("erreger-durchmesser")).value(r.text5.value_or(f.text5));
    j.key(QStringLiteral("vk")).value(r.text6.value_or(f.text6));
    j.key(QStringLiteral("abstand")).value(r.label8);
    j.key(QStringLiteral("laenge")).value(r.label10);
    j.endObject();
    j.key(QStringLiteral("resonanz_unter_erreger")).value(r.fokus == ZusatzDipolFeld::Text1);
    j.key(QStringLiteral("ZusatzVerkuerzung")).value(l.zusatzVerkuerzung);
    j.key(QStringLiteral("Isoliermodell"))
        .value(l.zusatzVerkuerzung == 0 && !l.vollwelle ? QStringLiteral("keins")
                                                         : isolierModellWort(l.vollwelle ? IsolierModell::Vollwelle : IsolierModell::Formel));
    j.key(QStringLiteral("werte")).beginObject();
    j.key(QStringLiteral("abstand_mm")).value(r.abstand);
    j.key(QStringLiteral("laenge_m")).value(r.laenge);
    j.key(QStringLiteral("vk_erreger")).value(r.vkErreger);
    j.endObject();
    j.endObject();
    return j.text();
}

int dipolBefehl(const QStringList& argumente, QTextStream& out, QTextStream& err)
{
    Befehl befehl(QStringLiteral("dipol"),
                  QStringLiteral("Berechnet einen strahlungsgekoppelten Zusatzdipol neben einem gespeisten Erreger-Dipol: "
                                 "Abstand der Drähte und Länge des Zusatzdipols."),
                  dipolOptionen());
    if (!befehl.lies(argumente, out))
        return Erfolg;
    if (befehl.gesetzt(QStringLiteral("info"))) {
        out << ZusatzDipolInfoText(QStringLiteral("\n")) << u'\n';
        return Erfolg;
    }
    const DipolLauf lauf = rechneDipol(dipolEingaben(befehl), QDate::currentDate());
    meldeHinweise(lauf.hinweise, err);
    out << (befehl.gesetzt(QStringLiteral("json")) ? dipolJson(lauf) : dipolText(lauf));
    return Erfolg;
}

} // namespace rechner

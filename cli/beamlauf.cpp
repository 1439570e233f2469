#include "cli/beamlauf.h"

#include "beam/bands.h"
#include "beam/eingaben.h"
#include "beam/insulation.h"
#include "cli/json.h"
#include "common/ablehnungen.h"
#include "common/cp1252.h"
#include "common/module1.h"
#include "common/numberformat.h"
#include "common/numbertext.h"
#include "common/version.h"
#include "platform/dateischreiber.h"
#include "platform/ui.h"
#include "vf/groundcorrection.h"
#include "vf/vkcalculation.h"

#include <QTextStream>

namespace rechner {
namespace {

const QString Komma = QStringLiteral(",");

// The beam form as the calculation sees it, held in texts.
class KommandozeilenForm final : public BeamFormPort {
public:
    explicit KommandozeilenForm(const BeamEingaben& e)
        : t1(e.frequenz), t4(e.vk), c1(e.material), t6(e.aussen), t7(e.leiter), range(e.bereich), modell(e.isolierung)
    {
    }

    QString t1, t4, c1, t6, t7, label3, label5, info = QStringLiteral("Hinweis: ");
    int range;
    IsolierModell modell;
    int band = AndereBand;
    QString fokus;

    QString text1() override { return t1; }
    QString text4() override { return t4; }
    QString combo1() override { return c1; }
    QString text6() override { return t6; }
    QString text7() override { return t7; }
    int selectedRange() override { return range; }
    void setText1(const QString& t) override { t1 = t; }
    void setText4(const QString& t) override { t4 = t; }
    void setLabel3(const QString& t) override { label3 = t; }
    void setLabel5(const QString& t) override { label5 = t; }
    void setInfo(const QString& t) override { info = t; }
    void selectBand(int b) override
    {
        if (b == band)
            return;
        // A changed selection works like a click: the band's frequency, results cleared.
        band = b;
        if (b < AndereBand) {
            if (const auto text = bandFrequenzText(range + 1, BandKnopfMHz[b], Komma))
                t1 = *text;
        }
        label3.clear();
        label5.clear();
    }
    void focusCombo1() override { fokus = QStringLiteral("Combo1"); }
    void focusText7() override { fokus = QStringLiteral("Text7"); }
    void enableCommand2() override {}
    void setStatus(const QString&) override {}
    IsolierModell isolierModell() override { return modell; }
};

// No one to ask: the one question of the calculation is answered by --er-bestaetigt.
class KommandozeilenDialoge final : public ui::SilentServices {
public:
    explicit KommandozeilenDialoge(bool bestaetigt) : bestaetigt(bestaetigt), vorher(&ui::services())
    {
        ui::install(this);
    }
    ~KommandozeilenDialoge() override { ui::install(vorher); }

    ui::Answer messageBox(const QString& text, const QString& title, ui::Buttons buttons, ui::Icon icon) override
    {
        if (buttons == ui::Buttons::YesNo)
            return bestaetigt ? ui::Answer::Yes : ui::Answer::No;
        return SilentServices::messageBox(text, title, buttons, icon);
    }

private:
    bool bestaetigt;
    ui::Services* vorher;
};

// The name part of a list entry: what follows the number.
QString materialName(const QString& eintrag)
{
    int i = 0;
    while (i < eintrag.size() && (eintrag[i].isDigit() || eintrag[i] == u',' || eintrag[i] == u'.'))
        ++i;
    return eintrag.mid(i).trimmed();
}

// Usual names of the list's materials that the list writes otherwise, word for word.
const std::pair<QLatin1String, QString> andereNamen[] = {
    {QLatin1String("Teflon"), QStringLiteral("PTFE")},        {QLatin1String("Oel"), QStringLiteral("Öl")},
    {QLatin1String("Epoxid"), QStringLiteral("Epoxyd")},      {QLatin1String("FR-4"), QStringLiteral("FR4")},
    {QLatin1String("Nylon"), QStringLiteral("Polyamid")},     {QLatin1String("Silicon"), QStringLiteral("Silikon")},
    {QLatin1String("Acrylglas"), QStringLiteral("Plexiglas")}, {QLatin1String("PMMA"), QStringLiteral("Plexiglas")},
    {QLatin1String("PS"), QStringLiteral("Polystyrol")},
};

QString mitListenNamen(const QString& eingabe)
{
    QStringList woerter = eingabe.split(u' ', Qt::SkipEmptyParts);
    for (QString& wort : woerter) {
        for (const auto& [anders, name] : andereNamen) {
            if (wort.compare(anders, Qt::CaseInsensitive) == 0)
                wort = name;
        }
    }
    return woerter.join(u' ');
}

} // namespace

QList<OptionDef> beamOptionen(bool mitFrequenz)
{
    QList<OptionDef> o;
    if (mitFrequenz)
        o << OptionDef{QStringLiteral("frequenz"), QStringLiteral("MHZ"), QStringLiteral("Resonanzfrequenz in MHz (Vorgabe 50,2; leer oder 0: 50,2)")};
    o << OptionDef{QStringLiteral("vk"), QStringLiteral("VK"), QStringLiteral("Verkürzungsfaktor des Drahtes, über 0 bis 1 (Vorgabe 1,00)")}
      << OptionDef{QStringLiteral("material"), QStringLiteral("ER|NAME"),
                   QStringLiteral("Isolierung: relative Dielektrizitätszahl oder Material der Liste, z. B. \"PVC\" (Vorgabe 1,00059 Luft)")}
      << OptionDef{QStringLiteral("aussen"), QStringLiteral("MM"), QStringLiteral("Außendurchmesser des isolierten Drahtes in mm (Vorgabe 6)")}
      << OptionDef{QStringLiteral("leiter"), QStringLiteral("MM"),
                   QStringLiteral("Leiterdurchmesser in mm (Vorgabe 3,57); der Außendurchmesser bleibt mindestens 0,1 mm größer, wenn --aussen fehlt")}
      << OptionDef{QStringLiteral("isolierung"), QStringLiteral("formel|vollwelle"),
                   QStringLiteral("Zusatzverkürzung isolierten Drahtes nach der Formel oder dem Vollwellenmodell mit nec2c (Vorgabe formel)")};
    if (mitFrequenz)
        o << OptionDef{QStringLiteral("bereich"), QStringLiteral("cw|ssb|mitte"),
                       QStringLiteral("Resonanz im Band für CW-Bereich, SSB-Bereich oder Bandmitte (Vorgabe ssb); ohne --frequenz die Bandfrequenz dazu")};
    o << OptionDef{QStringLiteral("hoehe"), QStringLiteral("M"), QStringLiteral("Antennenhöhe in m: der Verkürzungsfaktor wird wie im VF-Rechner für die Frequenz berechnet")}
      << OptionDef{QStringLiteral("vk-durchmesser"), QStringLiteral("MM"), QStringLiteral("Drahtdurchmesser des VF-Rechners in mm (Vorgabe: --leiter)")}
      << OptionDef{QStringLiteral("erdbodenkorrektur"), QString(), QStringLiteral("Erdbodenkorrektur des VF-Rechners einschalten")}
      << OptionDef{QStringLiteral("er-bestaetigt"), QString(), QStringLiteral("eine Dielektrizitätszahl über 20 ist gewollt")};
    return o;
}

QString materialText(const QString& eingabe)
{
    bool zahl = true;
    for (const QChar c : eingabe)
        zahl = zahl && ZifferZeichen.contains(c);
    if (zahl)
        return eingabe;
    const QStringList liste = isolierMaterialien(Komma);
    const QString gesucht = mitListenNamen(eingabe.simplified());
    // The whole name first, then one of its words ("PE", "FR4"), then a unique beginning.
    QStringList namen, wortTreffer, anfangTreffer;
    for (int i = 1; i < liste.size(); ++i) {
        const QString name = materialName(liste[i]);
        namen << name;
        if (name.compare(gesucht, Qt::CaseInsensitive) == 0 || liste[i].simplified().compare(gesucht, Qt::CaseInsensitive) == 0)
            return liste[i];
        if (name.split(u' ').contains(gesucht, Qt::CaseInsensitive))
            wortTreffer << liste[i];
        if (name.startsWith(gesucht, Qt::CaseInsensitive))
            anfangTreffer << liste[i];
    }
    if (!gesucht.isEmpty()) {
        if (wortTreffer.size() == 1)
            return wortTreffer.first();
        if (wortTreffer.isEmpty() && anfangTreffer.size() == 1)
            return anfangTreffer.first();
        const QStringList mehrere = wortTreffer.isEmpty() ? anfangTreffer : wortTreffer;
        if (mehrere.size() > 1) {
            QStringList gemeint;
            for (const QString& m : mehrere)
                gemeint << materialName(m);
            throw FalscheEingabe{QStringLiteral("--material"),
                                 QStringLiteral("\"%1\" ist mehrdeutig: %2").arg(eingabe, gemeint.join(QStringLiteral(", ")))};
        }
    }
    throw FalscheEingabe{QStringLiteral("--material"),
                         QStringLiteral("\"%1\" ist weder eine Zahl noch ein Material der Liste (%2)").arg(eingabe, namen.join(QStringLiteral(", ")))};
}

QString BeamEingaben::genannt(const QString& name, const QString& vorgabe) const
{
    return optionsName(QStringLiteral("--") + name, gesetzt.contains(name), vorgabe);
}

BeamEingaben beamEingaben(const Befehl& b, bool mitFrequenz, const QString& vkOption)
{
    BeamEingaben e;
    for (const OptionDef& o : beamOptionen(mitFrequenz)) {
        if (b.gesetzt(o.name))
            e.gesetzt << o.name;
    }
    auto zahl = [&b](const QString& option, QString& feld, int limit) {
        if (!b.gesetzt(option))
            return false;
        feld = b.wert(option);
        pruefeZahlText(QStringLiteral("--") + option, feld, limit);
        return true;
    };
    if (mitFrequenz) {
        const bool frequenz = zahl(QStringLiteral("frequenz"), e.frequenz, 7);
        if (b.gesetzt(QStringLiteral("bereich"))) {
            const QString bereich = b.wert(QStringLiteral("bereich")).toLower();
            const QStringList namen{QStringLiteral("cw"), QStringLiteral("ssb"), QStringLiteral("mitte")};
            e.bereich = int(namen.indexOf(bereich));
            if (e.bereich < 0)
                throw FalscheEingabe{QStringLiteral("--bereich"), QStringLiteral("\"%1\" ist keiner von cw, ssb, mitte").arg(b.wert(QStringLiteral("bereich")))};
            // Choosing the range in the form moves the start frequency to the band's one.
            if (!frequenz) {
                if (const auto text = bandFrequenzText(e.bereich + 1, *liesFeld(e.frequenz), Komma))
                    e.frequenz = *text;
            }
        }
    }
    if (b.gesetzt(QStringLiteral("isolierung"))) {
        const QString modell = b.wert(QStringLiteral("isolierung")).toLower();
        if (modell == isolierModellWort(IsolierModell::Vollwelle))
            e.isolierung = IsolierModell::Vollwelle;
        else if (modell != isolierModellWort(IsolierModell::Formel))
            throw FalscheEingabe{QStringLiteral("--isolierung"),
                                 QStringLiteral("\"%1\" ist keiner von formel, vollwelle").arg(sichtbar(b.wert(QStringLiteral("isolierung"))))};
    }
    const bool materialGesetzt = b.gesetzt(QStringLiteral("material"));
    if (materialGesetzt)
        e.material = materialText(b.wert(QStringLiteral("material")));
    const bool aussen = zahl(QStringLiteral("aussen"), e.aussen, 5);
    if (zahl(QStringLiteral("leiter"), e.leiter, 5) && !aussen) {
        // As typing the conductor diameter into the form does.
        if (const auto dL = liesFeld(e.leiter)) {
            if (const auto neu = aussenFuerLeiter(*dL, *liesFeld(e.aussen), Komma))
                e.aussen = *neu;
        }
    }
    const QString vk = QStringLiteral("--") + vkOption;
    if (zahl(vkOption, e.vk, 7)) {
        // Leaving the form's field checks the factor.
        switch (pruefeVk(liesFeld(e.vk))) {
        case VkPruefung::Gueltig: break;
        case VkPruefung::Eins:
            if (materialGesetzt && liesFeld(e.material).value_or(0) > LuftEr)
                throw FalscheEingabe{vk, ablehnung::vkEinsBlankerDraht() + QStringLiteral(", passt also nicht zu --material")};
            e.material = BlankerDraht;
            break;
        case VkPruefung::Ungueltig:
            throw FalscheEingabe{vk, ablehnung::vkUngueltig()};
        }
    }
    // The calculator's fields take any text, as its window does.
    e.erdbodenKorrektur = b.gesetzt(QStringLiteral("erdbodenkorrektur"));
    e.hoehe = b.wert(QStringLiteral("hoehe"));
    e.vkDurchmesser = b.wert(QStringLiteral("vk-durchmesser"));
    e.vkRechner = e.erdbodenKorrektur || b.gesetzt(QStringLiteral("hoehe")) || b.gesetzt(QStringLiteral("vk-durchmesser"));
    if (b.gesetzt(QStringLiteral("hoehe")) && e.hoehe.isEmpty())
        throw FalscheEingabe{QStringLiteral("--hoehe"), ablehnung::hoeheZuKlein()};
    e.erBestaetigt = b.gesetzt(QStringLiteral("er-bestaetigt"));
    return e;
}

BeamLauf rechneBeam(const BeamEingaben& eingaben, const QDate& heute)
{
    BeamEingaben e = eingaben;
    QStringList hinweise;
    if (e.vkRechner) {
        // The calculator starts with the beam form's frequency and conductor diameter.
        if (e.hoehe.isEmpty())
            e.hoehe = VkStartHoehe(e.frequenz, Komma);
        // A corrected diameter the user never typed is named as the default it is.
        const QString durchmesser = e.genannt(QStringLiteral("vk-durchmesser"),
                                              e.gesetzt.contains(QStringLiteral("leiter")) ? e.leiter + QStringLiteral(" aus --leiter") : e.leiter);
        if (e.vkDurchmesser.isEmpty())
            e.vkDurchmesser = e.leiter;
        const VkRechnung vk = VkBerechnen({e.frequenz, e.hoehe, e.vkDurchmesser, e.erdbodenKorrektur, 0}, Komma);
        // The calculator that refuses its frequency holds no result to apply.
        if (vk.stopp == VkFeld::Text1)
            throw FalscheEingabe{QStringLiteral("--frequenz"),
                                 vk.grund == ablehnung::frequenzFehlt() ? ablehnung::rechnerBrauchtFrequenz() : vk.grund};
        if (vk.stopp == VkFeld::Text2) {
            pruefeFeldZahl(QStringLiteral("--hoehe"), e.hoehe);
            throw FalscheEingabe{QStringLiteral("--hoehe"), vk.grund};
        }
        if (vk.durchmesserText) {
            e.vkDurchmesser = *vk.durchmesserText;
            hinweise << QStringLiteral("%1: auf %2 mm korrigiert").arg(durchmesser, e.vkDurchmesser);
        }
    }
    KommandozeilenDialoge dialoge(e.erBestaetigt);
    Module1 module;
    KommandozeilenForm form(e);
    std::optional<KommandozeilenVkRechner> vk;
    if (e.vkRechner)
        vk.emplace(e.hoehe, e.vkDurchmesser, e.erdbodenKorrektur);
    Berechnung berechnung(form, {module, vk ? &*vk : nullptr, Komma, heute, version::copyright, {}});
    std::optional<Failure> fehler;
    QString schritt;
    const RunEnd ende = berechnung.run(
        [&fehler, &schritt](const Failure& f, const Step& s) {
            fehler = f;
            schritt = QString::fromLatin1(s.number);
            return FailureAnswer::Abort;
        },
        false);
    // The ground correction reads the calculator's height and the diameter it corrected. It
    // fails only when twice the height is beyond single precision: the calculator then
    // corrects the diameter to 0, and the slenderness divides by it.
    if (fehler && schritt == QStringLiteral("5") && e.vkRechner)
        throw RechenfehlerDurch{e.genannt(QStringLiteral("hoehe"), e.hoehe), *fehler};
    // The insulation's shortening leaves no wire: the options that give it are named.
    if (fehler && schritt == QStringLiteral("17"))
        throw RechenfehlerDurch{QStringLiteral("%1, %2, %3, %4").arg(e.genannt(QStringLiteral("material"), e.material),
                                                                     e.genannt(QStringLiteral("aussen"), e.aussen),
                                                                     e.genannt(QStringLiteral("leiter"), e.leiter),
                                                                     e.genannt(QStringLiteral("vk"), e.vk)),
                                *fehler};
    if (fehler)
        throw *fehler;
    if (ende != RunEnd::Completed) {
        if (form.fokus == QStringLiteral("Combo1"))
            throw FalscheEingabe{QStringLiteral("--material"), ablehnung::erUeber20() + QStringLiteral(" (bestätigen mit --er-bestaetigt)")};
        throw FalscheEingabe{e.genannt(QStringLiteral("leiter"), e.leiter),
                             ablehnung::durchmesserZuGering(e.genannt(QStringLiteral("aussen"), e.aussen))};
    }
    BeamLauf lauf;
    lauf.eingaben = e;
    lauf.werte = berechnung.values();
    lauf.zusatzVerkuerzung = berechnung.zusatzVerkuerzung();
    lauf.bericht = berechnung.reportData();
    lauf.text1 = form.t1;
    lauf.text4 = form.t4;
    lauf.combo1 = form.c1;
    lauf.text6 = form.t6;
    lauf.text7 = form.t7;
    lauf.label3 = form.label3;
    lauf.label5 = form.label5;
    lauf.info = form.info;
    lauf.band = form.band;
    lauf.hinweise = hinweise;
    return lauf;
}

QString berichtText(const BeamLauf& lauf, const QString& zeilenende)
{
    ReportData d = lauf.bericht;
    d.crLf = zeilenende;
    return reportText(d, zeilenende);
}

QByteArray berichtDatei(const BeamLauf& lauf) { return encodeCp1252(berichtText(lauf, QStringLiteral("\r\n"))); }

void isoliermodellJson(JsonWriter& j, const BeamLauf& l)
{
    // Which model gave the shortening; bare wire needs none.
    if (l.bericht.insulated)
        j.key(QStringLiteral("Isoliermodell")).value(isolierModellWort(l.bericht.vollwelle ? IsolierModell::Vollwelle : IsolierModell::Formel));
    else
        j.key(QStringLiteral("Isoliermodell")).value(QStringLiteral("keins"));
}

void rechnerEingabenJson(JsonWriter& j, const BeamEingaben& e)
{
    if (!e.vkRechner)
        return;
    j.key(QStringLiteral("hoehe")).value(e.hoehe);
    j.key(QStringLiteral("vk-durchmesser")).value(e.vkDurchmesser);
    j.key(QStringLiteral("erdbodenkorrektur")).value(e.erdbodenKorrektur);
}

QString beamJson(const BeamLauf& l)
{
    const BeamEingaben& e = l.eingaben;
    static const char* bereiche[] = {"cw", "ssb", "mitte"};
    JsonWriter j;
    j.beginObject();
    j.key(QStringLiteral("eingaben")).beginObject();
    j.key(QStringLiteral("frequenz")).value(e.frequenz);
    j.key(QStringLiteral("vk")).value(e.vk);
    j.key(QStringLiteral("material")).value(e.material);
    j.key(QStringLiteral("aussen")).value(e.aussen);
    j.key(QStringLiteral("leiter")).value(e.leiter);
    j.key(QStringLiteral("bereich")).value(bereiche[e.bereich]);
    j.key(QStringLiteral("isolierung")).value(isolierModellWort(e.isolierung));
    rechnerEingabenJson(j, e);
    j.endObject();
    j.key(QStringLiteral("texte")).beginObject();
    j.key(QStringLiteral("frequenz")).value(l.text1);
    j.key(QStringLiteral("vk")).value(l.text4);
    j.key(QStringLiteral("eigenresonanz_dipol")).value(l.label3);
    j.key(QStringLiteral("eigenresonanz_reflektor")).value(l.label5);
    j.endObject();
    j.key(QStringLiteral("band")).beginObject();
    j.key(QStringLiteral("knopf")).value(l.band);
    j.key(QStringLiteral("text")).value(l.werte.band.bandText);
    j.endObject();
    j.key(QStringLiteral("ZusatzVerkuerzung")).value(l.zusatzVerkuerzung);
    isoliermodellJson(j, l);
    const BeamDimensions& o = l.werte.out;
    j.key(QStringLiteral("werte")).beginObject();
    j.members<float>({{"LgD", o.LgD}, {"LgR", o.LgR}, {"A", o.A}, {"Bv", o.Bv}, {"Bh", o.Bh}, {"LgBoom", o.LgBoom},
                      {"C", o.C}, {"gesLgBoom", o.gesLgBoom}, {"D", o.D}, {"P", o.P}, {"frD", o.frD}, {"frR", o.frR},
                      {"Vlg", o.Vlg}});
    j.endObject();
    j.endObject();
    return j.text();
}

int beamBefehl(const QStringList& argumente, QTextStream& out, QTextStream& err)
{
    QList<OptionDef> optionen = beamOptionen(true);
    optionen << OptionDef{QStringLiteral("datei"), QStringLiteral("PFAD"),
                          QStringLiteral("den Bericht wie \"Zentavik.txt\" in diese Datei schreiben (Windows-1252, CR LF)")}
             << OptionDef{QStringLiteral("json"), QString(), QStringLiteral("Eingaben, Texte, Band und alle Werte als JSON ausgeben")};
    Befehl befehl(QStringLiteral("beam"),
                  QStringLiteral("Berechnet einen Zentavik nach Norbek wie das Eingabefenster und gibt den Bericht aus."),
                  optionen);
    if (!befehl.lies(argumente, out))
        return Erfolg;
    const QString datei = befehl.gesetzt(QStringLiteral("datei")) ? befehl.dateiName(QStringLiteral("datei")) : QString();
    const BeamLauf lauf = rechneBeam(beamEingaben(befehl, true), QDate::currentDate());
    meldeHinweise(lauf.hinweise, err);
    if (!datei.isEmpty())
        schreibeDatei(datei, berichtDatei(lauf), DateiSchreiber::Sonderdateien::AnOrtBeschreiben);
    if (befehl.gesetzt(QStringLiteral("json")))
        out << beamJson(lauf);
    else if (!befehl.gesetzt(QStringLiteral("datei")))
        out << berichtText(lauf, QStringLiteral("\n"));
    return Erfolg;
}

} // namespace rechner

#include "cli/baender.h"

#include "beam/bands.h"
#include "cli/json.h"
#include "common/numberformat.h"

#include <QTextStream>

namespace rechner {
namespace {

const QString Komma = QStringLiteral(",");
const char* const bereichNamen[] = {"CW", "SSB", "Mitte"};

struct Spalte {
    const char* titel;
    float BeamDimensions::*wert;
};

const Spalte spalten[] = {
    {"LgD", &BeamDimensions::LgD}, {"LgR", &BeamDimensions::LgR}, {"A", &BeamDimensions::A},
    {"Bv", &BeamDimensions::Bv}, {"Bh", &BeamDimensions::Bh}, {"LgBoom", &BeamDimensions::LgBoom},
    {"C", &BeamDimensions::C}, {"gesLgBoom", &BeamDimensions::gesLgBoom}, {"D", &BeamDimensions::D},
    {"P", &BeamDimensions::P}, {"frD", &BeamDimensions::frD}, {"frR", &BeamDimensions::frR},
    {"Vlg", &BeamDimensions::Vlg},
};

QString bandName(int knopf) { return generalSingle(BandKnopfMHz[knopf], Komma); }

// One row of texts: band, range, frequency and the thirteen values as the report writes them.
QStringList zeile(const BeamLauf& l)
{
    QStringList z{bandName(l.band), QString::fromLatin1(bereichNamen[l.eingaben.bereich]), l.text1};
    for (const Spalte& s : spalten)
        z << formatSingle(l.werte.out.*(s.wert), u"###0.0##", Komma);
    return z;
}

QStringList kopf()
{
    QStringList k{QStringLiteral("Band"), QStringLiteral("Bereich"), QStringLiteral("f/MHz")};
    for (const Spalte& s : spalten)
        k << QString::fromLatin1(s.titel);
    return k;
}

} // namespace

QList<BeamLauf> rechneBaender(const BeamEingaben& draht, const QList<int>& bereiche, const QDate& heute)
{
    QList<BeamLauf> laeufe;
    for (int knopf = 0; knopf < AndereBand; ++knopf) {
        for (const int bereich : bereiche) {
            // What a click on the band button writes into the frequency field.
            BeamEingaben e = draht;
            e.bereich = bereich;
            e.frequenz = bandFrequenzText(bereich + 1, BandKnopfMHz[knopf], Komma).value_or(e.frequenz);
            laeufe << rechneBeam(e, heute);
        }
    }
    return laeufe;
}

QString baenderText(const QList<BeamLauf>& laeufe)
{
    QList<QStringList> tabelle{kopf()};
    for (const BeamLauf& l : laeufe)
        tabelle << zeile(l);
    QList<int> breite(tabelle.first().size(), 0);
    for (const QStringList& z : tabelle)
        for (int i = 0; i < z.size(); ++i)
            breite[i] = std::max(breite[i], int(z[i].size()));
    QString text;
    for (const QStringList& z : tabelle) {
        QString s;
        for (int i = 0; i < z.size(); ++i) {
            // Names left, numbers right, so that the decimal places line up.
            s += i < 2 ? z[i].leftJustified(breite[i]) : z[i].rightJustified(breite[i]);
            if (i + 1 < z.size())
                s += QStringLiteral("  ");
        }
        text += s + u'\n';
    }
    return text;
}

QString baenderCsv(const QList<BeamLauf>& laeufe)
{
    // Semicolons, because the numbers carry a decimal comma.
    QString text = kopf().join(u';') + u'\n';
    for (const BeamLauf& l : laeufe)
        text += zeile(l).join(u';') + u'\n';
    return text;
}

QString baenderJson(const QList<BeamLauf>& laeufe)
{
    JsonWriter j;
    j.beginArray();
    for (const BeamLauf& l : laeufe) {
        j.beginObject();
        j.key(QStringLiteral("band")).value(bandName(l.band));
        j.key(QStringLiteral("bandtext")).value(l.werte.band.bandText);
        j.key(QStringLiteral("bereich")).value(QString::fromLatin1(bereichNamen[l.eingaben.bereich]).toLower());
        j.key(QStringLiteral("frequenz")).value(l.text1);
        j.key(QStringLiteral("vk")).value(l.text4);
        j.key(QStringLiteral("ZusatzVerkuerzung")).value(l.zusatzVerkuerzung);
        isoliermodellJson(j, l);
        j.key(QStringLiteral("werte")).beginObject();
        for (const Spalte& s : spalten)
            j.key(QString::fromLatin1(s.titel)).value(l.werte.out.*(s.wert));
        j.endObject();
        j.endObject();
    }
    j.endArray();
    return j.text();
}

int baenderBefehl(const QStringList& argumente, QTextStream& out, QTextStream& err)
{
    QList<OptionDef> optionen = beamOptionen(false);
    optionen << OptionDef{QStringLiteral("bereich"), QStringLiteral("cw|ssb|mitte"),
                          QStringLiteral("nur diesen Bereich berechnen (Vorgabe: alle drei)")}
             << OptionDef{QStringLiteral("csv"), QString(), QStringLiteral("als CSV mit Semikolon ausgeben")}
             << OptionDef{QStringLiteral("json"), QString(), QStringLiteral("als JSON ausgeben")};
    Befehl befehl(QStringLiteral("baender"),
                  QStringLiteral("Berechnet den Zentavik für jedes Band (1,8 bis 50 MHz) und jeden Bereich mit demselben Draht."),
                  optionen);
    if (!befehl.lies(argumente, out))
        return Erfolg;
    const BeamEingaben draht = beamEingaben(befehl, false);
    QList<int> bereiche{0, 1, 2};
    if (befehl.gesetzt(QStringLiteral("bereich"))) {
        const QStringList namen{QStringLiteral("cw"), QStringLiteral("ssb"), QStringLiteral("mitte")};
        const int b = int(namen.indexOf(befehl.wert(QStringLiteral("bereich")).toLower()));
        if (b < 0)
            throw FalscheEingabe{QStringLiteral("--bereich"), QStringLiteral("\"%1\" ist keiner von cw, ssb, mitte").arg(befehl.wert(QStringLiteral("bereich")))};
        bereiche = {b};
    }
    if (befehl.gesetzt(QStringLiteral("csv")) && befehl.gesetzt(QStringLiteral("json")))
        throw FalscheEingabe{QStringLiteral("--csv"), QStringLiteral("nur eines von --csv und --json angeben")};
    const QList<BeamLauf> laeufe = rechneBaender(draht, bereiche, QDate::currentDate());
    QStringList hinweise;
    for (const BeamLauf& l : laeufe)
        for (const QString& h : l.hinweise)
            if (!hinweise.contains(h))
                hinweise << h;
    meldeHinweise(hinweise, err);
    if (befehl.gesetzt(QStringLiteral("csv")))
        out << baenderCsv(laeufe);
    else if (befehl.gesetzt(QStringLiteral("json")))
        out << baenderJson(laeufe);
    else
        out << baenderText(laeufe);
    return Erfolg;
}

} // namespace rechner

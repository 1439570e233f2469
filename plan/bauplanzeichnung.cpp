#include "plan/bauplanzeichnung.h"

#include "common/numberformat.h"
#include "common/version.h"
#include "plan/blatt.h"


#include <algorithm>
#include <functional>
#include <cmath>

namespace {

constexpr double Rand = 15;

// Driven element and reflector differ in colour and in style, so that a black-and-white
// printout still tells them apart.
const Strich StrahlerStrich{QColor(0xd0, 0x10, 0x10), 0.7};
const Strich ReflektorStrich{QColor(0x10, 0x50, 0xc0), 0.7, Qt::DashLine};
const Strich RahmenStrich{QColor(0x8a, 0x62, 0x2a), 1.6};
const Strich AbspannStrich{QColor(0x90, 0x90, 0x90), 0.3, Qt::DotLine};
const Strich MassStrich{QColor(0x30, 0x30, 0x30), 0.25};
const Strich HilfsStrich{QColor(0x70, 0x70, 0x70), 0.2, Qt::DashLine};
const QColor GrauText(0x55, 0x55, 0x55), IsolatorFarbe(0xf2, 0xea, 0xc8);

const QString Komma = QStringLiteral(",");
QString F(float v) { return formatSingle(v, u"###0.0##", Komma); }

// The insulator between the driven element's end and the reflector's tip.
void isolator(Blatt& b, QPointF strahlerEnde, QPointF reflektorSpitze)
{
    const double x = (strahlerEnde.x() + reflektorSpitze.x()) / 2, halb = 0.9;
    b.flaeche({{x - halb, strahlerEnde.y() - 0.4}, {x + halb, strahlerEnde.y() - 0.4}, {x + halb, reflektorSpitze.y() + 0.4},
               {x - halb, reflektorSpitze.y() + 0.4}},
              IsolatorFarbe, Strich{QColor(0x55, 0x55, 0x55), 0.25});
}

// The antenna seen from above, front (the main direction) up, within the area: the frame to
// scale, the wires in their arrangement, the measures at their dimension lines. Each vertical
// dimension line has a lane of its own with its labels beside it, so that no extension line
// runs through a label. Returns the lowest y drawn.
double zeichneAntenne(Blatt& b, const BeamDimensions& o, const QRectF& bereich)
{
    b.schrift(8.5, true);
    const QString bv = QStringLiteral("Bv = ") + meterText(o.Bv), bh = QStringLiteral("Bh = ") + meterText(o.Bh),
                  c = QStringLiteral("C = ") + meterText(o.C), p = QStringLiteral("P = ") + meterText(o.P) + QStringLiteral(" − x"),
                  a = QStringLiteral("A = ") + meterText(o.A), lgBoom = QStringLiteral("LgBoom = ") + meterText(o.LgBoom),
                  d = QStringLiteral("D = ") + meterText(o.D);
    const double h = b.hoehe();
    const double kette = std::max({b.breite(c), b.breite(p), b.breite(a)});
    constexpr double abstand = 5, luft = 1.5;  // dimension line from the antenna; label from its line
    const double links = abstand + luft + b.breite(d);
    const double zweiteSpur = abstand + luft + kette + 4;
    const double rechts = zweiteSpur + luft + b.breite(lgBoom);
    const double oben = 4 + 1 + h, unten = 4 + 1 + h;
    const double breiteste = std::max(o.Bv, o.Bh);
    const double massstab = std::min((bereich.width() - links - rechts) / breiteste, (bereich.height() - oben - unten) / o.gesLgBoom);

    const double halbBv = o.Bv / 2 * massstab, halbBh = o.Bh / 2 * massstab, aussen = std::max(halbBv, halbBh);
    const double cx = bereich.left() + (bereich.width() - (links + 2 * aussen + rechts)) / 2 + links + aussen;
    const double spitze = bereich.top() + oben, vorn = spitze + o.C * massstab, hinten = vorn + o.LgBoom * massstab,
                 ende = hinten + o.C * massstab;
    const double speise = vorn + o.P * massstab, strahlerEnde = vorn + o.D * massstab, reflektorSpitze = strahlerEnde + 3;

    // Frame and guys.
    for (int seite : {-1, 1}) {
        b.linie({cx + seite * halbBv, vorn}, {cx, spitze}, AbspannStrich);
        b.linie({cx + seite * halbBh, hinten}, {cx, ende}, AbspannStrich);
    }
    b.linie({cx, spitze}, {cx, ende}, RahmenStrich);
    b.linie({cx - halbBv, vorn}, {cx + halbBv, vorn}, RahmenStrich);
    b.linie({cx - halbBh, hinten}, {cx + halbBh, hinten}, RahmenStrich);

    // The wires: the driven element's V meets the boom at the feed point, its side wires run
    // back to the insulators; the reflector's V meets the boom at the rear cross-arm.
    b.linienzug({{cx - halbBv, strahlerEnde}, {cx - halbBv, vorn}, {cx, speise}, {cx + halbBv, vorn}, {cx + halbBv, strahlerEnde}},
                StrahlerStrich);
    b.linienzug({{cx - halbBh, hinten}, {cx - halbBh, reflektorSpitze}, {cx, hinten}, {cx + halbBh, reflektorSpitze}, {cx + halbBh, hinten}},
                ReflektorStrich);
    for (int seite : {-1, 1})
        isolator(b, {cx + seite * halbBv, strahlerEnde}, {cx + seite * halbBh, reflektorSpitze});
    b.punkt({cx, speise}, 1.1, Qt::black);

    b.schrift(7.5);
    b.text(QStringLiteral("Speisepunkt"), {cx - 2.2, speise + 1.4}, Qt::AlignRight | Qt::AlignTop);
    b.text(QStringLiteral("Isolator"), {cx - halbBv + 2, strahlerEnde - 1.2}, Qt::AlignLeft | Qt::AlignBottom);

    // Widths above and below.
    b.schrift(8.5, true);
    const double yBv = spitze - 4, yBh = ende + 4;
    for (int seite : {-1, 1}) {
        b.linie({cx + seite * halbBv, vorn - 1.5}, {cx + seite * halbBv, yBv - 1.5}, HilfsStrich);
        b.linie({cx + seite * halbBh, hinten + 1.5}, {cx + seite * halbBh, yBh + 1.5}, HilfsStrich);
    }
    b.masslinie({cx - halbBv, yBv}, {cx + halbBv, yBv}, MassStrich);
    b.text(bv, {cx, yBv - 1}, Qt::AlignHCenter | Qt::AlignBottom);
    b.masslinie({cx - halbBh, yBh}, {cx + halbBh, yBh}, MassStrich);
    b.text(bh, {cx, yBh + 1}, Qt::AlignHCenter | Qt::AlignTop);

    // D on the left, along the driven element's side wire.
    const double xD = cx - aussen - abstand;
    b.linie({cx - halbBv - 1.5, vorn}, {xD - 1.5, vorn}, HilfsStrich);
    b.linie({cx - aussen - 2, strahlerEnde}, {xD - 1.5, strahlerEnde}, HilfsStrich);
    b.masslinie({xD, vorn}, {xD, strahlerEnde}, MassStrich);
    b.text(d, {xD - luft, (vorn + strahlerEnde) / 2}, Qt::AlignRight | Qt::AlignVCenter);

    // On the right the boom's chain C, P, A, C, and beyond it LgBoom.
    const double xK = cx + aussen + abstand, xB = cx + aussen + zweiteSpur;
    b.linie({cx + 1.5, spitze}, {xK + 1.5, spitze}, HilfsStrich);
    b.linie({cx + 1.5, speise}, {xK + 1.5, speise}, HilfsStrich);
    b.linie({cx + 1.5, ende}, {xK + 1.5, ende}, HilfsStrich);
    b.linie({cx + halbBv + 1.5, vorn}, {xB + 1.5, vorn}, HilfsStrich);
    b.linie({cx + halbBh + 1.5, hinten}, {xB + 1.5, hinten}, HilfsStrich);
    const struct {
        double von, bis;
        const QString& text;
    } glieder[] = {{spitze, vorn, c}, {vorn, speise, p}, {speise, hinten, a}, {hinten, ende, c}};
    for (const auto& g : glieder) {
        b.masslinie({xK, g.von}, {xK, g.bis}, MassStrich);
        b.text(g.text, {xK + luft, (g.von + g.bis) / 2}, Qt::AlignLeft | Qt::AlignVCenter);
    }
    b.masslinie({xB, vorn}, {xB, hinten}, MassStrich);
    b.text(lgBoom, {xB + luft, (vorn + hinten) / 2}, Qt::AlignLeft | Qt::AlignVCenter);
    return yBh + 1 + h;
}

// What the lines and marks of the drawing mean, in a row that wraps.
double legende(Blatt& b, double y)
{
    b.schrift(8);
    const double zeile = std::max(b.zeilenabstand(), 4.0);
    double x = Rand;
    auto eintrag = [&](const QString& text, const std::function<void(QPointF)>& probe) {
        const double breite = 9 + 1.5 + b.breite(text);
        if (x > Rand && x + breite > SeiteBreite - Rand) {
            x = Rand;
            y += zeile;
        }
        probe({x, y + zeile / 2});
        b.text(text, {x + 10.5, y + zeile / 2}, Qt::AlignLeft | Qt::AlignVCenter);
        x += breite + 6;
    };
    auto strecke = [&b](const Strich& s) { return [&b, s](QPointF m) { b.linie(m, m + QPointF(9, 0), s); }; };
    eintrag(QStringLiteral("Strahler, gespeist (Draht LgD)"), strecke(StrahlerStrich));
    eintrag(QStringLiteral("Reflektor (Draht LgR)"), strecke(ReflektorStrich));
    eintrag(QStringLiteral("Boom und Querträger"), strecke(RahmenStrich));
    eintrag(QStringLiteral("Abspannung"), strecke(AbspannStrich));
    eintrag(QStringLiteral("Isolator, je Seite einer"), [&b](QPointF m) { isolator(b, m + QPointF(4.5, -1.2), m + QPointF(4.5, 1.2)); });
    eintrag(QStringLiteral("Speisepunkt"), [&b](QPointF m) { b.punkt(m + QPointF(4.5, 0), 1.1, Qt::black); });
    eintrag(QStringLiteral("Maß"), [&b](QPointF m) { b.masslinie(m, m + QPointF(9, 0), MassStrich); });
    return y + zeile;
}

// A heading and lines of name, description and length.
double massListe(Blatt& b, double x, double y, double breite, const QString& titel, const QList<PlanMass>& masse)
{
    b.schrift(10, true);
    y = b.text(titel, {x, y}, Qt::AlignLeft | Qt::AlignTop).bottom() + 0.8;
    b.schrift(8.5, true);
    double namen = 0;
    for (const PlanMass& m : masse)
        namen = std::max(namen, b.breite(m.name));
    for (const PlanMass& m : masse) {
        b.schrift(8.5, true);
        b.text(m.name, {x, y}, Qt::AlignLeft | Qt::AlignTop);
        b.text(meterText(m.laenge), {x + breite, y}, Qt::AlignRight | Qt::AlignTop);
        b.schrift(8.5);
        b.text(m.was, {x + namen + 2.5, y}, Qt::AlignLeft | Qt::AlignTop);
        y += b.zeilenabstand();
    }
    return y;
}

// Two columns of name and value.
double eingaben(Blatt& b, double y, const BauplanDaten& d)
{
    b.schrift(10, true);
    y = b.text(QStringLiteral("Eingaben"), {Rand, y}, Qt::AlignLeft | Qt::AlignTop).bottom() + 0.8;
    b.schrift(8.5);
    const auto zeilen = eingabenZeilen(d);
    const qsizetype links = (zeilen.size() + 1) / 2;
    const double spalte = (SeiteBreite - 2 * Rand - 10) / 2;
    double unten = y;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const double x = i < links ? Rand : Rand + spalte + 10;
        const double zy = y + (i < links ? i : i - links) * b.zeilenabstand();
        b.text(zeilen[i].first, {x, zy}, Qt::AlignLeft | Qt::AlignTop);
        b.text(zeilen[i].second, {x + spalte, zy}, Qt::AlignRight | Qt::AlignTop);
        unten = std::max(unten, zy + b.zeilenabstand());
    }
    return unten;
}

} // namespace

void maleBauplan(QPainter& painter, const BauplanDaten& d, BauplanProtokoll* protokoll)
{
    Blatt b(painter, protokoll);
    b.seite();
    const BeamDimensions& o = d.werte.out;

    b.schrift(16, true);
    double y = b.text(QStringLiteral("Bauplan Zentavik nach Norbek für ") + F(d.werte.f) + QStringLiteral(" MHz"), {Rand, Rand},
                      Qt::AlignLeft | Qt::AlignTop).bottom();
    b.schrift(10);
    y = b.text(bandZeile(d), {Rand, y + 0.5}, Qt::AlignLeft | Qt::AlignTop).bottom();
    b.schrift(8, false);
    y = b.text(QStringLiteral("Ansicht von oben; vorn (oben im Bild) ist die Hauptstrahlrichtung. Der Rahmen ist maßstäblich, "
                              "der Drahtverlauf nicht."),
               {Rand, y + 0.5}, Qt::AlignLeft | Qt::AlignTop, GrauText)
            .bottom();

    y = zeichneAntenne(b, o, QRectF(Rand, y + 2, SeiteBreite - 2 * Rand, 142));
    y = legende(b, y + 2) + 3;

    // The cut list on the left, resonances, trimming and the feed point on the right.
    const double mitte = Rand + 95, rechtsBreite = SeiteBreite - Rand - mitte;
    double links = massListe(b, Rand, y, mitte - Rand - 6, QStringLiteral("Drähte zuschneiden und markieren"), drahtMasse(o));
    links = massListe(b, Rand, links + 2, mitte - Rand - 6, QStringLiteral("Am Rahmen anzeichnen"), rahmenMasse(o));

    b.schrift(10, true);
    double r = b.text(QStringLiteral("Eigenresonanzen und Trimmen"), {mitte, y}, Qt::AlignLeft | Qt::AlignTop).bottom() + 0.8;
    const struct {
        QString element;
        float resonanz, laenge;
    } elemente[] = {{QStringLiteral("Strahler frD"), o.frD, o.LgD}, {QStringLiteral("Reflektor frR"), o.frR, o.LgR}};
    b.schrift(8.5);
    for (const auto& e : elemente) {
        b.text(e.element, {mitte, r}, Qt::AlignLeft | Qt::AlignTop);
        b.text(F(e.resonanz) + QStringLiteral(" MHz"), {mitte + 42, r}, Qt::AlignRight | Qt::AlignTop);
        b.text(QStringLiteral("1 cm kürzer: +") + kHzText(kHzProZentimeter(e.resonanz, e.laenge)), {SeiteBreite - Rand, r},
               Qt::AlignRight | Qt::AlignTop);
        r += b.zeilenabstand();
    }
    r = b.absatz(QStringLiteral("Nach dem ersten Messen: den Abstand zur gewünschten Resonanz durch diesen Wert teilen; "
                                "so viele Zentimeter kürzen, wenn die Resonanz zu tief liegt, an beiden Enden je die Hälfte. "
                                "Liegt sie zu hoch, war der Draht zu kurz. Darum mit etwas Zugabe zuschneiden."),
                 mitte, r + 1, rechtsBreite);
    b.schrift(10, true);
    r = b.text(QStringLiteral("Was „P (minus x)“ heißt"), {mitte, r + 2}, Qt::AlignLeft | Qt::AlignTop).bottom() + 0.8;
    b.schrift(8.5);
    r = b.absatz(QStringLiteral("Die Zeichnung zeigt, wie die Drähte liegen, nicht wie lang sie sind: geschnitten wird nach LgD "
                                "und LgR. Den Strahler an den Spitzen des vorderen Querträgers und an den Isolatoren befestigen, "
                                "dann den Speisepunkt auf dem Boom so weit nach vorn schieben, bis der Draht straff ist. "
                                "Das Stück, um das er dabei näher an den vorderen Querträger rückt, ist x: "
                                "der Speisepunkt sitzt P minus x hinter dem vorderen Querträger."),
                 mitte, r, rechtsBreite);

    y = eingaben(b, std::max(links, r) + 3, d) + 3;

    // Date, version and the note to measure the finished antenna.
    b.schrift(7.5);
    y = b.text(stempelZeile(d), {Rand, y}, Qt::AlignLeft | Qt::AlignTop, GrauText).bottom();
    for (const QString& hinweis : version::nutzungsHinweis.split(QStringLiteral("\r\n")))
        y = b.text(hinweis, {Rand, y}, Qt::AlignLeft | Qt::AlignTop, GrauText).bottom();
    b.text(version::copyright, {Rand, y}, Qt::AlignLeft | Qt::AlignTop, GrauText);
}

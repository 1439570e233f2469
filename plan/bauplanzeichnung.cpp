#include "plan/bauplanzeichnung.h"

#include "common/numberformat.h"
#include "common/version.h"
#include "plan/bauplangeometrie.h"
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

// An insulator, drawn larger than it is: across the step between the side wires' lines.
void isolator(Blatt& b, QPointF mitte)
{
    constexpr double halbBreit = 1.3, halbHoch = 0.8;
    b.flaeche({{mitte.x() - halbBreit, mitte.y() - halbHoch}, {mitte.x() + halbBreit, mitte.y() - halbHoch},
               {mitte.x() + halbBreit, mitte.y() + halbHoch}, {mitte.x() - halbBreit, mitte.y() + halbHoch}},
              IsolatorFarbe, Strich{QColor(0x55, 0x55, 0x55), 0.25});
}

// A vertical chain of dimension lines at x, each labelled on the right or on the left.
struct Glied {
    double von, bis;
    QString text;
};
void kette(Blatt& b, double x, const QList<Glied>& glieder, bool rechts, double luft)
{
    for (const Glied& g : glieder) {
        b.masslinie({x, g.von}, {x, g.bis}, MassStrich);
        b.text(g.text, {rechts ? x + luft : x - luft, (g.von + g.bis) / 2},
               (rechts ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    }
}

// The antenna seen from above, front (the main direction) up, within the area: the frame and
// the wires to scale, on the routes whose lengths are the cut lengths; only the insulators are
// drawn larger. Each vertical dimension line has a lane of its own with its labels beside it,
// so that no extension line runs through a label. Returns the lowest y drawn.
double zeichneAntenne(Blatt& b, const BeamDimensions& o, const BauplanGeometrie& g, const QRectF& bereich)
{
    b.schrift(8.5, true);
    const QString bv = QStringLiteral("Bv = ") + meterText(o.Bv), bh = QStringLiteral("Bh = ") + meterText(o.Bh),
                  c = QStringLiteral("C = ") + meterText(o.C), px = QStringLiteral("P − x = ") + meterText(float(g.speisepunkt)),
                  y = QStringLiteral("y = ") + meterText(float(g.y)), lgBoom = QStringLiteral("LgBoom = ") + meterText(o.LgBoom),
                  d = QStringLiteral("D = ") + meterText(o.D), dr = QStringLiteral("DR = ") + meterText(float(g.reflektorSeite));
    const double h = b.hoehe();
    const double kettenBreite = std::max({b.breite(c), b.breite(px), b.breite(y)});
    constexpr double abstand = 5, luft = 1.5;  // dimension line from the antenna; label from its line
    const double links = abstand + luft + std::max(b.breite(d), b.breite(dr));
    const double zweiteSpur = abstand + luft + kettenBreite + 4;
    const double rechts = zweiteSpur + luft + b.breite(lgBoom);
    const double oben = 4 + 1 + h, unten = 4 + 1 + h;
    const double breiteste = std::max(o.Bv, o.Bh);
    const double massstab = std::min((bereich.width() - links - rechts) / breiteste, (bereich.height() - oben - unten) / o.gesLgBoom);

    const double halbBv = o.Bv / 2 * massstab, halbBh = o.Bh / 2 * massstab, aussen = std::max(halbBv, halbBh);
    const double cx = bereich.left() + (bereich.width() - (links + 2 * aussen + rechts)) / 2 + links + aussen;
    const double spitze = bereich.top() + oben, vorn = spitze + o.C * massstab, hinten = vorn + o.LgBoom * massstab,
                 ende = hinten + o.C * massstab;
    auto blatt = [&](QPointF m) { return QPointF(cx + m.x() * massstab, vorn + m.y() * massstab); };
    const double speise = vorn + g.speisepunkt * massstab, mitteR = vorn + g.reflektorMitte * massstab,
                 iso = vorn + o.D * massstab;

    // Frame and guys.
    for (int seite : {-1, 1}) {
        b.linie({cx + seite * halbBv, vorn}, {cx, spitze}, AbspannStrich);
        b.linie({cx + seite * halbBh, hinten}, {cx, ende}, AbspannStrich);
    }
    b.linie({cx, spitze}, {cx, ende}, RahmenStrich);
    b.linie({cx - halbBv, vorn}, {cx + halbBv, vorn}, RahmenStrich);
    b.linie({cx - halbBh, hinten}, {cx + halbBh, hinten}, RahmenStrich);

    // The wires on their routes, and the insulators where their ends meet.
    QList<QPointF> strahler, reflektor;
    for (const QPointF& p : g.strahler)
        strahler << blatt(p);
    for (const QPointF& p : g.reflektor)
        reflektor << blatt(p);
    b.linienzug(strahler, StrahlerStrich);
    b.linienzug(reflektor, ReflektorStrich);
    const double reflektorEnde = iso + g.luecke * massstab;
    for (int seite : {-1, 1}) {
        if (g.luecke > 0)
            b.linie({cx + seite * halbBh, iso}, {cx + seite * halbBh, reflektorEnde}, AbspannStrich);
        isolator(b, {cx + seite * (halbBv + halbBh) / 2, iso});
    }
    b.punkt({cx, speise}, 1.1, Qt::black);
    b.punkt({cx, mitteR}, 0.8, ReflektorStrich.farbe);

    b.schrift(7.5);
    b.text(QStringLiteral("Speisepunkt"), {cx - 2.2, speise + 1.4}, Qt::AlignRight | Qt::AlignTop);
    b.text(QStringLiteral("Reflektor-Mitte"), {cx + 2.2, mitteR - 1.4}, Qt::AlignLeft | Qt::AlignBottom);
    b.text(QStringLiteral("Isolator"), {cx - halbBv + 2.5, iso - 1.2}, Qt::AlignLeft | Qt::AlignBottom);

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

    // On the left the side wires: D from the front cross-arm to the insulators, DR from there
    // to the rear cross-arm.
    const double xD = cx - aussen - abstand;
    b.linie({cx - halbBv - 1.5, vorn}, {xD - 1.5, vorn}, HilfsStrich);
    b.linie({cx - aussen - 2.5, iso}, {xD - 1.5, iso}, HilfsStrich);
    b.linie({cx - halbBh - 1.5, hinten}, {xD - 1.5, hinten}, HilfsStrich);
    // A cord between the reflector's end and the insulator is listed; its dimension line is
    // drawn where its label has room.
    if (g.luecke > 0) {
        b.linie({cx - halbBh - 1.5, reflektorEnde}, {xD - 1.5, reflektorEnde}, HilfsStrich);
        if (reflektorEnde - iso >= h + 1)
            kette(b, xD, {{iso, reflektorEnde, QStringLiteral("Seil = ") + meterText(float(g.luecke))}}, false, luft);
    }
    kette(b, xD, {{vorn, iso, d}, {reflektorEnde, hinten, dr}}, false, luft);

    // On the right the boom's marks, each from its cross-arm: C, P − x to the feed point, y
    // from the rear cross-arm to the reflector's middle, C; beyond them LgBoom.
    const double xK = cx + aussen + abstand, xB = cx + aussen + zweiteSpur;
    for (const double marke : {spitze, speise, mitteR, ende})
        b.linie({cx + 1.5, marke}, {xK + 1.5, marke}, HilfsStrich);
    b.linie({cx + halbBv + 1.5, vorn}, {xB + 1.5, vorn}, HilfsStrich);
    b.linie({cx + halbBh + 1.5, hinten}, {xB + 1.5, hinten}, HilfsStrich);
    QList<Glied> boom{{spitze, vorn, c}, {vorn, speise, px}, {hinten, ende, c}};
    // A short y is listed; its dimension line is drawn where its label has room.
    if (hinten - mitteR >= h + 1)
        boom.insert(2, {mitteR, hinten, y});
    kette(b, xK, boom, true, luft);
    kette(b, xB, {{vorn, hinten, lgBoom}}, true, luft);
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
    eintrag(QStringLiteral("Isolator, je Seite einer (vergrößert)"), [&b](QPointF m) { isolator(b, m + QPointF(4.5, 0)); });
    eintrag(QStringLiteral("Speisepunkt"), [&b](QPointF m) { b.punkt(m + QPointF(4.5, 0), 1.1, Qt::black); });
    eintrag(QStringLiteral("Reflektor-Mitte"), [&b](QPointF m) { b.punkt(m + QPointF(4.5, 0), 0.8, ReflektorStrich.farbe); });
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
    const GeometrieErgebnis geometrie = bauplanGeometrie(o);
    if (!geometrie.geometrie) {
        // Never saved or printed: the plan is refused before. Whoever draws it anyway sees why.
        b.schrift(10, true);
        b.absatz(QStringLiteral("Kein Bauplan: ") + geometrie.grund + u'.', Rand, y + 4, SeiteBreite - 2 * Rand, StrahlerStrich.farbe);
        return;
    }
    const BauplanGeometrie& g = *geometrie.geometrie;
    b.schrift(8, false);
    y = b.text(QStringLiteral("Ansicht von oben; vorn (oben im Bild) ist die Hauptstrahlrichtung. Rahmen und Drähte sind "
                              "maßstäblich, nur die Isolatoren vergrößert."),
               {Rand, y + 0.5}, Qt::AlignLeft | Qt::AlignTop, GrauText)
            .bottom();

    y = zeichneAntenne(b, o, g, QRectF(Rand, y + 2, SeiteBreite - 2 * Rand, 108));
    y = legende(b, y + 2) + 3;

    // The cut list and the marks on the left; resonances, trimming, how to build and the
    // report's own P and A on the right.
    const double mitte = Rand + 95, rechtsBreite = SeiteBreite - Rand - mitte, linksBreite = mitte - Rand - 6;
    double links = massListe(b, Rand, y, linksBreite, QStringLiteral("Drähte zuschneiden und markieren"), drahtMasse(d, g));
    b.schrift(8);
    links = b.absatz(vlgHinweis(), Rand, links + 0.3, linksBreite, GrauText);
    links = massListe(b, Rand, links + 2, linksBreite, QStringLiteral("Am Rahmen anzeichnen"), rahmenMasse(o, g));

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
                                "Liegt sie zu hoch, war der Draht zu kurz: darum die Zugabe."),
                 mitte, r + 1, rechtsBreite);
    b.schrift(10, true);
    r = b.text(QStringLiteral("So wird gebaut"), {mitte, r + 2}, Qt::AlignLeft | Qt::AlignTop).bottom() + 0.8;
    b.schrift(8.5);
    r = b.absatz(QStringLiteral("Jeden Draht mit der Zugabe zuschneiden, seine Enden bei LgD bzw. LgR und seine Mitte "
                                "markieren, von jeder Endmarke D bzw. DR abmessen und markieren. Die Mitte des Strahlers "
                                "kommt an den Speisepunkt, die des Reflektors an die Reflektor-Mitte; die D- und DR-Marken "
                                "an die Spitzen ihres Querträgers, die Endmarken in die Augen der Isolatoren. Dann liegen "
                                "beide Drähte straff; die Zugabe hinter dem Isolator zurückwickeln."),
                 mitte, r, rechtsBreite);
    if (g.luecke > 0)
        r = b.absatz(QStringLiteral("Der Reflektor reicht nicht bis zu den Isolatoren: er liegt am hinteren Querträger "
                                    "entlang, seine Enden werden mit einem Seil (Seil) an die Isolatoren gebunden."),
                     mitte, r, rechtsBreite);
    r = massListe(b, mitte, r + 2, rechtsBreite, QStringLiteral("Zum Vergleich mit dem Bericht"), berichtMasse(o, g));

    y = eingaben(b, std::max(links, r) + 3, d) + 3;

    // Date, version and the note to measure the finished antenna.
    b.schrift(7.5);
    y = b.text(stempelZeile(d), {Rand, y}, Qt::AlignLeft | Qt::AlignTop, GrauText).bottom();
    for (const QString& hinweis : version::nutzungsHinweis.split(QStringLiteral("\r\n")))
        y = b.text(hinweis, {Rand, y}, Qt::AlignLeft | Qt::AlignTop, GrauText).bottom();
    b.text(version::copyright, {Rand, y}, Qt::AlignLeft | Qt::AlignTop, GrauText);
}

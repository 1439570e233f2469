#include "plan/bauplangeometrie.h"

#include "plan/bauplandaten.h"

#include <QLineF>

#include <cmath>

double routenLaenge(const QList<QPointF>& route)
{
    double summe = 0;
    for (qsizetype i = 0; i + 1 < route.size(); ++i)
        summe += QLineF(route[i], route[i + 1]).length();
    return summe;
}

GeometrieErgebnis bauplanGeometrie(const BeamDimensions& o)
{
    const double lgD = o.LgD, lgR = o.LgR, d = o.D, p = o.P, lgBoom = o.LgBoom;
    const double halbBv = double(o.Bv) / 2, halbBh = double(o.Bh) / 2;
    for (const double mass : {lgD, lgR, d, p, lgBoom, halbBv, halbBh}) {
        if (!std::isfinite(mass) || !(mass > 0))
            return {std::nullopt, QStringLiteral("die Maße sind nicht alle größer als 0")};
    }
    if (!(d < lgBoom))
        return {std::nullopt, QStringLiteral("die Isolatoren lägen nicht zwischen den Querträgern (D = %1, LgBoom = %2)")
                                  .arg(meterText(o.D), meterText(o.LgBoom))};

    GeometrieErgebnis e;
    BauplanGeometrie& g = e.geometrie.emplace();
    // What is left of each half after its side wire runs diagonally from the tip to the boom.
    const double strahlerSchraeg = lgD / 2 - d;
    g.reflektorSeite = lgBoom - d;
    const double reflektorSchraeg = lgR / 2 - g.reflektorSeite;
    if (!(strahlerSchraeg > halbBv))
        return {std::nullopt, QStringLiteral("der Strahler (LgD = %1) ist zu kurz, um von Isolator zu Isolator um die Spitzen "
                                             "des vorderen Querträgers (Bv = %2) bis zum Boom zu reichen")
                                  .arg(meterText(o.LgD), meterText(o.Bv))};
    g.speisepunkt = std::sqrt(strahlerSchraeg * strahlerSchraeg - halbBv * halbBv);
    g.x = p - g.speisepunkt;
    if (reflektorSchraeg > halbBh) {
        g.y = std::sqrt(reflektorSchraeg * reflektorSchraeg - halbBh * halbBh);
    } else {
        // Along the rear cross-arm to its tips, and forward as far as the wire reaches.
        g.reflektorSeite = lgR / 2 - halbBh;
        g.luecke = lgBoom - d - g.reflektorSeite;
        if (!(g.reflektorSeite >= MarkenAbstand))
            return {std::nullopt, QStringLiteral("der Reflektor (LgR = %1) ist zu kurz, um die Spitzen des hinteren "
                                                 "Querträgers (Bh = %2) zu erreichen")
                                      .arg(meterText(o.LgR), meterText(o.Bh))};
    }
    g.reflektorMitte = lgBoom - g.y;
    if (g.x < 0)
        return {std::nullopt, QStringLiteral("der Strahler (LgD = %1) ist so lang, dass sein Speisepunkt hinter P = %2 läge")
                                  .arg(meterText(o.LgD), meterText(o.P))};
    if (!(g.reflektorMitte - g.speisepunkt >= MarkenAbstand))
        return {std::nullopt, QStringLiteral("der Reflektor (LgR = %1) ist so lang, dass seine Mitte den Speisepunkt erreichte")
                                  .arg(meterText(o.LgR))};

    g.strahler = {{-halbBv, d}, {-halbBv, 0}, {0, g.speisepunkt}, {halbBv, 0}, {halbBv, d}};
    const double ende = d + g.luecke;
    g.reflektor = {{-halbBh, ende}, {-halbBh, lgBoom}, {0, g.reflektorMitte}, {halbBh, lgBoom}, {halbBh, ende}};

    // Marks that fall on one another could not be told apart on the frame.
    const QList<BauplanMarke> marken = rahmenMarken(o, g);
    for (qsizetype i = 0; i < marken.size(); ++i) {
        for (qsizetype j = i + 1; j < marken.size(); ++j) {
            if (QLineF(marken[i].ort, marken[j].ort).length() < MarkenAbstand)
                return {std::nullopt, QStringLiteral("%1 und %2 fielen auf denselben Punkt").arg(marken[i].name, marken[j].name)};
        }
    }
    return e;
}

QList<BauplanMarke> rahmenMarken(const BeamDimensions& o, const BauplanGeometrie& g)
{
    const double halbBv = double(o.Bv) / 2, halbBh = double(o.Bh) / 2, c = o.C, d = o.D, lgBoom = o.LgBoom;
    QList<BauplanMarke> m{
        {QStringLiteral("das vordere Boomende"), {0, -c}},
        {QStringLiteral("der vordere Querträger"), {0, 0}},
        {QStringLiteral("der Speisepunkt"), {0, g.speisepunkt}},
        {QStringLiteral("der hintere Querträger"), {0, lgBoom}},
        {QStringLiteral("das hintere Boomende"), {0, lgBoom + c}},
    };
    // A reflector along the rear cross-arm has its middle at the cross-arm: one point, one mark.
    if (g.y > 0)
        m << BauplanMarke{QStringLiteral("die Reflektor-Mitte"), {0, g.reflektorMitte}};
    for (const double seite : {-1.0, 1.0}) {
        const QString s = seite < 0 ? QStringLiteral(" links") : QStringLiteral(" rechts");
        m << BauplanMarke{QStringLiteral("die vordere Spitze") + s, {seite * halbBv, 0}}
          << BauplanMarke{QStringLiteral("die hintere Spitze") + s, {seite * halbBh, lgBoom}}
          << BauplanMarke{QStringLiteral("der Isolator") + s, {seite * (halbBv + halbBh) / 2, d}};
        if (g.luecke > 0)
            m << BauplanMarke{QStringLiteral("das Reflektor-Ende") + s, {seite * halbBh, d + g.luecke}};
    }
    return m;
}

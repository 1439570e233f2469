#include "plan/blatt.h"

#include "plan/bauplanprotokoll.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <utility>

Blatt::Blatt(QPainter& p, BauplanProtokoll* protokoll) : p(p), protokoll(protokoll)
{
    const QRect r = p.viewport();
    proMm = std::min(r.width() / SeiteBreite, r.height() / SeiteHoehe);
    p.setRenderHint(QPainter::Antialiasing);
}

void Blatt::seite() { p.fillRect(QRectF(geraet({0, 0}), geraet({SeiteBreite, SeiteHoehe})), Qt::white); }

void Blatt::linienzug(const QList<QPointF>& punkte, const Strich& s)
{
    p.setPen(QPen(s.farbe, s.breite * proMm, s.stil, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    QPolygonF zug;
    for (const QPointF& punkt : punkte)
        zug << geraet(punkt);
    p.drawPolyline(zug);
    for (qsizetype i = 0; i + 1 < punkte.size(); ++i)
        merke(QLineF(punkte[i], punkte[i + 1]), s.breite);
}

void Blatt::flaeche(const QList<QPointF>& ecken, const QColor& fuellung, const Strich& rand)
{
    p.setPen(rand.breite > 0 ? QPen(rand.farbe, rand.breite * proMm) : QPen(Qt::NoPen));
    p.setBrush(fuellung);
    QPolygonF vieleck;
    for (const QPointF& ecke : ecken)
        vieleck << geraet(ecke);
    p.drawPolygon(vieleck);
    for (qsizetype i = 0; i < ecken.size(); ++i)
        merke(QLineF(ecken[i], ecken[(i + 1) % ecken.size()]), rand.breite);
}

void Blatt::punkt(QPointF mitte, double radius, const QColor& farbe)
{
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawEllipse(geraet(mitte), radius * proMm, radius * proMm);
    const QRectF r(mitte.x() - radius, mitte.y() - radius, 2 * radius, 2 * radius);
    for (const QLineF& kante : {QLineF(r.topLeft(), r.topRight()), QLineF(r.topRight(), r.bottomRight()),
                                QLineF(r.bottomRight(), r.bottomLeft()), QLineF(r.bottomLeft(), r.topLeft())})
        merke(kante, 0);
}

void Blatt::masslinie(QPointF a, QPointF b, const Strich& s)
{
    linie(a, b, s);
    const QPointF richtung = (b - a) / QLineF(a, b).length(), quer(-richtung.y(), richtung.x());
    constexpr double laenge = 2.0, halb = 0.6;
    for (const auto& [spitze, zurueck] : {std::pair{a, richtung}, std::pair{b, -richtung}})
        flaeche({spitze, spitze + zurueck * laenge + quer * halb, spitze + zurueck * laenge - quer * halb}, s.farbe, Strich{});
}

void Blatt::schrift(double punkte, bool fett)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    // Sizes follow the page, whatever resolution the device has.
    f.setPixelSize(std::max(1, int(std::lround(punkte * 25.4 / 72 * proMm))));
    f.setBold(fett);
    p.setFont(f);
}

double Blatt::breite(const QString& text) const { return QFontMetricsF(p.font(), p.device()).horizontalAdvance(text) / proMm; }

double Blatt::hoehe() const
{
    const QFontMetricsF m(p.font(), p.device());
    return (m.ascent() + m.descent()) / proMm;
}

double Blatt::zeilenabstand() const { return QFontMetricsF(p.font(), p.device()).lineSpacing() / proMm; }

QRectF Blatt::text(const QString& text, QPointF anker, Qt::Alignment ausrichtung, const QColor& farbe)
{
    const double b = breite(text), oben = QFontMetricsF(p.font(), p.device()).ascent() / proMm, h = hoehe();
    double x = anker.x(), y = anker.y();
    if (ausrichtung & Qt::AlignRight)
        x -= b;
    else if (ausrichtung & Qt::AlignHCenter)
        x -= b / 2;
    if (ausrichtung & Qt::AlignBottom)
        y -= h;
    else if (ausrichtung & Qt::AlignVCenter)
        y -= h / 2;
    p.setPen(farbe);
    p.drawText(geraet({x, y + oben}), text);
    const QRectF rahmen(x, y, b, h);
    if (protokoll)
        protokoll->texte.append({text, rahmen});
    return rahmen;
}

double Blatt::absatz(const QString& text, double x, double y, double breiteMm, const QColor& farbe)
{
    QString zeile;
    for (const QString& wort : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString laenger = zeile.isEmpty() ? wort : zeile + u' ' + wort;
        if (!zeile.isEmpty() && breite(laenger) > breiteMm) {
            this->text(zeile, {x, y}, Qt::AlignLeft | Qt::AlignTop, farbe);
            y += zeilenabstand();
            zeile = wort;
        } else {
            zeile = laenger;
        }
    }
    if (!zeile.isEmpty()) {
        this->text(zeile, {x, y}, Qt::AlignLeft | Qt::AlignTop, farbe);
        y += zeilenabstand();
    }
    return y;
}

void Blatt::merke(const QLineF& strecke, double breite)
{
    if (protokoll)
        protokoll->linien.append({strecke, breite});
}

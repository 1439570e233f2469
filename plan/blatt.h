#pragma once
// A page laid out in millimetres of an A4 sheet and painted on any device, scaled to fit it;
// every line and every text drawn is also written to a record when one is given.

#include <QColor>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;
struct BauplanProtokoll;

inline constexpr double SeiteBreite = 210, SeiteHoehe = 297;

// How a line is drawn; the width in mm.
struct Strich {
    QColor farbe;
    double breite = 0;
    Qt::PenStyle stil = Qt::SolidLine;
};

inline const QColor TextFarbe(0x20, 0x20, 0x20);

class Blatt {
public:
    Blatt(QPainter& p, BauplanProtokoll* protokoll);

    // The whole page white.
    void seite();
    void linienzug(const QList<QPointF>& punkte, const Strich& s);
    void linie(QPointF a, QPointF b, const Strich& s) { linienzug({a, b}, s); }
    // A filled shape with an outline; its edges count as lines.
    void flaeche(const QList<QPointF>& ecken, const QColor& fuellung, const Strich& rand);
    // A filled dot; it counts as the square around it.
    void punkt(QPointF mitte, double radius, const QColor& farbe);
    // A dimension line from a to b with an arrowhead at each end.
    void masslinie(QPointF a, QPointF b, const Strich& s);

    void schrift(double punkte, bool fett = false);
    // Measures of the current font in mm.
    double breite(const QString& text) const;
    double hoehe() const;
    double zeilenabstand() const;
    // A text placed at the anchor as the alignment says (left, right or centred; top, bottom
    // or centred); returns its box.
    QRectF text(const QString& text, QPointF anker, Qt::Alignment ausrichtung, const QColor& farbe = TextFarbe);
    // Words in lines no wider than the width; returns the y below the last line.
    double absatz(const QString& text, double x, double y, double breite, const QColor& farbe = TextFarbe);

private:
    QPointF geraet(QPointF mm) const { return mm * proMm; }
    void merke(const QLineF& strecke, double breite);

    QPainter& p;
    BauplanProtokoll* protokoll;
    double proMm = 1;
};

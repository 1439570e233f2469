#pragma once
// What the drawing of a build plan put on the page, in millimetres from the page's top left
// corner: every straight line (with its width) and the box of every text. Tests read it to
// check that no line runs through a text.

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>

struct BauplanProtokoll {
    struct Linie {
        QLineF strecke;
        double breite = 0;  // pen width in mm
    };
    struct Text {
        QString text;
        QRectF rahmen;  // advance width by ascent plus descent
    };
    QList<Linie> linien;
    QList<Text> texte;
};

#pragma once
// The pictures of the worked example: the two windows as they look after its steps, taken
// from the program's own forms on the offscreen platform, and its build plan page.

#include "doc/beispiellauf.h"

#include <QImage>
#include <QList>
#include <QString>

struct HilfeBild {
    QString name;  // as the document's <img src> names it
    QImage bild;
};

// Fills the velocity-factor calculator and the beam form with the example's inputs and lets
// them calculate, in a frame window of their own; the report they write goes into a
// temporary folder. Throws when a window shows other figures than the example's run: the
// text and the pictures of the help must never disagree.
QList<HilfeBild> beispielFenster(const BeispielLauf& lauf);

// The build plan page as the plan library paints it, at the given resolution.
HilfeBild beispielBauplan(const BeispielLauf& lauf, int dpi);

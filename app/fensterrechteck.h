#pragma once
// The rectangle the frame opens with, brought onto the screens: a stored size or place that
// does not fit any more (another screen, a hand-edited or damaged settings file) must not give
// a window larger than the screen or one that cannot be reached.

#include <QList>
#include <QRect>

// `gespeichert` is the stored outer rectangle in pixels (position and size as doubles, since a
// stored value may lie far beyond what a pixel coordinate holds); `bildschirme` the available
// area of each screen, the first being the primary one. The outer size is kept between
// `kleinste` and the available size of the screen the window ends up on; a window cut down to
// that size lies wholly on the screen. Otherwise the window stays where it was stored as long
// as its top edge, where the title bar lies, shows on a screen over at least 100 pixels or its
// whole width; else it is moved onto the nearest screen, as little as that screen allows.
QRect fensterAufBildschirm(double left, double top, double width, double height, const QList<QRect>& bildschirme,
                           QSize kleinste = QSize(100, 100));

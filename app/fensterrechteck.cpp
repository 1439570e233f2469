#include "app/fensterrechteck.h"

#include <algorithm>
#include <cmath>

namespace {

// Far beyond every screen, but safe to add and subtract as pixel coordinates.
constexpr double grenze = 1e7;

int ganz(double v)
{
    if (!std::isfinite(v))
        return 0;
    return int(std::lround(std::clamp(v, -grenze, grenze)));
}

double abstand(const QRect& bildschirm, QPoint p)
{
    const double dx = std::max({bildschirm.left() - p.x(), 0, p.x() - bildschirm.right()});
    const double dy = std::max({bildschirm.top() - p.y(), 0, p.y() - bildschirm.bottom()});
    return std::hypot(dx, dy);
}

// A strip of the title bar's height along the top edge.
constexpr int titelleiste = 30;

// The title bar can be grabbed on this screen.
bool erreichbar(const QRect& fenster, const QRect& bildschirm)
{
    if (fenster.top() < bildschirm.top() || fenster.top() + std::min(titelleiste, fenster.height()) - 1 > bildschirm.bottom())
        return false;
    const int sichtbar = std::min(fenster.right(), bildschirm.right()) - std::max(fenster.left(), bildschirm.left()) + 1;
    return sichtbar >= std::min(100, fenster.width());
}

} // namespace

QRect fensterAufBildschirm(double left, double top, double width, double height, const QList<QRect>& bildschirme,
                           QSize kleinste)
{
    QRect fenster(ganz(left), ganz(top), std::max(ganz(width), kleinste.width()), std::max(ganz(height), kleinste.height()));
    if (bildschirme.isEmpty())
        return fenster;
    // The screen that shows the title bar, else the one nearest to the window's corner.
    const QRect* ziel = nullptr;
    for (const QRect& b : bildschirme)
        if (!ziel && erreichbar(fenster, b))
            ziel = &b;
    if (!ziel) {
        ziel = &bildschirme.first();
        for (const QRect& b : bildschirme)
            if (abstand(b, fenster.topLeft()) < abstand(*ziel, fenster.topLeft()))
                ziel = &b;
    }
    // A window cut down to the screen's size is laid wholly on it: its lower edge, too, is
    // then within reach.
    const QSize passend = fenster.size().boundedTo(ziel->size());
    const bool verkleinert = passend != fenster.size();
    fenster.setSize(passend);
    if (verkleinert || !erreichbar(fenster, *ziel)) {
        fenster.moveLeft(std::clamp(fenster.left(), ziel->left(), ziel->right() - fenster.width() + 1));
        fenster.moveTop(std::clamp(fenster.top(), ziel->top(), ziel->bottom() - fenster.height() + 1));
    }
    return fenster;
}

#pragma once
// Window geometry is kept in twips (1/1440 inch); the screen's logical DPI turns it into pixels.

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

inline double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}
inline int tw(double twips) { return int(std::lround(twips * logicalDpi() / 1440.0)); }
inline double toTwips(int pixels) { return pixels * 1440.0 / logicalDpi(); }

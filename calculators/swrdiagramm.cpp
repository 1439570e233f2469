#include "calculators/swrdiagramm.h"

#include "calculators/messungtext.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace {

// A step of 1, 2 or 5 times a power of ten that divides the span into about `teile` parts. The
// span is positive and finite (the axes widen a narrower one).
double runderSchritt(double spanne, int teile)
{
    const double roh = spanne / teile;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (double m : {1.0, 2.0, 5.0})
        if (m * zehner >= roh)
            return m * zehner;
    return 10 * zehner;
}

int nachkommastellen(double schritt) { return std::max(0, int(std::ceil(-std::log10(schritt) - 1e-9))); }

// The multiples of `schritt` from `von` to `bis`, counted first: a loop that added the step to a
// double would stand still where the step falls below the double's resolution.
std::vector<double> teilstriche(double von, double bis, double schritt)
{
    const double erste = std::ceil(von / schritt - 1e-9), letzte = std::floor(bis / schritt + 1e-9);
    std::vector<double> striche;
    if (!std::isfinite(erste) || !std::isfinite(letzte) || letzte < erste)
        return striche;
    const int anzahl = int(std::min(letzte - erste, 50.0)) + 1;
    for (int i = 0; i < anzahl; ++i)
        striche.push_back((erste + i) * schritt);
    return striche;
}

// Where the 2:1 band lies across the plot, clipped to it; nothing when its edges are not known.
std::optional<std::pair<double, double>> bandbreiteLinksRechts(const SwrDiagrammAchsen& a, const Resonanz& resonanz)
{
    if (!resonanz.bandbreite)
        return std::nullopt;
    return std::pair{std::clamp(a.x(resonanz.bandbreite->unten), a.feld.left(), a.feld.right()),
                     std::clamp(a.x(resonanz.bandbreite->oben), a.feld.left(), a.feld.right())};
}

// The 2:1 band shaded below the 2:1 line, behind grid and curve.
void schattiereBandbreite(QPainter& painter, const SwrDiagrammAchsen& a, const Resonanz& resonanz)
{
    if (const auto band = bandbreiteLinksRechts(a, resonanz))
        painter.fillRect(QRectF(QPointF(band->first, a.y(BandbreitenSwr)), QPointF(band->second, a.feld.bottom())), BandbreitenFarbe);
}

// Its width above the 2:1 line, over the markers so that it stays readable.
void beschrifteBandbreite(QPainter& painter, const SwrDiagrammAchsen& a, const Resonanz& resonanz, const QFontMetricsF& schrift)
{
    const auto band = bandbreiteLinksRechts(a, resonanz);
    if (!band)
        return;
    const QString text = QStringLiteral("2:1-Bandbreite ") + khzText(resonanz.bandbreite->breite());
    const double breite = schrift.horizontalAdvance(text) + 6;
    const double mitte = std::clamp((band->first + band->second) / 2, a.feld.left() + breite / 2, a.feld.right() - breite / 2);
    const QRectF kasten(mitte - breite / 2, a.y(BandbreitenSwr) - schrift.height() - 3, breite, schrift.height() + 2);
    painter.fillRect(kasten, BandbreitenFarbe);
    painter.setPen(Qt::black);
    painter.drawText(kasten, Qt::AlignCenter, text);
}

} // namespace

double SwrDiagrammAchsen::x(double hz) const { return feld.left() + (hz - fMin) / (fMax - fMin) * feld.width(); }

double SwrDiagrammAchsen::y(double swr) const
{
    const double s = std::isfinite(swr) ? std::clamp(swr, 1.0, swrMax) : swrMax;
    return feld.bottom() - (s - 1) / (swrMax - 1) * feld.height();
}

SwrDiagrammAchsen swrDiagrammAchsen(const Messung& messung, const QRectF& flaeche, const QFontMetricsF& schrift)
{
    SwrDiagrammAchsen a;
    a.fMin = messung.punkte.front().frequenz;
    a.fMax = messung.punkte.back().frequenz;
    // A sweep still growing may hold one frequency only; the axis spans at least a hertz.
    if (!(a.fMax - a.fMin >= MessSpanneMindestens)) {
        const double mitte = a.fMin / 2 + a.fMax / 2;
        a.fMin = mitte - MessSpanneMindestens / 2;
        a.fMax = mitte + MessSpanneMindestens / 2;
    }
    double groesstes = 1;
    for (const MessPunkt& p : messung.punkte)
        if (std::isfinite(p.swr))
            groesstes = std::max(groesstes, p.swr);
    // At least up to 3, so that the 2:1 line shows; beyond 10 nobody reads details.
    a.swrMax = std::clamp(std::ceil(groesstes), 3.0, 10.0);
    const double zeile = schrift.height();
    const double links = schrift.horizontalAdvance(QStringLiteral("10")) + zeile * 0.8;
    // Legend on top, tick labels and the axis title below.
    a.feld = flaeche.adjusted(links, zeile * 2.0, -schrift.horizontalAdvance(QStringLiteral("00,00")) / 2, -zeile * 2.6);
    return a;
}

void zeichneSwrDiagramm(QPainter& painter, const QRectF& flaeche, const Messung* messung, const Resonanz* resonanz,
                        std::optional<double> sollHz)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(flaeche, Qt::white);
    painter.setPen(Qt::black);
    if (!messung || messung->punkte.size() < 2 || !resonanz) {
        painter.drawRect(flaeche.adjusted(0.5, 0.5, -0.5, -0.5));
        painter.drawText(flaeche.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("Noch keine Messung geladen.\nEine Messdatei (.s1p) des Antennenanalysators "
                                        "mit „Messung laden…“ öffnen."));
        painter.restore();
        return;
    }
    const QFontMetricsF schrift(painter.font());
    const SwrDiagrammAchsen a = swrDiagrammAchsen(*messung, flaeche, schrift);
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    const QRectF& feld = a.feld;
    const double zeile = schrift.height() * 1.4;
    schattiereBandbreite(painter, a, *resonanz);

    // Grid and SWR scale.
    const int swrSchritt = a.swrMax <= 5 ? 1 : 2;
    for (int i = 0; i <= int((a.swrMax - 1) / swrSchritt + 1e-9); ++i) {
        const double s = 1 + i * swrSchritt;
        painter.setPen(QPen(QColor(220, 220, 220), 0));
        painter.drawLine(QPointF(feld.left(), a.y(s)), QPointF(feld.right(), a.y(s)));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(flaeche.left(), a.y(s) - schrift.height() / 2, feld.left() - flaeche.left() - 4, schrift.height()),
                         Qt::AlignRight | Qt::AlignVCenter, l.toString(s, 'f', 0));
    }
    // Frequency scale in MHz.
    const double fSchritt = runderSchritt((a.fMax - a.fMin) / 1e6, 5) * 1e6;
    const int stellen = nachkommastellen(fSchritt / 1e6);
    for (const double f : teilstriche(a.fMin, a.fMax, fSchritt)) {
        painter.setPen(QPen(QColor(220, 220, 220), 0));
        painter.drawLine(QPointF(a.x(f), feld.top()), QPointF(a.x(f), feld.bottom()));
        painter.setPen(Qt::black);
        const QString text = l.toString(f / 1e6, 'f', stellen);
        const double breite = schrift.horizontalAdvance(text);
        // A label at a corner would run into the SWR scale or out of the picture.
        if (a.x(f) - breite / 2 < feld.left() || a.x(f) + breite / 2 > flaeche.right())
            continue;
        painter.drawText(QRectF(a.x(f) - breite / 2 - 2, feld.bottom() + 2, breite + 4, schrift.height()), Qt::AlignCenter, text);
    }
    painter.drawText(QRectF(feld.left(), feld.bottom() + schrift.height(), feld.width(), schrift.height() * 1.5),
                     Qt::AlignCenter, QStringLiteral("Frequenz [MHz]"));
    // The scale's name heads the legend row.
    const QString swrName = QStringLiteral("SWR");
    painter.drawText(QRectF(flaeche.left() + 2, flaeche.top(), flaeche.width(), zeile), Qt::AlignLeft | Qt::AlignVCenter, swrName);

    // The 2:1 line.
    painter.setPen(QPen(QColor(128, 128, 128), 0, Qt::DashLine));
    painter.drawLine(QPointF(feld.left(), a.y(BandbreitenSwr)), QPointF(feld.right(), a.y(BandbreitenSwr)));

    // The curve, cut off at the top of the scale.
    painter.save();
    painter.setClipRect(feld.adjusted(-1, -1, 1, 1));
    QPainterPath kurve;
    kurve.moveTo(a.x(messung->punkte.front().frequenz), a.y(messung->punkte.front().swr));
    for (const MessPunkt& p : messung->punkte)
        kurve.lineTo(a.x(p.frequenz), a.y(p.swr));
    painter.setPen(QPen(SwrKurvenFarbe, 2));
    painter.drawPath(kurve);
    painter.restore();

    // Markers and the legend that names them.
    double legendeLinks = std::max(feld.left(), flaeche.left() + 2 + schrift.horizontalAdvance(swrName) + schrift.height());
    auto marke = [&](double hz, const QColor& farbe, Qt::PenStyle stil, const QString& name) {
        const bool drinnen = hz >= a.fMin && hz <= a.fMax;
        if (drinnen) {
            painter.setPen(QPen(farbe, 2, stil));
            painter.drawLine(QPointF(a.x(hz), feld.top()), QPointF(a.x(hz), feld.bottom()));
        }
        const QString text = QStringLiteral("%1 %2%3").arg(name, mhzKurz(hz), drinnen ? QString() : QStringLiteral(" (außerhalb)"));
        painter.setPen(farbe);
        painter.drawText(QRectF(legendeLinks, flaeche.top(), flaeche.right() - legendeLinks, zeile), Qt::AlignLeft | Qt::AlignVCenter, text);
        legendeLinks += schrift.horizontalAdvance(text) + schrift.height();
    };
    marke(resonanz->frequenz, ResonanzFarbe, Qt::SolidLine, QStringLiteral("Resonanz"));
    // A wanted frequency of 0 or below is no wish, whoever hands it in.
    if (sollHz && *sollHz > 0 && *sollHz <= MessFrequenzHoechstens)
        marke(*sollHz, SollFarbe, Qt::DashLine, QStringLiteral("Soll"));

    beschrifteBandbreite(painter, a, *resonanz, schrift);

    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(feld);
    painter.restore();
}

#include "vf/swranzeige.h"

#include "calculators/messungtext.h"
#include "calculators/swrdiagramm.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

SwrAnzeige::SwrAnzeige(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SwrAnzeige"));
    setAccessibleName(QStringLiteral("SWR-Diagramm"));
    // Reached with the tab key, so that a screen reader reads what the picture shows.
    setFocusPolicy(Qt::TabFocus);
    beschreiben();
}

void SwrAnzeige::zeige(const Messung& neu, const Resonanz& gefunden)
{
    messung = neu;
    resonanz = gefunden;
    beschreiben();
    update();
}

void SwrAnzeige::setzeSoll(std::optional<double> hz)
{
    if (hz == sollHz)
        return;
    sollHz = hz;
    beschreiben();
    update();
}

void SwrAnzeige::setzeVorige(std::optional<Messung> neu)
{
    vorige = std::move(neu);
    update();
}

void SwrAnzeige::zeigeTeil(const Messung& teil)
{
    if (teil.punkte.size() < 2)
        return;
    try {
        zeige(teil, findeResonanz(teil));
    } catch (const MessungFehler&) {
        // No finite SWR yet: the plot waits for the next points.
    }
}

void SwrAnzeige::leeren()
{
    resonanz.reset();
    messung = {};
    beschreiben();
    update();
}

void SwrAnzeige::beschreiben()
{
    const QString text = resonanz ? diagrammBeschreibung(*resonanz, sollHz) : QStringLiteral("Noch keine Messung geladen.");
    setAccessibleDescription(text);
    setToolTip(text);
}

void SwrAnzeige::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    zeichneSwrDiagramm(painter, QRectF(rect()), resonanz ? &messung : nullptr, resonanz ? &*resonanz : nullptr, sollHz);
    if (resonanz && vorige && vorige->punkte.size() >= 2 && messung.punkte.size() >= 2) {
        // The previous sweep on the current one's scale, light and thin under the legend.
        const SwrDiagrammAchsen a = swrDiagrammAchsen(messung, QRectF(rect()), QFontMetricsF(painter.font()));
        QPainterPath kurve;
        kurve.moveTo(a.x(vorige->punkte.front().frequenz), a.y(vorige->punkte.front().swr));
        for (const MessPunkt& p : vorige->punkte)
            kurve.lineTo(a.x(p.frequenz), a.y(p.swr));
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(a.feld);
        QColor blass = SwrKurvenFarbe;
        blass.setAlpha(80);
        painter.setPen(QPen(blass, 1.5, Qt::DashLine));
        painter.drawPath(kurve);
        painter.restore();
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

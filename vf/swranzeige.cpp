#include "vf/swranzeige.h"

#include "calculators/messungtext.h"
#include "calculators/swrdiagramm.h"

#include <QPainter>

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
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

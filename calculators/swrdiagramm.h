#pragma once
// The plot of SWR over frequency, drawn with any QPainter: on the pruning window's widget and
// into the command line's SVG file alike. Markers stand at the resonance and at the wanted
// frequency, the 2:1 band is shaded and its width written in kHz; the axes are labelled in
// German with MHz.

#include "calculators/resonanz.h"

#include <QColor>
#include <QRectF>

#include <optional>

class QFontMetricsF;
class QPainter;

inline const QColor SwrKurvenFarbe(0, 0, 160);
inline const QColor ResonanzFarbe(200, 0, 0);
inline const QColor SollFarbe(0, 128, 0);
inline const QColor BandbreitenFarbe(214, 236, 214);  // the 2:1 band, behind the grid

// Where a frequency and an SWR land in the picture.
struct SwrDiagrammAchsen {
    QRectF feld;               // inside the axes
    double fMin = 0, fMax = 1; // Hz, the sweep's ends
    double swrMax = 3;         // top of the scale; SWR 1 lies at the bottom
    double x(double hz) const;
    double y(double swr) const;  // above the scale: at its top
};

SwrDiagrammAchsen swrDiagrammAchsen(const Messung& messung, const QRectF& flaeche, const QFontMetricsF& schrift);

// Without a measurement the area shows what to do. `sollHz` is the wanted resonance, when known.
void zeichneSwrDiagramm(QPainter& painter, const QRectF& flaeche, const Messung* messung, const Resonanz* resonanz,
                        std::optional<double> sollHz);

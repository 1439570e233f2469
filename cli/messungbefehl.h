#pragma once
// zentavik-rechner messung: the resonance, SWR, impedance and bandwidth of an analyser's sweep
// (Touchstone .s1p), and its plot as SVG; and the sweep's resonance for pruning --messung.

#include "calculators/resonanz.h"

#include <QStringList>

class QTextStream;

namespace rechner {

int messungBefehl(const QStringList& argumente, QTextStream& out, QTextStream& err);

// The sweep in the file and its resonance. Throws FalscheEingabe naming the option (or the
// file, when `option` is empty) with the line and what is wrong.
struct GeleseneMessung {
    Messung messung;
    Resonanz resonanz;
};
GeleseneMessung leseMessungFuer(const QString& option, const QString& pfad);

// The plot as an SVG document, 480 by 300 pixels.
QByteArray swrDiagrammSvg(const Messung& messung, const Resonanz& resonanz, std::optional<double> sollHz);

} // namespace rechner

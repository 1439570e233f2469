#pragma once
// zentavik-rechner messung: the resonance, SWR, impedance and bandwidth of an analyser's sweep
// (Touchstone .s1p), and its plot as SVG; and the sweep's resonance for pruning --messung.

#include "analysator/analysatorprotokoll.h"
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

// A sweep measured by the analyser on `anschluss`; `geraet` gets the unit's name. Throws
// FalscheEingabe naming the option with what went wrong.
GeleseneMessung messeMitGeraet(const QString& option, const QString& anschluss, const SweepBereich& bereich, QString* geraet = nullptr);
// The range of a sweep around the wanted resonance, spanning about three bandwidths.
SweepBereich bereichUmSoll(const QString& option, double sollHz);

// The plot as an SVG document, 480 by 300 pixels.
QByteArray swrDiagrammSvg(const Messung& messung, const Resonanz& resonanz, std::optional<double> sollHz);

} // namespace rechner

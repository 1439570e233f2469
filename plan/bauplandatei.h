#pragma once
// The build plan as the bytes of a PDF or an SVG file (an A4 page each), or on a printer.
// Both are drawn into memory first: the PDF and SVG writers do not report a failed write, so
// the file is written, by whoever asked, only once the drawing is complete.

#include "plan/bauplandaten.h"

#include <QByteArray>

#include <optional>

class QPagedPaintDevice;

// Why no plan is drawn for a design: what it comes from (the frequency, or the wire: velocity
// factor and insulation) and the reason in German, lower case first.
struct BauplanAblehnung {
    enum class Ursache { Frequenz, Draht } ursache;
    QString grund;
};

// A plan is only drawn when it can be built from: every figure on it shows more than 0 in its
// digits, both wires fit around the frame (BauplanGeometrie), and every text fits the page
// without running into another text or a line.
std::optional<BauplanAblehnung> bauplanAblehnung(const BauplanDaten& daten);

QByteArray bauplanPdf(const BauplanDaten& daten);
QByteArray bauplanSvg(const BauplanDaten& daten);

// Paints the plan on the device's first page, within its margins, whatever its paper size.
// False when the device could not be painted on.
bool bauplanAufSeite(QPagedPaintDevice& geraet, const BauplanDaten& daten);

// Where the plan goes when no other name is given.
inline const QString BauplanPdfName = QStringLiteral("Zentavik-Bauplan.pdf");
inline const QString BauplanSvgName = QStringLiteral("Zentavik-Bauplan.svg");

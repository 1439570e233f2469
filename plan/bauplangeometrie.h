#pragma once
// Where the two wires run on the frame, computed from their cut lengths and the frame's
// measures, so that the route the plan draws has exactly the length that is cut.
//
// Both elements take the same route: from the insulator at one side along the outside to the
// tip of their cross-arm, diagonally to the boom, where the wire's middle is fixed, and the
// same way back to the insulator at the other side. The driven element's side wires run D back
// from the front tips, the reflector's forward from the rear tips to the same insulators. What
// is left of each wire fixes where its middle sits on the boom: the driven element's feed point
// P − x behind the front cross-arm, the reflector's middle y in front of the rear cross-arm.
// A reflector too short for that (a small velocity factor, thick insulation) runs along the
// rear cross-arm (y = 0) and its ends stop short of the insulators: a cord bridges the gap.

#include "beam/beamcalculation.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <optional>

// Metres on the frame: the boom along the y axis, the front cross-arm at y = 0, the rear one
// at y = LgBoom; x = 0 on the boom, the right side positive.
struct BauplanGeometrie {
    double x = 0;               // the feed point lies x in front of P
    double y = 0;               // the reflector's middle lies y in front of the rear cross-arm
    double speisepunkt = 0;     // P − x: front cross-arm to the feed point
    double reflektorMitte = 0;  // LgBoom − y: front cross-arm to the reflector's middle
    double reflektorSeite = 0;  // DR: the reflector's side wire, rear tip to its end
    double luecke = 0;          // from the reflector's end to the insulator, bridged by a cord
    // Each route from the insulator on the left to the one on the right: end, arm tip, middle
    // on the boom, arm tip, end.
    QList<QPointF> strahler, reflektor;
};

// A mark a builder puts on the frame: the point it names and where it lies.
struct BauplanMarke {
    QString name;
    QPointF ort;  // m, as in BauplanGeometrie
};

// The length of a route, summed over its straight pieces.
double routenLaenge(const QList<QPointF>& route);

// The geometry, or the reason (German, lower case first) why the wires cannot be mounted on
// this frame: a wire too short to reach around it, a driven element so long that its feed point
// would lie behind P, a reflector whose middle would reach the feed point, or two marks that
// fall on one another.
struct GeometrieErgebnis {
    std::optional<BauplanGeometrie> geometrie;
    QString grund;
};
GeometrieErgebnis bauplanGeometrie(const BeamDimensions& o);

// Every point to mark on the boom and the cross-arms: the boom's ends, the cross-arms, the
// feed point, the reflector's middle, the cross-arms' tips and the insulators.
QList<BauplanMarke> rahmenMarken(const BeamDimensions& o, const BauplanGeometrie& g);

// The nearest distance between two different marks, in m, at which the plan still tells them apart.
inline constexpr double MarkenAbstand = 0.001;

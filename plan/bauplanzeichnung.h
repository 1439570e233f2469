#pragma once
// The one drawing of the build plan: the antenna seen from above with its dimension lines,
// the cut list, the trimming aid and the inputs, laid out on an A4 page.

#include "plan/bauplandaten.h"

class QPainter;
struct BauplanProtokoll;

// Paints the page into the painter's viewport, scaled to fit it (A4 fills it, Letter a little
// less). What is drawn is also written to protokoll when one is given.
void maleBauplan(QPainter& painter, const BauplanDaten& daten, BauplanProtokoll* protokoll = nullptr);

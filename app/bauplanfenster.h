#pragma once
// "Bau&plan…" and "Bauplan d&rucken…": the build plan of the beam form's last calculation,
// saved as PDF or SVG or printed, drawn by the same code as the command line's plan.

#include "plan/bauplandaten.h"

#include <QString>

#include <optional>

class FrameServices;
class QWidget;

// Asks for a file name; a name ending in ".svg" gets an SVG, any other a PDF (".pdf" is added
// to a name without an ending). Without a calculation the user is told to calculate first;
// when the inputs were changed after it (veraltet), asked whether the last one's plan is wanted.
// Returns the line the status bar shows afterwards: what was written, or empty.
// A plan that cannot be built from is refused: a beep, and the reason in the frame's status line.
QString BauplanSpeichern(QWidget* parent, FrameServices& frame, const std::optional<BauplanDaten>& plan, bool veraltet = false);

// Asks for a printer and prints the plan on one page of whatever paper it holds.
void BauplanDrucken(QWidget* parent, FrameServices& frame, const std::optional<BauplanDaten>& plan, bool veraltet = false);

#pragma once
// "&Eingaben drucken": a picture of the beam input form on the default printer, stamped with
// the date and time in its hint label.

#include <QDateTime>

class frmHauptform;
class QPrinter;
class QWidget;

// The text appended to the hint label for a printout made at `when`.
QString DruckStempel(const QDateTime& when);

// Draws the widget's client area on the printer's first page, as large as it is on the screen
// or smaller when the page is narrower. False when the printer could not be used.
bool FormularDrucken(QWidget& form, QPrinter& printer);

void EingabenDrucken(frmHauptform& form);

#pragma once
// "&Eingaben drucken": a picture of the beam input form on the default printer, stamped with
// the date and time in its hint label. Without any printer the user is told so and may save
// the same page as a PDF file instead.

#include <QDateTime>

class frmHauptform;
class QPagedPaintDevice;
class QPrinter;
class QWidget;

// The text appended to the hint label for a printout made at `when`.
QString DruckStempel(const QDateTime& when);

// Draws the widget's client area on the first page of a printer or PDF writer, as large as it
// is on the screen or smaller when the page is narrower. False when the device could not be used.
bool FormularDrucken(QWidget& form, QPagedPaintDevice& device);

// The page FormularDrucken gives on the printer's page layout and resolution, as a PDF document.
// Empty when it could not be made.
QByteArray FormularAlsPdf(QWidget& form, const QPrinter& layout);

void EingabenDrucken(frmHauptform& form);

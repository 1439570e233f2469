#pragma once
// Jumps within a PDF document. Qt's PDF writer turns a link into a web address only; a jump
// from the table of contents to a page is added afterwards as an incremental update, which
// appends new objects and leaves every byte the writer wrote as it is.

#include <QByteArray>
#include <QList>
#include <QRectF>

struct PdfSprung {
    int vonSeite = 0;  // page of the link, from 0
    QRectF feld;       // where it can be clicked, in points from the page's lower left corner
    int zuSeite = 0;   // page it leads to, from 0
    qreal zuHoehe = 0;  // the height shown at the window's top, in points from the page's foot
};

// Appends the jumps to a document as QPdfWriter writes it (each page with an /Annots array of
// its own). False, with the document unchanged, when its structure is not the one expected.
bool pdfSpruengeAnhaengen(QByteArray& pdf, const QList<PdfSprung>& spruenge);

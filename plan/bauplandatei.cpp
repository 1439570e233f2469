#include "plan/bauplandatei.h"

#include "plan/bauplanzeichnung.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {
const QString Titel = QStringLiteral("Bauplan Zentavik nach Norbek");
}

QByteArray bauplanPdf(const BauplanDaten& daten)
{
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&puffer);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    pdf.setResolution(300);
    pdf.setTitle(Titel);
    pdf.setCreator(QStringLiteral("Zentavik"));
    {
        QPainter painter(&pdf);
        maleBauplan(painter, daten);
    }
    return bytes;
}

QByteArray bauplanSvg(const BauplanDaten& daten)
{
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    // A4 in tenths of a millimetre: width and height come out as 210 mm and 297 mm.
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setResolution(254);
    svg.setSize(QSize(2100, 2970));
    svg.setViewBox(QRect(0, 0, 2100, 2970));
    svg.setTitle(Titel);
    {
        QPainter painter(&svg);
        maleBauplan(painter, daten);
    }
    return bytes;
}

bool bauplanAufSeite(QPagedPaintDevice& geraet, const BauplanDaten& daten)
{
    QPainter painter;
    if (!painter.begin(&geraet))
        return false;
    maleBauplan(painter, daten);
    return painter.end();
}

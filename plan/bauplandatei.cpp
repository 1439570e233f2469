#include "plan/bauplandatei.h"

#include "common/numberformat.h"
#include "plan/bauplangeometrie.h"
#include "plan/bauplanprotokoll.h"
#include "plan/bauplanzeichnung.h"
#include "plan/blatt.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace {
const QString Titel = QStringLiteral("Bauplan Zentavik nach Norbek");

bool schneidet(const QLineF& l, const QRectF& r)
{
    if (r.contains(l.p1()) || r.contains(l.p2()))
        return true;
    const QLineF kanten[] = {{r.topLeft(), r.topRight()}, {r.topRight(), r.bottomRight()},
                             {r.bottomRight(), r.bottomLeft()}, {r.bottomLeft(), r.topLeft()}};
    for (const QLineF& k : kanten) {
        if (l.intersects(k) == QLineF::BoundedIntersection)
            return true;
    }
    return false;
}

// The first text that leaves the printable part of the page (within the margins of A4 and of
// Letter) or runs into another text or a line.
std::optional<QString> textPasstNicht(const BauplanDaten& daten)
{
    BauplanProtokoll protokoll;
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setResolution(254);
    svg.setSize(QSize(2100, 2970));
    {
        QPainter painter(&svg);
        maleBauplan(painter, daten, &protokoll);
    }
    const QRectF seite(10, 10, SeiteBreite - 20, SeiteHoehe - 20);
    for (qsizetype i = 0; i < protokoll.texte.size(); ++i) {
        const auto& t = protokoll.texte[i];
        if (!seite.contains(t.rahmen))
            return t.text;
        for (qsizetype j = i + 1; j < protokoll.texte.size(); ++j) {
            if (protokoll.texte[j].rahmen.intersects(t.rahmen))
                return t.text;
        }
        for (const auto& l : protokoll.linien) {
            if (schneidet(l.strecke, t.rahmen.adjusted(-l.breite / 2, -l.breite / 2, l.breite / 2, l.breite / 2)))
                return t.text;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<BauplanAblehnung> bauplanAblehnung(const BauplanDaten& daten)
{
    using U = BauplanAblehnung::Ursache;
    const BeamDimensions& o = daten.werte.out;
    const QString bei = QStringLiteral("bei ") + generalSingle(daten.werte.f, QStringLiteral(",")) + QStringLiteral(" MHz ");
    // What the sheet shows of the report's values and of the resonances, in its digits.
    const std::pair<const char*, float> laengen[] = {{"LgD", o.LgD}, {"LgR", o.LgR}, {"A", o.A}, {"Bv", o.Bv}, {"Bh", o.Bh},
                                                     {"LgBoom", o.LgBoom}, {"C", o.C}, {"gesLgBoom", o.gesLgBoom},
                                                     {"D", o.D}, {"P", o.P}, {"Vlg", o.Vlg}};
    for (const auto& [name, wert] : laengen) {
        if (!std::isfinite(wert) || !(wert >= 0.0005f))
            return BauplanAblehnung{U::Frequenz, bei + QStringLiteral("wäre %1 = %2; ein Bauplan braucht jede Länge "
                                                                      "über 0,000 m")
                                                       .arg(QString::fromLatin1(name), meterText(wert))};
    }
    const std::pair<const char*, float> resonanzen[] = {{"frD", o.frD}, {"frR", o.frR}};
    for (const auto& [name, wert] : resonanzen) {
        const double kHz = kHzProZentimeter(wert, name[2] == 'D' ? o.LgD : o.LgR);
        if (!std::isfinite(wert) || !(wert >= 0.0005f) || !std::isfinite(kHz) || !(kHz >= 0.0005))
            return BauplanAblehnung{U::Frequenz, bei + QStringLiteral("ändert 1 cm Draht die Resonanz %1 um weniger als "
                                                                      "0,001 kHz; dafür taugt kein Bauplan")
                                                       .arg(QString::fromLatin1(name))};
    }
    const GeometrieErgebnis geometrie = bauplanGeometrie(o);
    if (!geometrie.geometrie)
        return BauplanAblehnung{U::Draht, geometrie.grund + QStringLiteral(" (Verkürzungsfaktor %1, Isolierung %2)")
                                                                  .arg(daten.vkVerwendet, daten.isolierung.simplified())};
    if (const auto text = textPasstNicht(daten))
        return BauplanAblehnung{U::Frequenz, bei + QStringLiteral("passt „%1“ nicht auf das Blatt").arg(*text)};
    return std::nullopt;
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

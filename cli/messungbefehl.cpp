#include "cli/messungbefehl.h"

#include "calculators/messdatei.h"
#include "calculators/messungtext.h"
#include "calculators/swrdiagramm.h"
#include "cli/befehl.h"
#include "cli/json.h"
#include "common/numbertext.h"
#include "platform/dateischreiber.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

namespace rechner {
namespace {

// Options that take a value; any other word that is no option names the sweep file.
const QStringList MitWert = {QStringLiteral("--svg"), QStringLiteral("--soll")};

// Takes the one file name out of the arguments, so that the rest reads as options.
QString nimmDateiName(QStringList& argumente)
{
    QString datei;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == QStringLiteral("--")) {
            if (i + 1 < argumente.size() && datei.isEmpty()) {
                datei = argumente[i + 1];
                argumente.remove(i, 2);
            }
            break;
        }
        if (a.startsWith(u'-') && a.size() > 1) {
            if (MitWert.contains(a))
                ++i;
            continue;
        }
        if (!datei.isEmpty())
            throw FalscheEingabe{QString(), QStringLiteral("überzähliges Argument \"%1\" (nur eine Messdatei)").arg(a)};
        datei = a;
        argumente.remove(i--);
    }
    return datei;
}

void zahlJson(JsonWriter& j, const char* name, double wert)
{
    j.key(QString::fromLatin1(name));
    if (std::isfinite(wert))
        j.value(wert);
    else
        j.null();
}

void impedanzJson(JsonWriter& j, const char* name, std::complex<double> z)
{
    j.key(QString::fromLatin1(name)).beginObject();
    zahlJson(j, "r", z.real());
    zahlJson(j, "x", z.imag());
    j.endObject();
}

QString regelSchluessel(ResonanzRegel r) { return r == ResonanzRegel::Nulldurchgang ? QStringLiteral("nulldurchgang") : QStringLiteral("swr_minimum"); }

} // namespace

GeleseneMessung leseMessungFuer(const QString& option, const QString& pfad)
{
    try {
        GeleseneMessung g{ladeMessung(pfad), {}};
        g.resonanz = findeResonanz(g.messung);
        return g;
    } catch (const MessungFehler& f) {
        // One line: a file that cannot be read names itself in the message's first line.
        QString text = f.meldung().replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        if (!f.nenntDatei)
            text = QStringLiteral("\"%1\": ").arg(pfad) + text;
        throw FalscheEingabe{option, text};
    }
}

QByteArray swrDiagrammSvg(const Messung& messung, const Resonanz& resonanz, std::optional<double> sollHz)
{
    QByteArray bytes;
    {
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&puffer);
        svg.setResolution(96);
        svg.setSize(QSize(480, 300));
        svg.setViewBox(QRect(0, 0, 480, 300));
        svg.setTitle(QStringLiteral("SWR über der Frequenz"));
        svg.setDescription(diagrammBeschreibung(resonanz, sollHz));
        QPainter painter(&svg);
        QFont schrift(QStringLiteral("Liberation Sans"));
        schrift.setPixelSize(12);
        painter.setFont(schrift);
        zeichneSwrDiagramm(painter, QRectF(0, 0, 480, 300).adjusted(4, 4, -4, -4), &messung, &resonanz, sollHz);
    }
    return bytes;
}

int messungBefehl(const QStringList& argumenteMitDatei, QTextStream& out, QTextStream&)
{
    Befehl befehl(QStringLiteral("messung"),
                  QStringLiteral("Liest den Sweep eines Antennenanalysators (Touchstone, DATEI.s1p) und nennt Resonanz, SWR-Minimum,\n"
                                 "Impedanz und 2:1-Bandbreite."),
                  {{QStringLiteral("soll"), QStringLiteral("MHZ"), QStringLiteral("gewünschte Resonanz in MHz, im Diagramm markiert")},
                   {QStringLiteral("svg"), QStringLiteral("DATEI"), QStringLiteral("das SWR-Diagramm als SVG in DATEI schreiben")},
                   {QStringLiteral("json"), QString(), QStringLiteral("Ergebnisse als JSON ausgeben")}});
    befehl.setzeArgument(QStringLiteral("DATEI.s1p"));
    QStringList argumente = argumenteMitDatei;
    const QString datei = nimmDateiName(argumente);
    if (!befehl.lies(argumente, out))
        return Erfolg;
    if (datei.trimmed().isEmpty())
        throw FalscheEingabe{QString(), QStringLiteral("keine Messdatei angegeben (Aufruf: %1 messung DATEI.s1p)").arg(Programm)};

    std::optional<double> sollHz;
    if (befehl.gesetzt(QStringLiteral("soll"))) {
        const QString soll = befehl.wert(QStringLiteral("soll"));
        pruefeFeldZahl(QStringLiteral("--soll"), soll);
        const double mhz = ZahlAusText(soll);
        if (!(mhz > 0))
            throw FalscheEingabe{QStringLiteral("--soll"), QStringLiteral("die gewünschte Resonanz muss größer als 0 sein")};
        sollHz = double(mhz) * 1e6;
        if (*sollHz > MessFrequenzHoechstens)
            throw FalscheEingabe{QStringLiteral("--soll"), QStringLiteral("die gewünschte Resonanz ist zu hoch (höchstens 1000000 MHz)")};
    }
    // The plot never takes the place of the sweep it is drawn from.
    if (befehl.gesetzt(QStringLiteral("svg")) && dieselbeDatei(befehl.dateiName(QStringLiteral("svg")), datei))
        throw FalscheEingabe{QStringLiteral("--svg"), QStringLiteral("\"%1\" ist die Messdatei selbst; sie wird nicht überschrieben")
                                                          .arg(befehl.dateiName(QStringLiteral("svg")))};
    const GeleseneMessung g = leseMessungFuer(QString(), datei);
    const Resonanz& r = g.resonanz;
    if (befehl.gesetzt(QStringLiteral("svg")))
        schreibeDatei(befehl.dateiName(QStringLiteral("svg")), swrDiagrammSvg(g.messung, r, sollHz),
                      DateiSchreiber::Sonderdateien::AnOrtBeschreiben);

    if (befehl.gesetzt(QStringLiteral("json"))) {
        JsonWriter j;
        j.beginObject();
        j.key(QStringLiteral("datei")).value(datei);
        j.key(QStringLiteral("punkte")).value(int(g.messung.punkte.size()));
        zahlJson(j, "bezugsimpedanz", g.messung.bezugsimpedanz);
        j.key(QStringLiteral("resonanz")).beginObject();
        j.key(QStringLiteral("regel")).value(regelSchluessel(r.regel));
        zahlJson(j, "frequenz_hz", r.frequenz);
        zahlJson(j, "swr", r.swr);
        impedanzJson(j, "impedanz", r.impedanz);
        j.endObject();
        j.key(QStringLiteral("swr_minimum")).beginObject();
        zahlJson(j, "frequenz_hz", r.swrMinimumFrequenz);
        zahlJson(j, "swr", r.swrMinimum);
        j.endObject();
        j.key(QStringLiteral("bandbreite_2_1"));
        if (r.bandbreite) {
            j.beginObject();
            zahlJson(j, "unten_hz", r.bandbreite->unten);
            zahlJson(j, "oben_hz", r.bandbreite->oben);
            zahlJson(j, "breite_hz", r.bandbreite->breite());
            j.endObject();
        } else {
            j.null();
        }
        j.key(QStringLiteral("texte")).beginObject();
        j.key(QStringLiteral("resonanz_mhz")).value(mhzText(r.frequenz));
        j.key(QStringLiteral("regel")).value(regelText(r.regel));
        j.key(QStringLiteral("bandbreite")).value(bandbreiteText(r));
        j.endObject();
        j.endObject();
        out << j.text();
        return Erfolg;
    }
    out << QStringLiteral("Messdatei: ") << datei << QStringLiteral(" (%1 Messpunkte, %2 bis %3)\n")
                                                        .arg(g.messung.punkte.size())
                                                        .arg(mhzKurz(g.messung.punkte.front().frequenz), mhzKurz(g.messung.punkte.back().frequenz))
        << QStringLiteral("Resonanz: ") << mhzText(r.frequenz) << QStringLiteral(" MHz\n")
        << QStringLiteral("gefunden über: ") << regelText(r.regel) << u'\n'
        << QStringLiteral("SWR bei Resonanz: ") << swrText(r.swr) << u'\n'
        << QStringLiteral("Impedanz bei Resonanz: ") << impedanzText(r.impedanz) << u'\n'
        << QStringLiteral("SWR-Minimum: ") << swrText(r.swrMinimum) << QStringLiteral(" bei ") << mhzKurz(r.swrMinimumFrequenz) << u'\n'
        << QStringLiteral("2:1-Bandbreite: ") << bandbreiteText(r) << u'\n';
    return Erfolg;
}

} // namespace rechner

#include "cli/bauplan.h"

#include "beam/insulation.h"
#include "common/datetext.h"
#include "common/failure.h"
#include "common/numberformat.h"
#include "common/version.h"
#include "platform/dateischreiber.h"
#include "resources/resources.h"

#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTextStream>

namespace rechner {
namespace {

const QString Komma = QStringLiteral(",");
QString F(float v) { return formatSingle(v, u"###0.0##", Komma); }
QString meter(float v) { return F(v) + QStringLiteral(" m"); }

// The page is laid out in millimetres of an A4 sheet.
constexpr double SeiteBreite = 210, SeiteHoehe = 297, Rand = 15;

class Seite {
public:
    Seite(QPainter& p) : p(p)
    {
        const QRect r = p.viewport();
        proMm = std::min(r.width() / SeiteBreite, r.height() / SeiteHoehe);
    }
    double mm(double v) const { return v * proMm; }
    QRectF rechteck(double x, double y, double b, double h) const { return {mm(x), mm(y), mm(b), mm(h)}; }
    void schrift(double punkte, bool fett = false)
    {
        QFont f(QStringLiteral("Liberation Sans"));
        f.setStyleHint(QFont::SansSerif);
        // Sizes follow the page, whatever resolution the device has.
        f.setPixelSize(std::max(1, int(mm(punkte * 25.4 / 72))));
        f.setBold(fett);
        p.setFont(f);
    }
    // One line of text at (x, y) mm, top-left; returns the next line's y.
    double zeile(double x, double y, const QString& text, double punkte = 9, bool fett = false)
    {
        schrift(punkte, fett);
        const double hoehe = punkte * 25.4 / 72 * 1.35;
        p.drawText(rechteck(x, y, SeiteBreite - Rand - x, hoehe), Qt::AlignLeft | Qt::AlignVCenter, text);
        return y + hoehe;
    }
    // A name and its value in two columns.
    double paar(double x, double y, double breite, const QString& name, const QString& wert)
    {
        schrift(9);
        const double hoehe = 9 * 25.4 / 72 * 1.35;
        p.drawText(rechteck(x, y, breite, hoehe), Qt::AlignLeft | Qt::AlignVCenter, name);
        p.drawText(rechteck(x, y, breite, hoehe), Qt::AlignRight | Qt::AlignVCenter, wert);
        return y + hoehe;
    }

    QPainter& p;
    double proMm = 1;
};

QString bereichText(int bereich)
{
    static const char* const namen[] = {"CW-Bereich", "SSB-Bereich", "Bandmitte"};
    return QString::fromUtf8(namen[bereich]);
}

} // namespace

QByteArray bemassteZeichnung(const BeamLauf& lauf)
{
    loadResources();
    QFile datei(QStringLiteral(":/antenne.svg"));
    if (!datei.open(QIODevice::ReadOnly))
        throw Failure(53, QStringLiteral("Die Zeichnung der Antenne fehlt im Programm."));
    QString svg = QString::fromUtf8(datei.readAll());
    const BeamDimensions& o = lauf.werte.out;
    const QList<std::pair<QString, float>> masse = {
        {QStringLiteral("Bv"), o.Bv}, {QStringLiteral("Bh"), o.Bh}, {QStringLiteral("C"), o.C}, {QStringLiteral("P"), o.P},
        {QStringLiteral("A"), o.A}, {QStringLiteral("lgBoom"), o.LgBoom}, {QStringLiteral("D"), o.D}};
    for (const auto& [name, wert] : masse) {
        // The label of a dimension line: "<text ... font-size="20" ...>Bv</text>".
        const QRegularExpression label(QStringLiteral("(<text[^>]*)font-size=\"20\"([^>]*>)%1</text>").arg(name));
        const QString beschriftung = (name == QStringLiteral("lgBoom") ? QStringLiteral("LgBoom") : name) + QStringLiteral(" = ") + meter(wert);
        svg.replace(label, QStringLiteral("\\1font-size=\"18\"\\2") + beschriftung + QStringLiteral("</text>"));
    }
    // Room on both sides for the longer labels.
    svg.replace(QStringLiteral("viewBox=\"0 0 780 1107\""), QStringLiteral("viewBox=\"-100 0 980 1107\""));
    svg.replace(QStringLiteral("width=\"780\""), QStringLiteral("width=\"980\""));
    return svg.toUtf8();
}

void maleBauplan(QPainter& painter, const BeamLauf& lauf)
{
    Seite s(painter);
    const BeamDimensions& o = lauf.werte.out;
    const BeamEingaben& e = lauf.eingaben;
    painter.fillRect(s.rechteck(0, 0, SeiteBreite, SeiteHoehe), Qt::white);
    painter.setPen(Qt::black);

    double y = Rand;
    y = s.zeile(Rand, y, QStringLiteral("Bauplan Zentavik nach Norbek für ") + F(lauf.werte.f) + QStringLiteral(" MHz"), 16, true);
    const QString band = lauf.werte.band.button < AndereBand ? QStringLiteral("Band ") + lauf.werte.band.bandText.trimmed() + QStringLiteral(" MHz")
                                                             : QStringLiteral("außerhalb der Amateurbänder");
    y = s.zeile(Rand, y + 1, band + QStringLiteral(", ") + bereichText(e.bereich), 10);

    // The drawing on the left, kept in its proportions.
    QSvgRenderer zeichnung(bemassteZeichnung(lauf));
    const double zeichnungBreite = 118;
    const QSizeF groesse = zeichnung.viewBoxF().size();
    const double zeichnungHoehe = zeichnungBreite * groesse.height() / groesse.width();
    const double oben = y + 3;
    zeichnung.render(&painter, s.rechteck(Rand, oben, zeichnungBreite, zeichnungHoehe));

    // The measures on the right.
    const double x = Rand + zeichnungBreite + 6, breite = SeiteBreite - Rand - x;
    double r = oben + 4;
    r = s.zeile(x, r, QStringLiteral("Drahtlängen"), 11, true);
    r = s.paar(x, r, breite, QStringLiteral("Strahler LgD"), meter(o.LgD));
    r = s.paar(x, r, breite, QStringLiteral("Reflektor LgR"), meter(o.LgR));
    r = s.zeile(x, r + 3, QStringLiteral("Längen und Abstände"), 11, true);
    const QList<std::pair<QString, float>> laengen = {
        {QStringLiteral("A"), o.A}, {QStringLiteral("Bv"), o.Bv}, {QStringLiteral("Bh"), o.Bh},
        {QStringLiteral("LgBoom"), o.LgBoom}, {QStringLiteral("C"), o.C}, {QStringLiteral("gesLgBoom"), o.gesLgBoom},
        {QStringLiteral("D"), o.D}, {QStringLiteral("P (minus x)"), o.P}};
    for (const auto& [name, wert] : laengen)
        r = s.paar(x, r, breite, name, meter(wert));
    r = s.zeile(x, r + 3, QStringLiteral("Eigenresonanzen"), 11, true);
    r = s.paar(x, r, breite, QStringLiteral("Strahler frD"), F(o.frD) + QStringLiteral(" MHz"));
    r = s.paar(x, r, breite, QStringLiteral("Reflektor frR"), F(o.frR) + QStringLiteral(" MHz"));
    r = s.zeile(x, r + 3, QStringLiteral("Anpassleitung"), 11, true);
    r = s.zeile(x, r, QStringLiteral("2x RG59 parallel, Vk 0,66"), 9);
    r = s.paar(x, r, breite, QStringLiteral("Vlg"), meter(o.Vlg));
    r = s.zeile(x, r + 3, QStringLiteral("Gesamtmaße"), 11, true);
    r = s.paar(x, r, breite, QStringLiteral("Boom gesamt"), formatDouble(double(o.gesLgBoom) + 0.005, u"###0.0#", Komma) + QStringLiteral(" m"));
    r = s.paar(x, r, breite, QStringLiteral("Breite ~"), formatDouble(double(o.Bh) + 0.1, u"##0.0#", Komma) + QStringLiteral(" m"));

    // The inputs below the drawing.
    double u = std::max(oben + zeichnungHoehe, r) + 6;
    u = s.zeile(Rand, u, QStringLiteral("Eingaben"), 11, true);
    const double spalte = (SeiteBreite - 2 * Rand - 10) / 2;
    double links = u, rechts = u;
    links = s.paar(Rand, links, spalte, QStringLiteral("Resonanzfrequenz"), lauf.text1 + QStringLiteral(" MHz"));
    links = s.paar(Rand, links, spalte, QStringLiteral("Resonanz im Band für"), bereichText(e.bereich));
    links = s.paar(Rand, links, spalte, QStringLiteral("Verkürzungsfaktor eingegeben"), e.vk);
    links = s.paar(Rand, links, spalte, QStringLiteral("Verkürzungsfaktor verwendet"), lauf.text4);
    const double x2 = Rand + spalte + 10;
    rechts = s.paar(x2, rechts, spalte, QStringLiteral("Isolierung"), lauf.combo1.simplified());
    if (lauf.bericht.insulated) {
        rechts = s.paar(x2, rechts, spalte, QStringLiteral("Durchmesser außen / Leiter"), lauf.text6 + QStringLiteral(" / ") + lauf.text7 + QStringLiteral(" mm"));
        rechts = s.paar(x2, rechts, spalte, QStringLiteral("Zusatzverkürzung"),
                        formatDouble(lauf.zusatzVerkuerzung * 100, u"0.0##", Komma) + QStringLiteral(" %"));
    }
    if (e.vkRechner) {
        rechts = s.paar(x2, rechts, spalte, QStringLiteral("Höhe über Grund"), e.hoehe + QStringLiteral(" m"));
        rechts = s.paar(x2, rechts, spalte, QStringLiteral("Drahtdurchmesser VF-Rechner"), e.vkDurchmesser + QStringLiteral(" mm"));
        rechts = s.paar(x2, rechts, spalte, QStringLiteral("Erdbodenkorrektur"), e.erdbodenKorrektur ? QStringLiteral("ein") : QStringLiteral("aus"));
    }
    u = std::max(links, rechts) + 6;

    // Date, version and the note to measure the finished antenna.
    painter.setPen(QColor(0x55, 0x55, 0x55));
    u = s.zeile(Rand, u, QStringLiteral("Berechnet am ") + kurzesDatum(lauf.bericht.date) + QStringLiteral(" mit ") + Programm
                             + QStringLiteral(" %1.%2.%3").arg(version::major).arg(version::minor).arg(version::revision), 8);
    for (const QString& hinweis : version::nutzungsHinweis.split(QStringLiteral("\r\n")))
        u = s.zeile(Rand, u, hinweis, 8);
    s.zeile(Rand, u, version::copyright, 8);
}

// The plan is drawn into memory first: the writers of PDF and SVG do not report a failed
// write, so the file is written only once the drawing is complete.
void schreibeBauplanPdf(const BeamLauf& lauf, const QString& pfad)
{
    QByteArray bytes;
    {
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&puffer);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setResolution(300);
        pdf.setTitle(QStringLiteral("Bauplan Zentavik nach Norbek"));
        pdf.setCreator(Programm);
        QPainter painter(&pdf);
        maleBauplan(painter, lauf);
    }
    schreibeDatei(pfad, bytes, DateiSchreiber::Sonderdateien::AnOrtBeschreiben);
}

void schreibeBauplanSvg(const BeamLauf& lauf, const QString& pfad)
{
    QByteArray bytes;
    {
        QBuffer puffer(&bytes);
        puffer.open(QIODevice::WriteOnly);
        // A4 at 96 dots per inch.
        QSvgGenerator svg;
        svg.setOutputDevice(&puffer);
        svg.setResolution(96);
        svg.setSize(QSize(794, 1123));
        svg.setViewBox(QRect(0, 0, 794, 1123));
        svg.setTitle(QStringLiteral("Bauplan Zentavik nach Norbek"));
        QPainter painter(&svg);
        maleBauplan(painter, lauf);
    }
    schreibeDatei(pfad, bytes, DateiSchreiber::Sonderdateien::AnOrtBeschreiben);
}

int bauplanBefehl(const QStringList& argumente, QTextStream& out, QTextStream& err)
{
    QList<OptionDef> optionen = beamOptionen(true);
    optionen << OptionDef{QStringLiteral("datei"), QStringLiteral("PFAD"),
                          QStringLiteral("Zieldatei (Vorgabe Zentavik-Bauplan.pdf bzw. Zentavik-Bauplan.svg)")}
             << OptionDef{QStringLiteral("svg"), QString(), QStringLiteral("als SVG statt als PDF schreiben")};
    Befehl befehl(QStringLiteral("bauplan"),
                  QStringLiteral("Zeichnet einen Bauplan mit allen berechneten Maßen auf eine DIN-A4-Seite."), optionen);
    if (!befehl.lies(argumente, out))
        return Erfolg;
    const bool svg = befehl.gesetzt(QStringLiteral("svg"));
    const QString pfad = befehl.gesetzt(QStringLiteral("datei")) ? befehl.dateiName(QStringLiteral("datei"))
                         : svg ? QStringLiteral("Zentavik-Bauplan.svg") : QStringLiteral("Zentavik-Bauplan.pdf");
    const BeamLauf lauf = rechneBeam(beamEingaben(befehl, true), QDate::currentDate());
    meldeHinweise(lauf.hinweise, err);
    if (svg)
        schreibeBauplanSvg(lauf, pfad);
    else
        schreibeBauplanPdf(lauf, pfad);
    return Erfolg;
}

} // namespace rechner

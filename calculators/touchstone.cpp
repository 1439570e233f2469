#include "calculators/touchstone.h"

#include <QList>
#include <QLocale>

#include <cmath>
#include <numbers>
#include <optional>

namespace {

enum class Format { RI, MA, DB };

struct Optionen {
    double einheit = 1e9;  // Hz per unit of the file's frequencies
    QString einheitName = QStringLiteral("GHz");
    Format format = Format::MA;
    double z0 = 50;
    // What the line names itself; a second, different value of one of them contradicts it.
    QByteArray genannteEinheit, genanntesFormat, genannteImpedanz;
};

[[noreturn]] void fehler(int zeile, const QString& text) { throw MessungFehler{zeile, text}; }

// A word as a message shows it: at most 20 characters, control characters made visible.
QString gezeigt(const QByteArray& wort) { return bytesGezeigt(wort, 20); }

double zahl(const QByteArray& wort, int zeile)
{
    bool ok = false;
    // Files are written with a decimal point whatever the analyser's language; a comma is no
    // thousands separator here ("14,100" is no 14100).
    static const QLocale punkt = [] {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
        return c;
    }();
    const double wert = punkt.toDouble(QLatin1StringView(wort), &ok);
    if (!ok || !std::isfinite(wert))
        fehler(zeile, QStringLiteral("\"%1\" ist keine Zahl").arg(gezeigt(wort)));
    return wert;
}

// UTF-16 shows as its byte-order mark, or as a zero byte beside each character of ASCII text.
bool inUtf16(const QByteArray& text)
{
    if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF"))
        return true;
    if (text.size() < 2)
        return false;
    const auto druckbar = [](char c) { return c >= 0x20 && c < 0x7f; };
    return (text[0] == '\0' && druckbar(text[1])) || (druckbar(text[0]) && text[1] == '\0');
}

QList<QByteArray> woerter(const QByteArray& zeile) { return zeile.simplified().split(' '); }

// A unit, a format or a reference named twice with different values leaves open which one the
// analyser meant.
void einmalGenannt(QByteArray& genannt, const QByteArray& wort, const QString& was, int nummer)
{
    if (!genannt.isEmpty() && genannt.toUpper() != wort.toUpper())
        fehler(nummer, QStringLiteral("die Optionszeile nennt zwei %1: \"%2\" und \"%3\"").arg(was, gezeigt(genannt), gezeigt(wort)));
    genannt = wort;
}

Optionen leseOptionen(const QByteArray& zeile, int nummer)
{
    Optionen o;
    const QList<QByteArray> teile = woerter(zeile.mid(1));
    for (qsizetype i = 0; i < teile.size(); ++i) {
        const QByteArray w = teile[i].toUpper();
        if (w.isEmpty())
            continue;
        const auto einheit = [&](double hz, const char* name) {
            einmalGenannt(o.genannteEinheit, teile[i], QStringLiteral("Einheiten"), nummer);
            o.einheit = hz;
            o.einheitName = QString::fromLatin1(name);
        };
        const auto format = [&](Format f) {
            einmalGenannt(o.genanntesFormat, teile[i], QStringLiteral("Formate"), nummer);
            o.format = f;
        };
        if (w == "HZ")
            einheit(1, "Hz");
        else if (w == "KHZ")
            einheit(1e3, "kHz");
        else if (w == "MHZ")
            einheit(1e6, "MHz");
        else if (w == "GHZ")
            einheit(1e9, "GHz");
        else if (w == "RI")
            format(Format::RI);
        else if (w == "MA")
            format(Format::MA);
        else if (w == "DB")
            format(Format::DB);
        else if (w == "S")
            continue;
        else if (w == "Y" || w == "Z" || w == "H" || w == "G")
            fehler(nummer, QStringLiteral("nur S-Parameter werden gelesen, nicht %1-Parameter").arg(QString::fromLatin1(w)));
        else if (w == "R") {
            if (i + 1 >= teile.size())
                fehler(nummer, QStringLiteral("nach \"R\" fehlt die Bezugsimpedanz"));
            const double z0 = zahl(teile[++i], nummer);
            if (!(z0 > 0))
                fehler(nummer, QStringLiteral("die Bezugsimpedanz muss größer als 0 sein"));
            if (!o.genannteImpedanz.isEmpty() && z0 != o.z0)
                fehler(nummer, QStringLiteral("die Optionszeile nennt zwei Bezugsimpedanzen: \"%1\" und \"%2\"").arg(gezeigt(o.genannteImpedanz), gezeigt(teile[i])));
            o.genannteImpedanz = teile[i];
            o.z0 = z0;
        } else {
            fehler(nummer, QStringLiteral("\"%1\" gehört nicht in die Optionszeile (erwartet: Hz, kHz, MHz oder GHz, S, RI, MA oder DB, R und die Bezugsimpedanz)")
                               .arg(gezeigt(teile[i])));
        }
    }
    return o;
}

std::complex<double> reflexion(Format format, double a, double b)
{
    const double winkel = b * std::numbers::pi / 180;
    switch (format) {
    case Format::RI: return {a, b};
    case Format::MA: return std::polar(a, winkel);
    case Format::DB: return std::polar(std::pow(10.0, a / 20), winkel);
    }
    return {};
}

// The second format's keywords: what a one-port file may say, and what it must not.
struct Schluesselwoerter {
    bool version2 = false;
    bool daten = false;       // after [Network Data]
    bool ende = false;        // after [End]
    std::optional<qsizetype> anzahl;
    int anzahlZeile = 0;
    std::optional<double> bezug;

    void lies(const QByteArray& zeile, int nummer, bool optionenGelesen)
    {
        const qsizetype schluss = zeile.indexOf(']');
        if (schluss < 0)
            fehler(nummer, QStringLiteral("die eckige Klammer des Schlüsselworts wird nicht geschlossen"));
        const QByteArray wort = zeile.mid(1, schluss - 1).simplified().toUpper();
        const QList<QByteArray> wert = woerter(zeile.mid(schluss + 1));
        const bool hatWert = !wert.value(0).isEmpty();
        auto einWert = [&] {
            if (!hatWert)
                fehler(nummer, QStringLiteral("nach [%1] fehlt der Wert").arg(QString::fromLatin1(zeile.mid(1, schluss - 1).simplified())));
            return zahl(wert[0], nummer);
        };
        if (wort == "VERSION") {
            const double v = einWert();
            if (v < 2 || v >= 3)
                fehler(nummer, QStringLiteral("Version %1 wird nicht gelesen (nur 2.x)").arg(gezeigt(wert[0])));
            version2 = true;
        } else if (!version2) {
            fehler(nummer, QStringLiteral("Schlüsselwort vor [Version]"));
        } else if (wort == "NUMBER OF PORTS") {
            if (einWert() != 1)
                fehler(nummer, QStringLiteral("die Datei beschreibt %1 Tore; gelesen wird nur ein Tor (S11)").arg(gezeigt(wert[0])));
        } else if (wort == "NUMBER OF FREQUENCIES") {
            const double n = einWert();
            if (n < 0 || n != std::floor(n))
                fehler(nummer, QStringLiteral("\"%1\" ist keine Anzahl").arg(gezeigt(wert[0])));
            anzahl = qsizetype(std::min(n, 1e9));
            anzahlZeile = nummer;
        } else if (wort == "REFERENCE") {
            const double z = einWert();
            if (!(z > 0))
                fehler(nummer, QStringLiteral("die Bezugsimpedanz muss größer als 0 sein"));
            bezug = z;
        } else if (wort == "NETWORK DATA") {
            if (!optionenGelesen)
                fehler(nummer, QStringLiteral("[Network Data] vor der Optionszeile (\"# MHz S RI R 50\")"));
            daten = true;
        } else if (wort == "END") {
            ende = true;
        } else if (wort == "TWO-PORT DATA ORDER" || wort == "MATRIX FORMAT" || wort == "NUMBER OF NOISE FREQUENCIES") {
            // Without meaning for one port.
        } else {
            fehler(nummer, QStringLiteral("das Schlüsselwort [%1] wird nicht gelesen").arg(gezeigt(zeile.mid(1, schluss - 1).simplified())));
        }
    }
};

} // namespace

QString MessungFehler::meldung() const
{
    return zeile > 0 ? QStringLiteral("Zeile %1: %2").arg(zeile).arg(text) : text;
}

std::complex<double> impedanzAusReflexion(std::complex<double> s11, double z0)
{
    const std::complex<double> nenner = 1.0 - s11;
    if (std::abs(nenner) < 1e-12)
        return {std::numeric_limits<double>::infinity(), 0};
    return z0 * (1.0 + s11) / nenner;
}

double swrAusReflexion(std::complex<double> s11)
{
    const double betrag = std::abs(s11);
    return betrag >= 1 ? std::numeric_limits<double>::infinity() : (1 + betrag) / (1 - betrag);
}

Messung leseTouchstone(const QByteArray& inhalt)
{
    QByteArray text = inhalt;
    // Editors on Windows start a UTF-8 file with a byte-order mark; the file is plain text all the same.
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    if (inUtf16(text))
        fehler(0, QStringLiteral("die Datei ist in UTF-16 gespeichert; gelesen werden Textdateien in ASCII oder UTF-8 "
                                 "(im Editor als UTF-8 speichern)"));
    // Line ends of every system: CR LF, LF and CR alone.
    text.replace("\r\n", "\n").replace('\r', '\n');

    Messung messung;
    std::optional<Optionen> optionen;
    Schluesselwoerter schluessel;
    int letzteDatenzeile = 0;
    // Line by line without splitting the text first: a file of 20 MB of empty lines would
    // otherwise cost half a gigabyte of line objects.
    int nummer = 0;
    for (qsizetype anfang = 0; anfang <= text.size() && !schluessel.ende;) {
        ++nummer;
        qsizetype ende = text.indexOf('\n', anfang);
        if (ende < 0)
            ende = text.size();
        QByteArray zeile = text.mid(anfang, ende - anfang);
        anfang = ende + 1;
        if (const qsizetype kommentar = zeile.indexOf('!'); kommentar >= 0)
            zeile.truncate(kommentar);
        zeile = zeile.trimmed();
        if (zeile.isEmpty())
            continue;
        if (zeile.startsWith('#')) {
            // Only the first option line counts, as the format wants it.
            if (!optionen.has_value())
                optionen = leseOptionen(zeile, nummer);
            continue;
        }
        if (zeile.startsWith('[')) {
            schluessel.lies(zeile, nummer, optionen.has_value());
            continue;
        }
        if (!optionen)
            fehler(nummer, QStringLiteral("Messwerte vor der Optionszeile (\"# MHz S RI R 50\")"));
        if (schluessel.version2 && !schluessel.daten)
            fehler(nummer, QStringLiteral("Messwerte vor [Network Data]"));
        const QList<QByteArray> teile = woerter(zeile);
        if (teile.size() != 3)
            fehler(nummer, QStringLiteral("%1 Zahlen statt 3 (Frequenz und S11 als zwei Zahlen); ist es eine Datei mit mehr als einem Tor?")
                               .arg(teile.size()));
        const double f = zahl(teile[0], nummer) * optionen->einheit;
        const double a = zahl(teile[1], nummer);
        const double b = zahl(teile[2], nummer);
        if (f < 0)
            fehler(nummer, QStringLiteral("negative Frequenz"));
        if (!(f <= MessFrequenzHoechstens))
            fehler(nummer, QStringLiteral("die Frequenz %1 %2 ist zu hoch: gelesen werden Frequenzen bis 1000 GHz%3")
                               .arg(gezeigt(teile[0]), optionen->einheitName,
                                    optionen->genannteEinheit.isEmpty() ? QStringLiteral(" (die Optionszeile nennt keine Einheit, also gilt GHz)")
                                                                        : QString()));
        if (!messung.punkte.empty() && !(f > messung.punkte.back().frequenz))
            fehler(nummer, QStringLiteral("die Frequenzen steigen nicht an (%1 folgt auf %2)")
                               .arg(gezeigt(teile[0]), QLocale::c().toString(messung.punkte.back().frequenz / optionen->einheit, 'g', 12)));
        if (optionen->format == Format::MA && a < 0)
            fehler(nummer, QStringLiteral("negativer Betrag von S11"));
        const std::complex<double> s11 = reflexion(optionen->format, a, b);
        if (!std::isfinite(s11.real()) || !std::isfinite(s11.imag()) || std::abs(s11) > ReflexionHoechstens)
            fehler(nummer, QStringLiteral("der Betrag von S11 ist %1, größer als 1: eine Antenne kann nicht mehr reflektieren, als sie erhält")
                               .arg(QLocale().toString(std::abs(s11), 'g', 4)));
        if (messung.punkte.size() >= size_t(MessPunkteHoechstens))
            fehler(nummer, QStringLiteral("mehr als %1 Messpunkte").arg(QLocale().toString(MessPunkteHoechstens)));
        messung.punkte.push_back({f, s11, {}, swrAusReflexion(s11)});
        letzteDatenzeile = nummer;
    }
    if (!optionen)
        fehler(0, QStringLiteral("keine Optionszeile (\"# MHz S RI R 50\"): keine Touchstone-Datei"));
    if (schluessel.version2 && !schluessel.daten)
        fehler(0, QStringLiteral("kein [Network Data]"));
    if (schluessel.anzahl && *schluessel.anzahl != qsizetype(messung.punkte.size()))
        fehler(schluessel.anzahlZeile, QStringLiteral("[Number of Frequencies] nennt %1 Messpunkte, die Datei enthält %2")
                                           .arg(*schluessel.anzahl).arg(messung.punkte.size()));
    if (messung.punkte.size() < 3)
        fehler(letzteDatenzeile, (messung.punkte.size() == 1 ? QStringLiteral("nur 1 Messpunkt") : QStringLiteral("nur %1 Messpunkte").arg(messung.punkte.size()))
                                    + QStringLiteral("; mindestens 3 sind nötig"));
    if (const double spanne = messung.punkte.back().frequenz - messung.punkte.front().frequenz; spanne < MessSpanneMindestens)
        fehler(letzteDatenzeile, QStringLiteral("der Sweep überstreicht nur %1 Hz vom ersten bis zum letzten Messpunkt; nötig ist mindestens 1 Hz")
                                     .arg(QLocale().toString(spanne, 'g', 3)));
    messung.bezugsimpedanz = schluessel.bezug.value_or(optionen->z0);
    for (MessPunkt& p : messung.punkte)
        p.impedanz = impedanzAusReflexion(p.reflexion, messung.bezugsimpedanz);
    return messung;
}

QString bytesGezeigt(const QByteArray& bytes, qsizetype hoechstens)
{
    QString text;
    for (char c : bytes.left(hoechstens)) {
        const auto u = static_cast<unsigned char>(c);
        text += (u < 0x20 || u >= 0x7f) ? QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0')) : QString(QLatin1Char(c));
    }
    return bytes.size() > hoechstens ? text + QStringLiteral("…") : text;
}

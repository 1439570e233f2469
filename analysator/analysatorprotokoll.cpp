#include "analysator/analysatorprotokoll.h"

#include "calculators/messungtext.h"
#include "calculators/touchstone.h"

#include <QLocale>

#include <cmath>
#include <utility>

namespace {

const QByteArray Prompt = "ch> ";

[[noreturn]] void fehler(const QString& text) { throw AnalysatorFehler{text}; }

QString bereichText(const SweepBereich& b) { return QStringLiteral("%1 bis %2").arg(mhzKurz(b.von), mhzKurz(b.bis)); }

// A number of the device's reply: C notation, nothing else on the word.
std::optional<double> zahl(const QByteArray& wort)
{
    bool ok = false;
    const double wert = QLocale::c().toDouble(QLatin1StringView(wort), &ok);
    if (!ok)
        return std::nullopt;
    return wert;
}

QList<QByteArray> woerter(const QByteArray& zeile) { return zeile.simplified().split(' '); }

// One point's reflection; `nummer` counts from 1 for the messages.
std::complex<double> reflexion(const QByteArray& re, const QByteArray& im, int nummer)
{
    const auto a = zahl(re), b = zahl(im);
    if (!a || !b)
        fehler(QStringLiteral("Der Analysator lieferte bei Messpunkt %1 keine Zahl („%2 %3“).").arg(nummer).arg(antwortGezeigt(re), antwortGezeigt(im)));
    if (!std::isfinite(*a) || !std::isfinite(*b))
        fehler(QStringLiteral("Der Analysator lieferte bei Messpunkt %1 ungültige Messwerte („%2 %3“). Ist er kalibriert?")
                   .arg(nummer).arg(antwortGezeigt(re), antwortGezeigt(im)));
    const std::complex<double> s11{*a, *b};
    if (std::abs(s11) > ReflexionHoechstens)
        fehler(QStringLiteral("Der Analysator lieferte bei Messpunkt %1 einen Reflexionsfaktor vom Betrag %2, mehr als eine Antenne "
                              "zurückgeben kann. Den Analysator neu kalibrieren (OPEN, SHORT, LOAD).")
                   .arg(nummer).arg(QLocale().toString(std::abs(s11), 'g', 4)));
    return s11;
}

double frequenz(const QByteArray& wort, int nummer, const SweepBereich& b)
{
    const auto f = zahl(wort);
    if (!f || !std::isfinite(*f))
        fehler(QStringLiteral("Der Analysator lieferte bei Messpunkt %1 keine Frequenz („%2“).").arg(nummer).arg(antwortGezeigt(wort)));
    // A unit rounds to its synthesiser's step, never by more than a point's spacing.
    const double toleranz = (b.bis - b.von) / std::max(1, b.punkte - 1);
    if (*f < b.von - toleranz || *f > b.bis + toleranz)
        fehler(QStringLiteral("Der Analysator misst bei %1 statt von %2: er hat den Messbereich nicht übernommen.").arg(mhzKurz(*f), bereichText(b)));
    return *f;
}

void hinzu(Messung& m, double f, std::complex<double> s11, int nummer)
{
    if (!m.punkte.empty() && !(f > m.punkte.back().frequenz))
        fehler(QStringLiteral("Der Analysator lieferte bei Messpunkt %1 keine steigende Frequenz.").arg(nummer));
    m.punkte.push_back({f, s11, impedanzAusReflexion(s11, m.bezugsimpedanz), swrAusReflexion(s11)});
}

void pruefeAnzahl(qsizetype bekommen, const SweepBereich& b)
{
    if (bekommen < b.punkte)
        fehler(QStringLiteral("Der Analysator lieferte nur %1 von %2 Messpunkten. Weniger Messpunkte wählen (ältere Geräte messen höchstens 101).")
                   .arg(bekommen).arg(b.punkte));
    if (bekommen > b.punkte)
        fehler(QStringLiteral("Der Analysator lieferte %1 statt %2 Messpunkte.").arg(bekommen).arg(b.punkte));
}

} // namespace

double erwarteteSpanne(double mitteHz)
{
    // 3.5 % of the frequency is a thin wire dipole's 2:1 bandwidth; three of them, rounded up
    // to two figures so that the range reads well.
    const double roh = 3 * 0.035 * mitteHz;
    const double schritt = std::pow(10.0, std::floor(std::log10(roh)) - 1);
    return std::ceil(roh / schritt - 1e-9) * schritt;
}

SweepBereich bereichUm(double mitteHz, double spanneHz, int punkte)
{
    if (!(mitteHz > 0) || !std::isfinite(mitteHz))
        fehler(QStringLiteral("Ohne gewünschte Resonanzfrequenz gibt es keine Mitte des Messbereichs."));
    if (!(spanneHz > 0) || !std::isfinite(spanneHz))
        fehler(QStringLiteral("Die Spanne des Messbereichs muss größer als 0 sein."));
    const SweepBereich b{std::round(mitteHz - spanneHz / 2), std::round(mitteHz + spanneHz / 2), punkte};
    pruefeBereich(b);
    return b;
}

void pruefeBereich(const SweepBereich& b)
{
    if (b.punkte < AnalysatorPunkteWenigstens || b.punkte > AnalysatorPunkteHoechstens)
        fehler(QStringLiteral("%1 Messpunkte: möglich sind %2 bis %3.").arg(b.punkte).arg(AnalysatorPunkteWenigstens).arg(AnalysatorPunkteHoechstens));
    if (!(b.bis > b.von))
        fehler(QStringLiteral("Der Messbereich endet nicht über seinem Anfang (%1).").arg(bereichText(b)));
    if (b.von < AnalysatorVonWenigstens || b.bis > AnalysatorBisHoechstens)
        fehler(QStringLiteral("Der Messbereich %1 liegt außerhalb dessen, was die Analysatoren messen (%2 bis %3).")
                   .arg(bereichText(b), mhzKurz(AnalysatorVonWenigstens), mhzKurz(AnalysatorBisHoechstens)));
    if ((b.bis - b.von) / (b.punkte - 1) < 1)
        fehler(QStringLiteral("Der Messbereich %1 ist für %2 Messpunkte zu schmal.").arg(bereichText(b)).arg(b.punkte));
}

QByteArray befehlsZeile(const QByteArray& befehl) { return befehl + '\r'; }

QByteArray scanBefehl(const SweepBereich& b)
{
    return "scan " + QByteArray::number(qint64(b.von)) + ' ' + QByteArray::number(qint64(b.bis)) + ' ' + QByteArray::number(b.punkte) + " 3";
}

QByteArray sweepBefehl(const SweepBereich& b)
{
    return "sweep " + QByteArray::number(qint64(b.von)) + ' ' + QByteArray::number(qint64(b.bis)) + ' ' + QByteArray::number(b.punkte);
}

QString antwortGezeigt(const QByteArray& text) { return bytesGezeigt(text, 40); }

AntwortSammler::AntwortSammler(QByteArray befehl) : befehl(std::move(befehl)) {}

bool AntwortSammler::nimm(const QByteArray& bytes)
{
    if (ende)
        return true;
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\r' && c != '\n' && c != '\t') || u >= 0x7f)
            fehler(QStringLiteral("Das Gerät antwortet unverständlich (Bytes, die kein Text sind: „%1“). Ist am Anschluss ein Analysator "
                                  "der NanoVNA-Familie?")
                       .arg(antwortGezeigt(puffer.right(20) + bytes.left(20))));
    }
    puffer += bytes;
    if (puffer.size() > Hoechstens)
        fehler(QStringLiteral("Das Gerät hört nicht auf zu antworten (mehr als %1 kB auf „%2“).").arg(Hoechstens / 1024).arg(QString::fromLatin1(befehl)));
    if (!echo) {
        // Stray prompts and empty lines before the echo are skipped.
        qsizetype anfang = 0;
        for (;;) {
            if (puffer.mid(anfang).startsWith(Prompt))
                anfang += Prompt.size();
            else if (puffer.mid(anfang).startsWith("\r\n"))
                anfang += 2;
            else
                break;
        }
        const qsizetype zeilenende = puffer.indexOf("\r\n", anfang);
        if (zeilenende < 0) {
            // Half an echo so far; a wrong one shows before its end.
            const QByteArray bisher = puffer.mid(anfang);
            if (!bisher.isEmpty() && !QByteArray(befehl + "\r\n").startsWith(bisher) && !Prompt.startsWith(bisher))
                fehler(QStringLiteral("Das Gerät wiederholt den Befehl „%1“ nicht, wie es ein Analysator der NanoVNA-Familie tut, sondern "
                                      "antwortet „%2“. Ist am Anschluss ein anderes Gerät, oder ist die Verbindung gestört?")
                           .arg(QString::fromLatin1(befehl), antwortGezeigt(bisher)));
            return false;
        }
        const QByteArray zeile = puffer.mid(anfang, zeilenende - anfang);
        if (zeile != befehl)
            fehler(QStringLiteral("Das Gerät wiederholt den Befehl „%1“ nicht, wie es ein Analysator der NanoVNA-Familie tut, sondern "
                                  "antwortet „%2“. Ist am Anschluss ein anderes Gerät, oder ist die Verbindung gestört?")
                       .arg(QString::fromLatin1(befehl), antwortGezeigt(zeile)));
        echo = true;
        echoEnde = zeilenende + 2;
    }
    // The prompt follows the last line end.
    if (puffer.size() - echoEnde >= Prompt.size() && puffer.endsWith(Prompt)) {
        const qsizetype vor = puffer.size() - Prompt.size();
        if (vor == echoEnde || puffer.mid(vor - 2, 2) == "\r\n")
            ende = true;
    }
    return ende;
}

QList<QByteArray> AntwortSammler::zeilen() const
{
    QList<QByteArray> ergebnis;
    if (!echo)
        return ergebnis;
    qsizetype anfang = echoEnde;
    for (;;) {
        const qsizetype e = puffer.indexOf("\r\n", anfang);
        if (e < 0)
            break;
        ergebnis.append(puffer.mid(anfang, e - anfang));
        anfang = e + 2;
    }
    return ergebnis;
}

QString AntwortSammler::bisherGezeigt() const { return antwortGezeigt(puffer.trimmed()); }

bool AntwortSammler::unbekannt() const
{
    const QList<QByteArray> z = zeilen();
    const QByteArray wort = befehl.left(befehl.indexOf(' '));
    return ende && z.size() == 1 && z.front().trimmed() == wort + '?';
}

QString geraeteName(const QList<QByteArray>& info, const QList<QByteArray>& version)
{
    QByteArray alles;
    for (const QByteArray& z : info + version)
        alles += z + '\n';
    // The spectrum analysers of the same makers speak the same shell.
    if (alles.toLower().contains("tinysa"))
        fehler(QStringLiteral("Am Anschluss ist ein Spektrumanalysator (tinySA), kein vektorieller Netzwerkanalysator: er misst keine "
                              "Reflexion. Den Anschluss des Antennenanalysators wählen."));
    QByteArray name;
    for (const QByteArray& z : info)
        if (!z.trimmed().isEmpty()) {
            name = z.trimmed();
            break;
        }
    const QByteArray v = version.isEmpty() ? QByteArray() : version.front().trimmed();
    if (name.isEmpty())
        return antwortGezeigt(v);
    return v.isEmpty() || name.contains(v) ? antwortGezeigt(name) : antwortGezeigt(name) + QStringLiteral(", ") + antwortGezeigt(v);
}

Messung messungAusScan(const QList<QByteArray>& zeilen, const SweepBereich& b, bool auchUnvollstaendig)
{
    Messung m;
    int nummer = 0;
    for (const QByteArray& zeile : zeilen) {
        ++nummer;
        const QList<QByteArray> w = woerter(zeile);
        if (w.size() != 3)
            fehler(QStringLiteral("Der Analysator lieferte bei Messpunkt %1 „%2“ statt Frequenz und Reflexion.").arg(nummer).arg(antwortGezeigt(zeile)));
        const double f = frequenz(w[0], nummer, b);
        hinzu(m, f, reflexion(w[1], w[2], nummer), nummer);
    }
    if (!auchUnvollstaendig)
        pruefeAnzahl(m.punkte.size(), b);
    return m;
}

Messung messungAusDaten(const QList<QByteArray>& frequenzen, const QList<QByteArray>& daten, const SweepBereich& b)
{
    pruefeAnzahl(std::min(frequenzen.size(), daten.size()), b);
    pruefeAnzahl(std::max(frequenzen.size(), daten.size()), b);
    Messung m;
    for (int i = 0; i < b.punkte; ++i) {
        const QList<QByteArray> w = woerter(daten[i]);
        if (w.size() != 2)
            fehler(QStringLiteral("Der Analysator lieferte bei Messpunkt %1 „%2“ statt der Reflexion.").arg(i + 1).arg(antwortGezeigt(daten[i])));
        hinzu(m, frequenz(frequenzen[i].trimmed(), i + 1, b), reflexion(w[0], w[1], i + 1), i + 1);
    }
    return m;
}

Resonanz resonanzImBereich(const Messung& messung)
{
    Resonanz r;
    try {
        r = findeResonanz(messung);
    } catch (const MessungFehler& f) {
        fehler(f.text);
    }
    if (r.regel == ResonanzRegel::Nulldurchgang)
        return r;
    const auto& p = messung.punkte;
    const SweepBereich b{p.front().frequenz, p.back().frequenz, int(p.size())};
    if (r.swrMinimumFrequenz == p.front().frequenz)
        fehler(QStringLiteral("Keine Resonanz im Messbereich %1: das SWR fällt zum unteren Rand hin. Die Resonanz liegt tiefer; den "
                              "Messbereich nach unten erweitern (größere Spanne).").arg(bereichText(b)));
    if (r.swrMinimumFrequenz == p.back().frequenz)
        fehler(QStringLiteral("Keine Resonanz im Messbereich %1: das SWR fällt zum oberen Rand hin. Die Resonanz liegt höher; den "
                              "Messbereich nach oben erweitern (größere Spanne).").arg(bereichText(b)));
    return r;
}

QByteArray touchstoneText(const Messung& messung, const QString& geraet)
{
    const QLocale c = QLocale::c();
    QByteArray text = "! Sweep eines Antennenanalysators";
    if (!geraet.isEmpty())
        text += " (" + geraet.toUtf8() + ')';
    text += "\r\n# Hz S RI R " + c.toString(messung.bezugsimpedanz, 'g', 12).toLatin1() + "\r\n";
    for (const MessPunkt& p : messung.punkte)
        text += c.toString(p.frequenz, 'f', 0).toLatin1() + ' ' + c.toString(p.reflexion.real(), 'g', 10).toLatin1() + ' '
              + c.toString(p.reflexion.imag(), 'g', 10).toLatin1() + "\r\n";
    return text;
}

QString anschlussText(const QString& name, const QString& beschreibung, const QString& hersteller, int vendorId, int productId)
{
    QString text = name;
    if (vendorId >= 0 && productId >= 0)
        text += QStringLiteral(" – %1:%2").arg(vendorId, 4, 16, QLatin1Char('0')).arg(productId, 4, 16, QLatin1Char('0'));
    if (!beschreibung.isEmpty())
        text += (text.contains(u'–') ? QStringLiteral(" ") : QStringLiteral(" – ")) + beschreibung;
    if (!hersteller.isEmpty())
        text += QStringLiteral(" (%1)").arg(hersteller);
    return text;
}

QString berechtigungsText(const QString& pfad, const QString& gruppe)
{
    if (gruppe.isEmpty())
        return QStringLiteral("Keine Berechtigung, den Anschluss „%1“ zu öffnen. Der Benutzer muss der Gruppe angehören, der der "
                              "Anschluss gehört.").arg(pfad);
    return QStringLiteral("Keine Berechtigung, den Anschluss „%1“ zu öffnen. Der Benutzer muss der Gruppe „%2“ angehören, der der "
                          "Anschluss gehört: „sudo usermod -aG %2 $USER“, danach ab- und wieder anmelden.").arg(pfad, gruppe);
}

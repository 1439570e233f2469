#include "cli/rechner.h"

#include "cli/baender.h"
#include "cli/bauplan.h"
#include "cli/beamlauf.h"
#include "cli/befehl.h"
#include "cli/dipolbefehl.h"
#include "cli/messungbefehl.h"
#include "cli/vkbefehl.h"
#include "common/failure.h"
#include "common/version.h"
#include "platform/dateischreiber.h"

#include <QLocale>
#include <QTextStream>

namespace rechner {
namespace {

struct Unterbefehl {
    const char* name;
    const char* zweck;
    int (*ausfuehren)(const QStringList&, QTextStream& out, QTextStream& err);
};

const Unterbefehl unterbefehle[] = {
    {"beam", "einen Zentavik berechnen; Bericht als Text, als Datei \"Zentavik.txt\" oder JSON", beamBefehl},
    {"baender", "je Band und Bereich eine Berechnung in einer Tabelle (Text, CSV oder JSON)", baenderBefehl},
    {"bauplan", "Bauplan mit allen Maßen als PDF (oder SVG) für eine DIN-A4-Seite", bauplanBefehl},
    {"vk", "Verkürzungsfaktor aus Drahtdurchmesser und Höhe über Grund (VF-Rechner)", vkBefehl},
    {"pruning", "Längenänderung aus gemessener und gewünschter Resonanz (Pruning / Optimieren)", pruningBefehl},
    {"dipol", "strahlungsgekoppelter Zusatzdipol: Abstand zum Erreger-Dipol und Länge", dipolBefehl},
    {"messung", "Resonanz, SWR und 2:1-Bandbreite aus dem Sweep eines Antennenanalysators (.s1p)", messungBefehl},
};

QString hilfe()
{
    QString text = QStringLiteral("Aufruf: %1 BEFEHL [OPTIONEN]\n"
                                  "Berechnungen für Zentavik-Drahtbeams nach Norbek von der Kommandozeile.\n"
                                  "Zahlen mit Dezimalkomma oder -punkt, wie in den Eingabefeldern.\n\nBefehle:\n")
                       .arg(Programm);
    for (const auto& b : unterbefehle)
        text += QStringLiteral("  %1%2\n").arg(QString::fromLatin1(b.name).leftJustified(12), QString::fromUtf8(b.zweck));
    text += QStringLiteral("\nOptionen:\n"
                           "  -h, --help    diese Hilfe anzeigen und beenden\n"
                           "  --version     die Version anzeigen und beenden\n\n"
                           "Hilfe zu einem Befehl: %1 BEFEHL --help\n"
                           "Rückgabewerte: 0 erledigt, 2 ungültige Eingabe, 3 Rechenfehler\n")
                .arg(Programm);
    return text;
}

// A failed calculation: its number and description in one line, after the option it follows
// from where that is known.
int meldeFehler(const Failure& f, const QString& option, QTextStream& err)
{
    QString text = f.description;
    if (f.number == failures::Overflow || f.number == failures::IndexOutOfRange)
        text += QStringLiteral(". Bitte kleinere Werte verwenden.");
    // One line: the system's own text of a file error follows on the same line.
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    const QString zeile = QStringLiteral("Fehler %1: %2").arg(f.number).arg(text);
    err << Programm << QStringLiteral(": ") << sichtbar(option.isEmpty() ? zeile : option + QStringLiteral(": ") + zeile) << u'\n';
    return Rechenfehler;
}

} // namespace

std::optional<QStringList> argumenteLesen(const QList<QByteArray>& roh, QTextStream& err)
{
    QStringList argumente;
    for (const QByteArray& bytes : roh) {
        const QString text = QString::fromLocal8Bit(bytes);
        if (text.toLocal8Bit() != bytes) {
            QString gezeigt;
            for (const char c : bytes) {
                const auto b = static_cast<unsigned char>(c);
                gezeigt += b < 0x20 || b >= 0x7f ? QStringLiteral("\\x%1").arg(b, 2, 16, QChar(u'0')) : QString(QChar(b));
            }
            err << Programm << QStringLiteral(": \"%1\" ist kein Text in der Zeichenkodierung des Systems (UTF-8); "
                                              "ein solcher Dateiname würde zu einem anderen. Bitte die Datei umbenennen.\n")
                                   .arg(gezeigt);
            return std::nullopt;
        }
        argumente << text;
    }
    return argumente;
}

bool brauchtGrafik(const QStringList& argumente)
{
    // The build plan and the sweep's plot draw text.
    return !argumente.isEmpty() && (argumente.first() == QStringLiteral("bauplan") || argumente.first() == QStringLiteral("messung"));
}

int zentavikRechner(const QStringList& argumente, QTextStream& out, QTextStream& err)
{
    // The program speaks German whatever the environment says: decimal comma, dd.MM.yyyy.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString befehl = argumente.value(0);
    try {
        if (befehl == QStringLiteral("--help") || befehl == QStringLiteral("-h")) {
            out << hilfe();
            return Erfolg;
        }
        if (befehl == QStringLiteral("--version")) {
            out << QStringLiteral("%1 %2.%3.%4\n").arg(Programm).arg(version::major).arg(version::minor).arg(version::revision);
            return Erfolg;
        }
        for (const auto& b : unterbefehle) {
            if (befehl == QString::fromLatin1(b.name))
                return b.ausfuehren(argumente.mid(1), out, err);
        }
        if (befehl.isEmpty()) {
            // A call without a command is a call without knowing the commands: they follow.
            err << Programm << QStringLiteral(": kein Befehl angegeben\n\n") << hilfe();
            return Eingabefehler;
        }
        err << Programm << QStringLiteral(": unbekannter Befehl \"%1\" (Hilfe: %2 --help)\n").arg(sichtbar(befehl), Programm);
        return Eingabefehler;
    } catch (const FalscheEingabe& e) {
        err << Programm << ": " << sichtbar(e.option.isEmpty() ? e.text : e.option + QStringLiteral(": ") + e.text) << '\n';
        return Eingabefehler;
    } catch (const RechenfehlerDurch& r) {
        return meldeFehler(r.fehler, r.option, err);
    } catch (const Failure& f) {
        return meldeFehler(f, QString(), err);
    }
}

int gibAus(const QString& ausgabe, int status, QTextStream& err)
{
    try {
        schreibeStandardausgabe(ausgabe.toUtf8());
    } catch (const Failure& f) {
        return meldeFehler(f, QString(), err);
    }
    return status;
}

} // namespace rechner

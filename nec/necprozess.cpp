#include "nec/necprozess.h"

#include "platform/dateilesen.h"
#include "platform/dateischreiber.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// A dipole's listing is a few kilobytes; anything near this is not the engine's.
constexpr qint64 HoechstensAusgabe = 4 * 1024 * 1024;
constexpr qint64 HoechstensMeldung = 2048;

[[noreturn]] void laufFehler(const QString& grund)
{
    throw Failure(NecFehler::Lauf, QStringLiteral("Das Rechenprogramm nec2c %1.\r\nDas Vollwellenmodell hat kein Ergebnis; "
                                                  "die Formel bleibt wählbar.").arg(grund));
}

// The first line of what the engine said on its error channel, when it said little.
QString meldung(const QString& datei)
{
    try {
        const QString text = QString::fromLocal8Bit(dateiLesen(datei, HoechstensMeldung)).trimmed();
        const QString zeile = text.section(u'\n', 0, 0).left(200);
        return zeile.isEmpty() ? QString() : QStringLiteral(": \"%1\"").arg(zeile);
    } catch (const Failure&) {
        return QString();
    }
}

} // namespace

QByteArray NecProzess::listing(const QByteArray& karten)
{
    const QString pfad = QStandardPaths::findExecutable(programm);
    if (pfad.isEmpty())
        throw Failure(NecFehler::Fehlt, QStringLiteral("Das Rechenprogramm nec2c ist nicht installiert (Debian-Paket \"nec2c\").\r\n"
                                                       "Das Vollwellenmodell braucht es; die Formel bleibt wählbar."));
    QTemporaryDir ordner;
    if (!ordner.isValid())
        laufFehler(QStringLiteral("fand keinen temporären Ordner für seine Dateien (%1)").arg(ordner.errorString()));
    const QString eingabe = ordner.filePath(QStringLiteral("dipol.nec"));
    const QString ausgabe = ordner.filePath(QStringLiteral("dipol.out"));
    const QString fehler = ordner.filePath(QStringLiteral("fehler.txt"));
    schreibeDatei(eingabe, karten);

    QProcess prozess;
    prozess.setWorkingDirectory(ordner.path());
    prozess.setStandardInputFile(QProcess::nullDevice());
    prozess.setStandardOutputFile(QProcess::nullDevice());
    prozess.setStandardErrorFile(fehler);
    prozess.start(pfad, {QStringLiteral("-i"), eingabe, QStringLiteral("-o"), ausgabe});
    if (!prozess.waitForStarted(zeitLimitMs))
        laufFehler(QStringLiteral("ließ sich nicht starten (%1)").arg(prozess.errorString()));
    if (!prozess.waitForFinished(zeitLimitMs)) {
        prozess.kill();
        prozess.waitForFinished(-1);
        laufFehler(QStringLiteral("rechnete länger als %1 s und wurde beendet").arg(zeitLimitMs / 1000.0, 0, 'g', 3).replace(u'.', u','));
    }
    if (prozess.exitStatus() == QProcess::CrashExit)
        laufFehler(QStringLiteral("wurde während der Rechnung abgebrochen") + meldung(fehler));
    if (prozess.exitCode() != 0)
        laufFehler(QStringLiteral("meldete einen Fehler (Rückgabewert %1)%2").arg(prozess.exitCode()).arg(meldung(fehler)));
    try {
        return dateiLesen(ausgabe, HoechstensAusgabe);
    } catch (const Failure& f) {
        laufFehler(QStringLiteral("schrieb keine lesbare Ausgabe (%1)").arg(f.description.section(u'\r', 0, 0)));
    }
}

NecImpedanz NecProzess::impedanz(const NecDipol& dipol) { return necImpedanz(listing(necKarten(dipol))); }

#include "platform/systemfehler.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

struct Uebersetzung {
    int nummer;
    const char* deutsch;
};

// The reasons a file is not read or written, as a user meets them.
constexpr Uebersetzung uebersetzungen[] = {
    {ENOENT, "Datei oder Verzeichnis nicht gefunden"},
    {EACCES, "Zugriff verweigert (keine Berechtigung)"},
    {EPERM, "Vorgang nicht erlaubt"},
    {EISDIR, "Ist ein Verzeichnis"},
    {ENOTDIR, "Ein Teil des Pfades ist kein Verzeichnis"},
    {ENOSPC, "Kein Speicherplatz mehr auf dem Datenträger"},
    {EDQUOT, "Speicherplatz-Kontingent überschritten"},
    {EROFS, "Das Dateisystem ist nur lesbar"},
    {EEXIST, "Die Datei existiert bereits"},
    {ENAMETOOLONG, "Der Dateiname ist zu lang"},
    {ELOOP, "Zu viele Ebenen symbolischer Verknüpfungen"},
    {EIO, "Ein- oder Ausgabefehler"},
    {EMFILE, "Zu viele offene Dateien"},
    {ENFILE, "Zu viele offene Dateien im System"},
    {EFBIG, "Die Datei ist zu groß"},
    {EBUSY, "Gerät oder Datei ist belegt"},
    {ETXTBSY, "Die Datei ist in Benutzung"},
    {EINVAL, "Ungültiges Argument"},
    {ENXIO, "Kein solches Gerät oder keine solche Adresse"},
    {ENODEV, "Kein solches Gerät"},
    {EPIPE, "Der Empfänger hat die Verbindung geschlossen"},
    {ESTALE, "Die Netzwerkdatei ist nicht mehr erreichbar"},
    {ETIMEDOUT, "Zeitüberschreitung der Verbindung"},
};

// Qt's own reasons, in the words it uses when no German translation of Qt is loaded (the
// command line loads none).
constexpr std::pair<const char*, const char*> qtTexte[] = {
    {"Filename refers to a directory", "Ist ein Verzeichnis"},
    {"Partial write. Partition full?", "Nur teilweise geschrieben. Ist der Datenträger voll?"},
    {"Unknown error", "Unbekannter Fehler"},
};

} // namespace

QString systemFehlerText(const QString& systemText)
{
    for (const auto& [englisch, deutsch] : qtTexte)
        if (systemText == QLatin1String(englisch))
            return QString::fromUtf8(deutsch);
    // Compared with the C library's text in the locale in use now, which is the one Qt used.
    for (const Uebersetzung& u : uebersetzungen)
        if (systemText == QString::fromLocal8Bit(std::strerror(u.nummer)))
            return QString::fromUtf8(u.deutsch);
    return systemText;
}

QString systemFehlerText(int fehlerNummer)
{
    for (const Uebersetzung& u : uebersetzungen)
        if (u.nummer == fehlerNummer)
            return QString::fromUtf8(u.deutsch);
    return QString::fromLocal8Bit(std::strerror(fehlerNummer));
}

QString systemFehlerText(const QFileDevice& file) { return systemFehlerText(file.errorString()); }

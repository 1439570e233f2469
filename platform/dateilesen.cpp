#include "platform/dateilesen.h"

#include "common/failure.h"
#include "platform/dateischreiber.h"
#include "platform/systemfehler.h"

#include <QFile>
#include <QLocale>
#include <QScopeGuard>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString megabytes(qint64 bytes)
{
    return QLocale().toString(double(bytes) / (1024 * 1024), 'f', 1) + QStringLiteral(" MB");
}

Failure zuGross(const QString& name, const QString& groesse, qint64 hoechstens)
{
    return {7, QStringLiteral("Die Datei \"%1\" ist %2 groß.\r\nGelesen werden Dateien bis %3.")
                   .arg(name, groesse, megabytes(hoechstens))};
}

Failure fehlerNach(const QString& name, int fehlernummer)
{
    const QString grund = systemFehlerText(fehlernummer);
    if (fehlernummer == ENOENT || fehlernummer == ENOTDIR)
        return {53, QStringLiteral("Datei nicht gefunden: \"%1\"\r\n%2").arg(name, grund)};
    if (fehlernummer == EACCES || fehlernummer == EPERM)
        return {70, QStringLiteral("Zugriff verweigert: \"%1\"\r\n%2").arg(name, grund)};
    return {75, QStringLiteral("Fehler beim Zugriff auf \"%1\"\r\n%2").arg(name, grund)};
}

// A file that is not a regular one, named as what it is.
Failure keineDatei(const QString& name, mode_t art)
{
    if (S_ISDIR(art))
        return {75, QStringLiteral("\"%1\" ist ein Verzeichnis, keine Datei.").arg(name)};
    return {75, QStringLiteral("\"%1\" ist keine gewöhnliche Datei, sondern %2.\r\nGelesen werden nur gewöhnliche Dateien.")
                    .arg(name, dateiArt(art))};
}

} // namespace

QByteArray dateiLesen(const QString& name, qint64 hoechstens)
{
    const QByteArray pfad = QFile::encodeName(name);
    // What is plainly no regular file is not even opened: opening a serial port raises its
    // control lines, which may key a transmitter. What decides is the opened file below.
    struct stat vorher {};
    if (::stat(pfad.constData(), &vorher) == 0 && !S_ISREG(vorher.st_mode))
        throw keineDatei(name, vorher.st_mode);
    // Without waiting: opening a named pipe would otherwise wait for a writer, and a terminal
    // would become the program's own.
    const int fd = ::open(pfad.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw fehlerNach(name, errno);
    const auto schliessen = qScopeGuard([fd] { ::close(fd); });
    // What was opened is judged, not what the name pointed to a moment before.
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        throw fehlerNach(name, errno);
    if (!S_ISREG(info.st_mode))
        throw keineDatei(name, info.st_mode);
    if (info.st_size > hoechstens)
        throw zuGross(name, megabytes(info.st_size), hoechstens);

    // One byte more than the limit tells a file that holds more than it stated.
    const qint64 hoechstensGelesen = hoechstens + 1;
    QByteArray inhalt;
    inhalt.resize(std::min<qint64>(qint64(info.st_size) + 1, hoechstensGelesen));
    qint64 gelesen = 0;
    for (;;) {
        if (gelesen == inhalt.size()) {
            if (gelesen == hoechstensGelesen)
                break;
            inhalt.resize(std::min<qint64>(std::max<qint64>(2 * gelesen, 64 * 1024), hoechstensGelesen));
        }
        const ssize_t n = ::read(fd, inhalt.data() + gelesen, size_t(inhalt.size() - gelesen));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw fehlerNach(name, errno);
        if (n == 0)
            break;
        gelesen += n;
    }
    if (gelesen > hoechstens)
        throw zuGross(name, QStringLiteral("mehr als ") + megabytes(hoechstens), hoechstens);
    inhalt.truncate(gelesen);
    return inhalt;
}

#include "viewer/dateilesen.h"

#include "common/failure.h"
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

Failure zuGross(const QString& name, const QString& groesse, qint64 hoechstens, const DateiLeseHinweise& hinweise)
{
    return {7, QStringLiteral("Die Datei \"%1\" ist %2 groß.\r\n").arg(name, groesse) + hinweise.zuGross.arg(megabytes(hoechstens))};
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
Failure keineDatei(const QString& name, mode_t art, const DateiLeseHinweise& hinweise)
{
    if (S_ISDIR(art))
        return {75, QStringLiteral("\"%1\" ist ein Verzeichnis, keine Datei.").arg(name)};
    QString was;
    if (S_ISFIFO(art))
        was = QStringLiteral(", sondern eine benannte Pipe (FIFO)");
    else if (S_ISCHR(art))
        was = QStringLiteral(", sondern ein Gerät (zeichenorientierte Gerätedatei)");
    else if (S_ISBLK(art))
        was = QStringLiteral(", sondern ein Datenträger oder ein anderes blockorientiertes Gerät");
    else if (S_ISSOCK(art))
        was = QStringLiteral(", sondern ein Socket (ein Verbindungspunkt zwischen Programmen)");
    return {75, QStringLiteral("\"%1\" ist keine gewöhnliche Datei%2.\r\n").arg(name, was) + hinweise.nurDateien};
}

} // namespace

QByteArray dateiLesen(const QString& name, qint64 hoechstens, const DateiLeseHinweise& hinweise)
{
    const QByteArray pfad = QFile::encodeName(name);
    // What is plainly no regular file is not even opened: opening a serial port raises its
    // control lines, which may key a transmitter. What decides is the opened file below.
    struct stat vorher {};
    if (::stat(pfad.constData(), &vorher) == 0 && !S_ISREG(vorher.st_mode))
        throw keineDatei(name, vorher.st_mode, hinweise);
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
        throw keineDatei(name, info.st_mode, hinweise);
    if (info.st_size > hoechstens)
        throw zuGross(name, megabytes(info.st_size), hoechstens, hinweise);

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
        throw zuGross(name, QStringLiteral("mehr als ") + megabytes(hoechstens), hoechstens, hinweise);
    inhalt.truncate(gelesen);
    return inhalt;
}

#include "calculators/messdatei.h"

#include "platform/dateischreiber.h"
#include "platform/systemfehler.h"

#include <QFile>
#include <QLocale>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every way out.
struct Deskriptor {
    int fd;
    ~Deskriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

QString megabytes(qint64 bytes) { return QLocale().toString(double(bytes) / (1024 * 1024), 'f', 1) + QStringLiteral(" MB"); }

} // namespace

QByteArray leseMessdatei(const QString& pfad, qint64 grenze)
{
    auto fehler = [](const QString& grund) { return MessungFehler{0, grund}; };
    // Non-blocking: opening a FIFO without a writer must not hang the program.
    const Deskriptor d{::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (d.fd < 0)
        throw fehler(QStringLiteral("lässt sich nicht öffnen: %1").arg(systemFehlerText(errno)));
    struct stat st {};
    if (::fstat(d.fd, &st) != 0)
        throw fehler(systemFehlerText(errno));
    if (!S_ISREG(st.st_mode))
        throw fehler(QStringLiteral("ist %1, keine Messdatei").arg(dateiArt(st.st_mode)));
    if (st.st_size > grenze)
        throw fehler(QStringLiteral("ist mit %1 größer als die %2, die eine Messung haben darf").arg(megabytes(st.st_size), megabytes(grenze)));

    QByteArray inhalt;
    char puffer[65536];
    for (;;) {
        const ssize_t n = ::read(d.fd, puffer, sizeof puffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw fehler(QStringLiteral("lässt sich nicht lesen: %1").arg(systemFehlerText(errno)));
        if (n == 0)
            break;
        // One byte beyond the limit is enough to know the file is too large.
        if (inhalt.size() + n > grenze)
            throw fehler(QStringLiteral("ist größer als die %1, die eine Messung haben darf").arg(megabytes(grenze)));
        inhalt.append(puffer, n);
    }
    return inhalt;
}

Messung ladeMessung(const QString& pfad) { return leseTouchstone(leseMessdatei(pfad)); }

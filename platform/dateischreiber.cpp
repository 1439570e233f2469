#include "platform/dateischreiber.h"

#include "platform/systemfehler.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The numbers the failure boxes have always used: a file that cannot be created, one that
// cannot be written, a full disk.
constexpr int NichtAngelegt = 75;
constexpr int Schreibfehler = 57;
constexpr int DatentraegerVoll = 61;

int nummerBeimSchreiben(int systemFehler)
{
    return systemFehler == ENOSPC || systemFehler == EDQUOT ? DatentraegerVoll : Schreibfehler;
}

Failure nichtGeoeffnet(const QString& ziel)
{
    return {52, QStringLiteral("Die Datei \"%1\" ist nicht zum Schreiben geöffnet.").arg(ziel)};
}

const QString anlegen = QStringLiteral("Die Datei \"%1\" kann nicht angelegt werden:");
const QString beimSchreiben = QStringLiteral("Fehler beim Schreiben der Datei \"%1\":");

// Writes every byte, going on after a partial write; the error number of a failure, else 0.
int allesSchreiben(int fd, const QByteArray& bytes, qint64& geschrieben)
{
    const char* rest = bytes.constData();
    qint64 offen = bytes.size();
    while (offen > 0) {
        const ssize_t n = ::write(fd, rest, size_t(offen));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        rest += n;
        offen -= n;
        geschrieben += n;
    }
    return 0;
}

mode_t aktuelleUmask()
{
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return maske;
}

// The folder's entry is synced so that the new name survives a power cut. Not every file
// system can sync a folder; the file itself is already complete on disk then.
void ordnerSyncen(const QByteArray& ordner)
{
    const int dfd = ::open(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

} // namespace

bool dieselbeDatei(const QString& eins, const QString& zwei)
{
    struct stat a {}, b {};
    return ::stat(QFile::encodeName(eins).constData(), &a) == 0 && ::stat(QFile::encodeName(zwei).constData(), &b) == 0
           && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

QString dateiArt(unsigned mode)
{
    switch (mode & S_IFMT) {
    case S_IFIFO: return QStringLiteral("eine benannte Pipe (FIFO)");
    case S_IFCHR: return QStringLiteral("ein zeichenorientiertes Gerät");
    case S_IFBLK: return QStringLiteral("ein blockorientiertes Gerät (Datenträger)");
    case S_IFSOCK: return QStringLiteral("ein Socket");
    case S_IFDIR: return QStringLiteral("ein Verzeichnis");
    default: return QStringLiteral("keine gewöhnliche Datei");
    }
}

DateiSchreiber::DateiSchreiber(QString pfad, Sonderdateien sonderdateien)
    : ziel(std::move(pfad)), sonderdateien(sonderdateien)
{
}

DateiSchreiber::~DateiSchreiber() { verwerfen(); }

void DateiSchreiber::fehler(int fehlerNummer, const QString& was, int systemFehler)
{
    throw Failure(fehlerNummer, was.arg(ziel) + QStringLiteral("\r\n") + systemFehlerText(systemFehler));
}

void DateiSchreiber::oeffnen()
{
    verwerfen();
    geschrieben = 0;
    anOrt = false;
    regulaer = true;
    altGroesse = 0;
    altInhalt.clear();
    altGesichert = false;
    if (ziel.isEmpty())
        fehler(NichtAngelegt, anlegen, ENOENT);

    // A link is followed to the file it names; a dangling one to the name it points at.
    schreibPfad = QFile::encodeName(ziel);
    struct stat st {};
    if (::lstat(schreibPfad.constData(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* echt = ::realpath(schreibPfad.constData(), nullptr)) {
            schreibPfad = echt;
            std::free(echt);
        } else {
            schreibPfad = QFile::encodeName(QFileInfo(ziel).symLinkTarget());
        }
    }
    const QByteArray& nativ = schreibPfad;

    const bool vorhanden = ::stat(nativ.constData(), &st) == 0;
    if (!vorhanden && errno != ENOENT)
        fehler(NichtAngelegt, anlegen, errno);
    if (vorhanden && !S_ISREG(st.st_mode)) {
        const bool anOrtErlaubt = (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode))
                                  && sonderdateien == Sonderdateien::AnOrtBeschreiben;
        if (S_ISDIR(st.st_mode))
            fehler(NichtAngelegt, anlegen, EISDIR);
        if (!anOrtErlaubt)
            throw Failure(NichtAngelegt, anlegen.arg(ziel) + QStringLiteral("\r\nDort steht %1, keine gewöhnliche Datei; sie wird nicht ersetzt.")
                                                                 .arg(dateiArt(st.st_mode)));
        // Opened as the shell's redirection would: a FIFO waits for its reader.
        fd = ::open(nativ.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            fehler(NichtAngelegt, anlegen, errno);
        anOrt = true;
        regulaer = false;
        return;
    }

    // Further names of the same file would keep the old content if it were replaced.
    bool inPlace = vorhanden && st.st_nlink > 1;
    if (!inPlace) {
        const qsizetype schnitt = nativ.lastIndexOf('/');
        const QByteArray ordner = schnitt < 0 ? QByteArray(".") : nativ.left(std::max<qsizetype>(schnitt, 1));
        // The temporary name stays within the longest name the folder takes, however long
        // the target's own name is.
        const QByteArray name = nativ.mid(schnitt + 1).left(NAME_MAX - 8);
        QByteArray muster = ordner + "/." + name + ".XXXXXX";
        fd = ::mkostemp(muster.data(), O_CLOEXEC);
        if (fd < 0) {
            // A folder we may not write to can still hold a file we may write.
            const int grund = errno;
            if (vorhanden && (grund == EACCES || grund == EPERM) && ::access(nativ.constData(), W_OK) == 0)
                inPlace = true;
            else
                fehler(NichtAngelegt, anlegen, grund);
        } else {
            temporaer = muster;
            // A new file gets what the user's mask allows, but never write access for everyone.
            bool uebernommen = ::fchmod(fd, vorhanden ? (st.st_mode & 07777) : (0666 & ~aktuelleUmask() & ~S_IWOTH)) == 0;
            if (uebernommen && vorhanden && (st.st_uid != ::geteuid() || st.st_gid != ::getegid()))
                uebernommen = ::fchown(fd, st.st_uid, st.st_gid) == 0;
            // The older file's owner cannot be kept in a new file: it is written in place.
            if (!uebernommen) {
                verwerfen();
                inPlace = true;
            }
        }
    }
    if (inPlace) {
        // Read access as well where we have it, to keep what is overwritten.
        fd = ::open(nativ.constData(), O_RDWR | O_CLOEXEC | O_NOCTTY);
        altGesichert = fd >= 0;
        if (fd < 0)
            fd = ::open(nativ.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            fehler(NichtAngelegt, anlegen, errno);
        struct stat offen {};
        altGroesse = ::fstat(fd, &offen) == 0 ? qint64(offen.st_size) : qint64(st.st_size);
        anOrt = true;
    }
}

int DateiSchreiber::anOrtVorbereiten(qint64 laenge)
{
    if (laenge <= 0)
        return 0;
    // The space first: a full disk or a file-size limit fails here, before an older byte is touched.
    const int reserviert = ::posix_fallocate(fd, geschrieben, laenge);
    if (reserviert != 0 && reserviert != EINVAL && reserviert != EOPNOTSUPP && reserviert != ENODEV
        && reserviert != EBADF) {
        // A reservation that failed half way may have made the file longer.
        ::ftruncate(fd, std::max(altGroesse, geschrieben));
        return reserviert;
    }
    if (!altGesichert || geschrieben >= altGroesse)
        return 0;
    const qint64 alt = std::min(laenge, altGroesse - geschrieben);
    const qsizetype schon = altInhalt.size();
    altInhalt.resize(schon + alt);
    qint64 gelesen = 0;
    while (gelesen < alt) {
        const ssize_t n = ::pread(fd, altInhalt.data() + schon + gelesen, size_t(alt - gelesen), geschrieben + gelesen);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // What cannot be read back cannot be put back: nothing is overwritten.
            const int grund = n < 0 ? errno : EIO;
            altInhalt.truncate(schon);
            return grund;
        }
        gelesen += n;
    }
    return 0;
}

void DateiSchreiber::altesZurueck(qint64 ab)
{
    if (altGesichert && ab < altInhalt.size()) {
        qint64 zurueck = ab;
        while (zurueck < altInhalt.size()) {
            const ssize_t n = ::pwrite(fd, altInhalt.constData() + zurueck, size_t(altInhalt.size() - zurueck), zurueck);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            zurueck += n;
        }
        altInhalt.truncate(ab);
    }
    ::ftruncate(fd, std::max(altGroesse, ab));
    ::lseek(fd, ab, SEEK_SET);
}

void DateiSchreiber::schreiben(const QByteArray& bytes)
{
    if (fd < 0)
        throw nichtGeoeffnet(ziel);
    const qint64 vorher = geschrieben;
    if (anOrt && regulaer)
        if (const int grund = anOrtVorbereiten(bytes.size()))
            fehler(nummerBeimSchreiben(grund), beimSchreiben, grund);
    if (const int grund = allesSchreiben(fd, bytes, geschrieben)) {
        // A piece written only in part is taken back, so that Retry writes it whole.
        if (anOrt && regulaer) {
            altesZurueck(vorher);
            geschrieben = vorher;
        } else if (regulaer && ::ftruncate(fd, vorher) == 0) {
            ::lseek(fd, vorher, SEEK_SET);
            geschrieben = vorher;
        }
        fehler(nummerBeimSchreiben(grund), beimSchreiben, grund);
    }
}

void DateiSchreiber::abschliessen()
{
    if (fd >= 0) {
        if (regulaer) {
            // Written in place, an older and longer content ends where the new one does.
            if (anOrt && ::ftruncate(fd, geschrieben) != 0) {
                const int grund = errno;
                verwerfen();
                fehler(nummerBeimSchreiben(grund), beimSchreiben, grund);
            }
            // Many file systems report a full disk or a failed device only here.
            if (::fsync(fd) != 0 && errno != EINVAL) {
                const int grund = errno;
                if (anOrt)
                    verwerfen();
                fehler(nummerBeimSchreiben(grund), beimSchreiben, grund);
            }
        }
        const int schliessen = ::close(fd);
        const int grund = errno;
        fd = -1;
        altInhalt.clear();
        if (schliessen != 0 && grund != EINTR) {
            verwerfen();
            fehler(nummerBeimSchreiben(grund), beimSchreiben, grund);
        }
    } else if (temporaer.isEmpty()) {
        throw nichtGeoeffnet(ziel);
    }
    if (temporaer.isEmpty())
        return;
    // The complete file takes the target's name; on failure it stays aside for another try.
    if (::rename(temporaer.constData(), schreibPfad.constData()) != 0)
        fehler(NichtAngelegt, anlegen, errno);
    temporaer.clear();
    const qsizetype schnitt = schreibPfad.lastIndexOf('/');
    ordnerSyncen(schnitt < 0 ? QByteArray(".") : schreibPfad.left(std::max<qsizetype>(schnitt, 1)));
}

void DateiSchreiber::verwerfen()
{
    if (fd >= 0) {
        // An in-place file not completed gets its older content back.
        if (anOrt && regulaer)
            altesZurueck(0);
        ::close(fd);
        fd = -1;
    }
    altInhalt.clear();
    if (!temporaer.isEmpty()) {
        ::unlink(temporaer.constData());
        temporaer.clear();
    }
}

void schreibeDatei(const QString& pfad, const QByteArray& bytes, DateiSchreiber::Sonderdateien sonderdateien)
{
    DateiSchreiber datei(pfad, sonderdateien);
    datei.oeffnen();
    datei.schreiben(bytes);
    datei.abschliessen();
}

void schreibeStandardausgabe(const QByteArray& bytes)
{
    const QString was = QStringLiteral("Fehler beim Schreiben der Standardausgabe:");
    qint64 geschrieben = 0;
    int grund = allesSchreiben(STDOUT_FILENO, bytes, geschrieben);
    // Output sent to a file is complete only once it is on the disk.
    struct stat st {};
    if (grund == 0 && ::fstat(STDOUT_FILENO, &st) == 0 && S_ISREG(st.st_mode) && ::fsync(STDOUT_FILENO) != 0
        && errno != EINVAL && errno != EROFS)
        grund = errno;
    if (grund)
        throw Failure(nummerBeimSchreiben(grund), was + QStringLiteral("\r\n") + systemFehlerText(grund));
}

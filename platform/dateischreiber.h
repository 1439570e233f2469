#pragma once
// The one way this program writes a file. Nothing on disk is destroyed before the new content
// is complete: the text goes to a temporary file beside the target, is forced to the disk and
// only then takes the target's name, so an older file survives every failure, and of two
// programs writing the same name the last complete file wins. A failed write, flush, sync or
// rename is a failure with its German reason, never a success.
//
// What stands at the target decides how it is written:
// - nothing, or a regular file of our own with one name: replaced through the temporary file,
//   which takes over the older file's permissions;
// - a regular file with further hard links or of another owner that we cannot hand the new
//   file to: written in place, so that its links, owner and permissions stay. The space for
//   each piece is reserved before it is written, and the bytes it overwrites are kept, so that
//   a failure or an uncommitted file puts the older content back as it was;
// - a FIFO or a character device: written in place where the caller allows it (a command-line
//   user naming one means it), refused otherwise; never replaced by a regular file;
// - a directory, block device or socket: refused.
// A symbolic link is followed: the file it names is written, the link stays.

#include "common/failure.h"

#include <QByteArray>
#include <QString>

class DateiSchreiber {
public:
    enum class Sonderdateien { Ablehnen, AnOrtBeschreiben };

    explicit DateiSchreiber(QString pfad, Sonderdateien sonderdateien = Sonderdateien::Ablehnen);
    // An uncommitted file is thrown away: the target stays as it was.
    ~DateiSchreiber();
    DateiSchreiber(const DateiSchreiber&) = delete;
    DateiSchreiber& operator=(const DateiSchreiber&) = delete;

    // Each throws a Failure with a number and a German description naming the file.
    void oeffnen();
    // Written straight through, unbuffered: a full disk fails at the piece that does not fit.
    void schreiben(const QByteArray& bytes);
    // Syncs the new content and gives it the target's name; only then is the file complete.
    void abschliessen();
    // Throws away what was written; the target stays as it was.
    void verwerfen();

    bool offen() const { return fd >= 0; }
    const QString& pfad() const { return ziel; }

private:
    [[noreturn]] void fehler(int fehlerNummer, const QString& was, int systemFehler);
    // Written in place: reserves the piece's space and keeps the bytes it will overwrite.
    int anOrtVorbereiten(qint64 laenge);
    // Written in place: the older bytes from "ab" on go back, the file ends where it did.
    void altesZurueck(qint64 ab);

    QString ziel;           // the path as the user named it, for messages
    QByteArray schreibPfad; // the file really written (the link's target where ziel is a link), as the system spells it
    QByteArray temporaer;   // the temporary file beside it; empty when writing in place
    Sonderdateien sonderdateien;
    int fd = -1;
    qint64 geschrieben = 0;
    bool anOrt = false;     // writing into the existing file itself
    bool regulaer = true;   // the target is (or becomes) a regular file
    // A regular file written in place: its length before, and its bytes overwritten so far.
    qint64 altGroesse = 0;
    QByteArray altInhalt;
    bool altGesichert = false;  // the older bytes could be read back (not for a write-only file)
};

// Writes a whole file at once in the way above.
void schreibeDatei(const QString& pfad, const QByteArray& bytes,
                   DateiSchreiber::Sonderdateien sonderdateien = DateiSchreiber::Sonderdateien::Ablehnen);

// Writes the program's whole output to standard output; a failure (a full disk behind a
// redirection) throws, so that the program does not report success.
void schreibeStandardausgabe(const QByteArray& bytes);

// True when both names reach the same existing file, through links or further hard links too:
// a command's output that is one of its inputs would destroy that input.
bool dieselbeDatei(const QString& eins, const QString& zwei);

// What a special file is, in German ("eine benannte Pipe (FIFO)"), from its stat mode.
QString dateiArt(unsigned mode);

#pragma once
// Reads a file the viewer is to show. Only a regular file is read: a named pipe would keep
// the viewer waiting for a writer forever, a device may never end, and merely opening one
// may do something (a serial port raises its control lines). The size limit counts the
// bytes actually read, as a file may hold more than it states (the system's own files, a
// file still growing).

#include <QByteArray>
#include <QString>

// What the reader tells the user after a refusal: the limit (its "%1" is the limit in MB) and
// that only regular files are read. The viewer's by default; the pruning window's sweeps say
// their own.
struct DateiLeseHinweise {
    QString zuGross = QStringLiteral("Die Schnellansicht zeigt Dateien bis %1.");
    QString nurDateien = QStringLiteral("Die Schnellansicht öffnet nur gewöhnliche Dateien.");
};

// The whole content of the file "name", at most "hoechstens" bytes. Throws a Failure with a
// German description: 53 not found, 70 access denied, 7 larger than the limit, 75 for
// anything else, a directory, pipe, device or socket included (named as what it is).
QByteArray dateiLesen(const QString& name, qint64 hoechstens, const DateiLeseHinweise& hinweise = {});

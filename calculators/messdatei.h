#pragma once
// Reading a sweep file from disk, as the viewer reads its files: only a regular file, and the
// bytes actually read count against the limit. A FIFO or a device never blocks the program.

#include "calculators/touchstone.h"

#include <QByteArray>
#include <QString>

// Larger than any sweep an analyser saves (100 000 points are about 4 MB).
inline constexpr qint64 MessdateiHoechstens = 20 * 1024 * 1024;

// The file's bytes. Throws MessungFehler (line 0) with the German reason naming the file.
QByteArray leseMessdatei(const QString& pfad, qint64 grenze = MessdateiHoechstens);

// Reads and interprets the file. Throws MessungFehler.
Messung ladeMessung(const QString& pfad);

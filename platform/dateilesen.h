#pragma once
// Reads a whole file: what the viewer shows, and the desktop's own settings. Only a regular
// file is read: a named pipe would keep
// the program waiting for a writer forever, a device may never end, and merely opening one
// may do something (a serial port raises its control lines). The size limit counts the
// bytes actually read, as a file may hold more than it states (the system's own files, a
// file still growing).

#include <QByteArray>
#include <QString>

// The whole content of the file "name", at most "hoechstens" bytes. Throws a Failure with a
// German description: 53 not found, 70 access denied, 7 larger than the limit, 75 for
// anything else, a directory, pipe, device or socket included (named as what it is).
QByteArray dateiLesen(const QString& name, qint64 hoechstens);

#pragma once
// The system's reason for a failed file operation, in German. Qt passes on the C library's
// text, which is English unless the C library's German messages are installed and the
// locale is set up; a German user reads "Ist ein Verzeichnis", never "Is a directory".

#include <QString>

class QFileDevice;

// The reason the device gives, in German where it is one of the C library's or Qt's texts
// that we know; any other text as it stands.
QString systemFehlerText(const QFileDevice& file);
QString systemFehlerText(const QString& systemText);
// The German reason for a C library error number; an unknown number as the C library words it.
QString systemFehlerText(int fehlerNummer);

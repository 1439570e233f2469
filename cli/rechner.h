#pragma once
// zentavik-rechner: the calculations of the program from the command line.

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <optional>

class QTextStream;

namespace rechner {

// Runs one command line (arguments without the program name) and returns the exit status:
// 0 done, 2 bad input (one German line on err naming the option), 3 a failed calculation
// (its number and description on err).
int zentavikRechner(const QStringList& argumente, QTextStream& out, QTextStream& err);

// Writes the command's whole output to standard output and returns the exit status: status,
// or 3 with a German line on err when the output could not be written (a full disk).
int gibAus(const QString& ausgabe, int status, QTextStream& err);

// The arguments as the program reads them. One that is no text in the system's encoding
// (UTF-8), such as a file name written in another encoding, would come out as another name:
// it is refused with a German line on err naming its bytes, and nothing is returned.
std::optional<QStringList> argumenteLesen(const QList<QByteArray>& roh, QTextStream& err);

// Whether the command draws (and so needs the font machinery of a GUI application).
bool brauchtGrafik(const QStringList& argumente);

} // namespace rechner

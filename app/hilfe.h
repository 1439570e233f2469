#pragma once
// Finding files and programs, and opening the help document in the program the desktop
// associates with PDF files.

#include <QString>
#include <QStringList>

#include <functional>

// True when the path names a normal file (not a directory, not hidden). Otherwise tells the user
// in a " Datei nicht gefunden" box and returns false. Never fails.
bool DateiVorhanden(const QString& path);

// The program the desktop opens the document with; "" when there is none or when the answer
// is the document itself.
QString ProgrammSuchen(const QString& document);

// The command line that opens the document in the program. A path holding ".pdf" (in any
// case) is put into double quotes, also in the caller's variable.
QString ProgrammBefehl(const QString& program, QString& document);
// Starts the program as a process of its own, the document's path as one argument (placed as
// the desktop's entry for the program places it). False when it could not be started;
// `gescheitert` is called later when it gives up at once (see desktop::startDetached).
bool ProgrammStarten(const QString& program, QString& document, std::function<void()> gescheitert = {});

inline const QString HilfeDateiName = QStringLiteral("Zentavik_Hilfe.pdf");

// Where the help document is looked for: beside the program (the build tree), then in the data
// folder of the installation the program belongs to (not the documentation folder, which
// minimal systems leave out).
QStringList HilfeOrte(const QString& programmOrdner);

// "&Hilfe": opens the help document found from the program's folder, or says why it cannot:
// no help document, no program for PDF files, or a program that does not start or gives up at
// once; the last ones name the document's path.
void Hilfe(const QString& programmOrdner);

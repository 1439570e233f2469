#pragma once
// What the desktop knows about files and programs: whether a path is a normal file, which
// program opens a document, and starting a program that runs on by itself.

#include <QString>
#include <QStringList>

namespace desktop {

// A normal file: it exists, is no directory and is not hidden (its name does not start with a dot).
bool normaleDatei(const QString& path);

// The executable of the application the desktop opens the document's type with, found the
// freedesktop.org way: the MIME type from the file's name and content, the default application
// for it in the mimeapps.list files of XDG_CONFIG_HOME, XDG_CONFIG_DIRS, XDG_DATA_HOME and
// XDG_DATA_DIRS (then the applications that declare the type), and the first word of that
// desktop entry's Exec line, found on PATH when it is not absolute. "" when there is none.
QString standardProgramm(const QString& document);

// The directories the lookup searches, in order of precedence (for tests and diagnostics).
QStringList mimeappsDateien();
QStringList anwendungsOrdner();

// Starts a program with its arguments as a process of its own that outlives ours. False when it
// could not be started.
bool startDetached(const QString& program, const QStringList& arguments);

} // namespace desktop

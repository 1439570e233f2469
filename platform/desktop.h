#pragma once
// What the desktop knows about files and programs: whether a path is a normal file, which
// program opens a document, and starting a program that runs on by itself.

#include <QString>
#include <QStringList>

#include <functional>

namespace desktop {

// A normal file: it exists, is no directory and is not hidden (its name does not start with a dot).
bool normaleDatei(const QString& path);

// How the desktop opens a document: the program and its arguments, each one whole.
struct Aufruf {
    QString programm;  // "" when there is none
    QStringList argumente;
};

// The application the desktop opens the document's type with, found the freedesktop.org way:
// the MIME type from the file's name and content (or another name of it of the same kind, such
// as application/x-pdf, never image/pdf), the default application for it in the
// mimeapps.list files of XDG_CONFIG_HOME, XDG_CONFIG_DIRS, XDG_DATA_HOME and XDG_DATA_DIRS
// (then the applications that declare the type), and that desktop entry's Exec line read as
// the desktop entry rules say: quoted words, escapes, and the field codes filled in (the
// document for %f %F %u %U, the document added at the end where the line has none). The
// program is the line's first word, found on PATH when it is not absolute.
Aufruf standardAufruf(const QString& document);
// Its program alone; "" when there is none.
QString standardProgramm(const QString& document);

// The words of an Exec line with its field codes filled in for the document; the entry's
// name and icon and its file's path fill %c, %i and %k. Empty when the line cannot be read.
QStringList execWoerter(const QString& exec, const QString& document, const QString& name = {},
                        const QString& icon = {}, const QString& eintrag = {});

// The directories the lookup searches, in order of precedence (for tests and diagnostics).
QStringList mimeappsDateien();
QStringList anwendungsOrdner();

// Starts a program with its arguments as a process of its own that outlives ours. False when it
// could not be started. A program that starts and gives up at once (a viewer that cannot read the
// file, a wrapper that finds no program behind it) is as good as none: when it ends within
// `frist` milliseconds with a status other than 0 or by a crash, `gescheitert` is called, once,
// from the event loop; the caller is not held up meanwhile. A program still running then, or one
// that ended with 0, counts as started.
inline constexpr int startFrist = 2000;
bool startDetached(const QString& program, const QStringList& arguments, std::function<void()> gescheitert = {},
                   int frist = startFrist);

} // namespace desktop

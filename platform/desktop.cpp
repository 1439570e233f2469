#include "platform/desktop.h"

#include "common/failure.h"
#include "platform/dateilesen.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

#include <map>
#include <optional>

#include <unistd.h>

namespace desktop {
namespace {

QString env(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

QStringList envList(const char* name, const QString& fallback)
{
    return env(name, fallback).split(u':', Qt::SkipEmptyParts);
}

QString configHome() { return env("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config")); }
QString dataHome() { return env("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share")); }
QStringList configDirs() { return envList("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")); }
QStringList dataDirs() { return envList("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")); }

// The sections of a desktop-entry style file: group name -> key -> value.
using Gruppen = std::map<QString, std::map<QString, QString>>;

Gruppen lies(const QString& path)
{
    Gruppen gruppen;
    // A settings file replaced by a pipe or a device must not keep the program waiting.
    QByteArray inhalt;
    try {
        inhalt = dateiLesen(path, 1024 * 1024);
    } catch (const Failure&) {
        return gruppen;
    }
    QTextStream in(inhalt);
    QString gruppe;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            gruppe = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq > 0)
            gruppen[gruppe].emplace(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return gruppen;
}

QStringList liste(const Gruppen& g, const QString& gruppe, const QString& key)
{
    const auto group = g.find(gruppe);
    if (group == g.end())
        return {};
    const auto value = group->second.find(key);
    return value == group->second.end() ? QStringList{} : value->second.split(u';', Qt::SkipEmptyParts);
}

// The path of a desktop entry by its id; "kde-foo.desktop" may also lie in "kde/foo.desktop".
QString eintragsPfad(const QString& id)
{
    for (const QString& dir : anwendungsOrdner()) {
        QString relative = id;
        for (;;) {
            const QString path = dir + u'/' + relative;
            if (QFileInfo(path).isFile())
                return path;
            const qsizetype dash = relative.indexOf(u'-');
            if (dash < 0)
                break;
            relative[dash] = u'/';
        }
    }
    return {};
}

// The value of a string key: "\s", "\n", "\t", "\r" and "\\" stand for their characters.
QString ohneEscapes(const QString& wert)
{
    QString text;
    for (qsizetype i = 0; i < wert.size(); ++i) {
        const QChar c = wert[i];
        if (c != u'\\' || i + 1 == wert.size()) {
            text += c;
            continue;
        }
        const QChar n = wert[++i];
        text += n == u's' ? QChar(u' ') : n == u'n' ? QChar(u'\n') : n == u't' ? QChar(u'\t') : n == u'r' ? QChar(u'\r') : n;
    }
    return text;
}

// The words of the line: blanks separate them, double quotes hold blanks, and inside quotes a
// backslash takes the next character as it is. nullopt for an unclosed quote.
std::optional<QList<std::pair<QString, bool>>> zerlegen(const QString& zeile)
{
    QList<std::pair<QString, bool>> woerter;  // the word, and whether it was quoted
    QString wort;
    bool inWort = false, zitiert = false, inZitat = false;
    for (qsizetype i = 0; i < zeile.size(); ++i) {
        const QChar c = zeile[i];
        if (inZitat) {
            if (c == u'\\' && i + 1 < zeile.size())
                wort += zeile[++i];
            else if (c == u'"')
                inZitat = false;
            else
                wort += c;
        } else if (c == u' ' || c == u'\t' || c == u'\n') {
            if (inWort)
                woerter.append({wort, zitiert});
            wort.clear();
            inWort = zitiert = false;
        } else if (c == u'"') {
            inWort = zitiert = inZitat = true;
        } else {
            inWort = true;
            wort += c;
        }
    }
    if (inZitat)
        return std::nullopt;
    if (inWort)
        woerter.append({wort, zitiert});
    return woerter;
}

QString programmVon(const QString& erstesWort)
{
    if (erstesWort.isEmpty())
        return {};
    if (QFileInfo(erstesWort).isAbsolute())
        return QFileInfo(erstesWort).isExecutable() ? erstesWort : QString();
    return QStandardPaths::findExecutable(erstesWort);
}

Aufruf aufrufVonEintrag(const QString& id, const QString& document)
{
    const QString path = eintragsPfad(id);
    if (path.isEmpty())
        return {};
    const Gruppen g = lies(path);
    const auto entry = g.find(QStringLiteral("Desktop Entry"));
    if (entry == g.end())
        return {};
    const auto& keys = entry->second;
    const auto wert = [&](const char* key) {
        const auto it = keys.find(QString::fromLatin1(key));
        return it == keys.end() ? QString() : ohneEscapes(it->second);
    };
    if (wert("Hidden") == QStringLiteral("true"))
        return {};
    QStringList woerter = execWoerter(wert("Exec"), document, wert("Name"), wert("Icon"), path);
    if (woerter.isEmpty())
        return {};
    const QString program = programmVon(woerter.takeFirst());
    if (program.isEmpty())
        return {};
    return {program, woerter};
}

// The types to look for: the document's own, then those it is a kind of. Of the type's other
// names only those of the same kind count ("application/x-pdf" for a PDF, not "image/pdf"): under
// a name of another kind a program claims files it reads as something else, if at all, as an image
// viewer claims PDF files and, without the means to read them, shows an empty window or a picture
// of its own instead of the document.
QStringList mimeTypen(const QString& document)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(document);
    const QString art = type.name().section(u'/', 0, 0);
    QStringList names{type.name()};
    for (const QString& alias : type.aliases())
        if (alias.section(u'/', 0, 0) == art)
            names << alias;
    names += type.allAncestors();
    names.removeAll(QStringLiteral("application/octet-stream"));
    return names;
}

} // namespace

bool normaleDatei(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.exists() && info.isFile() && !info.fileName().startsWith(u'.');
}

QStringList mimeappsDateien()
{
    QStringList files;
    QStringList desktops;
    for (const QString& d : qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts))
        desktops << d.toLower();
    const auto add = [&](const QString& dir) {
        for (const QString& d : desktops)
            files << dir + u'/' + d + QStringLiteral("-mimeapps.list");
        files << dir + QStringLiteral("/mimeapps.list");
    };
    add(configHome());
    for (const QString& dir : configDirs())
        add(dir);
    add(dataHome() + QStringLiteral("/applications"));
    for (const QString& dir : dataDirs())
        add(dir + QStringLiteral("/applications"));
    return files;
}

QStringList anwendungsOrdner()
{
    QStringList dirs{dataHome() + QStringLiteral("/applications")};
    for (const QString& dir : dataDirs())
        dirs << dir + QStringLiteral("/applications");
    return dirs;
}

QStringList execWoerter(const QString& exec, const QString& document, const QString& name, const QString& icon,
                        const QString& eintrag)
{
    const auto zerlegt = zerlegen(exec);
    if (!zerlegt)
        return {};
    QStringList woerter;
    bool dokumentGenannt = false;
    for (const auto& [wort, zitiert] : *zerlegt) {
        // A quoted word is taken as it stands.
        if (zitiert) {
            woerter << wort;
            continue;
        }
        // A field code standing alone may stand for no word or for two.
        if (wort == QStringLiteral("%f") || wort == QStringLiteral("%F") || wort == QStringLiteral("%u") || wort == QStringLiteral("%U")) {
            if (!dokumentGenannt)
                woerter << document;
            dokumentGenannt = true;
            continue;
        }
        if (wort == QStringLiteral("%i")) {
            if (!icon.isEmpty())
                woerter << QStringLiteral("--icon") << icon;
            continue;
        }
        QString text;
        for (qsizetype i = 0; i < wort.size(); ++i) {
            if (wort[i] != u'%' || i + 1 == wort.size()) {
                text += wort[i];
                continue;
            }
            const QChar code = wort[++i];
            if (code == u'%')
                text += u'%';
            else if (code == u'c')
                text += name;
            else if (code == u'k')
                text += eintrag;
            else if ((code == u'f' || code == u'u') && !dokumentGenannt) {
                text += document;
                dokumentGenannt = true;
            }
            // Every other code, the deprecated ones included, stands for nothing.
        }
        if (!text.isEmpty() || wort.isEmpty())
            woerter << text;
    }
    // A program that names no file in its line still opens the one it is given.
    if (!woerter.isEmpty() && !dokumentGenannt)
        woerter << document;
    return woerter;
}

Aufruf standardAufruf(const QString& document)
{
    QList<Gruppen> listen;
    for (const QString& file : mimeappsDateien())
        if (QFileInfo(file).isFile())
            listen << lies(file);
    for (const QString& type : mimeTypen(document)) {
        // The first default that is installed and runnable wins; then what was added by the user.
        for (const char* gruppe : {"Default Applications", "Added Associations"})
            for (const Gruppen& g : listen)
                for (const QString& id : liste(g, QString::fromLatin1(gruppe), type))
                    if (Aufruf aufruf = aufrufVonEintrag(id, document); !aufruf.programm.isEmpty())
                        return aufruf;
        // Applications that declare the type, as the desktop's cache lists them.
        for (const QString& dir : anwendungsOrdner()) {
            const Gruppen cache = lies(dir + QStringLiteral("/mimeinfo.cache"));
            for (const QString& id : liste(cache, QStringLiteral("MIME Cache"), type))
                if (Aufruf aufruf = aufrufVonEintrag(id, document); !aufruf.programm.isEmpty())
                    return aufruf;
        }
    }
    return {};
}

QString standardProgramm(const QString& document) { return standardAufruf(document).programm; }

bool startDetached(const QString& program, const QStringList& arguments, std::function<void()> gescheitert, int frist)
{
    if (program.isEmpty())
        return false;
    // Started as our child, so that its end and status reach us; destroying a QProcess would end
    // the program, so the object lives until the program ends, also beyond our own end. The list
    // keeps those still running in reach.
    static auto* laufende = new QList<QProcess*>;
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments(arguments);
    // Our terminal and standard channels as a detached start would leave them, but a session of
    // its own: closing our terminal or pressing Ctrl+C there does not end it.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setInputChannelMode(QProcess::ForwardedInputChannel);
    process->setChildProcessModifier([] { ::setsid(); });
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    laufende->append(process);
    QElapsedTimer seitStart;
    seitStart.start();
    QObject::connect(process, &QProcess::finished, process,
                     [process, seitStart, frist, gescheitert = std::move(gescheitert)](int status, QProcess::ExitStatus art) {
                         laufende->removeOne(process);
                         process->deleteLater();
                         const bool fehlschlag = art == QProcess::CrashExit || status != 0;
                         if (fehlschlag && gescheitert && !seitStart.hasExpired(frist))
                             gescheitert();
                     });
    return true;
}

} // namespace desktop

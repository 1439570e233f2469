#include "platform/desktop.h"

#include "common/failure.h"
#include "platform/dateilesen.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

#include <map>

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

// The first word of an Exec line: the program, in double quotes when it holds blanks.
QString programmAusExec(const QString& exec)
{
    const QStringList words = QProcess::splitCommand(exec);
    return words.isEmpty() ? QString() : words.first();
}

QString programmVonEintrag(const QString& id)
{
    const QString path = eintragsPfad(id);
    if (path.isEmpty())
        return {};
    const Gruppen g = lies(path);
    const auto entry = g.find(QStringLiteral("Desktop Entry"));
    if (entry == g.end())
        return {};
    const auto& keys = entry->second;
    const auto flag = [&](const char* key) {
        const auto it = keys.find(QString::fromLatin1(key));
        return it != keys.end() && it->second == QStringLiteral("true");
    };
    if (flag("Hidden"))
        return {};
    const auto exec = keys.find(QStringLiteral("Exec"));
    if (exec == keys.end())
        return {};
    const QString program = programmAusExec(exec->second);
    if (program.isEmpty())
        return {};
    if (QFileInfo(program).isAbsolute())
        return QFileInfo(program).isExecutable() ? program : QString();
    return QStandardPaths::findExecutable(program);
}

// The types to look for: the document's own, then those it is a kind of.
QStringList mimeTypen(const QString& document)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(document);
    QStringList names{type.name()};
    names += type.aliases();
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

QString standardProgramm(const QString& document)
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
                    if (const QString program = programmVonEintrag(id); !program.isEmpty())
                        return program;
        // Applications that declare the type, as the desktop's cache lists them.
        for (const QString& dir : anwendungsOrdner()) {
            const Gruppen cache = lies(dir + QStringLiteral("/mimeinfo.cache"));
            for (const QString& id : liste(cache, QStringLiteral("MIME Cache"), type))
                if (const QString program = programmVonEintrag(id); !program.isEmpty())
                    return program;
        }
    }
    return {};
}

bool startDetached(const QString& program, const QStringList& arguments)
{
    return !program.isEmpty() && QProcess::startDetached(program, arguments);
}

} // namespace desktop

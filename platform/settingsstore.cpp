#include "platform/settingsstore.h"

#include "platform/dateilesen.h"
#include "platform/dateischreiber.h"
#include "platform/initext.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

namespace {
// Long enough for another copy of the program to finish its write on a slow disk; the store
// is given up after that rather than leaving the program hanging.
constexpr int lockWaitMs = 5000;
// Far more than the few keys of a settings file; a larger file is no settings file of ours,
// and reading it whole could take more memory than the machine has.
constexpr qint64 maxFileSize = 256 * 1024;
} // namespace

QString SettingsStore::fileName() const
{
    // Where Qt's settings class keeps a user's INI file of this application; asking the class
    // itself would open that file, whatever stands there.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + application + u'/'
           + application + QStringLiteral(".ini");
}

QString SettingsStore::get(const QString& section, const QString& key, const QString& fallback) const
{
    // Only a regular file is read: a named pipe put in its place would keep the program
    // waiting for a writer before its window ever shows. Only this one file: the settings
    // class would otherwise open further files of the organisation and the system as well.
    const QString path = fileName();
    if (QFileInfo::exists(path) && !QFileInfo(path).isFile())
        return fallback;
    if (QFileInfo(path).size() > maxFileSize)
        return fallback;
    QSettings settings(path, QSettings::IniFormat);
    const QVariant value = settings.value(section + u'/' + key, fallback);
    // An unquoted comma makes the INI text a list: "1234,5" edited by hand is one number.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

QString SettingsStore::tooLargeReason() const
{
    const QString path = fileName();
    const QFileInfo info(path);
    if (!info.isFile() || info.size() <= maxFileSize)
        return {};
    // The path on a line of its own: a long one would push the rest out of the box.
    return QStringLiteral("Die Einstellungsdatei\r\n%1\r\nist größer als %2 KB und wird weder gelesen noch geändert.\r\n"
                          "Das Programm beginnt mit den Vorgaben.")
        .arg(path)
        .arg(maxFileSize / 1024);
}

bool SettingsStore::set(const QString& section, const QList<std::pair<QString, QString>>& values)
{
    const QString path = fileName();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    // The lock Qt's settings class takes for its writes too, so that older versions of the
    // program running beside this one wait as well.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWaitMs))
        return false;
    try {
        // What cannot be read is not replaced by a file that lacks its other keys; only a
        // missing file starts empty.
        const QByteArray text = QFileInfo::exists(path) ? dateiLesen(path, maxFileSize) : QByteArray();
        schreibeDatei(path, initext::withValues(text, section, values));
    } catch (const Failure&) {
        return false;
    }
    return true;
}

#include "platform/settingsstore.h"

#include "platform/dateischreiber.h"
#include "platform/initext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

namespace {
// Long enough for another copy of the program to finish its write on a slow disk; the store
// is given up after that rather than leaving the program hanging.
constexpr int lockWaitMs = 5000;
} // namespace

QString SettingsStore::fileName() const
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, application, application).fileName();
}

QString SettingsStore::get(const QString& section, const QString& key, const QString& fallback) const
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    const QVariant value = settings.value(section + u'/' + key, fallback);
    // An unquoted comma makes the INI text a list: "1234,5" edited by hand is one number.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
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
    QByteArray text;
    const QFileInfo info(path);
    if (info.exists()) {
        // What cannot be read is not replaced by a file that lacks its other keys.
        QFile file(path);
        if (!info.isFile() || !file.open(QIODevice::ReadOnly))
            return false;
        text = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return false;
    }
    try {
        schreibeDatei(path, initext::withValues(text, section, values));
    } catch (const Failure&) {
        return false;
    }
    return true;
}

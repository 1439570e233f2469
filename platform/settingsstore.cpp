#include "platform/settingsstore.h"

#include <QSettings>

QString SettingsStore::get(const QString& section, const QString& key, const QString& fallback) const
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    const QVariant value = settings.value(section + u'/' + key, fallback);
    // An unquoted comma makes the INI text a list: "1234,5" edited by hand is one number.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u',');
    return value.toString();
}

bool SettingsStore::set(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    settings.setValue(section + u'/' + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

#include "platform/settingsstore.h"

#include <QSettings>


QString SettingsStore::get(const QString& section, const QString& key, const QString& fallback) const
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    return settings.value(section + u'/' + key, fallback).toString();
}

bool SettingsStore::set(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application, application);
    settings.setValue(section + u'/' + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

#pragma once
// A per-user store of settings texts by application, section and key: an INI file in the
// user's configuration folder.

#include <QString>

class SettingsStore {
public:
    explicit SettingsStore(QString application) : application(std::move(application)) {}
    // The stored text, or `fallback` when the key is missing.
    QString get(const QString& section, const QString& key, const QString& fallback) const;
    // Returns false when the text could not be written.
    bool set(const QString& section, const QString& key, const QString& value);

private:
    QString application;
};

#pragma once
// A per-user store of settings texts by application, section and key: an INI file in the
// user's configuration folder, in the form Qt's settings class reads and writes.

#include <QList>
#include <QString>
#include <utility>

class SettingsStore {
public:
    explicit SettingsStore(QString application) : application(std::move(application)) {}
    // The stored text, or `fallback` when the key is missing.
    QString get(const QString& section, const QString& key, const QString& fallback) const;
    // Stores the texts of several keys in one write of the file, so that two copies of the
    // program storing at once leave the one or the other set whole, never a mix. The file is
    // read and written under a lock; other keys and sections stay as they were. Returns false
    // when nothing could be written (the file as it was stays whole).
    bool set(const QString& section, const QList<std::pair<QString, QString>>& values);
    bool set(const QString& section, const QString& key, const QString& value) { return set(section, {{key, value}}); }

    // Where the file lies.
    QString fileName() const;
    // A file larger than any settings file of ours is neither read nor written: every key
    // reads as its fallback, and set() keeps the file as it stands. Then this tells the user
    // why, in German; otherwise it is empty.
    QString tooLargeReason() const;

private:
    QString application;
};

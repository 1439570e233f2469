#pragma once
// The text of a settings file in the INI form that Qt's settings class reads and writes:
// "[Section]" lines, then "key=value" lines, keys and values escaped its way. Changing a few
// keys leaves every other line as it stands, byte for byte, so that what other versions of the
// program or the user wrote there is kept.

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

namespace initext {

// A key or section name as the INI text spells it ("Main Left" gives "Main%20Left").
QByteArray escapedKey(const QString& key);
// A text value as the INI text spells it: quoted where it holds ',' ';' '=' or blanks at its
// ends (an unquoted comma would make it a list), control characters escaped.
QByteArray escapedValue(const QString& value);

// The INI text with the keys of `section` set to the values: a key already there gets its
// new value in its own line, one that is missing is added at the end of the section, a missing
// section at the end of the text. Everything else stays as it was.
QByteArray withValues(const QByteArray& text, const QString& section,
                      const QList<std::pair<QString, QString>>& values);

} // namespace initext

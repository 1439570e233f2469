#pragma once
// The Windows-1252 code page, which the report file and RTF documents use.

#include <QByteArray>
#include <QString>

// The byte for a character, or 0 when code page 1252 has none for it.
unsigned char toCp1252(char16_t c);
char16_t fromCp1252(unsigned char byte);

// Characters without a code-page byte become '?'.
QByteArray encodeCp1252(const QString& text);
QString decodeCp1252(const QByteArray& bytes);

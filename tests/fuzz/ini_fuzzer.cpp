// libFuzzer target for the settings file's text: any bytes as the file, a section and keys
// with their values set in it. Built and run by tools/fuzz_ini.sh.
//
// The input is the file's text, then, after a NUL each, the section and pairs of key and value.

#include "platform/initext.h"

#include <QList>
#include <QString>

#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> parts = bytes.split('\0');
    const QByteArray& text = parts.front();
    const QString section = parts.size() > 1 ? QString::fromUtf8(parts[1]) : QStringLiteral("Main");
    QList<std::pair<QString, QString>> values;
    for (qsizetype i = 2; i < parts.size(); i += 2)
        values.append({QString::fromUtf8(parts[i]), i + 1 < parts.size() ? QString::fromUtf8(parts[i + 1]) : QString()});
    if (values.isEmpty())
        values.append({QStringLiteral("Left"), QStringLiteral("1234,5")});
    // What is looked for: crashes, undefined behaviour, hangs and unbounded memory.
    (void)initext::withValues(text, section, values);
    return 0;
}

#include "cli/json.h"

#include <charconv>

namespace {

QString quoted(const QString& text)
{
    QString q = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"': q += QStringLiteral("\\\""); break;
        case '\\': q += QStringLiteral("\\\\"); break;
        case '\n': q += QStringLiteral("\\n"); break;
        case '\r': q += QStringLiteral("\\r"); break;
        case '\t': q += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                q += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                q += c;
        }
    }
    return q + u'"';
}

template <typename T>
QString shortest(T value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

} // namespace

QString kuerzesteZahl(float value) { return shortest(value); }
QString kuerzesteZahl(double value) { return shortest(value); }

void JsonWriter::beforeValue()
{
    if (afterKey) {
        afterKey = false;
        return;
    }
    if (empty.empty())
        return;
    if (!empty.back())
        out += u',';
    empty.back() = false;
    out += u'\n' + QString(int(empty.size()) * 2, u' ');
}

void JsonWriter::open(QChar bracket)
{
    beforeValue();
    out += bracket;
    empty.push_back(true);
}

void JsonWriter::close(QChar bracket)
{
    const bool wasEmpty = empty.back();
    empty.pop_back();
    if (!wasEmpty)
        out += u'\n' + QString(int(empty.size()) * 2, u' ');
    out += bracket;
}

JsonWriter& JsonWriter::beginObject() { open(u'{'); return *this; }
JsonWriter& JsonWriter::endObject() { close(u'}'); return *this; }
JsonWriter& JsonWriter::beginArray() { open(u'['); return *this; }
JsonWriter& JsonWriter::endArray() { close(u']'); return *this; }

JsonWriter& JsonWriter::key(const QString& name)
{
    beforeValue();
    out += quoted(name) + QStringLiteral(": ");
    afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::value(const QString& text) { beforeValue(); out += quoted(text); return *this; }
JsonWriter& JsonWriter::value(float number) { beforeValue(); out += kuerzesteZahl(number); return *this; }
JsonWriter& JsonWriter::value(double number) { beforeValue(); out += kuerzesteZahl(number); return *this; }
JsonWriter& JsonWriter::value(int number) { beforeValue(); out += QString::number(number); return *this; }
JsonWriter& JsonWriter::value(bool flag) { beforeValue(); out += flag ? QStringLiteral("true") : QStringLiteral("false"); return *this; }
JsonWriter& JsonWriter::value(const std::optional<QString>& text) { return text ? value(*text) : null(); }
JsonWriter& JsonWriter::null() { beforeValue(); out += QStringLiteral("null"); return *this; }

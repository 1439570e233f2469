#pragma once
// A small JSON writer that keeps keys in the order they are written and writes
// single-precision values as their shortest round-trip decimals (a QJsonDocument would
// widen them to double and print 10.904930114746094 for 10.90493).

#include <QString>

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(const QString& name);

    JsonWriter& value(const QString& text);
    JsonWriter& value(const char* text) { return value(QString::fromUtf8(text)); }
    JsonWriter& value(float number);
    JsonWriter& value(double number);
    JsonWriter& value(int number);
    JsonWriter& value(bool flag);
    JsonWriter& value(const std::optional<QString>& text);
    JsonWriter& null();

    // Named members written one after the other into the open object, in the order given.
    template <typename T>
    JsonWriter& members(std::initializer_list<std::pair<const char*, T>> named)
    {
        for (const auto& [name, v] : named)
            key(QString::fromLatin1(name)).value(v);
        return *this;
    }

    // The document, ending in a line feed.
    QString text() const { return out + u'\n'; }

private:
    void beforeValue();
    void open(QChar bracket);
    void close(QChar bracket);

    QString out;
    std::vector<bool> empty;  // per open container: nothing written into it yet
    bool afterKey = false;
};

// Shortest decimal text that reads back to the same value.
QString kuerzesteZahl(float value);
QString kuerzesteZahl(double value);

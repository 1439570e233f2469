#include "platform/initext.h"

#include <algorithm>

namespace initext {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isHexDigit(char16_t c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isKeyCharacter(char16_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.';
}

// A key as Qt reads it: "\" separates groups, "%XX" and "%UXXXX" are characters.
QString unescapedKey(QByteArrayView bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QString key;
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == u'\\') {
            key += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i == text.size() - 1) {
            key += c;
            ++i;
            continue;
        }
        const bool wide = text[i + 1] == u'U';
        const qsizetype first = i + 1 + (wide ? 1 : 0);
        const qsizetype digits = wide ? 4 : 2;
        bool ok = false;
        const ushort code = first + digits <= text.size() ? QStringView(text).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            key += u'%';
            ++i;
            continue;
        }
        key += QChar(code);
        i = first + digits;
    }
    return key;
}

// One logical line of the text: a line may go on over line breaks inside double quotes or
// after a backslash; ";" outside quotes starts a comment.
struct Zeile {
    qsizetype anfang = 0, laenge = 0;
    qsizetype gleich = -1;  // position of the first "=" outside quotes
};

QList<Zeile> zeilen(const QByteArray& text)
{
    QList<Zeile> result;
    const qsizetype n = text.size();
    qsizetype pos = 0;
    while (pos < n) {
        qsizetype anfang = pos;
        while (anfang < n && isSpace(text[anfang]))
            ++anfang;
        if (anfang < n && text[anfang] == ';') {
            pos = anfang;
            while (pos < n && text[pos] != '\n' && text[pos] != '\r')
                ++pos;
            continue;
        }
        Zeile zeile{anfang, 0, -1};
        bool inQuotes = false;
        qsizetype i = anfang;
        while (i < n) {
            const char c = text[i];
            if ((c == '\n' || c == '\r' || c == ';') && !inQuotes)
                break;
            if (c == '=' && !inQuotes && zeile.gleich < 0)
                zeile.gleich = i;
            else if (c == '"')
                inQuotes = !inQuotes;
            else if (c == '\\' && i + 1 < n) {
                const char escaped = text[++i];
                if (i + 1 < n && ((escaped == '\n' && text[i + 1] == '\r') || (escaped == '\r' && text[i + 1] == '\n')))
                    ++i;
            }
            ++i;
        }
        zeile.laenge = i - anfang;
        if (zeile.laenge > 0)
            result << zeile;
        pos = i;
    }
    return result;
}

// The group a section line opens, as a key prefix: "General" holds the keys outside any group.
QString gruppe(QByteArrayView zeile)
{
    qsizetype ende = zeile.indexOf(']');
    if (ende < 0)
        ende = zeile.size();
    const QByteArrayView name = zeile.sliced(1, ende - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return {};
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QStringLiteral("General/");
    return unescapedKey(name) + u'/';
}

struct Aenderung {
    qsizetype pos, laenge;
    QByteArray neu;
};

} // namespace

QByteArray escapedKey(const QString& key)
{
    QByteArray out;
    for (const QChar c : key) {
        const char16_t u = c.unicode();
        if (u == '/')
            out += '\\';
        else if (isKeyCharacter(u))
            out += char(u);
        else if (u <= 0xFF)
            out += '%' + QByteArray::number(u, 16).toUpper().rightJustified(2, '0');
        else
            out += "%U" + QByteArray::number(u, 16).toUpper().rightJustified(4, '0');
    }
    return out;
}

QByteArray escapedValue(const QString& value)
{
    // A leading "@" would announce a typed value, a NUL needs the text form.
    QString text = value;
    if (text.contains(QChar(0)))
        text = QStringLiteral("@String(") + text + u')';
    else if (text.startsWith(u'@'))
        text.prepend(u'@');

    QByteArray out;
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;  // "\x1" followed by "1" would read as one character
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        if (escapeNextIfHexDigit && isHexDigit(c)) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeNextIfHexDigit = false;
        switch (c) {
        case 0: out += "\\0"; escapeNextIfHexDigit = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        default:
            if (c <= 0x1F) {
                out += "\\x" + QByteArray::number(c, 16);
                escapeNextIfHexDigit = true;
            } else if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                out += QStringView(text).sliced(i, 2).toUtf8();
                ++i;
            } else {
                out += QStringView(text).sliced(i, 1).toUtf8();
            }
        }
    }
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' '))
        out = '"' + out + '"';
    return out;
}

QByteArray withValues(const QByteArray& text, const QString& section,
                      const QList<std::pair<QString, QString>>& values)
{
    const QByteArray eol = text.contains("\r\n") ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    const QString prefix = section + u'/';
    QList<Aenderung> aenderungen;
    QList<bool> vorhanden(values.size(), false);
    QString aktuell;
    qsizetype einfuegen = -1;  // end of the last line of the first section of that name
    bool inAbschnitt = false;
    for (const Zeile& z : zeilen(text)) {
        const QByteArrayView zeile = QByteArrayView(text).sliced(z.anfang, z.laenge);
        if (zeile.startsWith('[')) {
            aktuell = gruppe(zeile);
            inAbschnitt = aktuell == prefix && einfuegen < 0;
            if (inAbschnitt)
                einfuegen = z.anfang + z.laenge;
            continue;
        }
        if (inAbschnitt)
            einfuegen = z.anfang + z.laenge;
        if (z.gleich < 0)
            continue;
        qsizetype keyEnde = z.gleich;
        while (keyEnde > z.anfang && (text[keyEnde - 1] == ' ' || text[keyEnde - 1] == '\t'))
            --keyEnde;
        const QString key = aktuell + unescapedKey(QByteArrayView(text).sliced(z.anfang, keyEnde - z.anfang));
        for (qsizetype v = 0; v < values.size(); ++v) {
            // Every line of the key gets the new value, however the key was spelt there.
            if (key == prefix + values[v].first) {
                aenderungen << Aenderung{z.gleich + 1, z.anfang + z.laenge - z.gleich - 1, escapedValue(values[v].second)};
                vorhanden[v] = true;
            }
        }
    }

    QByteArray neueZeilen;
    for (qsizetype v = 0; v < values.size(); ++v)
        if (!vorhanden[v])
            neueZeilen += escapedKey(values[v].first) + '=' + escapedValue(values[v].second) + eol;
    if (!neueZeilen.isEmpty()) {
        if (einfuegen >= 0) {
            neueZeilen.chop(eol.size());
            aenderungen << Aenderung{einfuegen, 0, eol + neueZeilen};
        } else {
            QByteArray anhang;
            if (!text.isEmpty() && !text.endsWith('\n') && !text.endsWith('\r'))
                anhang += eol;
            if (!text.trimmed().isEmpty())
                anhang += eol;
            // A group named "General" is spelt apart from the keys outside any group.
            const QByteArray name = section == QStringLiteral("General") ? QByteArrayLiteral("%General") : escapedKey(section);
            anhang += '[' + name + ']' + eol + neueZeilen;
            aenderungen << Aenderung{text.size(), 0, anhang};
        }
    }

    // From the back, so that the positions in front stay valid.
    std::stable_sort(aenderungen.begin(), aenderungen.end(), [](const Aenderung& a, const Aenderung& b) { return a.pos > b.pos; });
    QByteArray result = text;
    for (const Aenderung& a : aenderungen)
        result.replace(a.pos, a.laenge, a.neu);
    return result;
}

} // namespace initext

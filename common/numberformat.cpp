#include "common/numberformat.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <string>

namespace {

// One section of a pattern: literal text around the digit placeholders.
struct Section {
    QStringView prefix;
    QStringView suffix;
    int minInteger = 0;   // "0" left of the point
    int minDecimals = 0;  // "0" right of the point
    int maxDecimals = 0;  // "0" and "#" right of the point
    bool hasPoint = false;
};

Section parseSection(QStringView text)
{
    Section s;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto placeholder = [](QChar c) { return c == u'0' || c == u'#' || c == u'.'; };
    while (i < n && !placeholder(text[i]))
        ++i;
    s.prefix = text.left(i);
    for (; i < n && (text[i] == u'0' || text[i] == u'#'); ++i)
        if (text[i] == u'0')
            ++s.minInteger;
    if (i < n && text[i] == u'.') {
        s.hasPoint = true;
        for (++i; i < n && (text[i] == u'0' || text[i] == u'#'); ++i) {
            ++s.maxDecimals;
            if (text[i] == u'0')
                s.minDecimals = s.maxDecimals;
        }
    }
    s.suffix = text.mid(i);
    return s;
}

// The decimal digits of |value| in fixed notation, split at the point.
struct Digits {
    std::string whole;
    std::string fraction;
};

// Significant digits and the power of ten of the first one: 0.0125 is {"125", -2}.
struct Scientific {
    char digits[24];
    int count = 0;
    int exponent = 0;
};

// The shortest decimal that reads back as the same value; with `significant` the value
// rounded to that many digits instead.
template <typename T>
Scientific scientificDigits(T value, int significant = 0)
{
    char buffer[64];
    const auto result = significant > 0
        ? std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, significant - 1)
        : std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    Scientific s;
    const char* p = buffer;
    for (; p < result.ptr && *p != 'e'; ++p)
        if (*p != '.')
            s.digits[s.count++] = *p;
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), result.ptr, exponent);
    s.exponent = exponent;
    while (s.count > 1 && s.digits[s.count - 1] == '0')
        --s.count;
    return s;
}

Digits fixedDigits(const Scientific& s)
{
    Digits d;
    if (s.exponent >= 0) {
        const int wholeLength = s.exponent + 1;
        d.whole.assign(s.digits, std::min(s.count, wholeLength));
        d.whole.resize(wholeLength, '0');
        if (s.count > wholeLength)
            d.fraction.assign(s.digits + wholeLength, s.count - wholeLength);
    } else {
        d.whole.assign(1, '0');
        d.fraction.assign(static_cast<std::size_t>(-s.exponent - 1), '0');
        d.fraction.append(s.digits, s.count);
    }
    return d;
}

// Adds one unit in the last place of a digit string; returns false when it carried out of it.
bool increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return true;
        }
        *it = '0';
    }
    return false;
}

void appendDigits(QString& out, Digits d, bool negative, QStringView pattern, const QString& decimal)
{
    const qsizetype split = pattern.indexOf(u';');
    Section section;
    if (negative && split >= 0) {
        section = parseSection(pattern.mid(split + 1));
        negative = false;  // the negative section writes its own sign
    } else {
        section = parseSection(split >= 0 ? pattern.left(split) : pattern);
    }

    const std::size_t maxDecimals = section.hasPoint ? section.maxDecimals : 0;
    if (d.fraction.size() > maxDecimals) {
        const bool roundUp = d.fraction[maxDecimals] >= '5';
        d.fraction.resize(maxDecimals);
        if (roundUp && !increment(d.fraction) && !increment(d.whole))
            d.whole.insert(d.whole.begin(), '1');
    }
    std::size_t fractionLength = d.fraction.size();
    while (fractionLength > std::size_t(section.minDecimals) && d.fraction[fractionLength - 1] == '0')
        --fractionLength;
    d.fraction.resize(std::max(fractionLength, std::size_t(section.minDecimals)), '0');

    const auto firstSignificant = d.whole.find_first_not_of('0');
    const std::size_t wholeStart = firstSignificant == std::string::npos ? d.whole.size() : firstSignificant;
    const std::size_t wholeLength = d.whole.size() - wholeStart;
    const std::size_t padding = wholeLength < std::size_t(section.minInteger) ? section.minInteger - wholeLength : 0;

    // A value that rounds to zero shows no minus sign.
    const bool zero = wholeLength == 0 && d.fraction.find_first_not_of('0') == std::string::npos;

    out.reserve(out.size() + section.prefix.size() + 1 + padding + wholeLength + decimal.size() + d.fraction.size()
                + section.suffix.size());
    out += section.prefix;
    if (negative && !zero)
        out += u'-';
    for (std::size_t i = 0; i < padding; ++i)
        out += u'0';
    out += QLatin1StringView(d.whole.data() + wholeStart, qsizetype(wholeLength));
    if (!d.fraction.empty()) {
        out += decimal;
        out += QLatin1StringView(d.fraction.data(), qsizetype(d.fraction.size()));
    }
    out += section.suffix;
}

template <typename T>
void appendPattern(QString& out, T value, QStringView pattern, const QString& decimal)
{
    if (!std::isfinite(value)) {
        out += QStringLiteral("Fehler");
        return;
    }
    Digits digits;
    if (value == 0)
        digits.whole.assign(1, '0');
    else
        digits = fixedDigits(scientificDigits(value));
    appendDigits(out, std::move(digits), std::signbit(value) && value != 0, pattern, decimal);
}

template <typename T>
QString formatPattern(T value, QStringView pattern, const QString& decimal)
{
    QString out;
    appendPattern(out, value, pattern, decimal);
    return out;
}

// The general format with at most `significant` digits.
template <typename T>
QString generalFormat(T value, int significant, const QString& decimal)
{
    if (!std::isfinite(value))
        return QStringLiteral("Fehler");
    if (value == 0)
        return QStringLiteral("0");
    Scientific sci = scientificDigits(value);
    if (sci.count > significant)
        sci = scientificDigits(value, significant);

    QString out = value < 0 ? QStringLiteral("-") : QString();
    if (sci.exponent >= significant || sci.exponent < -5) {
        out += QChar(sci.digits[0]);
        if (sci.count > 1)
            out += decimal + QLatin1StringView(sci.digits + 1, sci.count - 1);
        out += sci.exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        out += QStringLiteral("%1").arg(std::abs(sci.exponent), 2, 10, QLatin1Char('0'));
        return out;
    }
    const Digits d = fixedDigits(sci);
    out += QLatin1StringView(d.whole.data(), qsizetype(d.whole.size()));
    if (!d.fraction.empty())
        out += decimal + QLatin1StringView(d.fraction.data(), qsizetype(d.fraction.size()));
    return out;
}

} // namespace

QString localeDecimal() { return QLocale().decimalPoint(); }

QString formatSingle(float value, QStringView pattern, const QString& decimal)
{
    return formatPattern(value, pattern, decimal);
}

QString formatDouble(double value, QStringView pattern, const QString& decimal)
{
    return formatPattern(value, pattern, decimal);
}

void appendSingle(QString& out, float value, QStringView pattern, const QString& decimal)
{
    appendPattern(out, value, pattern, decimal);
}

QString generalSingle(float value, const QString& decimal) { return generalFormat(value, 7, decimal); }
QString generalDouble(double value, const QString& decimal) { return generalFormat(value, 15, decimal); }

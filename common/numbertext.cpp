#include "common/numbertext.h"

#include "common/failure.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <string>
#include <string_view>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The longest leading number of a text with the blanks already removed, in the form
// from_chars reads: "-12.5e3". Empty when there is no number.
std::string leadingNumber(std::string_view s)
{
    std::string out;
    std::size_t i = 0;
    const std::size_t n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-')
            out += '-';
        ++i;
    }
    bool digits = false;
    while (i < n && isDigit(s[i])) { out += s[i++]; digits = true; }
    if (i < n && s[i] == '.') {
        out += '.';
        ++i;
        while (i < n && isDigit(s[i])) { out += s[i++]; digits = true; }
    }
    if (!digits)
        return {};
    // An exponent letter counts only when a digit follows (after an optional sign).
    if (i < n && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < n && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        if (j < n && isDigit(s[j])) {
            while (j < n && isDigit(s[j]))
                exponent += s[j++];
            out += exponent;
        }
    }
    return out;
}

// The power of ten of the first significant digit of a number read by leadingNumber
// (12.5e3 gives 4, 0.003 gives -3); tells a number too large from one too small.
long long decimalExponent(const std::string& number)
{
    long long exponent = 0;
    const auto e = number.find('e');
    if (e != std::string::npos) {
        // Beyond a few thousand the exact exponent no longer matters.
        const std::string digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits[0] == '-';
        for (char c : digits) {
            if (c >= '0' && c <= '9')
                exponent = std::min(exponent * 10 + (c - '0'), 1000000LL);
        }
        if (negative)
            exponent = -exponent;
    }
    const std::string mantissa = number.substr(0, e);
    const auto point = mantissa.find('.');
    const std::string whole = mantissa.substr(0, point);
    const auto firstNonZero = whole.find_first_not_of("-0");
    if (firstNonZero != std::string::npos)
        return exponent + static_cast<long long>(whole.size() - firstNonZero) - 1;
    if (point == std::string::npos)
        return -1000000;
    const std::string fraction = mantissa.substr(point + 1);
    const auto firstFraction = fraction.find_first_not_of('0');
    if (firstFraction == std::string::npos)
        return -1000000;
    return exponent - static_cast<long long>(firstFraction) - 1;
}


// The leading number of a field text in the form from_chars reads: blanks left out, the first
// comma as the point, ended by the first character no number can hold.
std::string zahlTeil(const QString& text)
{
    std::string s;
    bool commaReplaced = false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ' || u == u'\t' || u == u'\n')
            continue;
        if (u == u',' && !commaReplaced) {
            s += '.';
            commaReplaced = true;
            continue;
        }
        const bool numeric = (u >= u'0' && u <= u'9') || u == u'.' || u == u'+' || u == u'-' || u == u'e'
                             || u == u'E' || u == u'd' || u == u'D';
        if (!numeric)
            break;
        s += char(u);
    }
    return leadingNumber(s);
}
} // namespace

bool BeginntMitZahl(const QString& text) { return !zahlTeil(text).empty(); }

float ZahlAusText(const QString& text)
{
    const std::string number = zahlTeil(text);
    if (number.empty() || number == "-")
        return 0.0f;

    float value = 0.0f;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Out of the single range: too large overflows, too small is 0.
        if (decimalExponent(number) >= 0)
            throw failures::overflow();
        return number[0] == '-' ? -0.0f : 0.0f;
    }
    if (error != std::errc())
        return 0.0f;
    return value;
}

bool TasteErlaubt(int keyCode, QString allowed)
{
    allowed += QChar(8);
    return keyCode > 0 && keyCode <= 0xFFFF && allowed.contains(QChar(char16_t(keyCode)));
}

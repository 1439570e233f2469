#pragma once
// Turning numbers into text: format patterns such as "##0.0##" and the general format
// used where a field is filled without a pattern.

#include <QString>
#include <QStringView>

// The decimal separator of the user's locale (the default QLocale).
QString localeDecimal();

// Formats with a pattern: "0" a digit always shown, "#" a digit shown only when significant,
// "." the decimal separator `decimal`; digits left of the separator are never grouped and
// never cut. Other characters are literals. "pos;neg" gives negative values their own section,
// which then shows the absolute value. Rounding is half away from zero on the decimal digits:
// a single-precision value is first taken as its shortest round-trip decimal, so 0.125f and
// 2.675f round the way they read, not the way their binary value lies.
QString formatSingle(float value, QStringView pattern, const QString& decimal);
QString formatDouble(double value, QStringView pattern, const QString& decimal);
// The same, appended to a text.
void appendSingle(QString& out, float value, QStringView pattern, const QString& decimal);

// The general format: shortest text, at most 7 significant digits for single and 15 for
// double precision, no trailing zeros, no grouping; exponent form only for very large or
// very small magnitudes.
QString generalSingle(float value, const QString& decimal);
QString generalDouble(double value, const QString& decimal);

// Convenience for forms: the same with the locale's separator.
inline QString fmt(float value, QStringView pattern) { return formatSingle(value, pattern, localeDecimal()); }
inline QString fmtD(double value, QStringView pattern) { return formatDouble(value, pattern, localeDecimal()); }
inline QString general(float value) { return generalSingle(value, localeDecimal()); }

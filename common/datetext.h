#pragma once
// Dates as the user's locale writes them, always with a four-digit year.

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

// Short date form of the locale (for German settings dd.MM.yyyy).
QString kurzesDatum(const QDate& date, const QLocale& locale = QLocale());
// Short date, a blank and the time with seconds.
QString allgemeinesDatum(const QDateTime& when, const QLocale& locale = QLocale());

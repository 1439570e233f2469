#include "common/datetext.h"

namespace {
// Qt's short formats write two-digit years; the program always shows four.
QString withFullYear(QString format)
{
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}
} // namespace

QString kurzesDatum(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, withFullYear(locale.dateFormat(QLocale::ShortFormat)));
}

QString allgemeinesDatum(const QDateTime& when, const QLocale& locale)
{
    return kurzesDatum(when.date(), locale) + u' ' + locale.toString(when.time(), QStringLiteral("HH:mm:ss"));
}

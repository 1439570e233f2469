#pragma once
#include <QLocale>

// Every test runs with German settings: decimal comma, dd.MM.yyyy dates.
inline void useGermanLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

#include "calculators/messungtext.h"

#include <QLocale>

#include <cmath>

namespace {
// The locale's decimal separator without thousands separators: "1296,1000" reads back as a
// number in the measured-frequency field, "1.296,1000" would not.
QLocale zahlen()
{
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}
} // namespace

QString mhzText(double hz) { return zahlen().toString(hz / 1e6, 'f', 4); }

QString mhzKurz(double hz) { return zahlen().toString(hz / 1e6, 'f', 3) + QStringLiteral(" MHz"); }

QString khzText(double hz) { return zahlen().toString(hz / 1e3, 'f', 0) + QStringLiteral(" kHz"); }

QString swrText(double swr) { return std::isfinite(swr) ? zahlen().toString(swr, 'f', 2) : QStringLiteral("unendlich"); }

QString impedanzText(std::complex<double> z)
{
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag()))
        return QStringLiteral("unendlich");
    const QLocale l = zahlen();
    const double x = std::round(z.imag() * 10) / 10;
    return QStringLiteral("%1 %2 j%3 Ω").arg(l.toString(z.real(), 'f', 1), x < 0 ? QStringLiteral("−") : QStringLiteral("+"),
                                             l.toString(std::abs(x), 'f', 1));
}

QString bandbreiteText(const Resonanz& r)
{
    if (!r.bandbreite)
        return ohneBandbreiteText(r);
    const QLocale l = zahlen();
    return QStringLiteral("%1 (%2 bis %3 MHz)")
        .arg(khzText(r.bandbreite->breite()), l.toString(r.bandbreite->unten / 1e6, 'f', 3), l.toString(r.bandbreite->oben / 1e6, 'f', 3));
}

QString diagrammBeschreibung(const Resonanz& r, std::optional<double> sollHz)
{
    QString text = QStringLiteral("SWR über der Frequenz. Resonanz %1 (%2), SWR dort %3. SWR-Minimum %4 bei %5. 2:1-Bandbreite %6.")
                       .arg(mhzKurz(r.frequenz), regelText(r.regel), swrText(r.swr), swrText(r.swrMinimum),
                            mhzKurz(r.swrMinimumFrequenz), bandbreiteText(r));
    if (sollHz)
        text += QStringLiteral(" Soll-Resonanz %1.").arg(mhzKurz(*sollHz));
    return text;
}

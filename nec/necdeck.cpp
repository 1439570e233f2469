#include "nec/necdeck.h"

#include <QString>

namespace {
// Ten significant digits: the engine reads doubles, and a length search needs more than the
// six digits its own listing prints.
QString zahl(double wert) { return QString::number(wert, 'e', 9); }
} // namespace

QByteArray necKarten(const NecDipol& d)
{
    const QString n = QString::number(d.segmente);
    QString karten = QStringLiteral("CM Zentavik Isoliermodell\nCE\n");
    karten += QStringLiteral("GW 1 %1 0 0 %2 0 0 %3 %4\n").arg(n, zahl(-d.laenge / 2), zahl(d.laenge / 2), zahl(d.radius));
    karten += QStringLiteral("GE 0\n");
    if (d.henryProMeter > 0)
        karten += QStringLiteral("LD 2 1 1 %1 0 %2 0\n").arg(n, zahl(d.henryProMeter));
    karten += QStringLiteral("EX 0 1 %1 0 1 0\n").arg(d.segmente / 2 + 1);
    karten += QStringLiteral("FR 0 1 0 0 %1 0\n").arg(zahl(d.mhz));
    karten += QStringLiteral("XQ\nEN\n");
    return karten.toLatin1();
}

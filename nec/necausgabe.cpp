#include "nec/necausgabe.h"

#include <QList>
#include <QString>

#include <cmath>

namespace {

[[noreturn]] void unbrauchbar(const QString& grund)
{
    throw Failure(NecFehler::Ausgabe, QStringLiteral("Die Ausgabe des Rechenprogramms nec2c ist unbrauchbar: %1.").arg(grund));
}

} // namespace

NecImpedanz necImpedanz(const QByteArray& ausgabe)
{
    const QList<QByteArray> zeilen = ausgabe.split('\n');
    qsizetype i = 0;
    while (i < zeilen.size() && !zeilen[i].contains("ANTENNA INPUT PARAMETERS"))
        ++i;
    if (i == zeilen.size())
        unbrauchbar(QStringLiteral("sie enthält keine Tabelle der Eingangsimpedanz"));
    // Two header lines, then the source's line: tag, segment, voltage, current, impedance,
    // admittance (each real and imaginary) and power.
    i += 3;
    QList<QByteArray> felder;
    while (i < zeilen.size() && (felder = zeilen[i].simplified().split(' ')).size() == 1 && felder[0].isEmpty())
        ++i;
    if (i >= zeilen.size() || felder.size() != 11)
        unbrauchbar(QStringLiteral("die Zeile der Eingangsimpedanz fehlt oder ist unvollständig"));
    double werte[11];
    for (int k = 0; k < 11; ++k) {
        bool ok = false;
        werte[k] = felder[k].toDouble(&ok);
        if (!ok || !std::isfinite(werte[k]))
            unbrauchbar(QStringLiteral("\"%1\" in der Zeile der Eingangsimpedanz ist keine Zahl").arg(QString::fromLatin1(felder[k].left(20))));
    }
    // A listing cut short may still hold the table; only a run that reached its end counts.
    bool ende = false;
    for (qsizetype k = i + 1; k < zeilen.size() && !ende; ++k)
        ende = zeilen[k].contains("TOTAL RUN TIME");
    if (!ende)
        unbrauchbar(QStringLiteral("sie bricht vor dem Ende der Rechnung ab"));
    return {werte[6], werte[7]};
}

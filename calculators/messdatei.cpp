#include "calculators/messdatei.h"

#include "common/failure.h"
#include "viewer/dateilesen.h"

QByteArray leseMessdatei(const QString& pfad, qint64 grenze)
{
    try {
        return dateiLesen(pfad, grenze,
                          {QStringLiteral("Eine Messdatei darf höchstens %1 groß sein."),
                           QStringLiteral("Als Messung wird nur eine gewöhnliche Datei gelesen.")});
    } catch (const Failure& f) {
        // One message in two lines; the command line joins them.
        throw MessungFehler{0, f.description, true};
    }
}

Messung ladeMessung(const QString& pfad) { return leseTouchstone(leseMessdatei(pfad)); }

#include "calculators/messdatei.h"

#include "common/failure.h"
#include "platform/dateilesen.h"

QByteArray leseMessdatei(const QString& pfad, qint64 grenze)
{
    try {
        return dateiLesen(pfad, grenze);
    } catch (const Failure& f) {
        // The reason names the file, in two lines; the command line joins them.
        throw MessungFehler{0, f.description, true};
    }
}

Messung ladeMessung(const QString& pfad) { return leseTouchstone(leseMessdatei(pfad)); }

// libFuzzer target for the sweep reader: any bytes are a sweep with its resonance or a message
// with its line. Built and run by tools/fuzz_messung.sh.

#include "calculators/resonanz.h"
#include "calculators/touchstone.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const Messung m = leseTouchstone(bytes);
        const Resonanz r = findeResonanz(m);
        // A resonance lies inside its sweep of at least a hertz below the highest frequency read,
        // with a resistance above 0, and the sweep's frequencies rise.
        if (!(r.frequenz >= m.punkte.front().frequenz && r.frequenz <= m.punkte.back().frequenz))
            std::abort();
        if (!(m.punkte.back().frequenz - m.punkte.front().frequenz >= MessSpanneMindestens) || !(m.punkte.back().frequenz <= MessFrequenzHoechstens))
            std::abort();
        if (r.regel == ResonanzRegel::Nulldurchgang && !(r.impedanz.real() > 0))
            std::abort();
        for (size_t i = 1; i < m.punkte.size(); ++i)
            if (!(m.punkte[i].frequenz > m.punkte[i - 1].frequenz))
                std::abort();
    } catch (const MessungFehler& f) {
        if (f.text.isEmpty() || f.zeile < 0 || f.zeile > bytes.count('\n') + bytes.count('\r') + 1)
            std::abort();
    }
    return 0;
}

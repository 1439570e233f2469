#include "beam/bands.h"

#include "common/numberformat.h"

#include <cmath>

namespace {

struct BandFrequencies {
    int firstIndex, lastIndex;  // whole MHz that belong to the band
    float cw, ssb, middle;
};

constexpr BandFrequencies frequencyTable[] = {
    {2, 2, 1.82f, 1.86f, 1.857f},
    {3, 4, 3.5f, 3.7f, 3.65f},
    {6, 7, 7.02f, 7.12f, 7.1f},
    {10, 10, 10.1f, 10.13f, 10.125f},
    {14, 14, 14.0f, 14.25f, 14.2f},
    {18, 18, 18.068f, 18.13f, 18.118f},
    {21, 21, 21.0f, 21.25f, 21.225f},
    {24, 25, 24.89f, 24.95f, 24.94f},
    {28, 30, 28.0f, 28.6f, 28.5f},
    {50, 50, 50.09f, 50.15f, 50.5f},
};

struct BandLimits {
    float from, to;
    int button;
    const char16_t* text;
};

// Tested top to bottom; the bounds are single-precision values.
constexpr BandLimits bandTable[] = {
    {50.0f, 52.0f, 9, u"50"},
    {28.0f, 29.7f, 8, u"28"},
    {24.89f, 24.99f, 7, u"24"},
    {21.0f, 21.45f, 6, u"21"},
    {18.068f, 18.168f, 5, u"18"},
    {14.0f, 14.35f, 4, u"14"},
    {10.1f, 10.15f, 3, u"10"},
    {7.0f, 7.2f, 2, u" 7"},
    {3.5f, 3.8f, 1, u"3,5"},
    {1.81f, 2.0f, 0, u"1,8"},
};

} // namespace

float BandFrequenz(int range, float frequency)
{
    // A frequency too large for the 16-bit index has no band.
    if (!(std::fabs(frequency) < 32767.5f))
        return frequency;
    const int index = static_cast<int>(std::nearbyint(frequency));
    for (const auto& band : frequencyTable) {
        if (index < band.firstIndex || index > band.lastIndex)
            continue;
        const float r = range == 1 ? band.cw : range == 2 ? band.ssb : band.middle;
        return r != 0 ? r : frequency;
    }
    return frequency;
}

BandRow bandFuer(float f)
{
    for (const auto& band : bandTable) {
        if (f >= band.from && f <= band.to)
            return {band.button, QString::fromUtf16(band.text)};
    }
    return {AndereBand, QString()};
}

std::optional<QString> bandFrequenzText(int range, float fb, const QString& decimal)
{
    const float r = BandFrequenz(range, fb);
    if (!(r > 0))
        return std::nullopt;
    return formatSingle(r, u"##0.0##", decimal);
}

#include "beam/eingaben.h"

#include "common/failure.h"
#include "common/numberformat.h"
#include "common/numbertext.h"

#include <cmath>

VkPruefung pruefeVk(std::optional<float> v)
{
    if (v && *v > 0 && *v < 1)
        return VkPruefung::Gueltig;
    if (v && *v == 1)
        return VkPruefung::Eins;
    return VkPruefung::Ungueltig;
}

std::optional<QString> aussenFuerLeiter(float dL, float dA, const QString& decimal)
{
    const float minimum = float(double(dL) + 0.1);
    if (std::isfinite(minimum) && minimum > dA)
        return formatSingle(minimum, u"#0.0#", decimal);
    return std::nullopt;
}

std::optional<float> liesFeld(const QString& text)
{
    try {
        return ZahlAusText(text);
    } catch (const Failure&) {
        return std::nullopt;
    }
}

#include "doc/hilfezahlen.h"

#include "beam/eingaben.h"
#include "common/numberformat.h"
#include "vf/vkcalculation.h"

// The figures of the windows' own rules that the chapters on the calculator and the beam
// form name: start heights, the factor's step and its stand-in value.
HilfeZahlen formularZahlen()
{
    const QString komma = QStringLiteral(",");
    const QString hochAb = formatSingle(VkNiedrigAbMHz, u"0", komma);
    return {
        {QStringLiteral("vk_hoehe_start"), VkStartHoehe(QStringLiteral("1"), komma)},
        {QStringLiteral("vk_hoehe_hoch_ab"), hochAb},
        {QStringLiteral("vk_hoehe_hoch"), VkStartHoehe(hochAb, komma)},
        {QStringLiteral("vk_schritt"), formatDouble(1.0 / VkStellerSchritte, u"0.000", komma)},
        {QStringLiteral("vk_typisch"), VkErsatz},
    };
}

#include "beam/insulation.h"

#include "common/checkedmath.h"
#include "common/numberformat.h"

QStringList isolierMaterialien(const QString& decimal)
{
    struct Material {
        double er;
        const char16_t* pattern;
        const char16_t* name;
    };
    // Names begin with blanks so that they line up after numbers of different lengths.
    static constexpr Material materials[] = {
        {1.0, u"#0.0#", u"   Vakuum"},        {1.00059, u"#0.0####", u" Luft"},
        {2, u"#0.0#", u"   Papier"},          {2.2, u"#0.0#", u"   PTFE GY"},
        {2.3, u"#0.0#", u"   Polyethylen PE"}, {2.35, u"#0.0#", u" Öl"},
        {2.48, u"#0.0#", u" PTFE GX"},        {2.6, u"#0.0#", u"   Polystyrol"},
        {2.7, u"#0.0#", u"   Gummi"},         {2.8, u"#0.0#", u"   Silikon SIR"},
        {3.2, u"#0.0#", u"   Holz"},          {3.5, u"#0.0#", u"   Plexiglas"},
        {3.7, u"#0.0#", u"   Polyamid PA"},   {4, u"#0.0#", u"   PVC"},
        {4.5, u"#0.0#", u"   Epoxyd FR4"},    {4.5, u"#0.0#", u"   Cevausit"},
        {5, u"#0.0#", u"   Pertinax"},        {5, u"#0.0#", u"   Igelit"},
        {5, u"#0.0#", u"   Vinidur"},         {5.5, u"#0.0#", u"   Porzellan"},
        {6, u"#0.0#", u"   Glas"},            {6.15, u"#0.0#", u" PTFE 3006"},
        {6.5, u"#0.0#", u"   Calit"},         {7, u"#0.0#", u"   Glimmer"},
    };
    QStringList list{QStringLiteral("        ")};
    for (const auto& m : materials)
        list << formatDouble(m.er, QStringView(m.pattern), decimal) + QString::fromUtf16(m.name);
    return list;
}

QString isolierModellName(IsolierModell modell)
{
    return modell == IsolierModell::Vollwelle ? QStringLiteral("Vollwelle (NEC-2)") : QStringLiteral("Formel");
}

QString isolierModellWort(IsolierModell modell)
{
    return modell == IsolierModell::Vollwelle ? QStringLiteral("vollwelle") : QStringLiteral("formel");
}

double IsolierKorrektur(float Er, float dA, float dL, float VF)
{
    const double c = checked::div(1.0, checked::sqrt(Er));
    const double L1 = checked::ln(double(dL) * 1000);
    double t = double(dA) - dL;
    if (t < 0.001)
        t = 0.001;
    const double L2 = checked::ln(t * 1000);
    // 1623.3333 as the formula was published, not 1623 1/3.
    return checked::finite(checked::div(L1 * L2, double(VF) * 1623.3333) * (1 - c));
}

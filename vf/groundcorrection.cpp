#include "vf/groundcorrection.h"

#include "common/checkedmath.h"
#include "common/numbertext.h"
#include "common/steprunner.h"

#include <cmath>

namespace {
constexpr double Pi15 = 3.14159265358979;  // the 15-digit value the formulas were fitted with
}

float SchlankheitsVerkuerzung(float f, float d)
{
    const double lambda = checked::div(300.0f, f);
    const double r = checked::div(lambda, checked::div(d, 1000.0f));
    return checked::single(checked::div(27.182818286, checked::ln(r)));
}

float ErdbodenVerkuerzung(float f, float h, bool corr)
{
    const double K = corr ? 2.1 : 2.0;
    float x = 0;
    double u = 0, a = 0, b = 0, c = 0, z = 0;
    float g = 0;
    runSkippingFailures({
        [&] { x = checked::single(checked::div(h, checked::div(300.0f, f))); },
        [&] { u = checked::div(checked::finite(1.9 * Pi15 * x), std::sqrt(2.0)); },
        [&] { a = checked::div(std::sin(3.46 * u), u); },
        [&] { b = checked::div(std::cos(Pi15 * u), checked::finite(2.0 * u * u)); },
        [&] { c = checked::div(std::sin(K * u), checked::finite(4.0 * u * u * u)); },
        [&] { z = checked::finite(a + b - c); },
        [&] { g = checked::single(std::fabs(checked::finite(4.6 - 3.45 * z))); },
        // Above 10 % the shortening grows only with the logarithm (2.302585 is ln 10).
        [&] { if (g > 10) g = checked::single((10 - 2.302585) + checked::ln(g)); },
    });
    return x > 0 ? g : 0.0f;
}

float ErdbodenKorrektur(float f, float d, float p, VkRechnerZustand* rechner)
{
    if (!rechner || rechner->tag() != QStringLiteral("Aktiv"))
        return p;
    const bool corr = rechner->erdbodenKorrektur();
    const float h = ZahlAusText(rechner->hoeheText());
    const float dd = d != 0 ? d : ZahlAusText(rechner->durchmesserText());
    const float g = ErdbodenVerkuerzung(f, h, corr);
    const float s = SchlankheitsVerkuerzung(f, dd);
    const float v = checked::single(checked::finite((100.0 - g) * (100.0 - s)) / 10000.0f);
    const float q = checked::single((1.0 - v) * 100.0);
    const float t = checked::single(checked::finite((checked::div(f, 150.0f) - checked::div(f, 163.0f)) * 0.5 * 100.0));
    return checked::single(double(q) - t);
}

#include "common/dipolabstand.h"

#include "common/checkedmath.h"
#include "common/steprunner.h"

#include <cmath>

double Log10(double x)
{
    return checked::ln(x) / std::log(10.0);
}

float DipolAbstand(float Z, float /*fE*/, float fZ, float dE, float dZ, float /*sZ*/, double zusatzVerkuerzung)
{
    float L2 = 0;
    double x2 = 0;
    float result = 0;
    runSkippingFailures({
        // The wavelength is stored in single precision here, unlike the first estimate's.
        [&] { L2 = checked::single(checked::div(300.0f, fZ) * (1.0 - 2.0 * zusatzVerkuerzung)); },
        // The driven dipole's diameter counts 1.27 times, the additional one's 1/1.27.
        [&] { x2 = checked::div(checked::finite((double(dE) * 1.27 + double(dZ) / 1.27) / 8000.0), L2); },
        [&] {
            result = checked::single(checked::finite(std::pow(10.0, 0.54 * Log10(x2))) * (double(Z) / 72.0) * L2 * 1000.0);
        },
    });
    return result;
}

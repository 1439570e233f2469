#pragma once
// Arithmetic that reports its faults as failures instead of producing inf or nan:
// division by zero, overflow (also when a result is stored in single precision) and
// arguments outside a function's domain.

#include "common/failure.h"

#include <cmath>
#include <cstdint>

namespace checked {

// A double-precision intermediate result; inf or nan means the operation overflowed.
inline double finite(double x)
{
    if (!std::isfinite(x))
        throw failures::overflow();
    return x;
}

inline double div(double a, double b)
{
    if (b == 0.0)
        throw failures::divisionByZero();
    return finite(a / b);
}

inline double ln(double x)
{
    if (!(x > 0.0))
        throw failures::invalidArgument();
    return std::log(x);
}

inline double sqrt(double x)
{
    if (!(x >= 0.0))
        throw failures::invalidArgument();
    return std::sqrt(x);
}

// Stores a value in single precision: a value beyond the single range overflows.
inline float single(double x)
{
    const float s = static_cast<float>(finite(x));
    if (std::isinf(s))
        throw failures::overflow();
    return s;
}

// Nearest integer, halves to the even neighbour.
inline double nearest(double x) { return std::nearbyint(finite(x)); }

// Conversion to a 16-bit integer (halves to even) as the forms store spinner positions and widths.
inline int16_t int16(double x)
{
    const double r = nearest(x);
    if (r < -32768.0 || r > 32767.0)
        throw failures::overflow();
    return static_cast<int16_t>(r);
}

} // namespace checked

#pragma once
// How the beam form reads its own fields.

#include "common/failure.h"
#include "common/numbertext.h"

#include <QString>

#include <optional>

namespace hauptform {

// Reads a field; a number beyond single precision gives nothing instead of a failure.
inline std::optional<float> lies(const QString& text)
{
    try {
        return ZahlAusText(text);
    } catch (const Failure&) {
        return std::nullopt;
    }
}

} // namespace hauptform

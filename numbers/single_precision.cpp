#include "numbers/single_precision.h"

#include <cfloat>
#include <cmath>

namespace acpower {

std::optional<float> NarrowToSingle(double value)
{
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double magnitude = std::fabs(value);
    if (magnitude <= FLT_MAX) {
        return static_cast<float>(value);
    }
    // Above FLT_MAX a value still rounds down to it until the midpoint between
    // FLT_MAX and 2^128; the midpoint itself ties to the even neighbour, which
    // is infinity.
    constexpr double overflowMidpoint = static_cast<double>(FLT_MAX) + 0x1p103;
    if (magnitude < overflowMidpoint) {
        return std::copysign(FLT_MAX, static_cast<float>(value > 0.0 ? 1.0F : -1.0F));
    }
    return std::nullopt;
}

}  // namespace acpower

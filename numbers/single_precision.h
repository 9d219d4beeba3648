#pragma once

#include <optional>

namespace acpower {

// Rounds a double to the nearest single-precision value, or gives nothing when
// the value is not finite or its rounding overflows. Converting such a double
// with a cast is undefined behaviour, so every narrowing in the engine goes
// through here.
std::optional<float> NarrowToSingle(double value);

}  // namespace acpower

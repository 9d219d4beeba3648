#pragma once

#include "core/calculator_state.h"

#include <string>

namespace acpower {

// Why the power box is blank, in one line: the first side of the volume that
// is missing or not positive, or that a value is beyond what single
// precision holds. Read from the state alone, so that every window and the
// account give the same reason.
std::u16string BlankPowerReason(const CalculatorState& state);

}  // namespace acpower

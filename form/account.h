#pragma once

#include "core/calculator.h"

#include <string>

namespace acpower::form {

// The whole calculation as plain text, to hand to someone else: the title,
// each box's caption and text, the side, both results, how the power is made
// up (or why it is blank), the company page and the version. Every window
// copies this same text.
std::u16string Account(const Calculator& calculator);

}  // namespace acpower::form

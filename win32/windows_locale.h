#pragma once

#include "numbers/number_locale.h"

namespace acpower::win32 {

// The decimal separator, group separator and minus sign of the user's
// regional settings, read once at start-up.
NumberLocale UserNumberLocale();

}  // namespace acpower::win32

#pragma once

#include "numbers/number_locale.h"

class QLocale;

namespace acpower {

// The separators and minus sign that the engine reads and writes numbers
// with, as the given Qt locale spells them.
NumberLocale NumberLocaleOf(const QLocale& locale);

}  // namespace acpower

#pragma once

#include "numbers/number_locale.h"

#include <string>

namespace acpower {

// Rounds to one decimal place with exact halves going to the even digit. The
// result is a whole number of tenths, held in a double: the product of a
// single and ten is exact there, so no second rounding creeps in.
double RoundToTenths(float value);

// The text a result box shows: the value rounded to one decimal place, in
// plain decimal notation with the locale's separator and minus sign, without
// grouping, trailing zeros, an exponent or a "-0". Non-finite values give an
// empty text; the engine never asks for one.
std::u16string DisplayText(float value, const NumberLocale& locale);

// A figure for reading rather than for a result box: rounded to at most
// `decimals` places (0 to 3), with the locale's separator and minus sign,
// thousands grouped with U+202F NARROW NO-BREAK SPACE whatever the locale's
// group separator, trailing zeros of the fraction dropped, never an exponent.
// Non-finite values give an empty text.
std::u16string GroupedText(double value, int decimals, const NumberLocale& locale);

}  // namespace acpower

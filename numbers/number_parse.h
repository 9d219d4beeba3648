#pragma once

#include "numbers/number_locale.h"

#include <string_view>

namespace acpower {

enum class ParseStatus {
    NotNumeric,
    OutOfRange,  // well-formed, but beyond the largest single-precision value
    Ok,
};

struct ParsedNumber {
    ParseStatus Status = ParseStatus::NotNumeric;
    float Value = 0.0F;
};

// Reads a whole text as one decimal number: optional spaces, an optional sign
// ('-', '+' or the locale's minus sign), digits with at most one decimal
// separator (digits on one side may be missing, but not on both), optional
// spaces. In a comma-decimal locale whose groups are not points, a point also
// serves as the decimal separator, because that is the key people reach for.
// The value is the single-precision number nearest to the decimal text; a
// value too small for single precision becomes zero.
ParsedNumber ParseNumber(std::u16string_view text, const NumberLocale& locale);

}  // namespace acpower

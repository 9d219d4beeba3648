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

// Reads a whole text as one decimal number: optional white space (spaces of
// any width, tabs, line breaks), an optional sign ('-', '+' or the locale's
// minus sign), digits with at most one decimal separator (digits on one side
// may be missing, but not on both), optional white space. The separator is a
// comma, a point or the locale's own, in every locale. A space, no-break
// space, thin space or narrow no-break space may stand between two digits of
// the whole part, as thousands are grouped. The value is the single-precision
// number nearest to the decimal text; a value too small for single precision
// becomes zero.
ParsedNumber ParseNumber(std::u16string_view text, const NumberLocale& locale);

}  // namespace acpower

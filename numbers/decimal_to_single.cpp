#include "numbers/internal/decimal_to_single.h"

#include "numbers/internal/fixed_from_chars.h"

#include <cmath>

namespace acpower {
namespace {

bool HasNonZeroWholeDigit(std::string_view ascii)
{
    for (const char c : ascii) {
        if (c == '.') {
            return false;
        }
        if (c >= '1' && c <= '9') {
            return true;
        }
    }
    return false;
}

bool HasNonZeroDigit(std::string_view ascii)
{
    return ascii.find_first_of("123456789") != std::string_view::npos;
}

}  // namespace

std::errc DecimalToSingle(std::string_view ascii, float& value)
{
    const char* const first = ascii.data();
    const char* const last = first + ascii.size();
    float parsed = 0.0F;
    const FixedReadResult result = FromFixedChars(first, last, parsed);
    if (result.Ec == std::errc::invalid_argument || result.Ptr != last) {
        return std::errc::invalid_argument;
    }
    // Libraries disagree on how they report overflow and underflow (an error
    // code, or a bare infinity or zero), so both are judged from the text.
    const bool negative = !ascii.empty() && ascii.front() == '-';
    const bool zeroFromNonZero = (result.Ec == std::errc() && parsed == 0.0F && HasNonZeroDigit(ascii));
    if (result.Ec == std::errc::result_out_of_range || zeroFromNonZero) {
        if (HasNonZeroWholeDigit(ascii)) {
            return std::errc::result_out_of_range;
        }
        value = negative ? -0.0F : 0.0F;
        return std::errc();
    }
    if (std::isinf(parsed)) {
        return std::errc::result_out_of_range;
    }
    value = parsed;
    return std::errc();
}

}  // namespace acpower

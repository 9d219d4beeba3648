#include "runtime/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace acpower {
namespace {

// From 2^23 on every single is a whole number, so there is nothing to round.
constexpr float FirstWholeOnlySingle = 8388608.0F;

std::u16string Widen(const char* first, const char* last)
{
    return std::u16string(first, last);
}

// Whole singles beyond 2^23 are written with the fewest digits that read back
// to the same single (zeros pad the rest), never with an exponent.
std::u16string WholeDigits(float magnitude)
{
    char buffer[64];
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed);
    return Widen(buffer, result.ptr);
#else
    // Without floating-point to_chars, print the exact integer; "%.0f" writes
    // no separator or grouping in any locale.
    const int length = std::snprintf(buffer, sizeof buffer, "%.0f", static_cast<double>(magnitude));
    return Widen(buffer, buffer + length);
#endif
}

}  // namespace

double RoundToTenths(float value)
{
    const double scaled = static_cast<double>(value) * 10.0;
    const double below = std::floor(scaled);
    const double fraction = scaled - below;
    if (fraction > 0.5) {
        return below + 1.0;
    }
    if (fraction < 0.5) {
        return below;
    }
    const bool belowIsEven = std::fmod(below, 2.0) == 0.0;
    return belowIsEven ? below : below + 1.0;
}

std::u16string DisplayText(float value, const NumberLocale& locale)
{
    if (!std::isfinite(value)) {
        return {};
    }
    const double tenths = RoundToTenths(value);
    if (tenths == 0.0) {
        return u"0";
    }
    std::u16string text;
    if (tenths < 0.0) {
        text = locale.minusSign.empty() ? std::u16string(u"-") : locale.minusSign;
    }
    const float magnitude = std::fabs(value);
    if (magnitude >= FirstWholeOnlySingle) {
        return text + WholeDigits(magnitude);
    }
    const auto count = static_cast<std::int64_t>(std::fabs(tenths));
    const std::int64_t whole = count / 10;
    const std::int64_t tenth = count % 10;
    const std::string digits = std::to_string(whole);
    text.append(digits.begin(), digits.end());
    if (tenth != 0) {
        text += locale.decimalSeparator.empty() ? std::u16string(u".") : locale.decimalSeparator;
        text.push_back(static_cast<char16_t>(u'0' + tenth));
    }
    return text;
}

}  // namespace acpower

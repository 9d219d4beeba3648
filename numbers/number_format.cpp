#include "numbers/number_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace acpower {
namespace {

// From 2^23 on every single is a whole number, so there is nothing to round.
constexpr float FirstWholeOnlySingle = 8388608.0F;

// Turns "d.ddde+XX" (any decimal mark) into the whole number's digits, padding
// with zeros; digits past the units place can only be zeros for a whole value.
std::u16string ExpandScientific(std::string_view scientific)
{
    const std::size_t exponentAt = scientific.find_first_of("eE");
    std::u16string digits;
    for (const char c : scientific.substr(0, exponentAt)) {
        if (c >= '0' && c <= '9') {
            digits.push_back(static_cast<char16_t>(c));
        }
    }
    const int exponent = std::atoi(std::string(scientific.substr(exponentAt + 1)).c_str());
    const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
    digits.resize(wholeDigits, u'0');
    return digits;
}

// Whole singles from 2^23 on are written with the fewest significant digits
// that read back to the same single, padded with zeros, never with an
// exponent: 3.4e38 rather than all 39 digits of its binary value.
std::u16string WholeDigits(float magnitude)
{
    char buffer[64];
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    return ExpandScientific(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
#else
    // Nine significant digits always read back to the same single.
    const int length = std::snprintf(buffer, sizeof buffer, "%.8e", static_cast<double>(magnitude));
    return ExpandScientific(std::string_view(buffer, static_cast<std::size_t>(length)));
#endif
}

// Whole doubles written with the fewest significant digits that read back.
std::u16string WholeDigits(double magnitude)
{
    char buffer[64];
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    return ExpandScientific(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
#else
    // Seventeen significant digits always read back to the same double.
    const int length = std::snprintf(buffer, sizeof buffer, "%.16e", magnitude);
    return ExpandScientific(std::string_view(buffer, static_cast<std::size_t>(length)));
#endif
}

// Past this a double has no fraction worth showing, and the count of units
// of the last place no longer fits 64 bits.
constexpr double LargestCountable = 1e15;

std::u16string Grouped(const std::u16string& digits, std::u16string_view separator)
{
    std::u16string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) {
            text += separator;
        }
        text.push_back(digits[i]);
    }
    return text;
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
        text = MinusSignOf(locale);
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
        text += DecimalSeparatorOf(locale);
        text.push_back(static_cast<char16_t>(u'0' + tenth));
    }
    return text;
}

std::u16string GroupedText(double value, int decimals, const NumberLocale& locale)
{
    if (!std::isfinite(value)) {
        return {};
    }
    decimals = decimals < 0 ? 0 : (decimals > 3 ? 3 : decimals);
    std::int64_t unit = 1;
    for (int i = 0; i < decimals; ++i) {
        unit *= 10;
    }
    const double magnitude = std::fabs(value);
    std::u16string whole;
    std::int64_t fraction = 0;
    if (magnitude < LargestCountable) {
        // nearbyint rounds exact halves to even, as the result boxes do.
        const auto count = static_cast<std::int64_t>(std::nearbyint(magnitude * static_cast<double>(unit)));
        const std::string digits = std::to_string(count / unit);
        whole.assign(digits.begin(), digits.end());
        fraction = count % unit;
    } else {
        whole = WholeDigits(magnitude);
    }
    std::u16string text;
    if (std::signbit(value) && (whole != u"0" || fraction != 0)) {
        text = MinusSignOf(locale);
    }
    text += Grouped(whole, locale.GroupSeparator);
    if (fraction != 0) {
        std::string tail = std::to_string(fraction + unit).substr(1);
        while (tail.back() == '0') {
            tail.pop_back();
        }
        text += DecimalSeparatorOf(locale);
        text.append(tail.begin(), tail.end());
    }
    return text;
}

}  // namespace acpower

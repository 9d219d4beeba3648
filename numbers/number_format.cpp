#include "numbers/number_format.h"

#include "numbers/internal/decimal_to_single.h"
#include "numbers/internal/fixed_from_chars.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace acpower {
namespace {

// From 2^23 on every single is a whole number, so there is nothing to round.
constexpr float FirstWholeOnlySingle = 8388608.0F;

// The bits of a float type's significand, the implicit one included.
template <typename Float>
constexpr int SignificandBits = std::numeric_limits<Float>::digits;

// The exact decimal digits of a whole single or double (below 2^1024, so at
// most 309 digits).
template <typename Float>
std::string ExactDigits(Float whole)
{
    int exponent = 0;
    const Float fraction = std::frexp(whole, &exponent);
    auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, SignificandBits<Float>));
    if (exponent < SignificandBits<Float>) {
        // A whole number below 2^digits: its low bits are zeros.
        significand >>= SignificandBits<Float> - exponent;
    }
    // Base 10^9 limbs, least significant first, doubled once per power of two.
    std::vector<std::uint32_t> limbs;
    do {
        limbs.push_back(static_cast<std::uint32_t>(significand % 1000000000U));
        significand /= 1000000000U;
    } while (significand != 0);
    for (int i = SignificandBits<Float>; i < exponent; ++i) {
        std::uint32_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            const std::uint64_t doubled = static_cast<std::uint64_t>(limb) * 2 + carry;
            limb = static_cast<std::uint32_t>(doubled % 1000000000U);
            carry = static_cast<std::uint32_t>(doubled / 1000000000U);
        }
        if (carry != 0) {
            limbs.push_back(carry);
        }
    }
    std::string digits = std::to_string(limbs.back());
    for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        digits.append(9 - part.size(), '0');
        digits += part;
    }
    return digits;
}

// The next number up with `kept` significant digits, zeros after them; a
// carry may add a digit in front.
std::string NextUp(std::string digits, std::size_t kept)
{
    std::size_t at = kept;
    while (at > 0 && digits[at - 1] == '9') {
        digits[--at] = '0';
    }
    if (at == 0) {
        digits.insert(digits.begin(), '1');
    } else {
        ++digits[at - 1];
    }
    return digits;
}

// The first `kept` digits, rounded half to even on the digits dropped, and
// the dropped places filled with zeros.
std::string RoundedToDigits(const std::string& digits, std::size_t kept)
{
    const std::string dropped = digits.substr(kept);
    const std::string truncated = digits.substr(0, kept) + std::string(dropped.size(), '0');
    if (dropped.empty() || dropped[0] < '5') {
        return truncated;
    }
    const bool exactHalf = dropped[0] == '5' && dropped.find_first_not_of('0', 1) == std::string::npos;
    const bool odd = ((digits[kept - 1] - '0') % 2) != 0;
    return exactHalf && !odd ? truncated : NextUp(truncated, kept);
}

bool ReadsBackAs(const std::string& digits, float whole)
{
    float read = 0.0F;
    return DecimalToSingle(digits, read) == std::errc() && read == whole;
}

bool ReadsBackAs(const std::string& digits, double whole)
{
    const char* const first = digits.data();
    const char* const last = first + digits.size();
    double read = 0.0;
    const FixedReadResult result = FromFixedChars(first, last, read);
    return result.Ec == std::errc() && result.Ptr == last && read == whole;
}

// Whole numbers written with the fewest significant digits that read back to
// the same single or double, padded with zeros, never with an exponent:
// 3.4e38 rather than all 39 digits of its binary value. Among the shortest,
// the nearest to the exact value, ties to even, as std::to_chars gives them;
// done here by hand because std::to_chars brings 180 KB of tables into a
// static Windows program.
template <typename Float>
std::u16string WholeDigits(Float magnitude)
{
    const std::string exact = ExactDigits(magnitude);
    std::string shortest = exact;
    for (std::size_t kept = 1; kept < exact.size(); ++kept) {
        const std::string nearest = RoundedToDigits(exact, kept);
        if (ReadsBackAs(nearest, magnitude)) {
            shortest = nearest;
            break;
        }
        // Just above a power of two the values lie twice as far apart as
        // just below it, so the nearest candidate below may miss while the
        // next one up still reads back.
        if (nearest.size() == exact.size() && nearest < exact) {
            const std::string above = NextUp(nearest, kept);
            if (ReadsBackAs(above, magnitude)) {
                shortest = above;
                break;
            }
        }
    }
    return std::u16string(shortest.begin(), shortest.end());
}

// Past this a double has no fraction worth showing, and the count of units
// of the last place no longer fits 64 bits.
constexpr double LargestCountable = 1e15;

// Between groups of thousands in every locale: the program reads a comma as
// a decimal separator wherever it runs, so "3,300" from an English locale
// would read back as 3.3, and Russian readers take it so too. The parser
// reads this space as a group separator.
constexpr std::u16string_view NarrowNoBreakSpace = u"\u202F";

// The count of 1/unit in a magnitude below 10^15, exact halves to even.
// Worked on the significand as a whole number: the product in double
// precision would round once before the count is rounded, and from about
// 10^12 on it has no room for the last decimal at all.
std::int64_t UnitsIn(double magnitude, std::int64_t unit)
{
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    const auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, SignificandBits<double>));
    // magnitude = significand / 2^shift; below 10^15 the shift is at least 3.
    const int shift = SignificandBits<double> - exponent;
    if (shift >= 64) {
        return 0;
    }
    // Below 2^53 × 1000, so within 64 bits.
    const std::uint64_t scaled = significand * static_cast<std::uint64_t>(unit);
    const std::uint64_t below = scaled >> shift;
    const std::uint64_t rest = scaled - (below << shift);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    const bool up = rest > half || (rest == half && below % 2 != 0);
    return static_cast<std::int64_t>(up ? below + 1 : below);
}

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
        const std::int64_t count = UnitsIn(magnitude, unit);
        const std::string digits = std::to_string(count / unit);
        whole.assign(digits.begin(), digits.end());
        fraction = count % unit;
    } else {
        // Doubles below 2^53 can still carry a fraction; it is rounded off
        // as in the branch above, halves to even.
        whole = WholeDigits(std::nearbyint(magnitude));
    }
    std::u16string text;
    if (std::signbit(value) && (whole != u"0" || fraction != 0)) {
        text = MinusSignOf(locale);
    }
    text += Grouped(whole, NarrowNoBreakSpace);
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

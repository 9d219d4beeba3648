#include "tests/display/display_reference.h"

#include <algorithm>
#include <array>

namespace acpower::test {
namespace {

constexpr std::uint32_t LimbBase = 1000000000U;

// 4 × 2^1024 has 310 digits, 35 limbs of nine.
constexpr std::size_t MostLimbs = 36;

// n × 2^k in decimal, k ≥ 0.
std::string ExactDecimal(std::uint64_t n, int k)
{
    std::array<std::uint32_t, MostLimbs> limbs{};
    std::size_t used = 0;
    do {
        limbs[used++] = static_cast<std::uint32_t>(n % LimbBase);
        n /= LimbBase;
    } while (n != 0);
    while (k > 0) {
        // A limb below 2^30 shifted by 32 bits and its carry still fit 64.
        const int shift = k < 32 ? k : 32;
        k -= shift;
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < used; ++i) {
            const std::uint64_t wide = (static_cast<std::uint64_t>(limbs[i]) << shift) + carry;
            limbs[i] = static_cast<std::uint32_t>(wide % LimbBase);
            carry = wide / LimbBase;
        }
        while (carry != 0) {
            limbs[used++] = static_cast<std::uint32_t>(carry % LimbBase);
            carry /= LimbBase;
        }
    }
    std::string digits = std::to_string(limbs[used - 1]);
    for (std::size_t i = used - 1; i-- > 0;) {
        char nine[9];
        for (int at = 8; at >= 0; --at) {
            nine[at] = static_cast<char>('0' + limbs[i] % 10);
            limbs[i] /= 10;
        }
        digits.append(nine, sizeof nine);
    }
    return digits;
}

// Decimal digit strings of whole numbers, stepped by one.
std::string Incremented(std::string digits)
{
    std::size_t at = digits.size();
    while (at > 0 && digits[at - 1] == '9') {
        digits[--at] = '0';
    }
    if (at == 0) {
        return '1' + digits;
    }
    ++digits[at - 1];
    return digits;
}

std::string Decremented(std::string digits)
{
    std::size_t at = digits.size();
    while (digits[at - 1] == '0') {
        digits[--at] = '9';
    }
    --digits[at - 1];
    return digits;
}

bool AllZeros(std::string_view digits)
{
    return digits.find_first_not_of('0') == std::string_view::npos;
}

// The whole number in [lo, hi] with the most trailing zeros; of several, the
// nearest to `exact`, and of two as near, the one whose last kept digit is
// even.
std::string FewestDigits(std::string lo, std::string exact, const std::string& hi)
{
    const std::size_t size = hi.size();
    lo.insert(0, size - lo.size(), '0');
    exact.insert(0, size - exact.size(), '0');
    // Keeping the first digits where lo and hi agree, a multiple of the
    // power dropped lies between them only when lo is one; keeping one digit
    // more, always.
    const std::size_t agreed = std::mismatch(lo.begin(), lo.end(), hi.begin()).first - lo.begin();
    const std::size_t loKept = lo.find_last_not_of('0') + 1;
    const std::size_t kept = std::max<std::size_t>(1, std::min(agreed + 1, loKept));
    const std::string_view head = std::string_view(exact).substr(0, kept);
    const std::string_view tail = std::string_view(exact).substr(kept);
    const bool downHolds = head != std::string_view(lo).substr(0, kept) || AllZeros(std::string_view(lo).substr(kept));
    const bool upHolds = head != std::string_view(hi).substr(0, kept);
    const int beyondHalf = tail.empty() ? -1 : tail[0] != '5' ? tail[0] - '5' : AllZeros(tail.substr(1)) ? 0 : 1;
    const bool oddHead = (head.back() - '0') % 2 != 0;
    const bool up = !downHolds || (upHolds && (beyondHalf > 0 || (beyondHalf == 0 && oddHead)));
    std::string digits = up ? Incremented(std::string(head)) : std::string(head);
    digits.append(size - kept, '0');
    const std::size_t first = digits.find_first_not_of('0');
    return digits.substr(first == std::string::npos ? digits.size() - 1 : first);
}

// A whole binary value m × 2^e (m of `bits` bits, e ≥ 0) written with the
// fewest digits that read back to it: a decimal reads back to it when it
// lies within half a gap to either neighbour, the ends taken by the even
// significand, as reading rounds ties to even. Below a power of two the
// gap is half as wide.
std::string WholeDigits(std::uint64_t m, int e, int bits)
{
    const bool even = m % 2 == 0;
    const std::string exact = ExactDecimal(m, e);
    std::string hi = exact;
    if (e >= 1) {
        hi = ExactDecimal(2 * m + 1, e - 1);
        hi = even ? hi : Decremented(hi);
    }
    std::string lo = exact;
    const bool halvedBelow = m == std::uint64_t{1} << (bits - 1);
    if (halvedBelow && e >= 2) {
        lo = ExactDecimal(4 * m - 1, e - 2);
    } else if (!halvedBelow && e >= 1) {
        lo = ExactDecimal(2 * m - 1, e - 1);
        lo = even ? lo : Incremented(lo);
    }
    return FewestDigits(lo, exact, hi);
}

// n / 2^s, exact halves to the even neighbour.
std::uint64_t HalvesToEven(std::uint64_t n, int s)
{
    if (s == 0) {
        return n;
    }
    if (s >= 64) {
        return 0;
    }
    const std::uint64_t quotient = n >> s;
    const std::uint64_t rest = n - (quotient << s);
    const std::uint64_t half = std::uint64_t{1} << (s - 1);
    const bool up = rest > half || (rest == half && quotient % 2 != 0);
    return up ? quotient + 1 : quotient;
}

// The notation's separator for the point, U+202F NARROW NO-BREAK SPACE for
// a space, its minus sign in front.
std::u16string Written(bool negative, const std::string& text, const ReferenceNotation& notation)
{
    std::u16string out(negative ? notation.Minus : std::u16string_view());
    for (const char c : text) {
        if (c == '.') {
            out += notation.Separator;
        } else if (c == ' ') {
            out += u'\u202F';
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

std::string Grouped(const std::string& digits)
{
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        out += i != 0 && (digits.size() - i) % 3 == 0 ? " " : "";
        out += digits[i];
    }
    return out;
}

}  // namespace

std::u16string ReferenceSingleText(std::uint32_t bits, const ReferenceNotation& notation)
{
    const std::uint32_t field = (bits >> 23) & 0xFFU;
    if (field == 0xFFU) {
        return {};
    }
    const std::uint64_t fraction = bits & 0x7FFFFFU;
    const std::uint64_t m = field == 0 ? fraction : fraction | 0x800000U;
    const int e = static_cast<int>(field == 0 ? 1 : field) - 150;
    const bool negative = (bits >> 31) != 0;
    if (e >= 0) {
        return Written(negative, WholeDigits(m, e, 24), notation);
    }
    const std::uint64_t tenths = HalvesToEven(10 * m, -e);
    if (tenths == 0) {
        return u"0";
    }
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        text += '.';
        text += static_cast<char>('0' + tenths % 10);
    }
    return Written(negative, text, notation);
}

std::u16string ReferenceDoubleText(std::uint64_t bits, int decimals, const ReferenceNotation& notation)
{
    const std::uint64_t field = (bits >> 52) & 0x7FFU;
    if (field == 0x7FFU) {
        return {};
    }
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t m = field == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int e = static_cast<int>(field == 0 ? 1 : field) - 1075;
    std::uint64_t unit = 1;
    for (int i = 0; i < decimals; ++i) {
        unit *= 10;
    }
    constexpr std::uint64_t TenToThe15 = 1000000000000000U;
    // m × 2^e < 10^15; a normal m is at least 2^52, past 10^15 × 2^-3.
    const bool small = e < 0 && (-e >= 4 || m < (TenToThe15 << -e));
    std::string whole;
    std::uint64_t kept = 0;
    if (small) {
        const std::uint64_t count = HalvesToEven(m * unit, -e);
        whole = std::to_string(count / unit);
        kept = count % unit;
    } else {
        whole = e >= 0 ? WholeDigits(m, e, 53) : std::to_string(HalvesToEven(m, -e));
    }
    std::string text = Grouped(whole);
    if (kept != 0) {
        std::string tail = std::to_string(unit + kept).substr(1);
        tail.erase(tail.find_last_not_of('0') + 1);
        text += '.' + tail;
    }
    const bool negative = (bits >> 63) != 0 && (whole != "0" || kept != 0);
    return Written(negative, text, notation);
}

}  // namespace acpower::test

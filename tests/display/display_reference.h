#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace acpower::test {

// The notation a text is written in, given as the program's own number
// texts must use it; the reference keeps its own type so that it shares no
// header with the code it checks.
struct ReferenceNotation {
    std::u16string_view Separator;
    std::u16string_view Minus;
};

// The notation the proof writes in: a separator and a minus sign that no
// default would give.
inline constexpr ReferenceNotation ProofNotation{u",", u"\u2212"};

// The bits of a value, which is all the reference reads of it.
template <typename Bits, typename Float>
Bits BitsOf(Float value)
{
    static_assert(sizeof(Bits) == sizeof(Float));
    Bits bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// What a result box must show for the single with these bits, worked out
// exactly from its significand and exponent.
std::u16string ReferenceSingleText(std::uint32_t bits, const ReferenceNotation& notation);

// What a hover text must show for the double with these bits at `decimals`
// places (0 to 3), worked out exactly from its significand and exponent.
std::u16string ReferenceDoubleText(std::uint64_t bits, int decimals, const ReferenceNotation& notation);

}  // namespace acpower::test

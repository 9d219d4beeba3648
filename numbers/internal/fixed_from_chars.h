#pragma once

// Reads plain decimal text into a float or a double, rounding once from the
// decimal. Older MinGW runtimes lack std::from_chars for floating point;
// fast_float rounds the same way, and a build can choose it (see
// numbers/CMakeLists.txt). Private to numbers/: the choice is made there.

#include <system_error>

#ifdef ACPOWER_USE_FAST_FLOAT
#include <fast_float/fast_float.h>
#else
#include <charconv>
#endif

namespace acpower {

struct FixedReadResult {
    const char* Ptr;
    std::errc Ec;
};

template <typename Number>
FixedReadResult FromFixedChars(const char* first, const char* last, Number& value)
{
#ifdef ACPOWER_USE_FAST_FLOAT
    const auto result = fast_float::from_chars(first, last, value, fast_float::chars_format::fixed);
#else
    const auto result = std::from_chars(first, last, value, std::chars_format::fixed);
#endif
    return FixedReadResult{result.ptr, result.ec};
}

}  // namespace acpower

#pragma once

// Reads plain decimal text into a float or a double, rounding once from the
// decimal. Older MinGW runtimes lack std::from_chars for floating point;
// fast_float rounds the same way, and a build can choose it; the web module
// takes the C library's strtof and strtod, which wasi-libc rounds correctly
// too (see numbers/CMakeLists.txt). Private to numbers/: the choice is made
// there.

#include <system_error>

#if defined(ACPOWER_USE_C_STRTOD)
#include <cstdlib>
#include <string>
#include <type_traits>
#elif defined(ACPOWER_USE_FAST_FLOAT)
#include <fast_float/fast_float.h>
#else
#include <charconv>
#endif

namespace acpower {

struct FixedReadResult {
    const char* Ptr;
    std::errc Ec;
};

#if defined(ACPOWER_USE_C_STRTOD)
// strtod also reads exponents, hexadecimal, "inf" and leading blanks, which
// plain decimal text never holds: its reading stops where they begin.
inline const char* EndOfFixedText(const char* first, const char* last)
{
    const char* at = (first != last && *first == '-') ? first + 1 : first;
    bool point = false;
    while (at != last && ((*at >= '0' && *at <= '9') || (*at == '.' && !point))) {
        point = point || *at == '.';
        ++at;
    }
    return at;
}
#endif

template <typename Number>
FixedReadResult FromFixedChars(const char* first, const char* last, Number& value)
{
#if defined(ACPOWER_USE_C_STRTOD)
    // Ended by a NUL, as strtod needs.
    const std::string text(first, EndOfFixedText(first, last));
    char* end = nullptr;
    if constexpr (std::is_same_v<Number, float>) {
        value = std::strtof(text.c_str(), &end);
    } else {
        value = std::strtod(text.c_str(), &end);
    }
    // Overflow and underflow are judged from the value, as the callers do.
    const bool none = end == text.c_str();
    return FixedReadResult{first + (end - text.c_str()), none ? std::errc::invalid_argument : std::errc()};
#elif defined(ACPOWER_USE_FAST_FLOAT)
    const auto result = fast_float::from_chars(first, last, value, fast_float::chars_format::fixed);
    return FixedReadResult{result.ptr, result.ec};
#else
    const auto result = std::from_chars(first, last, value, std::chars_format::fixed);
    return FixedReadResult{result.ptr, result.ec};
#endif
}

}  // namespace acpower

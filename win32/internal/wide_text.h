#pragma once

// Windows' wchar_t is 16 bits of UTF-16, the very code units of the engine's
// char16_t texts, so texts cross between the two by a cast of the pointer.
// The program keeps its texts as std::u16string: std::wstring would link a
// second copy of the string code into the program.

#include <string>

namespace acpower::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");

inline const wchar_t* Wide(const std::u16string& text)
{
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline wchar_t* Wide(std::u16string& text)
{
    return reinterpret_cast<wchar_t*>(text.data());
}

inline const char16_t* Utf16(const wchar_t* text)
{
    return reinterpret_cast<const char16_t*>(text);
}

}  // namespace acpower::win32

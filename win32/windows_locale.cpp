#include "win32/windows_locale.h"

#include "win32/internal/wide_text.h"

#include <windows.h>

namespace acpower::win32 {
namespace {

std::u16string LocaleText(LCTYPE item)
{
    // Every item read here is at most a few characters; LOCALE_SDECIMAL and
    // LOCALE_SNEGATIVESIGN allow four, LOCALE_STHOUSAND four.
    wchar_t buffer[16] = {};
    const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, buffer, 16);
    if (length <= 1) {
        // Empty or unreadable: the engine falls back to the C locale's sign.
        return {};
    }
    return std::u16string(Utf16(buffer), static_cast<size_t>(length - 1));
}

}  // namespace

NumberLocale UserNumberLocale()
{
    NumberLocale locale;
    locale.DecimalSeparator = LocaleText(LOCALE_SDECIMAL);
    locale.MinusSign = LocaleText(LOCALE_SNEGATIVESIGN);
    return locale;
}

}  // namespace acpower::win32

#include "numbers/number_locale.h"

namespace acpower {

std::u16string_view DecimalSeparatorOf(const NumberLocale& locale)
{
    return locale.DecimalSeparator.empty() ? std::u16string_view(u".") : locale.DecimalSeparator;
}

std::u16string_view MinusSignOf(const NumberLocale& locale)
{
    return locale.MinusSign.empty() ? std::u16string_view(u"-") : locale.MinusSign;
}

}  // namespace acpower

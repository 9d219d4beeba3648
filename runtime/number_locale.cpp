#include "runtime/number_locale.h"

namespace acpower {

std::u16string_view DecimalSeparatorOf(const NumberLocale& locale)
{
    return locale.decimalSeparator.empty() ? std::u16string_view(u".") : locale.decimalSeparator;
}

std::u16string_view MinusSignOf(const NumberLocale& locale)
{
    return locale.minusSign.empty() ? std::u16string_view(u"-") : locale.minusSign;
}

NumberLocale PointLocale()
{
    return NumberLocale{u".", u",", u"-"};
}

NumberLocale CommaLocale()
{
    return NumberLocale{u",", u"\u00A0", u"-"};
}

}  // namespace acpower

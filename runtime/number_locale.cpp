#include "runtime/number_locale.h"

namespace acpower {

NumberLocale PointLocale()
{
    return NumberLocale{u".", u",", u"-"};
}

NumberLocale CommaLocale()
{
    return NumberLocale{u",", u"\u00A0", u"-"};
}

}  // namespace acpower

#pragma once

#include "numbers/number_locale.h"

namespace acpower::test {

// A point for decimals and a comma for groups, as in the C locale.
inline NumberLocale PointLocale()
{
    return NumberLocale{u".", u",", u"-"};
}

// A comma for decimals and a no-break space for groups, as in the Russian locale.
inline NumberLocale CommaLocale()
{
    return NumberLocale{u",", u"\u00A0", u"-"};
}

// Comma decimals with point groups, as in German: a point is still read as
// a decimal separator, never as a group.
inline NumberLocale PointGroupingLocale()
{
    return NumberLocale{u",", u".", u"-"};
}

// Comma decimals and the typographic minus sign U+2212.
inline NumberLocale TypographicMinusLocale()
{
    return NumberLocale{u",", u"\u00A0", u"\u2212"};
}

// A locale that names no separator or sign, which falls back to the point
// and the hyphen.
inline NumberLocale EmptyLocale()
{
    return NumberLocale{};
}

}  // namespace acpower::test

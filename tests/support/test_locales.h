#pragma once

#include "numbers/number_locale.h"

namespace acpower::test {

// A point for decimals, as in the C locale.
inline NumberLocale PointLocale()
{
    return NumberLocale{u".", u"-"};
}

// A comma for decimals, as in the Russian locale.
inline NumberLocale CommaLocale()
{
    return NumberLocale{u",", u"-"};
}

// Comma decimals, as in German, whose point groups the program never takes
// from the system: a point is still read as a decimal separator.
inline NumberLocale PointGroupingLocale()
{
    return NumberLocale{u",", u"-"};
}

// Comma decimals and the typographic minus sign U+2212.
inline NumberLocale TypographicMinusLocale()
{
    return NumberLocale{u",", u"\u2212"};
}

// A locale that names no separator or sign, which falls back to the point
// and the hyphen.
inline NumberLocale EmptyLocale()
{
    return NumberLocale{};
}

}  // namespace acpower::test

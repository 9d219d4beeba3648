#pragma once

#include <string>
#include <string_view>

namespace acpower {

// The pieces of a user's locale that number texts depend on. Its thousands
// separator is not one of them: grouped texts use the narrow no-break space
// in every locale, so that none reads as a decimal separator. The window reads
// them from the system once and passes them down; nothing in the engine asks
// the system for its locale, so tests can pin any locale they like.
struct NumberLocale {
    std::u16string DecimalSeparator;
    std::u16string MinusSign;
};

// The separator and sign that number texts use. A locale that leaves either
// empty gets the C locale's, in parsing and in display texts alike, so what
// the program shows it can always read back.
std::u16string_view DecimalSeparatorOf(const NumberLocale& locale);
std::u16string_view MinusSignOf(const NumberLocale& locale);

}  // namespace acpower

#include "form/form1.h"

#include <cstddef>

namespace acpower::form {

int TwipsToPixels(int twips, int dotsPerInch)
{
    // Widened first: a large twips value times a high DPI leaves int's range.
    const long long scaled = static_cast<long long>(twips) * dotsPerInch;
    const long long half = scaled >= 0 ? 720 : -720;
    return static_cast<int>((scaled + half) / 1440);
}

std::array<const Control*, FocusableCount> TabOrder()
{
    std::array<const Control*, FocusableCount> order{};
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = FindControl(KeyboardOrder[i]);
    }
    return order;
}

}  // namespace acpower::form

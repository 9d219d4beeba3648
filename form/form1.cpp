#include "form/form1.h"

#include <algorithm>

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
    auto next = order.begin();
    for (const Control& control : Form1Controls) {
        if (TakesFocus(control)) {
            *next = &control;
            ++next;
        }
    }
    std::sort(order.begin(), order.end(), [](const Control* a, const Control* b) { return a->TabIndex < b->TabIndex; });
    return order;
}

}  // namespace acpower::form

#pragma once

#include "core/calculator_state.h"
#include "core/entry_rules.h"
#include "core/recalculate.h"
#include "numbers/number_locale.h"

#include <string>
#include <string_view>

namespace acpower {

// The engine behind the window: one state and the locale its texts use. The
// window forwards each notification here and shows what comes back.
class Calculator {
public:
    explicit Calculator(NumberLocale locale);

    EntryOutcome AcceptNumericEntry(EntryField field, std::u16string_view text);
    ResultTexts ApplyWindowSide(WindowSide side);
    WindowSide SelectShadySide();

    // The hover text of a result box as it stands after the last
    // recalculation; empty while the box is.
    std::u16string Hint(Result result) const;

    const CalculatorState& State() const;
    const NumberLocale& Locale() const;

private:
    CalculatorState state_;
    ResultTexts shown_;
    NumberLocale locale_;
};

}  // namespace acpower

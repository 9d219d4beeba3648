#include "core/calculator.h"

#include "core/hints.h"

#include <utility>

namespace acpower {

Calculator::Calculator(NumberLocale locale)
    : locale_(std::move(locale))
{
}

EntryOutcome Calculator::AcceptNumericEntry(EntryField field, std::u16string_view text)
{
    EntryOutcome outcome = acpower::AcceptNumericEntry(state_, field, text, locale_);
    shown_ = outcome.Results;
    return outcome;
}

ResultTexts Calculator::ApplyWindowSide(WindowSide side)
{
    shown_ = acpower::ApplyWindowSide(state_, side, locale_);
    return shown_;
}

WindowSide Calculator::SelectShadySide()
{
    return acpower::SelectShadySide(state_);
}

std::u16string Calculator::Hint(Result result) const
{
    return HintOf(result, state_, shown_, locale_);
}

const CalculatorState& Calculator::State() const
{
    return state_;
}

const NumberLocale& Calculator::Locale() const
{
    return locale_;
}

}  // namespace acpower

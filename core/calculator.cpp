#include "core/calculator.h"

#include "core/hints.h"

#include <cstddef>
#include <utility>

namespace acpower {

Calculator::Calculator(NumberLocale locale)
    : locale_(std::move(locale))
{
}

EntryOutcome Calculator::AcceptNumericEntry(EntryField field, std::u16string_view text)
{
    EntryOutcome outcome = acpower::AcceptNumericEntry(state_, field, text, locale_);
    Remembered& box = remembered_.at(static_cast<std::size_t>(field));
    if (outcome.ClearBox) {
        outcome.Restorable = box.LastNumber;
        outcome.Notice += RestoreHint(box.LastNumber);
        box.Emptying = true;
    } else if (!text.empty()) {
        box.LastNumber = text;
    } else if (box.Emptying) {
        box.Emptying = false;
    } else {
        box.LastNumber.clear();
    }
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

const ResultTexts& Calculator::Shown() const
{
    return shown_;
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

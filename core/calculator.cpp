#include "core/calculator.h"

#include <utility>

namespace acpower {

Calculator::Calculator(NumberLocale locale)
    : locale_(std::move(locale))
{
}

EntryOutcome Calculator::AcceptNumericEntry(EntryField field, std::u16string_view text)
{
    return acpower::AcceptNumericEntry(state_, field, text, locale_);
}

ResultTexts Calculator::ApplyWindowSide(std::u16string_view selectorText)
{
    return acpower::ApplyWindowSide(state_, selectorText, locale_);
}

std::u16string_view Calculator::SelectShadySide()
{
    return acpower::SelectShadySide(state_);
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

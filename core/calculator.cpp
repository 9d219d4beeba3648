#include "core/calculator.h"

#include "core/hints.h"
#include "numbers/number_parse.h"

#include <cstddef>
#include <utility>

namespace acpower {

Calculator::Calculator(NumberLocale locale)
    : locale_(std::move(locale))
{
}

EntryOutcome Calculator::AcceptNumericEntry(EntryField field, std::u16string_view text)
{
    const ParsedNumber parsed = ParseNumber(text, locale_);
    EntryOutcome outcome;
    if (parsed.Status == ParseStatus::Ok) {
        FieldOf(state_, field) = parsed.Value;
    } else {
        // A number too large for single precision is refused like a stray
        // letter: keeping it would poison every later result.
        outcome.ClearBox = !text.empty();
        if (outcome.ClearBox) {
            outcome.Notice = EmptiedBoxNotice(text, parsed.Status);
        }
        FieldOf(state_, field) = 0.0F;
    }
    outcome.Results = Recalculate(state_, locale_);
    texts_.at(static_cast<std::size_t>(field)) = outcome.ClearBox ? std::u16string() : std::u16string(text);
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
    calculated_ = true;
    return outcome;
}

ResultTexts Calculator::ApplyWindowSide(WindowSide side)
{
    state_.WindowFactor = EntryOf(side).WattsPerCubicMetre;
    side_ = side;
    shown_ = Recalculate(state_, locale_);
    calculated_ = true;
    return shown_;
}

WindowSide Calculator::SelectShadySide()
{
    state_.WindowFactor = EntryOf(WindowSide::Shady).WattsPerCubicMetre;
    side_ = WindowSide::Shady;
    return side_;
}

std::u16string Calculator::Hint(Result result) const
{
    if (!calculated_) {
        return {};
    }
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

const std::u16string& Calculator::Text(EntryField field) const
{
    return texts_.at(static_cast<std::size_t>(field));
}

WindowSide Calculator::Side() const
{
    return side_;
}

}  // namespace acpower

#include "core/entry_rules.h"

#include "core/hints.h"
#include "numbers/number_parse.h"

namespace acpower {

EntryOutcome AcceptNumericEntry(CalculatorState& state, EntryField field, std::u16string_view text,
                                const NumberLocale& locale)
{
    const ParsedNumber parsed = ParseNumber(text, locale);
    EntryOutcome outcome;
    if (parsed.Status == ParseStatus::Ok) {
        FieldOf(state, field) = parsed.Value;
    } else {
        // A number too large for single precision is refused like a stray
        // letter: keeping it would poison every later result.
        outcome.ClearBox = !text.empty();
        if (outcome.ClearBox) {
            outcome.Notice = EmptiedBoxNotice(text, parsed.Status);
        }
        FieldOf(state, field) = 0.0F;
    }
    outcome.Results = Recalculate(state, locale);
    return outcome;
}

ResultTexts ApplyWindowSide(CalculatorState& state, WindowSide side, const NumberLocale& locale)
{
    state.WindowFactor = EntryOf(side).WattsPerCubicMetre;
    return Recalculate(state, locale);
}

WindowSide SelectShadySide(CalculatorState& state)
{
    state.WindowFactor = EntryOf(WindowSide::Shady).WattsPerCubicMetre;
    return WindowSide::Shady;
}

}  // namespace acpower

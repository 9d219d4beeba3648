#pragma once

#include "core/calculator_state.h"
#include "core/recalculate.h"
#include "core/window_side.h"
#include "numbers/number_locale.h"

#include <array>
#include <string>
#include <string_view>

namespace acpower {

// The five entry boxes, in the order the window shows them.
enum class EntryField {
    Area,
    CeilingHeight,
    PeopleCount,
    ComputerCount,
    AppliancePower,
};

inline constexpr std::array<EntryField, 5> AllEntryFields{
    EntryField::Area,          EntryField::CeilingHeight,  EntryField::PeopleCount,
    EntryField::ComputerCount, EntryField::AppliancePower,
};

float& FieldOf(CalculatorState& state, EntryField field);

struct EntryOutcome {
    // The box's text is not a number and must be emptied. Emptying it changes
    // the text again, and that change runs this rule once more on "".
    bool ClearBox = false;
    // What the window tells the user at the box it empties; empty otherwise.
    std::u16string Notice;
    ResultTexts Results;
};

// Judges the whole text of an entry box after every change: a number is
// stored in the box's field; anything else, including a number beyond single
// precision, stores 0 and asks for the box to be emptied. Then recalculates.
EntryOutcome AcceptNumericEntry(CalculatorState& state, EntryField field, std::u16string_view text,
                                const NumberLocale& locale);

// Takes the factor of the picked side, then recalculates.
ResultTexts ApplyWindowSide(CalculatorState& state, WindowSide side, const NumberLocale& locale);

// The start-up choice: the shady factor. Gives the side the selector must
// show; it does not recalculate.
WindowSide SelectShadySide(CalculatorState& state);

}  // namespace acpower

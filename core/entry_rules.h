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

struct EntryFieldSlot {
    EntryField Field;
    float CalculatorState::*Value;
};

// Where each box's number is kept, in the order of EntryField.
inline constexpr std::array<EntryFieldSlot, 5> EntryFieldSlots{{
    {EntryField::Area, &CalculatorState::Area},
    {EntryField::CeilingHeight, &CalculatorState::CeilingHeight},
    {EntryField::PeopleCount, &CalculatorState::PeopleCount},
    {EntryField::ComputerCount, &CalculatorState::ComputerCount},
    {EntryField::AppliancePower, &CalculatorState::AppliancePower},
}};

constexpr std::array<EntryField, EntryFieldSlots.size()> ListEntryFields()
{
    std::array<EntryField, EntryFieldSlots.size()> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = EntryFieldSlots[i].Field;
    }
    return fields;
}

inline constexpr std::array<EntryField, EntryFieldSlots.size()> AllEntryFields = ListEntryFields();

constexpr bool SlotsInFieldOrder()
{
    for (std::size_t i = 0; i < EntryFieldSlots.size(); ++i) {
        if (static_cast<std::size_t>(EntryFieldSlots[i].Field) != i) {
            return false;
        }
    }
    return true;
}

static_assert(SlotsInFieldOrder(), "one slot for each entry field, in the order of the enum");

inline float& FieldOf(CalculatorState& state, EntryField field)
{
    return state.*EntryFieldSlots[static_cast<std::size_t>(field)].Value;
}

struct EntryOutcome {
    // The box's text is not a number and must be emptied. Emptying it changes
    // the text again, and that change runs this rule once more on "".
    bool ClearBox = false;
    // What the window tells the user at the box it empties; empty otherwise.
    std::u16string Notice;
    // The last number the box held before the text emptied, which the box's
    // own undo must bring back, since emptying it wipes the box's history;
    // empty for none.
    std::u16string Restorable;
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

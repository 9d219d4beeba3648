#pragma once

#include "core/calculator_state.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace acpower {

// The entry boxes, in the order the window shows them.
enum class EntryField {
    Area,
    CeilingHeight,
    PeopleCount,
    ComputerCount,
    AppliancePower,
};

// A side of the room's volume, or a source of heat in proportion to the value.
enum class InputRole {
    VolumePart,
    Heat,
};

// One entry box's number: where it is kept, what it adds to the room and how
// the hover texts write it.
struct Input {
    EntryField Field;
    float CalculatorState::*Value;
    InputRole Role;
    std::u16string_view Unit;  // after the value in a hover text, with its space; "" for a count
    // Watts the room gains per unit of the value, as a double so that 0.3 is
    // the double nearest 0.3; 0 for a side of the volume.
    double HeatPerUnit;
    std::u16string_view HeatName;  // opens its line of the power's hover text
    std::u16string_view HeatUnit;  // after the heat per unit: " Вт" per unit, "" for a share
    // What a blank power's reason calls a side of the volume; feminine, as
    // the reason's words agree with it.
    std::u16string_view Name;
    // Its text, as typed under Russian settings, in the example office that
    // the tests and the user texts start from.
    std::u16string_view Example;
};

// clang-format off
inline constexpr std::array<Input, 5> Inputs{{
    // Field                      Value                              Role                   Unit       Heat   Heat name        Heat unit Name               Example
    {EntryField::Area,           &CalculatorState::Area,           InputRole::VolumePart, u" кв. м", 0.0,   u"",             u"",      u"площадь",        u"25"  },
    {EntryField::CeilingHeight,  &CalculatorState::CeilingHeight,  InputRole::VolumePart, u" м",     0.0,   u"",             u"",      u"высота потолка", u"2,8" },
    {EntryField::PeopleCount,    &CalculatorState::PeopleCount,    InputRole::Heat,       u"",       100.0, u"люди",         u" Вт",   u"",               u"3"   },
    {EntryField::ComputerCount,  &CalculatorState::ComputerCount,  InputRole::Heat,       u"",       300.0, u"компьютеры",   u" Вт",   u"",               u"2"   },
    {EntryField::AppliancePower, &CalculatorState::AppliancePower, InputRole::Heat,       u" Вт",    0.3,   u"эл. приборы",  u"",      u"",               u"1000"},
}};
// clang-format on

constexpr bool InputsInFieldOrder()
{
    for (std::size_t i = 0; i < Inputs.size(); ++i) {
        if (static_cast<std::size_t>(Inputs[i].Field) != i) {
            return false;
        }
    }
    return true;
}

static_assert(InputsInFieldOrder(), "one input for each entry field, in the order of the enum");

constexpr std::array<EntryField, Inputs.size()> ListEntryFields()
{
    std::array<EntryField, Inputs.size()> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = Inputs[i].Field;
    }
    return fields;
}

inline constexpr std::array<EntryField, Inputs.size()> AllEntryFields = ListEntryFields();

constexpr const Input& InputOf(EntryField field)
{
    return Inputs[static_cast<std::size_t>(field)];
}

inline float& FieldOf(CalculatorState& state, EntryField field)
{
    return state.*InputOf(field).Value;
}

inline float FieldOf(const CalculatorState& state, EntryField field)
{
    return state.*InputOf(field).Value;
}

constexpr std::size_t CountHeatInputs()
{
    std::size_t count = 0;
    for (const Input& input : Inputs) {
        count += input.Role == InputRole::Heat ? 1 : 0;
    }
    return count;
}

inline constexpr std::size_t HeatInputCount = CountHeatInputs();

// The inputs that bring heat, in the table's order: the order their terms
// are summed in and their lines shown.
constexpr std::array<const Input*, HeatInputCount> ListHeatInputs()
{
    std::array<const Input*, HeatInputCount> heat{};
    std::size_t next = 0;
    for (const Input& input : Inputs) {
        if (input.Role == InputRole::Heat) {
            heat[next] = &input;
            ++next;
        }
    }
    return heat;
}

inline constexpr std::array<const Input*, HeatInputCount> HeatInputs = ListHeatInputs();

}  // namespace acpower

#pragma once

#include "core/calculator_state.h"
#include "core/inputs.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace acpower::test {

// The office every part of the program is first tried on: 25 m², a 2,8 m
// ceiling, 3 people, 2 computers and 1000 W of appliances. It is 70 m³ and
// needs 3,3 kW on the shady side, 4 kW on the sunny one.
// Its texts, box by box, come from the inputs' table; what they make stays
// written out in the rows.
constexpr std::array<std::u16string_view, Inputs.size()> ListExampleRoom()
{
    std::array<std::u16string_view, Inputs.size()> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = Inputs[i].Example;
    }
    return texts;
}

inline constexpr std::array<std::u16string_view, Inputs.size()> ExampleRoomTexts = ListExampleRoom();

// The inputs' values in the table's order; those left out are 0.
inline CalculatorState Room(const std::array<float, Inputs.size()>& values, float factor)
{
    CalculatorState state;
    for (std::size_t i = 0; i < values.size(); ++i) {
        state.*Inputs[i].Value = values[i];
    }
    state.WindowFactor = factor;
    return state;
}

// The formula's terms in watts, worked in long double with the constants as
// the doubles the program states them as.
inline std::array<long double, 4> ModelTerms(const CalculatorState& s, float volume)
{
    return {static_cast<long double>(volume) * s.WindowFactor, static_cast<long double>(s.PeopleCount) * 100.0L,
            static_cast<long double>(s.ComputerCount) * 300.0L,
            static_cast<long double>(s.AppliancePower) * static_cast<long double>(0.3)};
}

// The required power from the model's terms, rounded to single once at the end.
inline float ModelPower(const CalculatorState& s, float volume)
{
    long double watts = 0.0L;
    for (const long double term : ModelTerms(s, volume)) {
        watts += term;
    }
    return static_cast<float>(watts * static_cast<long double>(0.001));
}

}  // namespace acpower::test

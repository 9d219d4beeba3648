#pragma once

#include "core/calculator_state.h"

#include <array>
#include <string_view>

namespace acpower::test {

// The office every part of the program is first tried on: 25 m², a 2,8 m
// ceiling, 3 people, 2 computers and 1000 W of appliances. It is 70 m³ and
// needs 3,3 kW on the shady side, 4 kW on the sunny one.
inline constexpr std::array<std::u16string_view, 5> ExampleRoomTexts{u"25", u"2,8", u"3", u"2", u"1000"};

inline CalculatorState Room(float area, float height, float people, float computers, float appliances, float factor)
{
    CalculatorState state;
    state.Area = area;
    state.CeilingHeight = height;
    state.PeopleCount = people;
    state.ComputerCount = computers;
    state.AppliancePower = appliances;
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

#pragma once

#include "core/calculator_state.h"
#include "core/inputs.h"
#include "numbers/number_locale.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace acpower {

// What the two result boxes show after a recalculation.
struct ResultTexts {
    std::u16string Volume;
    std::u16string Power;

    bool operator==(const ResultTexts& other) const
    {
        return Volume == other.Volume && Power == other.Power;
    }
};

// The two result boxes, by what they show.
enum class Result {
    Volume,
    Power,
};

const std::u16string& TextOf(const ResultTexts& texts, Result result);

inline constexpr double WattsToKilowatts = 0.001;

// The heat flows into the room, in watts, and their sum, as the required
// power adds them up: in double precision, left to right, the volume's first.
struct PowerTerms {
    double Volume;                              // room volume × the window side's factor
    std::array<double, HeatInputCount> Inputs;  // by HeatInputs
    double Sum;
};

namespace internal {

// The sum as one expression of the products themselves, left to right, as
// it was first written: a compiler that keeps doubles wider between
// operations (x87) rounds it at the same points as it always did.
template <std::size_t... I>
double SumOf(const CalculatorState& state, float roomVolume, std::index_sequence<I...>)
{
    return ((static_cast<double>(roomVolume) * static_cast<double>(state.WindowFactor)) + ...
            + (static_cast<double>(state.*HeatInputs[I]->Value) * HeatInputs[I]->HeatPerUnit));
}

}  // namespace internal

inline PowerTerms PowerTermsOf(const CalculatorState& state, float roomVolume)
{
    PowerTerms terms{};
    terms.Volume = static_cast<double>(roomVolume) * static_cast<double>(state.WindowFactor);
    for (std::size_t i = 0; i < HeatInputs.size(); ++i) {
        terms.Inputs[i] = static_cast<double>(state.*HeatInputs[i]->Value) * HeatInputs[i]->HeatPerUnit;
    }
    terms.Sum = internal::SumOf(state, roomVolume, std::make_index_sequence<HeatInputCount>());
    return terms;
}

// Room volume and the required power:
//   CoolingPower = (RoomVolume × WindowFactor + each heat input × its heat
//                   per unit, in the table's order) × 0.001 kW,
// summed left to right in double precision and rounded to single once per
// stored value. A room without a positive volume shows no power. A volume or
// power beyond single precision leaves both results at 0 and both texts
// empty, so nothing computed from an overflowed number is ever shown.
ResultTexts Recalculate(CalculatorState& state, const NumberLocale& locale);

}  // namespace acpower

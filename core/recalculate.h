#pragma once

#include "core/calculator_state.h"
#include "numbers/number_locale.h"

#include <string>

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

inline constexpr float HeatPerPerson = 100.0F;    // W
inline constexpr float HeatPerComputer = 300.0F;  // W
inline constexpr double ApplianceHeatShare = 0.3;
inline constexpr double WattsToKilowatts = 0.001;

// The four heat flows into the room, in watts, and their sum, as the
// required power adds them up: in double precision, left to right.
struct PowerTerms {
    double Volume;  // room volume × the window side's factor
    double People;
    double Computers;
    double Appliances;
    double Sum;
};

inline PowerTerms PowerTermsOf(const CalculatorState& state, float roomVolume)
{
    PowerTerms terms{};
    terms.Volume = static_cast<double>(roomVolume) * static_cast<double>(state.WindowFactor);
    terms.People = static_cast<double>(state.PeopleCount) * static_cast<double>(HeatPerPerson);
    terms.Computers = static_cast<double>(state.ComputerCount) * static_cast<double>(HeatPerComputer);
    terms.Appliances = static_cast<double>(state.AppliancePower) * ApplianceHeatShare;
    terms.Sum = terms.Volume + terms.People + terms.Computers + terms.Appliances;
    return terms;
}

// Room volume and the required power:
//   CoolingPower = (RoomVolume × WindowFactor + PeopleCount × 100
//                   + ComputerCount × 300 + AppliancePower × 0.3) × 0.001 kW,
// summed left to right in double precision and rounded to single once per
// stored value. A room without a positive volume shows no power. A volume or
// power beyond single precision leaves both results at 0 and both texts
// empty, so nothing computed from an overflowed number is ever shown.
ResultTexts Recalculate(CalculatorState& state, const NumberLocale& locale);

}  // namespace acpower

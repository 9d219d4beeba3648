#include "core/recalculate.h"

#include "numbers/number_format.h"
#include "numbers/single_precision.h"

#include <optional>

namespace acpower {
namespace {

ResultTexts Overflowed(CalculatorState& state)
{
    state.RoomVolume = 0.0F;
    state.CoolingPower = 0.0F;
    return {};
}

}  // namespace

const std::u16string& TextOf(const ResultTexts& texts, Result result)
{
    return result == Result::Volume ? texts.Volume : texts.Power;
}

PowerTerms PowerTermsOf(const CalculatorState& state, float roomVolume)
{
    PowerTerms terms{};
    terms.Volume = static_cast<double>(roomVolume) * static_cast<double>(state.WindowFactor);
    terms.People = static_cast<double>(state.PeopleCount) * static_cast<double>(HeatPerPerson);
    terms.Computers = static_cast<double>(state.ComputerCount) * static_cast<double>(HeatPerComputer);
    terms.Appliances = static_cast<double>(state.AppliancePower) * ApplianceHeatShare;
    terms.Sum = terms.Volume + terms.People + terms.Computers + terms.Appliances;
    return terms;
}

ResultTexts Recalculate(CalculatorState& state, const NumberLocale& locale)
{
    const double product = static_cast<double>(state.CeilingHeight) * static_cast<double>(state.Area);
    const std::optional<float> volume = NarrowToSingle(product);
    if (!volume) {
        return Overflowed(state);
    }
    const std::optional<float> power = NarrowToSingle(PowerTermsOf(state, *volume).Sum * WattsToKilowatts);
    if (!power) {
        return Overflowed(state);
    }
    state.RoomVolume = *volume;
    state.CoolingPower = *power;

    ResultTexts texts{DisplayText(state.RoomVolume, locale), DisplayText(state.CoolingPower, locale)};
    if (!(state.RoomVolume > 0.0F)) {
        texts.Power.clear();
    }
    return texts;
}

}  // namespace acpower

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

ResultTexts Recalculate(CalculatorState& state, const NumberLocale& locale)
{
    const double product = static_cast<double>(state.CeilingHeight) * static_cast<double>(state.Area);
    const std::optional<float> volume = NarrowToSingle(product);
    if (!volume) {
        return Overflowed(state);
    }
    double sum = static_cast<double>(*volume) * static_cast<double>(state.WindowFactor);
    sum += static_cast<double>(state.PeopleCount) * static_cast<double>(HeatPerPerson);
    sum += static_cast<double>(state.ComputerCount) * static_cast<double>(HeatPerComputer);
    sum += static_cast<double>(state.AppliancePower) * ApplianceHeatShare;
    const std::optional<float> power = NarrowToSingle(sum * WattsToKilowatts);
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

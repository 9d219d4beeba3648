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

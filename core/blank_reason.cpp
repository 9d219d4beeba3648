#include "core/blank_reason.h"

#include "core/inputs.h"
#include "core/recalculate.h"
#include "numbers/single_precision.h"

#include <optional>

namespace acpower {

std::u16string BlankPowerReason(const CalculatorState& state)
{
    const std::u16string opening = u"Мощность не рассчитана: ";
    // Recalculate leaves the entered values in place when it refuses an
    // overflow, so the same steps tell that case from a room without volume.
    const double product = static_cast<double>(state.CeilingHeight) * static_cast<double>(state.Area);
    const std::optional<float> volume = NarrowToSingle(product);
    const bool tooLarge = !volume || !NarrowToSingle(PowerTermsOf(state, *volume).Sum * WattsToKilowatts);
    if (tooLarge) {
        return opening + u"числа слишком велики для расчета.";
    }
    for (const Input& input : Inputs) {
        if (input.Role != InputRole::VolumePart) {
            continue;
        }
        const float value = state.*input.Value;
        if (value == 0.0F) {
            return opening + u"не указана " + std::u16string(input.Name) + u".";
        }
        if (!(value > 0.0F)) {
            return opening + std::u16string(input.Name) + u" меньше нуля.";
        }
    }
    // Both sides positive, yet their product too small for single precision.
    return opening + u"объем помещения слишком мал.";
}

}  // namespace acpower

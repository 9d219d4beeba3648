#include "core/hints.h"

#include "core/blank_reason.h"

#include "numbers/number_format.h"

namespace acpower {
namespace {

// Inputs and watts with up to two decimals: enough to tell 2,25 people from
// 2,2, and a fraction of a watt says nothing more.
constexpr int HintDecimals = 2;

bool IsHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// Control characters and the marks that change the direction of text: a
// pasted right-to-left override must not reorder the words around the quote.
bool ShownAsSpace(char16_t unit)
{
    const bool control = unit < 0x20 || unit == 0x7F || unit == 0x2028 || unit == 0x2029;
    const bool direction = unit == 0x200E || unit == 0x200F || (unit >= 0x202A && unit <= 0x202E)
        || (unit >= 0x2066 && unit <= 0x2069) || unit == 0x061C;
    return control || direction;
}

std::u16string Quoted(std::u16string_view text)
{
    std::u16string_view shown = text;
    bool cut = false;
    if (text.size() > NoticeQuoteLength) {
        std::size_t keep = NoticeQuoteLength - 1;
        // Never split a character made of two UTF-16 units.
        if (IsHighSurrogate(text[keep - 1])) {
            --keep;
        }
        shown = text.substr(0, keep);
        cut = true;
    }
    std::u16string quote = u"«";
    for (const char16_t unit : shown) {
        quote.push_back(ShownAsSpace(unit) ? u' ' : unit);
    }
    if (cut) {
        quote += u"…";
    }
    quote += u"»";
    return quote;
}

std::u16string Number(double value, const NumberLocale& locale)
{
    return GroupedText(value, HintDecimals, locale);
}

}  // namespace

std::u16string EmptiedBoxNotice(std::u16string_view text, ParseStatus why)
{
    const std::u16string_view what = why == ParseStatus::OutOfRange
        ? std::u16string_view(u" — слишком большое число; поле очищено")
        : std::u16string_view(u" — не число; поле очищено");
    return Quoted(text) + std::u16string(what);
}

std::u16string RestoreHint(std::u16string_view restorable)
{
    if (restorable.empty()) {
        return {};
    }
    return u"; Ctrl+Z — вернуть " + Quoted(restorable);
}

std::u16string RestoreByButtonHint(std::u16string_view restorable)
{
    if (restorable.empty()) {
        return {};
    }
    return u"; кнопка «" + std::u16string(RestoreButtonCaption) + u"» ниже вернет " + Quoted(restorable);
}

const SplitSystemClass* SmallestCoveringClass(float kilowatts)
{
    for (const SplitSystemClass& each : SplitSystemClasses) {
        // Compared in single precision, as the power is held: a power that is
        // the single nearest a class's capacity is covered by that class.
        if (kilowatts <= static_cast<float>(each.NominalKilowatts)) {
            return &each;
        }
    }
    return nullptr;
}

std::u16string VolumeHint(const CalculatorState& state, const ResultTexts& shown, const NumberLocale& locale)
{
    if (shown.Volume.empty()) {
        return {};
    }
    const Input& area = InputOf(EntryField::Area);
    const Input& height = InputOf(EntryField::CeilingHeight);
    return u"Объем помещения: " + shown.Volume + u" куб. м\n" + Number(state.Area, locale) + std::u16string(area.Unit)
        + u" × " + Number(state.CeilingHeight, locale) + std::u16string(height.Unit);
}

std::u16string PowerHint(const CalculatorState& state, const ResultTexts& shown, const NumberLocale& locale)
{
    if (shown.Power.empty()) {
        return BlankPowerReason(state);
    }
    const PowerTerms terms = PowerTermsOf(state, state.RoomVolume);
    const double btu = static_cast<double>(state.CoolingPower) * BtuPerHourPerKilowatt;

    std::u16string hint = u"Мощность кондиционера: " + shown.Power + u" кВт\n";
    hint += u"Из чего она складывается:\n";
    hint += u"объем " + Number(state.RoomVolume, locale) + u" куб. м × " + Number(state.WindowFactor, locale)
        + u" Вт/куб. м = " + Number(terms.Volume, locale) + u" Вт\n";
    for (std::size_t i = 0; i < HeatInputs.size(); ++i) {
        const Input& input = *HeatInputs[i];
        hint += std::u16string(input.HeatName) + u" " + Number(state.*input.Value, locale) + std::u16string(input.Unit)
            + u" × " + Number(input.HeatPerUnit, locale) + std::u16string(input.HeatUnit) + u" = "
            + Number(terms.Inputs[i], locale) + u" Вт\n";
    }
    hint += u"итого " + Number(terms.Sum, locale) + u" Вт\n";
    hint += u"Это " + GroupedText(btu, 0, locale) + u" BTU/ч (1 кВт = " + Number(BtuPerHourPerKilowatt, locale)
        + u" BTU/ч)\n";

    if (!(state.CoolingPower > 0.0F)) {
        hint += u"Тепла в помещение не поступает: кондиционер не нужен.";
        return hint;
    }
    const SplitSystemClass* fits = SmallestCoveringClass(state.CoolingPower);
    if (fits == nullptr) {
        const SplitSystemClass& largest = SplitSystemClasses.back();
        hint += u"Это больше, чем дает бытовая сплит-система самого мощного класса " + std::u16string(largest.Name)
            + u" (" + Number(largest.NominalKilowatts, locale)
            + u" кВт): нужно несколько кондиционеров или система большей мощности.";
        return hint;
    }
    hint += u"Подойдет сплит-система класса " + std::u16string(fits->Name) + u" ("
        + Number(fits->NominalKilowatts, locale) + u" кВт).";
    return hint;
}

std::u16string HintOf(Result result, const CalculatorState& state, const ResultTexts& shown, const NumberLocale& locale)
{
    return result == Result::Volume ? VolumeHint(state, shown, locale) : PowerHint(state, shown, locale);
}

}  // namespace acpower

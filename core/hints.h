#pragma once

#include "core/calculator_state.h"
#include "core/recalculate.h"
#include "numbers/number_locale.h"
#include "numbers/number_parse.h"

#include <array>
#include <string>
#include <string_view>

namespace acpower {

// The words both windows show around the boxes: the notice when the entry
// rule empties a box, and the hover texts of the two result boxes. Made here,
// from the engine's own values, so that every window says the same thing.

// How long a window leaves a notice up, unless the next keystroke takes it.
inline constexpr int NoticeMilliseconds = 4000;

// How long the hover text of a result box stays when the keyboard reaches
// the box, unless a key or the focus moves on first.
inline constexpr int HintMilliseconds = 15000;

// At most this many characters of the refused text are quoted.
inline constexpr std::size_t NoticeQuoteLength = 16;

// «2,8x» — не число; поле очищено. The quote is cut short with "…" and shows
// control characters as spaces, so a pasted page makes a one-line notice.
std::u16string EmptiedBoxNotice(std::u16string_view text, ParseStatus why);

// What the notice adds when the box's undo brings a number back:
// "; Ctrl+Z — вернуть «2,8»"; empty when there is none.
std::u16string RestoreHint(std::u16string_view restorable);

// The caption of the button a touch screen's notice brings the number back
// with, and what such a notice adds in place of RestoreHint, naming the
// button rather than a key the screen has not: "; кнопка «Вернуть» ниже
// вернет «2,8»"; empty when there is none.
inline constexpr std::u16string_view RestoreButtonCaption = u"Вернуть";
std::u16string RestoreByButtonHint(std::u16string_view restorable);

// Household split systems are sold by class, the nominal cooling capacity in
// thousands of BTU/h.
struct SplitSystemClass {
    std::u16string_view Name;
    double NominalKilowatts;
};

inline constexpr std::array<SplitSystemClass, 7> SplitSystemClasses{{
    {u"07", 2.05},
    {u"09", 2.64},
    {u"12", 3.52},
    {u"18", 5.28},
    {u"24", 7.03},
    {u"30", 8.79},
    {u"36", 10.55},
}};

inline constexpr double BtuPerHourPerKilowatt = 3412.14;

// The smallest class whose nominal capacity covers the power, or nullptr when
// even the largest one does not.
const SplitSystemClass* SmallestCoveringClass(float kilowatts);

// The volume box's whole text and what it is made of; empty while the box is.
std::u16string VolumeHint(const CalculatorState& state, const ResultTexts& shown, const NumberLocale& locale);

// The power box's whole text, the four terms of the sum in watts, the power
// in BTU/h and the class to buy; while the power box is blank, why it is.
std::u16string PowerHint(const CalculatorState& state, const ResultTexts& shown, const NumberLocale& locale);

// The hover text of the result box that shows the given result.
std::u16string HintOf(Result result, const CalculatorState& state, const ResultTexts& shown,
                      const NumberLocale& locale);

}  // namespace acpower

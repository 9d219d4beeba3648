#pragma once

#include "core/calculator_state.h"
#include "core/entry_rules.h"
#include "core/inputs.h"
#include "core/recalculate.h"
#include "core/window_side.h"
#include "numbers/number_locale.h"

#include <array>
#include <string>
#include <string_view>

namespace acpower {

// The engine behind the window: one state and the locale its texts use. The
// window forwards each notification here and shows what comes back.
class Calculator {
public:
    explicit Calculator(NumberLocale locale);

    // Judges the whole text of an entry box after every change: a number is
    // stored in the box's field; anything else, including a number beyond
    // single precision, stores 0 and asks for the box to be emptied. Then
    // recalculates. Also remembers the box's last number, so that a wrong key
    // loses only itself: the outcome of an emptying offers that number back.
    EntryOutcome AcceptNumericEntry(EntryField field, std::u16string_view text);
    // Takes the factor of the picked side, then recalculates.
    ResultTexts ApplyWindowSide(WindowSide side);
    // The start-up choice: the shady factor. Gives the side the selector must
    // show; it does not recalculate.
    WindowSide SelectShadySide();

    // The hover text of a result box as it stands after the last
    // recalculation: for a blank power, why it is blank; nothing before the
    // first recalculation, since nothing has been calculated to explain.
    std::u16string Hint(Result result) const;

    // The results as the last entry or pick left them, which a pick of no
    // side, as a page's list can send, leaves as they are.
    const ResultTexts& Shown() const;
    const CalculatorState& State() const;
    const NumberLocale& Locale() const;
    // What a box holds after its last entry: the number as typed, or nothing
    // once the rule refused the text; the account quotes it as the user sees it.
    const std::u16string& Text(EntryField field) const;
    WindowSide Side() const;

private:
    CalculatorState state_;
    ResultTexts shown_;
    struct Remembered {
        std::u16string LastNumber;
        // The box's next empty text is the emptying asked for, which keeps
        // the number; emptied by hand, the box forgets it, so that it never
        // offers back a number from before.
        bool Emptying = false;
    };
    // By EntryField.
    std::array<Remembered, Inputs.size()> remembered_;
    // By EntryField.
    std::array<std::u16string, Inputs.size()> texts_;
    WindowSide side_ = WindowSide::Shady;
    bool calculated_ = false;
    NumberLocale locale_;
};

}  // namespace acpower

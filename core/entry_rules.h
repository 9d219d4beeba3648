#pragma once

#include "core/inputs.h"
#include "core/recalculate.h"

#include <string>

namespace acpower {

struct EntryOutcome {
    // The box's text is not a number and must be emptied. Emptying it changes
    // the text again, and that change runs the entry rule once more on "".
    bool ClearBox = false;
    // What the window tells the user at the box it empties; empty otherwise.
    std::u16string Notice;
    // The last number the box held before the text emptied, which the box's
    // own undo must bring back, since emptying it wipes the box's history;
    // empty for none.
    std::u16string Restorable;
    ResultTexts Results;
};

}  // namespace acpower

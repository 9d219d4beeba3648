#pragma once

// The rows of the behaviour table: each a room to start from, then steps
// that act on the window and read from it.

#include "core/inputs.h"
#include "tests/support/behaviour_table.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace acpower::test {

enum class Verb { Type, Set, Paste, UndoFromMenu, Pick, Click, Close, CopyByKeys, CopyFromMenu, Read };

enum class Match {
    Whole,
    Part,  // the seen text holds the expected one
};

// One thing done to the window, and what is read from it right after.
struct Step {
    Verb Do;
    std::string_view Control;
    std::u16string Input;  // the keys typed, or the whole text set or pasted
    int Position;          // of the selector's entry picked
    Reading What;          // None: nothing is read
    std::u16string Expected;
    Match How;
};

using RoomTexts = std::array<std::u16string_view, Inputs.size()>;

struct Row {
    const char* Name;
    std::optional<RoomTexts> Given;  // set into the entry boxes first; none keeps the window as it is
    std::vector<Step> Steps;
    // Why a web page cannot do what the row does; empty: every window runs
    // it. The desktop windows run every row all the same.
    std::string_view DesktopOnly{};
};

std::vector<Row> BehaviourRows();

// The rows as single deeds and single readings, which is all a window's
// runner must do, whatever language it is written in: the room given becomes
// the boxes set, a reading after each key becomes one reading a key, the two
// results two readings, and the pages opened since the last look every page
// opened so far. Rows only a desktop window runs are left out unless asked
// for; left out, they keep their reason and lose their steps.
std::vector<Row> PlainRows(bool withDesktopOnly);

}  // namespace acpower::test

#include "form/bindings.h"
#include "form/colours.h"
#include "form/form1.h"
#include "form/placement.h"
#include "tests/support/row_runner.h"

#include <string>
#include <string_view>

namespace acpower::test {
namespace {

using form::Rgb;
using form::ScreenRect;
using form::Theme;

struct PlacementRow {
    const char* Name;
    bool Centred;     // the window at start-up, else a note at its place
    ScreenRect Rect;  // only the size counts for a centred window
    ScreenRect Area;
    int Left;
    int Top;
};

struct ThemeRow {
    const char* Name;
    Theme Colours;  // window, window text, box, box text
    bool Reads;
};

// Names joined by spaces.
void Add(std::string& names, std::string_view name)
{
    names += (names.empty() ? "" : " ") + std::string(name);
}

// Tab's reading order: the entry boxes as their inputs come, the side, the
// results, then the brand halves as the table lists them, left to right.
std::string ReadingOrder()
{
    std::string order;
    for (const form::EntryBinding& entry : form::EntryBoxes) {
        Add(order, entry.Box);
    }
    Add(order, form::SideSelector);
    for (const form::ResultBinding& result : form::ResultBoxes) {
        Add(order, result.Box);
    }
    for (const form::Control& control : form::Form1Controls) {
        if (control.Link) {
            Add(order, control.Name);
        }
    }
    return order;
}

}  // namespace

// The window rules that hold for every toolkit: the keyboard's order, where
// the window opens and whether the form's colours can be read on a theme.
void RunFormRows()
{
    constexpr ScreenRect screen{0, 0, 1024, 768};
    constexpr ScreenRect window{0, 0, 577, 222};
    constexpr Rgb black{0, 0, 0};
    constexpr Rgb white{255, 255, 255};
    // clang-format off
    constexpr PlacementRow placements[] = {
        {"centred", true, window, screen, 223, 273},
        {"wider than the area, as at scale factor 2", true, window, {0, 0, 512, 384}, 0, 81},
        {"taller than a screen left of the primary", true, window, {-1024, 0, 1024, 200}, -801, 0},
        {"far out on a huge desktop", true, window, {2147483000, 0, 600, 300}, 2147483011, 39},
        {"a note past the bottom right corner", false, {1000, 760, 100, 20}, screen, 924, 748},
        {"a note wider than the screen", false, {300, -10, 2000, 20}, screen, 0, 0},
    };
    // Also a check of the WCAG formula, pinned where red on grey crosses 3 : 1.
    constexpr ThemeRow themes[] = {
        {"the classic look it falls back to", form::ClassicLight, true},
        {"a light theme", {{239, 239, 239}, black, white, black}, true},
        {"a dark theme", {{53, 53, 53}, white, {42, 42, 42}, white}, false},
        {"a dark high-contrast theme", {black, white, black, {255, 255, 0}}, false},
        {"the lightest grey face the red captions fail on", {{222, 222, 222}, black, white, black}, false},
        {"one step lighter, they read at 3.0004 : 1", {{223, 223, 223}, black, white, black}, true},
        {"a light face too dark for the red captions", {{212, 208, 200}, black, white, black}, false},
    };
    // clang-format on
    StartRow("keyboard order", "Tab visits the controls in reading order");
    std::string tab;
    for (const form::Control* control : form::TabOrder()) {
        Add(tab, control->Name);
    }
    CheckEqual("order", ReadingOrder(), tab);
    EndRow();
    RunRows("placement", placements, [](const PlacementRow& row) {
        const ScreenRect placed = row.Centred ? form::PlaceCentred(row.Rect.Width, row.Rect.Height, row.Area)
                                              : form::MovedInto(row.Rect, row.Area);
        CheckEqual("left", row.Left, placed.Left);
        CheckEqual("top", row.Top, placed.Top);
        CheckEqual("width", row.Rect.Width, placed.Width);
        CheckEqual("height", row.Rect.Height, placed.Height);
    });
    RunRows("theme", themes,
            [](const ThemeRow& row) { CheckEqual("reads", row.Reads, form::FormReadsOn(row.Colours)); });
}

}  // namespace acpower::test

#pragma once

// The page carries its icon and cursor inside itself; these read the
// Windows files they come in.

#include <optional>
#include <string>
#include <string_view>

namespace acpower::page {

// An icon file holding only its images of at most `largest` pixels a side,
// which is all a browser tab shows; none if the file is not an icon or has
// no such image.
std::optional<std::string> SmallIcons(std::string_view icon, int largest);

struct HotSpot {
    int X;
    int Y;
};

// Where a cursor file's first image points; none if it is not a cursor.
std::optional<HotSpot> CursorHotSpot(std::string_view cursor);

}  // namespace acpower::page

#pragma once

namespace acpower::form {

// A rectangle on the desktop in whatever pixels the window toolkit uses.
struct ScreenRect {
    int Left;
    int Top;
    int Width;
    int Height;

    constexpr bool operator==(const ScreenRect& other) const
    {
        return Left == other.Left && Top == other.Top && Width == other.Width && Height == other.Height;
    }
};

// The rectangle moved, not resized, so that no edge sticks out of the area.
// One larger than the area cannot fit; it keeps its top-left corner in the
// area, for that is where a window's title bar and system menu are, so it
// can still be moved, and where a note's text begins.
ScreenRect MovedInto(const ScreenRect& rect, const ScreenRect& area);

// Where a window of the given outer size opens within the screen's available
// area: centred, then moved in as above.
ScreenRect PlaceCentred(int width, int height, const ScreenRect& area);

}  // namespace acpower::form

#include "form/placement.h"

#include <algorithm>

namespace acpower::form {
namespace {

// One axis. Widened first: an area at the far end of a large virtual desktop
// plus its extent may leave int's range.
int MovedInto(long long start, int size, int areaStart, int areaExtent)
{
    const long long first = areaStart;
    const long long last = first + areaExtent - size;  // the furthest start that still fits
    return static_cast<int>(std::max(first, std::min(start, last)));
}

long long Centred(int size, int areaStart, int areaExtent)
{
    return areaStart + (static_cast<long long>(areaExtent) - size) / 2;
}

}  // namespace

ScreenRect MovedInto(const ScreenRect& rect, const ScreenRect& area)
{
    return ScreenRect{MovedInto(rect.Left, rect.Width, area.Left, area.Width),
                      MovedInto(rect.Top, rect.Height, area.Top, area.Height), rect.Width, rect.Height};
}

ScreenRect PlaceCentred(int width, int height, const ScreenRect& area)
{
    return ScreenRect{MovedInto(Centred(width, area.Left, area.Width), width, area.Left, area.Width),
                      MovedInto(Centred(height, area.Top, area.Height), height, area.Top, area.Height), width, height};
}

}  // namespace acpower::form

#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace acpower {

// The side of the building the room's windows face; the sun's side brings
// more heat in.
enum class WindowSide {
    Sunny,
    Shady,
};

struct WindowSideEntry {
    WindowSide Side;
    // Finishes the sentence "Окна выходят на … сторону".
    std::u16string_view Text;
    float WattsPerCubicMetre;
};

inline constexpr float SunnySideFactor = 40.0F;  // W per m³
inline constexpr float ShadySideFactor = 30.0F;  // W per m³

// The selector's entries in the order it lists them, and the factor each
// one stands for: the list and the formula both read this one table.
inline constexpr std::array<WindowSideEntry, 2> WindowSides{{
    {WindowSide::Sunny, u"солнечную", SunnySideFactor},
    {WindowSide::Shady, u"теневую", ShadySideFactor},
}};

constexpr std::size_t IndexOf(WindowSide side)
{
    std::size_t index = 0;
    while (index + 1 < WindowSides.size() && WindowSides[index].Side != side) {
        ++index;
    }
    return index;
}

constexpr const WindowSideEntry& EntryOf(WindowSide side)
{
    return WindowSides[IndexOf(side)];
}

// The side at a position of the selector's list; none for a position the
// list does not have, such as the "no selection" a list control reports.
constexpr std::optional<WindowSide> SideAt(std::ptrdiff_t index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= WindowSides.size()) {
        return std::nullopt;
    }
    return WindowSides[static_cast<std::size_t>(index)].Side;
}

}  // namespace acpower

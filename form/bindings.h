#pragma once

// Which control of the form feeds or shows which value of the engine; both
// windows wire their notifications from this one list.

#include "core/entry_rules.h"

#include <array>
#include <string_view>

namespace acpower::form {

struct EntryBinding {
    std::string_view Box;
    EntryField Field;
};

inline constexpr std::array<EntryBinding, 5> EntryBoxes{{
    {"Text1", EntryField::Area},
    {"Text2", EntryField::CeilingHeight},
    {"Text3", EntryField::PeopleCount},
    {"Text4", EntryField::ComputerCount},
    {"Text5", EntryField::AppliancePower},
}};

inline constexpr std::string_view VolumeBox = "Text6";
inline constexpr std::string_view PowerBox = "Text7";
inline constexpr std::string_view SideSelector = "Combo1";

}  // namespace acpower::form

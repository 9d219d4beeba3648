#pragma once

// Which control of the form feeds or shows which value of the engine; every
// window wires its notifications from these lists. Each name is checked
// against the form table as the program is compiled.

#include "core/inputs.h"
#include "core/recalculate.h"
#include "form/form1.h"

#include <array>
#include <string_view>

namespace acpower::form {

struct EntryBinding {
    std::string_view Box;
    EntryField Field;
};

inline constexpr std::array<EntryBinding, AllEntryFields.size()> EntryBoxes{{
    {"Text1", EntryField::Area},
    {"Text2", EntryField::CeilingHeight},
    {"Text3", EntryField::PeopleCount},
    {"Text4", EntryField::ComputerCount},
    {"Text5", EntryField::AppliancePower},
}};

struct ResultBinding {
    std::string_view Box;
    Result Shows;  // its text and its hover text
};

inline constexpr std::array<ResultBinding, 2> ResultBoxes{{
    {"Text6", Result::Volume},
    {"Text7", Result::Power},
}};

inline constexpr std::string_view SideSelector = "Combo1";

constexpr bool EntryBoxesBound()
{
    for (std::size_t i = 0; i < EntryBoxes.size(); ++i) {
        if (!NamesA(EntryBoxes[i].Box, ControlKind::EntryBox) || EntryBoxes[i].Field != AllEntryFields[i]) {
            return false;
        }
    }
    return true;
}

constexpr bool ResultBoxesBound()
{
    for (const ResultBinding& binding : ResultBoxes) {
        if (!NamesA(binding.Box, ControlKind::ResultBox)) {
            return false;
        }
    }
    return ResultBoxes[0].Shows == Result::Volume && ResultBoxes[1].Shows == Result::Power;
}

static_assert(EntryBoxesBound(), "every entry field, in order, bound to an entry box of the form");
static_assert(ResultBoxesBound(), "each result bound to a result box of the form");
static_assert(NamesA(SideSelector, ControlKind::Selector), "the side selector is a selector of the form");

}  // namespace acpower::form

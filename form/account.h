#pragma once

#include "core/calculator.h"

#include <string>
#include <string_view>

namespace acpower::form {

// The step that puts the account on the clipboard, as every desktop window
// names it in its menus, and the keys that take it from anywhere in the
// window; Ctrl+C stays the boxes' own copy of their text.
inline constexpr std::u16string_view CopyAccountCommand = u"Скопировать расчёт";
inline constexpr std::u16string_view CopyAccountKeys = u"Ctrl+Shift+C";

// The whole calculation as plain text, to hand to someone else: the title,
// each box's caption and text, the side, both results, how the power is made
// up (or why it is blank), the company page and the version. Every window
// copies this same text.
std::u16string Account(const Calculator& calculator);

}  // namespace acpower::form

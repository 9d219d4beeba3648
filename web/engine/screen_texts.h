#pragma once

// What the web edition changes in the engine's texts for the screens a page
// meets, where the desktop windows always have a keyboard.

#include <string>
#include <string_view>

namespace acpower::web {

// The notice of an emptied box on a touch screen, which has no undo key:
// the part that names Ctrl+Z names the notice's button instead.
std::u16string TouchNotice(std::u16string_view notice, std::u16string_view restorable);

}  // namespace acpower::web

#pragma once

// windows.h first: the other Windows headers build on it.
#include <windows.h>

namespace acpower::win32 {

// Lets a caption that is a link be used from the keyboard as a click uses it:
// Enter or Space on it tells the parent STN_CLICKED, and it is redrawn as it
// takes and loses the focus, so that its owner can draw the focus mark.
void MakeKeyboardLink(HWND caption);

}  // namespace acpower::win32

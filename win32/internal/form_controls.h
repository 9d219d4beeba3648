#pragma once

#include "form/form1.h"

// windows.h first: the other Windows headers build on it.
#include <windows.h>

namespace acpower::win32 {

// Makes one control of the form table as a child of `parent`, where the form
// places it at the display's DPI, with its class, styles and font. Null if
// the system refused.
HWND CreateFormControl(HWND parent, HINSTANCE instance, const form::Control& control, int dotsPerInch, HFONT font);

}  // namespace acpower::win32

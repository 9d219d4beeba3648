#pragma once

#include "form/colours.h"

#include <windows.h>

namespace acpower::win32 {

// The form's colours against GDI's: the window paints with them, and the
// tests read the drawn pixels back.
inline COLORREF ColourOf(const form::Rgb& colour)
{
    return RGB(colour.Red, colour.Green, colour.Blue);
}

inline form::Rgb RgbOf(COLORREF colour)
{
    return form::Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

}  // namespace acpower::win32

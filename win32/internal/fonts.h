#pragma once

#include "form/form1.h"
#include "win32/internal/unique_handle.h"

namespace acpower::win32 {

// A GDI font of a face of the form at the display's DPI.
UniqueFont CreateFormFont(const form::Font& font, int dotsPerInch);

// The LOGFONT height (negative: the character height, without internal
// leading) of a face of so many hundredths of a point.
int FontHeight(int centiPoints, int dotsPerInch);

}  // namespace acpower::win32

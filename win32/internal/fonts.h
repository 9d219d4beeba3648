#pragma once

#include "form/form1.h"

#include <windows.h>

namespace acpower::win32 {

// Owns one GDI font made from a face of the form at the display's DPI.
class FormFont {
public:
    explicit FormFont(const form::Font& font, int dotsPerInch);
    ~FormFont();
    FormFont(const FormFont&) = delete;
    FormFont& operator=(const FormFont&) = delete;

    HFONT Handle() const;

private:
    HFONT font_;
};

// The LOGFONT height (negative: the character height, without internal
// leading) of a face of so many hundredths of a point.
int FontHeight(int centiPoints, int dotsPerInch);

}  // namespace acpower::win32

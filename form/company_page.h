#pragma once

#include "app_info.h"

#include <string_view>

namespace acpower {

// The company's page, on its own web site. Both brand halves open it on a
// click, and every closing of the window opens it again.
inline constexpr std::u16string_view CompanyPageAddress = u"" ACPOWER_COMPANY_PAGE;

// Hands the company page to the desktop's default browser and returns at
// once; each window defines it with its own toolkit's call. The outcome is deliberately ignored: no browser or no
// network must never get in the way of the calculator, nor of closing it.
void OpenCompanyPage();

}  // namespace acpower

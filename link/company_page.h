#pragma once

#include "app_info.h"

namespace acpower {

// The company's page, on its own web site.
inline constexpr char CompanyPageAddress[] = ACPOWER_COMPANY_SITE "/sah1.htm";

// Hands the page to the desktop's default browser and returns at once. The
// outcome is deliberately ignored: no browser or no network must never get in
// the way of the calculator, nor of closing it.
void OpenCompanyPage();

}  // namespace acpower

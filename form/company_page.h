#pragma once

#include "app_info.h"

#include <string_view>

namespace acpower {

// The company's page, on its own web site. Both brand halves open it on a
// click, and every closing of the window opens it again; each window opens
// it with its own toolkit's call (OpenCompanyPage).
inline constexpr std::u16string_view CompanyPageAddress = u"" ACPOWER_COMPANY_PAGE;

}  // namespace acpower

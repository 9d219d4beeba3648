#include "win32/internal/open_page.h"

#include "form/company_page.h"

#include "win32/internal/wide_text.h"

// windows.h first: the other Windows headers build on it.
#include <windows.h>

#include <shellapi.h>

#include <string>

namespace acpower {

void OpenCompanyPage()
{
    // The wide call: the address reaches the shell without a code page in
    // between. Its result is ignored on purpose (see the declaration).
    const std::u16string address(CompanyPageAddress);
    ShellExecuteW(nullptr, L"open", win32::Wide(address), L"", L"c:\\", SW_SHOWNORMAL);
}

}  // namespace acpower

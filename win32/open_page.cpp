#include "form/company_page.h"

#include "win32/internal/wide_text.h"

// windows.h first: the other Windows headers build on it.
#include <windows.h>

#include <string>

namespace acpower {
namespace {

// By its full path in the system folder, so that no shell32.dll beside the
// program is loaded in its place.
HMODULE LoadShell()
{
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
    if (length == 0 || length >= path.size()) {
        return nullptr;
    }
    path.resize(length);
    return LoadLibraryW((path + L"\\shell32.dll").c_str());
}

}  // namespace

void OpenCompanyPage()
{
    // The shell is loaded when the page is first opened rather than with the
    // program, whose start it slowed with the libraries it brings. It stays
    // loaded, as an imported library would, for what the call sets going.
    static const HMODULE shell = LoadShell();
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    // Through a function type of no arguments, which any function pointer
    // may be cast to and back.
    const auto shellExecute = shell == nullptr
        ? nullptr
        : reinterpret_cast<ShellExecuteFunction>(reinterpret_cast<void (*)()>(GetProcAddress(shell, "ShellExecuteW")));
    if (shellExecute == nullptr) {
        return;
    }
    // The wide call: the address reaches the shell without a code page in
    // between. Its result is ignored on purpose (see the declaration).
    const std::u16string address(CompanyPageAddress);
    shellExecute(nullptr, L"open", win32::Wide(address), L"", L"c:\\", SW_SHOWNORMAL);
}

}  // namespace acpower

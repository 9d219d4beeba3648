#include "program_under_test.h"

#include "form/form1.h"

namespace acpower::win32::test {
namespace {

constexpr DWORD StartTimeoutMs = 30000;

const wchar_t* Wide(const std::u16string& text)
{
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(std::wstring path)
    : path_(std::move(path))
{
}

ProgramUnderTest::~ProgramUnderTest()
{
    if (process_.hProcess != nullptr) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

bool ProgramUnderTest::Start()
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + path_ + L"\"";
    if (!CreateProcessW(path_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_)) {
        return false;
    }
    WaitForInputIdle(process_.hProcess, StartTimeoutMs);
    const std::u16string title(form::Form1.Title);
    const DWORD started = GetTickCount();
    while (GetTickCount() - started < StartTimeoutMs) {
        window_ = FindWindowW(nullptr, Wide(title));
        if (window_ != nullptr && IsWindowVisible(window_)) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

HWND ProgramUnderTest::Window() const
{
    return window_;
}

HWND ProgramUnderTest::Control(std::string_view name) const
{
    return GetDlgItem(window_, form::FindControl(name)->Id);
}

std::u16string ProgramUnderTest::Text(std::string_view name) const
{
    const HWND control = Control(name);
    const auto length = static_cast<size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
    std::u16string text(length + 1, u'\0');
    const auto copied = SendMessageW(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

void ProgramUnderTest::SetText(std::string_view name, std::u16string_view text) const
{
    const std::u16string copy(text);
    SendMessageW(Control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(copy)));
}

void ProgramUnderTest::Type(std::string_view name, std::u16string_view keys) const
{
    const HWND box = Control(name);
    SendMessageW(box, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    for (const char16_t key : keys) {
        SendMessageW(box, WM_CHAR, key, 1);
    }
}

void ProgramUnderTest::Paste(std::string_view name, std::u16string_view text) const
{
    const size_t bytes = (text.size() + 1) * sizeof(char16_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    auto* target = static_cast<char16_t*>(GlobalLock(memory));
    text.copy(target, text.size());
    target[text.size()] = u'\0';
    GlobalUnlock(memory);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();

    const HWND box = Control(name);
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, WM_PASTE, 0, 0);
}

void ProgramUnderTest::Pick(int moves) const
{
    const HWND selector = Control("Combo1");
    SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(selector), TRUE);
    SendMessageW(selector, CB_SHOWDROPDOWN, TRUE, 0);
    for (int i = 0; i < (moves < 0 ? -moves : moves); ++i) {
        SendMessageW(selector, WM_KEYDOWN, moves < 0 ? VK_UP : VK_DOWN, 1);
    }
    SendMessageW(selector, WM_KEYDOWN, VK_RETURN, 1);
}

void ProgramUnderTest::Click(std::string_view name) const
{
    const HWND control = Control(name);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

bool ProgramUnderTest::CloseAndWait(DWORD* exitCode)
{
    PostMessageW(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, StartTimeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    return GetExitCodeProcess(process_.hProcess, exitCode) != 0;
}

}  // namespace acpower::win32::test

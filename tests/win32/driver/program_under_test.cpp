#include "program_under_test.h"

#include "form/form1.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <vector>

namespace acpower::win32::test {
namespace {

using acpower::test::Reading;

constexpr DWORD StartTimeoutMs = 30000;

const wchar_t* Wide(const std::u16string& text)
{
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// "" for no window at all.
std::u16string TextOf(HWND window)
{
    const auto length = static_cast<size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
    std::u16string text(length + 1, u'\0');
    const auto copied = SendMessageW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

struct TipSearch {
    DWORD ProcessId;
    std::vector<HWND> Found;
};

// A named CALLBACK, not a lambda: 32-bit Windows calls it as stdcall.
BOOL CALLBACK CollectTip(HWND window, LPARAM context)
{
    auto& search = *reinterpret_cast<TipSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (owner == search.ProcessId && lstrcmpiW(className, TOOLTIPS_CLASSW) == 0) {
        search.Found.push_back(window);
    }
    return TRUE;
}

// The tool tips of one process, shown or not.
std::vector<HWND> TipsOf(DWORD processId)
{
    TipSearch search{processId, {}};
    EnumWindows(&CollectTip, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// TTM_GETTEXTW's tool and buffer, written into the program's memory: the
// message carries a pointer, which only means something there.
struct RemoteToolText {
    TTTOOLINFOW Tool;
    wchar_t Text[1024];
};

constexpr DWORD BrowserTimeoutMs = 15000;
// How long a page that must not open is given to open anyway.
constexpr DWORD QuietMs = 1500;

// The log's Unix path, as Wine's Z: drive shows it.
std::string BrowserLogPath()
{
    const char* unixPath = std::getenv("ACPOWER_BROWSER_LOG");
    std::string path = std::string("Z:") + (unixPath != nullptr ? unixPath : "");
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::vector<std::string> LoggedPages()
{
    std::vector<std::string> pages;
    std::ifstream log(BrowserLogPath());
    std::string line;
    while (std::getline(log, line)) {
        pages.push_back(line);
    }
    return pages;
}

// Waits until the log holds so many pages, or the time is up.
std::vector<std::string> WaitForPages(std::size_t count, DWORD timeoutMs)
{
    const DWORD started = GetTickCount();
    std::vector<std::string> pages = LoggedPages();
    while (pages.size() < count && GetTickCount() - started < timeoutMs) {
        Sleep(50);
        pages = LoggedPages();
    }
    return pages;
}

acpower::test::Place PlaceOf(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(std::wstring path)
    : path_(std::move(path))
    , pagesBefore_(LoggedPages().size())
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
    return TextOf(Control(name));
}

void ProgramUnderTest::SetText(std::string_view name, std::u16string_view text) const
{
    const std::u16string copy(text);
    SendMessageW(Control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(copy)));
}

void ProgramUnderTest::Type(std::string_view name, std::u16string_view keys)
{
    const HWND box = Control(name);
    SendMessageW(box, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    for (const char16_t key : keys) {
        SendMessageW(box, WM_CHAR, key, 1);
    }
}

void ProgramUnderTest::Set(std::string_view name, std::u16string_view text, acpower::test::SetBy how)
{
    if (how == acpower::test::SetBy::Program) {
        SetText(name, text);
        return;
    }
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

void ProgramUnderTest::Pick(int position)
{
    const HWND selector = Control("Combo1");
    const int moves = position - static_cast<int>(SendMessageW(selector, CB_GETCURSEL, 0, 0));
    SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(selector), TRUE);
    SendMessageW(selector, CB_SHOWDROPDOWN, TRUE, 0);
    for (int i = 0; i < (moves < 0 ? -moves : moves); ++i) {
        SendMessageW(selector, WM_KEYDOWN, moves < 0 ? VK_UP : VK_DOWN, 1);
    }
    SendMessageW(selector, WM_KEYDOWN, VK_RETURN, 1);
}

void ProgramUnderTest::Click(std::string_view name)
{
    const HWND control = Control(name);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    pagesAwaited_ += form::FindControl(name)->Link ? 1 : 0;
}

void ProgramUnderTest::Focus(std::string_view name) const
{
    // The program's window is no dialog, so WM_NEXTDLGCTL would go unheard;
    // sharing its input state lets SetFocus reach a control of its thread.
    const DWORD programThread = GetWindowThreadProcessId(window_, nullptr);
    AttachThreadInput(GetCurrentThreadId(), programThread, TRUE);
    SetFocus(Control(name));
    AttachThreadInput(GetCurrentThreadId(), programThread, FALSE);
}

HWND ProgramUnderTest::ShownTip() const
{
    for (const HWND tip : TipsOf(process_.dwProcessId)) {
        if (IsWindowVisible(tip)) {
            return tip;
        }
    }
    return nullptr;
}

std::u16string ProgramUnderTest::ShownTipText() const
{
    return TextOf(ShownTip());
}

std::u16string ProgramUnderTest::HoverText(std::string_view name) const
{
    void* remote
        = VirtualAllocEx(process_.hProcess, nullptr, sizeof(RemoteToolText), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote == nullptr) {
        return u"(no memory in the program)";
    }
    RemoteToolText local = {};
    local.Tool.cbSize = sizeof(local.Tool);
    local.Tool.hwnd = window_;
    local.Tool.uId = reinterpret_cast<UINT_PTR>(Control(name));
    local.Tool.lpszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote) + offsetof(RemoteToolText, Text));
    std::u16string text;
    for (const HWND tip : TipsOf(process_.dwProcessId)) {
        WriteProcessMemory(process_.hProcess, remote, &local, sizeof(local), nullptr);
        SendMessageW(tip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(remote));
        RemoteToolText answer = {};
        ReadProcessMemory(process_.hProcess, remote, &answer, sizeof(answer), nullptr);
        answer.Text[1023] = L'\0';
        text = reinterpret_cast<const char16_t*>(answer.Text);
        if (!text.empty()) {
            break;
        }
    }
    VirtualFreeEx(process_.hProcess, remote, 0, MEM_RELEASE);
    return text;
}

int ProgramUnderTest::Close()
{
    ++pagesAwaited_;
    // A program already ended, say by a link's click, was not closed here.
    if (WaitForSingleObject(process_.hProcess, 0) != WAIT_TIMEOUT) {
        return -1;
    }
    PostMessageW(window_, WM_CLOSE, 0, 0);
    DWORD exitCode = 0;
    const bool ended = WaitForSingleObject(process_.hProcess, StartTimeoutMs) == WAIT_OBJECT_0;
    return ended && GetExitCodeProcess(process_.hProcess, &exitCode) != 0 ? static_cast<int>(exitCode) : -1;
}

std::u16string ProgramUnderTest::Read(Reading what, std::string_view control)
{
    switch (what) {
    case Reading::Text:
        return Text(control);
    case Reading::List:
        return Entries();
    case Reading::Tip:
        return Note();
    case Reading::Hover:
        return HoverText(control);
    case Reading::Focus:
        return Focused();
    case Reading::Pages:
        return Pages();
    default:
        return u"(no such reading)";
    }
}

std::u16string ProgramUnderTest::Entries() const
{
    const HWND selector = Control("Combo1");
    std::u16string entries;
    const auto count = SendMessageW(selector, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::u16string entry(static_cast<size_t>(SendMessageW(selector, CB_GETLBTEXTLEN, i, 0)) + 1, u'\0');
        entry.resize(
            static_cast<size_t>(SendMessageW(selector, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
        entries += (i == 0 ? u"" : u"\n") + entry;
    }
    return entries;
}

std::u16string ProgramUnderTest::Note() const
{
    const HWND tip = ShownTip();
    if (tip == nullptr) {
        return {};
    }
    std::vector<acpower::test::BoxPlace> places;
    for (const std::string_view box : acpower::test::BoxNames) {
        places.push_back({box, PlaceOf(Control(box))});
    }
    return acpower::test::NoteReading(acpower::test::BoxAboveNote(PlaceOf(tip), places), ShownTipText());
}

std::u16string ProgramUnderTest::Focused() const
{
    GUITHREADINFO focus = {};
    focus.cbSize = sizeof(focus);
    const DWORD thread = GetWindowThreadProcessId(Window(), nullptr);
    if (!GetGUIThreadInfo(thread, &focus) || focus.hwndFocus == nullptr) {
        return {};
    }
    const form::Control* control = form::FindControl(GetDlgCtrlID(focus.hwndFocus));
    return control == nullptr ? u"(a window not of the form)"
                              : std::u16string(control->Name.begin(), control->Name.end());
}

std::u16string ProgramUnderTest::Pages() const
{
    std::vector<std::string> pages = WaitForPages(pagesBefore_ + pagesAwaited_, BrowserTimeoutMs);
    // A page no click should have opened is given a moment to show.
    pages = WaitForPages(pages.size() + 1, QuietMs);
    std::u16string opened;
    for (std::size_t i = pagesBefore_; i < pages.size(); ++i) {
        opened += std::u16string(pages[i].begin(), pages[i].end()) + u"\n";
    }
    return opened;
}

}  // namespace acpower::win32::test

#include "program_under_test.h"

#include "form/form1.h"
#include "win32/internal/clipboard.h"
#include "win32/internal/resource_ids.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <vector>

namespace acpower::win32::test {
namespace {

using acpower::test::CopyBy;
using acpower::test::Reading;
using acpower::test::SetBy;

constexpr DWORD StartTimeoutMs = 30000;
constexpr DWORD BrowserTimeoutMs = 15000;
// How long a page that must not open is given to open anyway.
constexpr DWORD QuietMs = 1500;

// Asks again and again until the answer is yes or the time is up.
bool WaitUntil(DWORD timeoutMs, const std::function<bool()>& holds)
{
    const DWORD started = GetTickCount();
    while (!holds()) {
        if (GetTickCount() - started >= timeoutMs) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

// The window's text, or the selector's entry at that place; "" for no window.
std::u16string TextOf(HWND window, std::optional<WPARAM> entry = std::nullopt)
{
    const auto length
        = static_cast<size_t>(SendMessageW(window, entry ? CB_GETLBTEXTLEN : WM_GETTEXTLENGTH, entry.value_or(0), 0));
    std::u16string text(length + 1, u'\0');
    const auto copied = SendMessageW(window, entry ? CB_GETLBTEXT : WM_GETTEXT, entry.value_or(length + 1),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

// The text from the character under the box's left inner edge on, as the eye
// finds it. Client coordinates and the margin come back in the message's
// answer, so nothing needs the program's memory.
std::u16string FromFirstShown(HWND box)
{
    RECT client{};
    GetClientRect(box, &client);
    const auto leftMargin = LOWORD(SendMessageW(box, EM_GETMARGINS, 0, 0));
    const LPARAM at = MAKELPARAM(leftMargin + 1, (client.bottom - client.top) / 2);
    const auto first = static_cast<size_t>(LOWORD(SendMessageW(box, EM_CHARFROMPOS, 0, at)));
    const std::u16string text = TextOf(box);
    return first < text.size() ? text.substr(first) : std::u16string();
}

std::u16string Entries(HWND selector)
{
    std::u16string entries;
    const auto count = static_cast<WPARAM>(SendMessageW(selector, CB_GETCOUNT, 0, 0));
    for (WPARAM i = 0; i < count; ++i) {
        entries += (i == 0 ? u"" : u"\n") + TextOf(selector, i);
    }
    return entries;
}

// The tool tips of one process, shown or not.
std::vector<HWND> TipsOf(DWORD processId)
{
    std::vector<HWND> tips;
    for (HWND tip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tip != nullptr;
         tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(tip, &owner);
        if (owner == processId) {
            tips.push_back(tip);
        }
    }
    return tips;
}

// TTM_GETTEXTW's tool and buffer, written into the program's memory: the
// message carries a pointer, which only means something there.
struct RemoteToolText {
    TTTOOLINFOW Tool;
    wchar_t Text[1024];
};

// The browser's log, one page a line, found by its Unix path on Wine's Z:.
std::vector<std::string> LoggedPages()
{
    const char* unixPath = std::getenv("ACPOWER_BROWSER_LOG");
    std::string path = std::string("Z:") + (unixPath != nullptr ? unixPath : "");
    std::replace(path.begin(), path.end(), '/', '\\');
    std::ifstream log(path);
    std::vector<std::string> pages;
    for (std::string line; std::getline(log, line);) {
        pages.push_back(line);
    }
    return pages;
}

// Where a window is, in the client coordinates of another.
RECT RectIn(HWND window, HWND other)
{
    RECT rect = {};
    GetWindowRect(other, &rect);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

acpower::test::Place PlaceOf(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

std::u16string Focused(HWND window)
{
    GUITHREADINFO focus = {};
    focus.cbSize = sizeof(focus);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &focus) || focus.hwndFocus == nullptr) {
        return {};
    }
    const form::Control* control = form::FindControl(GetDlgCtrlID(focus.hwndFocus));
    return control == nullptr ? u"(a window not of the form)"
                              : std::u16string(control->Name.begin(), control->Name.end());
}

}  // namespace

ProgramUnderTest::ProgramUnderTest(std::wstring path)
    : path_(std::move(path))
    , pagesBefore_(LoggedPages().size())
{
}

ProgramUnderTest::~ProgramUnderTest()
{
    // Fails harmlessly on a program already ended.
    TerminateProcess(process_.hProcess, 99);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
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
    return WaitUntil(StartTimeoutMs, [this, &title] {
        window_ = FindWindowW(nullptr, reinterpret_cast<const wchar_t*>(title.c_str()));
        return window_ != nullptr && IsWindowVisible(window_);
    });
}

HWND ProgramUnderTest::Control(std::string_view name) const
{
    return GetDlgItem(window_, form::FindControl(name)->Id);
}

RECT ProgramUnderTest::Rect(std::string_view name) const
{
    return RectIn(window_, Control(name));
}

void ProgramUnderTest::Type(std::string_view name, std::u16string_view keys)
{
    const HWND box = Control(name);
    SendMessageW(box, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    for (const char16_t key : keys) {
        SendMessageW(box, WM_CHAR, key, 1);
    }
}

void ProgramUnderTest::UndoFromMenu(std::string_view name)
{
    const HWND box = Control(name);
    if (SendMessageW(box, EM_CANUNDO, 0, 0) != 0) {
        SendMessageW(box, WM_UNDO, 0, 0);
    }
}

void ProgramUnderTest::Set(std::string_view name, std::u16string_view text, SetBy how)
{
    const std::u16string copy(text);
    const HWND box = Control(name);
    if (how == SetBy::Program) {
        SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()));
        return;
    }
    PutOnClipboard(nullptr, copy);
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, WM_PASTE, 0, 0);
}

void ProgramUnderTest::Pick(int position)
{
    const HWND selector = Control("Combo1");
    const int moves = position - static_cast<int>(SendMessageW(selector, CB_GETCURSEL, 0, 0));
    SendMessageW(selector, CB_SHOWDROPDOWN, TRUE, 0);
    for (int i = 0; i < std::abs(moves); ++i) {
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

void ProgramUnderTest::CopyAccount(std::string_view name, CopyBy how)
{
    if (how == CopyBy::Menu) {
        SendMessageW(window_, WM_SYSCOMMAND, CopyAccountCommandId, 0);
        return;
    }
    Focus(name);
    // Emptied first, so that the wait below sees the program's copy.
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    // Attached, the two threads share one key state: the program sees the
    // modifiers held when it reads the posted key.
    const DWORD programThread = GetWindowThreadProcessId(window_, nullptr);
    AttachThreadInput(GetCurrentThreadId(), programThread, TRUE);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE held[256] = {};
    std::memcpy(held, keys, sizeof(held));
    held[VK_CONTROL] = 0x80;
    held[VK_SHIFT] = 0x80;
    SetKeyboardState(held);
    PostMessageW(Control(name), WM_KEYDOWN, 'C', 1);
    WaitUntil(QuietMs, [this] { return !Clipboard().empty(); });
    SetKeyboardState(keys);
    AttachThreadInput(GetCurrentThreadId(), programThread, FALSE);
}

// The account is written with bare line ends; on the clipboard every one
// must be CR LF. A bare LF stays, so that the comparison fails on it.
std::u16string ProgramUnderTest::Clipboard() const
{
    const std::u16string text = ClipboardText();
    std::u16string lines;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!(text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n')) {
            lines += text[at];
        }
    }
    return lines;
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

void ProgramUnderTest::Press(WORD key)
{
    GUITHREADINFO focus = {};
    focus.cbSize = sizeof(focus);
    GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &focus);
    PostMessageW(focus.hwndFocus, WM_KEYDOWN, key, 1);
    PostMessageW(focus.hwndFocus, WM_KEYUP, key, 0xC0000001);
    const form::Control* control = form::FindControl(GetDlgCtrlID(focus.hwndFocus));
    const bool activates = key == VK_RETURN || key == VK_SPACE;
    pagesAwaited_ += control != nullptr && control->Link && activates ? 1 : 0;
    // Posted: the focus moves once the program has read them.
    Sleep(200);
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
        return TextOf(Control(control));
    case Reading::FromFirstShown:
        return FromFirstShown(Control(control));
    case Reading::List:
        return Entries(Control("Combo1"));
    case Reading::Tip:
        return Note();
    case Reading::Hover:
        return HoverText(control);
    case Reading::Focus:
        return Focused(window_);
    case Reading::Pages:
        return Pages();
    case Reading::Clipboard:
        return Clipboard();
    default:
        return u"(no such reading)";
    }
}

std::u16string ProgramUnderTest::Note() const
{
    const std::vector<HWND> tips = TipsOf(process_.dwProcessId);
    const auto shown = std::find_if(tips.begin(), tips.end(), IsWindowVisible);
    if (shown == tips.end()) {
        return {};
    }
    std::vector<acpower::test::BoxPlace> places;
    for (const std::string_view box : acpower::test::BoxNames) {
        places.push_back({box, PlaceOf(Rect(box))});
    }
    return acpower::test::NoteReading(acpower::test::BoxAboveNote(PlaceOf(RectIn(window_, *shown)), places),
                                      TextOf(*shown));
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

std::u16string ProgramUnderTest::Pages() const
{
    std::vector<std::string> pages;
    const auto logged = [&pages](std::size_t count) {
        pages = LoggedPages();
        return pages.size() >= count;
    };
    WaitUntil(BrowserTimeoutMs, [&logged, this] { return logged(pagesBefore_ + pagesAwaited_); });
    // A page no click should have opened is given a moment to show.
    WaitUntil(QuietMs, [&logged, expected = pages.size()] { return logged(expected + 1); });
    std::u16string opened;
    for (std::size_t i = pagesBefore_; i < pages.size(); ++i) {
        opened += std::u16string(pages[i].begin(), pages[i].end()) + u"\n";
    }
    return opened;
}

}  // namespace acpower::win32::test

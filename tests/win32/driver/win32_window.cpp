#include "win32_window.h"

#include "form/form1.h"

#include <cstdlib>
#include <fstream>

namespace acpower::win32::test {
namespace {

using acpower::test::Reading;

constexpr DWORD BrowserTimeoutMs = 15000;
// How long a page that must not open is given to open anyway.
constexpr DWORD QuietMs = 1500;

// The log's Unix path, as Wine's Z: drive shows it.
std::string BrowserLogPath()
{
    const char* unixPath = std::getenv("ACPOWER_BROWSER_LOG");
    std::string path = std::string("Z:") + (unixPath != nullptr ? unixPath : "");
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
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

Win32Window::Win32Window(ProgramUnderTest& program)
    : program_(program)
    , pagesBefore_(LoggedPages().size())
{
}

void Win32Window::Type(std::string_view box, std::u16string_view keys)
{
    program_.Type(box, keys);
}

void Win32Window::Set(std::string_view box, std::u16string_view text, acpower::test::SetBy how)
{
    if (how == acpower::test::SetBy::Paste) {
        program_.Paste(box, text);
    } else {
        program_.SetText(box, text);
    }
}

void Win32Window::Pick(int position)
{
    const auto shown = SendMessageW(program_.Control("Combo1"), CB_GETCURSEL, 0, 0);
    program_.Pick(position - static_cast<int>(shown));
}

void Win32Window::Click(std::string_view control)
{
    program_.Click(control);
    if (form::FindControl(control)->Link) {
        ++pagesAwaited_;
    }
}

int Win32Window::Close()
{
    ++pagesAwaited_;
    DWORD exitCode = 0;
    return program_.CloseAndWait(&exitCode) ? static_cast<int>(exitCode) : -1;
}

std::u16string Win32Window::Read(Reading what, std::string_view control)
{
    switch (what) {
    case Reading::Text:
        return program_.Text(control);
    case Reading::List:
        return Entries();
    case Reading::Tip:
        return Note();
    case Reading::Hover:
        return program_.HoverText(control);
    case Reading::Focus:
        return Focused();
    case Reading::Pages:
        return Pages();
    default:
        return u"(no such reading)";
    }
}

std::u16string Win32Window::Entries() const
{
    const HWND selector = program_.Control("Combo1");
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

std::u16string Win32Window::Note() const
{
    const HWND tip = program_.ShownTip();
    if (tip == nullptr) {
        return {};
    }
    std::vector<acpower::test::BoxPlace> places;
    for (const std::string_view box : acpower::test::BoxNames) {
        places.push_back({box, PlaceOf(program_.Control(box))});
    }
    return acpower::test::NoteReading(acpower::test::BoxAboveNote(PlaceOf(tip), places), program_.ShownTipText());
}

std::u16string Win32Window::Focused() const
{
    GUITHREADINFO focus = {};
    focus.cbSize = sizeof(focus);
    const DWORD thread = GetWindowThreadProcessId(program_.Window(), nullptr);
    if (!GetGUIThreadInfo(thread, &focus) || focus.hwndFocus == nullptr) {
        return {};
    }
    const form::Control* control = form::FindControl(GetDlgCtrlID(focus.hwndFocus));
    return control == nullptr ? u"(a window not of the form)"
                              : std::u16string(control->Name.begin(), control->Name.end());
}

std::u16string Win32Window::Pages() const
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

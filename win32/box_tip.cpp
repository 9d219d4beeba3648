#include "win32/internal/box_tip.h"

#include "form/placement.h"
#include "win32/internal/wide_text.h"
#include "win32/internal/work_area.h"

#include <commctrl.h>

#include <utility>

namespace acpower::win32 {
namespace {

// The tracking tip's one tool.
constexpr UINT_PTR TrackedTool = 1;

TTTOOLINFOW TrackedToolOf(HWND owner)
{
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = owner;
    tool.uId = TrackedTool;
    return tool;
}

HWND CreateTipWindow(HWND owner, HINSTANCE instance, int maxWidth)
{
    // TTS_NOPREFIX: the refused text is the user's, "&" and all.
    const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                     instance, nullptr);
    // Without a width the tip ignores the line breaks of the power's
    // explanation and draws one long line.
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, maxWidth);
    return tip;
}

}  // namespace

void BoxTip::Create(HWND owner, HINSTANCE instance, int maxWidth)
{
    owner_ = owner;
    tip_ = CreateTipWindow(owner, instance, maxWidth);
    TTTOOLINFOW tracked = TrackedToolOf(owner_);
    // Placed under the box it speaks of, shown and hidden here.
    tracked.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tracked.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tracked));
}

void BoxTip::ShowAt(HWND box, const std::u16string& text, int milliseconds, bool announce)
{
    Dismiss();
    text_ = text;
    TTTOOLINFOW tool = TrackedToolOf(owner_);
    tool.lpszText = Wide(text_);
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    RECT boxRect = {};
    GetWindowRect(box, &boxRect);
    const auto bubble = static_cast<DWORD>(SendMessageW(tip_, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&tool)));
    const form::ScreenRect below{boxRect.left, boxRect.bottom + 1, LOWORD(bubble), HIWORD(bubble)};
    const form::ScreenRect placed = form::MovedInto(below, WorkArea());
    SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(placed.Left, placed.Top));
    SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    box_ = box;
    // The timer's ID is this tip, which OnTimeUp gets back; the owner's
    // timers go with the owner, before this object does.
    SetTimer(owner_, reinterpret_cast<UINT_PTR>(this), static_cast<UINT>(milliseconds), &BoxTip::OnTimeUp);
    if (announce) {
        // The tip's own show event names it; the alert has a screen reader
        // read it out at once, as it does a message box.
        NotifyWinEvent(EVENT_SYSTEM_ALERT, tip_, OBJID_WINDOW, CHILDID_SELF);
    }
}

void BoxTip::Dismiss()
{
    if (box_ == nullptr) {
        return;
    }
    KillTimer(owner_, reinterpret_cast<UINT_PTR>(this));
    TTTOOLINFOW tool = TrackedToolOf(owner_);
    SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    box_ = nullptr;
}

HWND BoxTip::Box() const
{
    return box_;
}

HWND BoxTip::Window() const
{
    return tip_;
}

void CALLBACK BoxTip::OnTimeUp(HWND, UINT, UINT_PTR timer, DWORD)
{
    reinterpret_cast<BoxTip*>(timer)->Dismiss();
}

void HoverTip::Create(HWND owner, HINSTANCE instance, int maxWidth, int milliseconds)
{
    owner_ = owner;
    tip_ = CreateTipWindow(owner, instance, maxWidth);
    SendMessageW(tip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(milliseconds, 0));
}

void HoverTip::AddBox(HWND box)
{
    TTTOOLINFOW hover = {};
    hover.cbSize = sizeof(hover);
    // The tip watches the box's mouse messages itself, and asks for its text
    // when it is about to show it.
    hover.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    hover.hwnd = owner_;
    hover.uId = reinterpret_cast<UINT_PTR>(box);
    hover.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&hover));
}

HWND HoverTip::AskedFor(const NMHDR& header) const
{
    if (header.hwndFrom != tip_ || header.code != TTN_GETDISPINFOW) {
        return nullptr;
    }
    return reinterpret_cast<HWND>(header.idFrom);
}

void HoverTip::Answer(NMHDR& header, std::u16string text)
{
    text_ = std::move(text);
    auto& info = *reinterpret_cast<NMTTDISPINFOW*>(&header);
    info.hinst = nullptr;
    info.lpszText = Wide(text_);
}

HWND HoverTip::Window() const
{
    return tip_;
}

}  // namespace acpower::win32

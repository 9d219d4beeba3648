#include "win32/internal/form_controls.h"

#include "win32/internal/keyboard_link.h"
#include "win32/internal/wide_text.h"

#include <string>

namespace acpower::win32 {
namespace {

// Room for both entries below the selector when it drops down.
constexpr int DropDownListHeight = 80;

DWORD StyleOf(const form::Control& control)
{
    DWORD style = WS_CHILD | WS_VISIBLE;
    switch (control.Kind) {
    case form::ControlKind::Caption:
        // Drawn by the window (FormLook::DrawCaption), so that right-aligned
        // text keeps clear of the edge its last letter could overhang.
        style |= SS_OWNERDRAW;
        if (control.Link) {
            // Without SS_NOTIFY a static lets clicks through and sends no
            // STN_CLICKED; without WS_TABSTOP the keyboard never reaches it.
            style |= SS_NOTIFY | WS_TABSTOP;
        }
        return style;
    case form::ControlKind::EntryBox:
        return style | WS_TABSTOP | ES_AUTOHSCROLL;
    case form::ControlKind::ResultBox:
        return style | WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY;
    case form::ControlKind::Selector:
        return style | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
    }
    return style;
}

const wchar_t* ClassOf(form::ControlKind kind)
{
    switch (kind) {
    case form::ControlKind::Caption:
        return L"STATIC";
    case form::ControlKind::EntryBox:
    case form::ControlKind::ResultBox:
        return L"EDIT";
    case form::ControlKind::Selector:
        return L"COMBOBOX";
    }
    return L"STATIC";
}

// The closed selector takes the form's height. Its height follows from the
// selection field's by a frame that differs between systems (and Wine's
// CB_GETITEMHEIGHT answers two more than was set), so the field is set, the
// result measured and the request corrected until they agree.
void FitSelectorHeight(HWND selector, int wanted)
{
    auto request = static_cast<int>(SendMessageW(selector, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 4; ++attempt) {
        RECT closed = {};
        GetWindowRect(selector, &closed);
        const int error = (closed.bottom - closed.top) - wanted;
        if (error == 0) {
            return;
        }
        request -= error;
        SendMessageW(selector, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), request);
    }
}

}  // namespace

HWND CreateFormControl(HWND parent, HINSTANCE instance, const form::Control& control, int dotsPerInch, HFONT font)
{
    const int left = form::TwipsToPixels(control.Rect.Left, dotsPerInch);
    const int top = form::TwipsToPixels(control.Rect.Top, dotsPerInch);
    const int width = form::TwipsToPixels(control.Rect.Width, dotsPerInch);
    int height = form::TwipsToPixels(control.Rect.Height, dotsPerInch);
    const bool selector = control.Kind == form::ControlKind::Selector;
    if (selector) {
        height += DropDownListHeight;
    }
    const bool box = control.Kind == form::ControlKind::EntryBox || control.Kind == form::ControlKind::ResultBox;
    const std::u16string caption(control.Caption);
    const HWND handle = CreateWindowExW(box ? WS_EX_CLIENTEDGE : 0, ClassOf(control.Kind), Wide(caption),
                                        StyleOf(control), left, top, width, height, parent,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.Id)), instance, nullptr);
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (control.Kind == form::ControlKind::EntryBox) {
        // A pasted text is judged whole, however long, as it is on Linux.
        SendMessageW(handle, EM_SETLIMITTEXT, 0, 0);
    }
    if (control.Link) {
        MakeKeyboardLink(handle);
    }
    if (selector) {
        FitSelectorHeight(handle, form::TwipsToPixels(control.Rect.Height, dotsPerInch));
    }
    return handle;
}

}  // namespace acpower::win32

#include "win32/internal/keyboard_link.h"

#include <commctrl.h>

namespace acpower::win32 {
namespace {

constexpr UINT_PTR SubclassId = 1;

bool Activates(WPARAM key)
{
    return key == VK_RETURN || key == VK_SPACE;
}

// Bit 30 of a key's lParam: the key was already down, so this is its repeat.
bool Repeated(LPARAM keyData)
{
    return (keyData & (1 << 30)) != 0;
}

LRESULT CALLBACK LinkProcedure(HWND caption, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_GETDLGCODE: {
        // Otherwise the dialog keys would take Enter for the window's default
        // button, which it does not have.
        const auto* asked = reinterpret_cast<const MSG*>(lParam);
        const LRESULT code = DefSubclassProc(caption, message, wParam, lParam);
        if (asked != nullptr && asked->message == WM_KEYDOWN && Activates(asked->wParam)) {
            return code | DLGC_WANTMESSAGE;
        }
        return code;
    }
    case WM_KEYDOWN:
        if (Activates(wParam) && !Repeated(lParam)) {
            // The click's own notification, so that a key and a click take one path.
            SendMessageW(GetParent(caption), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(caption), STN_CLICKED),
                         reinterpret_cast<LPARAM>(caption));
            return 0;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(caption, nullptr, TRUE);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(caption, &LinkProcedure, SubclassId);
        break;
    default:
        break;
    }
    return DefSubclassProc(caption, message, wParam, lParam);
}

}  // namespace

void MakeKeyboardLink(HWND caption)
{
    SetWindowSubclass(caption, &LinkProcedure, SubclassId, 0);
}

}  // namespace acpower::win32

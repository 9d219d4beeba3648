// The account's copy: from the window menu, from the result boxes' context
// menu and by Ctrl+Shift+C. A menu bar would change the form's layout.

#include "win32/main_window.h"

#include "form/account.h"
#include "win32/internal/clipboard.h"
#include "win32/internal/resource_ids.h"
#include "win32/internal/unique_handle.h"
#include "win32/internal/wide_text.h"

#include <commctrl.h>

#include <string>

namespace acpower::win32 {
namespace {

constexpr UINT_PTR ResultMenuSubclass = 1;
// The result box's own commands, numbered apart from the window menu's.
constexpr UINT CopySelection = 1;
constexpr UINT SelectAll = 2;

std::u16string CopyLabel()
{
    return std::u16string(form::CopyAccountCommand) + u"\t" + std::u16string(form::CopyAccountKeys);
}

// A read-only edit box's own menu cannot take an entry, so the box gets one
// with what that menu offers it, and the account's copy under it.
UINT ShowResultMenu(HWND box, LPARAM where)
{
    POINT at = {static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
    if (where == -1) {
        // From the keyboard: at the box's top left corner.
        at = {0, 0};
        ClientToScreen(box, &at);
    }
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const UniqueMenu menu(CreatePopupMenu());
    AppendMenuW(menu.Get(), start != end ? MF_STRING : MF_STRING | MF_GRAYED, CopySelection, L"Копировать");
    AppendMenuW(menu.Get(), MF_STRING, SelectAll, L"Выделить все");
    AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    const std::u16string label = CopyLabel();
    AppendMenuW(menu.Get(), MF_STRING, CopyAccountCommandId, Wide(label));
    return static_cast<UINT>(TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, box, nullptr));
}

LRESULT CALLBACK ResultBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR owner)
{
    if (message == WM_CONTEXTMENU) {
        const UINT picked = ShowResultMenu(box, lParam);
        if (picked == CopySelection) {
            SendMessageW(box, WM_COPY, 0, 0);
        } else if (picked == SelectAll) {
            SendMessageW(box, EM_SETSEL, 0, -1);
        } else if (picked == CopyAccountCommandId) {
            reinterpret_cast<MainWindow*>(owner)->CopyAccount();
        }
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(box, ResultBoxProcedure, ResultMenuSubclass);
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

void MainWindow::AddCopyToMenus()
{
    const HMENU windowMenu = GetSystemMenu(Handle(), FALSE);
    if (windowMenu != nullptr) {
        const std::u16string label = CopyLabel();
        AppendMenuW(windowMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(windowMenu, MF_STRING, CopyAccountCommandId, Wide(label));
    }
    for (const form::Control& control : form::Form1Controls) {
        if (control.Kind == form::ControlKind::ResultBox) {
            SetWindowSubclass(Control(control.Name), ResultBoxProcedure, ResultMenuSubclass,
                              reinterpret_cast<DWORD_PTR>(this));
        }
    }
}

void MainWindow::CopyAccount()
{
    PutOnClipboard(Handle(), WithWindowsLineEnds(form::Account(calculator_)));
}

bool MainWindow::OnShortcut(const MSG& message)
{
    const bool held = (GetKeyState(VK_CONTROL) & 0x8000) != 0 && (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (message.message != WM_KEYDOWN || message.wParam != 'C' || !held || GetKeyState(VK_MENU) < 0) {
        return false;
    }
    CopyAccount();
    return true;
}

}  // namespace acpower::win32

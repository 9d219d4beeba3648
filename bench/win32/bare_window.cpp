// The yardstick for the Windows program's start-up: a window with the same
// controls at the same places, created the same way, and nothing else: no
// engine, no fonts or colours of its own, no resources. Built a second time
// with ACPOWER_BARE_COMMON_CONTROLS, it also loads the common controls as the
// program does first, so the two tell Wine's loader from the program.

#include "form/form1.h"

#include <windows.h>

#ifdef ACPOWER_BARE_COMMON_CONTROLS
#include <commctrl.h>
#endif

#include <string>

namespace {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* ClassOf(acpower::form::ControlKind kind)
{
    switch (kind) {
    case acpower::form::ControlKind::Caption:
        return L"STATIC";
    case acpower::form::ControlKind::Selector:
        return L"COMBOBOX";
    default:
        return L"EDIT";
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    using namespace acpower::form;
#ifdef ACPOWER_BARE_COMMON_CONTROLS
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
#endif
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareForm";
    RegisterClassExW(&windowClass);
    const std::u16string title(Form1.Title);
    const HWND window = CreateWindowExW(0, L"BareForm", reinterpret_cast<const wchar_t*>(title.c_str()),
                                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT, CW_USEDEFAULT,
                                        TwipsToPixels(Form1.ClientWidth, 96), TwipsToPixels(Form1.ClientHeight, 96),
                                        nullptr, nullptr, instance, nullptr);
    for (const Control& control : Form1Controls) {
        const std::u16string caption(control.Caption);
        CreateWindowExW(0, ClassOf(control.Kind), reinterpret_cast<const wchar_t*>(caption.c_str()),
                        WS_CHILD | WS_VISIBLE | (control.Kind == ControlKind::Selector ? CBS_DROPDOWNLIST : 0),
                        TwipsToPixels(control.Rect.Left, 96), TwipsToPixels(control.Rect.Top, 96),
                        TwipsToPixels(control.Rect.Width, 96), TwipsToPixels(control.Rect.Height, 96), window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.Id)), instance, nullptr);
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

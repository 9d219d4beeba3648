#include "win32/main_window.h"
#include "win32/windows_locale.h"

// windows.h first: the other Windows headers build on it.
#include <windows.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    // The manifest asks for common controls 6; this loads them with their
    // visual styles.
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    acpower::win32::MainWindow window(instance, acpower::win32::UserNumberLocale());
    if (!window.Create()) {
        return 1;
    }
    ShowWindow(window.Handle(), showCommand);
    UpdateWindow(window.Handle());

    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Seen here, before the dialog keys move the focus: Tab takes a
        // notice away as any other key does.
        if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
            window.OnKeyPressed(message.wParam);
        }
        if (window.OnShortcut(message)) {
            continue;
        }
        // Tab and Shift+Tab walk the boxes, the selector, the results and the
        // brand's two halves.
        if (IsDialogMessageW(window.Handle(), &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

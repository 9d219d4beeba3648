#pragma once

#include "core/calculator.h"
#include "form/form1.h"
#include "win32/internal/box_tip.h"
#include "win32/internal/form_look.h"
#include "win32/internal/unique_handle.h"

#include <optional>
#include <string>
#include <string_view>

namespace acpower::win32 {

// The calculator's one window: the controls of the form table, wired to the
// engine. It opens the company page on every close and ends the message loop
// when it is destroyed.
class MainWindow {
public:
    explicit MainWindow(HINSTANCE instance, NumberLocale locale);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Registers the class, builds the window with its controls and fills in
    // the window sides; the window is not shown yet. False if the system
    // refused.
    bool Create();
    HWND Handle() const;

    // A key pressed anywhere in the program: the next keystroke takes a
    // notice or a hover text shown under a box away.
    void OnKeyPressed(WPARAM key);
    // Ctrl+Shift+C anywhere in the window copies the account; true if the
    // message was that key, which then goes no further.
    bool OnShortcut(const MSG& message);
    // Puts the account of the room on the clipboard.
    void CopyAccount();

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnActivate(bool active);
    bool OnSetCursor(HWND under);
    bool OnNotify(NMHDR& header);

    // The form's control of that name, or nullptr if the form has none or
    // the system refused to make it.
    HWND Control(std::string_view name) const;

    void CreateControls();
    void CreateTips();
    void AddCopyToMenus();
    void FillWindowSides();
    void FitColoursToTheme();
    void OnThemeChanged(UINT message, WPARAM wParam, LPARAM lParam);
    void OnClose();

    void OnCommand(HWND control, int code);
    void AcceptEntry(HWND box, EntryField field);
    void ApplyPickedWindowSide();
    void ShowResults(const ResultTexts& results);
    void OnResultFocused(HWND box);
    void OnResultLeft(HWND box);
    void OnCaptionClicked(HWND caption);

    std::optional<EntryField> FieldOf(HWND box) const;
    std::optional<Result> ResultShownBy(HWND box) const;
    std::u16string HintFor(HWND box) const;

    HINSTANCE instance_;
    Calculator calculator_;
    int dotsPerInch_;
    FormLook look_;
    UniqueIcon icon_;
    UniqueIcon smallIcon_;
    // One tracking tip for the notices and the hover texts reached with the
    // keyboard, one ordinary tip for the mouse over the result boxes.
    BoxTip tip_;
    HoverTip hoverTip_;
    HWND lastFocus_ = nullptr;
    // Set while the window exists: the system frees it, and with it the
    // controls and the tips, when the user closes it.
    UniqueWindow window_;
};

}  // namespace acpower::win32

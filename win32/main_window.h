#pragma once

// The road of one keystroke: the user types "5" into the people box Text3.
// The edit control sends EN_CHANGE; OnCommand finds Text3 in the form's
// bindings, paired with the people count, and OnEntryChanged hands the box's
// whole text to the Calculator. The engine parses it under the user's
// regional settings, stores 5 as the people count and recalculates the
// volume and the power; their display texts come back here, and ShowResults
// writes them into the result boxes Text6 and Text7. Had the text not been a
// number, the engine would have asked for the box to be emptied and given
// the notice that ShowTip puts under it. The window itself decides nothing.

#include "core/calculator.h"
#include "form/form1.h"
#include "win32/internal/box_tip.h"
#include "win32/internal/form_look.h"
#include "win32/internal/unique_handle.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

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

    // Registers the class, builds the window with its controls and runs the
    // load steps; the window is not shown yet. False if the system refused.
    bool Create();
    HWND Handle() const;

    // A key pressed anywhere in the program: the next keystroke takes a
    // notice or a hover text shown under a box away.
    void OnKeyPressed(WPARAM key);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnActivate(bool active);

    void CreateControls();
    void CreateControl(const form::Control& control);
    void RunLoadSteps();

    void OnCommand(int id, int code);
    void OnEntryChanged(int id, EntryField field);
    void OnSidePicked();
    void ShowResults(const ResultTexts& results);
    bool OnSetCursor(HWND under);

    void FitColoursToTheme();
    void CreateTips();
    void OnResultFocused(HWND box);
    std::u16string HintFor(HWND box) const;
    bool OnNotify(NMHDR& header);

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

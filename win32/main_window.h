#pragma once

#include "core/calculator.h"
#include "form/form1.h"
#include "win32/fonts.h"

#include <windows.h>

#include <memory>
#include <optional>
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

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    void CreateControl(const form::Control& control);
    void RunLoadSteps();
    HFONT FontFor(const std::optional<form::Font>& font);

    void OnCommand(int id, int code);
    void OnEntryChanged(int id, EntryField field);
    void OnSidePicked();
    void ShowResults(const ResultTexts& results);
    void OnDrawCaption(const DRAWITEMSTRUCT& item);
    LRESULT OnControlColour(HDC dc, HWND control, bool editable);
    bool OnSetCursor(HWND under);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    Calculator calculator_;
    int dotsPerInch_ = USER_DEFAULT_SCREEN_DPI;
    std::unique_ptr<FormFont> windowFont_;
    struct OwnFont {
        form::Font Face;
        std::unique_ptr<FormFont> Gdi;
    };
    std::vector<OwnFont> ownFonts_;
    HBRUSH resultBrush_ = nullptr;
    HCURSOR linkCursor_ = nullptr;
};

}  // namespace acpower::win32

#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace acpower::win32::test {

// The calculator, started as a separate process and driven the way UI
// automation drives a Windows program: its window found by title, its
// controls by ID, then window messages.
class ProgramUnderTest {
public:
    explicit ProgramUnderTest(std::wstring path);
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // Starts the program and waits until its window is shown.
    bool Start();
    HWND Window() const;
    HWND Control(std::string_view name) const;

    std::u16string Text(std::string_view name) const;
    // As the program itself would set it: WM_SETTEXT, one change.
    void SetText(std::string_view name, std::u16string_view text) const;
    // As a user types: the caret to the end, then one WM_CHAR a character
    // (u'\b' is Backspace).
    void Type(std::string_view name, std::u16string_view keys) const;
    // The box emptied, the text put on the clipboard and pasted.
    void Paste(std::string_view name, std::u16string_view text) const;
    // Opens the selector's list, moves by so many entries (negative: up)
    // and takes the highlighted entry with Enter.
    void Pick(int moves) const;
    void Click(std::string_view name) const;
    // Gives the control the keyboard focus, as Tab would.
    void Focus(std::string_view name) const;

    // The tool tip the program shows on its own, under a box, and its text;
    // nullptr and "" while it shows none.
    HWND ShownTip() const;
    std::u16string ShownTipText() const;
    // The text the tool tip shows when the mouse rests on the control, asked
    // of the tip as a screen reader does (TTM_GETTEXTW); "" when it has none.
    std::u16string HoverText(std::string_view name) const;

    // Asks the window to close and waits for the program's exit status.
    bool CloseAndWait(DWORD* exitCode);

private:
    std::wstring path_;
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};

}  // namespace acpower::win32::test

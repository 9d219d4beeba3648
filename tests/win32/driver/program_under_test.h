#pragma once

#include "tests/support/behaviour_table.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace acpower::win32::test {

// The calculator, started as a separate process and driven the way UI
// automation drives a Windows program: its window found by title, its
// controls by ID, then window messages. The pages it opens reach a stand-in
// browser under Wine, which logs each address.
class ProgramUnderTest : public acpower::test::WindowAdapter {
public:
    // Made before the program starts, so that a page opened at start counts.
    explicit ProgramUnderTest(std::wstring path);
    ~ProgramUnderTest() override;

    // Starts the program and waits until its window is shown.
    bool Start();
    HWND Window() const
    {
        return window_;
    }
    HWND Control(std::string_view name) const;
    // Where the control is in the window's client area.
    RECT Rect(std::string_view name) const;
    // Gives the control the keyboard focus, as Tab would.
    void Focus(std::string_view name) const;
    // Presses and releases a key on the focused control, through the
    // program's message loop, where the dialog keys are dealt with.
    void Press(WORD key);

    // The behaviour table's verbs. Typing is one WM_CHAR a key with the
    // caret at the end, Ctrl+Z too, as the keyboard's translation makes it.
    // Undo from the context menu is the WM_UNDO the menu sends, and only
    // while the box can undo, as the menu greys the item otherwise. Pasting
    // empties the box, then WM_PASTE; a pick opens the list and moves to the
    // entry with the arrow keys, then Enter. The hover text is asked of the
    // tip as a screen reader does (TTM_GETTEXTW).
    void Type(std::string_view box, std::u16string_view keys) override;
    void UndoFromMenu(std::string_view box) override;
    void Set(std::string_view box, std::u16string_view text, acpower::test::SetBy how) override;
    void Pick(int position) override;
    void Click(std::string_view control) override;
    // Ctrl+Shift+C with both modifiers held in the program's key state,
    // or the window menu's entry as the system sends it.
    void CopyAccount(std::string_view control, acpower::test::CopyBy how) override;
    int Close() override;
    std::u16string Read(acpower::test::Reading what, std::string_view control) override;

private:
    std::u16string Note() const;
    std::u16string HoverText(std::string_view name) const;
    std::u16string Pages() const;
    std::u16string Clipboard() const;

    std::wstring path_;
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
    std::size_t pagesBefore_;  // in the browser's log before the program started
    // How many pages the clicks and closes so far should have opened, by the
    // form's links: only how long to wait for them, never what is expected.
    std::size_t pagesAwaited_ = 0;
};

}  // namespace acpower::win32::test

#pragma once

// What the user sees the calculator do, written once as rows, and the verbs
// a window's test adapter must offer to run them. Every window runs the same
// rows, so the windows cannot drift apart without a row failing on one.
// The expected texts are those of the Russian regional settings.

#include "form/bindings.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace acpower::test {

// The boxes by the form's names: the entries in the inputs' order, then the
// results, as the bindings name them.
constexpr std::array<std::string_view, form::EntryBoxes.size() + form::ResultBoxes.size()> ListBoxNames()
{
    std::array<std::string_view, form::EntryBoxes.size() + form::ResultBoxes.size()> names{};
    std::size_t next = 0;
    for (const form::EntryBinding& entry : form::EntryBoxes) {
        names[next++] = entry.Box;
    }
    for (const form::ResultBinding& result : form::ResultBoxes) {
        names[next++] = result.Box;
    }
    return names;
}

inline constexpr auto BoxNames = ListBoxNames();

enum class SetBy {
    Program,  // the whole text at once, as the program itself sets it
    Paste,    // the box's text selected, then replaced from the clipboard
};

enum class CopyBy {
    Keys,
    Menu,
};

enum class Reading {
    None,
    Text,            // a box's text, or the entry the selector shows
    FromFirstShown,  // a box's text from the first character it shows on
    EachKey,         // the box's text after each typed key, joined by '|'
    Results,         // the volume and the power, joined by " | "
    List,            // the selector's entries in order, one a line
    Tip,             // "Box: text" of the note shown under a box; "" for none
    Hover,           // the text shown when the mouse rests on the control
    Focus,           // the name of the control with the keyboard focus
    Pages,           // the web pages opened since the last look, one a line
    Clipboard,       // the text on the clipboard
    ExitStatus,      // what closing the window ended the program with
};

// A window under test, driven from outside as a user drives it.
class WindowAdapter {
public:
    WindowAdapter() = default;
    virtual ~WindowAdapter() = default;
    WindowAdapter(const WindowAdapter&) = delete;
    WindowAdapter& operator=(const WindowAdapter&) = delete;

    // Key by key at the end of the box's text; u'\b' is Backspace, u'\x1A'
    // is Ctrl+Z, the character that key combination types.
    virtual void Type(std::string_view box, std::u16string_view keys) = 0;
    // Opens the box's context menu and picks Undo, if it can be picked.
    virtual void UndoFromMenu(std::string_view box) = 0;
    virtual void Set(std::string_view box, std::u16string_view text, SetBy how) = 0;
    // Opens the selector's list, highlights the entry at that place (0 is
    // the first), and takes it with Enter, even when it is the one shown.
    virtual void Pick(int position) = 0;
    virtual void Click(std::string_view control) = 0;
    // Puts the account on the clipboard from the control that has the focus:
    // by Ctrl+Shift+C, or from the box's context menu.
    virtual void CopyAccount(std::string_view control, CopyBy how) = 0;
    // Closes the window; the program's exit status, -1 if it did not end.
    virtual int Close() = 0;
    // Text, List, Tip, Hover, Focus; Pages gives every page opened so far.
    virtual std::u16string Read(Reading what, std::string_view control) = 0;
};

// Where a box or a note is on the screen, in the window toolkit's pixels;
// Right and Bottom are the first column and row past it.
struct Place {
    int Left;
    int Top;
    int Right;
    int Bottom;
};

struct BoxPlace {
    std::string_view Name;
    Place At;
};

// The box a note is shown just under, or "" when it is under none of them.
std::string_view BoxAboveNote(const Place& note, const std::vector<BoxPlace>& boxes);

// "Text1: «x» — не число; поле очищено", or "" when no note is shown.
std::u16string NoteReading(std::string_view box, std::u16string_view text);

// Runs every row in one window, from its start to its close, each row
// counted by the row runner (tests/support/row_runner.h), which prints each
// failed check with its row's name, the text expected and the text seen.
void RunBehaviourTable(WindowAdapter& window);

}  // namespace acpower::test

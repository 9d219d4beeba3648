#pragma once

// windows.h first: the other Windows headers build on it.
#include <windows.h>

#include <string>

namespace acpower::win32 {

// A note shown just under a box until the next key press or for a while: the
// notice of a refused entry, or the hover text of a result box reached with
// the keyboard. The tip window belongs to the window that owns it and goes
// with it.
class BoxTip {
public:
    BoxTip() = default;
    BoxTip(const BoxTip&) = delete;
    BoxTip& operator=(const BoxTip&) = delete;

    void Create(HWND owner, HINSTANCE instance, int maxWidth);

    // Shows the text under the box, kept on the work area. When `announce`
    // is set a screen reader reads the text out at once.
    void ShowAt(HWND box, const std::u16string& text, int milliseconds, bool announce);
    void Dismiss();
    // The box the note is shown at, or nullptr when it is hidden.
    HWND Box() const;
    HWND Window() const;

private:
    static void CALLBACK OnTimeUp(HWND owner, UINT message, UINT_PTR timer, DWORD time);

    HWND owner_ = nullptr;
    HWND tip_ = nullptr;
    HWND box_ = nullptr;
    std::u16string text_;  // the tip reads it after ShowAt returns
};

// The hover texts of the result boxes under the mouse. The tip asks for a
// box's text each time it is about to show it, so that it is the engine's
// text of that moment.
class HoverTip {
public:
    HoverTip() = default;
    HoverTip(const HoverTip&) = delete;
    HoverTip& operator=(const HoverTip&) = delete;

    void Create(HWND owner, HINSTANCE instance, int maxWidth, int milliseconds);
    void AddBox(HWND box);
    // The box whose text the notification asks for, or nullptr when it is
    // no question of this tip's.
    HWND AskedFor(const NMHDR& header) const;
    // An empty text shows no tip, as while the box is empty.
    void Answer(NMHDR& header, std::u16string text);
    HWND Window() const;

private:
    HWND owner_ = nullptr;
    HWND tip_ = nullptr;
    std::u16string text_;  // the tip reads it after Answer returns
};

}  // namespace acpower::win32

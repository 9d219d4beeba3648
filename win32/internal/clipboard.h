#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace acpower::win32 {

// Unicode text on the clipboard, as Windows programs exchange it; the test
// driver pastes and reads through the same two calls.
void PutOnClipboard(HWND owner, std::u16string_view text);
std::u16string ClipboardText();

// Windows programs end a pasted text's lines with CR LF: Notepad before
// Windows 10 shows a text with bare LFs as one line.
std::u16string WithWindowsLineEnds(std::u16string_view text);

}  // namespace acpower::win32

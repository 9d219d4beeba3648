#include "win32/internal/clipboard.h"

#include <cstring>

namespace acpower::win32 {

void PutOnClipboard(HWND owner, std::u16string_view text)
{
    const std::u16string copy(text);
    const size_t bytes = (copy.size() + 1) * sizeof(char16_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        return;
    }
    std::memcpy(GlobalLock(memory), copy.c_str(), bytes);
    GlobalUnlock(memory);
    if (OpenClipboard(owner) == 0) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    // The clipboard owns the memory once it holds it.
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
    }
    CloseClipboard();
}

std::u16string ClipboardText()
{
    if (OpenClipboard(nullptr) == 0) {
        return u"(clipboard busy)";
    }
    std::u16string text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const char16_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

std::u16string WithWindowsLineEnds(std::u16string_view text)
{
    std::u16string lines;
    for (const char16_t unit : text) {
        if (unit == u'\n') {
            lines += u'\r';
        }
        lines += unit;
    }
    return lines;
}

}  // namespace acpower::win32

#include "win32/internal/clipboard.h"

#include "win32/internal/unique_handle.h"

#include <cstring>

namespace acpower::win32 {

void PutOnClipboard(HWND owner, std::u16string_view text)
{
    // Ours until the clipboard takes it.
    UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t)));
    auto* const units = static_cast<char16_t*>(memory.Get() != nullptr ? GlobalLock(memory.Get()) : nullptr);
    if (units == nullptr) {
        return;
    }
    std::memcpy(units, text.data(), text.size() * sizeof(char16_t));
    units[text.size()] = u'\0';
    GlobalUnlock(memory.Get());
    if (OpenClipboard(owner) == 0) {
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory.Get()) != nullptr) {
        memory.Release();
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

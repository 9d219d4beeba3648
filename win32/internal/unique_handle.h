#pragma once

// windows.h first: the other Windows headers build on it.
#include <windows.h>

namespace acpower::win32 {

// Owns one Windows handle and frees it with the function named once in its
// type, so that no destructor frees a handle by hand and a handle made anew
// (a brush on a theme change) frees the one it replaces.
template <typename Handle, auto Free>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle)
        : handle_(handle)
    {
    }
    ~UniqueHandle()
    {
        Reset();
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept
        : handle_(other.Release())
    {
    }
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }

    Handle Get() const
    {
        return handle_;
    }

    // Cleared before the old handle is freed: freeing a window sends
    // messages that may reach this very object.
    void Reset(Handle handle = nullptr)
    {
        const Handle old = handle_;
        handle_ = handle;
        if (old != nullptr) {
            Free(old);
        }
    }

    // For a handle the system has freed already, as it does a window's.
    Handle Release()
    {
        const Handle handle = handle_;
        handle_ = nullptr;
        return handle;
    }

private:
    Handle handle_ = nullptr;
};

inline void ReleaseScreenDc(HDC dc)
{
    ReleaseDC(nullptr, dc);
}

using UniqueBrush = UniqueHandle<HBRUSH, &DeleteObject>;
using UniqueFont = UniqueHandle<HFONT, &DeleteObject>;
using UniqueScreenDc = UniqueHandle<HDC, &ReleaseScreenDc>;
using UniqueMemoryDc = UniqueHandle<HDC, &DeleteDC>;
using UniqueBitmap = UniqueHandle<HBITMAP, &DeleteObject>;
using UniqueCursor = UniqueHandle<HCURSOR, &DestroyCursor>;
using UniqueIcon = UniqueHandle<HICON, &DestroyIcon>;
using UniqueWindow = UniqueHandle<HWND, &DestroyWindow>;
using UniqueMenu = UniqueHandle<HMENU, &DestroyMenu>;
using UniqueGlobal = UniqueHandle<HGLOBAL, &GlobalFree>;

}  // namespace acpower::win32

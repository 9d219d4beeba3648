#pragma once

#include "form/placement.h"

// windows.h first: the other Windows headers build on it.
#include <windows.h>

namespace acpower::win32 {

// The screen less the taskbar: where the window and its tips are kept.
inline form::ScreenRect WorkArea()
{
    RECT area = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return form::ScreenRect{area.left, area.top, area.right - area.left, area.bottom - area.top};
}

}  // namespace acpower::win32

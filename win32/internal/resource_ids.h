#pragma once

// The numbers under which the resource scripts store the program's icon and
// link cursor; the scripts spell them as plain numbers.
namespace acpower::win32 {

inline constexpr int ProgramIconId = 1;
inline constexpr int LinkCursorId = 2;

}  // namespace acpower::win32

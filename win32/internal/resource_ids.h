#pragma once

// The numbers under which the resource scripts store the program's icon and
// link cursor; the scripts spell them as plain numbers.
namespace acpower::win32 {

inline constexpr int ProgramIconId = 1;
inline constexpr int LinkCursorId = 2;

}  // namespace acpower::win32

namespace acpower::win32 {

// The window menu's entry that copies the account. The system keeps the low
// four bits of a window menu command for itself, so it is a multiple of 16,
// and below the system's own commands (0xF000 on).
inline constexpr unsigned CopyAccountCommandId = 0x0010;

}  // namespace acpower::win32

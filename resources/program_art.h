#pragma once

#include <QCursor>
#include <QIcon>
#include <QPoint>

namespace acpower {

// The index fingertip of the link cursor's hand; scripts/regenerate-icon.sh
// writes the same point into the Windows cursor.
inline constexpr QPoint LinkCursorHotSpot{12, 1};

// The program's icon: a 32 × 32 and a 16 × 16 image of the same line chart.
QIcon ProgramIcon();

// The pointing hand shown over the brand links.
QCursor LinkCursor();

}  // namespace acpower

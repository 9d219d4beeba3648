#pragma once

#include "form/placement.h"

#include <QRect>

namespace acpower {

// The form's placement rules work on rectangles of their own, which know no Qt.
inline form::ScreenRect ToScreenRect(const QRect& rect)
{
    return form::ScreenRect{rect.left(), rect.top(), rect.width(), rect.height()};
}

}  // namespace acpower

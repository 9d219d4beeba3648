#pragma once

#include "form/form1.h"

#include <QFont>

namespace acpower {

// Tells Qt which installed faces may stand in for the form's named face,
// nearest in width first, so that every caption keeps fitting its box. The
// named face exists only on Windows.
void RegisterFontFallbacks();

// A face of the form as Qt asks for it.
QFont FontOf(const form::Font& font);

}  // namespace acpower

#pragma once

#include <QFont>

namespace acpower {

// The face that the window's captions and result boxes name. It exists only
// on Windows; elsewhere a substitute of the same size stands in.
inline constexpr char NamedFace[] = "MS Sans Serif";

// The power caption and the power result use a larger face than the rest.
inline constexpr qreal NamedFontPointSize = 9.75;

// Tells Qt which installed faces may stand in for the named one, nearest in
// width first, so that every caption keeps fitting its box.
void RegisterFontFallbacks();

QFont NamedFont(bool bold);

}  // namespace acpower

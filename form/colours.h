#pragma once

// Whether the form's own colours can be read on the desktop's theme. The form
// sets a few colours (dark blue and red captions, light-grey result boxes)
// that were chosen for a light window; on a dark or high-contrast theme they
// would meet the theme's colours: dark blue on a dark face, white results on
// light grey.

#include "form/form1.h"

namespace acpower::form {

// The WCAG 2 contrast ratio of two opaque colours, from 1 (equal) to 21
// (black on white).
double ContrastRatio(const Rgb& first, const Rgb& second);

// The least contrast a caption or a result needs: WCAG's figure for large
// and bold text, which the red of the power caption on the result boxes'
// grey (3.6 : 1) already meets.
inline constexpr double LeastContrast = 3.0;

// The four theme colours that the form's controls are drawn with: captions
// in the window's text colour on its face, boxes in the text colour on the
// box background.
struct Theme {
    Rgb Window;
    Rgb WindowText;
    Rgb Base;
    Rgb Text;
};

// The light look the form was drawn for. Every colour the form sets reads on
// it, so a window that falls back to it is readable whatever the desktop.
inline constexpr Theme ClassicLight{{240, 240, 240}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0}};

// Whether every control of the form, with the colours it sets and the
// theme's colours for the rest, has at least LeastContrast between its text
// and what the text is drawn on.
bool FormReadsOn(const Theme& theme);

}  // namespace acpower::form

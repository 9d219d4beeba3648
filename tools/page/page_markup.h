#pragma once

// The web page's form, written from the same table the desktop windows build
// their controls from, so that the page cannot drift from them.

#include <string>
#include <string_view>

namespace acpower::page {

// The controls as HTML, grouped so that each group holds one control the
// keyboard reaches and the captions that travel with it, in the keyboard's
// order. No style attributes: a strict policy would refuse them.
std::string FormMarkup();

// The form as drawn, from 577 px up, and the one-column layout below.
// The link cursor's address is left as LinkCursorMark: the single page
// inlines the cursor, the element points at the file beside its script.
inline constexpr std::string_view LinkCursorMark = "ACPOWER_LINK_CURSOR";
std::string FormStyle(std::string_view cursorHotSpot);

// What the page script needs to know of the form and the engine's timing, as
// one JavaScript constant; with the look, also the markup and the style,
// which the element puts into its shadow root.
std::string FormFacts(std::string_view cursorHotSpot, bool withLook);

// The form's title, for the page's <title>.
std::string FormTitle();

}  // namespace acpower::page

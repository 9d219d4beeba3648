#pragma once

// The web page's form, written from the same table the desktop windows build
// their controls from, so that the page cannot drift from them.

#include "form/form1.h"

#include <string>
#include <string_view>
#include <vector>

namespace acpower::page {

// One control the keyboard reaches and the captions that travel with it,
// those drawn left of it first.
struct Group {
    const form::Control* Focusable;
    std::vector<const form::Control*> Before;
    std::vector<const form::Control*> After;
};

// The form's groups in the keyboard's order.
std::vector<Group> Groups();

// The controls as HTML, grouped so that each group holds one control the
// keyboard reaches and the captions that travel with it, in the keyboard's
// order. No style attributes: a strict policy would refuse them.
std::string FormMarkup();

// The form as drawn, scaled with the width of what holds it, from
// WideFromPx of that width on a screen with a fine pointer, and one column
// below or under a finger.
inline constexpr int WideFromPx = 760;
inline constexpr std::string_view TouchQuery = "(pointer:coarse)";
// The link cursor's address is left as LinkCursorMark: the single page
// inlines the cursor, the element points at the file beside its script.
inline constexpr std::string_view LinkCursorMark = "ACPOWER_LINK_CURSOR";
std::string FormStyle(std::string_view cursorHotSpot);

// The shade of a colour, darkened as little as it takes, that reaches the
// given contrast on a ground: what a user who asks for more contrast gets.
form::Rgb DarkenedFor(const form::Rgb& colour, const form::Rgb& ground, double ratio);

// What the page script needs to know of the form and the engine's timing, as
// one JavaScript constant; with the look, also the markup and the style,
// which the element puts into its shadow root.
std::string FormFacts(std::string_view cursorHotSpot, bool withLook);

// The site folder's web app manifest, and the colour of its bars: the
// window's face, which the page is drawn on.
inline constexpr std::u16string_view ShortName = u"Кондиционер";
std::string SiteManifest();
std::string ThemeColour();

// The form's title, for the page's <title>.
std::string FormTitle();

}  // namespace acpower::page

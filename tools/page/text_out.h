#pragma once

#include <string>
#include <string_view>

namespace acpower::page {

std::string Utf8(std::u16string_view text);

// Safe as the text of an element and inside a quoted attribute.
std::string HtmlEscaped(std::string_view utf8);

// A JavaScript string literal; "</" is split so that the text can never end
// an inline script.
std::string JsString(std::string_view utf8);

}  // namespace acpower::page

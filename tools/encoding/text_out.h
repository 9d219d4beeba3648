#pragma once

#include <string>
#include <string_view>

namespace acpower::encoding {

// A lone surrogate, which no UTF-8 text can hold, becomes U+FFFD, as a
// browser's TextEncoder makes it: the page and the texts written for it then
// read the same characters.
std::string Utf8(std::u16string_view text);

// Safe as the text of an element and inside a quoted attribute.
std::string HtmlEscaped(std::string_view utf8);

// A JavaScript string literal that is a JSON string too; "</" is split so
// that the text can never end an inline script.
std::string JsString(std::string_view utf8);

}  // namespace acpower::encoding

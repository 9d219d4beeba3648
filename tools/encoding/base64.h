#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace acpower::encoding {

// The standard alphabet with padding, as data: addresses and
// Content-Security-Policy hashes want it.
std::string Base64(std::string_view bytes);

// The bytes a text of hexadecimal digits stands for, two digits a byte;
// none if a digit is not one or one is left over.
std::optional<std::string> FromHex(std::string_view digits);

}  // namespace acpower::encoding

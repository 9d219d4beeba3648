#pragma once

#include <string_view>
#include <system_error>

namespace acpower {

// Converts ASCII text of the form [-]digits[.digits] to the nearest single,
// rounding once from the decimal. Gives std::errc::result_out_of_range when
// the magnitude is beyond single precision or so small that it rounds to zero.
std::errc DecimalToSingle(std::string_view ascii, float& value);

}  // namespace acpower

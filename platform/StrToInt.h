#pragma once

#include <cstdint>
#include <string>

namespace ebo {

inline constexpr const char* NotAnIntegerMessage = "'%s' は整数ではありません";

// Converts a whole text to a signed 32-bit integer:
//  - leading spaces (code 32 only) are skipped;
//  - decimal: an optional sign and at least one digit, no octal, within
//    -2147483648..2147483647;
//  - hexadecimal: "$", "x", "X", "0x" or "0X" and at least one hex digit, no
//    sign, at most eight significant digits; the top bit set means negative;
//  - nothing may follow the last digit.
// Anything else throws EConvertError with NotAnIntegerMessage and the text.
std::int32_t StrToInt(const std::string& text);

}  // namespace ebo

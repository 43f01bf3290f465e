// The one syntax for integers held as text, and the conversions built on it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pw {

// Reads a number text as a signed 32-bit integer: leading spaces, an optional sign, then
// decimal digits or a hexadecimal marker ("$", "x", "X", "0x", "0X") and hex digits taken
// as a 32-bit pattern. Raises ConversionError naming the whole text.
int32_t ReadNumberText(std::u16string_view text);

// The same syntax with 64-bit limits.
int64_t ReadNumberText64(std::u16string_view text);

// As ReadNumberText, but a text beginning with "0x" is read as "$" and the rest, and a
// failure names that "$" form.
int32_t HexOrDecToInt(std::u16string_view text);

// Plain decimal: an optional "-" and the digits, no leading zeros.
std::u16string DecimalText(int64_t value);

}  // namespace pw

// Conversions between the UTF-16 texts of the model and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace pw {

// UTF-8 to UTF-16; malformed bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);

// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace pw

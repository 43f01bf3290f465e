// Conversions between the UTF-16 texts of the model and UTF-8.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pw {

// UTF-8 to UTF-16; malformed bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);

// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

// A path from a UTF-16 text that may come from a file: Windows takes it as it is; elsewhere an
// unpaired surrogate, which no file system name can hold, becomes U+FFFD instead of failing.
std::filesystem::path PathFromUtf16(std::u16string_view text);

}  // namespace pw

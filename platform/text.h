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

// A path from a UTF-16 text that may come from a file. An unpaired surrogate becomes U+FFFD
// instead of failing: no POSIX name can hold one, and on Windows, where a name can, most programs
// cannot open or delete such a file; so a name gives the same file on every system.
std::filesystem::path PathFromUtf16(std::u16string_view text);

// A path from UTF-8 text (a command-line argument, a document). Use it instead of
// path(std::string), which on Windows reads the bytes in the ANSI code page, not as UTF-8.
std::filesystem::path PathFromUtf8(std::string_view utf8);

// The path as UTF-8 and as UTF-16, for messages, output and entry names. Unlike path::string()
// and path::u16string(), these never throw: on Windows an unpaired surrogate becomes U+FFFD in
// the UTF-8; elsewhere the name's bytes are kept in the UTF-8 and bytes that are not UTF-8
// become U+FFFD in the UTF-16.
std::string PathToUtf8(const std::filesystem::path& path);
std::u16string PathToUtf16(const std::filesystem::path& path);

}  // namespace pw

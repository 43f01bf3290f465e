// Conversions between UTF-16 and the host's ANSI and OEM code pages.
#pragma once

#include <string>
#include <string_view>

namespace pw {

// On Windows the system's code pages. Elsewhere Windows-1252 plays ANSI and CP437 plays OEM,
// unless the environment names others by number: PLUGWRIGHT_ANSI_CODEPAGE and
// PLUGWRIGHT_OEM_CODEPAGE (a Russian user sets 1251 and 866).
int AnsiCodePage();
int OemCodePage();

// A character the ANSI code page lacks becomes "?".
std::string Utf16ToAnsi(std::u16string_view text);
// A byte the ANSI code page leaves undefined becomes the character of the same number.
std::u16string AnsiToUtf16(std::string_view bytes);
// Byte for byte into the OEM code page; a character it lacks becomes "?". (Not named
// AnsiToOem: <windows.h> makes that a macro.)
std::string AnsiToOemBytes(std::string_view bytes);
// Straight to UTF-16: every OEM character keeps its letter, even where ANSI has none.
std::u16string OemToUtf16(std::string_view bytes);

}  // namespace pw

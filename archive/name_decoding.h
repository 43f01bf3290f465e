// Turning the stored name bytes of an entry into its text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pw {

// Does every byte of 0x80 or above belong to a well-formed UTF-8 sequence? Overlong forms and
// anything above U+10FFFF fail; leads E1 to EF take any two continuation bytes.
bool IsWellFormedUtf8(std::string_view bytes);

// With utf8Test on, bytes with a high byte that are well-formed UTF-8 decode as UTF-8, flag or
// not (some archivers write UTF-8 without it). Anything else decodes from the OEM code page
// (no UTF-8 flag, oemFileNames on) or else from the ANSI code page.
std::u16string DecodeEntryName(std::string_view bytes, uint16_t genPurposeFlag, bool oemFileNames,
                               bool utf8Test);

}  // namespace pw

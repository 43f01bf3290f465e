// Turning the stored name bytes of an entry into its text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pw {

// Does every byte of 0x80 or above belong to a well-formed UTF-8 sequence? Overlong forms and
// anything above U+10FFFF fail; leads E1 to EF take any two continuation bytes.
bool IsWellFormedUtf8(std::string_view bytes);

// OEM bytes (no UTF-8 flag, oemFileNames on) become ANSI bytes first; bytes with a high byte
// that are well-formed UTF-8 then decode as UTF-8 when utf8Test is on, anything else from the
// ANSI code page.
std::u16string DecodeEntryName(std::string_view bytes, uint16_t genPurposeFlag, bool oemFileNames,
                               bool utf8Test);

}  // namespace pw

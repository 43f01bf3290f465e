// Names that Windows cannot give a file or folder of their own.
#pragma once

#include <string_view>

namespace pw {

// Why Windows cannot create a file or folder of a name (one path component). The separators
// "/", "\" and ":" are left to the caller, which knows what a path there would mean.
enum class WindowsNameFault {
  kNone,
  kReservedCharacter,   // "<", ">", """, "|", "?", "*" or a code below 32
  kDeviceName,          // see IsWindowsDeviceName
  kTrailingDotOrSpace,  // Windows drops them, so the name would become another one
};

// The first fault of a name, checked in the order above.
WindowsNameFault FindWindowsNameFault(std::u16string_view name);

// Whether Windows reads a file name as a device in any folder: CON, PRN, AUX, NUL, or COM or LPT
// with a digit 1 to 9 (or a superscript 1, 2, 3), in any case, alone or followed by spaces, an
// extension or a ":".
bool IsWindowsDeviceName(std::u16string_view name);

}  // namespace pw

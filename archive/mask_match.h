// The file-mask matching the archive search uses for names and exclusions.
#pragma once

#include <string_view>

namespace pw {

// Does mask match name? "*" and "*.*" match every name, "?" any one character, A-Z and a-z
// count as equal, a mask ending in "." asks for a name without an extension, and an empty
// mask matches nothing.
bool MaskMatches(std::u16string_view mask, std::u16string_view name);

}  // namespace pw

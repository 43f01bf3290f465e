// A setting's value as `dump` shows it, for listings and for the items `import` makes.
#pragma once

#include <optional>
#include <string>

#include "repository/repository_dump.h"

namespace pw {

// The text of a string setting when its bytes are well-formed UTF-16LE.
std::optional<std::u16string> StoredUtf16(const StoredText& text);

// "integer -5", "real 2.5", "string "text"", or "string of 3 bytes, hex 010203".
std::string SettingValueText(const DumpedSetting& setting);

}  // namespace pw

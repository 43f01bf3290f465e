// Reading one central directory entry and the extra fields that entries carry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "archive/dir_array.h"

namespace pw {

class FileWindow;

namespace zf {
inline constexpr uint16_t kZip64ExtraID = 0x0001;
inline constexpr uint16_t kAesExtraID = 0x9901;
}  // namespace zf

// Appends the entry whose central header stands at position, names it by the index rule and
// moves position past its name, extra fields and comment. Raises StreamReadError for bytes
// past the end of the file and EZFException native 59 for a name the index refuses.
void ReadCentralEntry(TZFDirArray& dir, FileWindow& file, int64_t& position, bool oemFileNames);

// Interprets the extra fields of entry index: the Zip64 values, the Unicode name field (which
// renames the entry) and the AES field; the others are kept as they are.
void ReadExtraFields(TZFDirArray& dir, size_t index, std::string_view extra);

}  // namespace pw

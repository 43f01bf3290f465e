// One setting record of a repository file, as the reader sees it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pw {

class ByteCursor;

struct SettingRecord {
  uint64_t offset = 0;  // where the record starts in the file
  int32_t key = 0;
  std::optional<int32_t> number;  // set for integer settings
  std::u16string text;            // the value text: decimal for integers, the text of strings
};

// Reads the record at the cursor. Raises DataError for setting types other than integer and
// string, for the four-byte length tag, for an odd text byte count, and ByteRangeError for a short
// file.
SettingRecord ReadSettingRecord(ByteCursor& cursor);

}  // namespace pw

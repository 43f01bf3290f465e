// The index and the setting records of a repository file, held in memory until every item
// has converted and the record count that precedes both is known. The index entries differ
// only in their keys, so only the keys are held and the entries are laid out when written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/byte_cursor.h"

namespace pw {
class FileStream;
}

namespace pw {

class SettingsImage {
 public:
  // Room for records settings whose texts hold textUnits code units in all.
  void Reserve(size_t records, size_t textUnits);
  void AddInteger(int32_t key, int32_t value);
  // text must hold at most 4095 code units.
  void AddString(int32_t key, std::u16string_view text);

  // Writes everything from the count of index entries to the count of deleted settings.
  void WriteTo(FileStream& file) const;

 private:
  void StartRecord(int32_t key, uint8_t type);
  void WriteIndex(FileStream& file) const;

  std::vector<int32_t> keys_;
  ByteWriter records_;
};

}  // namespace pw

// Decoding of integer and string setting records.
#include "repository/setting_record.h"

#include "model/number_text.h"
#include "platform/byte_cursor.h"
#include "repository/compact_count.h"
#include "repository/repository_errors.h"
#include "repository/repository_layout.h"

namespace pw {
namespace {

// Byte count of the text behind a one- or two-byte compact count.
size_t ReadTextByteCount(ByteCursor& cursor) {
  const uint64_t at = cursor.Offset();
  if (CompactCountWidth(cursor.PeekU8()) == 4)
    throw DataError(at, "a four-byte length tag, longer than any text of a plugin");
  const size_t bytes = ReadCompactCount(cursor) >> 1;
  if (bytes % 2 != 0)
    throw DataError(at, "a text of " + std::to_string(bytes) + " bytes, not UTF-16");
  return bytes;
}

}  // namespace

SettingRecord ReadSettingRecord(ByteCursor& cursor) {
  SettingRecord record;
  record.offset = cursor.Offset();
  record.key = cursor.I32();
  cursor.Skip(4);  // metadata
  const uint64_t typeOffset = cursor.Offset();
  const uint8_t type = cursor.U8();
  if (type == layout::kIntegerSetting) {
    record.number = cursor.I32();
    record.text = DecimalText(*record.number);
  } else if (type == layout::kStringSetting) {
    record.text = cursor.Utf16(ReadTextByteCount(cursor) / 2);
  } else {
    throw DataError(typeOffset, "setting type " + std::to_string(type) +
                                    ", neither integer (0) nor string (2)");
  }
  return record;
}

}  // namespace pw

// Decoding of integer and string setting records.
#include "repository/setting_record.h"

#include "model/number_text.h"
#include "repository/byte_cursor.h"
#include "repository/repository_errors.h"
#include "repository/repository_layout.h"

namespace pw {
namespace {

// Byte count of the text behind a one- or two-byte compact count.
size_t ReadTextByteCount(SettingsByteCursor& cursor) {
  const uint64_t at = cursor.Offset();
  const uint8_t first = cursor.U8();
  size_t bytes;
  if ((first & 0x01) == 0)
    bytes = first / 4;
  else if ((first & 0x03) == 0x01)
    bytes = (first | cursor.U8() << 8) / 8;
  else
    throw DataError(at, "a four-byte length tag, longer than any text of a plugin");
  if (bytes % 2 != 0)
    throw DataError(at, "a text of " + std::to_string(bytes) + " bytes, not UTF-16");
  return bytes;
}

}  // namespace

SettingRecord ReadSettingRecord(SettingsByteCursor& cursor) {
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
    record.text = cursor.Utf16(ReadTextByteCount(cursor));
  } else {
    throw DataError(typeOffset, "setting type " + std::to_string(type) +
                                    ", neither integer (0) nor string (2)");
  }
  return record;
}

}  // namespace pw

// Bounded little-endian reads.
#include "repository/byte_cursor.h"

#include "repository/repository_errors.h"

namespace pw {

void SettingsByteCursor::Need(size_t count) const {
  if (count > Remaining())
    throw DataError(Offset(),
                    "the file ends inside the " + std::to_string(count) + " bytes expected here");
}

uint8_t SettingsByteCursor::U8() {
  Need(1);
  return bytes_[position_++];
}

uint16_t SettingsByteCursor::U16() {
  const auto bytes = Bytes(2);
  return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

uint32_t SettingsByteCursor::U32() {
  const auto bytes = Bytes(4);
  return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
         static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

std::span<const uint8_t> SettingsByteCursor::Bytes(size_t count) {
  Need(count);
  const auto bytes = bytes_.subspan(position_, count);
  position_ += count;
  return bytes;
}

std::u16string SettingsByteCursor::Utf16(size_t count) {
  const auto bytes = Bytes(count);
  std::u16string text(count / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
  return text;
}

}  // namespace pw

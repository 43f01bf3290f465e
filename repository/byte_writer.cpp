// Little-endian appends, independent of the host's byte order.
#include "repository/byte_writer.h"

namespace pw {

void SettingsByteWriter::U16(uint16_t value) {
  const uint8_t bytes[] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
  Bytes(bytes);
}

void SettingsByteWriter::U32(uint32_t value) {
  const uint8_t bytes[] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                           static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
  Bytes(bytes);
}

void SettingsByteWriter::Utf16(std::u16string_view text) {
  const size_t start = bytes_.size();
  bytes_.resize(start + 2 * text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    bytes_[start + 2 * i] = static_cast<uint8_t>(text[i]);
    bytes_[start + 2 * i + 1] = static_cast<uint8_t>(text[i] >> 8);
  }
}

}  // namespace pw

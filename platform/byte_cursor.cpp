// The cursor's error and its UTF-16 reads and writes.
#include "platform/byte_cursor.h"

namespace pw {

void ByteCursor::ThrowShort(size_t count) const {
  throw ByteRangeError(Offset(), count);
}

std::u16string ByteCursor::Utf16(size_t units) {
  if (units > Remaining() / 2)
    ThrowShort(2 * units);
  const uint8_t* bytes = Take(2 * units);
  std::u16string text(units, u'\0');
  for (size_t i = 0; i < units; ++i)
    text[i] = byte_order::Compose<uint16_t>(bytes + 2 * i, std::make_index_sequence<2>());
  return text;
}

void ByteWriter::Utf16(std::u16string_view text) {
  bytes_.reserve(bytes_.size() + 2 * text.size());
  for (const char16_t unit : text)
    U16(unit);
}

}  // namespace pw

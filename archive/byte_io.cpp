// Little-endian encoding and bounded decoding of record fields.
#include "archive/byte_io.h"

namespace pw {

void ByteWriter::Le(uint64_t value, int width) {
  for (int i = 0; i < width; ++i)
    bytes_.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string_view ByteCursor::Bytes(size_t n) {
  if (n > Remaining())
    throw CursorReadError(position_);
  const std::string_view piece = bytes_.substr(position_, n);
  position_ += n;
  return piece;
}

uint64_t ByteCursor::Le(int width) {
  const std::string_view piece = Bytes(static_cast<size_t>(width));
  uint64_t value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = (value << 8) | static_cast<uint8_t>(piece[static_cast<size_t>(i)]);
  return value;
}

}  // namespace pw

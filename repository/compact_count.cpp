// Reading and writing the one-, two- and four-byte forms of a compact count.
#include "repository/compact_count.h"

#include "platform/byte_cursor.h"

namespace pw {
namespace {

constexpr uint32_t kLargestOneByteCount = 0x7F;
constexpr uint32_t kLargestTwoByteCount = 0x3FFF;

}  // namespace

size_t CompactCountWidth(uint8_t firstByte) {
  if ((firstByte & 0x01) == 0)
    return 1;
  return (firstByte & 0x02) == 0 ? 2 : 4;
}

uint32_t ReadCompactCount(ByteCursor& cursor) {
  switch (CompactCountWidth(cursor.PeekU8())) {
    case 1:
      return cursor.U8() >> 1;
    case 2:
      return cursor.U16() >> 2;
    default:
      return cursor.U32() >> 3;
  }
}

void WriteCompactCount(ByteWriter& out, uint32_t count) {
  if (count <= kLargestOneByteCount)
    out.U8(static_cast<uint8_t>(count << 1));
  else if (count <= kLargestTwoByteCount)
    out.U16(static_cast<uint16_t>(count << 2 | 0x01));
  else
    out.U32(count << 3 | 0x03);
}

}  // namespace pw

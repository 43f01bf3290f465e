// The compact count in front of each counted block of a repository file.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pw {

class ByteCursor;
class ByteWriter;

// The count holds the block's length shifted left by one, its low bit set for a block of
// bytes (clear for 16-bit units). It takes one byte (low bit 0), two bytes (low bits 01)
// or four bytes (low bits 11), the count in the bits above those.
size_t CompactCountWidth(uint8_t firstByte);
uint32_t ReadCompactCount(ByteCursor& cursor);
void WriteCompactCount(ByteWriter& out, uint32_t count);

}  // namespace pw

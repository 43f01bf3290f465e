// The bounded cursor and its writer: little-endian values, UTF-16 texts, and the bounds error
// naming the file offset and the count of a read that runs past the end.
#include "platform/byte_cursor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace pw {
namespace {

TEST(ByteCursor, ReadsWhatTheWriterWrote) {
  ByteWriter out;
  out.U8(0xA1);
  out.U16(0xB2C3);
  out.U32(0xD4E5F607);
  out.U64(0x0102030405060708);
  out.I32(-2);
  out.Utf16(u"Пé");
  out.Zeros(2);
  const std::vector<uint8_t> expected = {0xA1, 0xC3, 0xB2, 0x07, 0xF6, 0xE5, 0xD4, 0x08, 0x07,
                                         0x06, 0x05, 0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xFF,
                                         0xFF, 0x1F, 0x04, 0xE9, 0x00, 0x00, 0x00};
  ASSERT_EQ(std::vector<uint8_t>(out.Data().begin(), out.Data().end()), expected);

  ByteCursor in(out.Data(), 100);
  EXPECT_EQ(in.PeekU8(), 0xA1);
  EXPECT_EQ(in.U8(), 0xA1);
  EXPECT_EQ(in.U16(), 0xB2C3);
  EXPECT_EQ(in.U32(), 0xD4E5F607u);
  EXPECT_EQ(in.U64(), 0x0102030405060708u);
  EXPECT_EQ(in.I32(), -2);
  EXPECT_EQ(in.Utf16(2), u"Пé");
  EXPECT_EQ(in.Offset(), 123u);
  EXPECT_EQ(in.Remaining(), 2u);
}

TEST(ByteCursor, AReadPastTheEndNamesItsOffsetAndCountAndMovesNothing) {
  const std::vector<uint8_t> bytes = {1, 2, 3, 4, 5};
  struct Case {
    size_t skipped;
    size_t wanted;  // 1, 2, 4 or 8: the width of the value read
  };
  for (const Case c : {Case{5, 1}, Case{4, 2}, Case{2, 4}, Case{0, 8}}) {
    ByteCursor in(bytes, 1000);
    in.Skip(c.skipped);
    try {
      switch (c.wanted) {
        case 1:
          in.U8();
          break;
        case 2:
          in.U16();
          break;
        case 4:
          in.U32();
          break;
        default:
          in.U64();
      }
      ADD_FAILURE() << c.wanted << " bytes read after " << c.skipped;
    } catch (const ByteRangeError& error) {
      EXPECT_EQ(error.Offset(), 1000 + c.skipped);
      EXPECT_EQ(error.Count(), c.wanted);
      EXPECT_STREQ(error.what(), "Stream read error");
    }
    EXPECT_EQ(in.Offset(), 1000 + c.skipped);
  }
  ByteCursor in(bytes);
  EXPECT_THROW(in.Utf16(3), ByteRangeError);
  EXPECT_THROW(in.Bytes(6), ByteRangeError);
  EXPECT_EQ(in.Remaining(), 5u);
}

}  // namespace
}  // namespace pw

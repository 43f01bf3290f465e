// Reads little-endian values from bytes of a file, never past their end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace pw {

// Every read is checked against the end; a short read raises DataError naming the file
// offset where the missing bytes were expected.
class SettingsByteCursor {
 public:
  // bytes start at fileOffset within their file, so errors name positions in the file.
  explicit SettingsByteCursor(std::span<const uint8_t> bytes, uint64_t fileOffset = 0)
      : bytes_(bytes), base_(fileOffset) {}

  uint8_t U8();
  uint16_t U16();
  uint32_t U32();
  int32_t I32() { return static_cast<int32_t>(U32()); }
  std::span<const uint8_t> Bytes(size_t count);
  // count bytes as UTF-16LE code units; count must be even.
  std::u16string Utf16(size_t count);
  void Skip(size_t count) { Bytes(count); }

  uint64_t Offset() const { return base_ + position_; }
  size_t Remaining() const { return bytes_.size() - position_; }

 private:
  void Need(size_t count) const;

  std::span<const uint8_t> bytes_;
  uint64_t base_;
  size_t position_ = 0;
};

}  // namespace pw

// Little-endian field-by-field encoding of archive records, and the bounded cursor that reads them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/errors.h"

namespace pw {

// Appends little-endian fields to a byte buffer; records are built here and written whole.
class ByteWriter {
 public:
  void U8(uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
  void U16(uint16_t value) { Le(value, 2); }
  void U32(uint32_t value) { Le(value, 4); }
  void U64(uint64_t value) { Le(value, 8); }
  void Bytes(std::string_view data) { bytes_.append(data); }

  const std::string& Data() const { return bytes_; }
  size_t Size() const { return bytes_.size(); }

 private:
  void Le(uint64_t value, int width);
  std::string bytes_;
};

// A read that would pass the end of the bytes; the message stays the stream layer's text.
class CursorReadError : public StreamReadError {
 public:
  explicit CursorReadError(size_t offset) : offset_(offset) {}
  // Where in the bytes the failed read started.
  size_t Offset() const { return offset_; }

 private:
  size_t offset_;
};

// Reads little-endian fields from a byte range; every read is checked against the end.
class ByteCursor {
 public:
  explicit ByteCursor(std::string_view bytes) : bytes_(bytes) {}

  uint8_t U8() { return static_cast<uint8_t>(Le(1)); }
  uint16_t U16() { return static_cast<uint16_t>(Le(2)); }
  uint32_t U32() { return static_cast<uint32_t>(Le(4)); }
  uint64_t U64() { return Le(8); }
  std::string_view Bytes(size_t n);
  void Skip(size_t n) { Bytes(n); }

  size_t Position() const { return position_; }
  size_t Remaining() const { return bytes_.size() - position_; }

 private:
  uint64_t Le(int width);
  std::string_view bytes_;
  size_t position_ = 0;
};

}  // namespace pw

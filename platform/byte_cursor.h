// The one bounded little-endian reader of binary data, and the writer that mirrors it.
#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/errors.h"

namespace pw {

// A read past the end of the bytes. It is a stream read error, which is how the archive
// reports it; the repository readers turn it into an error that names the offset.
class ByteRangeError : public StreamReadError {
 public:
  ByteRangeError(uint64_t offset, size_t count) : offset_(offset), count_(count) {}
  uint64_t Offset() const { return offset_; }  // where in the file the read started
  size_t Count() const { return count_; }      // how many bytes it wanted

 private:
  uint64_t offset_;
  size_t count_;
};

// The bytes of a std::string buffer, as the archive keeps them, and back.
inline std::span<const uint8_t> AsBytes(std::string_view chars) {
  return {reinterpret_cast<const uint8_t*>(chars.data()), chars.size()};
}
inline std::string_view AsChars(std::span<const uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

namespace byte_order {

// The little-endian value of sizeof(T) bytes, composed in one expression so that the
// compiler reads it as a single load.
template <std::unsigned_integral T, size_t... I>
T Compose(const uint8_t* bytes, std::index_sequence<I...>) {
  return static_cast<T>(((static_cast<T>(bytes[I]) << (8 * I)) | ...));
}

}  // namespace byte_order

// Every read is checked against the end and raises ByteRangeError when the bytes run out;
// offsets are file offsets, counted from the base the bytes start at.
class ByteCursor {
 public:
  explicit ByteCursor(std::span<const uint8_t> bytes, uint64_t baseOffset = 0)
      : bytes_(bytes), base_(baseOffset) {}
  explicit ByteCursor(std::string_view bytes, uint64_t baseOffset = 0)
      : ByteCursor(AsBytes(bytes), baseOffset) {}

  template <std::unsigned_integral T>
  T Le() {
    return byte_order::Compose<T>(Take(sizeof(T)), std::make_index_sequence<sizeof(T)>());
  }
  uint8_t U8() { return Le<uint8_t>(); }
  uint16_t U16() { return Le<uint16_t>(); }
  uint32_t U32() { return Le<uint32_t>(); }
  uint64_t U64() { return Le<uint64_t>(); }
  int32_t I32() { return static_cast<int32_t>(U32()); }
  // The next byte, left unread.
  uint8_t PeekU8() const {
    Need(1);
    return bytes_[position_];
  }

  std::span<const uint8_t> Bytes(size_t count) { return {Take(count), count}; }
  void Skip(size_t count) { Take(count); }
  // units UTF-16LE code units, without mark or terminator.
  std::u16string Utf16(size_t units);

  uint64_t Offset() const { return base_ + position_; }
  size_t Remaining() const { return bytes_.size() - position_; }

 private:
  void Need(size_t count) const {
    if (count > Remaining()) [[unlikely]]
      ThrowShort(count);
  }
  const uint8_t* Take(size_t count) {
    Need(count);
    const uint8_t* start = bytes_.data() + position_;
    position_ += count;
    return start;
  }
  [[noreturn]] void ThrowShort(size_t count) const;

  std::span<const uint8_t> bytes_;
  uint64_t base_;
  size_t position_ = 0;
};

// Builds binary data in memory with explicit little-endian appends, independent of the
// host's byte order.
class ByteWriter {
 public:
  template <std::unsigned_integral T>
  void Le(T value) {
    const size_t start = bytes_.size();
    bytes_.resize(start + sizeof(T));
    for (size_t i = 0; i < sizeof(T); ++i)
      bytes_[start + i] = static_cast<uint8_t>(value >> (8 * i));
  }
  void U8(uint8_t value) { bytes_.push_back(value); }
  void U16(uint16_t value) { Le(value); }
  void U32(uint32_t value) { Le(value); }
  void U64(uint64_t value) { Le(value); }
  void I32(int32_t value) { U32(static_cast<uint32_t>(value)); }
  void Zeros(size_t count) { bytes_.resize(bytes_.size() + count, 0); }
  void Bytes(std::span<const uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  }
  void Bytes(std::string_view chars) { Bytes(AsBytes(chars)); }
  // Each code unit as UTF-16LE, without mark or terminator.
  void Utf16(std::u16string_view text);

  void Reserve(size_t count) { bytes_.reserve(count); }
  void Clear() { bytes_.clear(); }
  size_t Size() const { return bytes_.size(); }
  std::span<const uint8_t> Data() const { return bytes_; }
  std::string_view Chars() const { return AsChars(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace pw

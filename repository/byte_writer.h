// Builds binary data in memory with explicit little-endian appends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace pw {

class SettingsByteWriter {
 public:
  void Reserve(size_t count) { bytes_.reserve(count); }
  void Clear() { bytes_.clear(); }
  void U8(uint8_t value) { bytes_.push_back(value); }
  void U16(uint16_t value);
  void U32(uint32_t value);
  void I32(int32_t value) { U32(static_cast<uint32_t>(value)); }
  void Zeros(size_t count) { bytes_.resize(bytes_.size() + count, 0); }
  void Bytes(std::span<const uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  }
  // Each code unit as UTF-16LE, without mark or terminator.
  void Utf16(std::u16string_view text);

  size_t Size() const { return bytes_.size(); }
  std::span<const uint8_t> Data() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace pw

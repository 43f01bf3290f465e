// Hexadecimal texts of UIDs, keys and stored bytes, as listings and messages show them.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace pw {

// "0x" and eight uppercase digits, the form UIDs and keys are written in.
inline std::string HexWord(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", value);
  return text;
}

// Two lowercase digits per byte, no separators.
inline std::string HexBytes(const std::vector<uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(2 * bytes.size());
  for (uint8_t byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
  }
  return text;
}

}  // namespace pw

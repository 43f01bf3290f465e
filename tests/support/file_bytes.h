// Whole files as bytes, and the byte strings tests compare them with.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace pw::test {

using Bytes = std::vector<uint8_t>;

Bytes FileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes);
// The same as text, for the archive tests, which build and compare zip bytes in strings.
std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

// "37 00 00 10" or "37000010": pairs of hex digits, spaces ignored.
Bytes Hex(std::string_view digits);
Bytes Le32(uint32_t value);
Bytes Utf16Le(std::u16string_view text);
Bytes Concat(std::initializer_list<Bytes> parts);

// The little-endian value at offset of a zip held in a string.
uint16_t U16At(std::string_view bytes, size_t offset);
uint32_t U32At(std::string_view bytes, size_t offset);

}  // namespace pw::test

// Reading and writing whole files, and byte strings built through the core's own writer.
#include "tests/support/file_bytes.h"

#include <fstream>
#include <iterator>

#include "platform/byte_cursor.h"

namespace pw::test {

Bytes FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes) {
  WriteFile(path, AsChars(bytes));
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Bytes Hex(std::string_view digits) {
  Bytes bytes;
  std::string pair;
  for (char c : digits) {
    if (c == ' ')
      continue;
    pair.push_back(c);
    if (pair.size() == 2) {
      bytes.push_back(static_cast<uint8_t>(std::stoul(pair, nullptr, 16)));
      pair.clear();
    }
  }
  return bytes;
}

Bytes Le32(uint32_t value) {
  ByteWriter out;
  out.U32(value);
  return Bytes(out.Data().begin(), out.Data().end());
}

Bytes Utf16Le(std::u16string_view text) {
  ByteWriter out;
  out.Utf16(text);
  return Bytes(out.Data().begin(), out.Data().end());
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

uint16_t U16At(std::string_view bytes, size_t offset) {
  return ByteCursor(bytes.substr(offset)).U16();
}

uint32_t U32At(std::string_view bytes, size_t offset) {
  return ByteCursor(bytes.substr(offset)).U32();
}

}  // namespace pw::test

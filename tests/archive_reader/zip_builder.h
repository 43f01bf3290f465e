// Hand-made archives for the reader tests: any method, flag, size or name, true or not.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pw::test {

struct BuiltEntry {
  std::string name;   // stored bytes
  std::string data;   // stored bytes of the data, already compressed when method is 8
  std::string extra;  // extra fields, in both headers
  uint16_t method = 0;
  uint16_t flags = 0;
  uint32_t crc32 = 0;
  uint32_t uncompressedSize = 0;
  uint32_t externalAttr = 0x20;
  uint16_t dosTime = 0x6E2F;  // 13:49:30
  uint16_t dosDate = 0x58B1;  // 2024-05-17
};

// An entry whose fields tell the truth about data, stored or deflated (raw, by zlib).
BuiltEntry TrueEntry(std::string name, const std::string& data, uint16_t method = 0);

// Local headers, data, central directory and end record, in that order.
std::string BuildArchive(const std::vector<BuiltEntry>& entries);

// Raw deflate of data (no zlib header), as entries with method 8 hold it.
std::string RawDeflate(const std::string& data);

}  // namespace pw::test

// What `list` shows of every entry of an archive, in archive order.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace pw {

struct ListedEntry {
  std::string name;  // as stored, UTF-8
  uint16_t method = 0;
  uint64_t compressedSize = 0;
  uint64_t uncompressedSize = 0;
  uint32_t crc32 = 0;
  std::string modified;  // local "YYYY-MM-DD HH:MM:SS"
  uint32_t attributes = 0;
};

// Opens the archive read-only; raises the archive's or the file layer's error.
std::vector<ListedEntry> ListArchive(const std::filesystem::path& archive);

std::string ListingTable(const std::vector<ListedEntry>& entries);
std::string ListingJson(const std::vector<ListedEntry>& entries);

}  // namespace pw

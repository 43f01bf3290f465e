// Listing an archive's directory as a table like `unzip -v`, or as JSON.
#include "cli/archive_listing.h"

#include <nlohmann/json.hpp>

#include <cstdio>

#include "archive/archiver.h"
#include "package/package_archiver.h"
#include "platform/dos_time.h"
#include "platform/file_stream.h"
#include "platform/text.h"

namespace pw {
namespace {

std::string DosStamp(uint32_t dosDateTime) {
  const LocalDateTime stamp = UnpackDosDateTime(dosDateTime);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", stamp.year, stamp.month,
                stamp.day, stamp.hour, stamp.minute, stamp.second);
  return text;
}

std::string Hex8(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%08x", value);
  return text;
}

}  // namespace

std::vector<ListedEntry> ListArchive(const std::filesystem::path& archive) {
  const auto archiver = MakePackageArchiver();
  archiver->FileName = archive;
  archiver->OpenArchive(file_mode::kReadShareAll);
  std::vector<ListedEntry> entries;
  for (const TDirItem& item : archiver->DMHandle()->CDir) {
    const TZFZipCentralDir& central = item.CentralDir;
    ListedEntry entry;
    entry.name = Utf16ToUtf8(item.Name);
    entry.method = central.compMethod;
    entry.compressedSize = item.CompressedSize();
    entry.uncompressedSize = item.UncompressedSize();
    entry.crc32 = central.crc32;
    entry.modified = DosStamp(central.DosDateTime());
    entry.attributes = central.externalAttr;
    entries.push_back(std::move(entry));
  }
  archiver->CloseArchive();
  return entries;
}

std::string ListingTable(const std::vector<ListedEntry>& entries) {
  std::string table =
      " Method     Compressed   Uncompressed  CRC-32    Modified             Attr  Name\n";
  for (const ListedEntry& entry : entries) {
    char line[160];
    std::snprintf(line, sizeof line, " %-8s %12llu   %12llu  %s  %s  %04x  ",
                  entry.method == 0   ? "Stored"
                  : entry.method == 8 ? "Deflated"
                                      : "Other",
                  static_cast<unsigned long long>(entry.compressedSize),
                  static_cast<unsigned long long>(entry.uncompressedSize),
                  Hex8(entry.crc32).c_str(), entry.modified.c_str(), entry.attributes);
    table += line + entry.name + "\n";
  }
  return table;
}

std::string ListingJson(const std::vector<ListedEntry>& entries) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const ListedEntry& entry : entries)
    list.push_back({{"name", entry.name},
                    {"method", entry.method},
                    {"compressed_size", entry.compressedSize},
                    {"uncompressed_size", entry.uncompressedSize},
                    {"crc32", Hex8(entry.crc32)},
                    {"modified", entry.modified},
                    {"attributes", entry.attributes}});
  return list.dump(2) + "\n";
}

}  // namespace pw

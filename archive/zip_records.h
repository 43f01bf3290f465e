// The fixed-size records of a zip archive, each encoded and decoded field by field.
#pragma once

#include <cstdint>
#include <string>

#include "platform/byte_cursor.h"

namespace pw {

namespace zf {
inline constexpr uint32_t kLocalHeaderSignature = 0x04034B50;
inline constexpr uint32_t kCentralDirSignature = 0x02014B50;
inline constexpr uint32_t kCentralDirEndSignature = 0x06054B50;
inline constexpr uint32_t kZip64CentralDirEndSignature = 0x06064B50;
inline constexpr uint32_t kZip64LocatorSignature = 0x07064B50;
inline constexpr uint32_t kDataDescriptorSignature = 0x08074B50;

inline constexpr size_t kLocalHeaderSize = 30;
inline constexpr size_t kCentralDirSize = 46;
inline constexpr size_t kCentralDirEndSize = 22;
inline constexpr size_t kZip64LocatorSize = 20;
inline constexpr size_t kZip64CentralDirEndSize = 56;
}  // namespace zf

// The fields a local header and a central directory header share, from the version needed
// to extract through the name length; assigning one header's part to the other copies them.
// Each record's order on disk is given in zip_records.cpp.
struct TZFSharedHeaderFields {
  uint16_t extractVersion = 0;
  uint16_t genPurposeFlag = 0;
  uint16_t compMethod = 0;
  uint16_t lastModTime = 0;
  uint16_t lastModDate = 0;
  uint32_t crc32 = 0;
  uint32_t compSize = 0;
  uint32_t unCompSize = 0;
  uint16_t nameLength = 0;

  // The date in the high half and the time in the low half, as platform/dos_time.h packs them.
  uint32_t DosDateTime() const { return uint32_t{lastModDate} << 16 | lastModTime; }
  void SetDosDateTime(uint32_t stamp) {
    lastModDate = static_cast<uint16_t>(stamp >> 16);
    lastModTime = static_cast<uint16_t>(stamp);
  }
  bool operator==(const TZFSharedHeaderFields&) const = default;
};

// Local file header, 30 bytes; name and extra field follow it.
struct TZFZipLocalHeader : TZFSharedHeaderFields {
  uint32_t signature = zf::kLocalHeaderSignature;
  uint16_t extraLength = 0;

  void Write(ByteWriter& out) const;
  static TZFZipLocalHeader Read(ByteCursor& in);
};

// Central directory header, 46 bytes; name, extra fields and comment follow it.
struct TZFZipCentralDir : TZFSharedHeaderFields {
  uint32_t signature = 0;
  uint16_t versionMadeBy = 0;
  uint16_t extraLength = 0;
  uint16_t commentLength = 0;
  uint16_t diskNumberStart = 0;
  uint16_t internalAttr = 0;
  uint32_t externalAttr = 0;
  uint32_t relOffsetLH = 0;

  void Write(ByteWriter& out) const;
  static TZFZipCentralDir Read(ByteCursor& in);
  bool operator==(const TZFZipCentralDir&) const = default;
};

// End of central directory record, 22 bytes; the archive comment follows it.
struct TZFZipCentralDirEnd {
  uint32_t signature = 0;
  uint16_t diskNumber = 0;
  uint16_t startDiskNumber = 0;
  uint16_t entriesOnDisk = 0;
  uint16_t entriesCentralDir = 0;
  uint32_t centralDirSize = 0;
  uint32_t offsetStartDir = 0;
  uint16_t commentLength = 0;

  void Write(ByteWriter& out) const;
  static TZFZipCentralDirEnd Read(ByteCursor& in);
  bool operator==(const TZFZipCentralDirEnd&) const = default;
};

// Zip64 end of central directory locator, 20 bytes.
struct TZFZip64CentralDirEndLocator {
  uint32_t signature = 0;
  uint32_t startDiskNumber = 0;
  uint64_t offsetStartDirEnd = 0;
  uint32_t totalNumberOfDisks = 0;

  void Write(ByteWriter& out) const;
  static TZFZip64CentralDirEndLocator Read(ByteCursor& in);
};

// Zip64 end of central directory record, 56 bytes.
struct TZFZip64CentralDirEnd {
  uint32_t signature = 0;
  uint64_t centralDirEndSize = 0;
  uint16_t versionMadeBy = 0;
  uint16_t versionNeededToExtract = 0;
  uint32_t diskNumber = 0;
  uint32_t startDiskNumber = 0;
  uint64_t entriesOnDisk = 0;
  uint64_t entriesCentralDir = 0;
  uint64_t centralDirSize = 0;
  uint64_t offsetStartDir = 0;

  void Write(ByteWriter& out) const;
  static TZFZip64CentralDirEnd Read(ByteCursor& in);
};

// The values a Zip64 extended information field supplies.
struct TZFZip64ExtendedInfo {
  uint64_t uncompSize = 0;
  uint64_t compSize = 0;
  uint64_t relOffsetLH = 0;
  uint32_t diskNumberStart = 0;
  bool operator==(const TZFZip64ExtendedInfo&) const = default;
};

// One extra field: header ID, then dataSize bytes of data (pData holds exactly those bytes).
struct TZFExtraFieldDataBlock {
  uint16_t headerID = 0;
  uint16_t dataSize = 0;
  std::string pData;

  // The 4-byte field header and the data, as both the local and the central header carry them.
  void Write(ByteWriter& out) const;
  bool operator==(const TZFExtraFieldDataBlock&) const = default;
};

}  // namespace pw

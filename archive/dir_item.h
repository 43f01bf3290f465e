// One entry of the in-memory directory, with every field the writing and reading sides use.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/zf_types.h"
#include "archive/zip_records.h"

namespace pw {

struct TDirItem {
  TZFZipCentralDir CentralDir;
  // The stored name, "/" between folders. Change it only through TZFDirArray::SetItemName,
  // which keeps the name index in step.
  std::u16string Name;
  std::string Comment;
  // Extra fields other than Zip64, in stored order; written into both headers.
  std::vector<TZFExtraFieldDataBlock> ExtraFields;
  bool bHugeFile = false;
  TZFZip64ExtendedInfo Zip64ExtInfo;
  // Set on the entries the running update writes.
  bool Modified = false;
  // Selected for processing by ExtractFiles.
  bool Tagged = false;
  std::filesystem::path SrcFileName;
  uint16_t CompressionMethod = zf::kMethodStored;
  TZFProcessOperation Operation = TZFProcessOperation::Add;

  // The sizes and the local header's offset, from the Zip64 field where the directory entry
  // holds the marker instead.
  uint64_t CompressedSize() const { return Effective(CentralDir.compSize, Zip64ExtInfo.compSize); }
  uint64_t UncompressedSize() const {
    return Effective(CentralDir.unCompSize, Zip64ExtInfo.uncompSize);
  }
  uint64_t LocalHeaderOffset() const {
    return Effective(CentralDir.relOffsetLH, Zip64ExtInfo.relOffsetLH);
  }

 private:
  static uint64_t Effective(uint32_t value, uint64_t zip64) {
    return value == zf::kZip64Marker ? zip64 : value;
  }
};

}  // namespace pw

// What a search of the directory reports for one entry, and the state it carries on with.
#pragma once

#include <cstdint>
#include <string>

namespace pw {

struct TInternalSearchRec {
  int32_t ItemNo = 0;
  std::u16string CFindMask;  // at most 259 code units
  bool FWildCards = false;
  int32_t FFindAttr = 0;
  std::u16string ExclusionMask;
};

struct TZFArchiveItem {
  std::u16string FileName;
  std::u16string StoredPath;
  int64_t CompressedSize = 0;
  int64_t UncompressedSize = 0;
  double CompressionRate = 0;
  bool Encrypted = false;
  uint16_t LastModFileDate = 0;
  uint16_t LastModFileTime = 0;
  int32_t CRC = 0;
  uint32_t ExternalFileAttributes = 0;
  std::string Comment;
  TInternalSearchRec Handle;
};

}  // namespace pw

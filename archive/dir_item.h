// One entry of the in-memory directory, with every field the writing and reading sides use.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "archive/zf_types.h"
#include "archive/zip_records.h"

namespace pw {

class FileStream;

struct TDirItem {
  TZFZipCentralDir CentralDir;
  // The stored name, "/" between folders. Change it only through TZFDirArray::SetItemName,
  // which keeps the name index in step.
  std::u16string Name;
  std::u16string OldName;
  std::string Comment;
  // Extra fields other than Zip64, in stored order; written into both headers.
  std::vector<TZFExtraFieldDataBlock> ExtraFields;
  TZFCryptoAlgorithm ZFEncryptionAlgorithm = caPkzipClassic;
  bool bHugeFile = false;
  TZFZip64ExtendedInfo Zip64ExtInfo;
  // Set on the entries the running update writes.
  bool Modified = false;
  std::string Password;
  FileStream* Stream = nullptr;
  bool bDestroyStream = false;
  int32_t Position = 0;
  // Selected for processing by ExtractFiles.
  bool Tagged = false;
  std::filesystem::path SrcFileName;
  uint16_t CompressionMethod = zf::kMethodStored;
  uint8_t CompressionMode = 0;
  TZFProcessOperation Operation = poAdd;
  bool UseOldRijndael = false;
};

}  // namespace pw

// The directory of an open archive: current entries, the rollback copy and the end records.
#pragma once

#include <cstdint>
#include <string>

#include "archive/dir_array.h"
#include "archive/zip_records.h"

namespace pw {

class FileStream;

class TZFDirManager {
 public:
  // A manager over an open archive file, with an empty directory: no entries, the end
  // record all zero but its signature, no stub.
  explicit TZFDirManager(FileStream& stream);

  FileStream& FCompressedStream;
  TZFDirArray CDir;
  // CDir as it was when the outermost update began; the commit compares with it and a
  // rollback restores it.
  TZFDirArray RBCDir;
  std::string ArchiveComment;
  TZFZipCentralDirEnd CentralDirEnd;
  TZFZip64CentralDirEndLocator Zip64CentralDirEndLocator;
  TZFZip64CentralDirEnd Zip64CentralDirEnd;
  bool FZip64 = false;
  int64_t StubSize = 0;
  int64_t CentralDirOffset = 0;

  // Writes the central directory of CDir and the end record at the end of the archive file
  // and keeps them in CentralDirEnd and CentralDirOffset. componentName goes in front of the
  // messages that carry it.
  void SaveDir(bool oemFileNames, std::string_view componentName);

  // Reading side: fills the directory from the archive file (directory load, recovery scan,
  // stub detection) and shifts the offsets by the stub.
  void LoadDir(bool oemFileNames, bool openCorruptedArchives);
  void ApplyStubOffset();
};

}  // namespace pw

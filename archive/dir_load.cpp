// Directory load: the end record, the Zip64 records, the central directory, the stub.
#include <string>

#include "archive/dir_manager.h"
#include "archive/end_record_search.h"
#include "archive/entry_read.h"
#include "archive/ezf_exception.h"
#include "archive/file_window.h"
#include "archive/recovery_scan.h"
#include "archive/stub_detection.h"
#include "platform/file_stream.h"

namespace pw {
namespace {

constexpr uint16_t kCountMarker = 0xFFFF;
constexpr uint16_t kDiskMarker = 0xFFFF;
constexpr size_t kCentralDirBlock = 65535;

// Exactly n bytes at offset, or StreamReadError when they do not all lie in the file.
std::string ReadAt(FileStream& file, uint64_t offset, size_t n) {
  const uint64_t size = static_cast<uint64_t>(file.Size());
  if (offset > size || n > size - offset)
    throw StreamReadError();
  std::string bytes(n, '\0');
  file.Seek(static_cast<int64_t>(offset));
  file.ReadExact(bytes.data(), n);
  return bytes;
}

uint32_t SignatureOf(const std::string& bytes) {
  ByteCursor in(bytes);
  return in.U32();
}

// Reads the locator before the end record and the Zip64 end record it points to; end moves
// back over each record found.
void ReadZip64Records(TZFDirManager& manager, int64_t& end) {
  FileStream& file = manager.FCompressedStream;
  if (end > static_cast<int64_t>(zf::kZip64LocatorSize)) {
    const std::string bytes =
        ReadAt(file, static_cast<uint64_t>(end) - zf::kZip64LocatorSize, zf::kZip64LocatorSize);
    if (SignatureOf(bytes) == zf::kZip64LocatorSignature) {
      ByteCursor in(bytes);
      manager.Zip64CentralDirEndLocator = TZFZip64CentralDirEndLocator::Read(in);
      manager.FZip64 = true;
      end -= static_cast<int64_t>(zf::kZip64LocatorSize);
    }
  }
  if (!manager.FZip64)
    return;
  if (end <= static_cast<int64_t>(zf::kZip64CentralDirEndSize))
    throw EZFException(zf_native::kNoZip64DirEnd);
  const std::string bytes = ReadAt(file, manager.Zip64CentralDirEndLocator.offsetStartDirEnd,
                                   zf::kZip64CentralDirEndSize);
  if (SignatureOf(bytes) != zf::kZip64CentralDirEndSignature)
    throw EZFException(zf_native::kNoZip64DirEnd);
  ByteCursor in(bytes);
  manager.Zip64CentralDirEnd = TZFZip64CentralDirEnd::Read(in);
  end -= static_cast<int64_t>(zf::kZip64CentralDirEndSize);
}

uint32_t LastDisk(const TZFDirManager& manager) {
  if (manager.CentralDirEnd.diskNumber != kDiskMarker)
    return manager.CentralDirEnd.diskNumber;
  return manager.FZip64 ? manager.Zip64CentralDirEndLocator.totalNumberOfDisks - 1 : 0;
}

// Reads the entries the end records announce, from where the directory's size says it starts.
// The count is never trusted for an allocation: entries are added as their bytes are read.
void ReadCentralDirectory(TZFDirManager& manager, int64_t end, bool oemFileNames) {
  int64_t start = 0;
  uint32_t count = 0;
  if (manager.FZip64) {
    const uint64_t size = manager.Zip64CentralDirEnd.centralDirSize;
    if (size > static_cast<uint64_t>(end))
      throw StreamReadError();
    start = end - static_cast<int64_t>(size);
    count = static_cast<uint32_t>(manager.Zip64CentralDirEnd.entriesCentralDir);
  } else {
    // Read as signed, so a size above 2 GiB points behind the end record and fails there.
    start = end - static_cast<int32_t>(manager.CentralDirEnd.centralDirSize);
    count = manager.CentralDirEnd.entriesCentralDir;
  }
  FileWindow window(manager.FCompressedStream, kCentralDirBlock);
  manager.CentralDirOffset = start;
  int64_t position = start;
  for (uint32_t i = 0; i < count; ++i)
    ReadCentralEntry(manager.CDir, window, position, oemFileNames);
}

void Recover(TZFDirManager& manager, bool oemFileNames, bool openCorruptedArchives) {
  manager.CDir.Clear();
  if (!openCorruptedArchives)
    throw EZFException(zf_native::kInvalidArchive);
  RecoverDirectory(manager, oemFileNames);
}

}  // namespace

void TZFDirManager::LoadDir(bool oemFileNames, bool openCorruptedArchives) {
  CDir.Clear();
  StubSize = 0;
  FZip64 = false;
  ArchiveComment.clear();
  std::optional<FoundEndRecord> found = FindEndRecord(FCompressedStream);
  if (!found)
    return Recover(*this, oemFileNames, openCorruptedArchives);
  CentralDirEnd = found->record;
  ArchiveComment = std::move(found->comment);
  int64_t end = found->position;
  ReadZip64Records(*this, end);
  if (!FZip64 && CentralDirEnd.entriesCentralDir == kCountMarker)
    return Recover(*this, oemFileNames, openCorruptedArchives);
  const uint32_t lastDisk = LastDisk(*this);
  try {
    ReadCentralDirectory(*this, end, oemFileNames);
  } catch (const Error&) {
    return Recover(*this, oemFileNames, openCorruptedArchives);
  }
  if (lastDisk == 0)
    StubSize = DetectStubSize(*this, end);
  ApplyStubOffset();
}

}  // namespace pw

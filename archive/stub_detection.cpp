// Stub detection and the stub offset applied to the entries' header offsets.
#include "archive/stub_detection.h"

#include <algorithm>

#include "archive/dir_manager.h"
#include "archive/entry_copy.h"
#include "archive/file_window.h"

namespace pw {
namespace {

constexpr size_t kStubSearchWindow = 10000;

bool AgreesWithEntry(const TZFZipLocalHeader& header, const TZFZipCentralDir& central) {
  return header.extractVersion == central.extractVersion &&
         header.compMethod == central.compMethod && header.lastModTime == central.lastModTime &&
         header.lastModDate == central.lastModDate && header.crc32 == central.crc32 &&
         header.compSize == central.compSize && header.unCompSize == central.unCompSize;
}

// A hit is the first entry's header when the header and its name lie in the file and, away
// from the start of the file, its fields are the entry's.
bool IsFirstEntryHeader(FileWindow& file, int64_t position, const TDirItem& first) {
  if (file.Size() - position < static_cast<int64_t>(zf::kLocalHeaderSize))
    return false;
  ByteCursor in(file.Read(position, zf::kLocalHeaderSize));
  const TZFZipLocalHeader header = TZFZipLocalHeader::Read(in);
  const int64_t nameStart = position + static_cast<int64_t>(zf::kLocalHeaderSize);
  if (file.Size() - nameStart < header.nameLength)
    return false;
  return position == 0 || AgreesWithEntry(header, first.CentralDir);
}

}  // namespace

int64_t DetectStubSize(TZFDirManager& manager, int64_t firstEndRecord) {
  if (manager.CentralDirEnd.entriesCentralDir == 0)
    return firstEndRecord;
  if (manager.CDir.Empty())
    return 0;
  const TDirItem& first = manager.CDir[0];
  FileWindow file(manager.FCompressedStream, kStubSearchWindow);
  const uint64_t start = LocalHeaderOffset(first);
  if (start >= static_cast<uint64_t>(file.Size()))
    return 0;
  int64_t position = static_cast<int64_t>(start);
  while (const std::optional<int64_t> hit =
             file.FindSignature(position, zf::kLocalHeaderSignature)) {
    if (IsFirstEntryHeader(file, *hit, first))
      return *hit;
    position = *hit + 1;
  }
  return 0;
}

void TZFDirManager::ApplyStubOffset() {
  const uint32_t stub = static_cast<uint32_t>(StubSize);
  const auto first = std::find_if(
      CDir.begin(), CDir.end(), [](const TDirItem& item) { return item.CentralDir.compSize > 0; });
  if (first == CDir.end() || first->CentralDir.relOffsetLH >= stub)
    return;
  for (TDirItem& item : CDir) {
    if ((item.CentralDir.externalAttr & zf::kAttrDirectory) == 0)
      item.CentralDir.relOffsetLH += stub;
  }
}

}  // namespace pw

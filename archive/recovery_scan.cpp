// The recovery scan: one entry per local header, data descriptors where the flag says so.
#include "archive/recovery_scan.h"

#include <optional>
#include <string>

#include "archive/dir_manager.h"
#include "archive/entry_read.h"
#include "archive/ezf_exception.h"
#include "archive/file_window.h"
#include "archive/name_decoding.h"

namespace pw {
namespace {

constexpr size_t kScanBlock = 65535;
constexpr uint16_t kMaxExtraLength = 260;
constexpr int64_t kDescriptorSize = 16;

std::optional<int64_t> FindLocalHeader(FileWindow& file, int64_t start) {
  const std::optional<int64_t> hit = file.FindSignature(start, zf::kLocalHeaderSignature);
  if (!hit || file.Size() - *hit < static_cast<int64_t>(zf::kLocalHeaderSize))
    return std::nullopt;
  return hit;
}

TZFZipCentralDir CentralFromLocal(const TZFZipLocalHeader& header, int64_t position) {
  TZFZipCentralDir central;
  central.signature = header.signature;
  central.versionMadeBy = header.extractVersion;
  static_cast<TZFSharedHeaderFields&>(central) = header;
  central.extraLength = header.extraLength;
  central.externalAttr = zf::kAttrArchive;
  central.relOffsetLH = static_cast<uint32_t>(position);
  return central;
}

// A local header has no attributes: an entry without data is a folder only when its name
// ends with a separator; any other is an empty file and must not be dropped on extraction.
// The sizes are final here, taken from the data descriptor where there is one.
bool IsFolder(const TDirItem& item) {
  return item.CentralDir.unCompSize == 0 &&
         (item.Name.ends_with(u'/') || item.Name.ends_with(u'\\'));
}

// The CRC and sizes that follow the first data descriptor signature from position on.
void ReadDataDescriptor(FileWindow& file, int64_t position, TZFZipCentralDir& central) {
  const std::optional<int64_t> hit = file.FindSignature(position, zf::kDataDescriptorSignature);
  if (!hit || file.Size() - *hit < kDescriptorSize)
    return;
  ByteCursor in(file.Read(*hit, kDescriptorSize));
  in.Skip(4);
  central.crc32 = in.U32();
  central.compSize = in.U32();
  central.unCompSize = in.U32();
}

void AddEntry(TZFDirArray& dir, FileWindow& file, int64_t position, bool oemFileNames) {
  ByteCursor in(file.Read(position, zf::kLocalHeaderSize));
  const TZFZipLocalHeader header = TZFZipLocalHeader::Read(in);
  if (header.compSize >= static_cast<uint64_t>(file.Size()) || header.extraLength > kMaxExtraLength)
    return;
  const size_t index = dir.Count();
  TDirItem& item = dir.Add();
  item.CentralDir = CentralFromLocal(header, position);
  item.CompressionMethod = header.compMethod;

  const int64_t nameStart = position + static_cast<int64_t>(zf::kLocalHeaderSize);
  std::u16string name;
  if (file.Size() - nameStart >= header.nameLength) {
    name = DecodeEntryName(file.Read(nameStart, header.nameLength), header.genPurposeFlag,
                           oemFileNames, false);
  }
  dir.SetItemName(index, std::move(name));
  if (header.extraLength > 0) {
    const std::string extra(file.Read(nameStart + header.nameLength, header.extraLength));
    ReadExtraFields(dir, index, extra);
  }
  if ((header.genPurposeFlag & zf::kFlagDataDescriptor) != 0)
    ReadDataDescriptor(file, position, dir[index].CentralDir);
  if (IsFolder(dir[index]))
    dir[index].CentralDir.externalAttr = zf::kAttrDirectory;
}

}  // namespace

void RecoverDirectory(TZFDirManager& manager, bool oemFileNames) {
  manager.CDir.Clear();
  manager.StubSize = 0;
  FileWindow file(manager.FCompressedStream, kScanBlock);
  std::optional<int64_t> header = FindLocalHeader(file, 0);
  if (!header)
    throw EZFException(zf_native::kInvalidArchive);
  for (; header; header = FindLocalHeader(file, *header + 4))
    AddEntry(manager.CDir, file, *header, oemFileNames);
  manager.CentralDirOffset = file.Size();
}

}  // namespace pw

// Writing the central directory and the end record after the last entry.
#include <algorithm>

#include "archive/dir_manager.h"
#include "archive/entry_names.h"
#include "archive/ezf_exception.h"
#include "archive/zf_types.h"
#include "platform/file_stream.h"

namespace pw {
namespace {

constexpr uint16_t kMaxEntryCount = 0xFFFF;

// The 46 bytes, name, extra fields and comment of one entry, with the lengths made to fit.
std::string CentralHeaderBytes(TDirItem& item, bool oemFileNames) {
  TZFZipCentralDir& central = item.CentralDir;
  const EntryNameBytes name = EncodeEntryName(item.Name, oemFileNames);
  central.genPurposeFlag = name.utf8 ? (central.genPurposeFlag | zf::kFlagUtf8Name)
                                     : (central.genPurposeFlag & ~zf::kFlagUtf8Name);
  central.nameLength = static_cast<uint16_t>(name.bytes.size());
  ByteWriter extras;
  for (const TZFExtraFieldDataBlock& field : item.ExtraFields)
    field.Write(extras);
  central.extraLength = static_cast<uint16_t>(extras.Size());
  central.commentLength = static_cast<uint16_t>(item.Comment.size());
  ByteWriter out;
  central.Write(out);
  out.Bytes(name.bytes);
  out.Bytes(extras.Data());
  out.Bytes(item.Comment);
  return std::string(out.Chars());
}

}  // namespace

void TZFDirManager::SaveDir(bool oemFileNames, std::string_view componentName) {
  FileStream& archive = FCompressedStream;
  const int64_t offset = archive.Size();
  if (static_cast<uint64_t>(offset) >= zf::kZip64Threshold)
    throw EZFException(zf_native::kZip64Needed, componentName, {PathText(archive.Path())});
  archive.Seek(offset);
  for (TDirItem& item : CDir) {
    const std::string bytes = CentralHeaderBytes(item, oemFileNames);
    if (archive.Write(bytes.data(), bytes.size()) != bytes.size())
      throw EZFException(zf_native::kCentralDirWrite);
  }
  const uint16_t count = static_cast<uint16_t>(std::min<size_t>(CDir.Count(), kMaxEntryCount));
  TZFZipCentralDirEnd end;
  end.signature = zf::kCentralDirEndSignature;
  end.entriesOnDisk = count;
  end.entriesCentralDir = count;
  end.centralDirSize = static_cast<uint32_t>(archive.Position() - offset);
  end.offsetStartDir = static_cast<uint32_t>(offset);
  end.commentLength = static_cast<uint16_t>(ArchiveComment.size());
  ByteWriter out;
  end.Write(out);
  out.Bytes(ArchiveComment);
  archive.WriteExact(out.Data().data(), out.Size());
  CentralDirEnd = end;
  CentralDirOffset = offset;
}

}  // namespace pw

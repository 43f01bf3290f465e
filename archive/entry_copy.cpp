// Copying entries unchanged, as the commit does for those after the first changed one.
#include "archive/entry_copy.h"

#include <algorithm>
#include <vector>

#include "archive/ezf_exception.h"
#include "archive/zf_types.h"
#include "archive/zip_records.h"
#include "platform/file_stream.h"

namespace pw {
namespace {

constexpr uint32_t kZip64Marker = 0xFFFFFFFF;

uint64_t CompressedSize(const TDirItem& item) {
  const uint32_t size = item.CentralDir.compSize;
  return size == kZip64Marker && item.bHugeFile ? item.Zip64ExtInfo.compSize : size;
}

// A data descriptor follows the data when flag bit 3 is set: crc, sizes (8 bytes each for
// Zip64), with or without its signature in front.
uint64_t DescriptorSize(const TDirItem& item, FileStream& from, int64_t at) {
  if ((item.CentralDir.genPurposeFlag & zf::kFlagDataDescriptor) == 0)
    return 0;
  const uint64_t fields = item.bHugeFile ? 20 : 12;
  uint8_t bytes[4] = {};
  from.Seek(at);
  if (from.Read(bytes, 4) == 4) {
    ByteCursor in{std::span<const uint8_t>(bytes)};
    if (in.U32() == zf::kDataDescriptorSignature)
      return fields + 4;
  }
  return fields;
}

}  // namespace

uint64_t LocalHeaderOffset(const TDirItem& item) {
  const uint32_t offset = item.CentralDir.relOffsetLH;
  return offset == kZip64Marker && item.bHugeFile ? item.Zip64ExtInfo.relOffsetLH : offset;
}

void CopyBytes(FileStream& from, int64_t offset, uint64_t count, FileStream& to) {
  std::vector<char> chunk(static_cast<size_t>(std::min<uint64_t>(count, zf::kChunkSize)));
  from.Seek(offset);
  while (count > 0) {
    const size_t piece = static_cast<size_t>(std::min<uint64_t>(count, chunk.size()));
    from.ReadExact(chunk.data(), piece);
    to.WriteExact(chunk.data(), piece);
    count -= piece;
  }
}

void CopyEntry(TDirItem& item, FileStream& from, int64_t offset, FileStream& to) {
  std::string raw(zf::kLocalHeaderSize, '\0');
  from.Seek(offset);
  from.ReadExact(raw.data(), raw.size());
  ByteCursor in(raw);
  const TZFZipLocalHeader header = TZFZipLocalHeader::Read(in);
  const uint64_t dataEnd = static_cast<uint64_t>(offset) + zf::kLocalHeaderSize +
                           header.nameLength + header.extraLength + CompressedSize(item);
  const uint64_t length = dataEnd - static_cast<uint64_t>(offset) +
                          DescriptorSize(item, from, static_cast<int64_t>(dataEnd));
  const int64_t target = to.Position();
  if (static_cast<uint64_t>(target) >= zf::kZip64Threshold)
    throw EZFException(zf_native::kZip64Needed, {}, {PathText(to.Path())});
  CopyBytes(from, offset, length, to);
  item.CentralDir.relOffsetLH = static_cast<uint32_t>(target);
}

}  // namespace pw

// Entry read: the 46 fixed bytes, the decoded name, the extra fields, the comment.
#include "archive/entry_read.h"

#include <algorithm>
#include <string>

#include "archive/file_window.h"
#include "archive/name_decoding.h"
#include "archive/unicode_name_field.h"

namespace pw {
namespace {

constexpr uint16_t kAesExtractVersionLimit = 0x4114;
constexpr size_t kAesFieldSize = 7;
constexpr size_t kFieldHeaderSize = 4;

// Each value is taken only where the 32-bit field holds the marker, in this order, and only
// while the data still hold all of it.
void ApplyZip64Field(TDirItem& item, std::string_view data) {
  ByteCursor in(data);
  const TZFZipCentralDir& central = item.CentralDir;
  const auto take64 = [&](uint32_t field, uint64_t& target) {
    if (field == zf::kZip64Marker && in.Remaining() >= 8)
      target = in.U64();
  };
  take64(central.unCompSize, item.Zip64ExtInfo.uncompSize);
  take64(central.compSize, item.Zip64ExtInfo.compSize);
  take64(central.relOffsetLH, item.Zip64ExtInfo.relOffsetLH);
  if (central.diskNumberStart == 0xFFFF && in.Remaining() >= 2)
    item.Zip64ExtInfo.diskNumberStart = in.U16();
  item.bHugeFile = true;
}

void ApplyAesField(TDirItem& item, std::string_view data) {
  if (item.CentralDir.extractVersion >= kAesExtractVersionLimit || data.size() < kAesFieldSize)
    return;
  ByteCursor in(data);
  in.Skip(5);  // version, vendor and key strength
  item.CompressionMethod = in.U16();
}

}  // namespace

void ReadExtraFields(TZFDirArray& dir, size_t index, std::string_view extra) {
  ByteCursor in(extra);
  // A fragment shorter than a field header is ignored rather than read past the extra area.
  while (in.Remaining() >= kFieldHeaderSize) {
    const uint16_t id = in.U16();
    const uint16_t size = static_cast<uint16_t>(std::min<size_t>(in.U16(), in.Remaining()));
    const std::string_view data = AsChars(in.Bytes(size));
    TDirItem& item = dir[index];
    switch (id) {
      case zf::kZip64ExtraID:
        // Kept out of ExtraFields: the values live in Zip64ExtInfo, and a writer must not copy
        // a stale Zip64 field into headers whose fields no longer hold the marker.
        ApplyZip64Field(item, data);
        break;
      case zf::kUnicodeNameFieldID:
        item.ExtraFields.push_back({id, size, std::string(data)});
        if (std::optional<std::u16string> name = ReadUnicodeNameField(data))
          dir.SetItemName(index, std::move(*name));
        break;
      case zf::kAesExtraID:
        item.ExtraFields.push_back({id, size, std::string(data)});
        ApplyAesField(item, data);
        break;
      default:
        item.ExtraFields.push_back({id, size, std::string(data)});
        break;
    }
  }
}

void ReadCentralEntry(TZFDirArray& dir, FileWindow& file, int64_t& position, bool oemFileNames) {
  ByteCursor fixed(file.Read(position, zf::kCentralDirSize));
  position += static_cast<int64_t>(zf::kCentralDirSize);
  const size_t index = dir.Count();
  TDirItem& item = dir.Add();
  item.CentralDir = TZFZipCentralDir::Read(fixed);
  const TZFZipCentralDir central = item.CentralDir;
  item.CompressionMethod = central.compMethod;

  const std::string_view nameBytes = file.Read(position, central.nameLength);
  position += central.nameLength;
  dir.SetItemName(index, DecodeEntryName(nameBytes, central.genPurposeFlag, oemFileNames, true));

  const std::string extra(file.Read(position, central.extraLength));
  position += central.extraLength;
  ReadExtraFields(dir, index, extra);

  dir[index].Comment = std::string(file.Read(position, central.commentLength));
  position += central.commentLength;
}

}  // namespace pw

// Index entries and setting records in the layout of a format-1 Central Repository file.
#include "repository/settings_image.h"

#include "platform/file_stream.h"
#include "repository/compact_count.h"
#include "repository/repository_layout.h"

namespace pw {
namespace {

void AppendPolicy(ByteWriter& out) {
  out.Bytes(layout::kAlwaysPassPolicy);
}

// The compact count of a counted 8-bit block holding units UTF-16 code units.
void AppendLengthTag(ByteWriter& out, size_t units) {
  const auto byteCount = static_cast<uint32_t>(2 * units);
  WriteCompactCount(out, byteCount << 1 | layout::kByteBlockFlag);
}

}  // namespace

void SettingsImage::Reserve(size_t records, size_t textUnits) {
  constexpr size_t kLargestNonText = 11;  // key, metadata, type, two-byte tag
  keys_.reserve(records);
  records_.Reserve(kLargestNonText * records + 2 * textUnits);
}

void SettingsImage::StartRecord(int32_t key, uint8_t type) {
  keys_.push_back(key);
  records_.I32(key);
  records_.U32(0);  // metadata
  records_.U8(type);
}

void SettingsImage::AddInteger(int32_t key, int32_t value) {
  StartRecord(key, layout::kIntegerSetting);
  records_.I32(value);
}

void SettingsImage::AddString(int32_t key, std::u16string_view text) {
  StartRecord(key, layout::kStringSetting);
  AppendLengthTag(records_, text.size());
  records_.Utf16(text);
}

void SettingsImage::WriteIndex(FileStream& file) const {
  constexpr size_t kEntriesPerChunk = 4096;
  ByteWriter chunk;
  chunk.Reserve(kEntriesPerChunk * layout::kIndexEntrySize);
  for (size_t i = 0; i < keys_.size(); ++i) {
    chunk.I32(keys_[i]);
    chunk.Zeros(8);  // high key and key mask
    AppendPolicy(chunk);
    AppendPolicy(chunk);
    if ((i + 1) % kEntriesPerChunk == 0 || i + 1 == keys_.size()) {
      file.WriteExact(chunk.Data().data(), chunk.Size());
      chunk.Clear();
    }
  }
}

void SettingsImage::WriteTo(FileStream& file) const {
  const auto count = static_cast<uint32_t>(keys_.size());
  ByteWriter countBytes;
  countBytes.U32(count);
  file.WriteExact(countBytes.Data().data(), countBytes.Size());
  WriteIndex(file);
  ByteWriter betweenIndexAndRecords;
  betweenIndexAndRecords.U32(0);  // key-range policies
  AppendPolicy(betweenIndexAndRecords);
  AppendPolicy(betweenIndexAndRecords);
  betweenIndexAndRecords.Zeros(16);  // default metadata, key-range metadata count, time stamp
  betweenIndexAndRecords.U32(count);
  file.WriteExact(betweenIndexAndRecords.Data().data(), betweenIndexAndRecords.Size());
  file.WriteExact(records_.Data().data(), records_.Size());
  ByteWriter deleted;
  deleted.U32(0);
  file.WriteExact(deleted.Data().data(), deleted.Size());
}

}  // namespace pw

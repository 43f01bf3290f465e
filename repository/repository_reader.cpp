// Reads the record count and the setting records; the index is not needed.
#include "repository/repository_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

#include "platform/byte_cursor.h"
#include "platform/file_stream.h"
#include "repository/item_assembly.h"
#include "repository/key_scheme.h"
#include "repository/repository_errors.h"
#include "repository/repository_layout.h"
#include "repository/setting_record.h"

namespace pw {
namespace {

class CollectedItems : public RepoItemSink {
 public:
  explicit CollectedItems(std::vector<TRepo>& items) : items_(items) {}
  void ItemCompleted(TRepo item) override { items_.push_back(std::move(item)); }

 private:
  std::vector<TRepo>& items_;
};

std::vector<uint8_t> ReadBytes(FileStream& file, int64_t offset, int64_t count) {
  std::vector<uint8_t> bytes(static_cast<size_t>(count));
  file.Seek(offset);
  file.ReadExact(bytes.data(), bytes.size());
  return bytes;
}

// The count of index entries, which is also the count of setting records.
uint32_t ReadRecordCount(FileStream& file, int64_t fileSize) {
  const auto header =
      ReadBytes(file, 0, std::min<int64_t>(fileSize, static_cast<int64_t>(layout::kHeaderSize)));
  ByteCursor cursor(header);
  cursor.Skip(layout::kRepositoryUidOffset);
  cursor.U32();  // repository UID, not needed to rebuild the items
  cursor.U32();  // owner UID
  const int32_t count = cursor.I32();
  // Each record needs its index entry and at least the bytes of an empty string record.
  const int64_t smallest =
      static_cast<int64_t>(layout::kHeaderSize + layout::kBetweenIndexAndRecords) +
      static_cast<int64_t>(count) *
          static_cast<int64_t>(layout::kIndexEntrySize + layout::kSmallestRecord);
  if (count < 0 || smallest > fileSize)
    throw DataError(layout::kIndexCountOffset, "record count " + std::to_string(count) +
                                                   " does not fit the file's " +
                                                   std::to_string(fileSize) + " bytes");
  return static_cast<uint32_t>(count);
}

// The setting records, read through a window of the file: a large plugin is held once, as
// items, not also as the bytes of its file.
class RecordWindow {
 public:
  RecordWindow(FileStream& file, int64_t start, int64_t end)
      : file_(file), start_(start), end_(end) {}

  SettingRecord Next() {
    if (bytes_.size() - used_ < kLargestRecord)
      Refill();
    ByteCursor cursor(std::span<const uint8_t>(bytes_).subspan(used_),
                      static_cast<uint64_t>(start_) + used_);
    SettingRecord record = ReadSettingRecord(cursor);
    used_ = static_cast<size_t>(cursor.Offset() - static_cast<uint64_t>(start_));
    return record;
  }

 private:
  // Key, metadata, type, a two-byte length tag and the longest text a record can hold.
  static constexpr size_t kLargestRecord = 11 + 2 * layout::kMaxTextUnits;
  static constexpr size_t kWindow = size_t{1} << 20;

  // Keeps the unread bytes and reads on to a full window or the end of the file.
  void Refill() {
    bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(used_));
    start_ += static_cast<int64_t>(used_);
    used_ = 0;
    const size_t kept = bytes_.size();
    const auto wanted = static_cast<size_t>(std::min<int64_t>(kWindow, end_ - start_));
    if (wanted <= kept)
      return;
    bytes_.resize(wanted);
    file_.Seek(start_ + static_cast<int64_t>(kept));
    file_.ReadExact(bytes_.data() + kept, wanted - kept);
  }

  FileStream& file_;
  int64_t start_;  // file offset of bytes_[0]
  int64_t end_;
  std::vector<uint8_t> bytes_;
  size_t used_ = 0;
};

}  // namespace

void RepositoryReader::Open(const std::filesystem::path& path) {
  items_.clear();
  FileStream file(path, file_mode::kReadShareAll);
  const int64_t fileSize = file.Size();
  std::vector<TRepo> items;
  try {
    const uint32_t count = ReadRecordCount(file, fileSize);
    const auto recordsStart = static_cast<int64_t>(
        layout::kHeaderSize + layout::kIndexEntrySize * count + layout::kBetweenIndexAndRecords);
    RecordWindow records(file, recordsStart, fileSize);
    // Every item takes at least nine records; the count has been checked against the file.
    items.reserve(count / keys::kItemFieldCount);
    CollectedItems collected(items);
    ItemAssembly assembly(collected);
    for (uint32_t i = 0; i < count; ++i)
      assembly.Take(records.Next());
  } catch (const DataError& error) {
    throw RepositoryFileError(path, error);
  } catch (const ByteRangeError& error) {
    throw RepositoryFileError(path, ShortFileError(error));
  }
  items_ = std::move(items);
}

void RepositoryReader::ReadSettings(RepoItemSink& sink) {
  for (TRepo& item : items_)
    sink.ItemCompleted(std::move(item));
  items_.clear();
}

}  // namespace pw

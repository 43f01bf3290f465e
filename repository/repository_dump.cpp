// The full layout of a binary repository file, format versions 0 to 3.
#include "repository/repository_dump.h"

#include <bit>
#include <string>

#include "platform/byte_cursor.h"
#include "platform/file_stream.h"
#include "repository/compact_count.h"
#include "repository/repository_errors.h"
#include "repository/repository_layout.h"

namespace pw {
namespace {

constexpr uint64_t kRootStreamPositionOffset = 16;
constexpr uint32_t kHeaderEnd = 20;  // the root stream cannot start inside the UID header
constexpr uint8_t kFirstVersionWithDeletedKeys = 1;
constexpr uint8_t kFirstVersionWithDefaultPolicyKey = 2;
constexpr uint8_t kFirstVersionWithKeyspace = 3;
constexpr uint64_t kKeyedPolicySize = 12 + 2 * 9;  // three keys, two policy blocks
constexpr uint64_t kRangeMetadataSize = 16;
constexpr uint64_t kSmallestSetting = 13;
constexpr uint64_t kKeySize = 4;
constexpr uint64_t kLargestReadableFile = uint64_t{1} << 30;

// A counted list of entries, each at least entrySize bytes. The count is checked against what
// is left before anything is read or reserved, so a hostile count neither loops long nor
// reserves memory.
template <typename ReadEntry>
auto ReadList(ByteCursor& cursor, uint64_t entrySize, const char* what, ReadEntry readEntry) {
  const uint64_t at = cursor.Offset();
  const uint32_t count = cursor.U32();
  if (count * entrySize > cursor.Remaining())
    throw DataError(at, std::to_string(count) + " " + what + " do not fit the " +
                            std::to_string(cursor.Remaining()) + " bytes that follow");
  std::vector<decltype(readEntry(cursor))> entries;
  entries.reserve(count);
  for (uint32_t i = 0; i < count; ++i)
    entries.push_back(readEntry(cursor));
  return entries;
}

// A counted 8-bit block: its byte count in the one-, two- or four-byte compact form.
std::vector<uint8_t> ReadCountedBlock(ByteCursor& cursor) {
  const uint64_t at = cursor.Offset();
  const uint32_t counted = ReadCompactCount(cursor);
  if ((counted & layout::kByteBlockFlag) == 0)
    throw DataError(at, "a block of 16-bit units where a block of bytes belongs");
  const auto bytes = cursor.Bytes(counted >> 1);
  return {bytes.begin(), bytes.end()};
}

KeyedPolicy ReadKeyedPolicy(ByteCursor& cursor) {
  KeyedPolicy policy;
  policy.key = cursor.U32();
  policy.highKey = cursor.U32();
  policy.keyMask = cursor.U32();
  policy.read.bytes = ReadCountedBlock(cursor);
  policy.write.bytes = ReadCountedBlock(cursor);
  return policy;
}

RangeMetadata ReadRangeMetadata(ByteCursor& cursor) {
  RangeMetadata range;
  range.lowKey = cursor.U32();
  range.highKey = cursor.U32();
  range.keyMask = cursor.U32();
  range.metadata = cursor.U32();
  return range;
}

uint32_t ReadKey(ByteCursor& cursor) {
  return cursor.U32();
}

DumpedSetting ReadSetting(ByteCursor& cursor) {
  DumpedSetting setting;
  setting.key = cursor.U32();
  setting.metadata = cursor.U32();
  const uint64_t typeOffset = cursor.Offset();
  switch (cursor.U8()) {
    case layout::kIntegerSetting:
      setting.value = cursor.I32();
      break;
    case layout::kRealSetting:
      setting.value = std::bit_cast<double>(cursor.U64());
      break;
    case layout::kStringSetting:
      setting.value = StoredText{ReadCountedBlock(cursor)};
      break;
    default:
      throw DataError(typeOffset,
                      "a setting type that is neither integer (0), real (1) nor "
                      "string (2)");
  }
  return setting;
}

void ReadHeader(ByteCursor& cursor, RepositoryDump& dump) {
  for (uint32_t& uid : dump.uids)
    uid = cursor.U32();
  dump.uidChecksum = cursor.U32();
  dump.rootStream = cursor.U32();
  if (dump.rootStream < kHeaderEnd || dump.rootStream >= dump.fileSize)
    throw DataError(kRootStreamPositionOffset,
                    "a root stream position of " + std::to_string(dump.rootStream) +
                        " outside the file's " + std::to_string(dump.fileSize) + " bytes");
}

void ReadRootStream(ByteCursor& cursor, RepositoryDump& dump) {
  const uint64_t versionOffset = cursor.Offset();
  dump.version = cursor.U8();
  // A newer phone may have added fields anywhere; reading on would show guesses as facts.
  if (dump.version > kNewestRepositoryFormat)
    throw DataError(versionOffset, "format version " + std::to_string(dump.version) +
                                       " is newer than this program reads");
  dump.repositoryUid = cursor.U32();
  if (dump.version >= kFirstVersionWithKeyspace)
    dump.keyspaceType = cursor.U8();
  dump.owner = cursor.U32();
  dump.singlePolicies = ReadList(cursor, kKeyedPolicySize, "single policies", ReadKeyedPolicy);
  dump.rangePolicies = ReadList(cursor, kKeyedPolicySize, "range policies", ReadKeyedPolicy);
  dump.defaultRead.bytes = ReadCountedBlock(cursor);
  dump.defaultWrite.bytes = ReadCountedBlock(cursor);
  if (dump.version >= kFirstVersionWithDefaultPolicyKey) {
    dump.defaultPolicyKey = cursor.U32();
    dump.defaultPolicyMask = cursor.U32();
  }
  dump.defaultMetadata = cursor.U32();
  dump.rangeMetadata =
      ReadList(cursor, kRangeMetadataSize, "key-range metadata entries", ReadRangeMetadata);
  dump.timeStamp = static_cast<int64_t>(cursor.U64());
  dump.settings = ReadList(cursor, kSmallestSetting, "settings", ReadSetting);
  if (dump.version >= kFirstVersionWithDeletedKeys)
    dump.deletedKeys = ReadList(cursor, kKeySize, "deleted keys", ReadKey);
  if (cursor.Remaining() != 0)
    throw DataError(cursor.Offset(), std::to_string(cursor.Remaining()) + " bytes after the " +
                                         (dump.deletedKeys ? "deleted keys" : "settings") +
                                         ", where the file should end");
}

uint16_t Crc16Xmodem(const uint8_t* bytes, size_t count, size_t stride) {
  uint16_t crc = 0;
  for (size_t i = 0; i < count; i += stride) {
    crc ^= static_cast<uint16_t>(bytes[i] << 8);
    for (int bit = 0; bit < 8; ++bit)
      crc = static_cast<uint16_t>(crc & 0x8000 ? crc << 1 ^ 0x1021 : crc << 1);
  }
  return crc;
}

}  // namespace

uint32_t UidTripleChecksum(const uint32_t (&uids)[3]) {
  ByteWriter out;
  for (const uint32_t uid : uids)
    out.U32(uid);
  const std::span<const uint8_t> bytes = out.Data();
  const uint32_t even = Crc16Xmodem(bytes.data(), bytes.size(), 2);
  const uint32_t odd = Crc16Xmodem(bytes.data() + 1, bytes.size() - 1, 2);
  return odd << 16 | even;
}

RepositoryDump ParseRepositoryDump(std::span<const uint8_t> file) {
  RepositoryDump dump;
  dump.fileSize = file.size();
  try {
    ByteCursor header(file);
    ReadHeader(header, dump);
    ByteCursor root(file.subspan(dump.rootStream), dump.rootStream);
    ReadRootStream(root, dump);
  } catch (const ByteRangeError& error) {
    throw ShortFileError(error);
  }
  return dump;
}

RepositoryDump ReadRepositoryDump(const std::filesystem::path& path) {
  FileStream file(path, file_mode::kReadShareAll);
  const auto size = static_cast<uint64_t>(file.Size());
  if (size > kLargestReadableFile)
    throw RepositoryFileError(
        path, DataError(kLargestReadableFile, "more bytes than any repository file holds"));
  std::vector<uint8_t> bytes(size);
  file.ReadExact(bytes.data(), bytes.size());
  try {
    return ParseRepositoryDump(bytes);
  } catch (const DataError& error) {
    throw RepositoryFileError(path, error);
  }
}

}  // namespace pw

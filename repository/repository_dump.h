// Everything a binary repository file holds, for `dump`: not only what plugins use.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace pw {

// A security policy as stored: the bytes of its counted block, decoded only when shown.
struct StoredPolicy {
  std::vector<uint8_t> bytes;
};

// A single policy (one key, or the keys a mask selects) or a range policy (low to high key).
struct KeyedPolicy {
  uint32_t key = 0;
  uint32_t highKey = 0;
  uint32_t keyMask = 0;
  StoredPolicy read;
  StoredPolicy write;
};

struct RangeMetadata {
  uint32_t lowKey = 0;
  uint32_t highKey = 0;
  uint32_t keyMask = 0;
  uint32_t metadata = 0;
};

struct StoredText {
  std::vector<uint8_t> bytes;  // as stored; shown as text only when they are UTF-16LE
};

struct DumpedSetting {
  uint32_t key = 0;
  uint32_t metadata = 0;
  std::variant<int32_t, double, StoredText> value;
};

struct RepositoryDump {
  uint64_t fileSize = 0;
  uint32_t uids[3] = {};
  uint32_t uidChecksum = 0;
  uint32_t rootStream = 0;
  uint8_t version = 0;
  uint32_t repositoryUid = 0;
  std::optional<uint8_t> keyspaceType;  // format version 3 and later
  uint32_t owner = 0;
  std::vector<KeyedPolicy> singlePolicies;
  std::vector<KeyedPolicy> rangePolicies;
  StoredPolicy defaultRead;
  StoredPolicy defaultWrite;
  std::optional<uint32_t> defaultPolicyKey;   // format version 2 and later
  std::optional<uint32_t> defaultPolicyMask;  // format version 2 and later
  uint32_t defaultMetadata = 0;
  std::vector<RangeMetadata> rangeMetadata;
  int64_t timeStamp = 0;
  std::vector<DumpedSetting> settings;
  std::optional<std::vector<uint32_t>> deletedKeys;  // format version 1 and later
};

inline constexpr uint8_t kNewestRepositoryFormat = 3;

// Reads the whole layout; raises DataError naming the offset of the first fault.
RepositoryDump ParseRepositoryDump(std::span<const uint8_t> file);

// Reads the file; raises the file layer's error, or RepositoryFileError for bad content.
RepositoryDump ReadRepositoryDump(const std::filesystem::path& path);

// The checksum of a UID triple: CRC-16/XMODEM of the even bytes (low half) and of the odd
// bytes (high half) of the 12 UID bytes.
uint32_t UidTripleChecksum(const uint32_t (&uids)[3]);

}  // namespace pw

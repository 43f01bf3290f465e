// Fixed values and offsets of the binary repository file, shared by its writer and reader.
#pragma once

#include <cstdint>

namespace pw::layout {

inline constexpr uint32_t kFirstUid = 0x10000037;
inline constexpr uint32_t kSecondUid = 0;
inline constexpr uint32_t kThirdUid = 0x10202BE9;
// CRC-16/XMODEM of the even and the odd bytes of the three UIDs above; they never change.
inline constexpr uint32_t kUidChecksum = 0xCC776985;
inline constexpr uint32_t kRootStreamPosition = 20;
inline constexpr uint8_t kFormatVersion = 1;
inline constexpr uint32_t kOwnerUid = 0xE9066A16;

inline constexpr uint64_t kRepositoryUidOffset = 21;
inline constexpr uint64_t kIndexCountOffset = 29;
inline constexpr uint64_t kHeaderSize = 33;  // through the count of index entries
inline constexpr uint64_t kIndexEntrySize = 30;
// Bytes between the index and the setting records: policies, metadata, time stamp, count.
inline constexpr uint64_t kBetweenIndexAndRecords = 42;
inline constexpr uint64_t kSmallestRecord = 10;  // a string record of no text

// Every setting may be read and written without any capability: a counted 8-byte block,
// type byte 1 (always pass), seven unused 0xFF bytes.
inline constexpr uint8_t kAlwaysPassPolicy[] = {0x22, 0x01, 0xFF, 0xFF, 0xFF,
                                                0xFF, 0xFF, 0xFF, 0xFF};

inline constexpr uint8_t kIntegerSetting = 0;
inline constexpr uint8_t kRealSetting = 1;  // never written by us; only `dump` shows it
inline constexpr uint8_t kStringSetting = 2;

// Texts are counted 8-bit blocks (the low bit of their compact count set): a one-byte count
// holds up to 31 code units, a two-byte count up to 4095.
inline constexpr uint32_t kByteBlockFlag = 1;
inline constexpr size_t kMaxTextUnits = 4095;

}  // namespace pw::layout

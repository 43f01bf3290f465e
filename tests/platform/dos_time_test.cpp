// MS-DOS date and time: packing, the years the format holds, local file times.
#include "platform/dos_time.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

namespace pw {
namespace {

TEST(DosTime, PacksDateHighAndTimeLow) {
  struct Case {
    LocalDateTime time;
    std::optional<uint32_t> packed;
  };
  const Case cases[] = {
      {{1980, 1, 1, 0, 0, 0}, 0x00210000},
      {{2021, 6, 15, 13, 45, 31}, (41u * 512 + 6 * 32 + 15) << 16 | (13 * 2048 + 45 * 32 + 15)},
      {{2107, 12, 31, 23, 59, 58}, (127u * 512 + 12 * 32 + 31) << 16 | (23 * 2048 + 59 * 32 + 29)},
      {{1979, 12, 31, 23, 59, 59}, std::nullopt},
      {{2108, 1, 1, 0, 0, 0}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PackDosDateTime(c.time), c.packed) << c.time.year;
    if (c.packed) {
      const LocalDateTime back = UnpackDosDateTime(*c.packed);
      EXPECT_EQ(back.year, c.time.year);
      EXPECT_EQ(back.day, c.time.day);
      EXPECT_EQ(back.second, c.time.second / 2 * 2);
    }
  }
}

TEST(DosTime, UtcSecondsPackAsTheyReadInUtc) {
  struct Case {
    int64_t seconds;
    std::optional<uint32_t> packed;
  };
  const Case cases[] = {
      {315532800, 0x00210000},  // 1980-01-01 00:00:00
      {1700000001, (43u * 512 + 11 * 32 + 14) << 16 | (22 * 2048 + 13 * 32 + 10)},
      {4354819199, (127u * 512 + 12 * 32 + 31) << 16 | (23 * 2048 + 59 * 32 + 29)},
      {315532799, std::nullopt},
      {4354819200, std::nullopt},
      {-1, std::nullopt},
      {INT64_MAX, std::nullopt},
      {INT64_MIN, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(UtcSecondsToDosDateTime(c.seconds), c.packed) << c.seconds;
}

TEST(DosTime, FileTimesGoThroughLocalTime) {
  const uint32_t stamp = *PackDosDateTime({2019, 7, 10, 12, 30, 0});
  const auto fileTime = DosDateTimeToFileTime(stamp);
  ASSERT_TRUE(fileTime);
  EXPECT_EQ(FileTimeToDosDateTime(*fileTime), stamp);
  const std::chrono::sys_seconds before1980{std::chrono::sys_days{std::chrono::year{1979} / 6 / 1}};
  EXPECT_FALSE(FileTimeToDosDateTime(std::chrono::file_clock::from_sys(before1980)));
  EXPECT_FALSE(DosDateTimeToFileTime(0));  // month 0
  EXPECT_TRUE(PackDosDateTime(UnpackDosDateTime(CurrentDosDateTime())));
}

}  // namespace
}  // namespace pw

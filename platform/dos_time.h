// Local time to and from the MS-DOS date and time of zip entries.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace pw {

struct LocalDateTime {
  int year = 1980;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Date in the high 16 bits ((year - 1980) * 512 + month * 32 + day), time in the low 16 bits
// (hour * 2048 + minute * 32 + second / 2); nothing outside the years 1980 to 2107.
std::optional<uint32_t> PackDosDateTime(const LocalDateTime& time);
LocalDateTime UnpackDosDateTime(uint32_t dosDateTime);

// A file time in local time, packed; nothing when it falls outside what the format holds.
std::optional<uint32_t> FileTimeToDosDateTime(std::filesystem::file_time_type time);
// A moment in UTC, as seconds since 1970, packed as it reads in UTC, so that it packs the same
// in every time zone; nothing outside the years the format holds.
std::optional<uint32_t> UtcSecondsToDosDateTime(int64_t seconds);
// The current local date and time, packed.
uint32_t CurrentDosDateTime();
// The file time of an MS-DOS date and time read as local time; nothing for an invalid date.
std::optional<std::filesystem::file_time_type> DosDateTimeToFileTime(uint32_t dosDateTime);

}  // namespace pw

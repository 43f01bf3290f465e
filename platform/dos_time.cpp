// MS-DOS date and time packing over the host's local time rules.
#include "platform/dos_time.h"

#include <chrono>
#include <ctime>

namespace pw {
namespace {

constexpr int kFirstYear = 1980;
constexpr int kLastYear = 2107;

std::optional<std::tm> LocalTime(std::time_t seconds) {
  std::tm local = {};
#ifdef _WIN32
  if (localtime_s(&local, &seconds) != 0)
    return std::nullopt;
#else
  if (localtime_r(&seconds, &local) == nullptr)
    return std::nullopt;
#endif
  return local;
}

std::optional<uint32_t> PackTm(const std::tm& local) {
  return PackDosDateTime({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, local.tm_sec});
}

}  // namespace

std::optional<uint32_t> PackDosDateTime(const LocalDateTime& t) {
  if (t.year < kFirstYear || t.year > kLastYear)
    return std::nullopt;
  const uint32_t date = static_cast<uint32_t>((t.year - kFirstYear) * 512 + t.month * 32 + t.day);
  const uint32_t time = static_cast<uint32_t>(t.hour * 2048 + t.minute * 32 + t.second / 2);
  return (date << 16) | time;
}

LocalDateTime UnpackDosDateTime(uint32_t dosDateTime) {
  const uint32_t date = dosDateTime >> 16;
  const uint32_t time = dosDateTime & 0xFFFF;
  return {static_cast<int>(date >> 9) + kFirstYear,
          static_cast<int>((date >> 5) & 0x0F),
          static_cast<int>(date & 0x1F),
          static_cast<int>(time >> 11),
          static_cast<int>((time >> 5) & 0x3F),
          static_cast<int>((time & 0x1F) * 2)};
}

std::optional<uint32_t> FileTimeToDosDateTime(std::filesystem::file_time_type time) {
  const auto system = std::chrono::file_clock::to_sys(time);
  const std::optional<std::tm> local = LocalTime(std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(system)));
  if (!local)
    return std::nullopt;
  return PackTm(*local);
}

std::optional<uint32_t> UtcSecondsToDosDateTime(int64_t seconds) {
  using namespace std::chrono;
  // Bounds the calendar arithmetic below as well as the format.
  const sys_seconds first{sys_days{year{kFirstYear} / January / 1}};
  const sys_seconds pastLast{sys_days{year{kLastYear + 1} / January / 1}};
  const sys_seconds time{std::chrono::seconds{seconds}};
  if (time < first || time >= pastLast)
    return std::nullopt;
  const sys_days day = floor<days>(time);
  const year_month_day date{day};
  const hh_mm_ss clock{time - day};
  return PackDosDateTime(
      {static_cast<int>(date.year()), static_cast<int>(unsigned{date.month()}),
       static_cast<int>(unsigned{date.day()}), static_cast<int>(clock.hours().count()),
       static_cast<int>(clock.minutes().count()), static_cast<int>(clock.seconds().count())});
}

uint32_t CurrentDosDateTime() {
  const std::optional<std::tm> local = LocalTime(std::time(nullptr));
  const std::optional<uint32_t> packed = local ? PackTm(*local) : std::nullopt;
  return packed.value_or(*PackDosDateTime({}));
}

std::optional<std::filesystem::file_time_type> DosDateTimeToFileTime(uint32_t dosDateTime) {
  const LocalDateTime t = UnpackDosDateTime(dosDateTime);
  if (t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour > 23 || t.minute > 59 ||
      t.second > 59)
    return std::nullopt;
  std::tm local = {};
  local.tm_year = t.year - 1900;
  local.tm_mon = t.month - 1;
  local.tm_mday = t.day;
  local.tm_hour = t.hour;
  local.tm_min = t.minute;
  local.tm_sec = t.second;
  local.tm_isdst = -1;
  const std::time_t seconds = std::mktime(&local);
  if (seconds == static_cast<std::time_t>(-1))
    return std::nullopt;
  const auto system = std::chrono::system_clock::from_time_t(seconds);
  return std::chrono::time_point_cast<std::filesystem::file_time_type::duration>(
      std::chrono::file_clock::from_sys(system));
}

}  // namespace pw

// Reading SOURCE_DATE_EPOCH, the reproducible-builds convention for a fixed build time.
#include "cli/source_date_epoch.h"

#include <charconv>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/dos_time.h"
#include "platform/errors.h"

namespace pw {

std::optional<uint32_t> SourceDateEpochStamp() {
  const char* value = std::getenv("SOURCE_DATE_EPOCH");
  if (value == nullptr || *value == '\0')
    return std::nullopt;
  const std::string_view text(value);
  int64_t seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  const std::optional<uint32_t> stamp =
      error == std::errc() && end == text.data() + text.size() && text.front() != '-'
          ? UtcSecondsToDosDateTime(seconds)
          : std::nullopt;
  if (!stamp)
    throw Error("SOURCE_DATE_EPOCH \"" + std::string(text) +
                "\" is not a number of seconds since 1970 that falls in the years 1980 to 2107");
  return stamp;
}

}  // namespace pw

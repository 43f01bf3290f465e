// SOURCE_DATE_EPOCH: the time stamp of reproducible packages.
#pragma once

#include <cstdint>
#include <optional>

namespace pw {

// The MS-DOS date and time (read in UTC) that SOURCE_DATE_EPOCH, a count of seconds since
// 1970, gives every stored entry; nothing when it is unset or empty. Raises Error when it is
// not a plain decimal count or falls outside the years 1980 to 2107 that a package can hold.
std::optional<uint32_t> SourceDateEpochStamp();

}  // namespace pw

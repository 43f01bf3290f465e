// A phone's repository file as tweak items: one item per setting, for `import`.
#pragma once

#include <cstdint>
#include <vector>

#include "model/repo_item.h"
#include "repository/repository_dump.h"

namespace pw {

// The keys low to high, both included.
struct KeyRange {
  uint32_t low = 0;
  uint32_t high = 0;
};

// A Common item for each setting whose key lies in one of ranges (every setting when ranges
// is empty), in key order. UID and key are "0x" and eight uppercase digits; an integer's
// bounds are the whole 32-bit range, so that any value the phone holds lies inside; the name
// is "Setting 0x<key>" and the description the current value as `dump` shows it, followed by
// what writing the setting needs when that is more than nothing. A description is cut short
// where it would be longer than a phone takes.
std::vector<TRepo> ImportedItems(const RepositoryDump& dump, const std::vector<KeyRange>& ranges);

}  // namespace pw

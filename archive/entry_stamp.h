// The time stamp and attribute word an entry takes from its source file.
#pragma once

#include <cstdint>

#include "platform/file_info.h"

namespace pw {

// The last-write time in local MS-DOS form (date high, time low); the current local date and
// time when it cannot be read or lies outside 1980 to 2107.
uint32_t EntryDosDateTime(const FileInfo& file);

// The attribute bits the host reports; 4 when the file exists but they cannot be read.
uint32_t EntryAttributeWord(const FileInfo& file);

}  // namespace pw

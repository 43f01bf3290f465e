// Finding data in front of an archive whose offsets do not count it.
#pragma once

#include <cstdint>

namespace pw {

class TZFDirManager;

// The stub size of a directory just read: the position of the first end record when the
// archive holds no entries; otherwise the first local header from the first entry's offset on
// that agrees with the first entry (or stands at 0), or 0 when none does.
int64_t DetectStubSize(TZFDirManager& manager, int64_t firstEndRecord);

}  // namespace pw

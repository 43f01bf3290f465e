// Moving an unchanged entry, header, data and descriptor, from one file to another.
#pragma once

#include <cstdint>

#include "archive/dir_item.h"

namespace pw {

class FileStream;

// Copies the entry whose local header stands at `offset` in `from` to the current position
// of `to` and points the entry's relOffsetLH there.
void CopyEntry(TDirItem& item, FileStream& from, int64_t offset, FileStream& to);

// Copies `count` bytes from `from` at `offset` to `to` at its position, 1 MiB at a time.
void CopyBytes(FileStream& from, int64_t offset, uint64_t count, FileStream& to);

// Where the entry's local header stands, as its directory entry gives it.
uint64_t LocalHeaderOffset(const TDirItem& item);

}  // namespace pw

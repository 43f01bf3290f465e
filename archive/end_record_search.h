// Finding the end of central directory record from the end of an archive file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "archive/zip_records.h"

namespace pw {

class FileStream;

struct FoundEndRecord {
  TZFZipCentralDirEnd record;
  int64_t position = 0;
  std::string comment;  // the commentLength bytes after the record
};

// Scans the last 65600 bytes backwards; the first candidate whose comment reaches exactly to
// the end of the file is the record. Nothing when no candidate passes.
std::optional<FoundEndRecord> FindEndRecord(FileStream& file);

}  // namespace pw

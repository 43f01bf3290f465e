// Writing one modified entry at the end of the archive: local header, name, Unicode name
// field, the stored data, then the header again with the values the data gave.
#pragma once

#include "archive/dir_item.h"
#include "archive/writer_settings.h"

namespace pw {

class FileStream;

// Raises EZFException for a failure of this entry (natives 33, 34, 43, 61, 65); the archive's
// own stream errors pass on as they are. The source file is closed when this returns.
void WriteEntry(TDirItem& item, FileStream& archive, const ZFWriterSettings& settings);

}  // namespace pw

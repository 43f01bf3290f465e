// Storing a source file's bytes into the archive, chunk by chunk, with their CRC-32.
#pragma once

#include <cstdint>
#include <string>

namespace pw {

class FileStream;

struct StoredData {
  uint32_t crc32 = 0;
  uint64_t size = 0;  // bytes read and written
};

// Copies the source from its start in 1 MiB chunks. A chunk the archive does not take whole
// raises native 65 (disk full); a source that ends before expectedSize raises native 34.
StoredData StoreData(FileStream& source, uint64_t expectedSize, FileStream& archive);

}  // namespace pw

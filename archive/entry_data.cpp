// The stored (method 0) data of an entry.
#include "archive/entry_data.h"

#include <zlib.h>

#include <vector>

#include "archive/ezf_exception.h"
#include "archive/zf_types.h"
#include "platform/file_stream.h"

namespace pw {

StoredData StoreData(FileStream& source, uint64_t expectedSize, FileStream& archive) {
  std::vector<unsigned char> chunk(zf::kChunkSize);
  StoredData stored;
  uLong crc = crc32(0L, Z_NULL, 0);
  source.Seek(0);
  for (;;) {
    const size_t got = source.Read(chunk.data(), chunk.size());
    crc = crc32(crc, chunk.data(), static_cast<uInt>(got));
    if (archive.Write(chunk.data(), got) != got)
      throw EZFException(zf_native::kDiskFull);
    stored.size += got;
    if (got < chunk.size())
      break;
  }
  stored.crc32 = static_cast<uint32_t>(crc);
  if (stored.size != expectedSize)
    throw EZFException(zf_native::kSourceSizeMismatch, {},
                       {std::to_string(expectedSize), std::to_string(stored.size)});
  return stored;
}

}  // namespace pw

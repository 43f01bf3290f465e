// Copying or inflating one entry's data from the archive into its output file.
#pragma once

#include <cstdint>

namespace pw {

class FileStream;

// Where an entry's data lie and what they must give.
struct EntryDataSpan {
  int64_t start = 0;              // first data byte in the archive file
  uint64_t compressedSize = 0;    // bytes of data, already cut at the central directory
  uint64_t uncompressedSize = 0;  // bytes the output must receive
};

struct TransferResult {
  uint64_t written = 0;
  uint32_t crc32 = 0;
  bool complete = true;  // false: the data were cut short or did not decode
};

// Stored data: read in 1 MiB chunks, written in pieces of at most 65535 bytes.
// Deflated data: one raw deflate stream, inflated into a 1 MiB buffer.
// Both stop as soon as the output would pass uncompressedSize (complete false), so a lying
// size can never fill the disk. A write the output does not take whole raises native 65.
TransferResult TransferStored(FileStream& archive, const EntryDataSpan& span, FileStream& output);
TransferResult TransferDeflated(FileStream& archive, const EntryDataSpan& span, FileStream& output);

}  // namespace pw

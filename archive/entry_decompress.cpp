// Stored and deflated entry data, with the CRC-32 of every byte written.
#include "archive/entry_decompress.h"

#include <zlib.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "archive/ezf_exception.h"
#include "archive/zf_types.h"
#include "platform/file_stream.h"

namespace pw {
namespace {

constexpr size_t kReadChunk = 1 << 20;
constexpr size_t kInflateBuffer = 1 << 20;
constexpr size_t kSmallestInflateBuffer = 1 << 16;
constexpr size_t kStoredPiece = 65535;

// Buffers as large as the entry needs, up to their full size: a plugin's small entries
// should not cost megabytes of cleared memory each.
size_t BufferFor(uint64_t bytes, size_t smallest, size_t largest) {
  return static_cast<size_t>(std::clamp<uint64_t>(bytes, smallest, largest));
}

// Writes what the entry produced while keeping to its declared size; false once it passes.
class OutputWriter {
 public:
  OutputWriter(FileStream& output, uint64_t limit) : output_(output), limit_(limit) {}

  bool Write(const unsigned char* bytes, size_t n) {
    if (n > limit_ - result_.written) {
      result_.complete = false;
      n = static_cast<size_t>(limit_ - result_.written);
    }
    if (output_.Write(bytes, n) != n)
      throw EZFException(zf_native::kDiskFull);
    crc_ = crc32(crc_, bytes, static_cast<uInt>(n));
    result_.written += n;
    return result_.complete;
  }

  void MarkIncomplete() { result_.complete = false; }

  TransferResult Result() const {
    TransferResult result = result_;
    result.crc32 = static_cast<uint32_t>(crc_);
    return result;
  }

 private:
  FileStream& output_;
  uint64_t limit_;
  uLong crc_ = crc32(0L, Z_NULL, 0);
  TransferResult result_;
};

// Reads the next chunk of the entry's data; fewer bytes than asked only at the file's end.
size_t ReadChunk(FileStream& archive, std::vector<unsigned char>& chunk, uint64_t& left) {
  const size_t want = static_cast<size_t>(std::min<uint64_t>(left, chunk.size()));
  const size_t got = archive.Read(chunk.data(), want);
  left = got < want ? 0 : left - got;
  return got;
}

struct InflateEnd {
  void operator()(z_stream* stream) const {
    inflateEnd(stream);
    delete stream;
  }
};

std::unique_ptr<z_stream, InflateEnd> RawInflater() {
  auto* stream = new z_stream{};
  if (inflateInit2(stream, -MAX_WBITS) != Z_OK) {
    delete stream;
    throw EZFException(zf_native::kBadSizeOrChecksum);
  }
  return std::unique_ptr<z_stream, InflateEnd>(stream);
}

}  // namespace

TransferResult TransferStored(FileStream& archive, const EntryDataSpan& span, FileStream& output) {
  OutputWriter writer(output, span.uncompressedSize);
  std::vector<unsigned char> chunk(BufferFor(span.compressedSize, 1, kReadChunk));
  archive.Seek(span.start);
  uint64_t left = span.compressedSize;
  while (left > 0) {
    const size_t got = ReadChunk(archive, chunk, left);
    for (size_t at = 0; at < got; at += kStoredPiece) {
      if (!writer.Write(chunk.data() + at, std::min(kStoredPiece, got - at)))
        return writer.Result();
    }
  }
  return writer.Result();
}

TransferResult TransferDeflated(FileStream& archive, const EntryDataSpan& span,
                                FileStream& output) {
  OutputWriter writer(output, span.uncompressedSize);
  auto stream = RawInflater();
  std::vector<unsigned char> chunk(BufferFor(span.compressedSize, 1, kReadChunk));
  std::vector<unsigned char> produced(
      BufferFor(span.uncompressedSize, kSmallestInflateBuffer, kInflateBuffer));
  archive.Seek(span.start);
  uint64_t left = span.compressedSize;
  for (;;) {
    if (stream->avail_in == 0 && left > 0) {
      stream->next_in = chunk.data();
      stream->avail_in = static_cast<uInt>(ReadChunk(archive, chunk, left));
    }
    const uInt inputBefore = stream->avail_in;
    stream->next_out = produced.data();
    stream->avail_out = static_cast<uInt>(produced.size());
    const int status = inflate(stream.get(), Z_NO_FLUSH);
    const size_t count = produced.size() - stream->avail_out;
    if (count > 0 && !writer.Write(produced.data(), count))
      return writer.Result();
    if (status == Z_STREAM_END)
      return writer.Result();
    if (status != Z_OK && status != Z_BUF_ERROR) {
      writer.MarkIncomplete();
      return writer.Result();
    }
    // zlib has all the input and gives nothing more: the stream ends here, and the size and
    // checksum tests tell whether it was whole.
    if (count == 0 && stream->avail_in == inputBefore)
      return writer.Result();
  }
}

}  // namespace pw

// The backward scan for the end record with its exact comment-length test.
#include "archive/end_record_search.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "platform/file_stream.h"

namespace pw {
namespace {

// The largest comment (65535) plus the record, with room to spare as the format's readers have.
constexpr int64_t kSearchSpan = 65600;
constexpr size_t kCommentLengthOffset = 20;

bool IsSignatureAt(const std::string& bytes, size_t start) {
  return bytes[start] == 0x50 && bytes[start + 1] == 0x4B && bytes[start + 2] == 0x05 &&
         bytes[start + 3] == 0x06;
}

}  // namespace

std::optional<FoundEndRecord> FindEndRecord(FileStream& file) {
  const int64_t size = file.Size();
  const int64_t span = std::min(size, kSearchSpan);
  std::string tail(static_cast<size_t>(span), '\0');
  file.Seek(size - span);
  file.ReadExact(tail.data(), tail.size());
  for (std::ptrdiff_t back = std::ssize(tail) - 4; back >= 0; --back) {
    const size_t start = static_cast<size_t>(back);
    if (!IsSignatureAt(tail, start))
      continue;
    const size_t after = tail.size() - start;
    if (after < zf::kCentralDirEndSize)
      continue;
    ByteCursor lengthField(std::string_view(tail).substr(start + kCommentLengthOffset, 2));
    if (lengthField.U16() != after - zf::kCentralDirEndSize)
      continue;
    ByteCursor in(std::string_view(tail).substr(start, zf::kCentralDirEndSize));
    FoundEndRecord found;
    found.record = TZFZipCentralDirEnd::Read(in);
    found.position = size - span + static_cast<int64_t>(start);
    found.comment = tail.substr(start + zf::kCentralDirEndSize);
    return found;
  }
  return std::nullopt;
}

}  // namespace pw

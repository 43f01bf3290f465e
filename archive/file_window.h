// Bounded reads from an archive file through one cached block, and the signature search.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pw {

class FileStream;

// Scans over many small records would otherwise cost a system call per field; every read is
// checked against the file size taken when the window was made.
class FileWindow {
 public:
  // blockSize: the most the window reads from the file at a time (unless one read asks for more).
  FileWindow(FileStream& file, size_t blockSize);

  int64_t Size() const { return size_; }

  // The n bytes at position; StreamReadError when any of them lies outside the file. The view
  // stays valid until the next call.
  std::string_view Read(int64_t position, size_t n);

  // The first position at or after start where the 4-byte little-endian signature stands.
  // Blocks overlap by 4 bytes, so a signature that spans two blocks is found.
  std::optional<int64_t> FindSignature(int64_t start, uint32_t signature);

 private:
  // The cached bytes from position on; refilled from position when it lies outside the block or
  // too near its end to make progress.
  std::string_view From(int64_t position);
  void Fill(int64_t position, size_t n);

  FileStream& file_;
  int64_t size_;
  size_t blockSize_;
  std::string buffer_;
  int64_t bufferStart_ = 0;
};

}  // namespace pw

// A file opened in one of the modes the archive and the plugin files use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace pw {

// File modes as numbers, as the archive component stores them.
namespace file_mode {
inline constexpr uint16_t kCreate = 0xFF00;  // create or empty, read and write, others may read
inline constexpr uint16_t kReadWriteDenyWrite = 0x22;  // read and write, others may not write
inline constexpr uint16_t kReadShareAll = 0x40;        // read only, others may read and write
}  // namespace file_mode

// A file stream over the host's file handles. Errors: FileCreateError and FileOpenError
// when opening; StreamReadError and StreamWriteError from the *Exact calls.
class FileStream {
 public:
  FileStream(const std::filesystem::path& path, uint16_t mode);
  ~FileStream();
  FileStream(const FileStream&) = delete;
  FileStream& operator=(const FileStream&) = delete;

  // Reads up to n bytes; fewer at the end of the file.
  size_t Read(void* buffer, size_t n);
  // Reads exactly n bytes or raises StreamReadError.
  void ReadExact(void* buffer, size_t n);
  // Writes up to n bytes; fewer when the disk is full.
  size_t Write(const void* buffer, size_t n);
  // Writes exactly n bytes or raises StreamWriteError.
  void WriteExact(const void* buffer, size_t n);

  int64_t Position() const { return position_; }
  void Seek(int64_t position) { position_ = position; }
  int64_t Size() const;
  // Cuts the file at size; raises StreamWriteError when the host refuses.
  void Truncate(int64_t size);
  // Pushes written data to the disk.
  void Flush();

  const std::filesystem::path& Path() const { return path_; }

 private:
  // One system call of a positioned transfer: the bytes it moved, 0 at the end or on an error.
  size_t ReadSome(void* buffer, size_t n, int64_t offset);
  size_t WriteSome(const void* buffer, size_t n, int64_t offset);

  std::filesystem::path path_;
  int64_t position_ = 0;
  int64_t readBudget_ = -1;   // bytes left before reads stop short (fault injection), -1: none
  int64_t writeBudget_ = -1;  // bytes left before writes stop short (fault injection), -1: none
  int64_t sizeLimit_ = -1;    // file size at which writes stop short (fault injection), -1: none
#ifdef _WIN32
  void* handle_;
#else
  int fd_;
#endif
};

}  // namespace pw

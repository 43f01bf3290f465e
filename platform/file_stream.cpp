// File streams on POSIX descriptors or Win32 handles, with the test hooks of fault_injection.
#include "platform/file_stream.h"

#include <algorithm>
#include <cerrno>

#include "platform/errors.h"
#include "platform/fault_injection.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pw {
namespace {

bool IsCreateMode(uint16_t mode) {
  return (mode & 0xFF00) == 0xFF00;
}

[[noreturn]] void RaiseOpenFailure(const std::filesystem::path& path, uint16_t mode, int code) {
  if (IsCreateMode(mode))
    throw FileCreateError(path, SystemReason(code));
  throw FileOpenError(path, SystemReason(code));
}

// Bytes a budgeted transfer may still move; a budget of -1 means no limit.
size_t Allowed(int64_t budget, size_t n) {
  return budget < 0 ? n : static_cast<size_t>(std::min<int64_t>(budget, static_cast<int64_t>(n)));
}

// Bytes a write at position may put before the file reaches sizeLimit; -1 means no limit.
size_t Fits(int64_t sizeLimit, int64_t position, size_t n) {
  return sizeLimit < 0 ? n : Allowed(std::max<int64_t>(0, sizeLimit - position), n);
}

void Spend(int64_t& budget, size_t n) {
  if (budget >= 0)
    budget -= static_cast<int64_t>(n);
}

// Repeats a transfer step from where the last one stopped until n bytes have moved or a step
// moves none.
template <typename Step>
size_t MoveAll(size_t n, Step step) {
  size_t total = 0;
  while (total < n) {
    const size_t moved = step(total);
    if (moved == 0)
      break;
    total += moved;
  }
  return total;
}

}  // namespace

#ifdef _WIN32

FileStream::FileStream(const std::filesystem::path& path, uint16_t mode) : path_(path) {
  const faults::Applied fault = faults::ForOpen(path);
  if (fault.failOpen)
    RaiseOpenFailure(path, mode, ERROR_ACCESS_DENIED);
  DWORD access = GENERIC_READ;
  DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  DWORD disposition = OPEN_EXISTING;
  if (IsCreateMode(mode)) {
    // Others may read a file while we write it, never write it. Denying reads as well would
    // make the create itself fail whenever a virus scanner, the indexer or a preview holds the
    // earlier file of that name open for reading, as they do at any time; and a reader sees no
    // more than it may while an existing archive is updated in place, which shares reading too.
    // Denying writes keeps a second writer of the same file from mixing its bytes into ours.
    access |= GENERIC_WRITE, share = FILE_SHARE_READ, disposition = CREATE_ALWAYS;
  } else {
    if ((mode & 0x0F) != 0)
      access |= GENERIC_WRITE;
    switch (mode & 0xF0) {
      case 0x10:
        share = 0;
        break;
      case 0x20:
        share = FILE_SHARE_READ;
        break;
      case 0x30:
        share = FILE_SHARE_WRITE;
        break;
      default:
        break;
    }
  }
  handle_ = CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                        nullptr);
  if (handle_ == INVALID_HANDLE_VALUE)
    RaiseOpenFailure(path, mode, GetLastError());
  readBudget_ = fault.readLimit;
  writeBudget_ = fault.writeLimit;
  sizeLimit_ = fault.sizeLimit;
}

FileStream::~FileStream() {
  CloseHandle(handle_);
}

namespace {

OVERLAPPED At(int64_t offset) {
  OVERLAPPED at = {};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return at;
}

// A single call moves at most 1 GiB, well inside a DWORD.
DWORD Ask(size_t n) {
  return static_cast<DWORD>(std::min<size_t>(n, 1u << 30));
}

}  // namespace

size_t FileStream::ReadSome(void* buffer, size_t n, int64_t offset) {
  OVERLAPPED at = At(offset);
  DWORD got = 0;
  return ReadFile(handle_, buffer, Ask(n), &got, &at) ? got : 0;
}

size_t FileStream::WriteSome(const void* buffer, size_t n, int64_t offset) {
  OVERLAPPED at = At(offset);
  DWORD put = 0;
  return WriteFile(handle_, buffer, Ask(n), &put, &at) ? put : 0;
}

int64_t FileStream::Size() const {
  LARGE_INTEGER size = {};
  GetFileSizeEx(handle_, &size);
  return size.QuadPart;
}

void FileStream::Truncate(int64_t size) {
  LARGE_INTEGER at;
  at.QuadPart = size;
  if (!SetFilePointerEx(handle_, at, nullptr, FILE_BEGIN) || !SetEndOfFile(handle_))
    throw StreamWriteError();
}

void FileStream::Flush() {
  FlushFileBuffers(handle_);
}

#else

FileStream::FileStream(const std::filesystem::path& path, uint16_t mode) : path_(path) {
  const faults::Applied fault = faults::ForOpen(path);
  if (fault.failOpen)
    RaiseOpenFailure(path, mode, EACCES);
  int flags = O_CLOEXEC;
  if (IsCreateMode(mode)) {
    flags |= O_RDWR | O_CREAT | O_TRUNC;
  } else {
    flags |= (mode & 0x0F) == 0 ? O_RDONLY : ((mode & 0x0F) == 1 ? O_WRONLY : O_RDWR);
  }
  fd_ = ::open(path.c_str(), flags, 0666);
  if (fd_ < 0)
    RaiseOpenFailure(path, mode, errno);
  struct stat info = {};
  if (::fstat(fd_, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd_);
    RaiseOpenFailure(path, mode, EISDIR);
  }
  readBudget_ = fault.readLimit;
  writeBudget_ = fault.writeLimit;
  sizeLimit_ = fault.sizeLimit;
}

FileStream::~FileStream() {
  ::close(fd_);
}

size_t FileStream::ReadSome(void* buffer, size_t n, int64_t offset) {
  for (;;) {
    const ssize_t got = ::pread(fd_, buffer, n, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR)
      continue;
    return got > 0 ? static_cast<size_t>(got) : 0;
  }
}

size_t FileStream::WriteSome(const void* buffer, size_t n, int64_t offset) {
  for (;;) {
    const ssize_t put = ::pwrite(fd_, buffer, n, static_cast<off_t>(offset));
    if (put < 0 && errno == EINTR)
      continue;
    return put > 0 ? static_cast<size_t>(put) : 0;
  }
}

int64_t FileStream::Size() const {
  struct stat info = {};
  if (::fstat(fd_, &info) != 0)
    return 0;
  return info.st_size;
}

void FileStream::Truncate(int64_t size) {
  if (::ftruncate(fd_, static_cast<off_t>(size)) != 0)
    throw StreamWriteError();
}

void FileStream::Flush() {
  ::fsync(fd_);
}

#endif

size_t FileStream::Read(void* buffer, size_t n) {
  n = Allowed(readBudget_, n);
  const size_t total = MoveAll(n, [&](size_t done) {
    return ReadSome(static_cast<char*>(buffer) + done, n - done,
                    position_ + static_cast<int64_t>(done));
  });
  position_ += static_cast<int64_t>(total);
  Spend(readBudget_, total);
  return total;
}

size_t FileStream::Write(const void* buffer, size_t n) {
  n = Fits(sizeLimit_, position_, Allowed(writeBudget_, n));
  const size_t total = MoveAll(n, [&](size_t done) {
    return WriteSome(static_cast<const char*>(buffer) + done, n - done,
                     position_ + static_cast<int64_t>(done));
  });
  position_ += static_cast<int64_t>(total);
  Spend(writeBudget_, total);
  return total;
}

void FileStream::ReadExact(void* buffer, size_t n) {
  const int64_t start = position_;
  if (Read(buffer, n) != n) {
    position_ = start;
    throw StreamReadError();
  }
}

void FileStream::WriteExact(const void* buffer, size_t n) {
  if (Write(buffer, n) != n)
    throw StreamWriteError();
}

}  // namespace pw

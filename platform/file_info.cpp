// File lookup and attribute words on Win32 and POSIX.
#include "platform/file_info.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace pw {
namespace {

constexpr uint32_t kReadOnly = 0x01;
#ifndef _WIN32
constexpr uint32_t kHidden = 0x02;
constexpr uint32_t kDirectory = 0x10;
constexpr uint32_t kArchive = 0x20;
#endif

}  // namespace

#ifdef _WIN32

std::optional<FileInfo> FindFile(const std::filesystem::path& path) {
  WIN32_FIND_DATAW found = {};
  const HANDLE search = FindFirstFileW(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return std::nullopt;
  FindClose(search);
  FileInfo info;
  info.path = path.parent_path() / found.cFileName;
  info.attributes = found.dwFileAttributes;
  info.size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
  std::error_code error;
  const auto time = std::filesystem::last_write_time(info.path, error);
  if (!error)
    info.lastWrite = time;
  return info;
}

bool SetFileAttributeWord(const std::filesystem::path& path, uint32_t attributes) {
  return SetFileAttributesW(path.c_str(), attributes) != 0;
}

#else

std::optional<FileInfo> FindFile(const std::filesystem::path& path) {
  struct stat status = {};
  if (::stat(path.c_str(), &status) != 0)
    return std::nullopt;
  FileInfo info;
  info.path = path;
  uint32_t attributes = S_ISDIR(status.st_mode) ? kDirectory : kArchive;
  // From the permission bits rather than access(), which grants everything to root.
  if ((status.st_mode & S_IWUSR) == 0)
    attributes |= kReadOnly;
  if (path.filename().native().starts_with('.'))
    attributes |= kHidden;
  info.attributes = attributes;
  info.size = S_ISDIR(status.st_mode) ? 0 : static_cast<uint64_t>(status.st_size);
  std::error_code error;
  const auto time = std::filesystem::last_write_time(path, error);
  if (!error)
    info.lastWrite = time;
  return info;
}

bool SetFileAttributeWord(const std::filesystem::path& path, uint32_t attributes) {
  using std::filesystem::perms;
  const perms write = perms::owner_write | perms::group_write | perms::others_write;
  std::error_code error;
  if ((attributes & kReadOnly) != 0) {
    std::filesystem::permissions(path, write, std::filesystem::perm_options::remove, error);
  } else {
    std::filesystem::permissions(path, perms::owner_write, std::filesystem::perm_options::add,
                                 error);
  }
  return !error;
}

#endif

}  // namespace pw

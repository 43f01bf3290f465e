// Temporary files through GetTempFileName on Windows and mkstemp elsewhere.
#include "platform/temp_file.h"

#include <cerrno>
#include <string>

#include "platform/errors.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>

#include <cstdlib>
#endif

namespace pw {
namespace {

std::filesystem::path FolderOrSystem(const std::filesystem::path& folder) {
  return folder.empty() ? std::filesystem::temp_directory_path() : folder;
}

}  // namespace

#ifdef _WIN32

std::filesystem::path CreateTempFile(const std::filesystem::path& folder, std::string_view prefix) {
  const std::filesystem::path in = FolderOrSystem(folder);
  const std::wstring widePrefix(prefix.begin(), prefix.end());
  wchar_t name[MAX_PATH + 1] = {};
  if (GetTempFileNameW(in.c_str(), widePrefix.c_str(), 0, name) == 0)
    throw FileCreateError(in / widePrefix, SystemReason(static_cast<int>(GetLastError())));
  return name;
}

#else

std::filesystem::path CreateTempFile(const std::filesystem::path& folder, std::string_view prefix) {
  const std::filesystem::path in = FolderOrSystem(folder);
  std::string pattern = (in / std::string(prefix)).native() + "XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0)
    throw FileCreateError(pattern, SystemReason(errno));
  ::close(fd);
  return pattern;
}

#endif

TemporaryFile::~TemporaryFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

}  // namespace pw

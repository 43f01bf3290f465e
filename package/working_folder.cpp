// Choosing the working folder: beside the program, or the user's data folder.
#include "package/working_folder.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace pw {
namespace {

// Creating a file is the only test that holds everywhere: permissions, read-only media,
// and folders that virtualise writes all show in it.
bool CanCreateFilesIn(const std::filesystem::path& folder) {
#ifdef _WIN32
  const int pid = _getpid();
#else
  const int pid = static_cast<int>(getpid());
#endif
  const auto probe = folder / (".plugwright-write-test-" + std::to_string(pid));
  bool created = false;
  {
    std::ofstream file(probe, std::ios::binary);
    created = file.is_open();
  }
  std::error_code ignored;
  std::filesystem::remove(probe, ignored);
  return created;
}

std::filesystem::path UserDataFolder() {
#ifdef _WIN32
  if (const wchar_t* local = _wgetenv(L"LOCALAPPDATA"); local && *local)
    return std::filesystem::path(local) / L"Qorvix Plugwright";
  return std::filesystem::temp_directory_path() / L"Qorvix Plugwright";
#else
  if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
    return std::filesystem::path(data) / "qorvix-plugwright";
  if (const char* home = std::getenv("HOME"); home && *home)
    return std::filesystem::path(home) / ".local" / "share" / "qorvix-plugwright";
  return std::filesystem::temp_directory_path() / "qorvix-plugwright";
#endif
}

// An installed program keeps its data elsewhere, so that an update or an uninstall never touches
// the user's plugins. On Linux it sits in a bin folder (root could write plugins into /usr/bin,
// where the package manager would never remove them); the Windows installer puts its uninstaller
// beside the programs, which a portable copy unpacked from the zip never has.
bool IsInstalledProgramsFolder(const std::filesystem::path& folder) {
  const auto normal = folder.lexically_normal();
  const auto name = normal.has_filename() ? normal.filename() : normal.parent_path().filename();
  std::error_code ignored;
  return name == "bin" || std::filesystem::is_regular_file(folder / "uninstall.exe", ignored);
}

}  // namespace

std::filesystem::path WorkingFolder(const std::filesystem::path& programFolder) {
  if (!IsInstalledProgramsFolder(programFolder) && CanCreateFilesIn(programFolder))
    return programFolder;
  const auto folder = UserDataFolder();
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return folder;
}

}  // namespace pw

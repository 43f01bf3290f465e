// Removable-drive test on Windows; other hosts have no drive letters to test.
#include "archive/removable_drive.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace pw {

#ifdef _WIN32

bool IsOnRemovableDrive(const std::filesystem::path& path) {
  const std::wstring root = std::filesystem::absolute(path).root_name().wstring();
  if (root.size() != 2 || root[1] != L':')
    return false;
  const wchar_t letter = static_cast<wchar_t>(towupper(root[0]));
  if (letter == L'A' || letter == L'B')
    return true;
  return GetDriveTypeW((root + L"\\").c_str()) == DRIVE_REMOVABLE;
}

#else

bool IsOnRemovableDrive(const std::filesystem::path&) {
  return false;
}

#endif

}  // namespace pw

// Stands in for the editor's "Associate *.qvx" under Wine: registers the package extension for
// this program's own full path, and reports a failure as the error box words it.
#include <windows.h>

#include <filesystem>
#include <iostream>
#include <vector>

#include "desktop/file_association.h"
#include "platform/user_prompts.h"

int main() {
  std::vector<wchar_t> path(32768);
  GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  try {
    pw::RegisterPackageExtension(std::filesystem::path(path.data()));
  } catch (const std::exception& error) {
    std::cerr << pw::StandardErrorText(error.what()) << "\n";
    return 1;
  }
  return 0;
}

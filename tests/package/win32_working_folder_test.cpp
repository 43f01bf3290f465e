// Where the editor keeps its plugins on Windows: beside its .exe, or in %LOCALAPPDATA% when it
// cannot make files there or was installed.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "package/working_folder.h"
#include "tests/support/scratch_folder.h"

namespace pw::test {
namespace {

// Sets LOCALAPPDATA for one test (nothing: removed) and puts the earlier value back.
class ScopedLocalAppData {
 public:
  explicit ScopedLocalAppData(const wchar_t* value) {
    if (const wchar_t* before = _wgetenv(L"LOCALAPPDATA"))
      before_ = before;
    _wputenv_s(L"LOCALAPPDATA", value ? value : L"");
  }
  ~ScopedLocalAppData() { _wputenv_s(L"LOCALAPPDATA", before_ ? before_->c_str() : L""); }

 private:
  std::optional<std::wstring> before_;
};

std::filesystem::path ProgramFolder() {
  wchar_t path[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
  return std::filesystem::path(path).parent_path();
}

std::vector<std::filesystem::path> Listing(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

using Win32WorkingFolderTest = ScratchFolderTest;

TEST_F(Win32WorkingFolderTest, BesideTheExeWhereFilesCanBeMadeAndNothingIsLeftThere) {
  ScopedLocalAppData local((dir_ / "AppData").c_str());
  const auto folder = ProgramFolder();
  const auto before = Listing(folder);
  EXPECT_EQ(WorkingFolder(folder), folder);
  EXPECT_EQ(Listing(folder), before);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "AppData"));
}

TEST_F(Win32WorkingFolderTest, ElseUnderLocalAppDataOrTheTemporaryFolder) {
  std::ofstream(dir_ / "plugwright.exe") << "a file, not a folder";
  // Installed: writable, but an update or an uninstall must never meet the user's plugins.
  std::filesystem::create_directories(dir_ / "Programs" / "Qorvix Plugwright");
  std::ofstream(dir_ / "Programs" / "Qorvix Plugwright" / "uninstall.exe") << "the uninstaller";
  const std::filesystem::path unusable[] = {dir_ / "missing", dir_ / "plugwright.exe",
                                            dir_ / "Programs" / "Qorvix Plugwright"};
  {
    ScopedLocalAppData local((dir_ / "AppData").c_str());
    for (const auto& program : unusable) {
      SCOPED_TRACE(program.string());
      EXPECT_EQ(WorkingFolder(program), dir_ / "AppData" / "Qorvix Plugwright");
      EXPECT_TRUE(std::filesystem::is_directory(dir_ / "AppData" / "Qorvix Plugwright"));
    }
  }
  ScopedLocalAppData unset(nullptr);
  EXPECT_EQ(WorkingFolder(dir_ / "missing"),
            std::filesystem::temp_directory_path() / "Qorvix Plugwright");
  std::filesystem::remove(std::filesystem::temp_directory_path() / "Qorvix Plugwright");
}

}  // namespace
}  // namespace pw::test

// Where an editor keeps its plugins: beside a program run from its build folder, per user when
// installed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "package/working_folder.h"
#include "tests/support/scratch_folder.h"

namespace pw::test {
namespace {

#ifndef _WIN32

// Sets an environment variable for one test and puts the earlier value back.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    if (const char* before = std::getenv(name))
      before_ = before;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnvironment() {
    if (before_)
      setenv(name_, before_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> before_;
};

using WorkingFolderTest = ScratchFolderTest;

TEST_F(WorkingFolderTest, BesideTheProgramOnlyOutsideBinFoldersAndWhereFilesCanBeMade) {
  const auto dataHome = dir_ / "data";
  ScopedEnvironment xdg("XDG_DATA_HOME", dataHome.string());
  const auto perUser = dataHome / "qorvix-plugwright";
  struct Case {
    std::filesystem::path programFolder;
    std::filesystem::path expected;
  };
  std::filesystem::create_directories(dir_ / "build" / "app");
  std::filesystem::create_directories(dir_ / "usr" / "bin");
  const Case cases[] = {
      {dir_ / "build" / "app", dir_ / "build" / "app"},
      // Writable here, as /usr/bin is for root.
      {dir_ / "usr" / "bin", perUser},
      {dir_ / "usr" / "bin" / "", perUser},
      {dir_ / "usr" / "bin" / ".", perUser},
      {dir_ / "no such folder", perUser},
  };
  for (const auto& [programFolder, expected] : cases) {
    SCOPED_TRACE(programFolder.string());
    EXPECT_EQ(WorkingFolder(programFolder), expected);
  }
  EXPECT_TRUE(std::filesystem::is_directory(perUser));
  EXPECT_TRUE(std::filesystem::is_empty(dir_ / "usr" / "bin"));
  EXPECT_TRUE(std::filesystem::is_empty(dir_ / "build" / "app"));
}

TEST_F(WorkingFolderTest, RelativeDataHomeIsIgnoredForTheHomeFolder) {
  ScopedEnvironment xdg("XDG_DATA_HOME", "relative/data");
  ScopedEnvironment home("HOME", dir_.string());
  EXPECT_EQ(WorkingFolder(dir_ / "usr" / "bin"), dir_ / ".local" / "share" / "qorvix-plugwright");
}

#endif

}  // namespace
}  // namespace pw::test

// Scratch folders named after the process and the test, so parallel runs never share one.
#include "tests/support/scratch_folder.h"

#include <string>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace pw::test {

void ScratchFolderTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "_" + info->name();
  for (char& c : name) {
    if (c == '/')
      c = '_';
  }
  dir_ =
      std::filesystem::temp_directory_path() / ("pw_test_" + std::to_string(getpid()) + "_" + name);
  std::filesystem::remove_all(dir_);
  std::filesystem::create_directories(dir_);
}

void ScratchFolderTest::TearDown() {
  std::error_code ignored;
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(dir_, ignored);
}

}  // namespace pw::test
